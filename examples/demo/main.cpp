// qormath demo: runs a short tour of the library on built-in data and prints the results.
#include <iostream>

#include "sections.h"

int main() {
  std::cout << "qormath demo\n============\n";
  demo::FrameSection(std::cout);
  demo::ComplexSection(std::cout);
  demo::SLineSection(std::cout);
  demo::FormatSection(std::cout);
  demo::ScalarSection(std::cout);
  demo::VectorSection(std::cout);
  demo::MatrixSection(std::cout);
  return 0;
}
