#include "picture/AvailableMemory.h"

#include <gtest/gtest.h>

#include "picture/Picture.h"

namespace tessmark {
namespace {

constexpr std::uint64_t MiB = std::uint64_t{1} << 20;

AvailableMemory Answering(std::optional<std::uint64_t> bytes, int* asked = nullptr) {
  return [=] {
    if (asked) ++*asked;
    return bytes;
  };
}

TEST(ParseMeminfo, AddsFreeSwapToTheAvailableMemory) {
  EXPECT_EQ(ParseMeminfo("MemTotal: 99 kB\nMemAvailable:    2048 kB\nSwapTotal: 8 kB\nSwapFree:  1 kB\n"),
            2049u * 1024);
  EXPECT_EQ(ParseMeminfo("MemAvailable: 5 kB"), 5u * 1024);
  EXPECT_EQ(ParseMeminfo("MemAvailable: 99999999999999999 kB\nSwapFree: 99999999999999999 kB\n"), UINT64_MAX);
}

TEST(ParseMeminfo, KnowsNothingWithoutAReadableAvailableLine) {
  EXPECT_FALSE(ParseMeminfo(""));
  EXPECT_FALSE(ParseMeminfo("MemFree: 100 kB\nSwapFree: 100 kB\n"));
  EXPECT_FALSE(ParseMeminfo("MemAvailable: lots\n"));
  EXPECT_FALSE(ParseMeminfo("MemAvailableX: 100 kB\n"));
  EXPECT_FALSE(ParseMeminfo("MemAvailable: 999999999999999999999999 kB\n"));
}

TEST(MemoryFits, AsksOnlyAboutLargeBlocksAndLetsUnknownAnswersTry) {
  int asked = 0;
  EXPECT_TRUE(MemoryFits(CheckedBlockBytes - 1, Answering(0, &asked)));
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(MemoryFits(100 * MiB, Answering(100 * MiB - 1, &asked)));
  EXPECT_TRUE(MemoryFits(100 * MiB, Answering(100 * MiB, &asked)));
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(MemoryFits(100 * MiB, Answering(std::nullopt)));
  EXPECT_TRUE(MemoryFits(100 * MiB, nullptr));
}

TEST(MemoryFits, PicturesBeyondTheAvailableMemoryAreRefusedBeforeAllocation) {
  const AvailableMemory little = Answering(64 * MiB);
  EXPECT_FALSE(CreatePicture(8000, 8000, little));  // 192 MB
  EXPECT_FALSE(AllocatePicture(5000, 5000, little));
  const Picture small = *CreatePicture(4, 4, little);
  EXPECT_TRUE(ClonePicture(small, little));
  EXPECT_TRUE(SystemAvailableMemory());  // every Linux the program runs on has the file
}

}  // namespace
}  // namespace tessmark
