// The common dialogs are bound at run time; a wrong name would only show when a user opens one.

#include "forms/CommonDialogs.h"

#include <cderr.h>

#include <gtest/gtest.h>

namespace vorma::forms {
namespace {

TEST(CommonDialogsTest, BindsTheRealFunctionsOnFirstUse) {
  const CommonDialogFunctions* dialogs = CommonDialogs();
  ASSERT_NE(dialogs, nullptr);
  EXPECT_EQ(dialogs, CommonDialogs()) << "bound once";
  // A zero structure size makes each dialog fail at once with CDERR_STRUCTSIZE instead of showing.
  OPENFILENAMEW file{};
  CHOOSECOLORW colour{};
  EXPECT_FALSE(dialogs->getOpenFileName(&file));
  EXPECT_EQ(dialogs->extendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
  EXPECT_FALSE(dialogs->getSaveFileName(&file));
  EXPECT_EQ(dialogs->extendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
  EXPECT_FALSE(dialogs->chooseColor(&colour));
  EXPECT_EQ(dialogs->extendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}

}  // namespace
}  // namespace vorma::forms
