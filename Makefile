# The two commands of the README, and the steps behind them.
#   make demo   installs what is missing, builds both builds, shows the plug-in
#   make test   installs what is missing, builds, runs every test of every build
#   make check  the inner loop: the native build and its tests, under a minute once built
SHELL := /bin/bash
.DEFAULT_GOAL := test
.PHONY: check fuzz mutants deps configure build build-native build-asan build-asan32 build-win32 build-web test test-native test-asan test-asan32 test-win32 test-web demo bench coverage docs dist clean

WINE_ENV := WINEPREFIX=$(CURDIR)/build/win32/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Once per make: the jobs of make test's builds skip it (KELV_DEPS_CHECKED).
deps:
	@[ -n "$(KELV_DEPS_CHECKED)" ] || bash tools/install-deps.sh

build/native/build.ninja: | deps
	cmake --preset native >/dev/null
build/asan/build.ninja: | deps
	cmake --preset asan >/dev/null
build/asan32/build.ninja: | deps
	cmake --preset asan32 >/dev/null
build/win32/build.ninja: | deps
	cmake --preset win32 >/dev/null
build/web/build.ninja: | deps
	cmake --preset web >/dev/null

build-native: deps build/native/build.ninja
	cmake --build --preset native
build-asan: deps build/asan/build.ninja
	cmake --build --preset asan
build-asan32: deps build/asan32/build.ninja
	cmake --build --preset asan32
build-win32: deps build/win32/build.ninja
	cmake --build --preset win32
build-web: deps build/web/build.ninja
	cmake --build --preset web

build: build-native build-asan build-asan32 build-win32 build-web

test-native: build-native
	ctest --test-dir build/native --output-on-failure -j2
# The inner loop: the native build's unit, end-to-end and manual tests. make
# test stays the whole truth: the other four builds and the working tree.
check: test-native
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-asan: build-asan
	$(SANITIZER_ENV) ctest --test-dir build/asan --output-on-failure -j2
# The same suite built for 32-bit x86: the call block's real layout, 32-bit
# pointers and long, as the Windows build has them.
test-asan32: build-asan32
	$(SANITIZER_ENV) ctest --test-dir build/asan32 --output-on-failure -j2
# Message boxes and the dialog need a display: one Xvfb for the whole run.
# The sessions run side by side, as Wine's default, as XP and as 2000, each
# in a prefix of its own.
test-win32: build-win32
	$(WINE_ENV) xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/win32 --output-on-failure -j3
# The plug-in's code in WebAssembly: kelvhost.js run by node.
test-web: build-web
	ctest --test-dir build/web --output-on-failure -j2

# Every build's tests, then a look at the working tree: nothing new may be left there.
# The builds run two at a time, the Windows build first: its chain of build
# and Wine sessions is the longest.
test: deps
	@bash tools/check-tree-untouched.sh save build/tree-before-test
	@bash tools/test-every-build.sh win32 native asan asan32 web
	@bash tools/check-tree-untouched.sh check build/tree-before-test

demo: build-native build-win32
	@set -o pipefail; $(WINE_ENV) xvfb-run -a -s "-screen 0 1024x768x24" bash tools/demo.sh 2>&1 | grep -v "^X connection"

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release
	bash bench/run.sh build/release

# The manual, the README's table and the examples' case, from the function registry.
docs: build-native
	bash tools/update-docs.sh build/native/bin/generate-manual

# dist/: the stripped plug-in, the manual as one HTML page with the plug-in
# inside for its "Try it" boxes, a read-me and SHA-256 sums.
dist: build-win32 build-web
	bash tools/make-dist.sh build/win32/bin/KELVDATE.FMX build/web/bin/kelvdate-web.js

# Line and branch coverage of the plug-in's code over the native suite (clang).
coverage: deps
	@command -v clang++ >/dev/null || apt-get install -y -qq clang >/dev/null
	cmake --preset coverage >/dev/null
	cmake --build --preset coverage
	bash tools/coverage.sh build/coverage

clean:
	rm -rf build dist

# Coverage-guided fuzzing with libFuzzer (clang), FUZZ_SECONDS for each
# target, with its dictionary; what a target finds is merged into its corpus
# (fuzz/corpus/NAME), which every test run replays.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := call text parsers prefs_file request
fuzz: deps
	@command -v clang++ >/dev/null || apt-get install -y -qq clang >/dev/null
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELV_LIBFUZZER=ON >/dev/null
	cmake --build build/fuzz --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@set -e; top=$(CURDIR); for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/found/$$t; \
	  echo "== $$t"; \
	  work=$$(mktemp -d -p /dev/shm); cp build/fuzz/bin/fuzz_$$t $$work/; \
	  (cd $$work && ./fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=1024 -dict=$$top/fuzz/dict/$$t.dict \
	    -print_final_stats=1 $$top/build/fuzz/found/$$t $$top/fuzz/corpus/$$t 2>&1 | \
	    grep -E '^(#[0-9]+.*DONE|stat::average_exec_per_sec|==[0-9]+==ERROR|SUMMARY)' ; \
	   ./fuzz_$$t -merge=1 $$top/fuzz/corpus/$$t $$top/build/fuzz/found/$$t >/dev/null 2>&1); \
	  rm -rf $$work; \
	done

# A mutation run: MUTANTS (80) planted faults drawn by SEED (1), each built in
# a copy of the tree and run against the native unit and end-to-end tests;
# prints the score and every survivor. Takes minutes, so not part of test.
MUTANTS ?= 80
SEED ?= 1
mutants: deps
	python3 tools/mutants.py --mutants $(MUTANTS) --seed $(SEED)
