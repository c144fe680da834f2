# Two entry points: `make run` and `make test`. Both install what is missing from
# Debian's archive (as root), configure and build into build/. `make bench` builds
# the benchmarks optimized into build-bench/ and runs them.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PROGRAM := $(BUILD_DIR)/bin/zaren800-configurator
BENCH_DIR ?= $(BUILD_DIR)-bench
# OpenSSL's portable code path, the cipher benchmarks' yardstick: AES-NI hidden.
OPENSSL_PORTABLE ?= ~0x200000200000000

# Build and test dependencies from Debian 12.
PACKAGES := cmake make g++ pkg-config qtbase5-dev qtbase5-dev-tools \
            libssl-dev poppler-utils fonts-dejavu-core

.PHONY: run test build configure deps sanitize bench clean format

run: build
	$(PROGRAM)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug

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
	cmake -S . -B $(BUILD_DIR)-sanitize -DCMAKE_BUILD_TYPE=Debug -DZAREN_SANITIZE=ON
	cmake --build $(BUILD_DIR)-sanitize -j $(JOBS)
	cd $(BUILD_DIR)-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Extra options reach Google Benchmark, e.g. make bench BENCH_ARGS=--benchmark_filter=Read
bench: PACKAGES += libbenchmark-dev
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DZAREN_BUILD_BENCH=ON -DZAREN_BUILD_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target zaren800-bench
	OPENSSL_ia32cap="$${OPENSSL_ia32cap:-$(OPENSSL_PORTABLE)}" QT_QPA_PLATFORM=offscreen \
	    $(BENCH_DIR)/bin/zaren800-bench $(BENCH_ARGS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-sanitize $(BENCH_DIR)
