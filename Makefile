# The two commands a newcomer needs: `make test` and `make run`.
# Both install what is missing first (Debian 12, as root), then build.
BUILD ?= build
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all deps configure build test run install bench fuzz clean

all: build

deps:
	@tools/install-deps.sh

# Once configured, the build itself re-runs CMake when a CMake file changes.
configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 600

run: build
	@$(BUILD)/bin/talvoro

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	@tools/install-deps.sh bench
	@bench/run.sh $(BUILD)/bin/talvoro-run

# The libFuzzer targets of tests/fuzz, with clang and the sanitizers, in a
# build folder of their own (not part of `make test`). Run one with e.g.
# build-fuzz/bin/fuzz_run -max_total_time=300 build-fuzz/corpus tests/engine/scripts
FUZZ_BUILD ?= build-fuzz
fuzz: deps
	@tools/install-deps.sh fuzz
	@[ -f $(FUZZ_BUILD)/build.ninja ] || cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	    -DTALVORO_FUZZ=ON $(CMAKE_FLAGS)
	@cmake --build $(FUZZ_BUILD) --target fuzz_compile fuzz_run
	@mkdir -p $(FUZZ_BUILD)/corpus

# Everything but the settings and the script library that a run from the
# build folder keeps beside the program.
clean:
	@if [ -d $(BUILD) ]; then find $(BUILD) -mindepth 1 -depth ! -path '$(BUILD)/bin' \
	    ! -path '$(BUILD)/bin/defaults.txt' ! -path '$(BUILD)/bin/scripts.tvo' -delete; fi
