// A live query: reads rows in its read transaction and holds row changes (an edited row, a new
// row) until ApplyRowChanges writes them in its write transaction. Row access raises
// DatabaseError; field names are case-insensitive.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/field_value.h"
#include "engine/firebird_client.h"

namespace harbo::engine {

class UpgradeLog;

class LiveQuery {
 public:
  // read_only: the query never writes (the reference query).
  LiveQuery(std::string name, Connection& connection, UpgradeLog& log, bool read_only = false);
  ~LiveQuery();
  LiveQuery(const LiveQuery&) = delete;
  LiveQuery& operator=(const LiveQuery&) = delete;

  const std::string& Name() const { return name_; }
  Connection& GetConnection() { return connection_; }
  Transaction& ReadTransaction() { return read_; }
  Transaction& WriteTransaction() { return write_; }

  // Replaces the SQL text, runs it and positions on the first row.
  void Open(std::string_view sql);
  // Ends the result and its read transaction; unapplied changes are discarded.
  void Close() noexcept;
  bool IsOpen() const { return statement_ != nullptr; }
  const std::string& Sql() const { return sql_; }

  bool IsEmpty() const;
  int RecordCount();  // fetches the rest of the result to count it
  bool Eof() const;
  void Next();

  int FieldCount() const;
  std::string FieldName(int index) const;
  bool HasField(std::string_view name) const;
  // The value as stored; throws when there is no current row or no such column.
  const FieldValue& Value(std::string_view name) const;
  // Null gives 0; converting a text that is not a number throws.
  std::int64_t AsInteger(std::string_view name) const;
  // Null gives "".
  std::string AsText(std::string_view name) const;

  void Edit();
  void Insert();
  void SetField(std::string_view name, FieldValue value);
  // Writes every held change in the write transaction and commits. On failure rolls back,
  // drops the held changes and throws DatabaseError.
  void ApplyRowChanges();
  // ApplyRowChanges for callers that go on with their next row after a failure: false then.
  bool TryApplyRowChanges();
  void RollbackWrite() noexcept { write_.Rollback(); }

 private:
  enum class ChangeKind { kUpdate, kInsert };
  struct RowChange {
    ChangeKind kind;
    std::vector<FieldValue> original;
    std::vector<FieldValue> values;
    std::vector<bool> changed;
  };

  int ColumnIndex(std::string_view name) const;
  const std::vector<FieldValue>& CurrentRow() const;
  bool FetchInto(std::vector<FieldValue>& row);
  void PostPendingChange();
  void WriteChange(const RowChange& change);
  const std::vector<std::string>& KeyColumns(const std::string& relation);
  void ExecuteWrite(const std::string& sql, const std::vector<FieldValue>& parameters);

  std::string name_;
  Connection& connection_;
  UpgradeLog& log_;
  bool read_only_;
  Transaction read_;
  Transaction write_;

  std::string sql_;
  std::unique_ptr<PreparedStatement> statement_;
  std::map<std::string, int> column_index_;  // upper-case name -> position
  std::optional<std::vector<FieldValue>> current_;
  std::deque<std::vector<FieldValue>> ahead_;  // fetched, not yet reached
  bool exhausted_ = false;
  int passed_ = 0;  // rows already moved past

  std::optional<RowChange> pending_;
  std::vector<RowChange> held_;
  std::map<std::string, std::vector<std::string>> key_columns_;
  std::map<std::string, std::unique_ptr<PreparedStatement>> write_statements_;
};

}  // namespace harbo::engine
