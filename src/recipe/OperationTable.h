#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "imageio/PictureSources.h"
#include "paint/PaintContext.h"
#include "recipe/KeyValues.h"
#include "recipe/OperationStep.h"

namespace tessmark {

// What a run leaves its caller: the picture file it could not load (nothing painted then), and
// whether the picture may have changed.
struct OperationOutcome {
  std::optional<SourceLoadFailure> Failure;
  bool Changed = true;
};

// Runs the operation of the step on the context's picture; picture files load from
// programDirectory when they name no folder.
using OperationRun = OperationOutcome (*)(PaintContext& paint, const OperationStep& step,
                                          const std::string& programDirectory);

// The keys every operation takes, as bits of what an operation writes into a recipe; they are
// written in this order.
enum CommonKey : unsigned {
  WritesSeed = 1u << 0,
  WritesMix = 1u << 1,
  WritesConnectable = 1u << 2,
  WritesColors = 1u << 3,
  WritesBlendColor = 1u << 4,
};

struct CommonKeyRule {
  KeyRule Rule;
  CommonKey Bit;
};

// One operation, as the command line, the recipes, the desktop's menu and commands and the help
// text all know it.
struct OperationRow {
  OperationKind Kind;
  std::string_view Name;     // on the command line and in recipes
  std::string_view Summary;  // in the help text
  std::string_view MenuCaption;
  std::string_view VersionCaption;  // the one item of its submenu; empty: the entry is the item
  int CommandId;
  std::string_view LiveName;  // the live view's status while it runs
  std::span<const KeyRule> Keys;
  unsigned Writes;  // CommonKey bits
  std::int32_t* (*Count)(Settings&);  // the shapes it paints; none: it paints no shapes
  PictureFiles* (*Files)(Settings&);  // the picture files it needs; none: it reads none
  bool HasDialog;
  bool RemindsOfEscape;
  OperationRun Run;
};

std::span<const OperationRow> OperationRows();
const OperationRow& RowOf(OperationKind kind);
std::span<const CommonKeyRule> CommonKeyRules();

}  // namespace tessmark
