#include "platform/registry_format.h"

#include <array>
#include <cstddef>
#include <utility>

#include "platform/text_encoding.h"

namespace harbo::platform::registry_format {
namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::array<std::string_view, 6> kRootNames = {"HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                                        "HKEY_CLASSES_ROOT",  "HKEY_CURRENT_CONFIG",
                                                        "HKEY_CURRENT_USER",  "HKEY_DYN_DATA"};

// ---- Code points --------------------------------------------------------------------------------

// The code point of the UTF-8 sequence at text[i], advancing i past it. The texts of this module
// are valid UTF-8; a broken sequence still yields U+FFFD rather than reading past the end.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  const int extra = lead < 0x80           ? 0
                    : (lead >> 5) == 0x6  ? 1
                    : (lead >> 4) == 0xE  ? 2
                    : (lead >> 3) == 0x1E ? 3
                                          : -1;
  if (extra < 0 || i + extra > text.size()) return 0xFFFD;
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  return c;
}

char32_t FoldCodePoint(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;     // Latin-1 letters
  if (c == 0x152 || c == 0x160 || c == 0x17D) return c + 1;     // OE, S and Z with caron
  if (c == 0x178) return 0xFF;                                  // Y with diaeresis
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// ---- Physical lines -----------------------------------------------------------------------------

struct PhysicalLine {
  std::string text;  // without the line end
  std::string raw;   // file bytes, line end included
  std::string eol;
  int number = 0;
};

// CRLF, LF and a lone CR each end a line, as in regedit; the last line may lack one.
std::vector<PhysicalLine> SplitWindows1252(std::string_view bytes) {
  std::vector<PhysicalLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    std::size_t next = end;
    if (next < bytes.size()) next += bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    PhysicalLine line;
    line.number = static_cast<int>(lines.size()) + 1;
    const std::string_view content = bytes.substr(start, end - start);
    if (content.find('\0') != std::string_view::npos) {
      throw SyntaxError(line.number, "NUL character in the text");
    }
    line.text = Windows1252ToUtf8(content);
    line.raw = std::string(bytes.substr(start, next - start));
    line.eol = std::string(bytes.substr(end, next - end));
    lines.push_back(std::move(line));
    start = next;
  }
  return lines;
}

// `bytes` starts with the BOM, which stays in the raw bytes of the first line.
std::vector<PhysicalLine> SplitUtf16(std::string_view bytes) {
  std::vector<PhysicalLine> lines;
  const auto unit_at = [&](std::size_t k) -> char32_t {
    return static_cast<unsigned char>(bytes[k]) | static_cast<unsigned char>(bytes[k + 1]) << 8;
  };
  PhysicalLine line;
  line.number = 1;
  std::size_t start = 0;
  std::size_t i = 2;
  const auto finish = [&](std::string eol) {
    line.raw = std::string(bytes.substr(start, i - start));
    line.eol = std::move(eol);
    const int number = line.number;
    lines.push_back(std::move(line));
    line = PhysicalLine();
    line.number = number + 1;
    start = i;
  };
  while (i < bytes.size()) {
    if (i + 1 == bytes.size()) {
      throw SyntaxError(line.number, "invalid UTF-16: the file ends in the middle of a character");
    }
    char32_t c = unit_at(i);
    i += 2;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < bytes.size() && unit_at(i) == '\n') {
        i += 2;
        finish("\r\n");
      } else {
        finish(c == '\r' ? "\r" : "\n");
      }
      continue;
    }
    if (IsHighSurrogate(c) && i + 1 < bytes.size() && IsLowSurrogate(unit_at(i))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit_at(i) - 0xDC00);
      i += 2;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      throw SyntaxError(line.number, "invalid UTF-16: a lone surrogate");
    }
    if (c == 0) throw SyntaxError(line.number, "NUL character in the text");
    AppendUtf8(line.text, c);
  }
  if (start < bytes.size()) finish("");
  return lines;
}

// ---- Parsing one line ---------------------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A position in one line's text, with the line number for errors.
struct Cursor {
  std::string_view text;
  std::size_t pos = 0;
  int line = 0;

  bool AtEnd() const { return pos >= text.size(); }
  char Peek() const { return AtEnd() ? '\0' : text[pos]; }
  std::string_view Rest() const { return text.substr(pos); }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text[pos])) ++pos;
  }
  bool Consume(std::string_view prefix) {
    if (Rest().substr(0, prefix.size()) != prefix) return false;
    pos += prefix.size();
    return true;
  }
  [[noreturn]] void Fail(const std::string& message) const { throw SyntaxError(line, message); }
  // Data is complete: only blanks or a ';' comment may follow.
  void ExpectEnd(std::string_view what) {
    SkipBlanks();
    if (!AtEnd() && Peek() != ';') {
      Fail("unexpected text after " + std::string(what) + ": \"" + std::string(Rest()) + "\"");
    }
  }
};

// A quoted text starting at the opening quote, unescaped. regedit writes \\ and \", and the
// escapes \n and \r stand for line breaks. Any other escape (say "C:\Temp" written by hand)
// would lose its backslash on import, so it is an error here.
std::string ParseQuoted(Cursor& cur, std::string_view what) {
  ++cur.pos;  // the opening quote
  std::string out;
  while (true) {
    if (cur.AtEnd()) cur.Fail("unterminated " + std::string(what) + " (it must end on its line)");
    const char c = cur.text[cur.pos++];
    if (c == '"') return out;
    if (c != '\\') {
      out += c;
      continue;
    }
    const char escaped = cur.Peek();
    switch (escaped) {
      case '\\':
      case '"':
        out += escaped;
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        cur.Fail("unknown escape \\" + std::string(1, escaped) + " in " + std::string(what) +
                 " (write a backslash as \\\\)");
    }
    ++cur.pos;
  }
}

class Parser {
 public:
  explicit Parser(std::vector<PhysicalLine> lines) : lines_(std::move(lines)) {}

  std::vector<Entry> Run() {
    std::vector<Entry> entries;
    entries.push_back(Header());
    while (next_ < lines_.size()) entries.push_back(NextEntry());
    return entries;
  }

 private:
  Entry Header() {
    const PhysicalLine& line = lines_[next_++];
    const std::string_view text = TrimBlanks(line.text);
    if (text != kHeader4 && text != kHeader5) {
      throw SyntaxError(line.number, "not a regedit file: the first line must be \"" +
                                         std::string(kHeader4) + "\" or \"" +
                                         std::string(kHeader5) + "\"");
    }
    return StartEntry(EntryKind::kHeader, line);
  }

  static Entry StartEntry(EntryKind kind, const PhysicalLine& line) {
    Entry entry;
    entry.kind = kind;
    entry.raw = line.raw;
    entry.eol = line.eol;
    entry.line = line.number;
    return entry;
  }

  Entry NextEntry() {
    const PhysicalLine& line = lines_[next_++];
    Cursor cur{line.text, 0, line.number};
    cur.SkipBlanks();
    if (cur.AtEnd()) return StartEntry(EntryKind::kBlank, line);
    switch (cur.Peek()) {
      case ';':
        return StartEntry(EntryKind::kComment, line);
      case '[':
        return KeyEntry(line, cur);
      case '@':
      case '"':
        return ValueEntry(line, cur);
      default:
        cur.Fail("unexpected text: a line starts with '[', '\"', '@' or ';'");
    }
  }

  Entry KeyEntry(const PhysicalLine& line, Cursor& cur) {
    ++cur.pos;
    const bool deletion = cur.Consume("-");
    Entry entry = StartEntry(deletion ? EntryKind::kKeyDeletion : EntryKind::kKey, line);
    if (cur.AtEnd() || IsBlank(cur.Peek())) cur.Fail("a key name must follow '[' directly");
    // Key names may hold ']', so the name runs to the last one on the line.
    const std::size_t close = cur.text.rfind(']');
    if (close == std::string_view::npos || close < cur.pos) {
      cur.Fail("key line without a closing ']'");
    }
    std::string_view name = cur.text.substr(cur.pos, close - cur.pos);
    cur.pos = close + 1;
    cur.ExpectEnd("the key name");

    entry.root = std::string(name.substr(0, name.find('\\')));
    if (!CanonicalRootName(entry.root)) cur.Fail("unknown root key \"" + entry.root + "\"");
    // Empty names ("a\\b", a trailing backslash) name no key of their own.
    for (std::size_t at = name.find('\\'); at != std::string_view::npos;) {
      const std::size_t end = name.find('\\', at + 1);
      const std::string_view part = name.substr(at + 1, end - (at + 1));
      if (!part.empty()) entry.path.emplace_back(part);
      at = end;
    }
    if (deletion && entry.path.empty()) cur.Fail("a root key cannot be deleted");
    in_key_ = !deletion;
    return entry;
  }

  Entry ValueEntry(const PhysicalLine& line, Cursor& cur) {
    if (!in_key_) {
      cur.Fail("value line outside a key (no key line before it, or after a key deletion)");
    }
    Entry entry = StartEntry(EntryKind::kValue, line);
    if (cur.Consume("@")) {
      entry.name.clear();
    } else {
      entry.name = ParseQuoted(cur, "value name");
    }
    cur.SkipBlanks();
    if (!cur.Consume("=")) cur.Fail("missing '=' after the value name");
    cur.SkipBlanks();

    ValueData& data = entry.data;
    if (cur.Consume("-")) {
      entry.kind = EntryKind::kValueDeletion;
      cur.ExpectEnd("'-'");
    } else if (cur.Peek() == '"') {
      data.form = ValueData::Form::kString;
      data.type = 1;
      data.text = ParseQuoted(cur, "string");
      cur.ExpectEnd("the string");
    } else if (cur.Consume("dword:")) {
      data.form = ValueData::Form::kDword;
      data.type = 4;
      data.dword = ParseDword(cur);
    } else if (cur.Consume("hex")) {
      data.form = ValueData::Form::kHex;
      data.type = cur.Peek() == '(' ? ParseHexType(cur) : 3;
      if (!cur.Consume(":")) cur.Fail("expected ':' after hex");
      ParseHexList(cur, entry);
    } else {
      cur.Fail("unknown data type: \"" + std::string(cur.Rest()) +
               "\" (expected a string, dword:, hex: or hex(n):)");
    }
    return entry;
  }

  // regedit writes exactly eight digits; a shorter or longer number is a hand edit gone wrong.
  static std::uint32_t ParseDword(Cursor& cur) {
    std::uint32_t value = 0;
    std::size_t digits = 0;
    while (HexDigit(cur.Peek()) >= 0) {
      value = (value << 4) | static_cast<std::uint32_t>(HexDigit(cur.Peek()));
      ++cur.pos;
      ++digits;
    }
    if (digits != 8) cur.Fail("a dword needs exactly 8 hex digits");
    cur.ExpectEnd("the dword");
    return value;
  }

  static std::uint32_t ParseHexType(Cursor& cur) {
    ++cur.pos;  // '('
    std::uint32_t type = 0;
    std::size_t digits = 0;
    while (HexDigit(cur.Peek()) >= 0 && digits < 8) {
      type = (type << 4) | static_cast<std::uint32_t>(HexDigit(cur.Peek()));
      ++cur.pos;
      ++digits;
    }
    if (digits == 0 || !cur.Consume(")")) cur.Fail("bad value type in hex(...)");
    return type;
  }

  // Comma-separated bytes of one or two hex digits; ",\" at the end of a line continues the list
  // on the next non-blank, non-comment line. Consumed lines join the entry.
  void ParseHexList(Cursor& cur, Entry& entry) {
    bool need_byte = false;  // after a comma
    while (true) {
      cur.SkipBlanks();
      if (cur.Peek() == '\\') {
        ++cur.pos;
        cur.ExpectEnd("'\\'");
        cur = ContinuationLine(cur.line, entry);
        need_byte = true;
        continue;
      }
      if (cur.AtEnd() || cur.Peek() == ';') {
        if (need_byte) cur.Fail("missing hex byte after ','");
        return;
      }
      const std::size_t start = cur.pos;
      int value = 0;
      for (; HexDigit(cur.Peek()) >= 0; ++cur.pos) {
        if (cur.pos - start < 2) value = value * 16 + HexDigit(cur.Peek());
      }
      const std::string_view token = cur.text.substr(start, cur.pos - start);
      if (token.empty() || token.size() > 2) {
        const std::size_t end = cur.text.find_first_of(",; \t\\", start + 1);
        cur.Fail("bad hex byte \"" + std::string(cur.text.substr(start, end - start)) + "\"");
      }
      cur.SkipBlanks();
      if (!cur.AtEnd() && cur.Peek() != ',' && cur.Peek() != ';') {
        cur.Fail("expected ',' after hex byte \"" + std::string(token) + "\"");
      }
      entry.data.bytes.push_back(static_cast<std::uint8_t>(value));
      need_byte = cur.Consume(",");
    }
  }

  Cursor ContinuationLine(int backslash_line, Entry& entry) {
    while (next_ < lines_.size()) {
      const PhysicalLine& line = lines_[next_++];
      entry.raw += line.raw;
      entry.eol = line.eol;
      Cursor cur{line.text, 0, line.number};
      cur.SkipBlanks();
      if (cur.AtEnd() || cur.Peek() == ';') continue;  // regedit skips these inside hex data
      if (HexDigit(cur.Peek()) < 0) cur.Fail("a continuation line must start with a hex byte");
      return cur;
    }
    throw SyntaxError(backslash_line, "hex data continues past the end of the file");
  }

  std::vector<PhysicalLine> lines_;
  std::size_t next_ = 0;
  bool in_key_ = false;  // a key line is open, so value lines have a key
};

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string NameField(std::string_view name) {
  return name.empty() ? std::string("@") : "\"" + Escape(name) + "\"";
}

}  // namespace

Document Parse(std::string_view bytes) {
  Document document;
  const bool utf16 = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
  document.encoding = utf16 ? Encoding::kUtf16Le : Encoding::kWindows1252;
  std::vector<PhysicalLine> lines = utf16 ? SplitUtf16(bytes) : SplitWindows1252(bytes);
  if (lines.empty()) {
    throw SyntaxError(1, "not a regedit file: the file is empty");
  }
  document.entries = Parser(std::move(lines)).Run();
  return document;
}

Document NewDocument() {
  Document document;
  document.encoding = Encoding::kUtf16Le;
  Entry header;
  header.kind = EntryKind::kHeader;
  header.eol = "\r\n";
  header.line = 1;
  header.raw = "\xFF\xFE" + Encode(std::string(kHeader5) + header.eol, Encoding::kUtf16Le);
  document.entries.push_back(std::move(header));
  return document;
}

std::string KeyLine(std::string_view root, const std::vector<std::string>& path) {
  std::string line = "[" + std::string(root);
  for (const std::string& name : path) line += "\\" + name;
  return line + "]";
}

std::string StringValueLine(std::string_view name, std::string_view text) {
  return NameField(name) + "=\"" + Escape(text) + "\"";
}

std::string DwordValueLine(std::string_view name, std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) hex[i] = kDigits[value & 0xF];
  return NameField(name) + "=dword:" + hex;
}

std::string Encode(std::string_view text, Encoding encoding) {
  if (encoding == Encoding::kWindows1252) {
    std::optional<std::string> bytes = Utf8ToWindows1252(text);
    if (!bytes) throw std::logic_error("text does not fit a REGEDIT4 file: " + std::string(text));
    return *std::move(bytes);
  }
  std::string out;
  const auto put = [&out](char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  };
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

std::optional<std::string_view> CanonicalRootName(std::string_view name) {
  for (std::string_view root : kRootNames) {
    if (FoldCase(name) == FoldCase(root)) return root;
  }
  return std::nullopt;
}

std::string FoldCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) AppendUtf8(out, FoldCodePoint(NextCodePoint(text, i)));
  return out;
}

std::string ToWindows1252Lossy(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    NextCodePoint(text, i);
    const std::optional<std::string> byte = Utf8ToWindows1252(text.substr(start, i - start));
    out += byte ? *byte : "?";
  }
  return out;
}

std::string HexStringText(const std::vector<std::uint8_t>& bytes, Encoding encoding) {
  std::string out;
  if (encoding == Encoding::kWindows1252) {
    std::string ansi;
    for (std::uint8_t b : bytes) {
      if (b == 0) break;
      ansi += static_cast<char>(b);
    }
    return Windows1252ToUtf8(ansi);
  }
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t c = bytes[i] | bytes[i + 1] << 8;
    if (c == 0) break;
    if (IsHighSurrogate(c) && i + 3 < bytes.size() &&
        IsLowSurrogate(bytes[i + 2] | bytes[i + 3] << 8)) {
      c = 0x10000 + ((c - 0xD800) << 10) + ((bytes[i + 2] | bytes[i + 3] << 8) - 0xDC00);
      i += 2;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace harbo::platform::registry_format
