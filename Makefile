# Thin wrapper: each target installs what is missing, builds, then does its one thing.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
ARCH ?= $(shell dpkg --print-architecture 2>/dev/null)
# A packager's CPPFLAGS, CFLAGS, CXXFLAGS and LDFLAGS from the environment reach every compile and
# link (CMake itself reads no CPPFLAGS). With compiler flags of their own, the build type adds
# none (None), as distributions build; without, Release.
FLAGS = -DCMAKE_BUILD_TYPE=$(if $(strip $(CFLAGS)$(CXXFLAGS)),None,Release) \
        -DCMAKE_C_FLAGS="$(CPPFLAGS) $(CFLAGS)" -DCMAKE_CXX_FLAGS="$(CPPFLAGS) $(CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(LDFLAGS)"
RELEASE = cmake -S . -B build/release -DTARNBROOK_TESTS=OFF $(FLAGS)

.PHONY: run test matrix bench install deb release-check clean

run:
	@scripts/install-deps.sh run
	$(RELEASE)
	cmake --build build/release -j $(JOBS) --target tarnbrook
	scripts/run-game.sh build/release/tarnbrook

# The suite runs twice: under the sanitizers, then built plain, where glibc notices what libX11
# does with freed memory (the sanitizers do not look inside libX11). The package is checked once.
test:
	@scripts/install-deps.sh test
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTARNBROOK_SANITIZE=ON -DTARNBROOK_WERROR=ON
	cmake --build build/test -j $(JOBS)
	scripts/run-tests.sh build/test
	cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=Debug -DTARNBROOK_WERROR=ON
	cmake --build build/plain -j $(JOBS)
	scripts/run-tests.sh build/plain -LE package

# The suite on Debian 13, with clang, and on i386, arm64 and s390x (as root; see README).
matrix:
	scripts/matrix.sh

bench:
	@scripts/install-deps.sh bench
	$(RELEASE)
	cmake --build build/release -j $(JOBS)
	scripts/bench.sh build/release

# make install PREFIX=/opt/tarnbrook (DESTDIR is honoured too)
install:
	@scripts/install-deps.sh run
	$(RELEASE)
	cmake --build build/release -j $(JOBS) --target tarnbrook tarnbrook_docs
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)" --strip

# make deb [ARCH=i386|arm64]: build/tarnbrook_<version>_<arch>.deb by dpkg-buildpackage from
# debian/, with its tests (DEB_BUILD_OPTIONS=nocheck leaves them out; a cross-build always does).
deb:
	@scripts/install-deps.sh deb $(ARCH)
	scripts/build-package.sh build/deb/$(ARCH) build $(ARCH)

# As root: the package hardened, reproducible, built in a clean Debian 13 root, installed and
# tested there, cross-built and started for i386 and arm64, lintian-clean. One line per check.
release-check:
	scripts/release-check.sh

clean:
	rm -rf build
