#!/usr/bin/env bash
# tovgraph beside tsort, both as whole processes, on the same files of "parent child"
# pairs: a random acyclic graph of 200000 nodes and 1000000 links, a chain of 1000000
# nodes, a ladder of 1000 layers, and random acyclic graphs of 10^4, 10^5 and 10^6 links
# (five links per node) for the growth. Prints user and elapsed seconds and the peak
# memory of each run (GNU time). tsort refuses cyclic graphs, so only acyclic ones are
# compared.
#
#   bench/tovgraph-vs-tsort.sh [BUILD_DIR]   (default build-rel: a Release build)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build-rel}
TOVGRAPH=$BUILD/tools/tovgraph/tovgraph
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

# measure NAME PROGRAM FILE: one line of figures.
measure() {
  local name=$1 program=$2 file=$3
  /usr/bin/time -f "%U %e %M" -o "$WORK/time" "$program" "$file" >"$WORK/out" 2>/dev/null ||
    { echo "$name: $program failed" >&2; return 1; }
  read -r user elapsed rss <"$WORK/time"
  printf '%-28s %-8s user %6.2f s  elapsed %6.2f s  peak %7d KiB  lines %d\n' \
    "$name" "$(basename "$program")" "$user" "$elapsed" "$rss" "$(wc -l <"$WORK/out")"
}

random 200000 1000000 1 >"$WORK/random.graph"
chain 1000000 >"$WORK/chain.graph"
ladder 1000 >"$WORK/ladder.graph"
for links in 10000 100000 1000000; do
  random $((links / 5)) "$links" 2 >"$WORK/growth-$links.graph"
done

for graph in random chain ladder growth-10000 growth-100000 growth-1000000; do
  measure "$graph" "$TOVGRAPH" "$WORK/$graph.graph"
  measure "$graph" "$(command -v tsort)" "$WORK/$graph.graph"
done
