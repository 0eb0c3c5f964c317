# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   := build
WERROR  := $(if $(CI),ON,OFF)
JOBS    ?= 2

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@bash Tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFUDEMARU_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/MacFudemaru

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/Bench/bench-*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
