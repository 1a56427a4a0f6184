#include "app/Workspace.h"

#include <gtest/gtest.h>

#include "support/TestPictures.h"

namespace tessmark {
namespace {

TEST(UndoSnapshot, ACopyBeyondTheMemoryTheSystemCanGiveKeepsBothPictures) {
  Workspace workspace;
  workspace.CurrentPicture = CreatePicture(2400, 2400);  // 17 MB, enough to be weighed
  workspace.UndoPicture = test::PatternPicture(4, 4);
  workspace.Memory = [] { return std::optional<std::uint64_t>(10'000'000); };
  EXPECT_FALSE(TakeUndoSnapshot(workspace));
  EXPECT_EQ(workspace.UndoPicture->Width, 4);
  std::swap(workspace.CurrentPicture, workspace.UndoPicture);
  EXPECT_FALSE(RestoreUndoSnapshot(workspace));
  EXPECT_EQ(workspace.CurrentPicture->Width, 4);
  workspace.Memory = [] { return std::optional<std::uint64_t>(20'000'000); };
  EXPECT_TRUE(RestoreUndoSnapshot(workspace));
  EXPECT_EQ(workspace.CurrentPicture->Width, 2400);
}

}  // namespace
}  // namespace tessmark
