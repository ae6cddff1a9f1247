# Build on Debian with the mingw-w64 cross compilers; run and test under Wine.
BUILD     ?= build
JOBS      ?= 2
TOOLCHAIN := cmake/mingw-w64-x86_64.cmake
RUNPREFIX := $(BUILD)/wineprefix-run

.PHONY: all deps configure build test run screenshots clean

all: build

deps:
	@scripts/install-packages.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	@scripts/wine-prefix.sh $(BUILD)/wineprefix headless
	@status=0; ctest --test-dir $(BUILD) --output-on-failure || status=$$?; \
	  WINEPREFIX=$(abspath $(BUILD)/wineprefix) wineserver -k 2>/dev/null || true; \
	  exit $$status

# `make run DEMO_RESET=1` gives the demo simulator folders their original textures back.
run: build
	@DEMO_RESET=$(DEMO_RESET) scripts/run-wizard.sh $(BUILD) $(RUNPREFIX)

clean:
	rm -rf $(BUILD)

screenshots: build
	cmake --build $(BUILD) -j$(JOBS) --target PratiloShots
	@scripts/screenshots.sh $(BUILD)
