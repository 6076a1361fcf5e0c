# The two commands of the README. Both set up the machine first (Debian packages), then build:
# `make run` only what the program needs, `make test` everything the test suite needs too.
.PHONY: run test setup-run setup-test bench clean

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc)

setup-run:
	@scripts/install-deps run

setup-test:
	@scripts/install-deps test

run: setup-run
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS) --target charac
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	    echo "Charac needs a graphical session, and this one has no display."; \
	else ./build/charac; fi

test: setup-test
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

bench: setup-test
	@cmake --preset default -DCHARAC_BENCHMARKS=ON >/dev/null
	@cmake --build --preset default -j $(JOBS)

clean:
	rm -rf build build-asan
