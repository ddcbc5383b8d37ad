// A column value of a live query row, as stored: null, integer, floating point, text (also text
// blobs, as Windows-1252 bytes) or date and time.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace harbo::engine {

struct DateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  int fraction = 0;  // 1/10000 of a second, as Firebird keeps it

  // Whole and fractional days since 30 December 1899, the day-number scale of the stored data.
  double ToDayNumber() const;
  static DateTime FromDayNumber(double days);
  // "yyyy-mm-dd hh:mm:ss", the form timestamps take in SQL text.
  std::string ToSqlText() const;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string, DateTime>;

inline bool IsNull(const FieldValue& v) { return std::holds_alternative<std::monostate>(v); }

// Conversions of the row-access operations "as integer" and "as text": null gives 0 or "". They
// throw DatabaseError where the value cannot be converted (a text that is not a number).
std::int64_t ValueAsInteger(const FieldValue& v);
std::string ValueAsText(const FieldValue& v);

}  // namespace harbo::engine
