// IMG_Load on libpng and libjpeg, giving the surfaces SDL_image 1.2 gives
// for the pictures the game ships: 24-bit RGB for JPEG and opaque PNG,
// 32-bit RGBA for PNG with alpha, masks in byte order.
#include "SDL_image.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>
#include <png.h>

namespace {

const bool LITTLE_ENDIAN_BYTES = SDL_BYTEORDER == SDL_LIL_ENDIAN;

SDL_Surface* NewSurface(int w, int h, int channels)
{
    const Uint32 r = LITTLE_ENDIAN_BYTES ? 0x000000FF : (channels == 4 ? 0xFF000000 : 0xFF0000);
    const Uint32 g = LITTLE_ENDIAN_BYTES ? 0x0000FF00 : (channels == 4 ? 0x00FF0000 : 0x00FF00);
    const Uint32 b = LITTLE_ENDIAN_BYTES ? 0x00FF0000 : (channels == 4 ? 0x0000FF00 : 0x0000FF);
    const Uint32 a = channels == 4 ? (LITTLE_ENDIAN_BYTES ? 0xFF000000 : 0x000000FF) : 0;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8 * channels, r, g, b, a);
}

bool ReadWholeFile(const char* file, std::vector<Uint8>& bytes)
{
    SDL_RWops* rw = SDL_RWFromFile(file, "rb");
    if (!rw) return false;  // SDL has said why
    const int size = SDL_RWseek(rw, 0, RW_SEEK_END);
    bool ok = size >= 0 && SDL_RWseek(rw, 0, RW_SEEK_SET) == 0;
    if (ok) {
        bytes.resize(size);
        ok = size == 0 || SDL_RWread(rw, bytes.data(), size, 1) == 1;
    }
    SDL_RWclose(rw);
    if (!ok) SDL_SetError("Error reading %s", file);
    return ok;
}

struct PngInput {
    const std::vector<Uint8>& bytes;
    size_t at;
};

void ReadPngBytes(png_structp png, png_bytep to, png_size_t count)
{
    PngInput& in = *static_cast<PngInput*>(png_get_io_ptr(png));
    // A file that ends early is an error, not a picture of stale bytes.
    if (count > in.bytes.size() - in.at) png_error(png, "file ends early");
    std::copy_n(in.bytes.begin() + in.at, count, to);
    in.at += count;
}

[[noreturn]] void PngError(png_structp png, png_const_charp message)
{
    SDL_SetError("Error reading the PNG file: %s", message);
    png_longjmp(png, 1);
}

void QuietPngWarning(png_structp, png_const_charp) {}

SDL_Surface* LoadPng(const std::vector<Uint8>& bytes)
{
    PngInput in{bytes, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, QuietPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    SDL_Surface* volatile surface = nullptr;
    if (!info) {
        png_destroy_read_struct(&png, &info, nullptr);
        SDL_SetError("Out of memory");
        return nullptr;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        SDL_FreeSurface(surface);
        return nullptr;
    }
    png_set_read_fn(png, &in, ReadPngBytes);
    png_read_info(png, info);
    // Any other kind of PNG comes out as 8-bit RGB or RGBA too.
    png_set_strip_16(png);
    png_set_expand(png);
    png_set_gray_to_rgb(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    surface = NewSurface(w, h, png_get_channels(png, info));
    if (!surface) png_error(png, "out of memory");
    for (int pass = 0; pass < passes; pass++)
        for (int y = 0; y < h; y++) png_read_row(png, static_cast<Uint8*>(surface->pixels) + y * surface->pitch, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return surface;
}

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

void LeaveJpeg(j_common_ptr jpeg) { std::longjmp(reinterpret_cast<JpegErrors*>(jpeg->err)->escape, 1); }
// A file that ends early gives no picture, where SDL_image makes up the rest
// of it; other warnings are passed over, as in SDL_image.
void JpegMessage(j_common_ptr jpeg, int level)
{
    if (level < 0 && jpeg->err->msg_code == JWRN_JPEG_EOF) LeaveJpeg(jpeg);
}

SDL_Surface* LoadJpeg(const std::vector<Uint8>& bytes)
{
    jpeg_decompress_struct jpeg;
    JpegErrors errors;
    jpeg.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveJpeg;
    errors.manager.emit_message = JpegMessage;
    SDL_Surface* volatile surface = nullptr;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&jpeg);
        SDL_FreeSurface(surface);
        SDL_SetError("JPEG loading error");
        return nullptr;
    }
    jpeg_create_decompress(&jpeg);
    jpeg_mem_src(&jpeg, bytes.data(), bytes.size());
    jpeg_read_header(&jpeg, TRUE);
    jpeg.out_color_space = JCS_RGB;
    jpeg_start_decompress(&jpeg);
    surface = NewSurface(jpeg.output_width, jpeg.output_height, 3);
    if (!surface) LeaveJpeg(reinterpret_cast<j_common_ptr>(&jpeg));
    while (jpeg.output_scanline < jpeg.output_height) {
        JSAMPROW row = static_cast<Uint8*>(surface->pixels) + jpeg.output_scanline * surface->pitch;
        jpeg_read_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_decompress(&jpeg);
    jpeg_destroy_decompress(&jpeg);
    return surface;
}

}  // namespace

SDL_Surface* IMG_Load(const char* file)
{
    std::vector<Uint8> bytes;
    if (!ReadWholeFile(file, bytes)) return nullptr;
    if (bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0) return LoadPng(bytes);
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return LoadJpeg(bytes);
    SDL_SetError("Unsupported image format");
    return nullptr;
}
