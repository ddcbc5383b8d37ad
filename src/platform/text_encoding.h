// Texts in memory and in the database are Windows-1252 bytes; source files and the terminal are
// UTF-8. These two functions are the only crossing between the two.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harbo::platform {

// The Windows-1252 bytes of a UTF-8 text, or nothing when the text is not valid UTF-8 or holds a
// character that Windows-1252 cannot store.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// Like Utf8ToWindows1252 for texts the program itself carries (SQL and message literals): a text
// that does not fit is a programming error and throws std::invalid_argument naming it.
std::string Cp1252(std::string_view utf8);

// The UTF-8 form of Windows-1252 bytes. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control characters of the same number, so nothing is lost.
std::string Windows1252ToUtf8(std::string_view cp1252);

// Appends the UTF-8 form of one Unicode code point.
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace harbo::platform
