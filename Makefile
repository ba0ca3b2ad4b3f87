# The two commands a newcomer needs: `make demo` and `make test`. Each installs the Debian packages
# it needs first (see scripts/require-packages).

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60

BASE_PACKAGES := build-essential cmake pkg-config nlohmann-json3-dev libcairo2-dev libpango1.0-dev \
                 fonts-liberation2 fonts-dejavu-core
# The renderer's packages are in BASE_PACKAGES, which the test and benchmark lists include.
TEST_PACKAGES := $(BASE_PACKAGES) libgtest-dev
BENCH_PACKAGES := $(BASE_PACKAGES) libbenchmark-dev

.PHONY: demo test bench format clean

demo:
	@scripts/require-packages $(BASE_PACKAGES)
	@cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DOVCOMCTL_TESTS=OFF > /dev/null
	@cmake --build build/release --target ovhost -j $(JOBS)
	@mkdir -p out/demo
	build/release/apps/ovhost/ovhost demo --out out/demo

test:
	@scripts/require-packages $(TEST_PACKAGES)
	@cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug -DOVCOMCTL_SANITIZE=ON > /dev/null
	@cmake --build build/debug -j $(JOBS)
	@cd build/debug && ctest --output-on-failure -j $(JOBS)

bench:
	@scripts/require-packages $(BENCH_PACKAGES)
	@cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DOVCOMCTL_TESTS=OFF -DOVCOMCTL_BENCH=ON > /dev/null
	@cmake --build build/bench --target ovcomctl_bench -j $(JOBS)
	build/bench/bench/ovcomctl_bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build out
