#include "engine/upgrade_log.h"

#include "platform/text_encoding.h"

namespace harbo::engine {
namespace {

// Continuation lines of an entry are indented so that each entry starts at the left margin.
std::string Indented(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    out += c;
    if (c == '\n') out += "        ";
  }
  return out;
}

}  // namespace

void UpgradeLog::Note(std::string_view text) { Write(Indented(platform::Windows1252ToUtf8(text))); }

void UpgradeLog::Statement(std::string_view sql, bool ok, std::string_view error) {
  std::string entry = ok ? "ok      " : "FAILED  ";
  entry += Indented(platform::Windows1252ToUtf8(sql));
  if (!ok && !error.empty()) {
    entry += "\n        error: " + Indented(platform::Windows1252ToUtf8(error));
  }
  Write(entry);
}

FileUpgradeLog::FileUpgradeLog(const std::string& path) : out_(path, std::ios::app) {}

void FileUpgradeLog::Write(const std::string& utf8_entry) {
  out_ << utf8_entry << '\n';
  out_.flush();
}

std::unique_ptr<UpgradeLog> OpenUpgradeLog(const std::string& file) {
  if (file.empty()) return std::make_unique<NullUpgradeLog>();
  auto log = std::make_unique<FileUpgradeLog>(file);
  if (!log->IsOpen()) return nullptr;
  return log;
}

bool RecordingUpgradeLog::Contains(std::string_view fragment) const {
  for (const auto& e : entries_) {
    if (e.find(fragment) != std::string::npos) return true;
  }
  return false;
}

}  // namespace harbo::engine
