# The two commands of the README. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test test-sanitize bench package clean

deps:
	./scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCVI_WERROR=ON

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Prepares the demo shop beside the program on first run, then starts the program on it.
run: build
	@test -f $(BUILD_DIR)/dbzelto.sqlite || $(BUILD_DIR)/cvi-zelto --create-database $(BUILD_DIR)/dbzelto.sqlite --demo
	$(BUILD_DIR)/cvi-zelto

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with the address and undefined-behaviour sanitizers in a folder of
# its own. The options (and the suppressions of third-party noise) hold for the programs the build
# itself runs too.
SANITIZE_DIR ?= build-asan
SANITIZER_SUPPRESSIONS := $(CURDIR)/tests/support/sanitizers
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:check_initialization_order=1 \
	LSAN_OPTIONS=suppressions=$(SANITIZER_SUPPRESSIONS)/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

$(SANITIZE_DIR)/build.ninja:
	cmake -S . -B $(SANITIZE_DIR) $(CMAKE_FLAGS) -DCVI_WERROR=ON -DCVI_SANITIZE=ON

test-sanitize: deps $(SANITIZE_DIR)/build.ninja
	$(SANITIZER_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A shop of a million sales (prepared once, kept in $(BUILD_DIR)/bench) measured against the
# engine's own limit; prints the table and writes $(BUILD_DIR)/bench/bench.csv.
bench: build
	cmake --build $(BUILD_DIR) --target cvi-bench -j $(JOBS)
	$(BUILD_DIR)/cvi-bench $(BUILD_DIR)/bench

# The Debian package (build/cvi-zelto_*.deb); scripts/test-package.sh installs and tries it.
package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
