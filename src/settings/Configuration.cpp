#include "settings/Configuration.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "files/FileBytes.h"
#include "settings/ByteCursor.h"
#include "settings/RecordImage.h"
#include "settings/StoredPictureLists.h"

namespace tessmark {
namespace {

constexpr std::size_t MagicSize = sizeof ConfigurationMagic - 1;
static_assert(MagicSize == 24);

UserMessage LoadMessage(const char* text, const std::string& fileName) {
  return {std::string(text) + " " + fileName, "TessmarkPicture", MessageIcon::Stop};
}

// The file after its version, in order: the eight length-framed record blocks, the blend colour,
// the configuration block, both picture lists and the tag count. Writing and reading both walk it.
template <class SettingsRef, class Walker> void WalkBody(SettingsRef& s, Walker&& walk) {
  walk.Block(s.Circle);
  walk.Block(s.Polygon);
  walk.Block(s.Rectangle);
  walk.Block(s.Vector);
  walk.Block(s.CircleMix);
  walk.Block(s.MixRange);
  walk.Block(s.NewPicture);
  walk.Block(s.Noise);
  walk.Value(s.CurrentBlendColor);
  walk.Block(s.Config);
  walk.List(s.CircleMix.PictureFiles);
  walk.List(s.Tag.PictureFiles);
  walk.Value(s.Tag.Count);
}

struct BodyWriter {
  ByteWriter& Out;

  template <class Record> void Block(const Record& record) {
    const auto image = EncodeImage(record);
    Out.Put(static_cast<std::uint16_t>(image.size()));
    Out.PutBytes(image);
  }
  template <class T> void Value(T value) { Out.Put(value); }
  void List(const PictureFiles& list) { WritePictureList(Out, list); }
};

struct BodyReader {
  ByteReader& In;

  // A block shorter than the image changes only its first bytes; surplus bytes of a longer one are
  // skipped, so the next block is read from its own length word.
  template <class Record> void Block(Record& record) {
    std::uint16_t length = 0;
    In.Take(length);
    OverlayImage(record, In.TakeUpTo(length));
  }
  template <class T> void Value(T& value) { In.Take(value); }
  void List(PictureFiles& list) { list = ReadPictureList(In); }
};

}  // namespace

std::vector<std::uint8_t> EncodeConfiguration(const Settings& s) {
  ByteWriter out;
  out.PutBytes({reinterpret_cast<const std::uint8_t*>(ConfigurationMagic), MagicSize});
  out.Put(ConfigurationVersion);
  WalkBody(s, BodyWriter{out});
  return out.Bytes();
}

ConfigurationLoad DecodeConfiguration(std::span<const std::uint8_t> bytes, const std::string& fileName,
                                      Settings& settings) {
  if (bytes.size() < MagicSize || std::memcmp(bytes.data(), ConfigurationMagic, MagicSize) != 0) {
    return {false, 0, LoadMessage("Header invalide", fileName), ConfigurationFault::BadHeader};
  }
  ByteReader in(bytes.subspan(MagicSize));
  std::uint16_t version = 0;
  in.Take(version);
  if (version > ConfigurationVersion) return {false, 0, LoadMessage("Bad version file", fileName), ConfigurationFault::NewerVersion};
  try {
    // Read into a copy so that a failure part-way leaves the caller's settings whole.
    Settings loaded = settings;
    WalkBody(loaded, BodyReader{in});
    settings = std::move(loaded);
  } catch (const std::bad_alloc&) {
    return {false, ENOMEM, LoadMessage("Internal error during loading", fileName), ConfigurationFault::NoMemory};
  }
  return {true, 0, std::nullopt};
}

ConfigurationLoad LoadConfiguration(const std::string& path, Settings& settings) {
  const FileBytes file = ReadWholeFile(path, MaxConfigurationBytes);
  if (file.Error == 0) return DecodeConfiguration(file.Bytes, path, settings);
  // A file that cannot be opened is silently no configuration; one that breaks while it is read is.
  ConfigurationLoad failed{false, file.Error, std::nullopt, ConfigurationFault::Unreadable};
  if (file.Error == EFBIG || file.Error == EIO) failed.Message = LoadMessage("Internal error during loading", path);
  return failed;
}

bool SaveConfiguration(const std::string& path, const Settings& settings) {
  return WriteFileAtomically(path, EncodeConfiguration(settings)) == 0;
}

}  // namespace tessmark
