#!/usr/bin/env bash
# A fuzz campaign: builds the fuzzers if needed, runs each for a given time on its corpus,
# merges the inputs that reach new code into the corpus, and prints what it did.
#
#   tools/fuzz/campaign.sh [-t SECONDS] [-n RUNS] [loader] [sources]
#
# -t: time per fuzzer (default 600 s); -n: stop a fuzzer after RUNS inputs (with -t too, at
# whichever comes first). Without a name, both fuzzers run, one after the other. The build is
# build-fuzz (ZENTALOGER_FUZZ_BUILD to change it). The machine may be shared: run it as
# `nice -n 10 tools/fuzz/campaign.sh`.
# Findings (crashes, hangs, leaks) are kept under the build's fuzz-findings/ folder; the exit
# status is 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=
runs=-1
while getopts "t:n:" opt; do
    case $opt in
        t) seconds=$OPTARG ;;
        n) runs=$OPTARG ;;
        *) sed -n '5,12p' "$0" >&2; exit 2 ;;
    esac
done
# A number of inputs alone runs until they are done; both stop at whichever comes first.
[ -z "$seconds" ] && seconds=$([ "$runs" -ge 0 ] && echo 0 || echo 600)
shift $((OPTIND - 1))
if [ $# -eq 0 ]; then fuzzers=(loader sources); else fuzzers=("$@"); fi

build=${ZENTALOGER_FUZZ_BUILD:-build-fuzz}
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DZENTALOGER_SANITIZE=ON -DZENTALOGER_FUZZ=ON -DZENTALOGER_BENCH=OFF >/dev/null
fi
targets=()
for f in "${fuzzers[@]}"; do targets+=("fuzz_$f"); done
cmake --build "$build" --target "${targets[@]}" >/dev/null

findings_total=0
for f in "${fuzzers[@]}"; do
    case $f in
        loader) binary=$build/database/tests/fuzz_loader corpus=database/tests/fuzz_corpus
                options=(-dict=database/tests/fuzz_loader.dict) ;;
        sources) binary=$build/tools/sources/tests/fuzz_sources
                 corpus=tools/sources/tests/fuzz_sources_corpus
                 options=(-dict=tools/sources/tests/fuzz_sources.dict) ;;
        *) echo "campaign: no fuzzer \"$f\" (loader, sources)" >&2; exit 2 ;;
    esac
    work=$(mktemp -d)
    findings=$build/fuzz-findings/$f
    mkdir -p "$work/new" "$findings"
    before=$(ls "$corpus" | wc -l)
    # New inputs go to a scratch folder; the committed corpus is only read. A hang is an input
    # that runs for more than 10 s.
    status=0
    start=$(date +%s)
    "$binary" -max_total_time="$seconds" -runs="$runs" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "${options[@]}" "$work/new" "$corpus" \
        >"$work/log" 2>&1 || status=$?
    elapsed=$(( $(date +%s) - start ))
    # Only inputs that reach a new edge join the corpus (hit counts do not count), which keeps
    # the committed corpus at tens of files.
    "$binary" -merge=1 -use_counters=0 "${options[@]}" "$corpus" "$work/new" \
        >"$work/merge.log" 2>&1
    after=$(ls "$corpus" | wc -l)

    stat() { sed -n "s/^stat::$1: *//p" "$work/log" | tail -1; }
    last=$(grep -E '^#[0-9]+' "$work/log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    found=$(find "$findings" -type f -newer "$work/new" | wc -l)
    findings_total=$((findings_total + found))
    printf '%s: %s executions in %s s, %s a second; coverage %s edges, %s features;' \
        "$f" "$(stat number_of_executed_units)" "$elapsed" "$(stat average_exec_per_sec)" \
        "$cov" "$ft"
    printf ' corpus %s -> %s files; peak RSS %s MB; findings %s (fuzzer status %s)\n' \
        "$before" "$after" "$(stat peak_rss_mb)" "$found" "$status"
    if [ "$found" -gt 0 ]; then
        find "$findings" -type f -newer "$work/new" | sed 's/^/  finding: /'
        grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz_)' "$work/log" | head -5 | sed 's/^/  /'
    fi
    rm -rf "$work"
done
[ "$findings_total" -eq 0 ]
