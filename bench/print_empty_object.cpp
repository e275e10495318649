// The floor for a C++ command-line tool: a process that starts, prints "{}" with the standard
// library's stream and exits.
#include <iostream>

int main() {
  std::cout << "{}\n";
  return 0;
}
