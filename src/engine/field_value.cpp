#include "engine/field_value.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/database_error.h"

namespace harbo::engine {
namespace {

// Days from 1 January 1970 for a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// 30 December 1899 counted from 1 January 1970.
constexpr std::int64_t kDayZero = -25569;

}  // namespace

double DateTime::ToDayNumber() const {
  const double days = static_cast<double>(DaysFromCivil(year, month, day) - kDayZero);
  const double time = (hour * 3600.0 + minute * 60.0 + second + fraction / 10000.0) / 86400.0;
  return days + time;  // day numbers before day 0 are not used by the stored data
}

DateTime DateTime::FromDayNumber(double days) {
  DateTime t;
  const double whole = std::floor(days);
  std::int64_t ticks = std::llround((days - whole) * 86400.0 * 10000.0);
  std::int64_t day = static_cast<std::int64_t>(whole);
  if (ticks >= 86400LL * 10000) {
    ticks -= 86400LL * 10000;
    ++day;
  }
  CivilFromDays(day + kDayZero, t.year, t.month, t.day);
  t.hour = static_cast<int>(ticks / (3600LL * 10000));
  t.minute = static_cast<int>(ticks / (60LL * 10000) % 60);
  t.second = static_cast<int>(ticks / 10000 % 60);
  t.fraction = static_cast<int>(ticks % 10000);
  return t;
}

std::string DateTime::ToSqlText() const {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute,
                second);
  return text;
}

std::int64_t ValueAsInteger(const FieldValue& v) {
  if (IsNull(v)) return 0;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* d = std::get_if<double>(&v)) return std::llround(*d);
  if (const auto* s = std::get_if<std::string>(&v)) {
    std::string_view text(*s);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
      throw DatabaseError("'" + *s + "' is not a valid integer value");
    }
    return n;
  }
  return static_cast<std::int64_t>(std::floor(std::get<DateTime>(v).ToDayNumber()));
}

std::string ValueAsText(const FieldValue& v) {
  if (IsNull(v)) return {};
  if (const auto* i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&v)) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", *d);
    return text;
  }
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  return std::get<DateTime>(v).ToSqlText();
}

}  // namespace harbo::engine
