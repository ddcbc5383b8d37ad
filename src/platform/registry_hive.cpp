#include "platform/registry_hive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

#include "platform/text_encoding.h"

namespace harbo::platform {

namespace rf = registry_format;
using rf::EntryKind;
using rf::ValueData;

// A key as the entries leave it after being read in order.
struct RegistryHive::Node {
  std::string name;                                      // as the file first wrote it
  std::map<std::string, std::unique_ptr<Node>> subkeys;  // by FoldCase(name)
  std::map<std::string, std::size_t> values;             // FoldCase(name) -> index of its entry
  // The last key line naming exactly this key. A deletion destroys the node, so this line always
  // comes after the last deletion of the key and new values may go into its section.
  std::optional<std::size_t> section;

  const Node* Find(const std::vector<std::string>& path) const {
    const Node* node = this;
    for (const std::string& name : path) {
      auto it = node->subkeys.find(rf::FoldCase(name));
      if (it == node->subkeys.end()) return nullptr;
      node = it->second.get();
    }
    return node;
  }

  Node& Make(const std::vector<std::string>& path) {
    Node* node = this;
    for (const std::string& name : path) {
      std::unique_ptr<Node>& child = node->subkeys[rf::FoldCase(name)];
      if (!child) {
        child = std::make_unique<Node>();
        child->name = name;
      }
      node = child.get();
    }
    return *node;
  }

  // Removes the key at `path` (not empty) with its subkeys.
  void Erase(const std::vector<std::string>& path) {
    Node* node = this;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
      auto it = node->subkeys.find(rf::FoldCase(path[i]));
      if (it == node->subkeys.end()) return;
      node = it->second.get();
    }
    node->subkeys.erase(rf::FoldCase(path.back()));
  }
};

namespace {

// The names of a caller's path (Windows-1252), in UTF-8; empty names between backslashes go.
std::vector<std::string> PathNames(std::string_view path) {
  std::vector<std::string> names;
  while (!path.empty()) {
    const std::size_t end = path.find('\\');
    const std::string_view name = path.substr(0, end);
    if (!name.empty()) names.push_back(Windows1252ToUtf8(name));
    path.remove_prefix(end == std::string_view::npos ? path.size() : end + 1);
  }
  return names;
}

std::string NormalPath(std::string_view path) {
  std::string out;
  while (!path.empty()) {
    const std::size_t end = path.find('\\');
    const std::string_view name = path.substr(0, end);
    if (!name.empty()) out += (out.empty() ? "" : "\\") + std::string(name);
    path.remove_prefix(end == std::string_view::npos ? path.size() : end + 1);
  }
  return out;
}

std::string TypeName(RegistryType type) {
  static constexpr const char* kNames[] = {"REG_NONE",
                                           "REG_SZ",
                                           "REG_EXPAND_SZ",
                                           "REG_BINARY",
                                           "REG_DWORD",
                                           "REG_DWORD_BIG_ENDIAN",
                                           "REG_LINK",
                                           "REG_MULTI_SZ",
                                           "REG_RESOURCE_LIST",
                                           "REG_FULL_RESOURCE_DESCRIPTOR",
                                           "REG_RESOURCE_REQUIREMENTS_LIST",
                                           "REG_QWORD"};
  if (type < std::size(kNames)) return kNames[type];
  return "type " + std::to_string(type);
}

bool SameData(const ValueData& a, const ValueData& b) {
  if (a.form != b.form || a.type != b.type) return false;
  switch (a.form) {
    case ValueData::Form::kString:
      return a.text == b.text;
    case ValueData::Form::kDword:
      return a.dword == b.dword;
    case ValueData::Form::kHex:
      return a.bytes == b.bytes;
  }
  return false;
}

// Writes only produce strings and dwords.
std::string ValueLine(std::string_view name, const ValueData& data) {
  return data.form == ValueData::Form::kDword ? rf::DwordValueLine(name, data.dword)
                                              : rf::StringValueLine(name, data.text);
}

[[noreturn]] void ThrowErrno(const std::string& what, const std::filesystem::path& file) {
  throw RegistryError("cannot " + what + " " + file.string() + ": " + std::strerror(errno));
}

// The file's bytes, or nothing when it does not exist.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    ThrowErrno("read", file);
  }
  std::string bytes;
  char buffer[16384];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      errno = error;
      ThrowErrno("read", file);
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

// A temporary file beside the target that removes itself unless renamed over it.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target) {
    for (int n = 0; fd_ < 0; ++n) {
      path_ = target;
      path_ += ".tmp." + std::to_string(::getpid()) + "." + std::to_string(n);
      // 0666 lets the umask decide, as for any new file; an existing hive's mode is copied later.
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && (errno != EEXIST || n == 99)) ThrowErrno("create", path_);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(path_.c_str());
  }

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ThrowErrno("write", path_);
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }

  void CopyModeOf(const std::filesystem::path& file) {
    struct stat status;
    if (::stat(file.c_str(), &status) == 0 && ::fchmod(fd_, status.st_mode & 07777) != 0) {
      ThrowErrno("set the permissions of", path_);
    }
  }

  // Flushes the data to disk before the rename, so a crash leaves the old file or the new one.
  void RenameOver(const std::filesystem::path& target) {
    if (::fsync(fd_) != 0) ThrowErrno("write", path_);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) ThrowErrno("write", path_);
    if (::rename(path_.c_str(), target.c_str()) != 0) ThrowErrno("replace", target);
    renamed_ = true;
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);  // the rename itself; a failure here leaves a consistent file either way
      ::close(dir);
    }
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  bool renamed_ = false;
};

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  // A hive file that is a symbolic link stays one: the file it points to is replaced.
  std::error_code error;
  std::filesystem::path target = std::filesystem::canonical(file, error);
  if (error) target = file;
  TemporaryFile temporary(target);
  temporary.CopyModeOf(target);
  temporary.Write(bytes);
  temporary.RenameOver(target);
}

}  // namespace

RegistryHive::RegistryHive(std::filesystem::path file, std::string_view root_name)
    : file_(std::move(file)) {
  const std::optional<std::string_view> root = rf::CanonicalRootName(root_name);
  if (!root) throw std::invalid_argument("not a registry root key: " + std::string(root_name));
  root_name_ = std::string(*root);
  const std::optional<std::string> bytes = ReadWholeFile(file_);
  if (!bytes) {
    document_ = rf::NewDocument();
  } else {
    try {
      document_ = rf::Parse(*bytes);
    } catch (const rf::SyntaxError& error) {
      throw RegistryError(file_.string() + " line " + std::to_string(error.line()) + ": " +
                          error.what());
    }
  }
  eol_ = document_.entries.front().eol.empty() ? "\r\n" : document_.entries.front().eol;
  Rebuild();
}

RegistryHive RegistryHive::CurrentUser(const MachineRoot& machine) {
  return RegistryHive(machine.CurrentUserHive(), "HKEY_CURRENT_USER");
}

RegistryHive RegistryHive::LocalMachine(const MachineRoot& machine) {
  return RegistryHive(machine.LocalMachineHive(), "HKEY_LOCAL_MACHINE");
}

RegistryHive::RegistryHive(RegistryHive&&) noexcept = default;
RegistryHive& RegistryHive::operator=(RegistryHive&&) noexcept = default;
RegistryHive::~RegistryHive() = default;

std::optional<RegistryKey> RegistryHive::OpenKey(std::string_view path) const {
  if (!Find(PathNames(path))) return std::nullopt;
  return RegistryKey(NormalPath(path));
}

RegistryKey RegistryHive::CreateKey(std::string_view path) {
  const std::vector<std::string> names = PathNames(path);
  if (!Find(names)) {
    AppendSection(names, std::nullopt);
    Rebuild();
    changed_ = true;
  }
  return RegistryKey(NormalPath(path));
}

std::vector<std::string> RegistryHive::SubkeyNames(const RegistryKey& key) const {
  std::vector<std::string> names;
  if (const Node* node = Find(PathNames(key.Path()))) {
    for (const auto& [folded, subkey] : node->subkeys) {
      names.push_back(rf::ToWindows1252Lossy(subkey->name));
    }
  }
  return names;
}

std::vector<std::string> RegistryHive::ValueNames(const RegistryKey& key) const {
  std::vector<std::string> names;
  if (const Node* node = Find(PathNames(key.Path()))) {
    for (const auto& [folded, index] : node->values) {
      names.push_back(rf::ToWindows1252Lossy(document_.entries[index].name));
    }
  }
  return names;
}

std::optional<RegistryType> RegistryHive::ValueType(const RegistryKey& key,
                                                    std::string_view name) const {
  const Entry* value = FindValue(key, name);
  if (!value) return std::nullopt;
  return value->data.type;
}

std::optional<std::string> RegistryHive::ReadString(const RegistryKey& key,
                                                    std::string_view name) const {
  const Entry* value = FindValue(key, name);
  if (!value) return std::nullopt;
  const ValueData& data = value->data;
  if (data.type != kRegSz) {
    throw RegistryTypeError(Describe(key, *value) + " is " + TypeName(data.type) + ", not REG_SZ");
  }
  if (data.form == ValueData::Form::kString) return rf::ToWindows1252Lossy(data.text);
  return rf::ToWindows1252Lossy(rf::HexStringText(data.bytes, document_.encoding));
}

std::optional<std::uint32_t> RegistryHive::ReadDword(const RegistryKey& key,
                                                     std::string_view name) const {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadBytes(key, name, kRegDword);
  if (!bytes) return std::nullopt;
  if (bytes->size() != 4) {
    throw RegistryTypeError(Describe(key, *FindValue(key, name)) + " is a REG_DWORD of " +
                            std::to_string(bytes->size()) + " bytes instead of 4");
  }
  return (*bytes)[0] | (*bytes)[1] << 8 | (*bytes)[2] << 16 | std::uint32_t{(*bytes)[3]} << 24;
}

std::optional<std::vector<std::uint8_t>> RegistryHive::ReadBytes(const RegistryKey& key,
                                                                 std::string_view name,
                                                                 RegistryType type) const {
  const Entry* value = FindValue(key, name);
  if (!value) return std::nullopt;
  const ValueData& data = value->data;
  if (data.type != type) {
    throw RegistryTypeError(Describe(key, *value) + " is " + TypeName(data.type) + ", not " +
                            TypeName(type));
  }
  switch (data.form) {
    case ValueData::Form::kHex:
      return data.bytes;
    case ValueData::Form::kDword:
      return std::vector<std::uint8_t>{
          static_cast<std::uint8_t>(data.dword), static_cast<std::uint8_t>(data.dword >> 8),
          static_cast<std::uint8_t>(data.dword >> 16), static_cast<std::uint8_t>(data.dword >> 24)};
    case ValueData::Form::kString:
      break;
  }
  throw RegistryTypeError(Describe(key, *value) + " is a string; read it as a string");
}

void RegistryHive::WriteString(const RegistryKey& key, std::string_view name,
                               std::string_view value) {
  if (value.find('\0') != std::string_view::npos) {
    throw RegistryError(root_name_ + "\\" + Windows1252ToUtf8(key.Path()) + " value \"" +
                        Windows1252ToUtf8(name) + "\": a REG_SZ cannot hold a NUL character");
  }
  ValueData data;
  data.form = ValueData::Form::kString;
  data.type = kRegSz;
  data.text = Windows1252ToUtf8(value);
  Put(key, name, data);
}

void RegistryHive::WriteDword(const RegistryKey& key, std::string_view name, std::uint32_t value) {
  ValueData data;
  data.form = ValueData::Form::kDword;
  data.type = kRegDword;
  data.dword = value;
  Put(key, name, data);
}

bool RegistryHive::DeleteValue(const RegistryKey& key, std::string_view name) {
  const std::vector<std::string> path = PathNames(key.Path());
  const std::string folded = rf::FoldCase(Windows1252ToUtf8(name));
  bool removed = false;
  // An earlier line of the same key may set the value too (a key section can appear twice), so
  // remove lines until the value is gone.
  while (const Node* node = Find(path)) {
    const auto it = node->values.find(folded);
    if (it == node->values.end()) break;
    document_.entries.erase(document_.entries.begin() + static_cast<std::ptrdiff_t>(it->second));
    Rebuild();
    removed = true;
  }
  changed_ = changed_ || removed;
  return removed;
}

void RegistryHive::Save() {
  if (!changed_) return;
  std::string bytes;
  for (const Entry& entry : document_.entries) bytes += entry.raw;
  WriteFileAtomically(file_, bytes);
  changed_ = false;
}

const RegistryHive::Node* RegistryHive::Find(const std::vector<std::string>& path) const {
  return tree_->Find(path);
}

const RegistryHive::Entry* RegistryHive::FindValue(const RegistryKey& key,
                                                   std::string_view name) const {
  const Node* node = Find(PathNames(key.Path()));
  if (!node) return nullptr;
  const auto it = node->values.find(rf::FoldCase(Windows1252ToUtf8(name)));
  return it == node->values.end() ? nullptr : &document_.entries[it->second];
}

void RegistryHive::Put(const RegistryKey& key, std::string_view name, const ValueData& data) {
  const std::vector<std::string> path = PathNames(key.Path());
  const std::string utf8_name = Windows1252ToUtf8(name);
  const Node* node = Find(path);
  if (node) {
    const auto it = node->values.find(rf::FoldCase(utf8_name));
    if (it != node->values.end()) {
      // The line that sets the value is the last one to touch it, so it can change in place.
      Entry& entry = document_.entries[it->second];
      if (SameData(entry.data, data)) return;
      entry.data = data;
      entry.raw = rf::Encode(ValueLine(entry.name, data) + entry.eol, document_.encoding);
      changed_ = true;
      return;
    }
  }
  Entry entry = NewEntry(EntryKind::kValue, ValueLine(utf8_name, data));
  entry.name = utf8_name;
  entry.data = data;
  if (node && node->section) {
    std::size_t position = *node->section + 1;
    for (std::size_t i = position; i < document_.entries.size(); ++i) {
      const EntryKind kind = document_.entries[i].kind;
      if (kind == EntryKind::kKey || kind == EntryKind::kKeyDeletion) break;
      if (kind == EntryKind::kValue || kind == EntryKind::kValueDeletion) position = i + 1;
    }
    Insert(position, std::move(entry));
  } else {
    AppendSection(path, std::move(entry));
  }
  Rebuild();
  changed_ = true;
}

void RegistryHive::AppendSection(const std::vector<std::string>& path, std::optional<Entry> value) {
  // Keys that exist keep the spelling the file gives them.
  std::vector<std::string> names;
  const Node* node = tree_.get();
  for (const std::string& name : path) {
    if (node) {
      const auto it = node->subkeys.find(rf::FoldCase(name));
      node = it == node->subkeys.end() ? nullptr : it->second.get();
    }
    names.push_back(node ? node->name : name);
  }
  if (document_.entries.back().kind != EntryKind::kBlank) {
    Insert(document_.entries.size(), NewEntry(EntryKind::kBlank, ""));
  }
  Entry key = NewEntry(EntryKind::kKey, rf::KeyLine(root_name_, names));
  key.root = root_name_;
  key.path = names;
  Insert(document_.entries.size(), std::move(key));
  if (value) Insert(document_.entries.size(), *std::move(value));
}

void RegistryHive::Insert(std::size_t position, Entry entry) {
  // Only the last line of a file can lack a line end, and it is no longer the last.
  if (position > 0 && document_.entries[position - 1].eol.empty()) {
    Entry& before = document_.entries[position - 1];
    before.eol = eol_;
    before.raw += rf::Encode(eol_, document_.encoding);
  }
  document_.entries.insert(document_.entries.begin() + static_cast<std::ptrdiff_t>(position),
                           std::move(entry));
}

RegistryHive::Entry RegistryHive::NewEntry(EntryKind kind, const std::string& text) const {
  Entry entry;
  entry.kind = kind;
  entry.eol = eol_;
  entry.raw = rf::Encode(text + eol_, document_.encoding);
  return entry;
}

std::string RegistryHive::Describe(const RegistryKey& key, const Entry& value) const {
  std::string path = root_name_;
  if (!key.Path().empty()) path += "\\" + Windows1252ToUtf8(key.Path());
  return path + (value.name.empty() ? " default value" : " value \"" + value.name + "\"");
}

bool RegistryHive::OwnRoot(const Entry& key_line) const {
  return rf::CanonicalRootName(key_line.root) == root_name_;
}

void RegistryHive::Rebuild() {
  auto tree = std::make_unique<Node>();
  Node* current = nullptr;  // the key of the last key line, if it is one of this hive
  for (std::size_t i = 0; i < document_.entries.size(); ++i) {
    const Entry& entry = document_.entries[i];
    switch (entry.kind) {
      case EntryKind::kKey:
        current = OwnRoot(entry) ? &tree->Make(entry.path) : nullptr;
        if (current) current->section = i;
        break;
      case EntryKind::kKeyDeletion:
        if (OwnRoot(entry)) tree->Erase(entry.path);
        current = nullptr;
        break;
      case EntryKind::kValue:
        if (current) current->values[rf::FoldCase(entry.name)] = i;
        break;
      case EntryKind::kValueDeletion:
        if (current) current->values.erase(rf::FoldCase(entry.name));
        break;
      default:
        break;
    }
  }
  tree_ = std::move(tree);
}

}  // namespace harbo::platform
