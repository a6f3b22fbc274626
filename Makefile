# Two commands do everything on a fresh Debian machine:
#   make run    install what is missing, build, start the game
#   make test   the same set-up, the whole suite, then the suite again under
#               AddressSanitizer + UndefinedBehaviorSanitizer
# BUILD and ASAN_BUILD name the build directories, so that parallel work can use
# its own (make test BUILD=build-x ASAN_BUILD=build-x-asan).

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CTEST_FLAGS ?= --output-on-failure -j $(JOBS)

.PHONY: run test bootstrap build build-asan bench clean package

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

build-asan: bootstrap
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKM_SANITIZE=ON -DKM_BENCHMARKS=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kestrelmoore

test: build build-asan
	ctest --test-dir $(BUILD) $(CTEST_FLAGS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(ASAN_BUILD) $(CTEST_FLAGS) -LE long
	@if [ -x scripts/fuzz-smoke ]; then scripts/fuzz-smoke; fi

# The Debian package, $(BUILD)/kestrelmoore_<version>_<arch>.deb (cmake/KmPackage.cmake).
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# The game's memory and CPU use at the main menu (and a table) in a real window under
# Xvfb, beside the programs named in FOOTPRINT_ARGS (scripts/footprint --help), e.g.
#   make footprint FOOTPRINT_ARGS="--seconds 60 'xmessage hello'"
.PHONY: footprint
footprint: bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target kestrelmoore resource_pack
	BUILD=$(BUILD) scripts/footprint $(FOOTPRINT_ARGS)
