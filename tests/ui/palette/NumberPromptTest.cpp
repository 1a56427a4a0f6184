#include "palette/ui/NumberPrompt.h"

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

TEST(NumberPrompt, GivesTheNumberTypedOnOk) {
  Answer("300", true);
  EXPECT_EQ(NumberPrompt::AskNumber(nullptr), 300);
}

TEST(NumberPrompt, TakesDigitsOnlySoOtherKeysAreDropped) {
  Answer("-1x2", true);
  EXPECT_EQ(NumberPrompt::AskNumber(nullptr), 12);
}

TEST(NumberPrompt, AnEmptyTextIsZero) {
  Answer("", true);
  EXPECT_EQ(NumberPrompt::AskNumber(nullptr), 0);
}

TEST(NumberPrompt, GivesNothingWhenCancelled) {
  Answer("25", false);
  EXPECT_EQ(NumberPrompt::AskNumber(nullptr), std::nullopt);
}

}  // namespace
}  // namespace tessmark
