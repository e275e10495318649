#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace orvane::testing {

// Turns a fuzzer's bytes into typed choices. Runs out gracefully: past the end every number is
// zero and every string empty, so any input is a complete case.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ >= size_; }

  std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }

  bool boolean() { return (byte() & 1) != 0; }

  // A value from low to high inclusive (high - low below 256).
  int inRange(int low, int high) { return low + byte() % (high - low + 1); }

  template <typename Integer>
  Integer integral() {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(Integer); ++i) bits = (bits << 8) | byte();
    return static_cast<Integer>(bits);
  }

  // Any bit pattern, so NaNs, infinities, subnormals and huge values all occur.
  double anyDouble() {
    const std::uint64_t bits = integral<std::uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  float anyFloat() {
    const std::uint32_t bits = integral<std::uint32_t>();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // Up to maximum bytes, taken as they are (any byte values, NUL included).
  std::string string(std::size_t maximum) {
    const std::size_t wanted = std::min<std::size_t>(byte(), maximum);
    const std::size_t length = std::min(wanted, size_ - std::min(at_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace orvane::testing
