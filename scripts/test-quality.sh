#!/bin/sh
# The quality checks: the whole Linux suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (linux-asan preset, which includes the
# bounded fuzz run and the broken-build proof), clang-tidy and cppcheck over
# the project's own code, and valgrind memcheck over the unit and
# integration tests. Every step runs; the exit status is nonzero if any
# failed. About 5 minutes on 2 cores from a clean tree.
#
# Usage: test-quality.sh [asan] [tidy] [cppcheck] [memcheck]  (default: all)
#
# Needs (Debian 12): cmake clang libclang-rt-14-dev clang-tidy cppcheck
#   valgrind libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev g++
# Environment: QUALITY_ASAN_DIR, QUALITY_VALGRIND_DIR (build folders; the
#   defaults are build/linux-asan and build/quality-valgrind), JOBS (2).
set -u

ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
JOBS=${JOBS:-2}
ASAN_DIR=${QUALITY_ASAN_DIR:-$ROOT/build/linux-asan}
VALGRIND_DIR=${QUALITY_VALGRIND_DIR:-$ROOT/build/quality-valgrind}

missing=""
for tool in cmake ctest clang clang++ clang-tidy cppcheck valgrind; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "test-quality: missing:$missing" >&2
    echo "test-quality: install cmake clang libclang-rt-14-dev clang-tidy cppcheck valgrind" >&2
    exit 2
fi

failed=""
# run <name> <command...>: runs one step, notes a failure, carries on.
run() {
    name=$1
    shift
    echo "== $name"
    started=$(date +%s)
    if "$@" </dev/null; then
        echo "== $name: passed in $(($(date +%s) - started)) s"
    else
        echo "== $name: FAILED after $(($(date +%s) - started)) s"
        failed="$failed $name"
    fi
}

# ---- Sanitizers (and the fuzz tests in the same suite) ----------------------

asan_suite() {
    cmake --preset linux-asan -B "$ASAN_DIR" &&
        cmake --build "$ASAN_DIR" -j "$JOBS" &&
        (cd "$ASAN_DIR" && ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            ctest -j "$JOBS" --output-on-failure --no-tests=error --timeout 600)
}

# ---- clang-tidy ---------------------------------------------------------------

# The project's own translation units in the compile database, one a line.
own_sources() {
    sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$ASAN_DIR/compile_commands.json" |
        grep "^$ROOT/" | grep -v "^$ASAN_DIR/" | grep -v "^$ROOT/build/" | sort -u
}

clang_tidy() {
    [ -f "$ASAN_DIR/compile_commands.json" ] || { echo "no compile database in $ASAN_DIR" >&2; return 1; }
    sources=$(mktemp)
    own_sources >"$sources"
    # An empty list would pass having checked nothing.
    [ -s "$sources" ] || { echo "clang-tidy: no sources found under $ROOT" >&2; rm -f "$sources"; return 1; }
    status=0
    # Shipped code gets every check; test code all but the slow analyzer
    # (and may run programs through the shell).
    grep -vE "^$ROOT/(Host/)?tests/" "$sources" |
        xargs -r -P "$JOBS" -n 4 clang-tidy -p "$ASAN_DIR" --quiet || status=1
    grep -E "^$ROOT/(Host/)?tests/" "$sources" |
        xargs -r -P "$JOBS" -n 4 clang-tidy -p "$ASAN_DIR" --quiet \
            --checks='-clang-analyzer-*,-cert-env33-c' || status=1
    echo "clang-tidy: $(wc -l <"$sources") files"
    rm -f "$sources"
    return $status
}

# ---- cppcheck -----------------------------------------------------------------

cppcheck_all() {
    dirs="PowerMeter SimulatedSensor tests"
    [ -d Host ] && dirs="$dirs Host"
    # shellcheck disable=SC2086 # the folder list splits on purpose
    cppcheck --enable=warning,performance,portability --std=c++17 -q -j "$JOBS" \
        --inline-suppr --suppressions-list=.cppcheck-suppressions --error-exitcode=1 \
        --library=googletest --library=posix --library=gnu \
        -I PowerMeter/RohdeSchwarzNRPZ -I SimulatedSensor -I tests/support -I tests/quality/support \
        $( [ -d Host/src ] && echo "-I Host/src" ) \
        $dirs
}

# ---- valgrind memcheck --------------------------------------------------------

memcheck() {
    cmake -S "$ROOT" -B "$VALGRIND_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
        -DPOWERMETER_SANITIZE=OFF -DPOWERMETER_FUZZ=OFF -DPOWERMETER_BENCHMARKS=OFF >/dev/null &&
        cmake --build "$VALGRIND_DIR" -j "$JOBS" --target plugin_unit_tests plugin_integration_tests || return 1
    status=0
    for program in plugin_unit_tests plugin_integration_tests; do
        echo "valgrind: $program"
        (cd "$VALGRIND_DIR" &&
            valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
                --track-origins=yes --suppressions="$ROOT/tests/quality/valgrind/memcheck.supp" \
                --quiet "bin/$program" --gtest_brief=1) || status=1
    done
    return $status
}

steps=${*:-asan tidy cppcheck memcheck}
for step in $steps; do
    case $step in
    asan) run "linux-asan suite (ASan+UBSan, fuzz runs, broken-build proof)" asan_suite ;;
    tidy) run "clang-tidy" clang_tidy ;;
    cppcheck) run "cppcheck" cppcheck_all ;;
    memcheck) run "valgrind memcheck" memcheck ;;
    *) echo "test-quality: unknown step $step (asan, tidy, cppcheck, memcheck)" >&2; exit 2 ;;
    esac
done

if [ -n "$failed" ]; then
    echo "test-quality: FAILED:$failed" >&2
    exit 1
fi
echo "test-quality: all checks passed"
