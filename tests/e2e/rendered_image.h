// Pictures as a real renderer draws them: SVG through rsvg-convert, pages through headless
// Chromium, both read back as pixels with libpng.
#pragma once

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A test that draws with a renderer says so first: where it is not installed (the build found
// none), the test is skipped, with the reason, never passed.
#define PELVANO_NEEDS_RENDERER(program, name) \
  if (std::string(program).empty()) GTEST_SKIP() << name << " is not installed"

namespace pelvano::test {

struct Colour {
  std::uint8_t red, green, blue;
  bool operator==(const Colour&) const = default;
};

inline Colour colourOf(const std::string& hex) {  // "#rrggbb"
  const auto channel = [&](std::size_t at) {
    return static_cast<std::uint8_t>(std::stoi(hex.substr(at, 2), nullptr, 16));
  };
  return {channel(1), channel(3), channel(5)};
}

// The arguments that make headless Chromium, as root and with no network, save a screenshot
// of `url` at `shot`; `profile` is a folder of its own for the browser.
inline std::vector<std::string> screenshotArguments(const std::filesystem::path& profile,
                                                    const std::string& windowSize,
                                                    const std::filesystem::path& shot,
                                                    const std::string& url) {
  return {"--headless",
          "--no-sandbox",
          "--disable-gpu",
          "--disable-quic",
          "--no-first-run",
          "--disable-background-networking",
          "--disable-component-update",
          "--disable-sync",
          "--user-data-dir=" + profile.string(),
          "--window-size=" + windowSize,
          "--screenshot=" + shot.string(),
          url};
}

class Image {
 public:
  // An empty image if the file is no PNG.
  explicit Image(const std::filesystem::path& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, png.c_str())) return;
    image.format = PNG_FORMAT_RGB;
    pixels_.resize(PNG_IMAGE_SIZE(image));
    png_color white{255, 255, 255};
    if (!png_image_finish_read(&image, &white, pixels_.data(), 0, nullptr)) {
      pixels_.clear();
      return;
    }
    width_ = static_cast<int>(image.width);
    height_ = static_cast<int>(image.height);
  }
  int width() const { return width_; }
  int height() const { return height_; }
  Colour at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                           static_cast<std::size_t>(x)) *
                          3;
    return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace pelvano::test
