# The two commands of the README. Both set up the machine first (Debian packages), then build:
# `make run` only what the program needs, `make test` everything the test suite needs too.
.PHONY: run test test-asan format fuzz bench package package-test windows test-windows setup-run setup-test setup-package \
	setup-windows clean

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc)
# Extra CMake settings; CI passes -DCHARAC_WERROR=ON to make every warning an error.
CMAKE_FLAGS ?=

setup-run:
	@scripts/install-deps run

setup-test:
	@scripts/install-deps test

setup-package:
	@scripts/install-deps package

setup-windows:
	@scripts/install-deps windows

run: setup-run
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS) --target charac
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	    echo "Charac needs a graphical session, and this one has no display."; \
	else ./build/charac; fi

test: setup-test
	@cmake --preset default $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

# The whole suite again, built with the address and undefined-behaviour sanitizers.
test-asan: setup-test
	@cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Lays the sources out as .clang-format says; make test fails on a file it would change.
format: setup-test
	@scripts/format

# Every file reader under libFuzzer for FUZZ_SECONDS each (default 60); findings stay in build-fuzz/.
fuzz:
	@scripts/install-deps fuzz
	@scripts/fuzz

# Every benchmark of bench/, with the ratios of one run.
bench: setup-test
	@scripts/bench

# The Debian package, built in build-package/ with Debian's build flags, left in build/; and its test,
# which makes it and checks it with lintian and against an install (not part of `make test`: the
# package is a Release build of its own, a minute or two more for CI).
package: setup-package
	@JOBS=$(JOBS) scripts/package

package-test: setup-package
	@JOBS=$(JOBS) sh tests/install/package_test.sh .

# Charac for Windows, cross-built here: build-windows/Charac-<version>-setup.exe and -win64.zip. Qt for
# Windows is built from Debian's source once (about 30 minutes) and kept in ~/.cache/charac (see
# scripts/windows).
windows: setup-windows
	@JOBS=$(JOBS) scripts/windows

# The whole test suite built for Windows and run under Wine, in a fresh Wine prefix of build-windows-tests/.
test-windows: setup-windows
	@JOBS=$(JOBS) scripts/windows test

clean:
	rm -rf build build-asan build-package build-windows build-windows-tests
