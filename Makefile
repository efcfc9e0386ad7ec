# Front door: `make play` and `make test` set up everything they need.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
PACKAGES   := cmake g++ make pkg-config libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev \
              libsdl-ttf2.0-dev libgtest-dev python3 python3-pil python3-numpy python3-fonttools \
              vorbis-tools fonts-dejavu-core fonts-roboto-unhinted
# The Debian package and its checks in `make test` (packaging/linux/).
PACKAGES   += dpkg-dev file desktop-file-utils appstream
# compat/'s subset of the image and font libraries, checked against the real ones.
PACKAGES   += libpng-dev libjpeg62-turbo-dev libfreetype-dev
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all play test bench test-asan deps build clean playthrough-expectations fuzz-deps fuzz windows-deps windows windows-test shots

all: build

# Installs only what is missing, so a ready machine is not slowed down.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

play: build
	cd data && ../$(BUILD)/viprats

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The frame-time benchmark: every scene headless on the generated data tree,
# frame times, level loads and memory against their targets (see README).
bench: build
	cd data && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ../$(BUILD)/viprats_bench

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVIPRATS_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS)

# Every screen of the game as a picture in $(SHOTS)/, plus contact-sheet.png:
# the way to review the art after a change (see README).
SHOTS ?= $(BUILD)/shots
shots: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target viprats_gallery
	rm -rf $(SHOTS) && mkdir -p $(SHOTS)
	status=0; VIPRATS_SHOTS=$(abspath $(SHOTS)) SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
	  $(BUILD)/viprats_gallery > $(SHOTS)/gallery.log 2>&1 || status=$$?; \
	/usr/bin/python3 tools/gallery/contact_sheet.py $(SHOTS) || exit 1; \
	if [ $$status != 0 ]; then grep -B2 -A8 'Failure' $(SHOTS)/gallery.log; exit $$status; fi

# Plays the whole game once more and writes its key recording and the
# expectations the replay test checks into tests/playthrough/.
playthrough-expectations: build
	cd $(BUILD) && VIPRATS_RECORD_PLAYTHROUGH=$(CURDIR)/tests/playthrough SDL_VIDEODRIVER=dummy \
	  SDL_AUDIODRIVER=dummy ./viprats_tests --gtest_filter=Playthrough.WholeGameThroughItsKeys

# The collision-file fuzzer (tests/fuzz/): clang's libFuzzer, which Debian
# ships in libclang-rt-14-dev, with the address and undefined-behaviour
# sanitizers. It starts from the committed maps and runs for FUZZ_SECONDS;
# anything it finds is left as crash-*, timeout-* or leak-* in $(FUZZ_BUILD).
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev

fuzz-deps: deps
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# Its output goes to a log file: stdout is closed (the reader logs every short
# map) and only the summary is shown, or the whole log when it finds something.
fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVIPRATS_FUZZ=ON -DVIPRATS_TESTS=OFF -DVIPRATS_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target collision_fuzz
	rm -rf $(FUZZ_BUILD)/seeds && mkdir -p $(FUZZ_BUILD)/seeds $(FUZZ_BUILD)/corpus
	cp data/lvl*/col*.txt $(FUZZ_BUILD)/seeds/
	cd $(FUZZ_BUILD) && ./collision_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	  -close_fd_mask=1 -dict=$(CURDIR)/tests/fuzz/collision.dict corpus seeds > fuzz.log 2>&1 \
	  || { cat fuzz.log; exit 1; }
	@grep -E '^Done [0-9]+ runs' $(FUZZ_BUILD)/fuzz.log

# The Debian package: $(BUILD)/viprats_<version>_amd64.deb, checked by lintian
# and the desktop's validators (packaging/linux/).
.PHONY: package
package: build
	@$(MAKE) --no-print-directory deps PACKAGES=lintian
	rm -f $(BUILD)/viprats_*.deb
	cd $(BUILD) && cpack -G DEB
	desktop-file-validate packaging/linux/lv.viprats.viprats.desktop
	appstreamcli validate --no-net $(BUILD)/packaging/lv.viprats.viprats.metainfo.xml
	lintian --fail-on error $(BUILD)/viprats_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Windows cross build (tools/windows/). The Windows libraries are built once from
# Debian's source packages into $(WINDOWS_BUILD)/deps and reused; the game and its
# tests are then built with the mingw-w64 toolchain file. `make windows` leaves
# $(WINDOWS_BUILD)/viprats-windows.zip; `make windows-test` also runs the test
# suite under wine with SDL's dummy drivers.
WINDOWS_BUILD    ?= build-windows
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
                    mingw-w64-x86-64-dev wine wine64 zip dpkg-dev xz-utils googletest cmake make pkg-config \
                    xvfb xdotool unzip
WINDOWS_DEPS     := $(CURDIR)/$(WINDOWS_BUILD)/deps
WINDOWS_GAME     := $(WINDOWS_BUILD)/game
WINE_RUN         := bash tools/windows/wine-run --dlls $(WINDOWS_DEPS)/prefix/bin

windows-deps: deps
	@missing=$$(for p in $(WINDOWS_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	JOBS=$(JOBS) bash tools/windows/build-deps.sh $(WINDOWS_DEPS)

windows: windows-deps
	cmake -S . -B $(WINDOWS_GAME) -DCMAKE_TOOLCHAIN_FILE=tools/windows/mingw-w64.cmake \
	  -DVIPRATS_WINDOWS_DEPS=$(WINDOWS_DEPS) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_GAME) -j$(JOBS) --target viprats assets
	bash tools/windows/package.sh $(WINDOWS_GAME)/viprats.exe $(WINDOWS_DEPS)/prefix/bin data $(WINDOWS_BUILD)

# The tests are found and run through wine-run (the toolchain's emulator), one
# wine process per test as on Linux; the wine prefix is made first, so that
# its first start does not count against the discovery time-out, and a wine
# server is started again before the run, for the whole run.
windows-test: windows
	$(WINE_RUN) --init
	cmake --build $(WINDOWS_GAME) -j$(JOBS) --target viprats_tests
	$(WINE_RUN) --init
	cd $(WINDOWS_GAME) && ctest --output-on-failure -j$(JOBS)
	bash tools/windows/start-check.sh $(WINDOWS_BUILD)/viprats-windows.zip $(WINDOWS_DEPS)/wine \
	  $(WINDOWS_BUILD)/menu-screenshot.bmp
