#include <qor/qormath.h>

#include <iostream>

int main() {
  qor::TKahanSum Sum;
  for (int i = 0; i < 10; ++i) Sum.Add(0.1);
  std::cout << qor::strff(Sum.Sum, 1, 17) << "\n";
  return Sum.Sum == 1.0 ? 0 : 1;
}
