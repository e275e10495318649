// Writes a picture without text as a binary PPM, the same bytes on every machine: the generator
// and its seed fix every pixel.
//
//   make_picture noise|smooth WIDTH HEIGHT SEED > picture.ppm
//
// noise: every channel of every pixel drawn uniformly (a worst case for finding text: ink
// everywhere, in specks of every size). smooth: a few overlaid waves of random direction, phase
// and length, a stand-in for a photograph's or wallpaper's gradients.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

struct Wave {
  double dx, dy, phase, weight;
};

// std::mt19937's sequence is fixed by the standard; the distributions are not, so the draws are
// made here from its raw output.
double unit(std::mt19937& random) {
  return static_cast<double>(random()) / 4294967296.0;
}

std::vector<Wave> waves(std::mt19937& random, int width, int height) {
  std::vector<Wave> result;
  const double size = std::max(width, height);
  for (int i = 0; i < 6; ++i) {
    const double angle = 2 * pi * unit(random);
    const double length = size * (0.15 + 0.85 * unit(random));
    result.push_back({std::cos(angle) * 2 * pi / length, std::sin(angle) * 2 * pi / length,
                      2 * pi * unit(random), 0.5 + unit(random)});
  }
  return result;
}

std::uint8_t smoothChannel(const std::vector<Wave>& waves, int channel, int x, int y) {
  double sum = 0, total = 0;
  for (std::size_t i = 0; i < waves.size(); ++i) {
    const Wave& w = waves[i];
    sum += w.weight * std::sin(w.dx * x + w.dy * y + w.phase + channel * (1.0 + i));
    total += w.weight;
  }
  return static_cast<std::uint8_t>(std::lround(127.5 + 127.5 * sum / total));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: make_picture noise|smooth WIDTH HEIGHT SEED\n");
    return 2;
  }
  const std::string kind = argv[1];
  const int width = std::atoi(argv[2]);
  const int height = std::atoi(argv[3]);
  std::mt19937 random(static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10)));
  if ((kind != "noise" && kind != "smooth") || width <= 0 || height <= 0) {
    std::fprintf(stderr, "usage: make_picture noise|smooth WIDTH HEIGHT SEED\n");
    return 2;
  }
  const std::vector<Wave> smooth = waves(random, width, height);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
  std::printf("P6\n%d %d\n255\n", width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) {
        row[static_cast<std::size_t>(x) * 3 + c] = kind == "noise"
                                                       ? static_cast<std::uint8_t>(random() >> 24)
                                                       : smoothChannel(smooth, c, x, y);
      }
    }
    std::fwrite(row.data(), 1, row.size(), stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
