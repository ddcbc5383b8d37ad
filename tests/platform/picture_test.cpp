// Object pictures: scaling to a size, and the files and data that must be refused unharmed.
#include "platform/picture.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace harbo::platform {
namespace {

struct Rgb {
  int r, g, b;
};
constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

// Four coloured quarters: a scaled picture that is cropped, mirrored, turned or mangled in its
// rows shows the wrong colour in some quarter.
RgbPicture Quarters(PictureSize size) {
  RgbPicture picture{size, std::vector<std::uint8_t>(std::size_t(size.width) * size.height * 3)};
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const bool right = x >= size.width / 2, bottom = y >= size.height / 2;
      const Rgb c = bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed);
      std::uint8_t* p = &picture.pixels[(std::size_t(y) * size.width + x) * 3];
      p[0] = std::uint8_t(c.r), p[1] = std::uint8_t(c.g), p[2] = std::uint8_t(c.b);
    }
  }
  return picture;
}

// Pixels that compress badly, so that a cut file loses real picture data.
RgbPicture Noise(PictureSize size) {
  RgbPicture picture{size, std::vector<std::uint8_t>(std::size_t(size.width) * size.height * 3)};
  std::uint32_t state = 12345;
  for (auto& byte : picture.pixels) {
    state = state * 1103515245u + 12345u;
    byte = std::uint8_t(state >> 24);
  }
  return picture;
}

void ExpectColourNear(const RgbPicture& picture, int x, int y, Rgb expected) {
  const std::uint8_t* p = &picture.pixels[(std::size_t(y) * picture.size.width + x) * 3];
  SCOPED_TRACE("pixel " + std::to_string(x) + "," + std::to_string(y));
  EXPECT_NEAR(p[0], expected.r, 40);
  EXPECT_NEAR(p[1], expected.g, 40);
  EXPECT_NEAR(p[2], expected.b, 40);
}

// `jpeg` with the size in its frame header replaced: what a hostile or broken file may claim.
std::string WithClaimedSize(std::string jpeg, int width, int height) {
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (std::uint8_t(jpeg[i]) == 0xFF && (std::uint8_t(jpeg[i + 1]) & 0xF0) == 0xC0 &&
        std::uint8_t(jpeg[i + 1]) != 0xC4 && std::uint8_t(jpeg[i + 1]) != 0xC8) {
      jpeg[i + 5] = char(height >> 8), jpeg[i + 6] = char(height & 0xFF);
      jpeg[i + 7] = char(width >> 8), jpeg[i + 8] = char(width & 0xFF);
      return jpeg;
    }
  }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

TEST(PictureTest, ScalesStretchedToTheTargetSize) {
  const struct {
    PictureSize source, target;
  } kCases[] = {
      {{1000, 500}, {494, 247}},   // reduced
      {{300, 600}, {185, 370}},    // reduced, higher than wide
      {{100, 100}, {494, 494}},    // enlarged
      {{2000, 1500}, {494, 370}},  // decoded at a quarter, then scaled
      {{494, 370}, {494, 370}},    // the same size
      {{640, 480}, {200, 600}},    // stretched out of proportion
      {{3, 2000}, {1, 370}},       // a sliver
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.source.width) + "x" + std::to_string(c.source.height));
    const JpegResult scaled = ScaleJpeg(EncodeJpeg(Quarters(c.source)), c.target);
    ASSERT_TRUE(scaled.ok()) << scaled.error;
    EXPECT_EQ(scaled.size, c.target);
    EXPECT_EQ(JpegHeaderSize(scaled.data), c.target);
    const auto pixels = DecodeJpeg(scaled.data);
    ASSERT_TRUE(pixels.has_value());
    if (c.target.width < 16 || c.target.height < 16) continue;
    const int w = c.target.width, h = c.target.height;
    ExpectColourNear(*pixels, w / 4, h / 4, kRed);
    ExpectColourNear(*pixels, 3 * w / 4, h / 4, kGreen);
    ExpectColourNear(*pixels, w / 4, 3 * h / 4, kBlue);
    ExpectColourNear(*pixels, 3 * w / 4, 3 * h / 4, kWhite);
  }
}

// Print workflows write CMYK with an Adobe marker, inverted (255 = no ink); the encoder here
// writes that marker too. Left half: no ink (white); right half: full cyan.
TEST(PictureTest, ConvertsCmykPictures) {
  const int width = 64, height = 32;
  std::vector<std::uint8_t> cmyk(std::size_t(width) * height * 4, 255);
  for (int y = 0; y < height; ++y) {
    for (int x = width / 2; x < width; ++x) cmyk[(std::size_t(y) * width + x) * 4] = 0;
  }
  tjhandle handle = tjInitCompress();
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  ASSERT_EQ(tjCompress2(handle, cmyk.data(), width, 0, height, TJPF_CMYK, &buffer, &length,
                        TJSAMP_444, 95, 0),
            0);
  const std::string jpeg(reinterpret_cast<const char*>(buffer), length);
  tjFree(buffer);
  tjDestroy(handle);

  const auto picture = DecodeJpeg(jpeg);
  ASSERT_TRUE(picture.has_value());
  ExpectColourNear(*picture, 8, 16, {255, 255, 255});
  ExpectColourNear(*picture, 56, 16, {0, 255, 255});
  const JpegResult scaled = ScaleJpeg(jpeg, {32, 16});
  EXPECT_TRUE(scaled.ok()) << scaled.error;
}

// A header warning (here an unknown JFIF revision) does not make an intact picture unreadable.
TEST(PictureTest, AcceptsHeaderWarnings) {
  std::string jpeg = EncodeJpeg(Quarters({64, 48}));
  const std::size_t jfif = jpeg.find(std::string("JFIF\0", 5));
  ASSERT_NE(jfif, std::string::npos);
  jpeg[jfif + 5] = 2;  // major revision
  EXPECT_EQ(JpegHeaderSize(jpeg), (PictureSize{64, 48}));
  const JpegResult scaled = ScaleJpeg(jpeg, {32, 24});
  EXPECT_TRUE(scaled.ok()) << scaled.error;
  // The same file cut short is still refused.
  EXPECT_FALSE(ScaleJpeg(jpeg.substr(0, jpeg.size() / 2), {32, 24}).ok());
}

TEST(PictureTest, RefusesDataItCannotScaleSafely) {
  const std::string good = EncodeJpeg(Noise({300, 200}));
  ASSERT_FALSE(good.empty());
  const struct {
    const char* name;
    std::string data;
    PictureSize target;
    const char* error;
  } kCases[] = {
      {"empty", "", {494, 329}, "not a JPEG"},
      {"text", "GIF89a, or anything else", {494, 329}, "not a JPEG"},
      {"truncated", good.substr(0, good.size() * 6 / 10), {494, 329}, "damaged"},
      {"claims 3.6 gigapixels", WithClaimedSize(good, 60000, 60000), {494, 494}, "above the limit"},
      {"target without pixels", good, {0, 329}, "target size"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const JpegResult scaled = ScaleJpeg(c.data, c.target);
    EXPECT_FALSE(scaled.ok());
    EXPECT_TRUE(scaled.data.empty());
    EXPECT_NE(scaled.error.find(c.error), std::string::npos) << scaled.error;
  }
}

class PictureFileTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& name, const std::string& data) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << data;
    return path;
  }
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("harbo_picture_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(PictureFileTest, ReadsAJpegFileWithItsSize) {
  const std::string jpeg = EncodeJpeg(Quarters({320, 240}));
  const JpegResult read = ReadJpegFile(Write("aino.jpg", jpeg));
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.data, jpeg);
  EXPECT_EQ(read.size, (PictureSize{320, 240}));
}

TEST_F(PictureFileTest, RefusesFilesBeforeReadingOrDecodingThem) {
  const std::string jpeg = EncodeJpeg(Noise({200, 100}));
  PictureLimits small;
  small.max_file_bytes = 1000;
  PictureLimits few_pixels;
  few_pixels.max_pixels = 19'999;
  const struct {
    const char* name;
    std::filesystem::path file;
    PictureLimits limits;
    const char* error;
  } kCases[] = {
      {"missing", folder_ / "missing.jpg", {}, "does not exist"},
      {"folder", folder_, {}, "not a regular file"},
      {"device", "/dev/zero", {}, "not a regular file"},
      {"too many bytes", Write("big.jpg", jpeg), small, "above the limit of 1000"},
      {"too many pixels", Write("wide.jpg", jpeg), few_pixels, "above the limit of 19999 pixels"},
      {"claims 3.6 gigapixels",
       Write("huge.jpg", WithClaimedSize(jpeg, 60000, 60000)),
       {},
       "60000 x 60000"},
      {"empty", Write("empty.jpg", ""), {}, "not a JPEG"},
      {"text", Write("notes.jpg", "Aino's picture is in the cupboard"), {}, "not a JPEG"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const JpegResult read = ReadJpegFile(c.file, c.limits);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.data.empty());
    EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
  }
}

}  // namespace
}  // namespace harbo::platform
