# Two commands do everything on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake g++ make libsdl2-dev libsdl2-ttf-dev libfontconfig-dev fonts-dejavu-core \
           googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool clang
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps bench clean install install-files uninstall

run: build
	./$(BUILD)/korvat

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Installs only what is missing; the package lists are fetched once, and only then.
deps:
	@missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "installing:$$missing"; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# Rules speed, the replay driver, start-up/memory/idle against a bare SDL window, long soak.
bench: build
	./$(BUILD)/bench/korvat-bench
	./$(BUILD)/korvat-sim --random-games 20000 --seed 7
	./$(BUILD)/bench/startup/korvat-startup-bench ./$(BUILD)/korvat \
	    ./$(BUILD)/bench/startup/korvat-bare-window 9 10
	cd $(BUILD) && ctest -C soak -R soak_2000_games --output-on-failure

clean:
	rm -rf $(BUILD)

# Installs for one user by default; PREFIX=/usr/local for everybody (then the high scores live in
# $XDG_DATA_HOME/korvat/top.ten, since the program's folder cannot be written).
PREFIX ?= $(HOME)/.local
DEST = $(DESTDIR)$(PREFIX)
ICON_SIZES = 16:1128-icon16:1 32:128-icon32:1 48:1128-icon16:3 64:128-icon32:2 128:128-icon32:4
INSTALLED_FILES = bin/korvat bin/korvat-sim share/applications/korvat.desktop \
                  share/man/man6/korvat.6 \
                  $(foreach i,$(ICON_SIZES),share/icons/hicolor/$(word 1,$(subst :, ,$(i)))x$(word 1,$(subst :, ,$(i)))/apps/korvat.png)

install: build install-files

# The copying alone, for a tree that is already built (the install test uses it).
install-files:
	install -D -m 755 $(BUILD)/korvat $(DEST)/bin/korvat
	install -D -m 755 $(BUILD)/korvat-sim $(DEST)/bin/korvat-sim
	install -D -m 644 dist/korvat.desktop $(DEST)/share/applications/korvat.desktop
	install -D -m 644 dist/korvat.6 $(DEST)/share/man/man6/korvat.6
	@set -e; for entry in $(ICON_SIZES); do \
	    size=$${entry%%:*}; rest=$${entry#*:}; bmp=$${rest%%:*}; factor=$${rest#*:}; \
	    dir=$(DEST)/share/icons/hicolor/$${size}x$${size}/apps; mkdir -p $$dir; \
	    $(BUILD)/dist/korvat-icon-png $(BUILD)/assets/generated/$$bmp.bmp $$dir/korvat.png $$factor; \
	done

# Removes exactly what install put there, and the folders it made that are left empty.
uninstall:
	rm -f $(addprefix $(DEST)/,$(INSTALLED_FILES))
	@for f in $(INSTALLED_FILES); do \
	    d=$$(dirname $(DEST)/$$f); \
	    while [ "$$d" != "$(DEST)" ] && [ "$$d" != "/" ] && rmdir "$$d" 2>/dev/null; do d=$$(dirname "$$d"); done; \
	done
