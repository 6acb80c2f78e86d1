# Thin wrapper: each target installs what is missing, builds, then does its one thing.
JOBS ?= $(shell nproc)

.PHONY: run test bench deps clean

deps:
	@scripts/install-deps.sh

run: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF
	cmake --build build/release -j $(JOBS) --target tarnbrook
	scripts/run-game.sh build/release/tarnbrook

# The suite runs twice: under the sanitizers, then built plain, where glibc notices what libX11
# does with freed memory (the sanitizers do not look inside libX11).
test: deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTARNBROOK_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	scripts/run-tests.sh build/test
	cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=Debug
	cmake --build build/plain -j $(JOBS)
	scripts/run-tests.sh build/plain

bench: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF
	cmake --build build/release -j $(JOBS)
	scripts/bench.sh build/release

clean:
	rm -rf build
