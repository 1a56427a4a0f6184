#include "settings/DialogNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace tessmark {
namespace {

TEST(DialogNumber, ReadsLikeAtoi) {
  EXPECT_EQ(DialogNumber("42"), 42);
  EXPECT_EQ(DialogNumber("  -17abc"), -17);
  EXPECT_EQ(DialogNumber("+8"), 8);
  EXPECT_EQ(DialogNumber(""), 0);
  EXPECT_EQ(DialogNumber("abc"), 0);
  EXPECT_EQ(DialogNumber("- 5"), 0);
  EXPECT_EQ(DialogNumber("12 34"), 12);
}

TEST(DialogNumber, SaturatesAtThe32BitLimits) {
  EXPECT_EQ(DialogNumber("2147483647"), 2147483647);
  EXPECT_EQ(DialogNumber("2147483648"), 2147483647);
  EXPECT_EQ(DialogNumber("99999999999999999999999"), 2147483647);
  EXPECT_EQ(DialogNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(DialogNumber("-99999999999999999999"), INT32_MIN);
}

TEST(DialogNumber, ReadsNoMoreThanTheEditFieldHolds) {
  const std::string longText = std::string(30, ' ') + "1234";  // digits from character 31 on
  EXPECT_EQ(DialogNumber(longText, ShortEditChars), 1);
  EXPECT_EQ(DialogNumber(longText, LongEditChars), 1234);
  EXPECT_EQ(DialogNumber(std::string(63, '0') + "7"), 0);
}

TEST(LowByte, KeepsTheLowEightBits) {
  EXPECT_EQ(LowByte(300), 44);
  EXPECT_EQ(LowByte(256), 0);
  EXPECT_EQ(LowByte(255), 255);
  EXPECT_EQ(LowByte(-1), 255);
}

}  // namespace
}  // namespace tessmark
