# The two set-up commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: deps configure build run test install package clean format

deps:
	./tools/install-deps.sh

# A build folder configured from another tree (this one moved or copied) is configured afresh.
configure: deps
	./tools/forget-moved-build.sh $(BUILD_DIR)
	cmake -S . -B $(BUILD_DIR) -G Ninja -DVN_WERROR=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/src/vesperanova $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

install: build
	cmake --install $(BUILD_DIR)

# The Debian package vesperanova_<version>_amd64.deb, built in $(BUILD_DIR) and copied here.
package: build
	cd $(BUILD_DIR) && cpack -G DEB
	cp $(BUILD_DIR)/vesperanova_*_amd64.deb .

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
