# The two commands of the README: `make run` and `make test`.
# `make test SANITIZE=1` runs the same suite on a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, in its own folder.
ifeq ($(SANITIZE),1)
BUILD       ?= build-asan
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROSK_SANITIZE=ON
# llvmpipe draws in the test's own thread: with its rasteriser threads alive at exit,
# LeakSanitizer's tracer dies with signal 11 while it stops them, and a passed test fails.
TEST_ENV    := LP_NUM_THREADS=0
endif
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps build data fuzz-build

run: data
	cd $(BUILD) && ./tavrosk

# One ctest run for the unit, GL and window levels: the data set is built once, by its fixture,
# into $(BUILD)/data-set, which the tests only read or copy; each window test starts an X server
# of its own. Then the data set goes to the player's $(BUILD)/data (settings there are kept),
# and the fuzz targets run from seeds cut from it.
test: build fuzz-build
	cd $(BUILD) && env -u DISPLAY $(TEST_ENV) ctest -L 'unit|gl|xvfb' -LE fuzz -j$(JOBS) --output-on-failure
	scripts/install-data $(BUILD)/data-set $(BUILD)
	cd $(FUZZ_BUILD) && env -u DISPLAY ctest -L fuzz -j$(JOBS) --output-on-failure

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

# The player's data set is made when missing; `make test` puts its freshly built one there.
data: build
	test -f $(BUILD)/data/dat00.dat || $(BUILD)/tavrosk-databuild $(BUILD)/data

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROSK_FUZZ=ON \
	  -DTAVROSK_SEED_DATA_SET=$(abspath $(BUILD))/data-set
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets
