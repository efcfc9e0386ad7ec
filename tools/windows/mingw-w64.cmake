# Cross build for 64-bit Windows with Debian's mingw-w64 toolchain.
#   cmake -S . -B build-windows/game -DCMAKE_TOOLCHAIN_FILE=tools/windows/mingw-w64.cmake \
#         -DVIPRATS_WINDOWS_DEPS=build-windows/deps
# VIPRATS_WINDOWS_DEPS is the folder tools/windows/build-deps.sh filled; its
# prefix/ holds the Windows SDL libraries, their pkg-config files and GoogleTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX thread flavour of the compilers: GoogleTest needs std::mutex,
# which the win32 flavour's C++ library lacks.
set(VIPRATS_WINDOWS_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VIPRATS_WINDOWS_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VIPRATS_WINDOWS_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${VIPRATS_WINDOWS_HOST}-windres)

# try_compile projects read this file again and need the same folder.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VIPRATS_WINDOWS_DEPS)
if(NOT VIPRATS_WINDOWS_DEPS)
  set(VIPRATS_WINDOWS_DEPS "${CMAKE_CURRENT_LIST_DIR}/../../build-windows/deps")
endif()
get_filename_component(VIPRATS_WINDOWS_DEPS "${VIPRATS_WINDOWS_DEPS}" ABSOLUTE)
set(VIPRATS_WINDOWS_PREFIX "${VIPRATS_WINDOWS_DEPS}/prefix")

# Libraries, headers and packages come from the mingw sysroot and the prefix,
# never from the build machine; programs (python3 for the assets) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VIPRATS_WINDOWS_HOST} "${VIPRATS_WINDOWS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "${VIPRATS_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Some sources write <SDL/SDL.h>, as on Linux.
set(CMAKE_C_STANDARD_INCLUDE_DIRECTORIES "${VIPRATS_WINDOWS_PREFIX}/include")
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES "${VIPRATS_WINDOWS_PREFIX}/include")

# The C++ run time goes into the programs, so only the libraries' DLLs ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Windows programs run under wine here: GoogleTest's test discovery at build
# time, and ctest. The runner finds the libraries' DLLs in the prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR "/bin/bash;${CMAKE_CURRENT_LIST_DIR}/wine-run;--dlls;${VIPRATS_WINDOWS_PREFIX}/bin")
