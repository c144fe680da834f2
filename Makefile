# Two entry points: `make run` and `make test`. Both install what is missing from
# Debian's archive (as root), configure and build into build/, optimized with debug
# information, so the program you run is the one the tests passed. `make bench` builds
# the benchmarks optimized into build-bench/ and runs them; `make fuzz` fuzzes the
# project file reader (FUZZ_SECONDS) in build-fuzz/ with clang. QT=6 does any of
# these with Qt 6 instead of Qt 5, in build-qt6/ (build-qt6-bench/, ...).
# `make windows` cross-builds both programs for 64-bit Windows into
# build-windows/ with its installer and zip; `make test-windows` runs the suite
# there under Wine.

QT ?= 5
BUILD_DIR ?= build$(if $(filter 6,$(QT)),-qt6)
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PROGRAM := $(BUILD_DIR)/bin/zaren800-configurator
BENCH_DIR ?= $(BUILD_DIR)-bench
# OpenSSL's portable code path, the cipher benchmarks' yardstick: AES-NI hidden.
OPENSSL_PORTABLE ?= ~0x200000200000000
FUZZ_SECONDS ?= 60
FUZZ_DIR := $(BUILD_DIR)-fuzz

# Build and test dependencies from Debian 12 (xdg-mime answers with the staged
# MIME database through libfile-mimeinfo-perl's mimetype). dpkg-dev:
# dpkg-buildflags gives the hardening flags of every build, and dpkg-shlibdeps
# the package's dependencies.
QT_PACKAGES_5 := qtbase5-dev qtbase5-dev-tools
QT_PACKAGES_6 := qt6-base-dev
PACKAGES := cmake make g++ pkg-config $(QT_PACKAGES_$(QT)) \
            libssl-dev poppler-utils fonts-dejavu-core \
            desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl \
            dpkg-dev
# The fuzzer's compiler and its libFuzzer and sanitizer runtimes (`make fuzz` only).
FUZZ_PACKAGES := clang libclang-rt-14-dev

# Windows: MinGW-w64, Wine to run what was built, NSIS for the installer; Xvfb
# and xwininfo for the installer's test, which opens a project by its
# association and finds the window that shows it.
WINDOWS_DIR ?= build-windows
QT_WINDOWS ?= $(HOME)/.cache/zaren800/qt-5.15.8-mingw64
WINDOWS_PACKAGES := cmake make g++ g++-mingw-w64-x86-64-posix wine64 nsis dpkg-dev \
                    fonts-dejavu-core xvfb xauth x11-utils

.PHONY: run test build configure deps sanitize bench fuzz clean format install package screenshots \
        windows test-windows screenshots-windows

run: build
	$(PROGRAM)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Configures once, and again when build/ holds another build type (an older checkout's
# Debug) or another Qt.
configure: deps
	@grep -qx 'CMAKE_BUILD_TYPE:STRING=$(BUILD_TYPE)' $(BUILD_DIR)/CMakeCache.txt 2>/dev/null && \
	    grep -qx 'ZAREN_QT:STRING=$(QT)' $(BUILD_DIR)/CMakeCache.txt || \
	    cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZAREN_QT=$(QT)

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing missing packages:" $$missing; \
	    if [ "$$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi; \
	    $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

# Tests once more under AddressSanitizer and UndefinedBehaviorSanitizer (used by CI).
sanitize: deps
	cmake -S . -B $(BUILD_DIR)-sanitize -DCMAKE_BUILD_TYPE=Debug -DZAREN_SANITIZE=ON -DZAREN_QT=$(QT)
	cmake --build $(BUILD_DIR)-sanitize -j $(JOBS)
	cd $(BUILD_DIR)-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Extra options reach Google Benchmark, e.g. make bench BENCH_ARGS=--benchmark_filter=Read
bench: PACKAGES += libbenchmark-dev
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DZAREN_BUILD_BENCH=ON -DZAREN_BUILD_TESTS=OFF \
	    -DZAREN_QT=$(QT)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target zaren800-bench
	OPENSSL_ia32cap="$${OPENSSL_ia32cap:-$(OPENSSL_PORTABLE)}" QT_QPA_PLATFORM=offscreen \
	    $(BENCH_DIR)/bin/zaren800-bench $(BENCH_ARGS)

# The reader under libFuzzer with ASan and UBSan, on a copy of the seed corpus;
# what it finds lands in $(FUZZ_DIR)/artifacts/. Qt's JSON parser leaks the
# earlier value of a repeated key (corpus file repeated-key.json): leaks are
# not checked, and the fuzzing runs in child processes that are renewed from
# time to time, so that the leaked memory cannot pile up over a long run.
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZAREN_FUZZ=ON \
	    -DZAREN_QT=$(QT)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_projectfile
	rm -rf $(FUZZ_DIR)/corpus && cp -r tests/fuzz/corpus $(FUZZ_DIR)/corpus
	mkdir -p $(FUZZ_DIR)/artifacts
	ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/bin/fuzz_projectfile -fork=1 \
	    -max_total_time=$(FUZZ_SECONDS) -dict=tests/fuzz/project.dict \
	    -artifact_prefix=$(FUZZ_DIR)/artifacts/ -print_final_stats=1 $(FUZZ_DIR)/corpus

# The two programs, man page, icons, desktop entry and metainfo under PREFIX
# (and DESTDIR, when given, for staging).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# build/zaren800-configurator_<version>_<arch>.deb; dpkg-shlibdeps finds its dependencies.
package: build
	cd $(BUILD_DIR) && cpack

# Renews docs/screenshots/ from the real window on the offscreen platform.
screenshots: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target zaren800-screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/zaren800-screenshots docs/screenshots

# Qt for Windows is built once from Debian's source (13 minutes on two idle cores)
# into QT_WINDOWS, outside the tree, and reused.
windows:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_PACKAGES)"
	JOBS=$(JOBS) dist/windows/build-qt.sh $(QT_WINDOWS)
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_PREFIX_PATH=$(QT_WINDOWS) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	    -DZAREN_LINUX_BUILD=$(CURDIR)/build
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	cmake --build $(WINDOWS_DIR) --target windows-package

# The Linux build too: the Windows one must write the same bytes.
test-windows: windows build
	dist/windows/wine-prefix.sh $(WINDOWS_DIR)/wine
	WINEPREFIX=$(CURDIR)/$(WINDOWS_DIR)/wine dist/windows/with-full-disk.sh $(WINDOWS_DIR)/full-disk \
	    sh -c 'cd $(WINDOWS_DIR) && ctest --output-on-failure -j $(JOBS)'

# Renews docs/screenshots/windows-*.png from the Windows build's window under Wine.
screenshots-windows: windows
	@$(MAKE) --no-print-directory deps PACKAGES="xdotool imagemagick cups-daemon cups-client"
	tools/windows-screenshots.sh $(WINDOWS_DIR) docs/screenshots

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-sanitize $(BENCH_DIR) $(FUZZ_DIR) $(WINDOWS_DIR)
