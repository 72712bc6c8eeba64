# Lumo: `make run` starts the map, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@bash tools/install-deps.sh

configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: deps configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@$(BUILD)/bin/lumo

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
