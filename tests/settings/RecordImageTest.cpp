#include "settings/RecordImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessmark {
namespace {

template <class Record> std::vector<std::uint8_t> Bytes(const Record& r) {
  const auto image = EncodeImage(r);
  return {image.begin(), image.end()};
}

TEST(RecordImage, HasTheStoredSizes) {
  EXPECT_EQ(ImageSize<CircleParams>(), 12u);
  EXPECT_EQ(ImageSize<PolygonParams>(), 24u);
  EXPECT_EQ(ImageSize<RectangleParams>(), 20u);
  EXPECT_EQ(ImageSize<VectorParams>(), 24u);
  EXPECT_EQ(ImageSize<CircleMixParams>(), 20u);
  EXPECT_EQ(ImageSize<MixRange>(), 2u);
  EXPECT_EQ(ImageSize<NewPictureParams>(), 12u);
  EXPECT_EQ(ImageSize<NoiseParams>(), 8u);
  EXPECT_EQ(ImageSize<ConfigSettings>(), 8u);
  EXPECT_EQ(ImageSize<TagParams>(), 4u);
}

TEST(RecordImage, DefaultsEncodeLittleEndianInFieldOrder) {
  EXPECT_EQ(Bytes(CircleParams{}), (std::vector<std::uint8_t>{8, 0, 0, 0, 32, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(VectorParams{}), (std::vector<std::uint8_t>{8, 0, 0, 0, 0, 1, 0, 0, 8, 0, 0, 0, 48, 0, 0, 0,
                                                               0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(Bytes(PolygonParams{}), (std::vector<std::uint8_t>{16, 0, 0, 0, 64, 0, 0, 0, 8, 0, 0, 0, 32, 0, 0, 0,
                                                                0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(CircleMixParams{}), (std::vector<std::uint8_t>{80, 0, 0, 0, 80, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0,
                                                                  1, 0, 0, 0}));
  EXPECT_EQ(Bytes(MixRange{}), (std::vector<std::uint8_t>{100, 100}));
  EXPECT_EQ(Bytes(NewPictureParams{}), (std::vector<std::uint8_t>{0, 2, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(NoiseParams{}), (std::vector<std::uint8_t>(8, 0)));
  EXPECT_EQ(Bytes(ConfigSettings{}), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0, 1, 100, 100, 0}));
  EXPECT_EQ(Bytes(RectangleParams{}), (std::vector<std::uint8_t>{4, 0, 0, 0, 4, 0, 0, 0, 32, 0, 0, 0, 32, 0, 0, 0,
                                                                  0, 0, 0, 0}));
}

TEST(RecordImage, RoundTripsEveryByteIncludingPaddingAndNegativeValues) {
  std::vector<std::uint8_t> bytes(24);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0xF0 + i);
  VectorParams vector;
  OverlayImage(vector, bytes);
  EXPECT_EQ(Bytes(vector), bytes);
  EXPECT_LT(vector.LengthMin, 0);
  EXPECT_EQ(vector.Padding[2], static_cast<std::uint8_t>(0xF0 + 23));

  NoiseParams noise;
  OverlayImage(noise, std::vector<std::uint8_t>{1, 50, 7, 9, 0xFE, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(noise.Percent, 50);
  EXPECT_EQ(noise.Germe, -2);
  EXPECT_EQ(noise.Padding[1], 9);
}

TEST(RecordImage, AShortOverlayChangesOnlyItsFirstBytes) {
  CircleParams circle{1, 2, 3};
  OverlayImage(circle, std::vector<std::uint8_t>{44, 0, 0, 0});
  EXPECT_EQ(circle.Raymin, 44);
  EXPECT_EQ(circle.Raymax, 2);
  EXPECT_EQ(circle.Count, 3);
  OverlayImage(circle, std::vector<std::uint8_t>{1, 1, 1, 1, 9});
  EXPECT_EQ(circle.Raymin, 0x01010101);
  EXPECT_EQ(circle.Raymax, 9);
  OverlayImage(circle, std::vector<std::uint8_t>(40, 0));  // surplus bytes are not taken
  EXPECT_EQ(circle.Count, 0);
}

TEST(Settings, StartsWithTheDefaultsAndEmptyLists) {
  const Settings settings;
  EXPECT_EQ(settings.CurrentBlendColor, 0x00FFFFFFu);
  EXPECT_EQ(settings.Config.Connectable, 1);
  EXPECT_EQ(settings.MixRange.From, 100);
  EXPECT_EQ(settings.CircleMix.Count, 1);
  EXPECT_TRUE(settings.CircleMix.PictureFiles.empty());
  EXPECT_TRUE(settings.Tag.PictureFiles.empty());
  EXPECT_EQ(settings.Tag.Count, 0);
}

}  // namespace
}  // namespace tessmark
