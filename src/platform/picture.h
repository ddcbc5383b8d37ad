// Object pictures: JPEG files read within limits, decoded, drawn stretched onto a bitmap of another
// size and encoded again. A picture file is data from outside (a path stored in the database), so
// nothing here trusts it: the file size and the JPEG header are checked before any pixel memory is
// reserved, and a bad file gives a result with the reason instead of an exception.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harbo::platform {

struct PictureSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// What one picture may cost. A file or a header above these is refused unread or undecoded.
struct PictureLimits {
  std::uintmax_t max_file_bytes = 50ull * 1024 * 1024;
  std::uint64_t max_pixels = 40'000'000;
};

// The quality of "encode with the default settings"; chroma is subsampled 2x2.
inline constexpr int kDefaultJpegQuality = 90;

// JPEG data and the picture size its header gives, or why there is none.
struct JpegResult {
  std::string data;
  PictureSize size;
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// Pixels with 3 bytes (red, green, blue) each, rows top-down without padding.
struct RgbPicture {
  PictureSize size;
  std::vector<std::uint8_t> pixels;
};

// The content of a JPEG file. Refused: a missing file or one that is not a regular file (a
// folder, a device), a file above limits.max_file_bytes, data that is not a JPEG, a header that
// claims more than limits.max_pixels.
JpegResult ReadJpegFile(const std::filesystem::path& file, const PictureLimits& limits = {});

// The size in the header of `jpeg`; nothing when it is not a JPEG.
std::optional<PictureSize> JpegHeaderSize(std::string_view jpeg);

// `jpeg` decoded, drawn stretched onto `target` (both sides at least 1 pixel) and encoded with
// kDefaultJpegQuality. A JPEG that is damaged or truncated (any decoder warning in its data) or
// above the limits is refused. CMYK pictures are converted to RGB.
JpegResult ScaleJpeg(std::string_view jpeg, PictureSize target, const PictureLimits& limits = {});

// The pixels of `jpeg` (CMYK converted to RGB), or nothing when it cannot be decoded whole.
std::optional<RgbPicture> DecodeJpeg(std::string_view jpeg, const PictureLimits& limits = {});

// `picture` as JPEG data; empty when it cannot be encoded (a size of 0, too few pixels).
std::string EncodeJpeg(const RgbPicture& picture, int quality = kDefaultJpegQuality);

}  // namespace harbo::platform
