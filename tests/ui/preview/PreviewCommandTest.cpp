#include "preview/ui/PreviewCommand.h"

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "preview/ui/PreviewArea.h"
#include "preview/ui/TilePreview.h"
#include "support/ModalDialog.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

using PreviewCommand = test::CommandFixture;

Point ShownTile(PreviewCommand& fixture) {
  Point tile{-1, -1};
  test::WhenModalOpens([&tile](QWidget* modal) {
    auto* preview = qobject_cast<TilePreview*>(modal);
    ASSERT_NE(preview, nullptr);
    tile = preview->Area()->TileSize();
    preview->accept();
  });
  fixture.Run(command_id::Preview);
  return tile;
}

TEST_F(PreviewCommand, ShowsTheCurrentPictureAndLeavesItAlone) {
  state.CurrentPicture = test::PatternPicture(40, 30);
  EXPECT_EQ(ShownTile(*this), (Point{40, 30}));
  EXPECT_EQ(state.CurrentPicture->Width, 40);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(PreviewCommand, WithoutAPictureOpensAnEmptyPreview) { EXPECT_EQ(ShownTile(*this), (Point{})); }

}  // namespace
}  // namespace tessmark
