// The one exception type of the database layer. Row access on a live query raises it; the named
// operations of Database catch it and report by their result.
#pragma once

#include <stdexcept>
#include <string>

namespace harbo::engine {

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace harbo::engine
