// Entry point of every test program: the programs are built with Unicode entry points.
#include "tests/support/CrashReport.h"

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
  vorma::test::PrintStackOnCrash();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
