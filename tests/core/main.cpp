#include <gtest/gtest.h>

#include <clocale>

// The program's windows take the user's locale at start (the toolkit sets it); so
// do the tests. Run under LC_ALL=de_DE.UTF-8 they check that every number the core
// writes or reads keeps its point.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
