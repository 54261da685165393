# QuonPython: `make demo` runs the main job, `make test` runs every test.
# Both do their own set-up. PYTHON2=/path/to/python2.7 picks the interpreter.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PYTHON2 ?=
CMAKE_ARGS := -DCMAKE_BUILD_TYPE=Release $(if $(PYTHON2),-DPYTHON2=$(PYTHON2),)
DEMO_SECONDS ?= 3

WIN32_BUILD ?= build-win32

.PHONY: all setup configure build demo test sanitize bench clean win32 win32-check win32-def

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

# Every test again with the address and undefined-behaviour sanitizers.
sanitize: setup
	@cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUON_SANITIZE=ON \
	  $(if $(PYTHON2),-DPYTHON2=$(PYTHON2),) >/dev/null
	@cmake --build $(BUILD)-sanitize -j$(JOBS)
	@cd $(BUILD)-sanitize && ctest --output-on-failure -j$(JOBS)

bench: build
	@cmake --build $(BUILD) --target run-benchmarks

# The 32-bit Windows build: QuonPython.pyd, Quon.dll (with its import
# library) and Quon.py in $(WIN32_BUILD)/dist/.
win32:
	@cmake/setup.sh win32
	@cmake -S . -B $(WIN32_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake $(if $(PYTHON2),-DPYTHON2=$(PYTHON2),) >/dev/null
	@cmake --build $(WIN32_BUILD) -j$(JOBS)

# Checks the Windows artifacts and, where wine can run them, compares the
# Windows build's geometry results with this machine's.
win32-check: win32 build
	@cmake/win32/check-artifact.sh $(WIN32_BUILD)/dist
	@cmake/win32/compare-geometry.sh $(BUILD)/bin/geometry_report $(WIN32_BUILD)/bin/geometry_report.exe

# Rewrites cmake/win32/python27.def from the interpreter symbols the module's
# objects use (after a change that uses a new Python function or datum).
win32-def:
	@cmake/setup.sh win32
	@cmake -S . -B $(WIN32_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake >/dev/null
	@cmake --build $(WIN32_BUILD) -j$(JOBS) --target quon_runtime
	@cmake --build $(WIN32_BUILD) -j$(JOBS) --target QuonPython -- -k >/dev/null 2>&1 || true
	@cmake -DMODE=update -DNM=i686-w64-mingw32-nm -DDEF=cmake/win32/python27.def \
	  -DHEADERS=$(WIN32_BUILD)/python27-win32/include \
	  "-DINPUTS=$$(find $(WIN32_BUILD)/runtime/CMakeFiles/QuonPython.dir -name '*.obj' | sort | tr '\n' '|')$(WIN32_BUILD)/runtime/libquon_runtime.a" \
	  -P cmake/win32/python27-imports.cmake

clean:
	rm -rf $(BUILD) $(WIN32_BUILD)
