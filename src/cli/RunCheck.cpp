#include "cli/RunCheck.h"

#include <algorithm>

#include "recipe/Operation.h"
#include "recipe/OperationTable.h"
#include "textureset/TextureSet.h"

namespace tessmark::cli {
namespace {

bool SamePalette(const Palette& a, const Palette& b) {
  return a.AllColor == b.AllColor && a.Count == b.Count &&
         std::equal(a.Colors.begin(), a.Colors.begin() + a.Count, b.Colors.begin());
}

bool SameMix(const MixRange& a, const MixRange& b) { return a.From == b.From && a.To == b.To; }

// An option that sets a value the operations read, unless they set their own.
struct OptionUse {
  std::string_view Name;
  std::string_view OwnKey;  // the key by which an operation sets its own value; empty: none
  bool (*Given)(const CommandLine&);
  bool (*Reads)(const OperationRow&);
  bool (*InForce)(const OperationStep& now, const OperationStep& start);
};

constexpr OptionUse Uses[] = {
    {"--palette", "colors", [](const CommandLine& l) { return !l.PaletteFile.empty(); },
     [](const OperationRow& r) { return (r.Writes & WritesColors) != 0; },
     [](const OperationStep& n, const OperationStep& s) { return SamePalette(n.Palette, s.Palette); }},
    {"--seed", "seed", [](const CommandLine& l) { return l.Seed.has_value(); },
     [](const OperationRow& r) { return (r.Writes & WritesSeed) != 0; },
     [](const OperationStep& n, const OperationStep&) { return !n.Seed.has_value(); }},
    {"--recolor", "", [](const CommandLine& l) { return !l.RecolorFile.empty(); },
     [](const OperationRow& r) { return (r.Writes & WritesColors) != 0; },
     [](const OperationStep&, const OperationStep&) { return true; }},
    {"--mix", "mix", [](const CommandLine& l) { return l.MixRange.has_value(); },
     [](const OperationRow& r) { return (r.Writes & WritesMix) != 0; },
     [](const OperationStep& n, const OperationStep& s) { return SameMix(n.Records.MixRange, s.Records.MixRange); }},
    {"--blend-color", "blendcolor", [](const CommandLine& l) { return l.BlendColor.has_value(); },
     [](const OperationRow& r) { return (r.Writes & WritesBlendColor) != 0; },
     [](const OperationStep& n, const OperationStep& s) {
       return n.Records.CurrentBlendColor == s.Records.CurrentBlendColor;
     }},
    {"--connectable", "connectable", [](const CommandLine& l) { return l.Connectable.has_value(); },
     [](const OperationRow&) { return true; },
     [](const OperationStep& n, const OperationStep& s) {
       return n.Records.Config.Connectable == s.Records.Config.Connectable;
     }},
};

std::string Unused(const OptionUse& use, bool read, const CommandLine& line) {
  const std::string_view name = line.Connectable == false && use.OwnKey == "connectable" ? "--no-connectable" : use.Name;
  if (!read || use.OwnKey.empty()) return Concat(name, " has no effect: no operation of the run uses it");
  return Concat(name, " has no effect: every operation that uses it gives its own ", use.OwnKey, "=");
}

}  // namespace

RunCheck CheckRun(const CommandLine& line, const OperationStep& start, std::span<const ColorStandIn> standIns) {
  RunCheck check;
  OperationStep step = start;
  bool read[std::size(Uses)] = {};
  bool used[std::size(Uses)] = {};
  std::vector<OperationStep> steps;
  for (const Operation& operation : line.Operations) {
    ApplyOperation(operation, step);
    steps.push_back(step);
    const OperationRow& row = RowOf(step.Kind);
    for (std::size_t u = 0; u < std::size(Uses); ++u) {
      read[u] |= Uses[u].Reads(row);
      used[u] |= Uses[u].Reads(row) && Uses[u].InForce(step, start);
    }
  }
  for (const ColorStandIn& standIn : standIns) {
    check.Refusal = CheckStandIn(steps, *standIn.Colors, standIn.Option, standIn.File);
    if (!check.Refusal.empty()) return check;
  }
  const bool normals = std::any_of(line.Maps.begin(), line.Maps.end(),
                                   [](const MapRequest& m) { return m.Type == MapRequest::Kind::Normal; });
  for (std::size_t u = 0; u < std::size(Uses); ++u) {
    // Normal maps wrap around the edges as the run is connectable.
    const bool connectable = Uses[u].Name == "--connectable" && normals;
    if (Uses[u].Given(line) && !used[u] && !connectable) check.Warnings.push_back(Unused(Uses[u], read[u], line));
  }
  return check;
}

}  // namespace tessmark::cli
