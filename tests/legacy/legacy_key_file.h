// Registry content for the tests of the legacy settings import, written as small regedit texts.
#pragma once

#include <string>
#include <string_view>

#include "legacy/settings_records.h"
#include "platform/text_encoding.h"

namespace harbo::legacy {

// A REGEDIT4 file (Windows-1252) from UTF-8 text in which "[K" opens a key below the legacy
// settings key: "[K]" is the key itself, "[K\Alarms]" is
// [HKEY_CURRENT_USER\SOFTWARE\QXR\QXRHarbo\1.0\Alarms].
inline std::string LegacyKeyFile(std::string_view body) {
  std::string text = "REGEDIT4\n\n" + std::string(body);
  const std::string root = "[HKEY_CURRENT_USER\\" + std::string(kLegacySettingsKey);
  for (std::size_t at = 0; (at = text.find("[K", at)) != std::string::npos; at += root.size()) {
    text.replace(at, 2, root);
  }
  return platform::Cp1252(text);
}

}  // namespace harbo::legacy
