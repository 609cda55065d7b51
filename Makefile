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

run: build
	./$(BUILD)/bin/karnoth

bench: build
	./$(BUILD)/bin/karnoth-bench

clean:
	rm -rf $(BUILD)
