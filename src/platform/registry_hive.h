// One registry hive (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE) kept in a regedit export file, so a
// technician can drop in what "reg export" wrote on the old server. The hive owns the file's
// contents in memory: it reads the file once and writes it back, atomically, only on Save().
//
// The file is read the way regedit imports it, in order: a "[-KEY]" line deletes the key and its
// subkeys, a "[KEY]" line creates the key (and the keys above it), value lines set or ('=-')
// delete values of the last key line. Sections of other roots are kept and not visible.
// Unlike regedit, which skips a broken line and imports the rest, a line it would skip or import
// only in part is an error here, with the file name and line number, since a lost line could be a
// customer's setting: an unknown header, invalid UTF-16, a NUL, a junk line, a key line without
// ']' or with an unknown root, a value outside a key, an unterminated or unknown-escape string,
// a bad data type, a bad hex byte, hex data continued past the end, a dword of other than 8 hex
// digits. Blank lines and ';' comments are kept. A string value must end on its own line.
//
// Saving re-renders only the lines of changed values; every other byte, including comments,
// order, encoding, header and line ends, stays as it was. A changed value keeps its line; a new
// value goes after the last value line of its key's last section, and a new key becomes a section
// at the end of the file, after a blank line.
//
// Names and REG_SZ texts are Windows-1252 bytes, as everywhere in this program. Key and value names
// compare without letter case, as in Windows. A character of a UTF-16 file that Windows-1252
// cannot hold stays as it is in the file; a read gives '?' in its place, which is what the ANSI
// registry functions of Windows hand to a program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine_root.h"
#include "platform/registry_format.h"

namespace harbo::platform {

// Registry value types, as numbered by Windows and in "hex(n):".
using RegistryType = std::uint32_t;
inline constexpr RegistryType kRegNone = 0;
inline constexpr RegistryType kRegSz = 1;
inline constexpr RegistryType kRegExpandSz = 2;
inline constexpr RegistryType kRegBinary = 3;
inline constexpr RegistryType kRegDword = 4;
inline constexpr RegistryType kRegDwordBigEndian = 5;
inline constexpr RegistryType kRegMultiSz = 7;
inline constexpr RegistryType kRegQword = 11;

// A hive file that cannot be read, parsed or written. Parse errors read
// "<file> line <n>: <what is wrong>".
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value read as another type than it has, e.g. ReadDword of a REG_SZ.
class RegistryTypeError : public RegistryError {
 public:
  using RegistryError::RegistryError;
};

// A key of a hive, named by its path below the root ("SOFTWARE\QXR\QXRHarbo\1.0"; "" is the root).
// It comes from RegistryHive::OpenKey or CreateKey, and stays usable for as long as its hive lives.
class RegistryKey {
 public:
  // The path as the caller wrote it, with empty names between backslashes removed.
  const std::string& Path() const { return path_; }

 private:
  friend class RegistryHive;
  explicit RegistryKey(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

class RegistryHive {
 public:
  // Reads `file` as the hive of `root_name` ("HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE" ... in any
  // letter case). A missing file is an empty hive; the first Save then writes a
  // "Windows Registry Editor Version 5.00" file (UTF-16LE with BOM, CRLF) as regedit does today.
  // Throws RegistryError when the file cannot be read or is malformed (it is never written then),
  // std::invalid_argument for an unknown root name.
  RegistryHive(std::filesystem::path file, std::string_view root_name);
  // HKEY_CURRENT_USER (<machine root>/user.reg) and HKEY_LOCAL_MACHINE (<machine root>/system.reg).
  static RegistryHive CurrentUser(const MachineRoot& machine);
  static RegistryHive LocalMachine(const MachineRoot& machine);

  RegistryHive(RegistryHive&&) noexcept;
  RegistryHive& operator=(RegistryHive&&) noexcept;
  ~RegistryHive();

  const std::filesystem::path& File() const { return file_; }
  const std::string& RootName() const { return root_name_; }

  // The key at `path` below the root, or nothing when it does not exist.
  std::optional<RegistryKey> OpenKey(std::string_view path) const;
  // The key at `path`, created with the missing keys above it when it does not exist.
  RegistryKey CreateKey(std::string_view path);
  bool KeyExists(std::string_view path) const { return OpenKey(path).has_value(); }

  // Names of the subkeys and values of `key`, in name order without case ("" is the default
  // value). Empty when the key no longer exists.
  std::vector<std::string> SubkeyNames(const RegistryKey& key) const;
  std::vector<std::string> ValueNames(const RegistryKey& key) const;

  // Value reads: nothing when the value (or its key) does not exist; RegistryTypeError when it has
  // another type than the read asks for. The name "" is the key's default value ("@").
  std::optional<RegistryType> ValueType(const RegistryKey& key, std::string_view name) const;
  // A REG_SZ, written as a quoted string or as hex(1).
  std::optional<std::string> ReadString(const RegistryKey& key, std::string_view name) const;
  // A REG_DWORD, written as dword: or as hex(4) with 4 bytes. A signed setting is the
  // static_cast<std::int32_t> of the result.
  std::optional<std::uint32_t> ReadDword(const RegistryKey& key, std::string_view name) const;
  // The bytes of a value of type `type` written as hex: or hex(n): (as listed), or as dword:
  // (4 bytes, little-endian). A quoted string is a RegistryTypeError: read it with ReadString.
  std::optional<std::vector<std::uint8_t>> ReadBytes(const RegistryKey& key, std::string_view name,
                                                     RegistryType type) const;

  // Value writes, held in memory until Save. A value of another type is replaced; writing the
  // value a key already holds changes nothing. The key is created again if it has gone.
  // WriteString throws RegistryError for a text with a NUL character, which REG_SZ cannot hold;
  // line breaks are written as \r and \n.
  void WriteString(const RegistryKey& key, std::string_view name, std::string_view value);
  void WriteDword(const RegistryKey& key, std::string_view name, std::uint32_t value);
  // Removes the value; false when it did not exist.
  bool DeleteValue(const RegistryKey& key, std::string_view name);

  // True when the hive has changes that Save has not written yet.
  bool HasUnsavedChanges() const { return changed_; }
  // Writes the changes, if any, to a temporary file in the same folder and renames it over the
  // hive file, keeping the file's permissions; a failure throws RegistryError and leaves the old
  // file and no temporary file. Changes made to the file by others since loading are overwritten.
  void Save();

 private:
  struct Node;
  using Entry = registry_format::Entry;

  const Node* Find(const std::vector<std::string>& path) const;
  const Entry* FindValue(const RegistryKey& key, std::string_view name) const;
  void Put(const RegistryKey& key, std::string_view name, const registry_format::ValueData& data);
  void AppendSection(const std::vector<std::string>& path, std::optional<Entry> value);
  void Insert(std::size_t position, Entry entry);
  Entry NewEntry(registry_format::EntryKind kind, const std::string& text) const;
  std::string Describe(const RegistryKey& key, const Entry& value) const;
  bool OwnRoot(const Entry& key_line) const;
  void Rebuild();

  std::filesystem::path file_;
  std::string root_name_;
  registry_format::Document document_;
  std::string eol_;             // line end of new lines: the file's own
  std::unique_ptr<Node> tree_;  // the keys and values the entries produce, rebuilt after changes
  bool changed_ = false;
};

}  // namespace harbo::platform
