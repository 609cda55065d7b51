# make run: install what is missing, build, open the window.
# make test: install what is missing, build, run every test.
# make package: install what is missing, build, leave a Debian package in build/.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test run package bench field-checks check-build fuzz test-sanitize thread-build test-threads format-check clean

deps:
	bash scripts/install_deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: format-check build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize
	$(MAKE) test-threads
	$(MAKE) fuzz

run: build
	./$(BUILD)/bin/karnoth

# The .deb of what `cmake --install` puts in place (CPack); refused when dpkg-shlibdeps found no
# dependencies, since such a package would install on a machine that cannot run it.
package: build
	cmake --build $(BUILD) --target package
	@deb=$$(ls -t $(BUILD)/karnoth_*.deb | head -n 1); \
	  depends=$$(dpkg-deb --field "$$deb" Depends); \
	  [ -n "$$depends" ] || { echo "$$deb declares no dependencies" >&2; exit 1; }; \
	  echo "$$deb"; echo "Depends: $$depends"

bench: build
	./$(BUILD)/bin/karnoth-bench

# docs/field-checks.md from karnoth-cli runs (the test field_checks compares the page with them).
field-checks: build
	cmake -DCLI=$(BUILD)/bin/karnoth-cli -DOUT=docs/field-checks.md -P scripts/field_checks.cmake

# One clang build with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's instrumentation
# serves both checks below: the headless suites again under the sanitizers (any report or leak fails
# them), and a short libFuzzer run of each fuzz target (FUZZ_SECONDS each, one after the other).
CHECK_BUILD ?= build-check
FUZZ_SECONDS ?= 15
check-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(CHECK_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARNOTH_FUZZ=ON \
	  -DKARNOTH_GUI=OFF -DKARNOTH_BENCH=OFF -DKARNOTH_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(CHECK_BUILD) -j $(JOBS)

test-sanitize: check-build
	cd $(CHECK_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -LE fuzz

fuzz: check-build
	cd $(CHECK_BUILD) && ctest --output-on-failure -L fuzz

# The suites that run the model and a replicate from many std::threads, built with ThreadSanitizer:
# a race is then reported whenever both sides run, not only when a wrong figure happens to show.
# The batch runner's suites are not among them: Debian's oneTBB is not built with the sanitizer, so
# its own synchronisation is invisible to it and every hand-over between its threads reads as a race.
# setarch -R: clang 14's ThreadSanitizer cannot map its shadow memory under high address randomisation.
THREAD_BUILD ?= build-threads
THREAD_SUITES = engine_test stochastic_projection_test
thread-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(THREAD_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKARNOTH_THREAD_SANITIZE=ON -DKARNOTH_GUI=OFF -DKARNOTH_BENCH=OFF
	cmake --build $(THREAD_BUILD) -j $(JOBS) --target $(THREAD_SUITES)

test-threads: thread-build
	cd $(THREAD_BUILD) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  setarch -R ctest --output-on-failure -R '^($(subst $(eval) ,|,$(THREAD_SUITES)))$$'

# Every C++ file of the tree as .clang-format (clang-format 14) lays it out.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(CHECK_BUILD) $(THREAD_BUILD)
