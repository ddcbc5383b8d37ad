// harbo-makepicture WIDTH HEIGHT FILE: writes a JPEG picture of that size (a colour gradient), the
// stand-in for a resident's photo in the demonstration installation.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "platform/picture.h"

int main(int argc, char** argv) {
  const int width = argc == 4 ? std::atoi(argv[1]) : 0;
  const int height = argc == 4 ? std::atoi(argv[2]) : 0;
  if (width <= 0 || height <= 0 || width > 8000 || height > 8000) {
    std::cerr << "usage: harbo-makepicture WIDTH HEIGHT FILE  (sides 1 to 8000)\n";
    return 2;
  }
  harbo::platform::RgbPicture picture;
  picture.size = {width, height};
  picture.pixels.resize(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &picture.pixels[(static_cast<std::size_t>(y) * width + x) * 3];
      p[0] = static_cast<unsigned char>(255 * x / width);
      p[1] = static_cast<unsigned char>(255 * y / height);
      p[2] = 160;
    }
  }
  std::ofstream out(argv[3], std::ios::binary);
  out << harbo::platform::EncodeJpeg(picture);
  if (!out) {
    std::cerr << "harbo-makepicture: cannot write " << argv[3] << '\n';
    return 1;
  }
  return 0;
}
