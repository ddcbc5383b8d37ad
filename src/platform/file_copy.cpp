#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace harbo::platform {
namespace {

namespace fs = std::filesystem;

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool Matches(std::string_view pattern, std::string_view name) {
  // Greedy match with one backtrack point: the last '*' seen.
  std::size_t p = 0, n = 0, star = std::string_view::npos, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_n = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string::npos; }

std::vector<fs::path> SortedEntries(const fs::path& folder, std::string_view pattern) {
  std::vector<fs::path> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (pattern.empty() || MatchesWildcard(pattern, name)) entries.push_back(it->path());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Copies the bytes, mode, owner and times of `in` into the new file `out`.
bool CopyContents(int in, int out, const struct stat& source) {
  std::vector<char> buffer(1 << 20);
  while (true) {
    const ssize_t got = read(in, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(got))) return false;
  }
  if (fchmod(out, source.st_mode & 07777) != 0) return false;
  // Only root may give a file away; elsewhere the copy belongs to whoever runs the setup.
  (void)!fchown(out, source.st_uid, source.st_gid);
  const timespec times[2] = {source.st_atim, source.st_mtim};
  futimens(out, times);
  return fsync(out) == 0;
}

bool CopyFile(const fs::path& from, const fs::path& to, const ReplaceQuestion& confirm_replace) {
  std::error_code error;
  const fs::file_status existing = fs::status(to, error);
  if (fs::exists(existing)) {
    if (!fs::is_regular_file(existing) || fs::equivalent(from, to, error)) return false;
    if (!confirm_replace || !confirm_replace(to)) return false;
  }
  const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat source {};
  if (fstat(in, &source) != 0) {
    close(in);
    return false;
  }
  std::string temporary =
      (to.parent_path() / ("." + to.filename().string() + ".copy-XXXXXX")).string();
  const int out = mkostemp(temporary.data(), O_CLOEXEC);
  if (out < 0) {
    close(in);
    return false;
  }
  bool ok = CopyContents(in, out, source);
  close(in);
  ok = close(out) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), to.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

bool CopyEntry(const fs::path& from, const fs::path& to, const ReplaceQuestion& confirm_replace) {
  std::error_code error;
  const fs::file_status status = fs::status(from, error);
  if (fs::is_regular_file(status)) return CopyFile(from, to, confirm_replace);
  if (!fs::is_directory(status)) return false;
  fs::create_directory(to, error);
  if (!fs::is_directory(to, error)) return false;
  bool all = true;
  for (const fs::path& entry : SortedEntries(from, {})) {
    all = CopyEntry(entry, to / entry.filename(), confirm_replace) && all;
  }
  return all;
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  // As on Windows, a final ".*" also matches a name without an extension.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      Matches(pattern.substr(0, pattern.size() - 2), name)) {
    return true;
  }
  return Matches(pattern, name);
}

bool CopyFiles(const fs::path& source, const fs::path& destination,
               const ReplaceQuestion& confirm_replace) {
  std::vector<fs::path> matches;
  const std::string last = source.filename().string();
  std::error_code error;
  if (HasWildcard(last)) {
    matches = SortedEntries(source.parent_path(), last);
  } else if (fs::exists(source, error)) {
    matches.push_back(source);
  }
  if (matches.empty()) return false;

  fs::create_directories(destination, error);
  if (!fs::is_directory(destination, error)) return false;
  bool all = true;
  for (const fs::path& match : matches) {
    all = CopyEntry(match, destination / match.filename(), confirm_replace) && all;
  }
  return all;
}

bool RenameWithoutReplacing(const fs::path& from, const fs::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without RENAME_NOREPLACE: a hard link fails as well when `to` exists.
  if (link(from.c_str(), to.c_str()) != 0) return false;
  unlink(from.c_str());
  return true;
}

bool CanOpenForReadWrite(const fs::path& file, std::string* error) {
  const int fd = open(file.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    if (error != nullptr) *error = std::strerror(errno);
    return false;
  }
  close(fd);
  return true;
}

}  // namespace harbo::platform
