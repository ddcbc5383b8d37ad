// A thin layer over the Firebird OO API: attachments, transactions with the fixed options of the
// system, and the translation of result and parameter messages to FieldValues. Every Firebird
// error leaves this layer as a DatabaseError carrying the server's text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/field_value.h"

namespace Firebird {
class IAttachment;
class IMessageMetadata;
class IStatement;
class IResultSet;
class ITransaction;
}  // namespace Firebird

namespace harbo::engine {

// The statements of the system are dialect 1: a double-quoted token is a text literal.
constexpr unsigned kSqlDialect = 1;

struct ConnectionParameters {
  std::string server = "127.0.0.1";
  std::string database_path;  // a path on the server's machine
  std::string user = "SYSDBA";
  std::string password;
};

class Connection {
 public:
  explicit Connection(ConnectionParameters parameters);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const ConnectionParameters& Parameters() const { return parameters_; }
  // Detaches and takes new parameters for the next Attach.
  void Reset(ConnectionParameters parameters) {
    Detach();
    parameters_ = std::move(parameters);
  }
  std::string ConnectionString() const;

  void Attach();           // throws DatabaseError
  void Detach() noexcept;  // errors are ignored; the attachment is gone afterwards either way
  bool Attached() const { return attachment_ != nullptr; }
  Firebird::IAttachment* Handle() const;  // throws DatabaseError when not attached

  // Creates a new dialect-1 database (character set NONE) and leaves this connection attached to it.
  // Forced writes are off unless asked for: created databases are fixtures and scratch copies.
  void CreateDatabase(bool forced_writes = false, unsigned page_size = 8192);

 private:
  ConnectionParameters parameters_;
  Firebird::IAttachment* attachment_ = nullptr;
};

// A transaction with the system's fixed options: read committed, record versions, no wait; read
// only or read and write. It is started on demand and ended by Commit or Rollback.
class Transaction {
 public:
  Transaction(Connection& connection, bool read_only);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool Active() const { return handle_ != nullptr; }
  Firebird::ITransaction* Start();  // the running transaction, started when none is
  void Commit();                    // throws DatabaseError; the transaction stays active then
  void Rollback() noexcept;         // ends the transaction whatever happens

 private:
  Connection& connection_;
  bool read_only_;
  Firebird::ITransaction* handle_ = nullptr;
};

// One column of a result or parameter message.
struct ColumnInfo {
  std::string name;      // the alias: the name rows are read by (upper case)
  std::string field;     // the table column, empty for expressions
  std::string relation;  // the table, empty for expressions
  unsigned type = 0;     // SQL_* without the nullable bit
  int sub_type = 0;
  unsigned length = 0;
  int scale = 0;
  unsigned offset = 0;
  unsigned null_offset = 0;
};

// A prepared statement with its output format; rows decode into FieldValues.
class PreparedStatement {
 public:
  PreparedStatement(Connection& connection, Transaction& transaction, std::string_view sql);
  ~PreparedStatement();
  PreparedStatement(const PreparedStatement&) = delete;
  PreparedStatement& operator=(const PreparedStatement&) = delete;

  bool ReturnsRows() const;
  const std::vector<ColumnInfo>& Columns() const { return columns_; }

  // Runs a statement without result rows, with parameters for its '?' markers.
  void Execute(Transaction& transaction, const std::vector<FieldValue>& parameters = {});
  // Opens the result; FetchRow then gives the rows one by one (false past the last).
  void OpenCursor(Transaction& transaction);
  bool FetchRow(Transaction& transaction, std::vector<FieldValue>& row);
  void CloseCursor() noexcept;

 private:
  Connection& connection_;
  Firebird::IStatement* statement_ = nullptr;
  Firebird::IMessageMetadata* output_ = nullptr;
  Firebird::IResultSet* cursor_ = nullptr;
  std::vector<ColumnInfo> columns_;
  std::vector<unsigned char> buffer_;
};

// The columns of a table's primary key, in key order; empty when it has none.
std::vector<std::string> PrimaryKeyColumns(Connection& connection, Transaction& transaction,
                                           std::string_view relation);

}  // namespace harbo::engine
