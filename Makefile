# Two commands do everything on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake g++ make libsdl2-dev libsdl2-ttf-dev libfontconfig-dev fonts-dejavu-core \
           googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils openbox clang \
           desktop-file-utils appstream lintian dpkg-dev file gettext \
           emscripten binaryen nodejs chromium python3-fonttools
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build web deps bench clean install install-files uninstall deb

run: build
	./$(BUILD)/korvat

test: build web
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVAT_WEB_DIR=$(abspath $(WEB))
	cmake --build $(BUILD) -j$(JOBS)

# The game for the browser, and the replay driver for node, in $(WEB) (platform/web/Makefile).
WEB ?= build-web
web: deps
	$(MAKE) -f platform/web/Makefile -j$(JOBS) WEB=$(WEB)

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
bench: build web
	./$(BUILD)/bench/korvat-bench
	./$(BUILD)/korvat-sim --random-games 20000 --seed 7
	./$(BUILD)/bench/startup/korvat-startup-bench ./$(BUILD)/korvat \
	    ./$(BUILD)/bench/startup/korvat-bare-window 9 10
	cd $(BUILD) && ctest -C soak -R soak_2000_games --output-on-failure
	node tests/web/measure.js $(WEB) 9

clean:
	rm -rf $(BUILD) $(WEB)

# Installs for one user by default; PREFIX=/usr/local for everybody (then the high scores live in
# $XDG_DATA_HOME/korvat/top.ten, since the program's folder cannot be written). The files are the
# package's (dist/CMakeLists.txt), with the programs in bin/ instead of games/.
PREFIX ?= $(HOME)/.local
DEST = $(DESTDIR)$(PREFIX)

install: build install-files

# The copying alone, for a tree that is already built (the install test uses it).
install-files:
	DESTDIR= cmake --install $(BUILD) --prefix $(DEST) --component prefix
	DESTDIR= cmake --install $(BUILD) --prefix $(DEST) --component data

# Removes exactly what install put there, and the folders it made that are left empty.
uninstall:
	@test -f $(BUILD)/dist/installed-files || { echo "no $(BUILD)/dist/installed-files: configure first"; exit 1; }
	@set -e; for f in $$(cat $(BUILD)/dist/installed-files); do \
	    rm -f "$(DEST)/$$f"; d=$$(dirname "$(DEST)/$$f"); \
	    while [ "$$d" != "$(DEST)" ] && [ "$$d" != "/" ] && rmdir "$$d" 2>/dev/null; do d=$$(dirname "$$d"); done; \
	done

# build/korvat_<version>_<arch>.deb; install it with `sudo apt install ./build/korvat_*.deb`.
deb: build
	cd $(BUILD) && cpack -G DEB
