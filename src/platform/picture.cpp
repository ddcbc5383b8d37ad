#include "platform/picture.h"

#include <turbojpeg.h>

#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

#define STB_IMAGE_RESIZE_STATIC
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb/stb_image_resize.h>

namespace harbo::platform {
namespace {

constexpr int kChannels = 3;

struct HandleDeleter {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleDeleter>;

struct TjBufferDeleter {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

const unsigned char* Bytes(std::string_view data) {
  return reinterpret_cast<const unsigned char*>(data.data());
}

std::string LastError(void* handle) { return tjGetErrorStr2(handle); }

JpegResult Refused(std::string why) {
  JpegResult result;
  result.error = std::move(why);
  return result;
}

struct JpegHeader {
  PictureSize size;
  int colorspace = 0;
  bool warning = false;  // the header itself gave a warning the decoder will repeat
};

// The header, or why the data is not a JPEG this module decodes.
std::optional<JpegHeader> ReadHeader(void* handle, std::string_view jpeg, std::string& error) {
  JpegHeader header;
  int subsampling = 0;
  // A warning in the header (an unknown JFIF revision, say) leaves an intact picture.
  const bool failed = jpeg.empty() || tjDecompressHeader3(handle, Bytes(jpeg), jpeg.size(),
                                                          &header.size.width, &header.size.height,
                                                          &subsampling, &header.colorspace) != 0;
  header.warning = failed && !jpeg.empty() && tjGetErrorCode(handle) == TJERR_WARNING;
  if (failed && !header.warning) {
    error = "not a JPEG picture" + (jpeg.empty() ? std::string() : " (" + LastError(handle) + ")");
    return std::nullopt;
  }
  return header;
}

// An APP14 "Adobe" segment: print workflows that write it store CMYK inverted (255 = no ink),
// the convention viewers follow for such files.
bool HasAdobeMarker(std::string_view jpeg) {
  constexpr std::string_view kAdobe("\xFF\xEE", 2);
  for (std::size_t at = jpeg.find(kAdobe); at != std::string_view::npos;
       at = jpeg.find(kAdobe, at + 1)) {
    if (jpeg.substr(at + 4, 5) == "Adobe") return true;
  }
  return false;
}

std::vector<std::uint8_t> CmykToRgb(const std::vector<std::uint8_t>& cmyk, bool inverted) {
  std::vector<std::uint8_t> rgb(cmyk.size() / 4 * kChannels);
  for (std::size_t i = 0, o = 0; i + 3 < cmyk.size(); i += 4) {
    const int k = inverted ? cmyk[i + 3] : 255 - cmyk[i + 3];
    for (int c = 0; c < kChannels; ++c) {
      const int ink = inverted ? cmyk[i + c] : 255 - cmyk[i + c];
      rgb[o++] = static_cast<std::uint8_t>(ink * k / 255);
    }
  }
  return rgb;
}

std::string SizeText(PictureSize size) {
  return std::to_string(size.width) + " x " + std::to_string(size.height) + " pixels";
}

bool WithinLimits(PictureSize size, const PictureLimits& limits, std::string& error) {
  const auto pixels =
      static_cast<std::uint64_t>(size.width) * static_cast<std::uint64_t>(size.height);
  if (size.width <= 0 || size.height <= 0 || pixels > limits.max_pixels) {
    error = "the picture claims " + SizeText(size) + ", above the limit of " +
            std::to_string(limits.max_pixels) + " pixels";
    return false;
  }
  return true;
}

// The decoder can scale by n/8 while it decodes, far cheaper than decoding whole and scaling
// after. The smallest such size that still covers `at_least` on both sides; the full size when
// nothing smaller covers it (an enlargement).
PictureSize DecodeSize(PictureSize full, PictureSize at_least) {
  PictureSize best = full;
  int count = 0;
  const tjscalingfactor* factors = tjGetScalingFactors(&count);
  for (int i = 0; factors != nullptr && i < count; ++i) {
    const tjscalingfactor f = factors[i];
    if (f.num > f.denom) continue;
    const PictureSize scaled{TJSCALED(full.width, f), TJSCALED(full.height, f)};
    if (scaled.width >= at_least.width && scaled.height >= at_least.height &&
        static_cast<long long>(scaled.width) * scaled.height <
            static_cast<long long>(best.width) * best.height) {
      best = scaled;
    }
  }
  return best;
}

std::optional<RgbPicture> Decode(std::string_view jpeg, PictureSize at_least,
                                 const PictureLimits& limits, std::string& error) {
  Handle handle(tjInitDecompress());
  if (!handle) {
    error = "the JPEG decoder cannot start";
    return std::nullopt;
  }
  const auto header = ReadHeader(handle.get(), jpeg, error);
  if (!header || !WithinLimits(header->size, limits, error)) return std::nullopt;
  const bool cmyk = header->colorspace == TJCS_CMYK || header->colorspace == TJCS_YCCK;
  RgbPicture picture;
  picture.size = DecodeSize(header->size, at_least);
  const std::size_t pixel_count =
      static_cast<std::size_t>(picture.size.width) * picture.size.height;
  std::vector<std::uint8_t> decoded(pixel_count * (cmyk ? 4 : kChannels));
  // A warning in the data means a damaged or truncated picture: refused, not shown half grey.
  // A file whose header already warns is decoded through its warnings, but only when it is
  // whole, ending with its end-of-image marker.
  int flags = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (header->warning) {
    if (jpeg.size() < 2 || jpeg.substr(jpeg.size() - 2) != std::string_view("\xFF\xD9", 2)) {
      error = "the JPEG data is damaged (" + LastError(handle.get()) + ")";
      return std::nullopt;
    }
    flags = TJFLAG_LIMITSCANS;
  }
  const int result =
      tjDecompress2(handle.get(), Bytes(jpeg), jpeg.size(), decoded.data(), picture.size.width, 0,
                    picture.size.height, cmyk ? TJPF_CMYK : TJPF_RGB, flags);
  // Without stopping on warnings the decoder still reports them, after decoding everything.
  if (result != 0 && !(header->warning && tjGetErrorCode(handle.get()) == TJERR_WARNING)) {
    error = "the JPEG data is damaged (" + LastError(handle.get()) + ")";
    return std::nullopt;
  }
  picture.pixels = cmyk ? CmykToRgb(decoded, HasAdobeMarker(jpeg)) : std::move(decoded);
  return picture;
}

}  // namespace

JpegResult ReadJpegFile(const std::filesystem::path& file, const PictureLimits& limits) {
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (!std::filesystem::exists(status)) return Refused("the file does not exist");
  if (!std::filesystem::is_regular_file(status)) return Refused("not a regular file");
  const std::uintmax_t bytes = std::filesystem::file_size(file, ec);
  if (ec) return Refused("the file size cannot be read (" + ec.message() + ")");
  if (bytes > limits.max_file_bytes) {
    return Refused("the file has " + std::to_string(bytes) + " bytes, above the limit of " +
                   std::to_string(limits.max_file_bytes));
  }
  JpegResult result;
  result.data.resize(bytes);
  std::ifstream in(file, std::ios::binary);
  if (!in.read(result.data.data(), static_cast<std::streamsize>(bytes)) ||
      in.peek() != std::ifstream::traits_type::eof()) {
    return Refused("the file cannot be read whole");
  }
  Handle handle(tjInitDecompress());
  if (!handle) return Refused("the JPEG decoder cannot start");
  const auto header = ReadHeader(handle.get(), result.data, result.error);
  if (!header) return Refused(result.error);
  if (!WithinLimits(header->size, limits, result.error)) return Refused(result.error);
  result.size = header->size;
  return result;
}

std::optional<PictureSize> JpegHeaderSize(std::string_view jpeg) {
  Handle handle(tjInitDecompress());
  std::string error;
  if (!handle) return std::nullopt;
  const auto header = ReadHeader(handle.get(), jpeg, error);
  if (!header) return std::nullopt;
  return header->size;
}

std::optional<RgbPicture> DecodeJpeg(std::string_view jpeg, const PictureLimits& limits) {
  std::string error;
  const auto full = JpegHeaderSize(jpeg);
  if (!full) return std::nullopt;
  return Decode(jpeg, *full, limits, error);
}

JpegResult ScaleJpeg(std::string_view jpeg, PictureSize target, const PictureLimits& limits) {
  std::string error;
  if (!WithinLimits(target, limits, error)) return Refused("target size: " + error);
  auto source = Decode(jpeg, target, limits, error);
  if (!source) return Refused(error);

  RgbPicture scaled;
  if (source->size == target) {
    scaled = std::move(*source);
  } else {
    scaled.size = target;
    scaled.pixels.resize(static_cast<std::size_t>(target.width) * target.height * kChannels);
    if (!stbir_resize_uint8(source->pixels.data(), source->size.width, source->size.height, 0,
                            scaled.pixels.data(), target.width, target.height, 0, kChannels)) {
      return Refused("the picture cannot be scaled to " + SizeText(target));
    }
  }
  JpegResult result;
  result.data = EncodeJpeg(scaled);
  if (result.data.empty()) return Refused("the scaled picture cannot be encoded");
  result.size = target;
  return result;
}

std::string EncodeJpeg(const RgbPicture& picture, int quality) {
  const PictureSize size = picture.size;
  if (size.width <= 0 || size.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(size.width) * size.height * kChannels) {
    return {};
  }
  Handle handle(tjInitCompress());
  if (!handle) return {};
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  const int failed = tjCompress2(handle.get(), picture.pixels.data(), size.width, 0, size.height,
                                 TJPF_RGB, &buffer, &length, TJSAMP_420, quality, 0);
  std::unique_ptr<unsigned char, TjBufferDeleter> owned(buffer);
  if (failed != 0 || buffer == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(buffer), length);
}

}  // namespace harbo::platform
