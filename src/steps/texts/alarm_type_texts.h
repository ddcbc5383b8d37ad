// Names, help texts and short names of the two alarm types that step 5100 makes sure of: 11, the
// fire alarm, and 69, the test alarm. UTF-8 here; platform::Cp1252 gives the stored bytes.
// These texts are written into customers' databases: change one only together with a step that
// writes it again.
#pragma once

#include <span>
#include <string_view>

namespace harbo::steps {

struct AlarmTypeText {
  int type;                   // TYPEN
  std::string_view language;  // column suffix: "fin", "eng", ...
  std::string_view name;
  std::string_view short_name;
  std::string_view text;
};

// Every row of the table.
std::span<const AlarmTypeText> FireAndTestAlarmTexts();

// The texts of `type` in `language`; nullptr where the table has none, and the English texts
// then stand in.
const AlarmTypeText* FindFireAndTestAlarmText(int type, std::string_view language);

}  // namespace harbo::steps
