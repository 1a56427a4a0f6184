#include "app/config/Configuration.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "app/config/ByteCursor.h"
#include "app/config/PictureList.h"
#include "dialogs/RecordImage.h"
#include "files/FileBytes.h"

namespace tessmark {
namespace {

constexpr std::size_t MagicSize = sizeof ConfigurationMagic - 1;
static_assert(MagicSize == 24);

UserMessage LoadMessage(const char* text, const std::string& fileName) {
  return {std::string(text) + " " + fileName, "TessmarkPicture", MessageIcon::Stop};
}

template <class Record> void PutBlock(ByteWriter& out, const Record& record) {
  const auto image = EncodeImage(record);
  out.Put(static_cast<std::uint16_t>(image.size()));
  out.PutBytes(image);
}

// A block shorter than the image changes only its first bytes; surplus bytes of a longer one are
// skipped, so the next block is read from its own length word.
template <class Record> void TakeBlock(ByteReader& in, Record& record) {
  std::uint16_t length = 0;
  in.Take(length);
  OverlayImage(record, in.TakeUpTo(length));
}

void TakeBody(ByteReader& in, Settings& s) {
  TakeBlock(in, s.Circle);
  TakeBlock(in, s.Polygon);
  TakeBlock(in, s.Rectangle);
  TakeBlock(in, s.Vector);
  TakeBlock(in, s.CircleMix);
  TakeBlock(in, s.MixRange);
  TakeBlock(in, s.NewPicture);
  TakeBlock(in, s.Noise);
  in.Take(s.CurrentBlendColor);
  TakeBlock(in, s.Config);
  s.CircleMix.PictureFiles = ReadPictureList(in);
  s.Tag.PictureFiles = ReadPictureList(in);
  in.Take(s.Tag.Count);
}

}  // namespace

std::vector<std::uint8_t> EncodeConfiguration(const Settings& s) {
  ByteWriter out;
  out.PutBytes({reinterpret_cast<const std::uint8_t*>(ConfigurationMagic), MagicSize});
  out.Put(ConfigurationVersion);
  PutBlock(out, s.Circle);
  PutBlock(out, s.Polygon);
  PutBlock(out, s.Rectangle);
  PutBlock(out, s.Vector);
  PutBlock(out, s.CircleMix);
  PutBlock(out, s.MixRange);
  PutBlock(out, s.NewPicture);
  PutBlock(out, s.Noise);
  out.Put(s.CurrentBlendColor);
  PutBlock(out, s.Config);
  WritePictureList(out, s.CircleMix.PictureFiles);
  WritePictureList(out, s.Tag.PictureFiles);
  out.Put(s.Tag.Count);
  return out.Bytes();
}

ConfigurationLoad DecodeConfiguration(std::span<const std::uint8_t> bytes, const std::string& fileName,
                                      Settings& settings) {
  if (bytes.size() < MagicSize || std::memcmp(bytes.data(), ConfigurationMagic, MagicSize) != 0) {
    return {false, 0, LoadMessage("Header invalide", fileName)};
  }
  ByteReader in(bytes.subspan(MagicSize));
  std::uint16_t version = 0;
  in.Take(version);
  if (version > ConfigurationVersion) return {false, 0, LoadMessage("Bad version file", fileName)};
  try {
    // Read into a copy so that a failure part-way leaves the caller's settings whole.
    Settings loaded = settings;
    TakeBody(in, loaded);
    settings = std::move(loaded);
  } catch (const std::bad_alloc&) {
    return {false, ENOMEM, LoadMessage("Internal error during loading", fileName)};
  }
  return {true, 0, std::nullopt};
}

ConfigurationLoad LoadConfiguration(const std::string& path, Settings& settings) {
  const FileBytes file = ReadWholeFile(path, MaxConfigurationBytes);
  if (file.Error == 0) return DecodeConfiguration(file.Bytes, path, settings);
  // A file that cannot be opened is silently no configuration; one that breaks while it is read is.
  ConfigurationLoad failed{false, file.Error, std::nullopt};
  if (file.Error == EFBIG || file.Error == EIO) failed.Message = LoadMessage("Internal error during loading", path);
  return failed;
}

bool SaveConfiguration(const std::string& path, const Settings& settings) {
  return WriteFileAtomically(path, EncodeConfiguration(settings)) == 0;
}

}  // namespace tessmark
