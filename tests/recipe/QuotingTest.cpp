#include "recipe/Quoting.h"

#include <gtest/gtest.h>

#include "recipe/ResponseFile.h"

namespace tessmark {
namespace {

TEST(QuoteWhereNeeded, AnyByteReadsBackAsOneWordOfOneLine) {
  for (int c = 1; c < 256; ++c) {
    const std::string value = std::string("a") + static_cast<char>(c) + "b";
    const std::string line = "--input " + QuoteWhereNeeded(value) + " circle\n";
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << c;
    const auto words = ResponseFileWords(line, "recipe");
    ASSERT_TRUE(words) << c << ": " << words.Error;
    ASSERT_EQ(words.Value->size(), 3u) << c;
    EXPECT_EQ(Unquote((*words.Value)[1]).Value, value) << c;
  }
}

TEST(Unquote, ResolvesOnlyTheEscapesItKnowsAndOnlyInsideQuotes) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {R"("a\nb\rc")", "a\nb\rc"},  {R"("\"\\")", R"("\)"}, {R"("a\tb\q")", R"(a\tb\q)"},
      {R"(a\nb)", R"(a\nb)"},       {R"(x"\\n"y)", R"(x\ny)"},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(Unquote(text).Value, value) << text;
}

TEST(SplitOutsideQuotes, SplitsOnlyOutsideQuotesKeepingEmptyPieces) {
  using Pieces = std::vector<std::string_view>;
  EXPECT_EQ(SplitOutsideQuotes(R"(a;"b; \" c";;d)", ';'), (Pieces{"a", R"("b; \" c")", "", "d"}));
  EXPECT_EQ(SplitOutsideQuotes(R"("x;y";z)", ';'), (Pieces{R"("x;y")", "z"}));
  EXPECT_EQ(SplitOutsideQuotes("", ';'), (Pieces{""}));
}

}  // namespace
}  // namespace tessmark
