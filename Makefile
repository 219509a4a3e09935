# Convenience entry points; everything else is plain CMake and CTest.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CTEST_ARGS ?=

.PHONY: all build test unit-test fuzz-test demo format clean

all: build

# A fresh machine gets its Debian packages before the first configure.
# Optimised, with line tables only: backtraces and profiles keep their files
# and lines, and the build takes about a fifth less time than with full
# debug information (cmake -DCMAKE_BUILD_TYPE=Debug gives that).
$(BUILD)/CMakeCache.txt:
	scripts/bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The whole test run: the fuzz targets for a short, bounded time each, then
# every unit and integration test. Ends with CTest's summary line.
test: fuzz-test unit-test

unit-test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

$(FUZZ_BUILD)/CMakeCache.txt:
	scripts/bootstrap
	CXX=clang++ CC=clang cmake -S . -B $(FUZZ_BUILD) -DLUMAR_FUZZ=ON \
	    -DLUMAR_BUILD_GUI=OFF -DLUMAR_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG"

fuzz-test: $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)

# The main job on the reference service's demo data: packages, build of the
# two programs it needs, then the demo in $(DEMO_DIR) (made afresh each run).
DEMO_DIR ?= lumar-demo

demo: $(BUILD)/CMakeCache.txt
	scripts/bootstrap
	cmake --build $(BUILD) -j $(JOBS) --target lumar lumar-service
	$(BUILD)/apps/lumar/lumar demo $(DEMO_DIR)

format:
	find src apps tests fuzz bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
