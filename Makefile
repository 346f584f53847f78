# Quillbracket: `make test` runs every test, `make demo` runs the widget.
# Two architectures from one tree, each in a build folder of its own:
# x86 (the contract's 32-bit module and host) in $(BUILD)/x86 and x64 in
# $(BUILD)/x64. Both are always built; tests run for every architecture this
# machine can run (tools/archs). ARCH=x86 or ARCH=x64 picks the one that demo,
# bench and soak run; by default the first this machine runs, x86 where it can.
SHELL := /bin/bash
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= 2
ARCHS := x86 x64
ARCH ?=
# Sets the recipe's $$arch to the chosen architecture.
choose_arch = arch=$(ARCH); arch=$${arch:-$$(tools/archs | cut -d' ' -f1)}
# A Wine server for $$arch's prefix that outlives one program by a minute (one may already run).
wine_server_up = export QB_ARCH=$$arch && . tools/wine-env && { wineserver -p 60 2>/dev/null || true; }

configure = cmake -S . -B $(BUILD)/$(1) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-$(1).cmake \
            -DCMAKE_BUILD_TYPE=Release -DQB_NATIVE_DIR=$(CURDIR)/$(BUILD)/native >/dev/null

.PHONY: setup build test bridge $(addprefix build-,$(ARCHS))

setup:
	@tools/setup.sh

build: setup bridge $(addprefix build-,$(ARCHS))

$(addprefix build-,$(ARCHS)): build-%: setup
	@echo "Building $*"
	@$(call configure,$*)
	@cmake --build $(BUILD)/$* -j $(JOBS)

# The player bridge's native helper, quillbridge, built for this machine into $(BUILD)/native.
# A build folder made from the helper's former place is made anew.
bridge: setup
	@grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$(CURDIR)/bridge/helper$$" $(BUILD)/native/CMakeCache.txt || rm -rf $(BUILD)/native
	@cmake -S bridge/helper -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

# Every architecture's suite that this machine runs, one after the other; the
# first and the last line say which.
test:
	@tools/test-all.sh --plan
	@$(MAKE) --no-print-directory build
	@tools/test-all.sh $(BUILD)

.PHONY: dist installer demo
VERSION := $(shell tools/version)
# One folder per architecture to hand out: out/dist/x86 and out/dist/x64, each
# with its host, module, skins and read-me, and the same as a portable zip,
# out/Quillbracket-VERSION-ARCH-portable.zip; symbols in out/symbols. Builds
# only what it ships, so a test in the making cannot hold it up.
dist: setup
	@for arch in $(ARCHS); do \
	  $(call configure,$$arch) && cmake --build $(BUILD)/$$arch -j $(JOBS) --target quillhost && \
	  tools/dist.sh $(BUILD)/$$arch out/dist/$$arch out/symbols/$$arch && \
	  tools/portable_zip.py out/dist/$$arch out/Quillbracket-$(VERSION)-$$arch-portable.zip || exit 1; \
	done

# The per-user Windows installers: out/Quillbracket-VERSION-x64-setup.exe and -x86-setup.exe.
installer: dist
	@for arch in $(ARCHS); do tools/installer.sh out/dist/$$arch $$arch out || exit 1; done

# The widget on the simulated player: a window with a display, else a scripted session into out/demo.
# PLAYER=mpris: on the desktop's own media player, through the player bridge (tools/mpris-demo.sh).
PLAYER ?= sim
demo: dist
	@$(choose_arch); export QB_ARCH=$$arch; echo "demo: $$arch"; \
	 if [ "$(PLAYER)" = mpris ]; then tools/mpris-demo.sh; else tools/demo.sh out/dist/$$QB_ARCH; fi

.PHONY: soak
# The long run under load: minutes of ticks and widgets coming and going, with its figures.
soak: setup
	@$(choose_arch); echo "soak: $$arch"; \
	 $(call configure,$$arch) && cmake --build $(BUILD)/$$arch -j $(JOBS) --target soak && \
	 $(wine_server_up) && \
	 cd $(BUILD)/$$arch && $(CURDIR)/tools/wine-run soak.exe

.PHONY: bench
# The figures: redraw cost as multiples of the floor, timed in turn with it,
# the longest the widget waits in one call of the player bridge (two minutes),
# then on a display the CPU one widget and ten widgets cost, playing, paused
# and scrolling, and what quillhost spends on one frame.
bench: setup
	@$(choose_arch); echo "bench: $$arch"; \
	 $(call configure,$$arch) && cmake --build $(BUILD)/$$arch -j $(JOBS) --target bench_redraw bench_bridge bench_present bench_floor quillhost && \
	 $(wine_server_up) && \
	 (cd $(BUILD)/$$arch && $(CURDIR)/tools/wine-run bench_redraw.exe && $(CURDIR)/tools/wine-run bench_bridge.exe) && \
	 bench/cpu_share.sh $(BUILD)/$$arch
