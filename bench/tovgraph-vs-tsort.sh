#!/usr/bin/env bash
# tovgraph beside tsort, both as whole processes, on the same files of "parent child"
# pairs: a random acyclic graph of 200000 nodes and 1000000 links, a chain of 1000000
# nodes, a ladder of 1000 layers, and random acyclic graphs of 10^4, 10^5 and 10^6 links
# (five links per node) for the growth. tsort refuses cyclic graphs, so only acyclic ones
# are compared.
#
# Each run times tovgraph and tsort one right after the other (GNU time: wall time, CPU
# time = user + system, peak resident memory) and takes the ratios tovgraph / tsort of
# that run; the table gives, per graph, the range over the runs of each figure and of
# each ratio. A ratio below 1 means tovgraph took less.
#
#   bench/tovgraph-vs-tsort.sh [BUILD_DIR [RUNS]]   (default build-rel, a Release build; 5 runs)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build-rel}
RUNS=${2:-5}
TOVGRAPH=$BUILD/tools/tovgraph/tovgraph
TSORT=$(command -v tsort)
[[ -x $TOVGRAPH ]] || { echo "no $TOVGRAPH: build it in Release first" >&2; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# random NODES LINKS SEED: LINKS pairs "nA nB" with A < B, so the graph is acyclic.
random() {
  awk -v n="$1" -v m="$2" -v seed="$3" 'BEGIN {
    srand(seed);
    for (i = 0; i < m; ) {
      a = int(rand() * n); b = int(rand() * n);
      if (a == b) continue;
      if (a > b) { t = a; a = b; b = t }
      print "n" a " n" b; i++
    }
  }'
}
chain() { awk -v n="$1" 'BEGIN { for (i = 0; i + 1 < n; i++) print "n" i " n" i + 1 }'; }
ladder() {
  awk -v l="$1" 'BEGIN {
    for (i = 0; i + 1 < l; i++)
      for (a = 0; a < 2; a++)
        for (b = 0; b < 2; b++) print "n" 2 * i + a " n" 2 * (i + 1) + b
  }'
}

# measure PROGRAM FILE: "wall cpu peak-KiB" of one run; the output is kept in $WORK/out.
measure() {
  /usr/bin/time -f "%e %U %S %M" -o "$WORK/time" "$1" "$2" >"$WORK/out" 2>/dev/null ||
    { echo "$1 failed on $2" >&2; exit 1; }
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$WORK/time"
}

random 200000 1000000 1 >"$WORK/random.graph"
chain 1000000 >"$WORK/chain.graph"
ladder 1000 >"$WORK/ladder.graph"
for links in 10000 100000 1000000; do
  random $((links / 5)) "$links" 2 >"$WORK/growth-$links.graph"
done

echo "tovgraph / tsort, $RUNS runs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
printf '%-16s %-23s %-23s %-12s %-12s %-23s %-12s\n' graph "tovgraph wall / CPU s" \
  "tsort wall / CPU s" "wall ratio" "CPU ratio" "tovgraph / tsort MiB" "memory ratio"
for graph in random chain ladder growth-10000 growth-100000 growth-1000000; do
  : >"$WORK/runs"
  for ((run = 0; run < RUNS; run++)); do
    read -r tw tc tm < <(measure "$TOVGRAPH" "$WORK/$graph.graph")
    read -r sw sc sm < <(measure "$TSORT" "$WORK/$graph.graph")
    echo "$tw $tc $tm $sw $sc $sm" >>"$WORK/runs"
  done
  awk -v name="$graph" '
    function ratio(a, b) { return b > 0 ? a / b : (a > 0 ? 99 : 1) }
    function keep(k, v) { if (!(k in lo) || v < lo[k]) lo[k] = v; if (!(k in hi) || v > hi[k]) hi[k] = v }
    function range(k, f) { return sprintf(f "-" f, lo[k], hi[k]) }
    {
      keep("tw", $1); keep("tc", $2); keep("tm", $3 / 1024)
      keep("sw", $4); keep("sc", $5); keep("sm", $6 / 1024)
      keep("rw", ratio($1, $4)); keep("rc", ratio($2, $5)); keep("rm", ratio($3, $6))
    }
    END {
      # Times of a few hundredths of a second are below what GNU time resolves.
      rw = lo["sw"] >= 0.1 ? range("rw", "%.2f") : "-"
      rc = lo["sc"] >= 0.1 ? range("rc", "%.2f") : "-"
      printf "%-16s %-23s %-23s %-12s %-12s %-23s %-12s\n", name,
        range("tw", "%.2f") " / " range("tc", "%.2f"), range("sw", "%.2f") " / " range("sc", "%.2f"),
        rw, rc, range("tm", "%.0f") " / " range("sm", "%.0f"), range("rm", "%.2f")
    }' "$WORK/runs"
done
