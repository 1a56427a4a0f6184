#include "settings/Configuration.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "files/FileBytes.h"
#include "settings/RecordImage.h"
#include "settings/StoredPictureLists.h"
#include "support/ChangedKeys.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets into a file written from the defaults.
constexpr std::size_t VersionAt = 24, CircleAt = 26, NoiseEnd = 164, BlendColorAt = 164, ConfigAt = 168,
                      ListsAt = 178;

Settings Customised() {
  Settings s;
  s.Circle = {-5, 70000, 12};
  s.Polygon.Fill = 1;
  s.Polygon.Padding = {7, 8, 9};
  s.Vector.Padding = {1, 2, 3};
  s.Noise.Padding = {0xAA, 0xBB};
  s.Noise.Germe = 42;
  s.NewPicture.Reserved = -1;
  s.Config.Connectable = 7;
  s.Config.Padding = 5;
  s.MixRange = {20, 90};
  s.CurrentBlendColor = 0xFFFFFFFF;
  s.CircleMix.PictureFiles = {"/pictures/b.png", "/pictures/a.bmp"};
  s.Tag.PictureFiles = {"", "/t.jpg"};
  s.Tag.Count = -3;
  return s;
}

void ExpectSameSettings(const Settings& a, const Settings& b) { EXPECT_EQ(EncodeConfiguration(a), EncodeConfiguration(b)); }

void PutWord(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

ConfigurationLoad Decode(const Bytes& bytes, Settings& s) { return DecodeConfiguration(bytes, "x.gccfg", s); }

TEST(ConfigurationFile, DefaultsMakeThe186ByteLayout) {
  const Bytes file = EncodeConfiguration(Settings{});
  ASSERT_EQ(file.size(), 186u);
  EXPECT_EQ(std::memcmp(file.data(), "TessmarkPicture.Config\r\n", 24), 0);
  EXPECT_EQ(file[VersionAt], 0x00);
  EXPECT_EQ(file[VersionAt + 1], 0x01);
  const std::size_t lengthWords[] = {26, 40, 66, 88, 114, 136, 140, 154, 168};
  const std::uint8_t lengths[] = {12, 24, 20, 24, 20, 2, 12, 8, 8};
  for (std::size_t i = 0; i < std::size(lengthWords); ++i) {
    EXPECT_EQ(file[lengthWords[i]], lengths[i]) << "block " << i;
    EXPECT_EQ(file[lengthWords[i] + 1], 0) << "block " << i;
  }
  EXPECT_EQ(Bytes(file.begin() + BlendColorAt, file.begin() + BlendColorAt + 4), (Bytes{0xFF, 0xFF, 0xFF, 0}));
  EXPECT_EQ(Bytes(file.begin() + ListsAt, file.end()), Bytes(8, 0));
}

TEST(ConfigurationFile, RoundTripsEveryValuePaddingAndListOrder) {
  const Settings saved = Customised();
  Settings loaded;
  const ConfigurationLoad result = Decode(EncodeConfiguration(saved), loaded);
  EXPECT_TRUE(result.Loaded);
  EXPECT_FALSE(result.Message);
  ExpectSameSettings(loaded, saved);
  EXPECT_EQ(loaded.CircleMix.PictureFiles, saved.CircleMix.PictureFiles);
  EXPECT_EQ(loaded.Tag.PictureFiles, saved.Tag.PictureFiles);
  EXPECT_EQ(loaded.Config.Connectable, 7);
}

TEST(ConfigurationFile, StoresTheRecordOfEveryOperation) {
  for (const OperationRow& row : OperationRows()) {
    const OperationStep step = test::Applied(test::EveryKeyChangedWord(row, "/pictures/a.png"));
    OperationStep loaded = step;
    loaded.Records = Settings{};
    ASSERT_TRUE(Decode(EncodeConfiguration(step.Records), loaded.Records).Loaded);
    EXPECT_EQ(WriteOperation(loaded), WriteOperation(step));
  }
}

TEST(ConfigurationFile, AcceptsOlderVersionsAndRefusesNewerOnesUnchanged) {
  Bytes file = EncodeConfiguration(Customised());
  PutWord(file, VersionAt, 255);
  Settings s;
  EXPECT_TRUE(Decode(file, s).Loaded);
  ExpectSameSettings(s, Customised());

  PutWord(file, VersionAt, 257);
  Settings untouched;
  const ConfigurationLoad refused = Decode(file, untouched);
  EXPECT_FALSE(refused.Loaded);
  ASSERT_TRUE(refused.Message);
  EXPECT_EQ(*refused.Message, (UserMessage{"Bad version file x.gccfg", "TessmarkPicture", MessageIcon::Stop}));
  ExpectSameSettings(untouched, Settings{});
}

TEST(ConfigurationFile, RefusesAWrongOrShortHeaderUnchanged) {
  Bytes file = EncodeConfiguration(Customised());
  for (const Bytes& bad : {Bytes(file.begin(), file.begin() + 23), Bytes{}, [&] {
         Bytes b = file;
         b[23] = '\0';  // the line feed of the magic
         return b;
       }()}) {
    Settings s;
    const ConfigurationLoad refused = Decode(bad, s);
    EXPECT_FALSE(refused.Loaded);
    ASSERT_TRUE(refused.Message);
    EXPECT_EQ(refused.Message->Text, "Header invalide x.gccfg");
    ExpectSameSettings(s, Settings{});
  }
}

TEST(ConfigurationFile, AShortBlockChangesOnlyItsFirstBytesAndTheNextBlockFollowsIt) {
  Bytes file = EncodeConfiguration(Customised());
  // Circle block cut to Raymin alone: drop Raymax and Count from the file.
  PutWord(file, CircleAt, 4);
  file.erase(file.begin() + CircleAt + 2 + 4, file.begin() + CircleAt + 2 + 12);
  Settings s;
  s.Circle = {1, 2, 3};
  ASSERT_TRUE(Decode(file, s).Loaded);
  EXPECT_EQ(s.Circle.Raymin, -5);
  EXPECT_EQ(s.Circle.Raymax, 2);
  EXPECT_EQ(s.Circle.Count, 3);
  EXPECT_EQ(s.Polygon.Padding, (std::array<std::uint8_t, 3>{7, 8, 9}));
  EXPECT_EQ(s.Tag.Count, -3);
}

TEST(ConfigurationFile, SkipsTheSurplusOfALongerBlock) {
  Bytes file = EncodeConfiguration(Customised());
  PutWord(file, CircleAt, 12 + 5);
  file.insert(file.begin() + CircleAt + 2 + 12, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
  Settings s;
  ASSERT_TRUE(Decode(file, s).Loaded);
  ExpectSameSettings(s, Customised());
}

TEST(ConfigurationFile, ACutFileKeepsTheMissingFieldsButEmptiesBothLists) {
  const Bytes full = EncodeConfiguration(Customised());
  Settings s;
  s.CircleMix.PictureFiles = {"old"};
  s.Tag.PictureFiles = {"old"};
  s.Tag.Count = 77;
  s.CurrentBlendColor = 0x123456;
  const ConfigurationLoad result = Decode(Bytes(full.begin(), full.begin() + NoiseEnd), s);
  EXPECT_TRUE(result.Loaded);
  EXPECT_FALSE(result.Message);
  EXPECT_EQ(s.Noise.Germe, 42);
  EXPECT_EQ(s.CurrentBlendColor, 0x123456u);
  EXPECT_EQ(s.Config.Connectable, 1);
  EXPECT_EQ(s.Tag.Count, 77);
  EXPECT_TRUE(s.CircleMix.PictureFiles.empty());
  EXPECT_TRUE(s.Tag.PictureFiles.empty());
}

TEST(ConfigurationFile, ACutBlockOrValueNeverReadsPastTheEnd) {
  const Bytes full = EncodeConfiguration(Customised());
  // Every possible cut loads (or, inside the magic, is refused) without touching memory past it.
  for (std::size_t size = 0; size < full.size(); ++size) {
    Settings s;
    const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(Decode(cut, s).Loaded, size >= 24) << size;
  }
  // Half a blend colour is no colour: the old one stays.
  Settings s;
  s.CurrentBlendColor = 0x010203;
  Decode(Bytes(full.begin(), full.begin() + BlendColorAt + 2), s);
  EXPECT_EQ(s.CurrentBlendColor, 0x010203u);
  // Half a block overlays what is there.
  s.Config.BlendColor = 0;
  Decode(Bytes(full.begin(), full.begin() + ConfigAt + 2 + 1), s);
  EXPECT_EQ(s.Config.BlendColor, 0xFFu);
  EXPECT_EQ(s.Config.Connectable, 1);
}

TEST(ConfigurationFile, LoadingReplacesListsThatTheFileHasEmpty) {
  Settings s = Customised();
  ASSERT_TRUE(Decode(EncodeConfiguration(Settings{}), s).Loaded);
  EXPECT_TRUE(s.CircleMix.PictureFiles.empty());
  EXPECT_TRUE(s.Tag.PictureFiles.empty());
}

TEST(PictureList, CutsOverlongEntriesAtThePathLimitAndAtAZeroByte) {
  ByteWriter out;
  out.Put(std::uint16_t{2});
  out.Put(std::uint16_t{5000});
  out.PutBytes(Bytes(5000, 'p'));
  out.Put(std::uint16_t{5});
  out.PutBytes(Bytes{'a', 'b', 0, 'c', 'd'});
  out.Put(std::uint32_t{0xCAFE});
  ByteReader in(out.Bytes());
  const PictureFiles list = ReadPictureList(in);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], std::string(PictureFileMaxChars, 'p'));
  EXPECT_EQ(list[1], "ab");
  std::uint32_t after = 0;
  EXPECT_TRUE(in.Take(after));  // the whole entry was consumed, not just what was kept
  EXPECT_EQ(after, 0xCAFEu);
}

TEST(PictureList, StopsAtAnEntryTheFileCutsOff) {
  ByteWriter out;
  out.Put(std::uint16_t{60000});  // far more entries than there are bytes
  out.Put(std::uint16_t{1});
  out.PutBytes(Bytes{'a'});
  out.Put(std::uint16_t{9});
  out.PutBytes(Bytes{'b', 'c'});
  ByteReader in(out.Bytes());
  EXPECT_EQ(ReadPictureList(in), PictureFiles{"a"});
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(PictureList, WritesEntriesAsTheyWillBeReadBack) {
  ByteWriter out;
  WritePictureList(out, {std::string("x\0y", 3), std::string(PictureFileMaxChars + 10, 'q')});
  ByteReader in(out.Bytes());
  EXPECT_EQ(ReadPictureList(in), (PictureFiles{"x", std::string(PictureFileMaxChars, 'q')}));
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ConfigurationFiles, SaveAndLoadThroughTheFileSystem) {
  test::TempFolder folder;
  const std::string path = folder.File("saved");  // no extension is added
  ASSERT_TRUE(SaveConfiguration(path, Customised()));
  EXPECT_EQ(ReadWholeFile(path, 1000).Bytes, EncodeConfiguration(Customised()));
  Settings s;
  EXPECT_TRUE(LoadConfiguration(path, s).Loaded);
  ExpectSameSettings(s, Customised());
}

TEST(ConfigurationFiles, AFileThatCannotBeOpenedFailsSilentlyAndChangesNothing) {
  test::TempFolder folder;
  Settings s = Customised();
  for (const std::string& path : {folder.File("missing.gccfg"), folder.Path.string()}) {
    const ConfigurationLoad result = LoadConfiguration(path, s);
    EXPECT_FALSE(result.Loaded);
    EXPECT_NE(result.Error, 0);
    EXPECT_FALSE(result.Message);
  }
  ExpectSameSettings(s, Customised());
}

TEST(ConfigurationFiles, AMessageNamesThePathThatWasOpened) {
  test::TempFolder folder;
  const std::string path = folder.File("bad.gccfg");
  test::WriteBytes(path, Bytes(30, 'z'));
  Settings s;
  const ConfigurationLoad result = LoadConfiguration(path, s);
  ASSERT_TRUE(result.Message);
  EXPECT_EQ(result.Message->Text, "Header invalide " + path);
  EXPECT_EQ(result.Message->Caption, "TessmarkPicture");
}

TEST(ConfigurationFiles, AFileFarTooLargeIsAnInternalErrorAndChangesNothing) {
  test::TempFolder folder;
  const std::string path = folder.File("huge.gccfg");
  ASSERT_TRUE(SaveConfiguration(path, Customised()));
  std::filesystem::resize_file(path, MaxConfigurationBytes + 1);  // sparse: costs no disk
  Settings s;
  const ConfigurationLoad result = LoadConfiguration(path, s);
  EXPECT_FALSE(result.Loaded);
  ASSERT_TRUE(result.Message);
  EXPECT_EQ(result.Message->Text, "Internal error during loading " + path);
  ExpectSameSettings(s, Settings{});
}

// Writes beyond the process's file size limit fail as they would on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};

TEST(ConfigurationFiles, AFailedSaveReportsFalseAndKeepsTheOldFile) {
  test::TempFolder folder;
  const std::string path = folder.File("main.gccfg");
  ASSERT_TRUE(SaveConfiguration(path, Settings{}));
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(SaveConfiguration(path, Customised()));
  }
  EXPECT_EQ(ReadWholeFile(path, 1000).Bytes, EncodeConfiguration(Settings{}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 1);
  EXPECT_FALSE(SaveConfiguration(folder.File("no/such/folder.gccfg"), Settings{}));
}

}  // namespace
}  // namespace tessmark
