# The two commands of the README. Both set up the machine first (Debian packages), then build.
.PHONY: run test build setup bench clean

JOBS ?= $(shell nproc)

setup:
	@scripts/install-deps

build: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

run: build
	./build/charac

test: build
	ctest --preset default -j $(JOBS)

bench: setup
	@cmake --preset default -DCHARAC_BENCHMARKS=ON >/dev/null
	@cmake --build --preset default -j $(JOBS)

clean:
	rm -rf build build-asan
