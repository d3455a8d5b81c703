# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
# Each installs the Debian packages that are missing, configures CMake into
# build/, builds, then runs the program or the whole test suite.

# qt6-svg-dev renders the icons; dpkg-dev and file let CPack find the
# package's dependencies; desktop-file-utils and appstream check its metadata.
# libcups2-dev hands the sheet to the print system; the print tests start a
# print server of their own from cups (with its PDF filters) and cups-client.
PACKAGES := cmake g++ make qt6-base-dev qt6-serialport-dev qt6-svg-dev libcups2-dev \
            libgtest-dev libgmock-dev libbenchmark-dev \
            dpkg-dev file desktop-file-utils appstream cups cups-client
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
# CI turns warnings into errors with WERROR=ON.
WERROR ?= OFF

# make install [PREFIX=/usr] [DESTDIR=/tmp/stage] installs what the package holds.
PREFIX ?=

.PHONY: run test asan bench deps configure build install package clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVANE_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# With PORT=/dev/ttyUSB0 (or any device) it talks to real hardware; without
# it, to the simulated unit. Only the two programs are built.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target kolvane kolvane-unit-sim
	./$(BUILD)/app/kolvane $(if $(PORT),--port $(PORT),--demo) $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) $(if $(PREFIX),--prefix "$(PREFIX)")

# The Debian package $(BUILD)/kolvane_VERSION_ARCH.deb, from the same install rules.
package: build
	cd $(BUILD) && cpack -G DEB

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKOLVANE_SANITIZE=ON -DKOLVANE_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/tests/bench/kolvane_bench
	./$(BUILD)/tests/bench/kolvane_edit_bench
	./$(BUILD)/tests/chart/kolvane_chart_bench
	./$(BUILD)/tests/bench/kolvane_transfer_pace
	BUILD=$(BUILD) tests/bench/cli_program_pace.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
