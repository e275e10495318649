#pragma once

#include <string>
#include <vector>

namespace orvane::testing {

// A private temporary folder holding the images the recognition tests read, drawn with
// ImageMagick from the DejaVu and Noto CJK fonts when first asked for. Removed at exit.
class OCRFixtures {
 public:
  static const OCRFixtures& get();

  std::string path(const std::string& name) const { return directory_ + "/" + name; }
  const std::string& directory() const { return directory_; }

  // Writes bytes to a new file in the folder and returns its path.
  std::string write(const std::string& name, const std::string& bytes) const;

  ~OCRFixtures();

 private:
  OCRFixtures();
  void draw(const std::string& name, const std::vector<std::string>& convertArguments) const;
  void makeImages() const;

  std::string directory_;
};

}  // namespace orvane::testing
