# Quillbracket: `make test` runs every test, `make demo` runs the widget.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
JOBS ?= 2

.PHONY: setup build test

setup:
	@tools/setup.sh

build: setup bridge
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

.PHONY: bridge
# The player bridge's native Linux helper, quillbridge, built for this machine into $(BUILD)/native.
bridge: setup
	@cmake -S host/mpris-helper -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

# One Wine server and its services stay up across the test programs, so the
# suite stays fast; they go when the tests are done.
test: build
	@QB_WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix tools/wine-start
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS); status=$$?; \
	 WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix wineserver -k 2>/dev/null; exit $$status

.PHONY: dist demo
# One folder to hand out: the host, the module, the skins and a read-me.
# Builds only what it ships, so a test in the making cannot hold it up.
dist: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target quillhost
	@tools/dist.sh $(BUILD) out/dist

# The widget on the simulated player: a window with a display, else a scripted session into out/demo.
# PLAYER=mpris: on the desktop's own media player, through the player bridge (tools/mpris-demo.sh).
PLAYER ?= sim
demo: dist
	@if [ "$(PLAYER)" = mpris ]; then tools/mpris-demo.sh; else tools/demo.sh out/dist; fi

.PHONY: soak
# The long run under load: minutes of ticks and widgets coming and going, with its figures.
soak: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target soak
	@WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix WINEARCH=win32 wineserver -p 60
	@cd $(BUILD) && $(CURDIR)/tools/wine-run soak.exe

.PHONY: bench
# The figures: redraw cost as multiples of the floor, timed in turn with it,
# then the CPU one widget costs on a display, playing, paused and scrolling.
bench: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target bench_redraw quillhost
	@WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix WINEARCH=win32 wineserver -p 60
	@cd $(BUILD) && $(CURDIR)/tools/wine-run bench_redraw.exe
	@bench/cpu_share.sh $(BUILD)
