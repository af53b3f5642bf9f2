#include "foundation/DebugOutput.h"
#include "tests/support/DebugLines.h"

#include <gtest/gtest.h>

namespace vorma {
namespace {

TEST(DebugOutput, FormatsAndCutsLinesAt255Characters) {
  test::DebugLineRecorder recorder;
  DebugPrint(L"##### %s = %d\n", L"Value", 42);
  DebugPrint(L"%s", std::wstring(300, L'x').c_str());
  DebugTraceEntry(L"TAudioMainForm::FormCreate");
  const auto lines = recorder.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], L"##### Value = 42\n");
  EXPECT_EQ(lines[1], std::wstring(255, L'x'));
  EXPECT_EQ(lines[2], L"==> TAudioMainForm::FormCreate\n");
}

TEST(DebugOutput, NestedSinksHandBackToTheOuterOne) {
  test::DebugLineRecorder outer;
  {
    test::DebugLineRecorder inner;
    DebugWrite(L"inner");
    EXPECT_EQ(inner.Lines().size(), 1u);
  }
  DebugWrite(L"outer");
  ASSERT_EQ(outer.Lines().size(), 1u);
  EXPECT_EQ(outer.Lines()[0], L"outer");
}

}  // namespace
}  // namespace vorma
