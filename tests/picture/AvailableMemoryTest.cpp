#include "picture/AvailableMemory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

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

// A made-up system: 8 GiB free, and the files given beneath the root.
std::optional<std::uint64_t> AvailableWith(const std::map<std::string, std::string>& files) {
  const test::TempFolder root;
  std::map<std::string, std::string> all = {{"proc/meminfo", "MemAvailable: 8388608 kB\n"}};
  all.insert(files.begin(), files.end());
  for (const auto& [path, text] : all) {
    std::filesystem::create_directories((root.Path / path).parent_path());
    test::WriteText(root.File(path), text);
  }
  return AvailableMemoryUnder(root.Path);
}

TEST(AvailableMemoryUnder, TheTightestControlGroupOnTheWayUpLowersTheSystemFigure) {
  constexpr std::uint64_t System = 8ull << 30;
  const std::string unified = "0::/a/b\n";
  const std::string legacy = "5:cpu,memory:/c\n";
  const struct {
    std::map<std::string, std::string> Files;
    std::optional<std::uint64_t> Expected;
  } cases[] = {
      {{}, System},
      {{{"proc/self/cgroup", unified}}, System},  // no limit files at all
      {{{"proc/self/cgroup", unified},
        {"sys/fs/cgroup/a/b/memory.max", "max\n"},
        {"sys/fs/cgroup/a/b/memory.current", "100\n"},
        {"sys/fs/cgroup/a/memory.max", "1000\n"},
        {"sys/fs/cgroup/a/memory.current", "400\n"},
        {"sys/fs/cgroup/a/memory.stat", "active_file 7\ninactive_file 50\n"}},
       650},  // the ancestor's limit, its idle page cache counted as free
      {{{"proc/self/cgroup", unified},
        {"sys/fs/cgroup/a/b/memory.max", "300\n"},
        {"sys/fs/cgroup/a/b/memory.current", "500\n"}},
       0},  // over its limit already
      {{{"proc/self/cgroup", "1:name=systemd:/c\n" + legacy},
        {"sys/fs/cgroup/memory/c/memory.limit_in_bytes", "9223372036854771712\n"},
        {"sys/fs/cgroup/memory/c/memory.usage_in_bytes", "5\n"},
        {"sys/fs/cgroup/memory/memory.limit_in_bytes", "2000\n"},
        {"sys/fs/cgroup/memory/memory.usage_in_bytes", "500\n"}},
       1500},  // the root of a container's hierarchy
      {{{"proc/self/cgroup", "0::/../x\n"},
        {"sys/fs/cgroup/memory.max", "10\n"},
        {"sys/fs/cgroup/memory.current", "lots\n"},
        {"sys/x/memory.max", "10\n"},
        {"sys/x/memory.current", "0\n"}},
       System},  // no climbing out of the hierarchy, no half-read figures
      {{{"proc/meminfo", ""},
        {"proc/self/cgroup", legacy},
        {"sys/fs/cgroup/memory/c/memory.limit_in_bytes", "70\n"},
        {"sys/fs/cgroup/memory/c/memory.usage_in_bytes", "20\n"}},
       50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AvailableWith(c.Files), c.Expected) << (c.Files.empty() ? "" : c.Files.begin()->second);
  }
}

}  // namespace
}  // namespace tessmark
