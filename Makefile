# The front door: each target installs missing Debian packages, then configures, builds and runs
# with the CMake presets.
.PHONY: run test deps

deps:
	@bash scripts/install-deps.sh

run: deps
	cmake --preset default
	cmake --build --preset default
	./build/default/app/vardelin

# The program's tests, then the core's tests under the sanitizers, then a bounded fuzzing run.
test: deps
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz
