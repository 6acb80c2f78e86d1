# Thin wrapper: each target installs what is missing, builds, then does its one thing.
JOBS ?= $(shell nproc)

.PHONY: run test bench deps clean

deps:
	@scripts/install-deps.sh

run: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF
	cmake --build build/release -j $(JOBS) --target tarnbrook
	scripts/run-game.sh build/release/tarnbrook

test: deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTARNBROOK_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	scripts/run-tests.sh build/test

bench: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTARNBROOK_TESTS=OFF
	cmake --build build/release -j $(JOBS)
	scripts/bench.sh build/release

clean:
	rm -rf build
