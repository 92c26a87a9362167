# Developer targets; the README's ./run.sh and ./test.sh need no make.
FUZZ_SECONDS ?= 60

.PHONY: all test run bench fuzz format package
all:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release && cmake --build build -j$$(nproc)
test:
	./test.sh
run:
	./run.sh
bench:
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTAMBLOR_BUILD_TESTS=OFF -DTAMBLOR_BUILD_UI=OFF -DTAMBLOR_BUILD_BENCH=ON
	cmake --build build-bench -j$$(nproc)
	scripts/run-benchmarks build-bench
fuzz:
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-fuzzers
package:
	scripts/package
format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i
