#include "platform/registry_hive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace harbo::platform {
namespace {

namespace fs = std::filesystem;

// Exports by regedit and Wine's regedit test file; README.md there describes their contents.
const fs::path kRegFiles = HARBO_SOURCE_DIR "/../shared/testdata/regfiles";
constexpr char kRage[] = "rage-edit_test.reg";                        // v5.00, UTF-16LE, CRLF
constexpr char kRestore[] = "restore-previous-versions-tab_add.reg";  // v5.00, UTF-16LE, CRLF
constexpr char kWine[] = "wine_orig_regedit4.reg";                    // REGEDIT4, LF

constexpr char kCu[] = "HKEY_CURRENT_USER";
constexpr char kLm[] = "HKEY_LOCAL_MACHINE";

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// UTF-16LE of a Latin-1 text (every byte is its own code point).
std::string Utf16(std::string_view latin1) {
  std::string out;
  for (char c : latin1) {
    out += c;
    out += '\0';
  }
  return out;
}

std::string Utf16File(std::string_view latin1) { return std::string("\xFF\xFE") + Utf16(latin1); }

// A REGEDIT4 file with LF line ends; "HKCU" stands for HKEY_CURRENT_USER.
std::string Reg4(std::string_view body) {
  std::string text = "REGEDIT4\n" + std::string(body);
  for (std::size_t at = 0; (at = text.find("HKCU", at)) != std::string::npos;) {
    text.replace(at, 4, kCu);
  }
  return text;
}

// The lines of a file with their line ends; `eol` is the encoded line end, `unit` the code unit.
std::vector<std::string> Lines(const std::string& bytes, const std::string& eol, std::size_t unit) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < bytes.size(); at += unit) {
    if (bytes.compare(at, eol.size(), eol) == 0) {
      lines.push_back(bytes.substr(start, at + eol.size() - start));
      start = at + eol.size();
      at = start - unit;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line;
  return out;
}

std::size_t IndexOfLineStarting(const std::vector<std::string>& lines, const std::string& start,
                                std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i].compare(0, start.size(), start) == 0) return i;
  }
  ADD_FAILURE() << "no line starts with " << start;
  return lines.size();
}

class RegistryHiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("registry_hive_test." + std::to_string(::getpid()) + "." +
                                        info->test_suite_name() + "." + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  fs::path Put(const std::string& name, std::string_view bytes) {
    WriteFile(dir_ / name, bytes);
    return dir_ / name;
  }

  std::vector<std::string> FolderListing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

class RealRegFileTest : public RegistryHiveTest {
 protected:
  void SetUp() override {
    if (!fs::is_directory(kRegFiles)) {
      GTEST_SKIP() << "the real regedit files are not at " << kRegFiles;
    }
    RegistryHiveTest::SetUp();
  }

  // A writable copy of a real file, alone in the test folder (a table loop copies again).
  fs::path Copy(const std::string& name) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy_file(kRegFiles / name, dir_ / name);
    fs::permissions(dir_ / name, fs::perms::owner_read | fs::perms::owner_write);
    return dir_ / name;
  }
};

struct RealFile {
  const char* name;
  const char* root;
  const char* key;  // a key of the root that the file has a section for
};
constexpr RealFile kRealFiles[] = {
    {kRage, kLm, R"(SOFTWARE\MikeKovarik\rage-edit\.get() and .has()\Types)"},
    {kRestore, kCu, R"(Software\Microsoft\Windows\CurrentVersion\Explorer)"},
    {kWine, kCu, R"(Test Regedit\New Key #1)"},
};

TEST_F(RealRegFileTest, SavingWithoutChangesLeavesTheFileAlone) {
  for (const RealFile& real : kRealFiles) {
    SCOPED_TRACE(real.name);
    const fs::path file = Copy(real.name);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    RegistryHive hive(file, real.root);
    EXPECT_FALSE(hive.HasUnsavedChanges());
    hive.Save();

    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(FileBytes(file), FileBytes(kRegFiles / real.name));
  }
}

// A value added and removed again forces a write of the whole file, which must give back every
// byte of the original: header, BOM, comments, spacing, order and line ends.
TEST_F(RealRegFileTest, RewrittenFileIsByteIdentical) {
  for (const RealFile& real : kRealFiles) {
    SCOPED_TRACE(real.name);
    const fs::path file = Copy(real.name);
    RegistryHive hive(file, real.root);
    const std::optional<RegistryKey> key = hive.OpenKey(real.key);
    ASSERT_TRUE(key);
    hive.WriteDword(*key, "Transient", 1);
    ASSERT_TRUE(hive.DeleteValue(*key, "Transient"));
    ASSERT_TRUE(hive.HasUnsavedChanges());
    hive.Save();
    EXPECT_EQ(FileBytes(file), FileBytes(kRegFiles / real.name));
    EXPECT_EQ(FolderListing(), std::vector<std::string>{real.name});
  }
}

TEST_F(RealRegFileTest, ReadsTheValuesOfAVersion5File) {
  const RegistryHive hive(Copy(kRage), kLm);
  const std::string base = R"(SOFTWARE\MikeKovarik\rage-edit)";

  // The file first deletes the key, then recreates it section by section.
  const std::optional<RegistryKey> top = hive.OpenKey(base);
  ASSERT_TRUE(top);
  EXPECT_EQ(hive.ReadString(*top, ""), "rage-edit tests");

  const std::optional<RegistryKey> get = hive.OpenKey(base + R"(\.get() and .has())");
  ASSERT_TRUE(get);
  EXPECT_EQ(hive.ReadDword(*get, "Bits"), 0x40u);
  EXPECT_EQ(hive.ReadString(*get, "EmptyValue"), "");
  EXPECT_EQ(hive.ReadString(*get, "SomeValue"), "Some content");
  // "Коварные закорючки ツ": no letter of it fits Windows-1252.
  EXPECT_EQ(hive.ReadString(*get, "UnicodeValue"), "???????? ????????? ?");
  EXPECT_EQ(hive.ReadString(*get, "Missing"), std::nullopt);
  EXPECT_EQ(
      hive.SubkeyNames(*get),
      (std::vector<std::string>{"EmptySubkey", "Subkey64bit", "SubkeyWithDefaultValue",
                                "SubkeyWithEmptyDefaultValue", "SubkeyWithMoreSubkeys", "Types"}));
  EXPECT_EQ(hive.ValueNames(*get), (std::vector<std::string>{"Bits", "Bits64", "EmptyValue",
                                                             "SomeValue", "UnicodeValue"}));
  // Only its subkey has a section; the key exists all the same.
  EXPECT_TRUE(hive.KeyExists(base + R"(\.get() and .has()\SubkeyWithMoreSubkeys)"));
  EXPECT_EQ(hive.ReadString(
                *hive.OpenKey(base + R"(\.get() and .has()\SubkeyWithEmptyDefaultValue)"), ""),
            "");

  // Names compare without case.
  const std::optional<RegistryKey> types =
      hive.OpenKey(R"(software\MIKEKOVARIK\Rage-Edit\.GET() AND .HAS()\types)");
  ASSERT_TRUE(types);
  EXPECT_EQ(hive.ReadDword(*types, "dwordvalue"), 1234u);
  EXPECT_EQ(hive.ReadString(*types, "StringValue"), "String content");

  struct Binary {
    const char* name;
    RegistryType type;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<std::uint8_t> expandable = {
      0x45, 0, 0x78, 0, 0x70, 0, 0x61, 0, 0x6e, 0, 0x64, 0, 0x61, 0, 0x62, 0, 0x6c, 0,
      0x65, 0, 0x20, 0, 0x73, 0, 0x74, 0, 0x72, 0, 0x69, 0, 0x6e, 0, 0x67, 0, 0x20, 0,
      0x63, 0, 0x6f, 0, 0x6e, 0, 0x74, 0, 0x65, 0, 0x6e, 0, 0x74, 0, 0,    0};
  std::vector<std::uint8_t> multi;
  for (std::string_view line : {"Line 1", "Line 2", "Line 3", ""}) {
    for (char c : line) multi.insert(multi.end(), {static_cast<std::uint8_t>(c), 0});
    multi.insert(multi.end(), {0, 0});
  }
  const Binary kBinaries[] = {
      {"BinaryValue", kRegBinary, {0xc0, 0x01, 0xc0, 0xde}},
      {"BigEndianDwordValue", kRegDwordBigEndian, {0x12, 0x34, 0x56, 0x78}},
      {"QwordValue", kRegQword, {0, 0, 0, 0, 0, 0, 0x04, 0xd2}},  // as written, not 1234
      {"ExpandableStringValue", kRegExpandSz, expandable},
      {"MultiStringValue", kRegMultiSz, multi},
      {"DwordValue", kRegDword, {0xd2, 0x04, 0, 0}},
  };
  for (const Binary& binary : kBinaries) {
    SCOPED_TRACE(binary.name);
    EXPECT_EQ(hive.ValueType(*types, binary.name), binary.type);
    EXPECT_EQ(hive.ReadBytes(*types, binary.name, binary.type), binary.bytes);
  }
  EXPECT_EQ(expandable.size(), 52u);
  EXPECT_EQ(multi.size(), 44u);

  const std::optional<RegistryKey> wow =
      hive.OpenKey(R"(SOFTWARE\Wow6432Node\MikeKovarik\rage-edit\.get() and .has())");
  ASSERT_TRUE(wow);
  EXPECT_EQ(hive.ReadDword(*wow, "Bits"), 0x20u);
  EXPECT_EQ(hive.ReadString(*wow, "Bits64"), std::nullopt);
}

TEST_F(RealRegFileTest, ValueDeletionsAndOtherRootsOfAVersion5File) {
  const fs::path file = Copy(kRestore);
  const RegistryHive user(file, kCu);
  const RegistryHive machine(file, kLm);

  const struct {
    const RegistryHive& hive;
    const char* key;
    const char* deleted;
  } kDeletions[] = {
      {user, R"(Software\Microsoft\Windows\CurrentVersion\Explorer)", "NoPreviousVersionsPage"},
      {user, R"(Software\Policies\Microsoft\PreviousVersions)", "DisableLocalPage"},
      {machine, R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer)", "NoPreviousVersionsPage"},
      {machine, R"(SOFTWARE\Policies\Microsoft\PreviousVersions)", "DisableLocalPage"},
  };
  for (const auto& deletion : kDeletions) {
    SCOPED_TRACE(std::string(deletion.hive.RootName()) + "\\" + deletion.key);
    const std::optional<RegistryKey> key = deletion.hive.OpenKey(deletion.key);
    ASSERT_TRUE(key) << "a section with only a value deletion still creates its key";
    EXPECT_EQ(deletion.hive.ValueType(*key, deletion.deleted), std::nullopt);
    EXPECT_TRUE(deletion.hive.ValueNames(*key).empty());
  }
  // HKEY_CLASSES_ROOT sections belong to neither hive.
  EXPECT_EQ(user.SubkeyNames(*user.OpenKey("")), std::vector<std::string>{"Software"});
  EXPECT_EQ(machine.SubkeyNames(*machine.OpenKey("")), std::vector<std::string>{"SOFTWARE"});
  EXPECT_FALSE(machine.KeyExists("AllFilesystemObjects"));
}

TEST_F(RealRegFileTest, ReadsTheValuesOfARegedit4File) {
  const RegistryHive hive(Copy(kWine), kCu);
  const std::optional<RegistryKey> key = hive.OpenKey(R"(Test Regedit\New Key #1)");
  ASSERT_TRUE(key);

  const std::string escaped_name =
      "A- \" Binary Value #1, long name \\ []= long long long long long long long long long long "
      "long long end";
  const std::optional<std::vector<std::uint8_t>> long_binary =
      hive.ReadBytes(*key, escaped_name, kRegBinary);
  ASSERT_TRUE(long_binary);
  ASSERT_EQ(long_binary->size(), 277u);
  EXPECT_EQ(long_binary->front(), 0x30);
  EXPECT_EQ(long_binary->back(), 0x36);

  EXPECT_EQ(hive.ReadString(*key, "v1"), "\" \\,=[]");
  EXPECT_EQ(hive.ReadString(*key, "a1"), "");
  EXPECT_EQ(hive.ReadBytes(*key, "New Binary Value #2", kRegBinary), std::vector<std::uint8_t>{});
  EXPECT_EQ(hive.ReadDword(*key, "New DWORD Value #1"), 0x200u);
  EXPECT_EQ(hive.ReadDword(*key, "New DWORD Value #2"), 0xc9u);
  EXPECT_EQ(hive.ReadDword(*key, "New DWORD Value #3"), 0u);
  const std::optional<std::string> default_value = hive.ReadString(*key, "");
  ASSERT_TRUE(default_value);
  EXPECT_EQ(default_value->size(), 219u);
  EXPECT_EQ(default_value->substr(0, 17), "222Sample default");

  const std::optional<RegistryKey> key2 = hive.OpenKey(R"(Test Regedit\New Key #1\New Key #2)");
  ASSERT_TRUE(key2);
  EXPECT_EQ(hive.ReadBytes(*key2, "Empty Value1", kRegMultiSz), std::vector<std::uint8_t>(1, 0));
  EXPECT_EQ(hive.ReadBytes(*key2, "Empty Value2", kRegMultiSz), std::vector<std::uint8_t>(2, 0));
  EXPECT_EQ(hive.ReadBytes(*key2, "Empty Value3", kRegMultiSz), std::vector<std::uint8_t>(3, 0));

  EXPECT_EQ(hive.ReadString(
                *hive.OpenKey(R"(Test Regedit\New Key #1\New Key #2\New Key #3\New Key #4)"), ""),
            "");
  EXPECT_TRUE(
      hive.KeyExists(R"(Test Regedit\New Key #1\New Key #2\New Key #3\New Key #4\New Key #5)"));
  const std::optional<std::vector<std::uint8_t>> cache =
      hive.ReadBytes(*hive.OpenKey(R"(Test Regedit\New Key #7)"), "Presentation Cache", kRegBinary);
  ASSERT_TRUE(cache);
  EXPECT_EQ(cache->size(), 2628u);
}

TEST_F(RealRegFileTest, ChangingAValueRewritesOnlyItsLine) {
  const struct {
    const char* file;
    const char* root;
    const char* key;
    const char* name;
    std::optional<std::uint32_t> dword;  // else the string below
    const char* string;
    std::string new_line;  // encoded, with its line end
  } kChanges[] = {
      {kWine, kCu, R"(Test Regedit\New Key #1)", "New DWORD Value #2", 0x12345678u, "",
       "\"New DWORD Value #2\"=dword:12345678\n"},
      {kWine, kCu, R"(Test Regedit\New Key #1)", "", std::nullopt, "short", "@=\"short\"\n"},
      {kRage, kLm, R"(SOFTWARE\MikeKovarik\rage-edit\.get() and .has()\Types)", "StringValue",
       std::nullopt, "C:\\Harbo \"7\"", Utf16("\"StringValue\"=\"C:\\\\Harbo \\\"7\\\"\"\r\n")},
      // A hex value over three lines becomes one line.
      {kRage, kLm, R"(SOFTWARE\MikeKovarik\rage-edit\.get() and .has()\Types)", "MultiStringValue",
       std::nullopt, "Line", Utf16("\"MultiStringValue\"=\"Line\"\r\n")},
      {kRage, kLm, R"(SOFTWARE\Wow6432Node\MikeKovarik\rage-edit\.get() and .has())", "bits", 7u,
       "", Utf16("\"Bits\"=dword:00000007\r\n")},
  };
  for (const auto& change : kChanges) {
    SCOPED_TRACE(std::string(change.file) + " " + change.key + " " + change.name);
    const fs::path file = Copy(change.file);
    const std::string original = FileBytes(file);
    RegistryHive hive(file, change.root);
    const std::optional<RegistryKey> key = hive.OpenKey(change.key);
    ASSERT_TRUE(key);
    if (change.dword) {
      hive.WriteDword(*key, change.name, *change.dword);
    } else {
      hive.WriteString(*key, change.name, change.string);
    }
    hive.Save();

    const bool utf16 = std::string_view(change.file) != kWine;
    const std::string eol = utf16 ? Utf16("\r\n") : "\n";
    const std::vector<std::string> before = Lines(original, eol, utf16 ? 2 : 1);
    const std::vector<std::string> after = Lines(FileBytes(file), eol, utf16 ? 2 : 1);
    const std::size_t at =
        std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first -
        before.begin();
    ASSERT_LT(at, after.size());
    EXPECT_EQ(after[at], change.new_line);
    // Everything after the changed value (one line, or three for the hex list) is as it was.
    const std::size_t old_lines = before.size() - after.size() + 1;
    EXPECT_TRUE(std::equal(before.begin() + at + old_lines, before.end(), after.begin() + at + 1,
                           after.end()));

    const RegistryHive reread(file, change.root);
    if (change.dword) {
      EXPECT_EQ(reread.ReadDword(*reread.OpenKey(change.key), change.name), change.dword);
    } else {
      EXPECT_EQ(reread.ReadString(*reread.OpenKey(change.key), change.name), change.string);
    }
  }
}

// New values go after the last value line of their key; new keys become sections at the end.
TEST_F(RealRegFileTest, AddsKeysAndValuesInRegeditStyle) {
  const struct {
    const char* file;
    const char* root;
    const char* key;
    const char* after_line;  // the value line the new value follows
    bool utf16;
  } kFiles[] = {
      {kWine, kCu, R"(Test Regedit\New Key #1)", "\"v1\"=", false},
      {kRage, kLm, R"(SOFTWARE\MikeKovarik\rage-edit\.get() and .has()\Types)",
       "\"StringValue\"=", true},
  };
  for (const auto& test : kFiles) {
    SCOPED_TRACE(test.file);
    const fs::path file = Copy(test.file);
    const std::string original = FileBytes(file);
    {
      RegistryHive hive(file, test.root);
      const std::optional<RegistryKey> key = hive.OpenKey(test.key);
      ASSERT_TRUE(key);
      hive.WriteString(*key, "Size",
                       "Gr\xF6\xDF"
                       "e");  // Windows-1252 "Größe"
      const RegistryKey settings = hive.CreateKey(R"(SOFTWARE\Harbo\Settings)");
      hive.WriteDword(settings, "Port", 25);
      hive.Save();
    }
    const std::string eol = test.utf16 ? Utf16("\r\n") : "\n";
    const auto encode = [&](const std::string& text) { return test.utf16 ? Utf16(text) : text; };
    std::vector<std::string> expected = Lines(original, eol, test.utf16 ? 2 : 1);
    const std::size_t at = IndexOfLineStarting(expected, encode(test.after_line));
    expected.insert(expected.begin() + at + 1, encode("\"Size\"=\"Gr\xF6\xDF"
                                                      "e\"") +
                                                   eol);
    expected.push_back(eol);
    expected.push_back(encode("[" + std::string(test.root) + R"(\SOFTWARE\Harbo\Settings])") + eol);
    expected.push_back(encode("\"Port\"=dword:00000019") + eol);
    EXPECT_EQ(FileBytes(file), Join(expected));

    const RegistryHive reread(file, test.root);
    EXPECT_EQ(reread.ReadString(*reread.OpenKey(test.key), "size"),
              "Gr\xF6\xDF"
              "e");
    EXPECT_EQ(reread.ReadDword(*reread.OpenKey(R"(software\harbo\settings)"), "Port"), 25u);
  }
}

// The file deletes the value in two sections of the same key; a value written there must follow
// the last deletion, or reading the file again would delete it.
TEST_F(RealRegFileTest, NewValueFollowsTheLastDeletionOfIt) {
  const fs::path file = Copy(kRestore);
  const std::string key_path = R"(Software\Microsoft\Windows\CurrentVersion\Explorer)";
  {
    RegistryHive hive(file, kCu);
    hive.WriteDword(*hive.OpenKey(key_path), "NoPreviousVersionsPage", 1);
    hive.Save();
  }
  const RegistryHive reread(file, kCu);
  EXPECT_EQ(reread.ReadDword(*reread.OpenKey(key_path), "NoPreviousVersionsPage"), 1u);

  const std::vector<std::string> lines = Lines(FileBytes(file), Utf16("\r\n"), 2);
  const std::string section = Utf16("[HKEY_CURRENT_USER\\" + key_path + "]");
  const std::size_t second =
      IndexOfLineStarting(lines, section, IndexOfLineStarting(lines, section) + 1);
  ASSERT_LT(second + 2, lines.size());
  EXPECT_EQ(lines[second + 2], Utf16("\"NoPreviousVersionsPage\"=dword:00000001\r\n"));
}

// ---- Files of our own ---------------------------------------------------------------------------

TEST_F(RegistryHiveTest, ReadsTheFileInOrder) {
  struct Check {
    std::string key;
    std::string name;
    std::optional<std::string> value;  // nothing: the value does not exist
  };
  const struct {
    const char* title;
    std::string file;
    std::vector<Check> checks;
    std::vector<std::string> keys_absent;
  } kCases[] = {
      {"key deletion removes the subtree",
       Reg4("[HKCU\\A]\n\"x\"=\"1\"\n[HKCU\\A\\B]\n\"y\"=\"2\"\n[HKCU\\C]\n[-HKCU\\A]\n"),
       {},
       {"A", "A\\B"}},
      {"key recreated after its deletion",
       Reg4("[HKCU\\A]\n\"x\"=\"1\"\n[-HKCU\\A]\n[HKCU\\A]\n\"y\"=\"2\"\n"),
       {{"A", "x", std::nullopt}, {"A", "y", "2"}},
       {}},
      {"value deletion", Reg4("[HKCU\\A]\n\"x\"=\"1\"\n\"x\"=-\n"), {{"A", "x", std::nullopt}}, {}},
      {"repeated section in another case",
       Reg4("[HKCU\\A]\n\"x\"=\"1\"\n\"k\"=\"3\"\n[hkey_current_user\\a]\n\"X\"=\"2\"\n"),
       {{"A", "x", "2"}, {"a", "K", "3"}},
       {}},
      {"implicit keys above a section",
       Reg4("[HKCU\\A\\B\\C]\n\"x\"=\"1\"\n"),
       {{"A\\B\\C", "x", "1"}, {"A\\B", "x", std::nullopt}},
       {}},
      {"another root is not this hive",
       Reg4("[HKEY_LOCAL_MACHINE\\A]\n\"x\"=\"1\"\n[-HKEY_LOCAL_MACHINE\\B]\n[HKCU\\B]\n"),
       {},
       {"A"}},
      {"default value, escapes and line breaks",
       Reg4("[HKCU\\A]\n@=\"d\"\n\"@\"=\"at\"\n\"q\"=\"a\\\"b\\\\c\"\n\"nl\"=\"1\\r\\n2\"\n"),
       {{"A", "", "d"}, {"A", "@", "at"}, {"A", "q", "a\"b\\c"}, {"A", "nl", "1\r\n2"}},
       {}},
      {"blanks, comments and a ';' inside a string",
       Reg4("; head\n\n  [HKCU\\A]  ; keys\n  \"x\" =  \"1;2\" ; note\n\t\"y\"\t=\t\"\"\t\n"),
       {{"A", "x", "1;2"}, {"A", "y", ""}},
       {}},
      {"CR, LF and CRLF line ends",
       "REGEDIT4\r[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"1\"\n\"y\"=\"2\"\r\"z\"=\"3\"",
       {{"A", "x", "1"}, {"A", "y", "2"}, {"A", "z", "3"}},
       {}},
      {"REG_SZ as hex(1)", Reg4("[HKCU\\A]\n\"s\"=hex(1):48,61,00\n"), {{"A", "s", "Ha"}}, {}},
      {"Windows-1252 names without case",
       Reg4("[HKCU\\\xC4pfel]\n\"\xD6l\"=\"\xE9t\xE9\"\n"),
       {{"\xE4PFEL", "\xF6L", "\xE9t\xE9"}},
       {}},
      {"header in a UTF-16 file and UTF-16 text",
       Utf16File("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n"
                 "\"x\"=\"caf\xE9\"\r\n\"s\"=hex(1):48,00,E9,00,00,00\r\n"),
       {{"A", "x", "caf\xE9"}, {"A", "s", "H\xE9"}},
       {}},
  };
  for (const auto& test : kCases) {
    SCOPED_TRACE(test.title);
    const RegistryHive hive(Put("user.reg", test.file), kCu);
    for (const Check& check : test.checks) {
      SCOPED_TRACE(check.key + " " + check.name);
      const std::optional<RegistryKey> key = hive.OpenKey(check.key);
      ASSERT_TRUE(key);
      EXPECT_EQ(hive.ReadString(*key, check.name), check.value);
    }
    for (const std::string& absent : test.keys_absent)
      EXPECT_FALSE(hive.KeyExists(absent)) << absent;
  }
}

TEST_F(RegistryHiveTest, HexDataOverContinuationLines) {
  const RegistryHive hive(
      Put("user.reg", Reg4("[HKCU\\A]\n\"h\"=hex:01,\\\n\n; between\n  2, 0a ,\\ ; after\n  ff\n"
                           "\"e\"=hex(0):\n\"t\"=hex(fffffff):00 ; typed\n")),
      kCu);
  const RegistryKey key = *hive.OpenKey("A");
  EXPECT_EQ(hive.ReadBytes(key, "h", kRegBinary), (std::vector<std::uint8_t>{1, 2, 10, 255}));
  EXPECT_EQ(hive.ReadBytes(key, "e", kRegNone), std::vector<std::uint8_t>{});
  EXPECT_EQ(hive.ValueType(key, "t"), 0xfffffffu);
}

TEST_F(RegistryHiveTest, ReadOfAnotherTypeFails) {
  const RegistryHive hive(
      Put("user.reg",
          Reg4("[HKCU\\A]\n\"sz\"=\"1\"\n\"dw\"=dword:00000001\n\"bin\"=hex:01\n"
               "\"exp\"=hex(2):41,00\n\"short\"=hex(4):01,02,03\n\"dw4\"=hex(4):01,02,03,04\n")),
      kCu);
  const RegistryKey key = *hive.OpenKey("A");
  const struct {
    const char* name;
    const char* read;
  } kWrongReads[] = {
      {"dw", "string"}, {"bin", "string"},  {"exp", "string"}, {"sz", "dword"},
      {"bin", "dword"}, {"short", "dword"}, {"sz", "bytes"},   {"dw", "bytes"},
  };
  for (const auto& wrong : kWrongReads) {
    SCOPED_TRACE(std::string(wrong.read) + " of " + wrong.name);
    const std::string read = wrong.read;
    EXPECT_THROW(
        {
          if (read == "string") hive.ReadString(key, wrong.name);
          if (read == "dword") hive.ReadDword(key, wrong.name);
          if (read == "bytes") hive.ReadBytes(key, wrong.name, kRegBinary);
        },
        RegistryTypeError);
  }
  try {
    hive.ReadDword(key, "sz");
    FAIL() << "no error";
  } catch (const RegistryTypeError& error) {
    EXPECT_STREQ(error.what(), "HKEY_CURRENT_USER\\A value \"sz\" is REG_SZ, not REG_DWORD");
  }
  EXPECT_EQ(hive.ReadDword(key, "dw4"), 0x04030201u);
  EXPECT_EQ(hive.ReadBytes(key, "dw", kRegDword), (std::vector<std::uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(hive.ReadDword(key, "none"), std::nullopt);
}

TEST_F(RegistryHiveTest, MalformedFileIsAnErrorWithItsLine) {
  const std::string v5 = "Windows Registry Editor Version 5.00\r\n";
  const struct {
    const char* title;
    std::string file;
    int line;
    const char* message;
  } kCases[] = {
      {"empty file", "", 1, "empty"},
      {"unknown header", "REGEDIT5\n[HKEY_CURRENT_USER\\A]\n", 1, "not a regedit file"},
      {"Win3.1 header", "REGEDIT\n", 1, "not a regedit file"},
      {"UTF-8 BOM", "\xEF\xBB\xBF" + v5, 1, "not a regedit file"},
      {"header not first", "\n" + v5, 1, "not a regedit file"},
      {"unterminated string", Reg4("[HKCU\\A]\n\"x\"=\"abc\n\"y\"=\"1\"\n"), 3,
       "unterminated string"},
      {"unterminated name", Reg4("[HKCU\\A]\n\"x=1\n"), 3, "unterminated value name"},
      {"unknown escape", Reg4("[HKCU\\A]\n\"p\"=\"C:\\Temp\"\n"), 3, "unknown escape \\T"},
      {"text after a string", Reg4("[HKCU\\A]\n\"x\"=\"1\"2\n"), 3,
       "unexpected text after the string"},
      {"bad hex byte", Reg4("[HKCU\\A]\n\"h\"=hex:01,zz,03\n"), 3, "bad hex byte \"zz\""},
      {"hex byte of three digits", Reg4("[HKCU\\A]\n\"h\"=hex:01,123\n"), 3,
       "bad hex byte \"123\""},
      {"missing comma", Reg4("[HKCU\\A]\n\"h\"=hex:01 02\n"), 3, "expected ','"},
      {"trailing comma", Reg4("[HKCU\\A]\n\"h\"=hex:01,\n"), 3, "missing hex byte"},
      {"backslash without comma", Reg4("[HKCU\\A]\n\"h\"=hex:01\\\n  02\n"), 3, "expected ','"},
      {"bad continuation", Reg4("[HKCU\\A]\n\"h\"=hex:01,\\\n\n\"y\"=\"1\"\n"), 5,
       "continuation line"},
      {"continuation never ends", Reg4("[HKCU\\A]\n\"x\"=\"1\"\n\"h\"=hex:01,\\\n; last\n"), 4,
       "past the end of the file"},
      {"bad hex type", Reg4("[HKCU\\A]\n\"h\"=hex(z):00\n"), 3, "hex(...)"},
      {"dword of 7 digits", Reg4("[HKCU\\A]\n\"d\"=dword:0000001\n"), 3, "8 hex digits"},
      {"dword of 9 digits", Reg4("[HKCU\\A]\n\"d\"=dword:000000001\n"), 3, "8 hex digits"},
      {"dword with junk", Reg4("[HKCU\\A]\n\"d\"=dword:0000001g\n"), 3, "8 hex digits"},
      {"empty dword", Reg4("[HKCU\\A]\n\"d\"=dword:\n"), 3, "8 hex digits"},
      {"upper-case type", Reg4("[HKCU\\A]\n\"d\"=DWORD:00000001\n"), 3, "unknown data type"},
      {"str type", Reg4("[HKCU\\A]\n\"s\"=str:\"1\"\n"), 3, "unknown data type"},
      {"missing '='", Reg4("[HKCU\\A]\n\"x\" \"1\"\n"), 3, "missing '='"},
      {"junk after '-'", Reg4("[HKCU\\A]\n\"x\"=-1\n"), 3, "unexpected text after '-'"},
      {"value before any key", Reg4("\"x\"=\"1\"\n"), 2, "outside a key"},
      {"value after a key deletion", Reg4("[HKCU\\A]\n[-HKCU\\B]\n\"x\"=\"1\"\n"), 4,
       "outside a key"},
      {"key without ']'", Reg4("[HKCU\\A]\n\"x\"=\"1\"\n[HKCU\\B\n\"y\"=\"2\"\n"), 4,
       "closing ']'"},
      {"blank after '['", Reg4("[ HKCU\\A]\n"), 2, "follow '['"},
      {"unknown root", Reg4("[HKEY_NOWHERE\\A]\n"), 2, "unknown root key \"HKEY_NOWHERE\""},
      {"abbreviated root", Reg4("[HKLM\\A]\n"), 2, "unknown root key"},
      {"root deletion", Reg4("[-HKCU]\n"), 2, "root key cannot be deleted"},
      {"text after a key", Reg4("[HKCU\\A] x\n"), 2, "after the key name"},
      {"junk line", Reg4("[HKCU\\A]\nName=1\n"), 3, "unexpected text"},
      {"NUL character", Reg4("[HKCU\\A]\n\"x\"=\"a") + '\0' + "b\"\n", 3, "NUL"},
      {"lone surrogate",
       Utf16File(v5 + "[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"") + std::string("\x00\xD8", 2) +
           Utf16("\"\r\n"),
       3, "invalid UTF-16"},
      {"odd byte count", Utf16File(v5 + "[HKEY_CURRENT_USER\\A]\r\n") + "\"", 3, "invalid UTF-16"},
      {"line number in a UTF-16 file",
       Utf16File(v5 + "\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"1\r\n"), 4, "unterminated string"},
  };
  for (const auto& test : kCases) {
    SCOPED_TRACE(test.title);
    const fs::path file = Put("bad.reg", test.file);
    try {
      RegistryHive hive(file, kCu);
      ADD_FAILURE() << "no error";
    } catch (const RegistryError& error) {
      const std::string prefix = file.string() + " line " + std::to_string(test.line) + ": ";
      EXPECT_EQ(std::string(error.what()).substr(0, prefix.size()), prefix) << error.what();
      EXPECT_NE(std::string(error.what()).find(test.message), std::string::npos) << error.what();
    }
    EXPECT_EQ(FileBytes(file), test.file);
    EXPECT_EQ(FolderListing(), std::vector<std::string>{"bad.reg"});
  }
}

TEST_F(RegistryHiveTest, MissingFileIsAnEmptyHive) {
  RegistryHive hive = RegistryHive::CurrentUser(MachineRoot(dir_));
  EXPECT_EQ(hive.File(), dir_ / "user.reg");
  EXPECT_FALSE(hive.KeyExists("SOFTWARE"));
  const std::optional<RegistryKey> root = hive.OpenKey("");
  ASSERT_TRUE(root);
  EXPECT_TRUE(hive.SubkeyNames(*root).empty());
  hive.Save();
  EXPECT_TRUE(FolderListing().empty()) << "an unchanged empty hive writes no file";

  const RegistryKey key = hive.CreateKey(R"(SOFTWARE\QXR\QXRHarbo\1.0)");
  EXPECT_TRUE(hive.KeyExists(R"(SOFTWARE\QXR)"));
  hive.WriteString(key, "TelnetAddress", "10.0.0.1");
  hive.WriteDword(key, "Language", static_cast<std::uint32_t>(-1));
  hive.Save();

  EXPECT_EQ(FileBytes(dir_ / "user.reg"),
            Utf16File("Windows Registry Editor Version 5.00\r\n\r\n"
                      "[HKEY_CURRENT_USER\\SOFTWARE\\QXR\\QXRHarbo\\1.0]\r\n"
                      "\"TelnetAddress\"=\"10.0.0.1\"\r\n"
                      "\"Language\"=dword:ffffffff\r\n"));
  const RegistryHive reread = RegistryHive::CurrentUser(MachineRoot(dir_));
  EXPECT_EQ(static_cast<std::int32_t>(*reread.ReadDword(*reread.OpenKey(key.Path()), "Language")),
            -1);
}

TEST_F(RegistryHiveTest, SaveReplacesTheFileAndKeepsItsMode) {
  const fs::path file = Put("user.reg", Reg4("[HKCU\\A]\n\"x\"=\"1\"\n"));
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  RegistryHive hive(file, kCu);
  hive.WriteString(*hive.OpenKey("A"), "x", "2");
  EXPECT_TRUE(hive.HasUnsavedChanges());
  hive.Save();
  EXPECT_FALSE(hive.HasUnsavedChanges());

  EXPECT_EQ(FileBytes(file), Reg4("[HKCU\\A]\n\"x\"=\"2\"\n"));
  EXPECT_EQ(FolderListing(), std::vector<std::string>{"user.reg"}) << "a temporary file is left";
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}

// Fault: the hive file's place is taken by a folder with contents, so the rename fails.
TEST_F(RegistryHiveTest, FailedSaveLeavesNoTemporaryFile) {
  RegistryHive hive(dir_ / "user.reg", kCu);
  hive.WriteDword(hive.CreateKey("A"), "x", 1);
  fs::create_directory(dir_ / "user.reg");
  WriteFile(dir_ / "user.reg" / "inside", "x");

  EXPECT_THROW(hive.Save(), RegistryError);
  EXPECT_TRUE(hive.HasUnsavedChanges());
  EXPECT_EQ(FolderListing(), std::vector<std::string>{"user.reg"});
  EXPECT_TRUE(fs::is_directory(dir_ / "user.reg"));
}

TEST_F(RegistryHiveTest, WritingTheValueItHoldsChangesNothing) {
  RegistryHive hive(Put("user.reg", Reg4("[HKCU\\A]\n\"s\"=\"x\"\n\"d\"=dword:0000000A\n")), kCu);
  const RegistryKey key = *hive.OpenKey("a");
  hive.WriteString(key, "S", "x");
  hive.WriteDword(key, "D", 10);
  hive.CreateKey("A");
  EXPECT_FALSE(hive.HasUnsavedChanges());

  hive.WriteDword(key, "s", 10);  // a REG_SZ becomes a REG_DWORD in its own line
  hive.Save();
  EXPECT_EQ(FileBytes(dir_ / "user.reg"),
            Reg4("[HKCU\\A]\n\"s\"=dword:0000000a\n\"d\"=dword:0000000A\n"));
}

TEST_F(RegistryHiveTest, DeleteValueRemovesEveryLineThatSetsIt) {
  const fs::path file =
      Put("user.reg",
          Reg4("[HKCU\\A]\n\"x\"=\"1\"\n\"y\"=\"keep\"\n[HKCU\\B]\n[HKCU\\A]\n\"X\"=\"2\"\n"));
  RegistryHive hive(file, kCu);
  const RegistryKey key = *hive.OpenKey("A");
  EXPECT_TRUE(hive.DeleteValue(key, "x"));
  EXPECT_EQ(hive.ValueType(key, "x"), std::nullopt);
  EXPECT_FALSE(hive.DeleteValue(key, "x"));
  hive.Save();

  EXPECT_EQ(FileBytes(file), Reg4("[HKCU\\A]\n\"y\"=\"keep\"\n[HKCU\\B]\n[HKCU\\A]\n"));
  const RegistryHive reread(file, kCu);
  EXPECT_EQ(reread.ValueNames(*reread.OpenKey("A")), std::vector<std::string>{"y"});
}

TEST_F(RegistryHiveTest, PlacesNewValuesAndKeys) {
  const fs::path file = Put("user.reg", Reg4(R"([HKCU\A]
"x"="1"
; about A

[HKCU\A\B]
"y"="2"

[HKCU\A]
"z"="3"
; after z

[HKCU\C\D]
[HKCU\E]
[-HKCU\E]
[HKCU\E\F])"));
  RegistryHive hive(file, kCu);
  hive.WriteString(*hive.OpenKey("a"), "new", "A");        // after "z", the last section of A
  hive.WriteString(*hive.OpenKey("a\\b"), "w", "B");       // after "y"
  hive.WriteString(*hive.OpenKey("C"), "c", "C");          // C has no section of its own
  hive.WriteString(*hive.OpenKey("E"), "e", "E");          // its section came before a deletion
  hive.WriteString(hive.CreateKey("a\\New\\"), "n", "N");  // spelled as the file spells A
  hive.Save();

  EXPECT_EQ(FileBytes(file), Reg4(R"([HKCU\A]
"x"="1"
; about A

[HKCU\A\B]
"y"="2"
"w"="B"

[HKCU\A]
"z"="3"
"new"="A"
; after z

[HKCU\C\D]
[HKCU\E]
[-HKCU\E]
[HKCU\E\F]

[HKCU\C]
"c"="C"

[HKCU\E]
"e"="E"

[HKCU\A\New]
"n"="N"
)"));
  const RegistryHive reread(file, kCu);
  EXPECT_EQ(reread.ReadString(*reread.OpenKey("E"), "e"), "E");
  EXPECT_TRUE(reread.KeyExists("E\\F"));
}

TEST_F(RegistryHiveTest, KeepsLineEndsOfTheFile) {
  const struct {
    const char* title;
    std::string file;
    std::string expected;
  } kCases[] = {
      {"CRLF in a REGEDIT4 file", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"1\"\r\n",
       "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"1\"\r\n\"y\"=\"2\"\r\n"},
      {"no line end at the end", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"",
       "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"\n\"y\"=\"2\"\n"},
      {"changed last line without line end", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"y\"=\"1\"",
       "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"y\"=\"2\""},
  };
  for (const auto& test : kCases) {
    SCOPED_TRACE(test.title);
    const fs::path file = Put("user.reg", test.file);
    RegistryHive hive(file, kCu);
    hive.WriteString(*hive.OpenKey("A"), "y", "2");
    hive.Save();
    EXPECT_EQ(FileBytes(file), test.expected);
  }
}

TEST_F(RegistryHiveTest, WritesEscapedStrings) {
  const fs::path file = Put("user.reg", Reg4("[HKCU\\A]\n"));
  RegistryHive hive(file, kCu);
  const RegistryKey key = *hive.OpenKey("A");
  hive.WriteString(key, "Path", "C:\\Program Files\\\"Harbo\"");
  hive.WriteString(key, "Lines", "1\r\n2");
  hive.WriteString(key, "", "default");
  EXPECT_THROW(hive.WriteString(key, "Nul", std::string("a\0b", 3)), RegistryError);
  hive.Save();

  EXPECT_EQ(FileBytes(file), Reg4("[HKCU\\A]\n\"Path\"=\"C:\\\\Program Files\\\\\\\"Harbo\\\"\"\n"
                                  "\"Lines\"=\"1\\r\\n2\"\n@=\"default\"\n"));
  const RegistryHive reread(file, kCu);
  EXPECT_EQ(reread.ReadString(key, "Path"), "C:\\Program Files\\\"Harbo\"");
  EXPECT_EQ(reread.ReadString(key, "Lines"), "1\r\n2");
  EXPECT_EQ(reread.ReadString(key, ""), "default");
}

// Characters beyond Windows-1252 read as '?' but stay as they are in the file.
TEST_F(RegistryHiveTest, CharactersBeyondWindows1252SurviveAWrite) {
  // "Ключ" and "ツ" in UTF-16LE.
  const std::string cyrillic_key = std::string("\x1A\x04\x3B\x04\x4E\x04\x47\x04", 8);
  const std::string katakana = std::string("\xC4\x30", 2);
  const std::string original =
      Utf16File("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\") + cyrillic_key +
      Utf16("]\r\n\"v\"=\"") + katakana + Utf16("\"\r\n");
  const fs::path file = Put("user.reg", original);
  RegistryHive hive(file, kCu);
  const RegistryKey root = *hive.OpenKey("");
  ASSERT_EQ(hive.SubkeyNames(root), std::vector<std::string>{"????"});
  const std::optional<RegistryKey> unreachable = hive.OpenKey("????");
  EXPECT_FALSE(unreachable);

  hive.WriteString(hive.CreateKey("B"), "w", "\xE4");
  hive.Save();
  EXPECT_EQ(FileBytes(file), original + Utf16("\r\n[HKEY_CURRENT_USER\\B]\r\n\"w\"=\"\xE4\"\r\n"));
}

TEST_F(RegistryHiveTest, UnknownRootNameIsRejected) {
  EXPECT_THROW(RegistryHive(dir_ / "user.reg", "HKCU"), std::invalid_argument);
  EXPECT_EQ(RegistryHive(dir_ / "user.reg", "hkey_local_machine").RootName(), kLm);
}

}  // namespace
}  // namespace harbo::platform
