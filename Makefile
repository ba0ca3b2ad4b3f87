# The two commands a newcomer needs: `make demo` and `make test`. Each installs the Debian packages
# it needs first (see scripts/require-packages). Warnings are errors in the test build, the gate every
# change passes (-DOVCOMCTL_WERROR=ON); other builds, like a plain cmake build, only report them.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60

BASE_PACKAGES := build-essential cmake pkg-config nlohmann-json3-dev libcairo2-dev libpango1.0-dev \
                 libjpeg62-turbo-dev fonts-liberation2 fonts-dejavu-core
# The renderer's packages are in BASE_PACKAGES, which the test and benchmark lists include.
TEST_PACKAGES := $(BASE_PACKAGES) libgtest-dev
# The window host and its tests under Xvfb (real key and pointer events through XTest); a build
# without GTK 4 skips them.
WINDOW_PACKAGES := libgtk-4-dev xvfb xauth libxtst-dev
TEST_PACKAGES += $(WINDOW_PACKAGES)
BENCH_PACKAGES := $(BASE_PACKAGES) libbenchmark-dev
FUZZ_PACKAGES := $(BASE_PACKAGES) clang-14 libclang-rt-14-dev

.PHONY: demo test tsan bench fuzz fuzz-options format clean

demo:
	@scripts/require-packages $(BASE_PACKAGES)
	@cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DOVCOMCTL_TESTS=OFF > /dev/null
	@cmake --build build/release --target ovhost -j $(JOBS)
	@mkdir -p out/demo
	build/release/apps/ovhost/ovhost demo --out out/demo --form examples/setup-wizard.json

test:
	@scripts/require-packages $(TEST_PACKAGES)
	@cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug -DOVCOMCTL_SANITIZE=ON -DOVCOMCTL_WERROR=ON > /dev/null
	@cmake --build build/debug -j $(JOBS)
	@cd build/debug && ctest --output-on-failure -j $(JOBS)

# The thread tests under ThreadSanitizer, in a build of their own (it cannot share one with
# AddressSanitizer): forms used from a thread that does not own them are refused, and threads with
# runtimes of their own run wizards side by side, 2 x 1000 and 4 x 1000 times.
tsan:
	@scripts/require-packages $(TEST_PACKAGES)
	@cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-fsanitize=thread -O1" \
		-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread > /dev/null
	@cmake --build build/tsan --target ovcomctl_thread_tests -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/ovcomctl_thread_tests

bench:
	@scripts/require-packages $(BENCH_PACKAGES)
	@cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DOVCOMCTL_TESTS=OFF -DOVCOMCTL_BENCH=ON > /dev/null
	@cmake --build build/bench --target ovcomctl_bench -j $(JOBS)
	build/bench/bench/ovcomctl_bench

# The form file fuzzer (libFuzzer with ASan and UBSan, a clang build of its own) for FUZZ_SECONDS.
# Seeds: fuzz/corpus and the examples; new inputs go to build/fuzz/corpus, crashes to build/fuzz/crashes.
fuzz:
	@scripts/require-packages $(FUZZ_PACKAGES)
	@CXX=clang++-14 cmake -S fuzz -B build/fuzz > /dev/null
	@cmake --build build/fuzz --target formfile_fuzz -j $(JOBS)
	@mkdir -p build/fuzz/corpus build/fuzz/crashes
	@cp examples/*.json build/fuzz/corpus/ 2>/dev/null || true
	build/fuzz/formfile_fuzz build/fuzz/corpus fuzz/corpus -dict=fuzz/formfile.dict -timeout=10 \
	    -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build/fuzz/crashes/

# The option-list text fuzzer (DecodeOptions, and encode -> decode -> encode of what decodes).
fuzz-options:
	@scripts/require-packages $(FUZZ_PACKAGES)
	@CXX=clang++-14 cmake -S fuzz -B build/fuzz > /dev/null
	@cmake --build build/fuzz --target options_fuzz -j $(JOBS)
	@mkdir -p build/fuzz/options-corpus build/fuzz/crashes
	build/fuzz/options_fuzz build/fuzz/options-corpus fuzz/options-corpus -dict=fuzz/options.dict -timeout=10 \
	    -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build/fuzz/crashes/options-

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build out
