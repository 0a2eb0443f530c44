# The two commands of the README. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test bench package clean

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

# A shop of a million sales (prepared once, kept in $(BUILD_DIR)/bench) measured against the
# engine's own limit; prints the table and writes $(BUILD_DIR)/bench/bench.csv.
bench: build
	cmake --build $(BUILD_DIR) --target cvi-bench -j $(JOBS)
	$(BUILD_DIR)/cvi-bench $(BUILD_DIR)/bench

# The Debian package (build/cvi-zelto_*.deb); scripts/test-package.sh installs and tries it.
package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR)
