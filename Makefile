# QuonPython: `make demo` runs the main job, `make test` runs every test.
# Both do their own set-up. PYTHON2=/path/to/python2.7 picks the interpreter.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PYTHON2 ?=
CMAKE_ARGS := -DCMAKE_BUILD_TYPE=Release $(if $(PYTHON2),-DPYTHON2=$(PYTHON2),)
DEMO_SECONDS ?= 3

.PHONY: all setup configure build demo test bench clean

all: build

setup:
	@cmake/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

demo: build
	@$(BUILD)/run-python examples/sample.py $(DEMO_SECONDS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@cmake --build $(BUILD) --target run-benchmarks

clean:
	rm -rf $(BUILD)
