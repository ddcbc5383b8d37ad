// Brings the main database's alarm types in line with the reference database for one language:
// missing alarm types are inserted whole; existing ones get the reference name, text and short
// name of that language. Nothing is deleted.
#pragma once

#include <string_view>

#include "engine/database.h"

namespace harbo::engine {

// suffix: a three-letter language suffix ("fin", "eng", ...). Throws DatabaseError when the
// reference alarm types cannot be read or a language column is missing.
void CopyAlarmTypeLanguage(Database& db, std::string_view suffix);

}  // namespace harbo::engine
