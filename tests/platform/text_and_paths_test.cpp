// Windows-1252 texts and the machine root's paths.
#include <gtest/gtest.h>

#include "platform/machine_root.h"
#include "platform/text_encoding.h"

namespace harbo::platform {
namespace {

TEST(TextEncodingTest, Utf8AndWindows1252BothWays) {
  const struct {
    std::string_view utf8, cp1252;
  } cases[] = {{"abc", "abc"},
               {"ä", "\xE4"},
               {"Hätä Öö", "H\xE4t\xE4 \xD6\xF6"},
               {"€ Œ ž Ÿ", "\x80 \x8C \x9E \x9F"},
               {"õ", "\xF5"},
               {"", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), std::string(c.cp1252));
    EXPECT_EQ(Windows1252ToUtf8(c.cp1252), c.utf8);
  }
}

TEST(TextEncodingTest, TextsWindows1252CannotHoldAreRefused) {
  // ő (Hungarian), š is in Windows-1252 but č and ő are not; also broken UTF-8.
  for (std::string_view text : {"ő", "č", "ツ", "\xC3", "\xE4x", "\xF0\x9F\x98\x80"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Utf8ToWindows1252(text), std::nullopt);
  }
  EXPECT_THROW(Cp1252("Kovács ő"), std::invalid_argument);
  EXPECT_EQ(Cp1252("š"), "\x9A");
}

TEST(TextEncodingTest, UndefinedBytesSurviveTheRoundTrip) {
  const std::string all_bytes = [] {
    std::string s;
    for (int b = 1; b < 256; ++b) s += static_cast<char>(b);
    return s;
  }();
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all_bytes)), all_bytes);
}

TEST(MachineRootTest, DrivePathsLieBelowTheRootHostPathsStay) {
  const MachineRoot machine("/srv/machine");
  const struct {
    std::string_view path, host;
  } cases[] = {{"C:\\HarboServer\\harbo.fdb", "/srv/machine/drive_c/HarboServer/harbo.fdb"},
               {"c:/HarboServer/Harbo.FDB", "/srv/machine/drive_c/HarboServer/Harbo.FDB"},
               {"D:\\Data", "/srv/machine/drive_d/Data"},
               {"C:\\", "/srv/machine/drive_c"},
               {"C:", "/srv/machine/drive_c"},
               {"/srv/db/harbo.fdb", "/srv/db/harbo.fdb"},
               {"upddata\\common.fdb", "upddata/common.fdb"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(machine.HostPath(c.path), std::filesystem::path(c.host));
  }
  EXPECT_EQ(machine.CurrentUserHive(), "/srv/machine/user.reg");
  EXPECT_EQ(machine.LocalMachineHive(), "/srv/machine/system.reg");
}

TEST(MachineRootTest, RootFromTheEnvironment) {
  setenv("HARBO_ROOT", "/tmp/some-root", 1);
  EXPECT_EQ(MachineRoot::FromEnvironment().Root(), "/tmp/some-root");
  setenv("HARBO_ROOT", "", 1);
  EXPECT_EQ(MachineRoot::FromEnvironment().Root(), MachineRoot::kDefaultRoot);
  unsetenv("HARBO_ROOT");
  EXPECT_EQ(MachineRoot::FromEnvironment().Root(), MachineRoot::kDefaultRoot);
}

}  // namespace
}  // namespace harbo::platform
