#pragma once

#include <gtest/gtest.h>

#include <string>

#include "recipe/Operation.h"
#include "recipe/OperationTable.h"

namespace tessmark::test {

// The word of a row with each of its own keys set away from its default: the first of a few
// values that the key takes and that changes the written word. A key none of them changes is a
// failure, since its value would be lost on the way through a recipe.
inline OperationStep Applied(const std::string& word) {
  OperationStep step;
  const Parsed<Operation> operation = ParseOperation(word);
  if (operation) ApplyOperation(*operation.Value, step);
  return step;
}

inline std::string EveryKeyChangedWord(const OperationRow& row, const std::string& pictureFile) {
  std::string word(row.Name);
  for (const KeyRule& key : row.Keys) {
    const std::string before = WriteOperation(Applied(word));
    bool changed = false;
    for (const std::string& value : {pictureFile, std::string("5"), std::string("1"), std::string("0"), std::string("102030")}) {
      const std::string next = Concat(word, word == row.Name ? ":" : ",", key.Key, "=", value);
      if (!ParseOperation(next) || WriteOperation(Applied(next)) == before) continue;
      word = next;
      changed = true;
      break;
    }
    EXPECT_TRUE(changed) << row.Name << ":" << key.Key;
  }
  return word;
}

}  // namespace tessmark::test
