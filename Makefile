# The front door: every target installs what is missing, then builds into build/.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DRPT_WERROR=ON
endif

.PHONY: all deps configure demo test test-sanitize gui bench fuzz windows windows-package test-windows deb format test-mutants

FUZZ_SECONDS ?= 60

all: configure
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRPT_BENCH=OFF $(CMAKE_FLAGS) >/dev/null

test: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Plants each fault of tests/mutants/faults.tsv alone in a scratch copy (build-mutants/) and
# prints which tests catch it; not part of test, since it rebuilds once per fault.
test-mutants: deps
	tests/mutants/run-mutants build-mutants

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRPT_SANITIZE=ON \
		$(CMAKE_FLAGS) >/dev/null
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS)

# The demo builds quietly (the build's output shows only when it fails), then runs.
demo: configure
	@scripts/demo $(BUILD) $(JOBS)

gui: all
	$(BUILD)/rptiebreaks

# A Debian package of both programs for users who do not build: $(BUILD)/rptiebreaks_VERSION_ARCH.deb,
# which installs with apt install ./rptiebreaks_VERSION_ARCH.deb.
deb: all
	@scripts/install-deps deb
	@scripts/package-deb $(BUILD)

# The benchmarks are configured here only, after their packages are in: the default build needs
# neither Google Benchmark nor LAPACK.
bench: deps
	@scripts/install-deps bench
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRPT_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@scripts/run-benchmarks $(BUILD)

fuzz:
	@scripts/install-deps fuzz
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DRPT_FUZZ=ON -DRPT_SANITIZE=ON -DRPT_GUI=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# Windows: every library outside gui/, the desktop program rptiebreaks.exe (gui_win32/),
# rptiebreaks-cli.exe and the tests, cross-built with mingw-w64; the tests run under Wine.
windows:
	@scripts/install-deps windows
	@cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DRPT_GUI=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build build-windows -j $(JOBS)

# The zip for Windows users: both programs, their README and the sample crosstable.
windows-package: windows
	@scripts/package-windows build-windows

# One Wine server for the whole suite, on a prefix made ready before the tests start: parallel
# tests that each start and stop their own server lose clients now and then ("recvmsg: Connection
# reset by peer"). The server's output goes to /dev/null so that it holds no pipe of make's open;
# it is stopped whatever the tests' outcome. Then the desktop program is driven on a virtual
# display; its .csv is compared with the Linux command-line program's.
test-windows: windows configure
	@cd build-windows && export WINEDEBUG=-all && mkdir -p "$${WINEPREFIX:-$$HOME/.wine}" && \
	/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 && \
	/usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 && \
	status=0 && ctest --output-on-failure -j $(JOBS) || status=$$?; \
	/usr/lib/wine/wineserver -k 2>/dev/null; exit $$status
	cmake --build $(BUILD) -j $(JOBS) --target rptiebreaks-cli crosstable-generator
	scripts/drive-windows-desktop build-windows $(BUILD)/rptiebreaks-cli

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
