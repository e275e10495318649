#include "e2e/ocr_fixtures.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/child_process.h"

namespace orvane::testing {

namespace {

const std::string latinFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string monoFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
const std::string chineseFont = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";

// Text drawn with its baseline's left end at (x, baseline).
std::vector<std::string> text(int x, int baseline, const std::string& words) {
  // Built by appending: GCC 12 at -O3 misreads `"+" + std::to_string(x)` as an overlapping copy.
  std::string offset = "+";
  offset += std::to_string(x);
  offset += "+";
  offset += std::to_string(baseline);
  return {"-annotate", offset, words};
}

std::vector<std::string> canvas(int width, int height, const std::string& font, int points) {
  return {"-size",
          std::to_string(width) + "x" + std::to_string(height),
          "xc:white",
          "-font",
          font,
          "-pointsize",
          std::to_string(points),
          "-fill",
          "black"};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// An EXIF block that says the stored pixels must be turned a quarter clockwise for display.
const std::string rightTopOrientation(
    "\xff\xe1\x00\x22"
    "Exif\0\0"
    "MM\x00\x2a\x00\x00\x00\x08"
    "\x00\x01"
    "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
    "\x00\x00\x00\x00",
    36);

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A grey PGM of width x height white pixels: Leptonica reads it, and ImageMagick refuses sides
// this long.
std::string whitePgm(int width, int height) {
  return "P5\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n" +
         std::string(static_cast<std::size_t>(width) * height, '\xff');
}

}  // namespace

const OCRFixtures& OCRFixtures::get() {
  static const OCRFixtures fixtures;
  return fixtures;
}

OCRFixtures::OCRFixtures() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orvane-ocr-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot make a temporary folder");
  directory_ = pattern;
  makeImages();
}

OCRFixtures::~OCRFixtures() {
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

std::string OCRFixtures::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path(name), std::ios::binary) << bytes;
  return path(name);
}

void OCRFixtures::draw(const std::string& name,
                       const std::vector<std::string>& convertArguments) const {
  const auto outcome = runProcess(std::vector<std::string>{"/usr/bin/env", "convert"} +
                                  convertArguments + std::vector{path(name)});
  if (outcome.exitStatus != 0)
    throw std::runtime_error("convert could not draw " + name + ": " + outcome.err);
}

void OCRFixtures::makeImages() const {
  draw("english.png", canvas(900, 200, latinFont, 36) + text(40, 70, "Hello World from Orvane") +
                          text(40, 150, "Second line of text"));
  draw("chinese.png", canvas(900, 200, chineseFont, 40) + text(40, 80, "今天是星期一") +
                          text(40, 160, "简体中文识别测试"));
  // The right-hand words sit 20 px higher: a separate line for Tesseract, but the same row
  // within the tolerance of 0.012 x 2200 px.
  draw("rows.png", canvas(1600, 2200, latinFont, 24) + text(80, 500, "LEFT WORDS") +
                       text(1100, 480, "RIGHT WORDS") + text(80, 1600, "LOW LEFT") +
                       text(1100, 1500, "HIGH RIGHT"));
  draw("blank.png", {"-size", "400x300", "xc:white"});
  // Pictures without text, and a line of text above a picture of noise.
  draw("noise.png", {"-seed", "1", "-size", "600x400", "xc:", "+noise", "Random"});
  // Small text dense enough that JPEG's ringing leaves little flat background between glyphs.
  draw("small-text.jpg",
       canvas(600, 90, monoFont, 11) +
           text(10, 20, "total 24 drwxr-xr-x 2 root root 4096 apt.conf.d") +
           text(10, 36, "-rw-r--r-- 1 root root  430 Feb 11 08:05 sources.list") +
           text(10, 52, "drwxr-xr-x 2 root root 4096 Feb 11 08:05 sources.list.d") +
           text(10, 68, "return usable > 0 ? usable / lineHeight : 0;") +
           std::vector<std::string>{"-quality", "20"});
  draw("gradient.png", {"-size", "600x400", "gradient:navy-orange"});
  draw("captioned.png",
       canvas(900, 300, latinFont, 36) + text(40, 70, "Words above a picture") +
           std::vector<std::string>{"(", "-seed", "2", "-size", "900x180", "xc:", "+noise",
                                    "Random", ")", "-geometry", "+0+120", "-composite"});
  draw("first.png", canvas(600, 150, latinFont, 40) + text(30, 90, "FIRST PAGE"));
  draw("second.png", canvas(600, 150, latinFont, 40) + text(30, 90, "SECOND PAGE"));
  draw("pages.tif", {path("first.png"), path("second.png")});
  draw("frames.gif", {"-delay", "50", path("first.png"), path("second.png")});
  draw("plain.jpg", {path("first.png")});
  const std::string jpeg = readAll(path("plain.jpg"));
  write("turned.jpg", jpeg.substr(0, 2) + rightTopOrientation + jpeg.substr(2));
  write("truncated.png", readAll(path("english.png")).substr(0, 600));
  write("notes.txt", "Hello World from Orvane\n");
  write("empty.png", "");
  write("widest.pgm", whitePgm(32767, 2));
  write("too-wide.pgm", whitePgm(32768, 2));
}

}  // namespace orvane::testing
