#!/usr/bin/env bash
# `ocr` side by side with `tesseract IMAGE stdout -l chi_sim+eng` on three kinds of image from the
# evaluation corpus: a clean document page, a 1920x1080 screenshot, a mixed Chinese and English
# page. Prints median wall times, peak memory and ratios, then the character error rates of both
# on the whole corpus.
#   bench/ocr_bench.sh       RUNS=7 by default; BUILD_DIR=build-bench
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-bench}
runs=${RUNS:-7}
corpus=bench/corpus/images

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target OrvaneScreenTool orvane_ocr_tesseract bench_runner cer_score \
  >/dev/null
tool="$build/src/OrvaneScreenTool"

for image in doc.en-serif screen.dark-1920x1080 doc.mixed; do
  path="$corpus/$image.png"
  echo "## $image ($(identify -format '%wx%h' "$path"))"
  # ocr-4t: the recogniser allowed four OpenMP threads, as on a machine with more cores.
  "$build/bench/bench_runner" --runs "$runs" --ratio ocr/cli --ratio ocr-4t/cli \
    ocr "$tool ocr $path" \
    ocr-4t "env OMP_THREAD_LIMIT=4 $tool ocr $path" \
    cli "tesseract $path stdout -l chi_sim+eng"
  echo
done

echo "## character error rate, per image kind"
bench/ocr_accuracy.sh "$build"
