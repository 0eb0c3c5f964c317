# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   := build
WERROR  := $(if $(CI),ON,OFF)
JOBS    ?= 2

.PHONY: all setup configure build run test bench fuzz windows screenshots clean

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

# The Windows program, cross-built: build-win/Fudemaru.exe beside build-win/Data.
WIN_BUILD := build-win

windows: build
	@bash Tools/Windows/build.sh $(CURDIR) $(CURDIR)/$(WIN_BUILD) $(CURDIR)/$(BUILD)/Data $(WERROR)

# The README's pictures of the main screens, made by a replay script (Tools/Screenshots).
screenshots: build
	@bash Tools/Screenshots/make-screenshots.sh $(BUILD) docs/screenshots

bench: build
	@for b in $(BUILD)/Bench/bench-*; do [ -x "$$b" ] && "$$b"; done

# The loaders' fuzzers: their own clang build, seeded from the Data folder, each run FUZZ_SECONDS.
# A fault stops the loop; its reproducer is left in build-fuzz/crashes.
FUZZ_BUILD   := build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS      := dictionary stroke kanjilist font-bdf font-bin strings png config

fuzz: build
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DFUDEMARU_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash Tests/Fuzz/seed-corpora.sh $(BUILD)/Data $(FUZZ_BUILD)/corpus
	@mkdir -p $(FUZZ_BUILD)/crashes
	@for f in $(FUZZERS); do \
	  echo "fuzz-$$f: $(FUZZ_SECONDS) s"; \
	  ./$(FUZZ_BUILD)/fuzz/fuzz-$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/$$f- $(FUZZ_BUILD)/corpus/$$f >$(FUZZ_BUILD)/fuzz-$$f.log 2>&1; \
	  rc=$$?; grep -E '^(stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|Test unit written)' $(FUZZ_BUILD)/fuzz-$$f.log; \
	  test $$rc -eq 0 || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(WIN_BUILD)
