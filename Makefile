# The two commands a new user needs: `make run` and `make test`.
BUILD      ?= build/release
BUILD_SAN  ?= build/sanitize
BUILD_TSAN ?= build/thread
# Ninja when the machine has it, else the default generator.
CMAKE_GEN  := $(if $(shell command -v ninja 2>/dev/null),-G Ninja,)
JOBS       ?= $(shell nproc)
# The windowed parts need Qt 6; WITH_QT=OFF builds the interpreter and the
# corvel command alone. With Qt on, the build first makes sure Qt is there
# (installing it on Debian when run as root).
WITH_QT    ?= ON
ENSURE_QT  := $(if $(filter ON,$(WITH_QT)),sh tools/ensure-qt.sh &&,)
# Leaks inside Qt's and the system's own libraries; nothing of ours.
LSAN_SUPP  := $(CURDIR)/tests/lsan-qt.supp

.PHONY: all build build-sanitize build-thread install run test test-release test-sanitize test-thread regen bench bench-scripts bench-compare clean fuzz fuzz-build difftest

all: build

build:
	$(ENSURE_QT) cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVEL_WITH_QT=$(WITH_QT)
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize:
	$(ENSURE_QT) cmake -S . -B $(BUILD_SAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCORVEL_SANITIZE=ON -DCORVEL_WITH_QT=$(WITH_QT)
	cmake --build $(BUILD_SAN) -j $(JOBS)

# Installs libraries, headers, programs and the CMake and pkg-config files.
PREFIX     ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

run: build
	$(BUILD)/apps/corvel/corvel examples/countdown.js

test: test-release test-sanitize test-thread

# Tests without a time limit of their own get this one.
TEST_TIMEOUT ?= 300

test-release: build
	ctest --test-dir $(BUILD) --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS)

test-sanitize: build-sanitize
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(LSAN_SUPP):print_suppressions=0 \
	ctest --test-dir $(BUILD_SAN) --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS)

# Hosts on several threads, under ThreadSanitizer: only the interpreter and
# the thread tests are built.
build-thread:
	cmake -S . -B $(BUILD_TSAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVEL_SANITIZE_THREADS=ON -DCORVEL_WITH_QT=OFF
	cmake --build $(BUILD_TSAN) -j $(JOBS) --target corvel_thread_tests

test-thread: build-thread
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir $(BUILD_TSAN) -R '^threads[.]' --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS)

# Regenerates the lexer and parser tables into the source tree.
regen: build
	cmake --build $(BUILD) --target regen

bench: build
	bench/run.sh $(BUILD)

bench-scripts: build
	bench/run-scripts.sh $(BUILD)

# bench/scripts run by corvel and, side by side, by two other small engines,
# mujs and duk (installed on a Debian machine when run as root, else left
# out): BENCH_RUNS timed runs each after a warm-up, medians and ratios.
# BENCH_SCRIPTS names a subset; BENCH_OPTIONS=--markdown gives a table for
# bench/RESULTS.md.
BENCH_RUNS    ?= 5
BENCH_SCRIPTS ?=
BENCH_OPTIONS ?=
bench-compare: build
	sh bench/ensure-peers.sh
	python3 bench/compare.py --corvel $(BUILD)/apps/corvel/corvel --runs $(BENCH_RUNS) $(BENCH_OPTIONS) $(BENCH_SCRIPTS)

# Fuzzing: each target runs FUZZ_SECONDS in turn, one process at a time,
# in a clang build instrumented for coverage and checked by the sanitizers.
FUZZ_BUILD   ?= build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= parse run convert date

fuzz-build:
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCORVEL_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

fuzz: fuzz-build
	tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Differential test: random programs run by `corvel` and by Duktape.
DIFFTEST_PROGRAMS ?= 200
DIFFTEST_SEED     ?= 1

difftest: build
	python3 tests/difftest/difftest.py --corvel $(BUILD)/apps/corvel/corvel --programs $(DIFFTEST_PROGRAMS) --seed $(DIFFTEST_SEED)

clean:
	rm -rf build
