# Convenience entry points; everything else is plain CMake and CTest.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
JOBS       ?= $(shell nproc)
CTEST_ARGS ?=

.PHONY: all build test unit-test fuzz-test demo package format clean

all: build

# A fresh machine gets its Debian packages before the first configure.
# Optimised, with line tables only: backtraces and profiles keep their files
# and lines, and the build takes about a fifth less time than with full
# debug information (cmake -DCMAKE_BUILD_TYPE=Debug gives that).
$(BUILD)/CMakeCache.txt:
	scripts/bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMAR_WERROR=ON \
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

# The Debian packages lumar, lumar-desk and lumar-service, from a Release
# build with the distribution's compiler and linker flags (no tests, no
# benchmarks), into $(PACKAGE_BUILD).
package:
	scripts/bootstrap
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	    -DLUMAR_BUILD_TESTS=OFF -DLUMAR_BUILD_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    -DCMAKE_SHARED_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

format:
	find src apps tests fuzz bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
