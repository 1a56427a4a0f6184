#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

#include "imageio/JpegDecoder.h"
#include "imageio/JpegEncoder.h"
#include "support/TestPictures.h"

namespace tessmark {
namespace {

std::vector<std::uint8_t> Encode(const Picture& picture) {
  std::vector<std::uint8_t> stream;
  EXPECT_TRUE(EncodeJpegMemory(stream, picture.Pixels(), picture.Width, picture.Height));
  return stream;
}

// A greyscale stream made with libjpeg directly (the program itself only writes colour).
std::vector<std::uint8_t> GreyJpeg(int width, int height) {
  jpeg_compress_struct codec;
  jpeg_error_mgr errors;
  codec.err = jpeg_std_error(&errors);
  jpeg_create_compress(&codec);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&codec, &out, &size);
  codec.image_width = static_cast<JDIMENSION>(width);
  codec.image_height = static_cast<JDIMENSION>(height);
  codec.input_components = 1;
  codec.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&codec);
  jpeg_start_compress(&codec, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) row[x] = static_cast<JSAMPLE>(x * 9 + y * 4);
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&codec, &p, 1);
  }
  jpeg_finish_compress(&codec);
  jpeg_destroy_compress(&codec);
  std::vector<std::uint8_t> stream(out, out + size);
  std::free(out);
  return stream;
}

// 0, 2, 4 ... 254, 252 ... : a ramp without edges.
std::uint8_t Triangle(int v) { return static_cast<std::uint8_t>(v % 256 < 128 ? v % 256 * 2 : (255 - v % 256) * 2); }

bool HasMarker(const std::vector<std::uint8_t>& s, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i)
    if (s[i] == 0xFF && s[i + 1] == marker) return true;
  return false;
}

TEST(JpegRoundTrip, KeepsTheSizeAndCloseColoursForSmallAndOddSizes) {
  for (const auto& [w, h] : {std::pair{4, 4}, {13, 7}, {333, 129}}) {
    Picture picture = test::WhitePicture(w, h);
    // Smooth content, so quality 99 with halved chroma keeps every channel within a few steps.
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint8_t* p = picture.Row(y) + x * 3;
        p[0] = Triangle(x);
        p[1] = Triangle(y);
        p[2] = 90;
      }
    const std::vector<std::uint8_t> stream = Encode(picture);
    EXPECT_TRUE(HasMarker(stream, 0xC0)) << "baseline frame";
    EXPECT_FALSE(HasMarker(stream, 0xC2)) << "no progressive frame";
    const RgbImage decoded = DecodeJpegMemory(stream);
    ASSERT_EQ(decoded.Width, w);
    ASSERT_EQ(decoded.Height, h);
    int worst = 0;
    for (std::size_t i = 0; i < picture.ByteCount(); ++i)
      worst = std::max(worst, std::abs(int{decoded.Pixels[i]} - int{picture.Pixels()[i]}));
    EXPECT_LE(worst, 12) << w << "x" << h;
  }
}

TEST(EncodeJpegMemory, RefusesMissingBuffersAndEmptySizesAndOversizedFrames) {
  std::vector<std::uint8_t> stream;
  const std::uint8_t pixel[3] = {1, 2, 3};
  EXPECT_FALSE(EncodeJpegMemory(stream, nullptr, 1, 1));
  EXPECT_FALSE(EncodeJpegMemory(stream, pixel, 0, 1));
  EXPECT_FALSE(EncodeJpegMemory(stream, pixel, 1, -1));
  // Beyond the format's 65500-pixel limit libjpeg fails, and the failure comes back as false.
  const std::vector<std::uint8_t> row(70000 * 3, 0);
  EXPECT_FALSE(EncodeJpegMemory(stream, row.data(), 70000, 1));
}

TEST(StreamJpeg, HandsOverTheStreamInPiecesAndTurnsASinkFailureIntoFalse) {
  const Picture picture = test::PatternPicture(600, 400);
  std::vector<std::uint8_t> pieces;
  int calls = 0;
  ASSERT_TRUE(StreamJpeg(picture.Pixels(), picture.Width, picture.Height, [&](std::span<const std::uint8_t> piece) {
    pieces.insert(pieces.end(), piece.begin(), piece.end());
    ++calls;
  }));
  EXPECT_GT(calls, 1);
  EXPECT_EQ(pieces, Encode(picture));
  EXPECT_FALSE(StreamJpeg(picture.Pixels(), picture.Width, picture.Height,
                          [](std::span<const std::uint8_t>) { throw std::bad_alloc(); }));
}

TEST(DecodeJpegMemory, TurnsGreyscaleIntoEqualChannels) {
  const RgbImage decoded = DecodeJpegMemory(GreyJpeg(19, 6));
  ASSERT_EQ(decoded.Width, 19);
  ASSERT_EQ(decoded.Height, 6);
  for (std::size_t i = 0; i < decoded.Pixels.size(); i += 3) {
    EXPECT_EQ(decoded.Pixels[i], decoded.Pixels[i + 1]);
    EXPECT_EQ(decoded.Pixels[i], decoded.Pixels[i + 2]);
  }
}

TEST(DecodeJpegMemory, DecodesATruncatedStreamAtFullSize) {
  const Picture picture = test::PatternPicture(200, 120);
  std::vector<std::uint8_t> stream = Encode(picture);
  stream.resize(stream.size() / 2);
  const RgbImage decoded = DecodeJpegMemory(stream);
  EXPECT_EQ(decoded.Width, 200);
  EXPECT_EQ(decoded.Height, 120);
  EXPECT_EQ(decoded.Pixels.size(), 200u * 120u * 3u);
}

TEST(DecodeJpegMemory, FailsCleanlyOnEmptyAndBrokenInput) {
  const Picture picture = test::PatternPicture(40, 30);
  const std::vector<std::uint8_t> stream = Encode(picture);
  std::vector<std::vector<std::uint8_t>> bad = {
      {},
      {0xFF},
      {0xFF, 0xD8},
      {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'},
      std::vector<std::uint8_t>(stream.begin(), stream.begin() + 100),  // header cut short
  };
  for (std::size_t cut : {2u, 20u, 150u}) {
    std::vector<std::uint8_t> damaged = stream;
    for (std::size_t i = cut; i < cut + 40 && i < damaged.size(); ++i) damaged[i] = 0xFF;
    bad.push_back(damaged);
  }
  for (const auto& input : bad) {
    const RgbImage decoded = DecodeJpegMemory(input);
    if (decoded.Width == 0) {
      EXPECT_EQ(decoded.Height, 0);
      EXPECT_TRUE(decoded.Pixels.empty());
    } else {
      EXPECT_EQ(decoded.Pixels.size(), std::size_t(decoded.Width) * decoded.Height * 3);
    }
  }
  EXPECT_EQ(DecodeJpegMemory(bad[0]).Width, 0);
  EXPECT_EQ(DecodeJpegMemory(bad[3]).Width, 0);
}

TEST(DecodeJpegMemory, RefusesAFrameClaimingMorePixelsThanTheCap) {
  std::vector<std::uint8_t> stream = Encode(test::PatternPicture(16, 16));
  std::size_t sof = 0;
  while (!(stream[sof] == 0xFF && stream[sof + 1] == 0xC0)) ++sof;
  for (std::size_t at : {sof + 5, sof + 7}) {  // height, then width: 65000 each
    stream[at] = 0xFD;
    stream[at + 1] = 0xE8;
  }
  const RgbImage decoded = DecodeJpegMemory(stream);
  EXPECT_EQ(decoded.Width, 0);
  EXPECT_TRUE(decoded.Pixels.empty());
}

}  // namespace
}  // namespace tessmark
