# Build on Debian with the mingw-w64 cross compilers; run and test under Wine.
BUILD     ?= build
JOBS      ?= 2
TOOLCHAIN := cmake/mingw-w64-x86_64.cmake
RUNPREFIX := $(BUILD)/wineprefix-run
# Third-party builds (libjpeg-turbo): the folder the build was configured with, else $(BUILD)/deps.
# Configuring only looks for them there.
DEPS      ?= $(or $(shell sed -n 's/^PRATILO_DEPS_DIR:PATH=//p' $(BUILD)/CMakeCache.txt 2>/dev/null),$(BUILD)/deps)

.PHONY: all help deps configure build test run screenshots bench dist clean

all: build

help:
	@echo "make run            build, then start the wizard under Wine on the bundled sample payload"
	@echo "make test           build, then run every test under Wine (headless)"
	@echo "make test T=PATTERN only the test cases whose names match: T=app: (a program),"
	@echo "                    T=BackupTest (a suite), T='Uninstall.*Held' (a regular expression)"
	@echo "make screenshots    render every view at 96, 144 and 192 DPI, and in high contrast, into $(BUILD)/screenshots/"
	@echo "make bench          build, then run the benchmarks (archive, start-up, change of DPI) under Wine"
	@echo "make dist           build, then pack the release $(BUILD)/dist/Pratilo-<version>.zip and print its SHA-256"
	@echo "make build          install what is missing and build; make deps: only install"
	@echo "make clean          remove $(BUILD)"

# Debian packages, then libjpeg-turbo cross-built from Debian's sources; both skip what is already there.
deps:
	@scripts/install-packages.sh
	@scripts/build-libjpeg.sh $(DEPS)/libjpeg

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release \
	      -DPRATILO_DEPS_DIR=$(abspath $(DEPS))

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j$(JOBS)

# T=PATTERN: only the test cases whose names ("<program>:<Suite>.<Case>") match the regular expression.
TEST_ARGS := $(if $(T),-R '$(T)')

test: build
	@scripts/wine-prefix.sh $(BUILD)/wineprefix headless
	@status=0; ctest --test-dir $(BUILD) -j$(JOBS) --output-on-failure $(TEST_ARGS) || status=$$?; \
	  WINEPREFIX=$(abspath $(BUILD)/wineprefix) wineserver -k 2>/dev/null || true; \
	  exit $$status

# `make run DEMO_RESET=1` gives the demo simulator folders their original textures back.
run: build
	@DEMO_RESET=$(DEMO_RESET) scripts/run-wizard.sh $(BUILD) $(RUNPREFIX)

clean:
	rm -rf $(BUILD)

bench: build
	@scripts/bench.sh $(BUILD)

# Made afresh, so that the entries carry the time of the commit checked out now.
dist: build
	@python3 scripts/dist.py $(BUILD) $$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD)/CMakeCache.txt) $(DEPS)

screenshots: build
	cmake --build $(BUILD) -j$(JOBS) --target PratiloShots
	@scripts/screenshots.sh $(BUILD)
