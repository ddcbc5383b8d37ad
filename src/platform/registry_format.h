// The regedit export format ("REGEDIT4" in Windows-1252, "Windows Registry Editor Version 5.00"
// in UTF-16LE): a file split into entries that keep their original bytes, and the few lines a hive
// renders when it changes. Used by RegistryHive only; every text here is UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace harbo::platform::registry_format {

enum class Encoding { kWindows1252, kUtf16Le };

enum class EntryKind { kHeader, kBlank, kComment, kKey, kKeyDeletion, kValue, kValueDeletion };

// The data of a value line in the form the file gives it.
struct ValueData {
  enum class Form { kString, kDword, kHex };
  Form form = Form::kString;
  std::uint32_t type = 1;           // 1 (REG_SZ) for kString, 4 (REG_DWORD) for kDword, n of hex(n)
  std::string text;                 // kString, unescaped
  std::uint32_t dword = 0;          // kDword
  std::vector<std::uint8_t> bytes;  // kHex
};

// One logical line: the header, a blank or comment line, a key line, or a value line together
// with its continuation lines (and the blank or comment lines between them).
struct Entry {
  EntryKind kind = EntryKind::kBlank;
  std::string raw;   // its bytes in the file, line ends included; all entries in order are the file
  std::string eol;   // the line end it ends with: "\r\n", "\n", "\r", or "" at the end of the file
  int line = 0;      // number of its first line
  std::string root;  // kKey, kKeyDeletion: the root name as written
  std::vector<std::string> path;  // kKey, kKeyDeletion: the key names below the root
  std::string name;               // kValue, kValueDeletion: the value name, "" for @
  ValueData data;                 // kValue
};

struct Document {
  Encoding encoding = Encoding::kUtf16Le;
  std::vector<Entry> entries;
};

// The first line that is not as regedit writes it, and why.
class SyntaxError : public std::runtime_error {
 public:
  SyntaxError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Splits a file into entries. Throws SyntaxError for an unknown header, invalid UTF-16 and any
// line that regedit would ignore or import only in part (see registry_hive.h).
Document Parse(std::string_view bytes);

// What regedit writes today before the first key: a UTF-16LE header line with BOM and CRLF.
Document NewDocument();

// Line texts as regedit writes them, without the line end.
std::string KeyLine(std::string_view root, const std::vector<std::string>& path);
std::string StringValueLine(std::string_view name, std::string_view text);
std::string DwordValueLine(std::string_view name, std::uint32_t value);

// The file bytes of a text. Throws std::logic_error for a character a Windows-1252 file cannot
// hold; the hive only writes texts that came from Windows-1252 or from the same file.
std::string Encode(std::string_view text, Encoding encoding);

// The spelling of a predefined root key ("hkey_current_user" -> "HKEY_CURRENT_USER"), or nothing
// for another name; abbreviations such as HKCU are not root names in these files.
std::optional<std::string_view> CanonicalRootName(std::string_view name);

// A name with letter case removed, for comparing key and value names as Windows does (ASCII,
// the letters of Windows-1252, Greek and Cyrillic).
std::string FoldCase(std::string_view text);

// The Windows-1252 bytes of a text, '?' for every character Windows-1252 cannot hold.
std::string ToWindows1252Lossy(std::string_view text);

// The text of a REG_SZ given as hex(1): NUL-terminated UTF-16LE in a UTF-16 file, Windows-1252
// bytes in a REGEDIT4 file. Undecodable units become U+FFFD.
std::string HexStringText(const std::vector<std::uint8_t>& bytes, Encoding encoding);

}  // namespace harbo::platform::registry_format
