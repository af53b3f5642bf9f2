// Entry point of every test program: the programs are built with Unicode entry points.
#include "tests/support/CrashReport.h"

#include <gtest/gtest.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  // Output goes to a file under the test runner; unbuffered, a program that is ended from outside
  // still shows how far it got.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  vorma::test::PrintStackOnCrash();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
