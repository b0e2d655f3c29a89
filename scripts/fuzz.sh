#!/usr/bin/env bash
# Fuzzes every parser with libFuzzer (clang), in the checked build folder that the
# sanitizer stage shares (build-asan: AddressSanitizer + UndefinedBehaviorSanitizer).
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   default: 600 s, every target
# Findings (crash-*, timeout-*, oom-*) land in build-asan/fuzz/findings/TARGET/; the
# corpus grows in build-asan/fuzz/corpus/TARGET/ and is seeded from valid files made
# here (never committed). Each target prints its executions when it ends.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
build_dir="${TW_ASAN_BUILD_DIR:-build-asan}"
bash scripts/sanitize.sh build-fuzz
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(ls "$build_dir/fuzz/bin"))
bash scripts/sanitize.sh seeds "$build_dir/fuzz/corpus"
for t in "${targets[@]}"; do
    bash scripts/sanitize.sh fuzz "$t" "$seconds"
done
