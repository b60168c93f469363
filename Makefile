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

# Unit and GL tests run with no display at all; the window tests under their own Xvfb.
test: build fuzz-build
	$(BUILD)/tavrosk-databuild $(BUILD)/data
	cd $(BUILD) && env -u DISPLAY $(TEST_ENV) ctest -L 'unit|gl' -LE fuzz -j$(JOBS) --output-on-failure
	cd $(BUILD) && env $(TEST_ENV) xvfb-run -a -s "-screen 0 1280x1024x24" ctest -L xvfb --output-on-failure
	cd $(FUZZ_BUILD) && env -u DISPLAY ctest -L fuzz -j$(JOBS) --output-on-failure

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

# The data set is made once; `make test` always makes it anew.
data: build
	test -f $(BUILD)/data/dat00.dat || $(BUILD)/tavrosk-databuild $(BUILD)/data

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROSK_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets
