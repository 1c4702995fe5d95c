# Sourced by the scripts: the build folders they share, each configured with every option it
# depends on, so that the scripts may run in any order and none finds a folder that another
# configured differently.
#   build            the game as the package builds it (Release), warnings as errors, with the
#                    tests, benchmarks and probes; play.sh, test.sh, bench.sh use it
#   build-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer (Debug)

configure_normal_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTESSARO_WERROR=ON -DTESSARO_SANITIZE=OFF \
    -DTESSARO_FUZZ=OFF -DBUILD_TESTING=ON "$@"
}

configure_sanitizer_build() {
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTESSARO_WERROR=ON -DTESSARO_SANITIZE=ON \
    -DTESSARO_FUZZ=OFF -DBUILD_TESTING=ON "$@"
}

# Runs a build's tests; a build in which ctest finds no test fails instead of passing silently.
run_tests() {
  ctest --test-dir "$1" --output-on-failure --no-tests=error --timeout 600 -j"$(nproc)"
}
