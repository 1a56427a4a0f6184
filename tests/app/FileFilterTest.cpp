#include "app/FileFilter.h"

#include <gtest/gtest.h>

namespace tessmark {
namespace {

TEST(WithFilterExtension, AppendsTheSelectedKindOnlyWhenTheFileNameHasNoExtension) {
  EXPECT_EQ(WithFilterExtension("/pics/sunset", "*.jpg"), "/pics/sunset.jpg");
  EXPECT_EQ(WithFilterExtension("/pics/sunset.JPG", "*.jpg"), "/pics/sunset.JPG");
  EXPECT_EQ(WithFilterExtension("/pics/sunset.png", "*.jpg"), "/pics/sunset.png");
  EXPECT_EQ(WithFilterExtension("sunset", "*.jpg"), "sunset.jpg");
  EXPECT_EQ(WithFilterExtension("/my.pics/sunset", "*.jpg"), "/my.pics/sunset.jpg");
  EXPECT_EQ(WithFilterExtension("/p/warm", "*.gpal *.gpl"), "/p/warm.gpal");
  EXPECT_EQ(WithFilterExtension("/p/warm", "*.gpl"), "/p/warm.gpl");
  EXPECT_EQ(WithFilterExtension("/p/warm", "*.*"), "/p/warm");
  EXPECT_EQ(WithFilterExtension("/p/warm", ""), "/p/warm");
}

}  // namespace
}  // namespace tessmark
