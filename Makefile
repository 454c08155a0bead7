# The two commands: `make demo` runs the program on the demo library,
# `make test` builds and runs every test. Both install what is missing first.
BUILD ?= build
DEMO_DIR ?= $(BUILD)/demo-library
SCREENSHOT ?= $(BUILD)/demo.png
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo bench clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS) --timeout 300

demo: build
	bash scripts/run-demo.sh $(BUILD) $(DEMO_DIR) $(SCREENSHOT)

bench: build
	bash scripts/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
