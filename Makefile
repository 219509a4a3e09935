# Convenience entry points; everything else is plain CMake and CTest.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CTEST_ARGS ?=

.PHONY: all build test unit-test fuzz-test demo format clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The whole test run: the fuzz targets for a short, bounded time each, then
# every unit and integration test. Ends with CTest's summary line.
test: fuzz-test unit-test

unit-test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

$(FUZZ_BUILD)/CMakeCache.txt:
	CXX=clang++ CC=clang cmake -S . -B $(FUZZ_BUILD) -DLUMAR_FUZZ=ON \
	    -DLUMAR_BUILD_GUI=OFF -DLUMAR_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo

fuzz-test: $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)

demo:
	@echo "The demo (the merge of the demo publication on the reference service)"
	@echo "arrives with the command-line host; it is not built yet."
	@exit 1

format:
	find src apps tests fuzz bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
