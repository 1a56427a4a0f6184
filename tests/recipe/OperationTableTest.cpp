#include "recipe/OperationTable.h"

#include <gtest/gtest.h>

#include "imageio/BmpFile.h"
#include "paint/Fill.h"
#include "support/ChangedKeys.h"
#include "support/PaintFixture.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

Picture Painted(const OperationStep& step, std::uint32_t seed) {
  Picture picture = test::WhitePicture(32, 32);
  std::uint8_t weight = 200;
  RandomValue random;
  PaintContext context{picture, step.Records.Config.Connectable != 0, weight, random, step.Palette,
                       step.Records.MixRange, [] { return false; }, [seed] { return seed; }};
  EXPECT_FALSE(RowOf(step.Kind).Run(context, step, "").Failure) << WriteOperation(step);
  return picture;
}

// A recipe holds one word per operation: whatever the operation runs with must survive it, the
// seed included, or the replay paints another picture.
TEST(OperationTable, EveryOperationPaintsTheSamePictureAgainFromTheWordItWrites) {
  test::TempFolder folder;
  const std::string stamp = folder.File("stamp.bmp");
  Picture source = test::WhitePicture(6, 6);
  for (int x = 0; x < 3; ++x) WritePixel({source, false, 255}, x, x, Color{250, 120, 0});
  test::WriteBytes(stamp, *EncodeBmpFile(source));
  for (const OperationRow& row : OperationRows()) {
    OperationStep step =
        test::Applied(test::EveryKeyChangedWord(row, stamp) + ",mix=30-80,connectable=0,colors=C80A0A;0AC80A,blendcolor=none");
    step.Seed = 4321;
    const std::string word = WriteOperation(step);
    const OperationStep again = test::Applied(word);
    EXPECT_EQ(WriteOperation(again), word);
    EXPECT_TRUE(test::SamePixels(Painted(again, again.Seed.value_or(1)), Painted(step, 4321))) << word;
  }
}

}  // namespace
}  // namespace tessmark
