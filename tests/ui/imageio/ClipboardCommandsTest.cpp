#include "imageio/ui/ClipboardCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

#include <fstream>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "imageio/BmpFile.h"
#include "support/BmpWriter.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "ui/support/CommandFixture.h"
#include "view/DisplayBitmap.h"

namespace tessmark {
namespace {

namespace id = command_id;
using test::PatternPicture;
using test::PixelAt;
using test::SamePixels;

struct ClipboardCommands : test::CommandFixture {
  ClipboardCommands() { QApplication::clipboard()->clear(); }

  void Use(Picture picture) { state.CurrentPicture = std::move(picture); }
  const Picture& Current() { return *state.CurrentPicture; }

  // What another program finds on the clipboard.
  static const QMimeData& Offered() {
    static const QMimeData nothing;
    const QMimeData* offer = QApplication::clipboard()->mimeData();
    return offer ? *offer : nothing;
  }
  static QImage OfferedImage() { return qvariant_cast<QImage>(Offered().imageData()); }
  static QByteArray OfferedBmp() { return Offered().data("image/bmp"); }

  static void Offer(QMimeData* offer) { QApplication::clipboard()->setMimeData(offer); }
  static void OfferBmp(const std::vector<std::uint8_t>& file) {
    auto* offer = new QMimeData;
    offer->setData("image/bmp", QByteArray(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size())));
    Offer(offer);
  }
  static void OfferDib(test::BmpLayout layout, const Picture& picture) { OfferBmp(test::BmpWriter(layout).File(picture)); }

  void ExpectMessages(std::vector<UserMessage> expected) { EXPECT_EQ(desktop.Messages, expected); }
};

QRgb Rgb(Color c) { return qRgb(c.Red, c.Green, c.Blue); }

TEST_F(ClipboardCommands, ExportAndImportOfTheWholePictureRoundTrip) {
  for (const auto& [w, h] : {std::pair{8, 5}, {12, 4}, {64, 33}}) {
    const Picture original = PatternPicture(w, h);
    Use(*ClonePicture(original));
    Run(id::ExportClipboard);
    state.CurrentPicture.reset();
    Run(id::ImportClipboard);
    ASSERT_TRUE(state.CurrentPicture);
    EXPECT_TRUE(SamePixels(Current(), original)) << w << "x" << h;
  }
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(ClipboardCommands, ExportOffersABmpFileAndAnOrdinaryImage) {
  Use(PatternPicture(8, 4));
  Run(id::ExportClipboard);
  const QByteArray bmp = OfferedBmp();
  ASSERT_GE(bmp.size(), 54);
  EXPECT_EQ(bmp.left(2), "BM");
  const std::optional<Picture> file = DecodeBmpFile(std::span(reinterpret_cast<const std::uint8_t*>(bmp.constData()),
                                                              static_cast<std::size_t>(bmp.size())));
  ASSERT_TRUE(file);
  EXPECT_TRUE(SamePixels(*file, Current()));
  const QImage image = OfferedImage();
  ASSERT_EQ(image.size(), QSize(8, 4));
  EXPECT_EQ(image.pixel(5, 3), Rgb(PixelAt(Current(), 5, 3)));
}

TEST_F(ClipboardCommands, ExportCopiesThePictureAsShownRoundedUpToFourColumns) {
  Use(PatternPicture(10, 10));
  state.View.Zoom = 2;
  Run(id::ExportClipboard);
  const QImage image = OfferedImage();
  ASSERT_EQ(image.size(), QSize(12, 10));
  EXPECT_EQ(image.pixel(1, 1), Rgb(PixelAt(Current(), 2, 2)));
  EXPECT_EQ(image.pixel(4, 4), Rgb(PixelAt(Current(), 8, 8)));
  EXPECT_EQ(image.pixel(5, 0), Rgb(PixelAt(Current(), 0, 0))) << "connectable: column 10 wraps to 0";
  EXPECT_EQ(image.pixel(6, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(0, 5), qRgb(255, 255, 255));
}

TEST_F(ClipboardCommands, ExportIsTheWindowsBitmapUntilItsNextRebuild) {
  Use(PatternPicture(10, 10));
  state.DisplayBitmap = BuildDisplayBitmap(Current(), 1, true);
  state.Settings.Config.Connectable = 0;
  Run(id::ExportClipboard);
  const QImage image = OfferedImage();
  ASSERT_EQ(image.size(), QSize(12, 10));
  for (int x : {10, 11}) EXPECT_EQ(image.pixel(x, 3), Rgb(PixelAt(Current(), x - 10, 3))) << "column " << x;
}

TEST_F(ClipboardCommands, ExportRefusesAMissingOrTooSmallPicture) {
  Run(id::ExportClipboard);
  Run(id::PartExport);
  Run(id::PartFilter);
  ExpectMessages({NoPictureMessage(), NoPictureMessage(), NoPictureMessage()});
  desktop.Messages.clear();
  Use(PatternPicture(3, 8));
  Run(id::ExportClipboard);
  Run(id::PartFilter);
  ExpectMessages({PictureTooSmallMessage(), PictureTooSmallMessage()});
  EXPECT_FALSE(Offered().hasImage());
}

TEST_F(ClipboardCommands, AnExportThatCannotReachTheClipboardSaysWhy) {
  Use(*AllocatePicture(40000, 30000));  // pixels never touched take no memory; its bitmaps pass 4 GiB
  Run(id::ExportClipboard);
  Run(id::PartExport);
  const UserMessage tooLarge =
      MainMessage("The picture could not be put on the clipboard: it is larger than a clipboard bitmap can be (4 GiB).");
  ExpectMessages({tooLarge, tooLarge});
  EXPECT_FALSE(Offered().hasImage());
}

TEST_F(ClipboardCommands, PartExportAddsAnEighthOnEverySideWrappingRoundWhenConnectable) {
  Use(PatternPicture(16, 8));
  Run(id::PartExport);
  const QImage image = OfferedImage();
  ASSERT_EQ(image.size(), QSize(20, 10));
  EXPECT_EQ(image.pixel(2, 1), Rgb(PixelAt(Current(), 0, 0)));
  EXPECT_EQ(image.pixel(0, 1), Rgb(PixelAt(Current(), 14, 0)));
  EXPECT_EQ(image.pixel(2, 0), Rgb(PixelAt(Current(), 0, 7)));
  EXPECT_EQ(image.pixel(19, 9), Rgb(PixelAt(Current(), 1, 0)));

  Use(PatternPicture(7, 7));
  Run(id::PartExport);
  EXPECT_EQ(OfferedImage().size(), QSize(7, 7));
}

TEST_F(ClipboardCommands, PartExportAndImportRoundTripFromFivePixelsOn) {
  for (const bool connectable : {true, false}) {
    state.Settings.Config.Connectable = connectable;
    for (const auto& [w, h] : {std::pair{5, 5}, {5, 9}, {16, 8}, {37, 21}}) {
      const Picture original = PatternPicture(w, h);
      Use(*ClonePicture(original));
      Run(id::PartExport);
      Run(id::PartImport);
      EXPECT_TRUE(SamePixels(Current(), original)) << w << "x" << h << " connectable " << connectable;
    }
  }
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(ClipboardCommands, PartImportCutsATenthFromEverySide) {
  const Picture offered = PatternPicture(20, 10);
  OfferDib({}, offered);
  Run(id::PartImport);
  ASSERT_EQ(Current().Width, 16);
  ASSERT_EQ(Current().Height, 8);
  EXPECT_EQ(PixelAt(Current(), 0, 0), PixelAt(offered, 2, 1));
  EXPECT_EQ(PixelAt(Current(), 15, 7), PixelAt(offered, 17, 8));
}

TEST_F(ClipboardCommands, ImportReadsOddWidthsAndEitherRowOrderUpright) {
  for (const test::BmpLayout& layout : {test::BmpLayout{.Bits = 24}, test::BmpLayout{.Bits = 24, .TopDown = true},
                                        test::BmpLayout{.Bits = 32, .TopDown = true}}) {
    const Picture offered = PatternPicture(5, 6);
    OfferDib(layout, offered);
    Run(id::ImportClipboard);
    ASSERT_TRUE(state.CurrentPicture);
    EXPECT_TRUE(SamePixels(Current(), offered)) << layout.Bits << " top down " << layout.TopDown;
  }
}

TEST_F(ClipboardCommands, ImportRefusesAnEightBitBitmapAndKeepsThePicture) {
  Use(PatternPicture(6, 6));
  const Picture grey = PatternPicture(4, 4);
  test::BmpLayout eightBit{.Bits = 8};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) eightBit.Palette.push_back(PixelAt(grey, x, y));
  OfferDib(eightBit, grey);
  state.View.Zoom = 3;
  Run(id::ImportClipboard);
  ExpectMessages({MainMessage("The clipboard should be have format 24 or 32 bpp")});
  EXPECT_EQ(Current().Width, 6);
  EXPECT_EQ(state.View.Zoom, 3);
  EXPECT_EQ(view.Rebuilds, 1);
}

TEST_F(ClipboardCommands, ImportRefusesATooSmallPicture) {
  Use(PatternPicture(6, 6));
  OfferDib({}, PatternPicture(3, 9));
  state.View.Zoom = 2;
  Run(id::ImportClipboard);
  ExpectMessages({PictureTooSmallMessage()});
  EXPECT_EQ(Current().Width, 6);
  EXPECT_EQ(state.View.Zoom, 2);
}

TEST_F(ClipboardCommands, ABitmapOfNoWidthOrNoHeightFailsTheSizeCheck) {
  Use(PatternPicture(6, 6));
  for (const auto& [at, value] : {std::pair{18, 0u}, {18, 0xFFFFFFF8u}, {22, 0u}}) {  // biWidth 0, -8; biHeight 0
    std::vector<std::uint8_t> file = test::BmpWriter({}).File(PatternPicture(8, 8));
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    OfferBmp(file);
    Run(id::ImportClipboard);
    Run(id::PartImport);
  }
  ExpectMessages(std::vector<UserMessage>(6, PictureTooSmallMessage()));
  EXPECT_EQ(Current().Width, 6);
}

TEST_F(ClipboardCommands, PartImportChecksTheSizeOfThePartButResetsTheViewAnyway) {
  Use(PatternPicture(6, 6));
  OfferDib({}, PatternPicture(4, 4));
  state.View.Zoom = 4;
  state.View.ScrollX = 9;
  Run(id::PartImport);
  ExpectMessages({PictureTooSmallMessage()});
  EXPECT_EQ(Current().Width, 6);
  EXPECT_EQ(state.View.Zoom, 1);
  EXPECT_EQ(state.View.ScrollX, 0);
  EXPECT_EQ(view.Layouts, 1);
}

TEST_F(ClipboardCommands, ImportsBeyondTheMemoryTheSystemCanGiveAreRefused) {
  Use(PatternPicture(6, 6));
  OfferDib({}, *CreatePicture(2400, 2400));  // 17 MB, enough to be weighed
  state.Memory = [] { return std::optional<std::uint64_t>(10'000'000); };
  Run(id::ImportClipboard);
  Run(id::PartImport);
  ExpectMessages({OutOfMemoryMessage(), OutOfMemoryMessage()});
  EXPECT_EQ(Current().Width, 6);
}

TEST_F(ClipboardCommands, ImportShowsTheNewPictureAtZoomOneFromTheOrigin) {
  OfferDib({}, PatternPicture(9, 9));
  state.View.Zoom = 5;
  state.View.ScrollX = 30;
  state.View.ScrollY = 12;
  Run(id::ImportClipboard);
  EXPECT_EQ(state.View.Zoom, 1);
  EXPECT_EQ(state.View.ScrollX, 0);
  EXPECT_EQ(state.View.ScrollY, 0);
  EXPECT_EQ(desktop.Events, (std::vector<std::string>{"layout", "rebuild"}));
}

TEST_F(ClipboardCommands, ImportWithoutAPictureOnTheClipboardOnlyRedraws) {
  Use(PatternPicture(6, 6));
  auto* text = new QMimeData;
  text->setText("not a picture");
  Offer(text);
  Run(id::ImportClipboard);
  Run(id::PartImport);
  EXPECT_TRUE(desktop.Messages.empty());
  EXPECT_EQ(Current().Width, 6);
  EXPECT_EQ(view.Rebuilds, 2);
  EXPECT_EQ(view.Layouts, 0);
}

TEST_F(ClipboardCommands, ImportSaysSoWhenTheBitmapIsDamaged) {
  Use(PatternPicture(6, 6));
  std::vector<std::uint8_t> file = test::BmpWriter({}).File(PatternPicture(40, 40));
  file.resize(200);
  OfferBmp(file);
  Run(id::ImportClipboard);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Caption, "TessmarkPicture");
  EXPECT_EQ(Current().Width, 6);
}

TEST_F(ClipboardCommands, ImportTakesAnImageThatOtherProgramsOffer) {
  QImage image(7, 5, QImage::Format_ARGB32);
  image.fill(qRgb(10, 20, 30));
  image.setPixel(6, 4, qRgb(200, 100, 50));
  auto* offer = new QMimeData;
  offer->setImageData(image);
  Offer(offer);
  Run(id::ImportClipboard);
  ASSERT_TRUE(state.CurrentPicture);
  EXPECT_EQ(Current().Width, 7);
  EXPECT_EQ(PixelAt(Current(), 0, 0), (Color{10, 20, 30}));
  EXPECT_EQ(PixelAt(Current(), 6, 4), (Color{200, 100, 50}));
}

TEST_F(ClipboardCommands, ImportTakesACopiedPictureFile) {
  test::TempFolder folder;
  const Picture offered = PatternPicture(6, 5);
  const std::string path = folder.File("copied.bmp");
  const std::vector<std::uint8_t> bytes = *EncodeBmpFile(offered);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  auto* offer = new QMimeData;
  offer->setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  Offer(offer);
  Run(id::ImportClipboard);
  ASSERT_TRUE(state.CurrentPicture);
  EXPECT_TRUE(SamePixels(Current(), offered));

  auto* two = new QMimeData;
  two->setUrls({QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile("/tmp/other.bmp")});
  Offer(two);
  state.CurrentPicture.reset();
  Run(id::ImportClipboard);
  EXPECT_FALSE(state.CurrentPicture) << "only a single copied file is taken";
}

TEST_F(ClipboardCommands, ACopiedFileThatCannotBeReadSaysWhy) {
  auto* offer = new QMimeData;
  offer->setUrls({QUrl::fromLocalFile("/nonexistent/folder/picture.bmp")});
  Offer(offer);
  Run(id::ImportClipboard);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Caption, "accessfile");
  EXPECT_FALSE(state.CurrentPicture);
}

TEST_F(ClipboardCommands, FilterExportsThePartWalksTheUserThroughAndImportsItBack) {
  const Picture original = PatternPicture(16, 8);
  Use(*ClonePicture(original));
  Run(id::PartFilter);
  const std::vector<std::string> steps{
      "You pasted picture from clipboard to another picture utility (Ex photoshop,gimg)",
      "You work picture since another picture utility", "You copy picture to clipboard (Copy menu)"};
  ASSERT_EQ(desktop.Messages.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(desktop.Messages[i], (UserMessage{steps[i], "vornade", MessageIcon::Information}));
  EXPECT_TRUE(SamePixels(Current(), original));
  EXPECT_EQ(desktop.Events.back(), "rebuild");
}

}  // namespace
}  // namespace tessmark
