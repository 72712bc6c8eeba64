# Lumo: `make run` starts the map, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench clean install

all: build

deps:
	@bash tools/install-deps.sh

configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: deps configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Without a display (no DISPLAY, no WAYLAND_DISPLAY) the map is drawn to a
# picture instead: tonight's sky at the saved place, that is now between
# 18:00 and 06:00 local time, else 22:00 local time today.
run: build
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
install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done

clean:
	@rm -rf $(BUILD)

# libFuzzer runs (clang): `make fuzz SECONDS=N` runs each target N seconds in
# turn, starting from the seeds and corrupt files kept beside the tests.
FUZZ_BUILD ?= build-fuzz
SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DLUMO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_packed_stream fuzz_object_read
	@mkdir -p $(FUZZ_BUILD)/corpus/packed_stream $(FUZZ_BUILD)/corpus/object_read
	$(FUZZ_BUILD)/fuzz/fuzz_packed_stream -max_total_time=$(SECONDS) -max_len=16384 \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/packed_stream \
	  fuzz/seeds/packed_stream tests/catalogue/corpus
	$(FUZZ_BUILD)/fuzz/fuzz_object_read -max_total_time=$(SECONDS) -max_len=16384 \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/object_read \
	  fuzz/seeds/object_read tests/models/corpus
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_render_object
	@mkdir -p $(FUZZ_BUILD)/corpus/render_object
	$(FUZZ_BUILD)/fuzz/fuzz_render_object -max_total_time=$(SECONDS) -max_len=16384 \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/render_object \
	  fuzz/seeds/render_object fuzz/seeds/object_read tests/models/corpus
