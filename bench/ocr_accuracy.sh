#!/usr/bin/env bash
# Character error rate of `ocr` and of the tesseract CLI (-l chi_sim+eng) on the evaluation
# corpus, per image kind (the name of an image up to its first '.'), side by side.
#
#   bench/ocr_accuracy.sh [BUILD-DIRECTORY] [CORPUS-DIRECTORY]
#
# Defaults: build, and bench/corpus/images. OCR_ACCURACY_VERBOSE=1 adds per-image figures on
# stderr.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
corpus=${2:-$root/bench/corpus/images}
tool=$build/src/OrvaneScreenTool
score=$build/bench/cer_score
for program in "$tool" "$score"; do
  [ -x "$program" ] || { echo "missing $program: build first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One row per image: KIND TOOL-EDITS CLI-EDITS REFERENCE
for image in "$corpus"/*.png; do
  name=$(basename "$image" .png)
  truth=$corpus/$name.txt
  "$tool" ocr "$image" >"$work/tool.json" 2>/dev/null || true
  tesseract "$image" stdout -l chi_sim+eng >"$work/cli.txt" 2>/dev/null || true
  read -r tool_edits reference < <("$score" --json "$truth" "$work/tool.json")
  read -r cli_edits _ < <("$score" "$truth" "$work/cli.txt")
  [ "${OCR_ACCURACY_VERBOSE:-0}" = 1 ] &&
    echo "$name tool $tool_edits cli $cli_edits of $reference" >&2
  echo "${name%%.*} $tool_edits $cli_edits $reference"
done >"$work/rows"

awk '
  function row(label, n, t, c, r) {
    printf "| %-22s | %6d | %7d | %7.2f%% | %7.2f%% | %5s |\n", label, n, r, 100 * t / r, 100 * c / r,
      (c > 0 ? sprintf("%.2f", t / c) : "-")
  }
  {
    kinds[$1]; n[$1]++; t[$1] += $2; c[$1] += $3; r[$1] += $4
    group = ($1 == "doc") ? "documents" : "screenshots"
    gn[group]++; gt[group] += $2; gc[group] += $3; gr[group] += $4
  }
  END {
    print "| image kind             | images |  chars  |  ocr CER |  CLI CER | ratio |"
    print "|------------------------|--------|---------|----------|----------|-------|"
    for (k in kinds) row(k, n[k], t[k], c[k], r[k])
    for (g in gn) row("all " g, gn[g], gt[g], gc[g], gr[g])
  }' "$work/rows"
