#pragma once

#include <string>
#include <string_view>

#include "recipe/OperationStep.h"
#include "recipe/RecipeValues.h"

namespace tessmark {

// NAME[:key=value,key=value...]; names and keys are not case-sensitive, values may be quoted.
Parsed<Operation> ParseOperation(std::string_view text);

// Makes the step this operation's: its kind, its own values afresh, then its keys.
void ApplyOperation(const Operation& operation, OperationStep& step);

// The step as one word that ParseOperation and ApplyOperation turn back into it, whatever came
// before: the name and every key the operation runs with.
std::string WriteOperation(const OperationStep& step);

std::string_view OperationName(OperationKind kind);

// The key names of each operation and those every operation takes, for the help text.
std::string OperationKeys(OperationKind kind);
std::string CommonKeys();

}  // namespace tessmark
