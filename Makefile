# The two commands a new user runs: `make run` and `make test`. Both install what is missing,
# configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

ifeq ($(SANITIZE),1)
BUILD := build-asan
CMAKE_FLAGS += -DQC_SANITIZE=ON
endif

.PHONY: all deps configure build run test install fuzz bench format clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

# Cleared so the build's own make does not print every directory it enters as a sub-make.
SUBMAKE := env -u MAKEFLAGS -u MAKELEVEL -u MFLAGS

build: configure
	@$(SUBMAKE) cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session" >&2; \
		exit 1; fi
	@./$(BUILD)/quipcanvas

# fontconfig keeps caches for the whole process; LeakSanitizer is told so for every test.
test: build
	@cd $(BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# libFuzzer targets, one per reader, each run for FUZZ_SECONDS.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQC_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@$(SUBMAKE) cmake --build build-fuzz -j $(JOBS)
	@bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

bench: build
	@bash bench/run.sh $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan build-fuzz
