#!/bin/bash
# Times the whole process of `kirvolt-cli analyse`, `kirvolt-cli equations` and `ngspice -b`
# on the same generated circuits (drawn grids, chains of voltage sources), each written once
# as a .kvt file and once as a SPICE netlist, and prints the medians and the ratios.
#   bench/side_by_side.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build/release (make_bench_circuits and kirvolt-cli built there), RUNS
# to 5. Times are wall-clock and CPU (user + system) seconds, memory the peak resident set; on
# a shared machine the CPU time is the steadier figure, though the kernel counts it only in
# steps of 10 ms.
set -euo pipefail

build=${1:-build/release}
runs=${2:-5}
generator="$build/bench/make_bench_circuits"
cli="$build/src/cli/kirvolt-cli"
for tool in "$generator" "$cli"; do
    [ -x "$tool" ] || { echo "$tool is not built" >&2; exit 2; }
done
command -v ngspice >/dev/null || { echo "ngspice is not installed" >&2; exit 2; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$generator" "$folder" grid 23 45 80 chain 200 400 4000 >/dev/null

# "wall cpu kilobytes": the median of each over the runs.
measure() {
    local samples="$folder/samples"
    : >"$samples"
    local start finish
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f '%U %S %M' -o "$samples.run" "$@" >/dev/null 2>&1 || true
        finish=$(date +%s%N)
        echo "$(((finish - start) / 1000)) $(tail -n 1 "$samples.run")" >>"$samples"
    done
    awk '{ wall[NR] = $1 / 1e6; cpu[NR] = $2 + $3; rss[NR] = $4 }
         function median(a, n,    i, j, t) {
             for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j-1] > a[j]; j--) { t = a[j]; a[j] = a[j-1]; a[j-1] = t }
             return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
         }
         END { printf "%.3f %.3f %d\n", median(wall, NR), median(cpu, NR), median(rss, NR) }' "$samples"
}

printf '%-11s | %-24s | %-24s | %-24s | %s\n' circuit "analyse wall/cpu/MB" "equations wall/cpu/MB" \
    "ngspice wall/cpu/MB" "ngspice/analyse wall, cpu"
for name in grid_23 grid_45 grid_80 chain_200 chain_400 chain_4000; do
    read -r aw ac am < <(measure "$cli" analyse "$folder/$name.kvt")
    read -r ew ec em < <(measure "$cli" equations "$folder/$name.kvt")
    read -r sw sc sm < <(measure ngspice -b "$folder/$name.cir")
    ratio=$(awk -v sw="$sw" -v aw="$aw" -v sc="$sc" -v ac="$ac" \
        'BEGIN { printf "%.1f, %s", sw / aw, (ac > 0 ? sprintf("%.1f", sc / ac) : "-") }')
    printf '%-11s | %6.3f s %6.3f s %5d | %6.3f s %6.3f s %5d | %6.3f s %6.3f s %5d | %s\n' "$name" \
        "$aw" "$ac" $((am / 1024)) "$ew" "$ec" $((em / 1024)) "$sw" "$sc" $((sm / 1024)) "$ratio"
done
