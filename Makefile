# Lumo: `make run` starts the map, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_TARGETS ?= packed_stream object_read render_object stars_db store_directory cmp_file

.PHONY: all deps configure build test test-clock test-asan soak run bench clean

all: build

# The Debian packages listed in tools/deps.txt.
deps:
	@bash tools/install-deps.sh

# The build folder, configured once (CMAKE_FLAGS adds options).
configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

# Everything: the program, its data files, the tools, the tests and the benchmarks.
build: deps configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test but the soak test.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE soak

# The suite but the desktop, telescope and soak tests once more with the clock and the
# zone fixed by faketime (half past midnight in Madrid by default), so that no
# test can depend on the hour or the zone it runs in.
CLOCK ?= 2026-12-07 00:30:00
CLOCK_TZ ?= Europe/Madrid
test-clock: build
	@cd $(BUILD) && TZ=$(CLOCK_TZ) faketime '$(CLOCK)' ctest --output-on-failure -j $(JOBS) -LE 'soak|gui|telescope'

# The whole suite again with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; any finding fails the run.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DLUMO_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:abort_on_error=0:verify_asan_link_order=0 \
	  LSAN_OPTIONS=suppressions=$(abspath tests/lsan.supp):print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -LE soak

# The long run of time forward and back (about ten minutes).
soak: build
	@cd $(BUILD) && ctest --output-on-failure -L soak

# Builds only the program and the data files it reads, then starts it.
# Without a display (no DISPLAY, no WAYLAND_DISPLAY) the map is drawn to a
# picture instead: tonight's sky at the saved place, that is now between
# 18:00 and 06:00 local time, else 22:00 local time today.
run: deps configure
	@cmake --build $(BUILD) -j $(JOBS) --target lumo catalogue models
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  hour=$$(date +%H); \
	  if [ "$$hour" -ge 18 ] || [ "$$hour" -lt 6 ]; then when=$$(date +%Y-%m-%dT%H:%M:%S); \
	  else when=$$(date +%Y-%m-%dT22:00:00); fi; \
	  $(BUILD)/bin/lumo render --time "$$when" --out "$(abspath $(BUILD))/sky.png" && \
	  echo "tonight's sky ($$when local time) is in $(abspath $(BUILD))/sky.png"; \
	else \
	  $(BUILD)/bin/lumo; \
	fi

# `make install PREFIX=/some/where` (default /usr/local): the program in
# PREFIX/bin, its data in PREFIX/share/lumo, the menu entry and the icon.
PREFIX ?= /usr/local
.PHONY: install
install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

# `make package`: the Debian package lumo_VERSION_ARCH.deb in the build folder.
.PHONY: package
package: build
	@cd $(BUILD) && cpack -G DEB

# Every benchmark in bench/, one after another.
bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done

# Every build folder this Makefile makes.
clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# libFuzzer runs (clang): `make fuzz SECONDS=N` runs each target N seconds in
# turn, starting from the seeds and corrupt files kept beside the tests.
SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DLUMO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; extra=""; \
	  case $$t in packed_stream|cmp_file) extra=tests/catalogue/corpus;; \
	    object_read|render_object) extra="fuzz/seeds/object_read tests/models/corpus";; esac; \
	  echo "== fuzz_$$t for $(SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(SECONDS) -max_len=16384 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/$$t- $(FUZZ_BUILD)/corpus/$$t fuzz/seeds/$$t \
	    $$extra || exit 1; \
	done