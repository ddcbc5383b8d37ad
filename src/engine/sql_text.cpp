#include "engine/sql_text.h"

#include <array>
#include <stdexcept>

namespace harbo::engine {
namespace {

constexpr std::array<std::uint16_t, 16> kBitMasks = {1,    2,    4,    8,     16,    32,
                                                     64,   128,  256,  512,   1024,  2048,
                                                     4096, 8192, 16384, 32768};

std::uint16_t Mask(int bit) {
  if (bit < 0 || bit >= static_cast<int>(kBitMasks.size())) {
    throw std::out_of_range("bit number " + std::to_string(bit) + " is outside 0..15");
  }
  return kBitMasks[bit];
}

}  // namespace

std::string QuotedSqlText(std::string_view value) {
  std::string out = "\"";
  for (char c : value) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

std::string TwoDigitText(int n) {
  std::string text = std::to_string(n);
  return text.size() == 1 ? "0" + text : text;
}

bool BitIsSet(std::uint16_t value, int bit) { return (value & Mask(bit)) != 0; }

std::uint16_t SetBit(std::uint16_t value, int bit, bool on) {
  return on ? static_cast<std::uint16_t>(value | Mask(bit))
            : static_cast<std::uint16_t>(value & ~Mask(bit));
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace harbo::engine
