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
processors=$(nproc)
thread_limit=$((processors < 4 ? 1 : processors))

for image in doc.en-serif screen.dark-1920x1080 doc.mixed; do
  path="$corpus/$image.png"
  echo "## $image ($(identify -format '%wx%h' "$path"))"
  # cli-fit: the CLI with the OpenMP thread limit the tool gives itself (one thread below four
  # processors); the fairer peer on a small machine.
  "$build/bench/bench_runner" --runs "$runs" --ratio ocr/cli --ratio ocr/cli-fit \
    ocr "$tool ocr $path" \
    cli "tesseract $path stdout -l chi_sim+eng" \
    cli-fit "env OMP_THREAD_LIMIT=$thread_limit tesseract $path stdout -l chi_sim+eng"
  echo
done

echo "## character error rate, per image kind"
bench/ocr_accuracy.sh "$build"
