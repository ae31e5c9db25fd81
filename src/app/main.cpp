// Varnholt desktop program.
#include <cstdio>

int main() {
  std::puts("Varnholt 3.50");
  std::puts("The desktop windows are not built yet; the calculation and window logic");
  std::puts("are exercised by the tests (make test).");
  return 0;
}
