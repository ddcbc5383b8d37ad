// Small text helpers shared by the engine, the steps and the settings import.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace harbo::engine {

// A text value from data as a dialect-1 SQL literal: between double quotes, an embedded double
// quote doubled. Every value that comes from data and goes into SQL text passes through here.
std::string QuotedSqlText(std::string_view value);

// The decimal text of n with a "0" in front when it is one character long: 7 -> "07".
std::string TwoDigitText(int n);

// Bits 0..15 of a 16-bit value; another bit number throws std::out_of_range.
bool BitIsSet(std::uint16_t value, int bit);
std::uint16_t SetBit(std::uint16_t value, int bit, bool on);

// ASCII upper case, as setting names are stored.
std::string UpperCase(std::string_view text);

}  // namespace harbo::engine
