// The upgrade log: every statement the upgrade runs, its outcome and, when it fails, the server's
// error text. Steps ignore most statement results; support reads this afterwards to see why.
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace harbo::engine {

class UpgradeLog {
 public:
  virtual ~UpgradeLog() = default;

  // One entry; text is Windows-1252 like everything the program holds.
  void Note(std::string_view text);
  void Statement(std::string_view sql, bool ok, std::string_view error = {});

 protected:
  // Receives each entry as UTF-8, possibly spanning several lines.
  virtual void Write(const std::string& utf8_entry) = 0;
};

// Discards everything; for runs without --log.
class NullUpgradeLog final : public UpgradeLog {
 protected:
  void Write(const std::string&) override {}
};

// Appends to a file, flushed after every entry so that a crash keeps what came before.
class FileUpgradeLog final : public UpgradeLog {
 public:
  explicit FileUpgradeLog(const std::string& path);
  bool IsOpen() const { return out_.is_open(); }

 protected:
  void Write(const std::string& utf8_entry) override;

 private:
  std::ofstream out_;
};

// The log of a run: a FileUpgradeLog appending to `file`, or a NullUpgradeLog when `file` is
// empty. Nothing when the file cannot be opened for writing.
std::unique_ptr<UpgradeLog> OpenUpgradeLog(const std::string& file);

// Keeps the entries in memory; for tests.
class RecordingUpgradeLog final : public UpgradeLog {
 public:
  const std::vector<std::string>& Entries() const { return entries_; }
  bool Contains(std::string_view fragment) const;

 protected:
  void Write(const std::string& utf8_entry) override { entries_.push_back(utf8_entry); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace harbo::engine
