# SPDX-License-Identifier: GPL-3.0-or-later
# The entry points: `make run` installs what is missing, builds and starts the game; `make test`
# installs what is missing, builds, checks and tests; `make bench` measures. `make check` is the
# quick loop while working: it builds and runs the tests that need no X server, and installs
# nothing. Everything else is a step of those.

SHELL := /bin/bash
BUILD_DIR ?= build
ASAN_BUILD_DIR ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS := -G Ninja -DZINTRA_WERROR=ON

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find afx game tests bench -name '*.cpp' -o -name '*.h')

# Halt on the first report of either sanitizer, with a stack to read.
export ASAN_OPTIONS := halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1

.PHONY: all deps build build-asan package run check test test-normal test-asan format format-check tidy \
    bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD_DIR)/build.ninja:
	cmake -S . -B $(ASAN_BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug \
	    -DZINTRA_SANITIZE=ON -DZINTRA_BUILD_BENCHMARKS=OFF

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps $(ASAN_BUILD_DIR)/build.ninja
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)

# The Debian package (build/zintra-win_<version>-<revision>_<arch>.deb), from the install rules.
package: build
	cd $(BUILD_DIR) && cpack

# Arguments for the game go in ARGS, e.g. `make run ARGS="--seed 7"`.
run: build
	$(BUILD_DIR)/app/zintra_win $(ARGS)

# The headless and offscreen tiers (the labels are set in tests/CMakeLists.txt).
check: $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) -L '^(headless|offscreen)$$'

test-normal: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD_DIR) --output-on-failure -j $(JOBS)

# Formatting, then the normal build (which also builds the benchmarks so they never rot),
# then the sanitizer build.
test: deps format-check tidy test-normal test-asan

format:
	clang-format -i $(SOURCES)

format-check: deps
	clang-format --dry-run --Werror $(SOURCES)

# The program's own code; tests and benchmarks lean on GoogleTest's macros, which tidy dislikes.
tidy: build
	run-clang-tidy -p $(BUILD_DIR) -quiet -j $(JOBS) '^$(CURDIR)/(afx|ai|app|arena|game|res|view)/' 2>&1 \
	    | grep -v -e '^[0-9]* warnings generated' -e '^Suppressed' -e '^Use -header-filter' \
	    -e '^clang-tidy-[0-9]* ' -e '^Running clang-tidy'; exit $${PIPESTATUS[0]}

bench: build
	$(BUILD_DIR)/bench/game_bench
	$(BUILD_DIR)/bench/board_bench
	$(BUILD_DIR)/bench/ai_bench
	$(BUILD_DIR)/bench/qt_click_bench
	$(BUILD_DIR)/bench/memory_soak
	BUILD_DIR=$(BUILD_DIR) bench/startup.sh
	BUILD_DIR=$(BUILD_DIR) bench/idle.sh

# The README's picture, made afresh from the program (doc/screenshot.png): a fixed deal and
# fixed moves, so that it only changes when the program's looks do.
.PHONY: screenshot
screenshot: build
	BUILD_DIR=$(BUILD_DIR) scripts/screenshot.sh

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
