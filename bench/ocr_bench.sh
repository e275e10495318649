#!/usr/bin/env bash
# `ocr` against `OMP_THREAD_LIMIT=1 tesseract IMAGE stdout -l chi_sim+eng`, the CLI's fastest
# setting on a small machine, run interleaved on desktop screenshots, a document page, mixed
# Chinese and English, and pictures without text made with fixed seeds (random noise and a smooth
# picture of overlaid waves). Prints one row per image (medians, ratio, peak memory) and the ratio
# of the whole set (the sums of the medians), then the character error rates of both on the
# corpus.
#   bench/ocr_bench.sh     RUNS=5 by default; BUILD_DIR=build-bench; TOOL=another OrvaneScreenTool
#                          to time instead of the one built here; ACCURACY=0 skips the error rates
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-bench}
runs=${RUNS:-5}
corpus=bench/corpus/images

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target OrvaneScreenTool orvane_ocr_tesseract bench_runner cer_score \
  make_picture >/dev/null
tool=${TOOL:-$build/src/OrvaneScreenTool}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

picture() {  # KIND WIDTH HEIGHT SEED
  local path="$work/$1-$2x$3.png"
  "$build/bench/make_picture" "$1" "$2" "$3" "$4" >"$work/picture.ppm"
  convert "$work/picture.ppm" "$path"
  echo "$path"
}

images=(
  "$corpus/screen.dark-1920x1080.png"
  "$corpus/desktop.two-terminals-1280x800.png"
  "$corpus/desktop.demo-1280x800.png"
  "$corpus/doc.en-serif.png"
  "$corpus/doc.mixed.png"
  "$corpus/zh-window.mixed-10.png"
  "$(picture noise 1200 900 1)"
  "$(picture smooth 1200 900 2)"
  "$(picture noise 2000 2000 3)"
)

echo "load before: $(uptime)"
echo "| image | size | ocr median ms | CLI median ms | ocr / CLI | ocr peak MB | CLI peak MB |"
echo "|---|---|---:|---:|---:|---:|---:|"
for path in "${images[@]}"; do
  "$build/bench/bench_runner" --runs "$runs" \
    ocr "$tool ocr $path" \
    cli "env OMP_THREAD_LIMIT=1 tesseract $path stdout -l chi_sim+eng" >"$work/times"
  # Rows of the runner's table: | label | median | p10 | p90 | peak MB | failed |
  awk -F'|' -v name="$(basename "$path" .png)" -v size="$(identify -format '%wx%h' "$path")" '
    $2 ~ /^ ocr / { om = $3; op = $6 }
    $2 ~ /^ cli / { cm = $3; cp = $6 }
    END { printf "| %s | %s | %.0f | %.0f | %.2f | %.1f | %.1f |\n", name, size, om, cm, om / cm, op, cp }
  ' "$work/times"
done | tee "$work/rows"
awk -F'|' '{ o += $4; c += $5 } END { printf "| whole set | | %.0f | %.0f | %.2f | | |\n", o, c, o / c }' \
  "$work/rows"
echo "load after: $(uptime)"

if [ "${ACCURACY:-1}" != 0 ]; then
  echo
  echo "## character error rate, per image kind"
  bench/ocr_accuracy.sh "$build"
fi
