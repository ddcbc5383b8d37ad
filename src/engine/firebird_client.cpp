#include "engine/firebird_client.h"

#include <firebird/Interface.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/database_error.h"

namespace harbo::engine {
namespace {

using Firebird::FbException;
using Firebird::ThrowStatusWrapper;

Firebird::IMaster* Master() {
  static Firebird::IMaster* master = Firebird::fb_get_master_interface();
  return master;
}
Firebird::IUtil* Util() { return Master()->getUtilInterface(); }
Firebird::IProvider* Provider() {
  static Firebird::IProvider* provider = Master()->getDispatcher();
  return provider;
}

// A status vector that throws FbException; one per call site.
class Status {
 public:
  Status() : raw_(Master()->getStatus()), wrapper_(raw_) {}
  ~Status() { raw_->dispose(); }
  Status(const Status&) = delete;
  Status& operator=(const Status&) = delete;
  ThrowStatusWrapper* operator&() { return &wrapper_; }

 private:
  Firebird::IStatus* raw_;
  ThrowStatusWrapper wrapper_;
};

std::string ErrorText(const FbException& e) {
  char text[4096];
  Util()->formatStatus(text, sizeof text, e.getStatus());
  return text;
}

// Runs a Firebird call sequence and turns its errors into DatabaseError.
template <typename F>
auto Guarded(F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const FbException& e) {
    throw DatabaseError(ErrorText(e));
  }
}

struct XpbDeleter {
  void operator()(Firebird::IXpbBuilder* b) const { b->dispose(); }
};
using Xpb = std::unique_ptr<Firebird::IXpbBuilder, XpbDeleter>;

Xpb NewXpb(Status& status, unsigned kind) {
  return Xpb(Util()->getXpbBuilder(&status, kind, nullptr, 0));
}

// Attachment parameters with the login; no character set, so texts pass as the bytes they are.
Xpb LoginDpb(Status& status, const ConnectionParameters& parameters) {
  Xpb dpb = NewXpb(status, Firebird::IXpbBuilder::DPB);
  dpb->insertString(&status, isc_dpb_user_name, parameters.user.c_str());
  dpb->insertString(&status, isc_dpb_password, parameters.password.c_str());
  return dpb;
}

std::string Trimmed(const char* text) {
  std::string s = text != nullptr ? text : "";
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

unsigned BaseType(unsigned type) { return type & ~1u; }

std::string ReadBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
                     ISC_QUAD id) {
  Status status;
  Firebird::IBlob* blob = attachment->openBlob(&status, transaction, &id, 0, nullptr);
  std::string text;
  char segment[32768];
  try {
    for (;;) {
      unsigned got = 0;
      const int result = blob->getSegment(&status, sizeof segment, segment, &got);
      if (result != Firebird::IStatus::RESULT_OK && result != Firebird::IStatus::RESULT_SEGMENT) {
        break;
      }
      text.append(segment, got);
    }
    blob->close(&status);
  } catch (...) {
    blob->release();
    throw;
  }
  return text;
}

ISC_QUAD WriteBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
                   const std::string& text) {
  Status status;
  ISC_QUAD id{};
  Firebird::IBlob* blob = attachment->createBlob(&status, transaction, &id, 0, nullptr);
  try {
    constexpr std::size_t kSegment = 32768;
    for (std::size_t at = 0; at < text.size(); at += kSegment) {
      const auto n = static_cast<unsigned>(std::min(kSegment, text.size() - at));
      blob->putSegment(&status, n, text.data() + at);
    }
    blob->close(&status);
  } catch (...) {
    blob->release();
    throw;
  }
  return id;
}

double Scaled(std::int64_t value, int scale) { return static_cast<double>(value) * std::pow(10.0, scale); }

FieldValue DecodeColumn(const ColumnInfo& c, const unsigned char* row,
                        Firebird::IAttachment* attachment, Firebird::ITransaction* transaction) {
  if (*reinterpret_cast<const std::int16_t*>(row + c.null_offset) != 0) return {};
  const unsigned char* p = row + c.offset;
  auto integer = [&](std::int64_t v) -> FieldValue {
    return c.scale < 0 ? FieldValue(Scaled(v, c.scale)) : FieldValue(v);
  };
  switch (c.type) {
    case SQL_TEXT:
      return std::string(reinterpret_cast<const char*>(p), c.length);
    case SQL_VARYING: {
      std::uint16_t n;
      std::memcpy(&n, p, sizeof n);
      return std::string(reinterpret_cast<const char*>(p + 2), n);
    }
    case SQL_SHORT: {
      std::int16_t v;
      std::memcpy(&v, p, sizeof v);
      return integer(v);
    }
    case SQL_LONG: {
      std::int32_t v;
      std::memcpy(&v, p, sizeof v);
      return integer(v);
    }
    case SQL_INT64: {
      std::int64_t v;
      std::memcpy(&v, p, sizeof v);
      return integer(v);
    }
    case SQL_FLOAT: {
      float v;
      std::memcpy(&v, p, sizeof v);
      return static_cast<double>(v);
    }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: {
      double v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    case SQL_BOOLEAN:
      return std::int64_t{*p != 0};
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME: {
      ISC_DATE date = 0;  // day 0 of Firebird's scale is 17 November 1858; decoded below
      ISC_TIME time = 0;
      if (c.type == SQL_TIMESTAMP) {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, p, sizeof ts);
        date = ts.timestamp_date;
        time = ts.timestamp_time;
      } else if (c.type == SQL_TYPE_DATE) {
        std::memcpy(&date, p, sizeof date);
      } else {
        std::memcpy(&time, p, sizeof time);
      }
      DateTime t;
      unsigned y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, f = 0;
      if (c.type != SQL_TYPE_TIME) {
        Util()->decodeDate(date, &y, &mo, &d);
        t.year = static_cast<int>(y);
        t.month = static_cast<int>(mo);
        t.day = static_cast<int>(d);
      }
      Util()->decodeTime(time, &h, &mi, &s, &f);
      t.hour = static_cast<int>(h);
      t.minute = static_cast<int>(mi);
      t.second = static_cast<int>(s);
      t.fraction = static_cast<int>(f);
      return t;
    }
    case SQL_BLOB: {
      ISC_QUAD id;
      std::memcpy(&id, p, sizeof id);
      return ReadBlob(attachment, transaction, id);
    }
    case SQL_NULL:
      return {};
    default:
      throw DatabaseError("column " + c.name + " has a type this program cannot read (" +
                          std::to_string(c.type) + ")");
  }
}

std::vector<ColumnInfo> DescribeColumns(Firebird::IMessageMetadata* meta) {
  Status status;
  std::vector<ColumnInfo> columns(meta->getCount(&status));
  for (unsigned i = 0; i < columns.size(); ++i) {
    ColumnInfo& c = columns[i];
    c.name = Trimmed(meta->getAlias(&status, i));
    c.field = Trimmed(meta->getField(&status, i));
    c.relation = Trimmed(meta->getRelation(&status, i));
    c.type = BaseType(meta->getType(&status, i));
    c.sub_type = meta->getSubType(&status, i);
    c.length = meta->getLength(&status, i);
    c.scale = meta->getScale(&status, i);
    c.offset = meta->getOffset(&status, i);
    c.null_offset = meta->getNullOffset(&status, i);
  }
  return columns;
}

// The parameter message for the given values: each parameter takes the type of its value, so the
// server converts (a text into an integer column, say) exactly as it would a literal. Text for a
// blob parameter goes into a new blob.
class ParameterMessage {
 public:
  ParameterMessage(Firebird::IStatement* statement, Firebird::IAttachment* attachment,
                   Firebird::ITransaction* transaction, const std::vector<FieldValue>& values) {
    Status status;
    Firebird::IMessageMetadata* input = statement->getInputMetadata(&status);
    const unsigned count = input->getCount(&status);
    if (count != values.size()) {
      input->release();
      throw DatabaseError("statement expects " + std::to_string(count) + " parameters, got " +
                          std::to_string(values.size()));
    }
    Firebird::IMetadataBuilder* builder = input->getBuilder(&status);
    std::vector<bool> blob(count);
    try {
      for (unsigned i = 0; i < count; ++i) {
        blob[i] = BaseType(input->getType(&status, i)) == SQL_BLOB;
        const FieldValue& v = values[i];
        if (IsNull(v)) continue;
        if (const auto* n = std::get_if<std::int64_t>(&v)) {
          const bool fits = *n >= std::numeric_limits<std::int32_t>::min() &&
                            *n <= std::numeric_limits<std::int32_t>::max();
          SetType(builder, i, fits ? SQL_LONG : SQL_DOUBLE, fits ? 4 : 8);
        } else if (std::holds_alternative<double>(v)) {
          SetType(builder, i, SQL_DOUBLE, 8);
        } else if (std::holds_alternative<DateTime>(v)) {
          SetType(builder, i, SQL_TIMESTAMP, sizeof(ISC_TIMESTAMP));
        } else if (!blob[i]) {
          const auto& text = std::get<std::string>(v);
          if (text.size() > 32765) throw DatabaseError("text parameter longer than 32765 bytes");
          SetType(builder, i, SQL_VARYING, static_cast<unsigned>(std::max<std::size_t>(1, text.size())));
          builder->setCharSet(&status, i, 0);
        }
      }
      meta_ = builder->getMetadata(&status);
      builder->release();
    } catch (...) {
      builder->release();
      input->release();
      throw;
    }
    input->release();
    buffer_.assign(meta_->getMessageLength(&status), 0);
    for (unsigned i = 0; i < count; ++i) {
      unsigned char* p = buffer_.data() + meta_->getOffset(&status, i);
      auto* null_flag = reinterpret_cast<std::int16_t*>(buffer_.data() + meta_->getNullOffset(&status, i));
      const FieldValue& v = values[i];
      *null_flag = IsNull(v) ? -1 : 0;
      if (IsNull(v)) continue;
      if (const auto* n = std::get_if<std::int64_t>(&v)) {
        if (BaseType(meta_->getType(&status, i)) == SQL_LONG) {
          const auto v32 = static_cast<std::int32_t>(*n);
          std::memcpy(p, &v32, sizeof v32);
        } else {
          const auto d = static_cast<double>(*n);
          std::memcpy(p, &d, sizeof d);
        }
      } else if (const auto* d = std::get_if<double>(&v)) {
        std::memcpy(p, d, sizeof *d);
      } else if (const auto* t = std::get_if<DateTime>(&v)) {
        ISC_TIMESTAMP ts;
        ts.timestamp_date = Util()->encodeDate(t->year, t->month, t->day);
        ts.timestamp_time = Util()->encodeTime(t->hour, t->minute, t->second, t->fraction);
        std::memcpy(p, &ts, sizeof ts);
      } else if (blob[i]) {
        const ISC_QUAD id = WriteBlob(attachment, transaction, std::get<std::string>(v));
        std::memcpy(p, &id, sizeof id);
      } else {
        const auto& text = std::get<std::string>(v);
        const auto n = static_cast<std::uint16_t>(text.size());
        std::memcpy(p, &n, sizeof n);
        std::memcpy(p + 2, text.data(), text.size());
      }
    }
  }
  ~ParameterMessage() {
    if (meta_ != nullptr) meta_->release();
  }
  ParameterMessage(const ParameterMessage&) = delete;
  ParameterMessage& operator=(const ParameterMessage&) = delete;

  Firebird::IMessageMetadata* Metadata() const { return meta_; }
  void* Buffer() { return buffer_.data(); }

 private:
  static void SetType(Firebird::IMetadataBuilder* builder, unsigned i, unsigned type,
                      unsigned length) {
    Status status;
    builder->setType(&status, i, type | 1);  // nullable
    builder->setSubType(&status, i, 0);
    builder->setScale(&status, i, 0);
    builder->setLength(&status, i, length);
  }

  Firebird::IMessageMetadata* meta_ = nullptr;
  std::vector<unsigned char> buffer_;
};

}  // namespace

// --- Connection ---

Connection::Connection(ConnectionParameters parameters) : parameters_(std::move(parameters)) {}

Connection::~Connection() { Detach(); }

std::string Connection::ConnectionString() const {
  return parameters_.server + ":" + parameters_.database_path;
}

void Connection::Attach() {
  Detach();
  Guarded([&] {
    Status status;
    Xpb dpb = LoginDpb(status, parameters_);
    attachment_ = Provider()->attachDatabase(&status, ConnectionString().c_str(),
                                             dpb->getBufferLength(&status), dpb->getBuffer(&status));
  });
}

void Connection::CreateDatabase(bool forced_writes, unsigned page_size) {
  Detach();
  Guarded([&] {
    Status status;
    Xpb dpb = LoginDpb(status, parameters_);
    dpb->insertInt(&status, isc_dpb_sql_dialect, static_cast<int>(kSqlDialect));
    dpb->insertInt(&status, isc_dpb_page_size, static_cast<int>(page_size));
    dpb->insertInt(&status, isc_dpb_force_write, forced_writes ? 1 : 0);
    attachment_ = Provider()->createDatabase(&status, ConnectionString().c_str(),
                                             dpb->getBufferLength(&status), dpb->getBuffer(&status));
  });
}

void Connection::Detach() noexcept {
  if (attachment_ == nullptr) return;
  try {
    Status status;
    attachment_->detach(&status);
  } catch (const FbException&) {
    attachment_->release();
  }
  attachment_ = nullptr;
}

Firebird::IAttachment* Connection::Handle() const {
  if (attachment_ == nullptr) throw DatabaseError("not connected to " + ConnectionString());
  return attachment_;
}

// --- Transaction ---

Transaction::Transaction(Connection& connection, bool read_only)
    : connection_(connection), read_only_(read_only) {}

Transaction::~Transaction() { Rollback(); }

Firebird::ITransaction* Transaction::Start() {
  if (handle_ != nullptr) return handle_;
  Firebird::IAttachment* attachment = connection_.Handle();
  Guarded([&] {
    Status status;
    Xpb tpb = NewXpb(status, Firebird::IXpbBuilder::TPB);
    tpb->insertTag(&status, read_only_ ? isc_tpb_read : isc_tpb_write);
    tpb->insertTag(&status, isc_tpb_read_committed);
    tpb->insertTag(&status, isc_tpb_rec_version);
    tpb->insertTag(&status, isc_tpb_nowait);
    handle_ = attachment->startTransaction(&status, tpb->getBufferLength(&status),
                                           tpb->getBuffer(&status));
  });
  return handle_;
}

void Transaction::Commit() {
  if (handle_ == nullptr) return;
  Guarded([&] {
    Status status;
    handle_->commit(&status);
  });
  handle_ = nullptr;
}

void Transaction::Rollback() noexcept {
  if (handle_ == nullptr) return;
  try {
    Status status;
    handle_->rollback(&status);
  } catch (const FbException&) {
    handle_->release();
  }
  handle_ = nullptr;
}

// --- PreparedStatement ---

PreparedStatement::PreparedStatement(Connection& connection, Transaction& transaction,
                                     std::string_view sql)
    : connection_(connection) {
  Firebird::IAttachment* attachment = connection.Handle();
  Firebird::ITransaction* tx = transaction.Start();
  Guarded([&] {
    Status status;
    statement_ = attachment->prepare(&status, tx, static_cast<unsigned>(sql.size()), sql.data(),
                                     kSqlDialect, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    output_ = statement_->getOutputMetadata(&status);
    columns_ = DescribeColumns(output_);
    buffer_.assign(output_->getMessageLength(&status), 0);
  });
}

PreparedStatement::~PreparedStatement() {
  CloseCursor();
  if (output_ != nullptr) output_->release();
  if (statement_ != nullptr) {
    try {
      Status status;
      statement_->free(&status);
    } catch (const FbException&) {
      statement_->release();
    }
  }
}

bool PreparedStatement::ReturnsRows() const {
  return Guarded([&] {
    Status status;
    return (statement_->getFlags(&status) & Firebird::IStatement::FLAG_HAS_CURSOR) != 0;
  });
}

void PreparedStatement::Execute(Transaction& transaction,
                                const std::vector<FieldValue>& parameters) {
  Firebird::ITransaction* tx = transaction.Start();
  Guarded([&] {
    Status status;
    ParameterMessage input(statement_, connection_.Handle(), tx, parameters);
    statement_->execute(&status, tx, input.Metadata(), input.Buffer(), nullptr, nullptr);
  });
}

void PreparedStatement::OpenCursor(Transaction& transaction) {
  CloseCursor();
  Firebird::ITransaction* tx = transaction.Start();
  Guarded([&] {
    Status status;
    cursor_ = statement_->openCursor(&status, tx, nullptr, nullptr, output_, 0);
  });
}

bool PreparedStatement::FetchRow(Transaction& transaction, std::vector<FieldValue>& row) {
  if (cursor_ == nullptr) return false;
  return Guarded([&] {
    Status status;
    if (cursor_->fetchNext(&status, buffer_.data()) != Firebird::IStatus::RESULT_OK) return false;
    row.clear();
    row.reserve(columns_.size());
    Firebird::ITransaction* tx = transaction.Start();
    for (const ColumnInfo& c : columns_) {
      row.push_back(DecodeColumn(c, buffer_.data(), connection_.Handle(), tx));
    }
    return true;
  });
}

void PreparedStatement::CloseCursor() noexcept {
  if (cursor_ == nullptr) return;
  try {
    Status status;
    cursor_->close(&status);
  } catch (const FbException&) {
    cursor_->release();
  }
  cursor_ = nullptr;
}

std::vector<std::string> PrimaryKeyColumns(Connection& connection, Transaction& transaction,
                                           std::string_view relation) {
  std::string name(relation);
  std::string quoted;
  for (char c : name) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  PreparedStatement query(
      connection, transaction,
      "SELECT s.RDB$FIELD_NAME FROM RDB$RELATION_CONSTRAINTS c JOIN RDB$INDEX_SEGMENTS s "
      "ON s.RDB$INDEX_NAME = c.RDB$INDEX_NAME WHERE c.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' "
      "AND c.RDB$RELATION_NAME = '" + quoted + "' ORDER BY s.RDB$FIELD_POSITION");
  query.OpenCursor(transaction);
  std::vector<std::string> columns;
  std::vector<FieldValue> row;
  while (query.FetchRow(transaction, row)) {
    std::string column = ValueAsText(row[0]);
    while (!column.empty() && column.back() == ' ') column.pop_back();
    columns.push_back(column);
  }
  return columns;
}

}  // namespace harbo::engine
