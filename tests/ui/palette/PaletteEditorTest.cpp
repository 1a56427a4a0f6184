#include "palette/ui/PaletteEditor.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "app/ui/QtPlatform.h"
#include "palette/PaletteFile.h"
#include "palette/ui/PaletteGrid.h"
#include "support/ModalDialog.h"
#include "support/TempFolder.h"
#include "ui/support/FakePlatform.h"

namespace tessmark {
namespace {

// Also notes the colour each chooser opened with.
class Desktop : public test::FakePlatform {
 public:
  std::vector<ColorRef> ChooserStarts;
  std::optional<ColorRef> ChooseColor(ColorRef initial) override {
    ChooserStarts.push_back(initial);
    return FakePlatform::ChooseColor(initial);
  }
};

PaletteColor Shade(int i) { return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(100 + i), 7}; }

Palette PaletteOf(int count, bool allColor = false) {
  Palette palette;
  palette.AllColor = allColor;
  for (int i = 0; i < count; ++i) AddColor(palette, Shade(i));
  return palette;
}

std::vector<PaletteColor> Colors(const Palette& palette) {
  return {palette.Colors.begin(), palette.Colors.begin() + palette.Count};
}

struct Editor {
  explicit Editor(Palette start) : current(start), editor(current, desktop) {}

  QImage Client() { return editor.Grid()->grab().toImage(); }
  void Click(int x, int y) { QTest::mouseClick(editor.Grid(), Qt::LeftButton, {}, QPoint(x, y)); }
  QRgb At(int x, int y) { return Client().pixel(x, y); }

  Palette current;
  Desktop desktop;
  PaletteEditor editor;
};

QRgb Rgb(PaletteColor c) { return qRgb(c.Red, c.Green, c.Blue); }

TEST(PaletteEditor, HidesTheGridWhileAllColoursAreInUse) {
  Editor e(PaletteOf(3, true));
  EXPECT_TRUE(e.editor.AllColorBox()->isChecked());
  EXPECT_NE(e.At(12, 44), Rgb(Shade(0)));
  QTest::mouseClick(e.editor.AllColorBox(), Qt::LeftButton, {}, QPoint(6, 10));
  EXPECT_FALSE(e.editor.AllColorBox()->isChecked());
  EXPECT_EQ(e.At(12, 44), Rgb(Shade(0)));
}

TEST(PaletteEditor, DrawsCellsOf24PixelsEvery32PixelsSixteenToARow) {
  Editor e(PaletteOf(20));
  const QImage client = e.Client();
  const QRgb background = client.pixel(300, 300);
  EXPECT_EQ(client.pixel(0, 32), Rgb(Shade(0)));
  EXPECT_EQ(client.pixel(23, 55), Rgb(Shade(0)));
  EXPECT_EQ(client.pixel(24, 40), background);
  EXPECT_EQ(client.pixel(10, 56), background);
  EXPECT_EQ(client.pixel(32 * 15 + 5, 40), Rgb(Shade(15)));
  EXPECT_EQ(client.pixel(0, 64), Rgb(Shade(16)));
  EXPECT_EQ(client.pixel(3 * 32 + 23, 64 + 23), Rgb(Shade(19)));
  EXPECT_EQ(client.pixel(4 * 32 + 5, 64 + 5), background);
}

TEST(PaletteEditor, AClickSelectsTheCellItFallsInOrAfter) {
  Editor e(PaletteOf(20));
  EXPECT_EQ(e.editor.Selection(), -1);
  e.Click(100, 40);
  EXPECT_EQ(e.editor.Selection(), 3);
  e.Click(520, 40);
  EXPECT_EQ(e.editor.Selection(), 3);
  e.Click(200, 32);
  EXPECT_EQ(e.editor.Selection(), 3);
  e.Click(60, 95);  // the gap below and right of cell 17
  EXPECT_EQ(e.editor.Selection(), 17);
  e.Click(70, 32 + 16 * 32 + 3);  // below the sixteenth row: rows start over
  EXPECT_EQ(e.editor.Selection(), 2);
  e.Click(5 * 32, 32 + 3 * 32);  // an empty cell can be selected
  EXPECT_EQ(e.editor.Selection(), 53);
}

TEST(PaletteEditor, OutlinesTheSelectedCellInRed) {
  Editor e(PaletteOf(5));
  e.Click(40, 40);
  const QImage client = e.Client();
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_EQ(client.pixel(32, 44), red);
  EXPECT_EQ(client.pixel(44, 32), red);
  EXPECT_EQ(client.pixel(56, 44), red);
  EXPECT_EQ(client.pixel(44, 56), red);
  EXPECT_EQ(client.pixel(44, 44), Rgb(Shade(1)));
  EXPECT_EQ(client.pixel(0, 32), Rgb(Shade(0)));
  EXPECT_EQ(client.pixel(64, 32), Rgb(Shade(2)));
}

TEST(PaletteEditor, DeleteRemovesTheSelectedColourWhicheverControlHasTheFocus) {
  Editor e(PaletteOf(5));
  e.Click(70, 40);
  ASSERT_EQ(e.editor.Selection(), 2);
  QTest::keyClick(e.editor.AllColorBox(), Qt::Key_Delete);
  EXPECT_EQ(Colors(e.editor.EditPalette()), (std::vector{Shade(0), Shade(1), Shade(3), Shade(4)}));
  EXPECT_EQ(e.editor.Selection(), 2);
  QTest::keyClick(e.editor.findChild<QPushButton*>(), Qt::Key_Delete);
  EXPECT_EQ(e.editor.Selection(), 2);
  QTest::keyClick(e.editor.Grid(), Qt::Key_Delete);
  EXPECT_EQ(Colors(e.editor.EditPalette()), (std::vector{Shade(0), Shade(1)}));
  EXPECT_EQ(e.editor.Selection(), -1);
  QTest::keyClick(&e.editor, Qt::Key_Delete);
  EXPECT_EQ(e.editor.EditPalette().Count, 2);
}

TEST(PaletteEditor, RemoveTakesTheSelectedColourAndClearsTheSelection) {
  Editor e(PaletteOf(3));
  e.editor.Remove();
  EXPECT_EQ(e.editor.EditPalette().Count, 3);
  e.Click(5, 40);
  e.editor.Remove();
  EXPECT_EQ(Colors(e.editor.EditPalette()), (std::vector{Shade(1), Shade(2)}));
  EXPECT_EQ(e.editor.Selection(), -1);
}

TEST(PaletteEditor, ModifyAsksAgainUntilTheColourIsNewOrTheChooserIsCancelled) {
  Editor e(PaletteOf(3));
  e.Click(40, 40);
  e.desktop.Colors = {RefFromColor(Shade(0)), RefFromColor(Shade(1)), 0x00010203};
  e.editor.Modify();
  EXPECT_EQ(Colors(e.editor.EditPalette()), (std::vector{Shade(0), ColorFromRef(0x00010203), Shade(2)}));
  const UserMessage duplicate{"The color already exist in the palette", "TessmarkPalette", MessageIcon::Stop};
  EXPECT_EQ(e.desktop.Messages, (std::vector{duplicate, duplicate}));
  const ColorRef stored = RefFromColor(Shade(1));
  EXPECT_EQ(e.desktop.ChooserStarts, (std::vector{stored, stored, stored}));

  e.desktop.Messages.clear();
  e.desktop.Colors = {RefFromColor(Shade(2)), std::nullopt};
  e.editor.Modify();
  EXPECT_EQ(e.editor.EditPalette().Colors[1], ColorFromRef(0x00010203));
  EXPECT_EQ(e.desktop.Messages.size(), 1u);
}

TEST(PaletteEditor, ModifyWithoutASelectedColourChangesNothing) {
  Editor e(PaletteOf(3));
  e.editor.Modify();
  EXPECT_TRUE(e.desktop.ChooserStarts.empty());
  e.Click(5 * 32, 40);
  e.desktop.Colors = {0x00010203};
  e.editor.Modify();
  EXPECT_EQ(Colors(e.editor.EditPalette()), Colors(PaletteOf(3)));
  EXPECT_TRUE(e.desktop.Messages.empty());
}

TEST(PaletteEditor, AddAppendsTheChosenColourAndUsesTheColourList) {
  Editor e(PaletteOf(2, true));
  e.editor.Add();
  EXPECT_TRUE(e.editor.AllColorBox()->isChecked()) << "a cancelled chooser changes nothing";
  e.desktop.Colors = {0x00FF0000, RefFromColor(Shade(0))};
  e.editor.Add();
  e.editor.Add();
  EXPECT_EQ(Colors(e.editor.EditPalette()), (std::vector{Shade(0), Shade(1), PaletteColor{0, 0, 255}, Shade(0)}));
  EXPECT_FALSE(e.editor.AllColorBox()->isChecked());
  // One chooser for the whole editor: it opens on the colour it gave last.
  EXPECT_EQ(e.desktop.ChooserStarts, (std::vector<ColorRef>{0, 0, 0x00FF0000}));
}

TEST(PaletteEditor, AddToAFullPaletteAddsNothingButStillUsesTheColourList) {
  Palette full = PaletteOf(0, true);
  AddRandomColors(full, 256, 5);
  Editor e(full);
  e.desktop.Colors = {0x00123456};
  e.editor.Add();
  EXPECT_EQ(e.editor.EditPalette().Count, 256);
  EXPECT_FALSE(e.editor.AllColorBox()->isChecked());
}

TEST(PaletteEditor, RemoveAllAsksFirstAndKeepsTheSelection) {
  Editor e(PaletteOf(4));
  e.Click(40, 40);
  e.editor.RemoveAll();
  EXPECT_EQ(e.editor.EditPalette().Count, 4);
  ASSERT_EQ(e.desktop.Messages.size(), 1u);
  EXPECT_EQ(e.desktop.Messages[0],
            (UserMessage{"Delete All Color Palette ?", "TessmarkPalette", MessageIcon::Exclamation}));
  e.desktop.MessageAnswers = {MessageAnswer::Yes};
  e.editor.RemoveAll();
  EXPECT_EQ(e.editor.EditPalette().Count, 0);
  EXPECT_EQ(e.editor.Selection(), 1);
}

void AnswerNumberPrompt(const char* typed) {
  test::WhenModalOpens([typed](QWidget* prompt) {
    auto* edit = prompt->findChild<QLineEdit*>("number");
    edit->setText(typed);
    static_cast<QDialog*>(prompt)->accept();
  });
}

TEST(PaletteEditor, ARandomPaletteStopsWhenFullWithDistinctColours) {
  Editor e(PaletteOf(0, true));
  AnswerNumberPrompt("300");
  e.editor.MakeRandomPalette();
  const Palette& made = e.editor.EditPalette();
  ASSERT_EQ(made.Count, 256);
  std::set<std::tuple<int, int, int>> distinct;
  for (const PaletteColor& c : Colors(made)) distinct.insert({c.Red, c.Green, c.Blue});
  EXPECT_EQ(distinct.size(), 256u);
  EXPECT_FALSE(e.editor.AllColorBox()->isChecked());

  Palette expected = PaletteOf(0);
  AddRandomColors(expected, 300, e.desktop.Time);
  EXPECT_EQ(Colors(made), Colors(expected)) << "seeded with the clock";
}

TEST(PaletteEditor, ARandomPaletteOfNoColoursStillUsesTheColourList) {
  Editor e(PaletteOf(3, true));
  AnswerNumberPrompt("0");
  e.editor.MakeRandomPalette();
  EXPECT_EQ(e.editor.EditPalette().Count, 3);
  EXPECT_FALSE(e.editor.AllColorBox()->isChecked());

  test::WhenModalOpens([](QWidget* prompt) { static_cast<QDialog*>(prompt)->reject(); });
  e.editor.AllColorBox()->setChecked(true);
  e.editor.MakeRandomPalette();
  EXPECT_TRUE(e.editor.AllColorBox()->isChecked());
}

TEST(PaletteEditor, SavesTheWorkingCopyAndLoadsItBackWithoutTouchingTheBox) {
  test::TempFolder folder;
  const std::string file = folder.File("warm.gpal");
  {
    Editor e(PaletteOf(5));
    e.desktop.Colors = {0x00000099};
    e.editor.Add();
    e.desktop.SaveNames = {file};
    e.editor.Save();
    e.editor.reject();
  }
  Editor e(PaletteOf(1, true));
  e.Click(5, 40);
  e.desktop.OpenNames = {file};
  e.editor.Load();
  EXPECT_EQ(e.editor.EditPalette().Count, 6);
  EXPECT_EQ(e.editor.EditPalette().Colors[5], ColorFromRef(0x00000099));
  EXPECT_TRUE(e.editor.AllColorBox()->isChecked());
  EXPECT_EQ(e.editor.Selection(), 0);
  ASSERT_EQ(e.desktop.FileRequests.size(), 1u);
  EXPECT_EQ(e.desktop.FileRequests[0].Filter, "Palettes|*.gpal *.gpl|*.gpal|*.gpal|*.gpl|*.gpl|");
  EXPECT_TRUE(e.desktop.Messages.empty());
}

TEST(PaletteEditor, SaveAppendsTheSelectedKindAndAsksBeforeReplacingThatFile) {
  test::TempFolder folder;
  Editor e(PaletteOf(3));
  e.desktop.SaveNames = {folder.File("warm"), folder.File("warm"), folder.File("warm"), folder.File("warm")};
  e.desktop.SavePatterns = {"*.gpal *.gpl", "*.gpl", "*.gpl"};
  e.editor.Save();
  e.editor.Save();
  EXPECT_TRUE(std::filesystem::exists(folder.File("warm.gpal")));
  Palette gimp;
  ASSERT_TRUE(LoadPaletteFile(folder.File("warm.gpl"), gimp).Ok);
  EXPECT_EQ(Colors(gimp), Colors(PaletteOf(3)));
  EXPECT_TRUE(e.desktop.Messages.empty());

  e.desktop.MessageAnswers = {MessageAnswer::Yes};
  e.editor.RemoveAll();
  e.desktop.Messages.clear();
  e.editor.Save();  // warm.gpl exists: No keeps it
  e.desktop.MessageAnswers = {MessageAnswer::Yes};
  e.editor.Save();  // warm.gpal exists: Yes replaces it
  const UserMessage question{folder.File("warm.gpl") + " already exists.\nDo you want to replace it?", "TessmarkPalette",
                             MessageIcon::Exclamation};
  ASSERT_EQ(e.desktop.Messages.size(), 2u);
  EXPECT_EQ(e.desktop.Messages[0], question);
  ASSERT_TRUE(LoadPaletteFile(folder.File("warm.gpl"), gimp).Ok);
  EXPECT_EQ(gimp.Count, 3);
  ASSERT_TRUE(LoadPaletteFile(folder.File("warm.gpal"), gimp).Ok);
  EXPECT_EQ(gimp.Count, 0);
}

TEST(PaletteEditor, LoadingAGimpPaletteSaysWhatItLeftOutOrWhichLineIsWrong) {
  test::TempFolder folder;
  std::string many = "GIMP Palette\n";
  for (int i = 0; i < 300; ++i) many += "9 9 9\n";
  test::WriteBytes(folder.File("many.gpl"), {many.begin(), many.end()});
  const std::string bad = "GIMP Palette\n1 2 3\n1 2 256\n";
  test::WriteBytes(folder.File("bad.GPL"), {bad.begin(), bad.end()});
  Editor e(PaletteOf(3, true));
  e.desktop.OpenNames = {folder.File("many.gpl"), folder.File("bad.GPL")};
  e.editor.Load();
  EXPECT_EQ(e.editor.EditPalette().Count, 256);
  e.editor.Load();
  EXPECT_EQ(e.editor.EditPalette().Count, 256);
  ASSERT_EQ(e.desktop.Messages.size(), 2u);
  EXPECT_EQ(e.desktop.Messages[0].Text, folder.File("many.gpl") +
                                            " holds more colours than a palette takes: the first 256 were loaded, 44 were left out");
  EXPECT_EQ(e.desktop.Messages[0].Icon, MessageIcon::Information);
  EXPECT_EQ(e.desktop.Messages[1].Text,
            "Cannot read the palette file " + folder.File("bad.GPL") + ": line 3: 256 is outside 0 to 255");
  EXPECT_TRUE(e.editor.AllColorBox()->isChecked());
}

// Qt centres a dialog over its owner: the boxes and dialogs of the editor show over it, not over
// the window behind it.
TEST(PaletteEditor, OwnsItsBoxesAndDialogs) {
  QWidget main;
  QtPlatform desktop(&main);
  Palette current = PaletteOf(3);
  {
    PaletteEditor editor(current, desktop, &main);
    editor.show();
    std::vector<QWidget*> owners;
    const auto close = [&](QWidget* modal) {
      owners.push_back(modal->parentWidget());
      static_cast<QDialog*>(modal)->reject();
    };
    test::WhenModalOpens(close);
    editor.RemoveAll();
    test::WhenModalOpens(close);
    editor.Add();
    test::WhenModalOpens(close);
    editor.Save();
    EXPECT_EQ(owners, (std::vector<QWidget*>{&editor, &editor, &editor}));
  }
  QWidget* shownOver = nullptr;
  test::WhenModalOpens([&](QWidget* modal) {
    shownOver = modal->parentWidget();
    static_cast<QDialog*>(modal)->reject();
  });
  desktop.ShowMessage({"after", "TessmarkPicture", MessageIcon::Stop}, MessageButtons::Ok);
  EXPECT_EQ(shownOver, &main) << "the main window owns its boxes again once the editor is gone";
}

TEST(PaletteEditor, SaysSoWhenAPaletteCannotBeSavedOrLoaded) {
  test::TempFolder folder;
  Palette full = PaletteOf(0);
  AddRandomColors(full, 256, 9);
  Editor e(full);
  e.desktop.SaveNames = {folder.File("full.gpal")};
  e.editor.Save();
  ASSERT_EQ(e.desktop.Messages.size(), 1u);
  EXPECT_EQ(e.desktop.Messages[0].Text, "The palette file holds at most 255 colours");
  EXPECT_FALSE(std::filesystem::exists(folder.File("full.gpal")));

  e.desktop.OpenNames = {folder.File("missing.gpal")};
  e.editor.Load();
  EXPECT_EQ(e.desktop.Messages.size(), 2u);
  EXPECT_EQ(e.editor.EditPalette().Count, 256);
}

TEST(PaletteEditor, OkWritesTheWorkingCopyBack) {
  Editor e(PaletteOf(4, true));
  e.Click(5, 40);
  e.editor.Remove();
  QTest::mouseClick(e.editor.AllColorBox(), Qt::LeftButton, {}, QPoint(6, 10));
  e.editor.accept();
  EXPECT_FALSE(e.current.AllColor);
  EXPECT_EQ(Colors(e.current), (std::vector{Shade(1), Shade(2), Shade(3)}));
}

TEST(PaletteEditor, CancelAfterEditsLeavesThePaletteExactlyAsItWas) {
  const Palette before = PaletteOf(6, true);
  Editor e(before);
  e.desktop.Colors = {0x00ABCDEF};
  e.editor.Add();
  e.Click(5, 40);
  QTest::keyClick(e.editor.Grid(), Qt::Key_Delete);
  e.desktop.MessageAnswers = {MessageAnswer::Yes};
  e.editor.RemoveAll();
  e.editor.reject();
  EXPECT_EQ(e.current.AllColor, before.AllColor);
  EXPECT_EQ(e.current.Count, before.Count);
  EXPECT_EQ(e.current.Colors, before.Colors);
}

}  // namespace
}  // namespace tessmark
