#!/bin/sh
# Builds one libFuzzer target with clang (the main build uses g++) and runs it for a while.
# Usage: run_fuzzer.sh NAME SOURCE_DIR OUTPUT_DIR SECONDS
# Exits 77 (skipped) when clang++ or its libFuzzer runtime is not installed.
set -u
name=$1 src=$2 out=$3 seconds=$4
clang=${CLANGXX:-$(command -v clang++ || true)}
if [ -z "$clang" ]; then
    echo "clang++ not found: $name not fuzzed"
    exit 77
fi

case $name in
    saved_game) sources="tests/fuzz/SavedGameDecodeFuzz.cpp storage/SavedGameCodec.cpp" ;;
    high_scores) sources="tests/fuzz/HighScoreDecodeFuzz.cpp storage/HighScoreCodec.cpp game/HighScoreTable.cpp" ;;
    store) sources="tests/fuzz/StoreParseFuzz.cpp storage/SettingsText.cpp" ;;
    *) echo "unknown fuzzer $name"; exit 2 ;;
esac

mkdir -p "$out/$name-corpus" || exit 1
binary="$out/fuzz_$name"
paths=""
for s in $sources; do paths="$paths $src/$s"; done
# shellcheck disable=SC2086
if ! "$clang" -std=c++20 -O1 -g -Wall -Wextra -I"$src" \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
        $paths -o "$binary" 2>"$out/$name-build.log"; then
    if grep -q -e 'libclang_rt.fuzzer' -e 'cannot find -l' "$out/$name-build.log"; then
        echo "libFuzzer runtime missing: $name not fuzzed"
        exit 77
    fi
    cat "$out/$name-build.log"
    exit 1
fi

# Seeds that reach past the size checks: a valid record of each kind and a small store file.
corpus="$out/$name-corpus"
case $name in
    saved_game)
        {
            printf '\013\000\000\000\144\000\000\000\000\000\000\000\001\000\000\000'
            i=0
            while [ $i -lt 81 ]; do
                if [ $i -eq 40 ]; then printf '\003\000\000\000'; else printf '\377\377\377\377'; fi
                i=$((i + 1))
            done
        } >"$corpus/seed-valid" ;;
    high_scores)
        {
            r=0
            while [ $r -lt 10 ]; do
                printf 'T\000a\000r\000n\000w\000e\000l\000l\000 \000 \000 \000 \000 \000 \000 \000\000\000'
                printf '\144\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000'
                r=$((r + 1))
            done
        } >"$corpus/seed-default" ;;
    store)
        printf '# Korvat settings\nmaxmark=100\nmove = 7\r\nbum=-1\nother=x\n' \
            >"$corpus/seed-store" ;;
esac

log="$out/$name-run.log"
"$binary" -max_total_time="$seconds" -artifact_prefix="$out/$name-" "$corpus" >"$log" 2>&1
status=$?
summary=$(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1)
if [ $status -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz $name: FAILED (exit $status)"
    exit 1
fi
echo "fuzz $name: $summary"
