#!/usr/bin/env bash
# Builds the whole project under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer
# (clang, preset "asan", build/asan) and runs the whole test suite there. Any report stops the
# test at once and fails the stage; tools/lsan.supp holds the only leaks let pass, those of the
# system libraries.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps clang-14 libclang-rt-14-dev
start=$SECONDS
cmake --preset asan >/dev/null
cmake --build --preset asan -j2
ctest --preset asan
echo "Sanitizer stage: $((SECONDS - start)) s"
