// harbo-makedb DATABASE SCRIPT...: makes a database on the local server from SQL scripts.
#include <iostream>

#include "database_builder.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: harbo-makedb DATABASE SCRIPT...\n";
    return 2;
  }
  std::vector<std::filesystem::path> scripts(argv + 2, argv + argc);
  try {
    harbo::fixtures::BuildDatabase(argv[1], scripts);
  } catch (const std::exception& e) {
    std::cerr << "harbo-makedb: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
