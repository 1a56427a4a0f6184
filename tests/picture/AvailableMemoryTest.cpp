#include "picture/AvailableMemory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "picture/Picture.h"
#include "support/TempFolder.h"

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

// A made-up system: 8 GiB free, what the process's groups are, and the files of the groups.
std::optional<std::uint64_t> AvailableWith(const std::string& groups, const std::map<std::string, std::string>& files) {
  const test::TempFolder root;
  std::map<std::string, std::string> all = {{"proc/meminfo", "MemAvailable: 8388608 kB\n"}, {"proc/self/cgroup", groups}};
  all.insert(files.begin(), files.end());
  for (const auto& [path, text] : all) {
    const std::filesystem::path file = root.Path / (path.starts_with("proc/") ? path : "sys/fs/cgroup/" + path);
    std::filesystem::create_directories(file.parent_path());
    test::WriteText(file.string(), text);
  }
  return AvailableMemoryUnder(root.Path);
}

TEST(AvailableMemoryUnder, TheTightestControlGroupOnTheWayUpLowersTheSystemFigure) {
  const struct {
    std::string Groups;
    std::map<std::string, std::string> Files;
    std::optional<std::uint64_t> Expected;
  } cases[] = {
      // The ancestor's limit is the tighter, its idle page cache counted as free.
      {"0::/a/b\n",
       {{"a/b/memory.max", "max\n"}, {"a/b/memory.current", "100\n"}, {"a/memory.max", "1000\n"},
        {"a/memory.current", "400\n"}, {"a/memory.stat", "active_file 7\ninactive_file 50\n"}},
       650},
      {"0::/a\n", {{"a/memory.max", "300\n"}, {"a/memory.current", "500\n"}}, 0},
      // A container sees only the root of its hierarchy; a half-read figure or a path out of the
      // hierarchy sets no limit.
      {"1:name=systemd:/c\n5:cpu,memory:/c\n",
       {{"memory/memory.limit_in_bytes", "2000\n"}, {"memory/memory.usage_in_bytes", "500\n"},
        {"memory/c/memory.limit_in_bytes", "70\n"}, {"memory/c/memory.usage_in_bytes", "lots\n"}},
       1500},
      {"0::/../x\n", {{"../x/memory.max", "10\n"}, {"../x/memory.current", "0\n"}}, 8ull << 30},
      {"0::/\n", {{"proc/meminfo", ""}, {"memory.max", "70\n"}, {"memory.current", "20\n"}}, 50},
  };
  for (const auto& c : cases) EXPECT_EQ(AvailableWith(c.Groups, c.Files), c.Expected) << c.Groups;
}

}  // namespace
}  // namespace tessmark
