# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   := build
WERROR  := $(if $(CI),ON,OFF)
JOBS    ?= 2

.PHONY: all setup configure build game run test package package-check bench fuzz windows windows-zip web serve-web web-figures screenshots test-sanitize sanitize-build soak soak-rounds clean

all: build

setup:
	@bash Tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFUDEMARU_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# What the game needs to start: its libraries, the program and the Data folder. `make build` and
# `make test` build the rest: the tools, the tests and the benchmarks.
GAME_TARGETS := MacFudemaru FudemaruData

game: configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(GAME_TARGETS)

run: game
	./$(BUILD)/MacFudemaru

# The web version is built first: its test plays it in headless Chromium.
test: build web
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package: build/fudemaru_<version>_amd64.deb (Tools/Package).
package: configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(GAME_TARGETS) fudemaru-inspect
	@bash Tools/Package/make-deb.sh $(BUILD) $(BUILD)

# Installs the package with dpkg -i, plays the installed game in a virtual X screen, purges it and
# checks that nothing of it is left. It changes the machine's /usr: run it where that is fine.
package-check: package
	@cmake --build $(BUILD) -j $(JOBS) --target scenario-pixels
	@bash Tools/Package/package-check.sh $(BUILD)

# The Windows program, cross-built: build-win/Fudemaru.exe beside build-win/Data.
WIN_BUILD := build-win

windows: build
	@bash Tools/Windows/build.sh $(CURDIR) $(CURDIR)/$(WIN_BUILD) $(CURDIR)/$(BUILD)/Data $(WERROR)

# The zip for Windows players: build-win/Fudemaru-<version>-win64.zip (Tools/Windows/make-zip.sh).
windows-zip: windows
	@bash Tools/Windows/make-zip.sh $(CURDIR) $(CURDIR)/$(WIN_BUILD)

# The web version, built with Emscripten: build-web/index.html with fudemaru.js, .wasm and .data.
WEB_BUILD := build-web

web: configure
	@cmake --build $(BUILD) -j $(JOBS) --target FudemaruData
	@bash Tools/Web/build.sh $(CURDIR) $(CURDIR)/$(WEB_BUILD) $(CURDIR)/$(BUILD)/Data $(WERROR)

# The web build served on this machine for a person to play: http://127.0.0.1:$(PORT)/
PORT ?= 8080

serve-web:
	@node Tools/Web/serve.mjs $(WEB_BUILD) $(PORT)

# The web build's figures in headless Chromium: bytes, load times, frames a second, and the memory
# after a random soak of SOAK_MINUTES.
SOAK_MINUTES ?= 5
web-figures: web
	@bash Tests/Web/run.sh $(abspath $(BUILD))/Tests/Web/modules figures.mjs $(abspath $(WEB_BUILD)) $(SOAK_MINUTES)

# The README's pictures of the main screens, made by a replay script (Tools/Screenshots).
screenshots: build
	@bash Tools/Screenshots/make-screenshots.sh $(BUILD) docs/screenshots

bench: build
	@for b in $(BUILD)/Bench/bench-*; do [ -x "$$b" ] && "$$b"; done

# AddressSanitizer and UndefinedBehaviorSanitizer over the whole game, its tools and its tests, in a
# build folder of their own. The first report stops the program that makes it; every report is also
# written to build-sanitize/reports, which must stay empty. Leaks are checked at each program's
# exit, Mesa's own allocations left out (Tests/Sanitize/lsan.supp).
SANITIZE_BUILD := build-sanitize
SANITIZE_REPORTS := $(CURDIR)/$(SANITIZE_BUILD)/reports
SANITIZE_ENV := ASAN_OPTIONS=detect_stack_use_after_return=1:halt_on_error=1:detect_leaks=1:log_path=$(SANITIZE_REPORTS)/asan \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$(SANITIZE_REPORTS)/ubsan \
  LSAN_OPTIONS=suppressions=$(CURDIR)/Tests/Sanitize/lsan.supp:print_suppressions=0

sanitize-build: setup
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFUDEMARU_WERROR=$(WERROR) -DFUDEMARU_SANITIZE=ON >/dev/null
	@rm -rf $(SANITIZE_REPORTS) && mkdir -p $(SANITIZE_REPORTS)
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)

test-sanitize: sanitize-build
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS); rc=$$?; \
	  n=$$(ls $(SANITIZE_REPORTS) | wc -l); echo "sanitizer reports: $$n"; \
	  [ $$n -eq 0 ] || { cat $(SANITIZE_REPORTS)/*; exit 1; }; exit $$rc

# A random soak under the sanitizers: SOAK_FRAMES frames from SOAK_SEED; prints the frames, the
# final stack, the memory held (peak included) and the frames spent on each screen.
SOAK_SEED   ?= 1
SOAK_FRAMES ?= 100000
soak: sanitize-build
	@$(SANITIZE_ENV) bash Tests/Soak/run-soak.sh $(SANITIZE_BUILD)/fudemaru-soak $(SANITIZE_BUILD)/fudemaru-replay \
	  random $(SOAK_SEED) $(SOAK_FRAMES); rc=$$?; \
	  n=$$(ls $(SANITIZE_REPORTS) | wc -l); echo "sanitizer reports: $$n"; \
	  [ $$n -eq 0 ] || { cat $(SANITIZE_REPORTS)/*; exit 1; }; exit $$rc

# Every mode entered and left SOAK_ROUNDS times on the normal build: the memory lines at the first
# and the last rest on the cards show whether anything grows.
SOAK_ROUNDS ?= 2000
soak-rounds: build
	@bash Tests/Soak/run-soak.sh $(BUILD)/fudemaru-soak $(BUILD)/fudemaru-replay tour $(SOAK_ROUNDS)

# The loaders' fuzzers: their own clang build, seeded from the Data folder, each run FUZZ_SECONDS.
# A fault stops the loop; its reproducer is left in build-fuzz/crashes.
FUZZ_BUILD   := build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS      := dictionary kanjitexts stroke kanjilist font-bdf font-bin strings png config

fuzz: build
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DFUDEMARU_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash Tests/Fuzz/seed-corpora.sh $(BUILD)/Data $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/fuzz/png-seeds
	@mkdir -p $(FUZZ_BUILD)/crashes
	@for f in $(FUZZERS); do \
	  echo "fuzz-$$f: $(FUZZ_SECONDS) s"; \
	  ./$(FUZZ_BUILD)/fuzz/fuzz-$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/$$f- $(FUZZ_BUILD)/corpus/$$f >$(FUZZ_BUILD)/fuzz-$$f.log 2>&1; \
	  rc=$$?; grep -E '^(stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|Test unit written)' $(FUZZ_BUILD)/fuzz-$$f.log; \
	  test $$rc -eq 0 || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(WIN_BUILD) $(WEB_BUILD)
