# The two commands a new user needs: `make run` and `make test`.
BUILD      ?= build/release
BUILD_SAN  ?= build/sanitize
# Ninja when the machine has it, else the default generator.
CMAKE_GEN  := $(if $(shell command -v ninja 2>/dev/null),-G Ninja,)
JOBS       ?= $(shell nproc)

.PHONY: all build build-sanitize install run test test-release test-sanitize regen bench bench-scripts clean

all: build

build:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize:
	cmake -S . -B $(BUILD_SAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCORVEL_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)

# Installs libraries, headers, programs and the CMake and pkg-config files.
PREFIX     ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

run: build
	$(BUILD)/apps/corvel/corvel examples/countdown.js

test: test-release test-sanitize

test-release: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: build-sanitize
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

# Regenerates the lexer and parser tables into the source tree.
regen: build
	cmake --build $(BUILD) --target regen

bench: build
	bench/run.sh $(BUILD)

bench-scripts: build
	bench/run-scripts.sh $(BUILD)

clean:
	rm -rf build
