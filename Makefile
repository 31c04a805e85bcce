# The two commands of README.md. Each installs what is missing, configures
# once and builds incrementally.
BUILD := build
JOBS  ?= $(shell nproc)
GEN   := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")

.PHONY: all bootstrap build build64 build32 test golden demo bench storm clean

all: build

bootstrap:
	@tools/bootstrap.sh

$(BUILD)/%/CMakeCache.txt: | bootstrap
	cmake -S . -B $(BUILD)/$* -G "$(GEN)" -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$*.cmake

build64: bootstrap $(BUILD)/x86_64/CMakeCache.txt
	cmake --build $(BUILD)/x86_64 -j $(JOBS)

build32: bootstrap $(BUILD)/i686/CMakeCache.txt
	cmake --build $(BUILD)/i686 -j $(JOBS)

build: build64 build32

test: build
	tools/with-display ctest --test-dir $(BUILD)/x86_64 --output-on-failure

# Rewrites tests/golden/*.bmp from what the library draws now; look at
# every changed picture before committing it.
golden: build64
	WG_UPDATE_GOLDEN=1 tools/with-display ctest --test-dir $(BUILD)/x86_64 \
	  -R '^(framework|core|controls|windows|lists|menus|text|busy)$$' --output-on-failure

demo: build64
	tools/with-display tools/run-demo $(BUILD)

bench: build64
	WG_HEADLESS=1 tools/with-display tools/wine-run $(BUILD)/x86_64/bin/wg_bench.exe > $(BUILD)/bench.jsonl
	cat $(BUILD)/bench.jsonl

# The long event storm (make test runs 20,000 events); WG_STORM_SEED=<seed>
# replays a run, WG_STORM_EVENTS overrides the count. Then 1,000 full-screen
# round trips of the frame window (make test runs 25).
STORM_EVENTS ?= 1000000
# The worker-thread progress bars' stress run (10 s in make test).
BUSY_STRESS_SECONDS ?= 60
storm: build64
	WG_STORM_EVENTS=$${WG_STORM_EVENTS:-$(STORM_EVENTS)} tools/with-display \
	  tools/wine-run $(BUILD)/x86_64/bin/storm_tests.exe
	WG_FULLSCREEN_ROUNDS=1000 tools/with-display tools/wine-run $(BUILD)/x86_64/bin/windows_tests.exe \
	  --gtest_filter=FrameWindowTest.FullScreen*
	WG_BUSY_STRESS_SECONDS=$(BUSY_STRESS_SECONDS) tools/with-display \
	  tools/wine-run $(BUILD)/x86_64/bin/busy_tests.exe --gtest_filter=Stress.Fifty*

# The per-class reference from the headers' comments, in $(BUILD)/docs/html
# (index.html is the main page); then the check that names any exported
# class without its description.
.PHONY: docs
docs:
	@tools/bootstrap.sh docs
	@mkdir -p $(BUILD)/docs
	WG_DOCS_OUT=$(BUILD)/docs doxygen docs/Doxyfile
	@if [ -s $(BUILD)/docs/warnings.log ]; then cat $(BUILD)/docs/warnings.log; fi
	python3 tools/check-docs .
	@echo "reference: $(BUILD)/docs/html/index.html"

clean:
	rm -rf $(BUILD)
