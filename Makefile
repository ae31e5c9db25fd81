# Varnholt: make run builds and starts the program, make test builds and runs every test.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: setup configure build run test bench package clean format

setup:
	bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

run: build
	bash scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

package: build
	cd $(BUILD) && ctest -R '^screenshots_test$$' --output-on-failure
	cmake --build $(BUILD) --target package

bench: build
	$(BUILD)/varnholt_bench
	$(BUILD)/varnholt_gui_bench

clean:
	rm -rf $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
