#include "palette/ui/cdsaisit.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "support/ModalDialog.h"

namespace tessmark {
namespace {

void Answer(const char* typed, bool ok) {
  test::WhenModalOpens([typed, ok](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>("number");
    EXPECT_EQ(edit->text(), "0");
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    auto* dialog = static_cast<QDialog*>(modal);
    ok ? dialog->accept() : dialog->reject();
  });
}

TEST(cdsaisit, GivesTheNumberTypedOnOk) {
  Answer("300", true);
  EXPECT_EQ(cdsaisit::AskNumber(nullptr), 300);
}

TEST(cdsaisit, TakesDigitsOnlySoOtherKeysAreDropped) {
  Answer("-1x2", true);
  EXPECT_EQ(cdsaisit::AskNumber(nullptr), 12);
}

TEST(cdsaisit, AnEmptyTextIsZero) {
  Answer("", true);
  EXPECT_EQ(cdsaisit::AskNumber(nullptr), 0);
}

TEST(cdsaisit, GivesNothingWhenCancelled) {
  Answer("25", false);
  EXPECT_EQ(cdsaisit::AskNumber(nullptr), std::nullopt);
}

}  // namespace
}  // namespace tessmark
