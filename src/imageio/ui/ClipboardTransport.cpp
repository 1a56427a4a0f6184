#include "imageio/ui/ClipboardTransport.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <cstring>

#include "imageio/BmpFile.h"
#include "imageio/ByteOrder.h"
#include "imageio/ClipboardDib.h"
#include "imageio/PictureFile.h"

namespace tessmark {
namespace {

constexpr const char* BmpMimeType = "image/bmp";

// The DIBs this program builds have no colour table: the rows follow the header directly.
QByteArray BmpFileOf(const std::vector<std::uint8_t>& dib) {
  QByteArray file(static_cast<qsizetype>(BmpFileHeaderSize + dib.size()), '\0');
  auto* header = reinterpret_cast<std::uint8_t*>(file.data());
  header[0] = 'B';
  header[1] = 'M';
  PutLe32(header + 2, static_cast<std::uint32_t>(file.size()));
  PutLe32(header + 10, BmpFileHeaderSize + GetLe32(dib, 0));
  std::memcpy(header + BmpFileHeaderSize, dib.data(), dib.size());
  return file;
}

// Every offered image is taken as 32-bit rows (0xFFRRGGBB: blue, green, red, 0xFF in memory), the
// layout of a device bitmap; any transparency is dropped.
std::optional<Bitmap32> BitmapOfImage(const QImage& offered) {
  const QImage image = offered.convertToFormat(QImage::Format_RGB32);
  std::optional<Bitmap32> bitmap = AllocateBitmap32(image.width(), image.height());
  if (!bitmap) return std::nullopt;
  const std::size_t rowBytes = static_cast<std::size_t>(bitmap->Width) * 4;
  for (std::int32_t y = 0; y < bitmap->Height; ++y) std::memcpy(bitmap->Row(y), image.constScanLine(y), rowBytes);
  return bitmap;
}

QImage ImageOfLoadedPicture(const LoadedPicture& picture) {
  return QImage(picture.Pixels.data(), picture.Width, picture.Height, static_cast<qsizetype>(picture.Width) * 4,
                QImage::Format_RGBX8888);
}

ClipboardDibRead DibOfBitmap(const std::optional<Bitmap32>& bitmap) {
  if (!bitmap) return {};
  return {BuildClipboardDib(*bitmap), std::nullopt};
}

// A BMP file offered as "image/bmp" without its file header; anything else is passed on as it is,
// for the parser to judge.
std::vector<std::uint8_t> DibOfBmpFile(const QByteArray& offered) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(offered.constData());
  const std::size_t size = static_cast<std::size_t>(offered.size());
  const bool fileHeader = size >= BmpFileHeaderSize && bytes[0] == 'B' && bytes[1] == 'M';
  return {bytes + (fileHeader ? BmpFileHeaderSize : 0), bytes + size};
}

// A file copied in a file manager: exactly one local picture file.
std::optional<std::string> CopiedPictureFile(const QMimeData& offer) {
  if (!offer.hasUrls()) return std::nullopt;
  const QList<QUrl> urls = offer.urls();
  if (urls.size() != 1 || !urls[0].isLocalFile()) return std::nullopt;
  std::string path = QFile::encodeName(urls[0].toLocalFile()).toStdString();
  if (!IsPictureFileName(path)) return std::nullopt;
  return path;
}

ClipboardDibRead DibOfPictureFile(const std::string& path, const std::string& programDirectory) {
  PictureRead<LoadedPicture> read = LoadPictureRgba(path, programDirectory);
  if (!read.Picture) return {std::nullopt, read.Message};
  return DibOfBitmap(BitmapOfImage(ImageOfLoadedPicture(*read.Picture)));
}

}  // namespace

bool PutClipboardBitmap(const Bitmap32& bitmap) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  const std::optional<std::vector<std::uint8_t>> dib = BuildClipboardDib(bitmap);
  if (!dib) return false;
  auto offer = std::make_unique<QMimeData>();
  offer->setData(BmpMimeType, BmpFileOf(*dib));
  const QImage image(bitmap.Bytes(), bitmap.Width, bitmap.Height, bitmap.Width * 4, QImage::Format_RGB32);
  offer->setImageData(image.copy());
  clipboard->setMimeData(offer.release());
  return true;
}

ClipboardDibRead GetClipboardDib(const std::string& programDirectory) {
  const QMimeData* offer = QApplication::clipboard()->mimeData();
  if (!offer) return {};
  if (offer->hasFormat(BmpMimeType)) return {DibOfBmpFile(offer->data(BmpMimeType)), std::nullopt};
  if (offer->hasImage()) return DibOfBitmap(BitmapOfImage(qvariant_cast<QImage>(offer->imageData())));
  if (const std::optional<std::string> file = CopiedPictureFile(*offer)) return DibOfPictureFile(*file, programDirectory);
  return {};
}

}  // namespace tessmark
