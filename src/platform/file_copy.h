// File operations of the setup program where the shell's copy operation and the Windows file
// functions served: copying by wildcard pattern into a folder that is made when missing, with a
// question before an existing file is replaced; a rename that never replaces; an open test.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace harbo::platform {

// Asked with the existing file before it is replaced; true replaces it, false keeps it.
using ReplaceQuestion = std::function<bool(const std::filesystem::path& existing)>;

// True when `name` matches `pattern` ('*' any run, '?' one character), without letter case as
// on Windows. "*.*" matches every name, also one without a dot.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// Copies `source` into the folder `destination`: a file or folder, or every entry of a folder
// whose name matches the last part of `source` when that holds '*' or '?'. A folder is copied
// with its contents. The destination folder and the folders above it are made when missing.
// A copy keeps the file's mode, owner (where allowed) and modification time; it is written under
// a temporary name and renamed into place, so a failed copy leaves no partial file.
// True when something matched and every matching file was copied; false when nothing matched
// (nothing is made then), when a copy failed or when the answer to a replacement was no (the
// existing file stays; the other files are still copied).
bool CopyFiles(const std::filesystem::path& source, const std::filesystem::path& destination,
               const ReplaceQuestion& confirm_replace);

// Renames `from` to `to` unless `to` exists, as the Windows rename does; false when it exists or
// the rename fails.
bool RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// True when `file` can be opened for reading and writing (it is closed again at once); otherwise
// false with the reason in `error`.
bool CanOpenForReadWrite(const std::filesystem::path& file, std::string* error = nullptr);

}  // namespace harbo::platform
