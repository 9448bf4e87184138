#!/bin/sh
# Configures and builds the sanitized tree, checks that its sanitizers report what they must,
# then runs its tests. Every sanitizer report goes to a file of its own, so a report from a
# child process whose output a test swallows still counts; any report fails the run.
# Usage: run_sanitized.sh SOURCE_DIR BINARY_DIR JOBS PARTS(comma-separated) CC CXX
set -u
src=$1 bin=$2 jobs=$3 parts=$(echo "$4" | tr , ';') cc=$5 cxx=$6

if [ -n "${KORVAT_SANITIZED_RUN:-}" ]; then
    echo "already inside a sanitized run: not starting another"
    exit 1
fi
export KORVAT_SANITIZED_RUN=1

mkdir -p "$bin" || exit 1
show_tail() {
    echo "---- last lines of $1"
    tail -n 60 "$1"
}

start=$(date +%s)
# -O0 with line tables: the test files (mostly templates) build in half the time they take
# at -O1, and the reports still name functions and lines. GCC's flow analysis of instrumented
# code warns of uninitialised values that are not there; warnings are the plain build's
# business. Benchmarks and the Xvfb end-to-end tests are not run here, so not built either
# (their folder builds nothing when told there is no Xvfb).
flags="-O0 -g1 -Wno-maybe-uninitialized"
if ! cmake -S "$src" -B "$bin" -DKORVAT_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_C_FLAGS_RELWITHDEBINFO=$flags" "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=$flags" \
        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DXVFB_PROGRAM=OFF \
        "-DKORVAT_PARTS=$parts" "-DCMAKE_C_COMPILER=$cc" "-DCMAKE_CXX_COMPILER=$cxx" \
        >"$bin/configure.log" 2>&1; then
    echo "configuring the sanitized tree failed"
    show_tail "$bin/configure.log"
    exit 1
fi
if ! cmake --build "$bin" -j"$jobs" >"$bin/build.log" 2>&1; then
    echo "building the sanitized tree failed"
    show_tail "$bin/build.log"
    exit 1
fi
built=$(date +%s)
echo "sanitized tree configured and built in $((built - start)) s"

# The probe: an overflow and a heap overrun must stop it; a leak must be reported unless
# LeakSanitizer cannot run here (it needs ptrace, which some containers forbid).
probe="$bin/tests/sanitize/korvat_sanitizer_probe"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if ASAN_OPTIONS=detect_leaks=0 "$probe" overflow >"$bin/probe.log" 2>&1 ||
        ! grep -q "runtime error" "$bin/probe.log"; then
    echo "UndefinedBehaviorSanitizer did not stop a signed overflow"
    cat "$bin/probe.log"
    exit 1
fi
if ASAN_OPTIONS=detect_leaks=0 "$probe" heap >"$bin/probe.log" 2>&1 ||
        ! grep -q "heap-buffer-overflow" "$bin/probe.log"; then
    echo "AddressSanitizer did not stop a heap overrun"
    cat "$bin/probe.log"
    exit 1
fi
leaks=1
ASAN_OPTIONS=detect_leaks=1 "$probe" leak >"$bin/probe.log" 2>&1
if grep -q "detected memory leaks" "$bin/probe.log"; then
    echo "LeakSanitizer works here: leaks are findings"
elif grep -q -e "LeakSanitizer has encountered a fatal error" -e "does not work under ptrace" \
        "$bin/probe.log"; then
    leaks=0
    echo "LeakSanitizer cannot run in this environment (ptrace refused): leak checking OFF"
else
    echo "LeakSanitizer ran but did not report a deliberate leak"
    cat "$bin/probe.log"
    exit 1
fi

reports="$bin/reports"
rm -rf "$reports"
mkdir -p "$reports" || exit 1
export ASAN_OPTIONS="detect_leaks=$leaks:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$src/tests/sanitize/leaks.supp:print_suppressions=0"

cd "$bin" || exit 1
# A test that hangs is stopped after two minutes (and fails).
ctest --output-on-failure -j"$jobs" --timeout 120 -LE 'sanitize|fuzz|e2e' >"$bin/ctest.log" 2>&1
status=$?
tested=$(date +%s)
grep -E "tests passed|Total Test time" "$bin/ctest.log"
echo "sanitized tests ran in $((tested - built)) s"

findings=$(find "$reports" -type f | wc -l)
if [ "$findings" -ne 0 ]; then
    echo "$findings sanitizer report(s):"
    for report in "$reports"/*; do
        echo "==== $report"
        head -n 80 "$report"
    done
fi
if [ "$status" -ne 0 ]; then
    show_tail "$bin/ctest.log"
fi
[ "$status" -eq 0 ] && [ "$findings" -eq 0 ]
