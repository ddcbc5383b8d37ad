#include "engine/reference_data.h"

#include <string>

#include "engine/database_error.h"

namespace harbo::engine {

void CopyAlarmTypeLanguage(Database& db, std::string_view suffix) {
  LiveQuery& reference = db.ReferenceQuery();
  LiveQuery& main = db.MainQuery();
  const std::string name = "Name" + std::string(suffix);
  const std::string text = "Text" + std::string(suffix);
  const std::string short_name = "ShortName" + std::string(suffix);

  reference.Open("SELECT * FROM AlarmType ORDER BY TypeN");
  main.Close();
  for (; !reference.Eof(); reference.Next()) {
    main.Open("SELECT * FROM AlarmType WHERE TypeN = " +
              std::to_string(reference.AsInteger("TypeN")));
    if (main.RecordCount() <= 0) {
      main.Insert();
      for (int i = 0; i < reference.FieldCount(); ++i) {
        const std::string column = reference.FieldName(i);
        try {
          main.SetField(column, reference.Value(column));
        } catch (const DatabaseError&) {
          // a column the main table lacks, or a value it cannot hold: the rest still goes in
        }
      }
    } else {
      main.Edit();
      main.SetField(name, reference.Value(name));
      main.SetField(text, reference.AsText(text));
      main.SetField(short_name, reference.Value(short_name));
    }
    main.TryApplyRowChanges();
    main.Close();
  }
  reference.Close();
  main.Close();
}

}  // namespace harbo::engine
