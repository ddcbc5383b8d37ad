#include "engine/live_query.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/database_error.h"
#include "engine/upgrade_log.h"

namespace harbo::engine {
namespace {

std::string Upper(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// SQL_* type codes of the columns this file looks at.
constexpr unsigned kBlobType = 520;
constexpr unsigned kTextType = 452;
constexpr unsigned kVaryingType = 448;

bool IsBinary(const std::string& bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t';
  });
}

// The statement with its parameter values written in, for the log.
std::string WithValues(const std::string& sql, const std::vector<FieldValue>& values) {
  std::string out;
  std::size_t next = 0;
  for (char c : sql) {
    if (c != '?' || next >= values.size()) {
      out += c;
      continue;
    }
    const FieldValue& v = values[next++];
    if (IsNull(v)) {
      out += "NULL";
    } else if (const auto* bytes = std::get_if<std::string>(&v); bytes && IsBinary(*bytes)) {
      out += "(" + std::to_string(bytes->size()) + " bytes)";  // a picture, say
    } else if (std::holds_alternative<std::string>(v) || std::holds_alternative<DateTime>(v)) {
      std::string text = ValueAsText(v);
      const std::size_t full = text.size();
      if (full > 200) text.resize(200);
      out += '"';
      for (char t : text) out += t == '"' ? std::string("\"\"") : std::string(1, t);
      out += '"';
      if (full > 200) out += "... (" + std::to_string(full) + " bytes)";
    } else {
      out += ValueAsText(v);
    }
  }
  return out;
}

}  // namespace

LiveQuery::LiveQuery(std::string name, Connection& connection, UpgradeLog& log, bool read_only)
    : name_(std::move(name)),
      connection_(connection),
      log_(log),
      read_only_(read_only),
      read_(connection, true),
      write_(connection, false) {}

LiveQuery::~LiveQuery() { Close(); }

void LiveQuery::Open(std::string_view sql) {
  Close();
  sql_ = sql;
  try {
    statement_ = std::make_unique<PreparedStatement>(connection_, read_, sql_);
    if (!statement_->ReturnsRows()) throw DatabaseError("the statement returns no rows to open");
    const auto& columns = statement_->Columns();
    for (int i = static_cast<int>(columns.size()) - 1; i >= 0; --i) {
      column_index_[Upper(columns[i].name)] = i;  // the first of equal names wins
    }
    statement_->OpenCursor(read_);
    std::vector<FieldValue> first;
    if (FetchInto(first)) current_ = std::move(first);
    log_.Statement(sql_, true);
  } catch (const DatabaseError& e) {
    log_.Statement(sql_, false, e.what());
    std::string keep = sql_;
    Close();
    sql_ = std::move(keep);
    throw;
  }
}

void LiveQuery::Close() noexcept {
  pending_.reset();
  held_.clear();
  write_statements_.clear();
  key_columns_.clear();
  statement_.reset();
  column_index_.clear();
  current_.reset();
  ahead_.clear();
  exhausted_ = false;
  passed_ = 0;
  sql_.clear();
  try {
    read_.Commit();
  } catch (const DatabaseError&) {
    read_.Rollback();
  }
  write_.Rollback();
}

bool LiveQuery::FetchInto(std::vector<FieldValue>& row) {
  if (exhausted_ || statement_ == nullptr) return false;
  if (statement_->FetchRow(read_, row)) return true;
  exhausted_ = true;
  statement_->CloseCursor();
  return false;
}

bool LiveQuery::IsEmpty() const { return passed_ == 0 && !current_ && ahead_.empty() && !pending_; }

int LiveQuery::RecordCount() {
  std::vector<FieldValue> row;
  while (FetchInto(row)) ahead_.push_back(std::move(row));
  return passed_ + (current_ ? 1 : 0) + static_cast<int>(ahead_.size());
}

bool LiveQuery::Eof() const { return !current_ && !pending_; }

void LiveQuery::Next() {
  PostPendingChange();
  if (!current_) return;
  ++passed_;
  if (!ahead_.empty()) {
    current_ = std::move(ahead_.front());
    ahead_.pop_front();
    return;
  }
  std::vector<FieldValue> row;
  if (FetchInto(row)) {
    current_ = std::move(row);
  } else {
    current_.reset();
  }
}

int LiveQuery::FieldCount() const {
  if (statement_ == nullptr) throw DatabaseError("query " + name_ + " is not open");
  return static_cast<int>(statement_->Columns().size());
}

std::string LiveQuery::FieldName(int index) const {
  if (index < 0 || index >= FieldCount()) {
    throw DatabaseError("query " + name_ + " has no column number " + std::to_string(index));
  }
  return statement_->Columns()[index].name;
}

bool LiveQuery::HasField(std::string_view name) const {
  return column_index_.count(Upper(name)) != 0;
}

int LiveQuery::ColumnIndex(std::string_view name) const {
  const auto it = column_index_.find(Upper(name));
  if (it == column_index_.end()) {
    throw DatabaseError("column " + std::string(name) + " not found in query " + name_);
  }
  return it->second;
}

const std::vector<FieldValue>& LiveQuery::CurrentRow() const {
  if (pending_) return pending_->values;
  if (!current_) throw DatabaseError("query " + name_ + " has no current row");
  return *current_;
}

const FieldValue& LiveQuery::Value(std::string_view name) const {
  const int index = ColumnIndex(name);
  return CurrentRow()[index];
}

std::int64_t LiveQuery::AsInteger(std::string_view name) const {
  return ValueAsInteger(Value(name));
}

std::string LiveQuery::AsText(std::string_view name) const { return ValueAsText(Value(name)); }

void LiveQuery::Edit() {
  if (read_only_) throw DatabaseError("query " + name_ + " is read only");
  PostPendingChange();
  if (!current_) throw DatabaseError("query " + name_ + " has no current row to edit");
  pending_ = RowChange{ChangeKind::kUpdate, *current_, *current_,
                       std::vector<bool>(current_->size(), false)};
}

void LiveQuery::Insert() {
  if (read_only_) throw DatabaseError("query " + name_ + " is read only");
  PostPendingChange();
  const auto count = static_cast<std::size_t>(FieldCount());
  pending_ = RowChange{
      ChangeKind::kInsert, {}, std::vector<FieldValue>(count), std::vector<bool>(count, false)};
}

void LiveQuery::SetField(std::string_view name, FieldValue value) {
  if (!pending_) throw DatabaseError("query " + name_ + " is not editing a row");
  const int index = ColumnIndex(name);
  // A text longer than its column would only fail when the row is written; refuse it here so
  // that the caller can tell which column did not take its value.
  const ColumnInfo& column = statement_->Columns()[index];
  if (const auto* text = std::get_if<std::string>(&value);
      text != nullptr && (column.type == kTextType || column.type == kVaryingType) &&
      text->size() > column.length) {
    throw DatabaseError("value of " + std::to_string(text->size()) + " bytes does not fit column " +
                        column.name + " (" + std::to_string(column.length) + ")");
  }
  pending_->values[index] = std::move(value);
  pending_->changed[index] = true;
}

void LiveQuery::PostPendingChange() {
  if (!pending_) return;
  RowChange change = std::move(*pending_);
  pending_.reset();
  if (std::none_of(change.changed.begin(), change.changed.end(), [](bool b) { return b; })) return;
  current_ = change.values;
  held_.push_back(std::move(change));
}

void LiveQuery::ApplyRowChanges() {
  if (read_only_) throw DatabaseError("query " + name_ + " is read only");
  PostPendingChange();
  try {
    write_.Start();
    for (const RowChange& change : held_) WriteChange(change);
    write_.Commit();
    held_.clear();
  } catch (const DatabaseError&) {
    write_.Rollback();
    held_.clear();
    throw;
  }
}

bool LiveQuery::TryApplyRowChanges() {
  try {
    ApplyRowChanges();
    return true;
  } catch (const DatabaseError&) {
    RollbackWrite();
    return false;
  }
}

const std::vector<std::string>& LiveQuery::KeyColumns(const std::string& relation) {
  auto it = key_columns_.find(relation);
  if (it == key_columns_.end()) {
    it = key_columns_.emplace(relation, PrimaryKeyColumns(connection_, read_, relation)).first;
  }
  return it->second;
}

void LiveQuery::WriteChange(const RowChange& change) {
  const auto& columns = statement_->Columns();
  std::string relation;
  std::vector<std::size_t> set;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (!change.changed[i]) continue;
    if (columns[i].relation.empty() || columns[i].field.empty()) {
      throw DatabaseError("column " + columns[i].name + " is not a table column and cannot be set");
    }
    if (!relation.empty() && relation != columns[i].relation) {
      throw DatabaseError("a row change spans the tables " + relation + " and " +
                          columns[i].relation);
    }
    relation = columns[i].relation;
    set.push_back(i);
  }
  std::vector<FieldValue> parameters;
  std::string sql;
  if (change.kind == ChangeKind::kInsert) {
    std::string names, markers;
    for (std::size_t i : set) {
      names += (names.empty() ? "" : ", ") + columns[i].field;
      markers += markers.empty() ? "?" : ", ?";
      parameters.push_back(change.values[i]);
    }
    sql = "INSERT INTO " + relation + " (" + names + ") VALUES (" + markers + ")";
  } else {
    sql = "UPDATE " + relation + " SET ";
    for (std::size_t k = 0; k < set.size(); ++k) {
      sql += (k ? ", " : "") + columns[set[k]].field + " = ?";
      parameters.push_back(change.values[set[k]]);
    }
    // The row is found by its primary key; a table without one by every value that was read.
    std::vector<std::size_t> where;
    for (const std::string& key : KeyColumns(relation)) {
      for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].relation == relation && Upper(columns[i].field) == Upper(key)) {
          where.push_back(i);
          break;
        }
      }
    }
    if (where.empty() || where.size() != KeyColumns(relation).size()) {
      where.clear();
      for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].relation == relation && columns[i].type != kBlobType) where.push_back(i);
      }
    }
    if (where.empty())
      throw DatabaseError("the changed row of " + relation + " cannot be identified");
    for (std::size_t k = 0; k < where.size(); ++k) {
      const FieldValue& v = change.original[where[k]];
      sql +=
          (k ? " AND " : " WHERE ") + columns[where[k]].field + (IsNull(v) ? " IS NULL" : " = ?");
      if (!IsNull(v)) parameters.push_back(v);
    }
  }
  ExecuteWrite(sql, parameters);
}

void LiveQuery::ExecuteWrite(const std::string& sql, const std::vector<FieldValue>& parameters) {
  try {
    auto& statement = write_statements_[sql];
    if (!statement) statement = std::make_unique<PreparedStatement>(connection_, write_, sql);
    statement->Execute(write_, parameters);
    log_.Statement(WithValues(sql, parameters), true);
  } catch (const DatabaseError& e) {
    write_statements_.erase(sql);
    log_.Statement(WithValues(sql, parameters), false, e.what());
    throw;
  }
}

}  // namespace harbo::engine
