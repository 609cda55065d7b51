# make run: install what is missing, build, open the window.
# make test: install what is missing, build, run every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test run bench fuzz test-sanitize clean

deps:
	bash scripts/install_deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize
	$(MAKE) fuzz

run: build
	./$(BUILD)/bin/karnoth

bench: build
	./$(BUILD)/bin/karnoth-bench

# The headless suite again under AddressSanitizer and UndefinedBehaviorSanitizer: any report or
# leak fails it.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARNOTH_SANITIZE=ON \
	  -DKARNOTH_GUI=OFF -DKARNOTH_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# A short libFuzzer run of each fuzz target (FUZZ_SECONDS each, one after the other), built with clang.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 15
FUZZ_TARGETS = fuzz_numeric_text fuzz_killed_file fuzz_settings_file fuzz_session
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARNOTH_FUZZ=ON \
	  -DKARNOTH_GUI=OFF -DKARNOTH_BENCH=OFF -DKARNOTH_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -L fuzz

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
