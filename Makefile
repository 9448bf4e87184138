# Two commands do everything on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake g++ make libsdl2-dev libsdl2-ttf-dev libfontconfig-dev fonts-dejavu-core \
           googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool clang
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps bench clean

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

bench: build
	./$(BUILD)/bench/korvat-bench

clean:
	rm -rf $(BUILD)
