#include "recipe/OperationTable.h"

#include <iterator>

#include "paint/Fill.h"
#include "paint/Generators.h"
#include "paint/Noise.h"
#include "paint/PictureGenerators.h"

namespace tessmark {
namespace {

using S = Settings;
using K = OperationKind;

constexpr KeyRule CircleKeys[] = {NumberKey<&S::Circle, &CircleParams::Raymin>("raymin"),
                                  NumberKey<&S::Circle, &CircleParams::Raymax>("raymax"),
                                  NumberKey<&S::Circle, &CircleParams::Count>("count")};
constexpr KeyRule RectKeys[] = {NumberKey<&S::Rectangle, &RectangleParams::XMin>("xmin"),
                                NumberKey<&S::Rectangle, &RectangleParams::YMin>("ymin"),
                                NumberKey<&S::Rectangle, &RectangleParams::XMax>("xmax"),
                                NumberKey<&S::Rectangle, &RectangleParams::YMax>("ymax"),
                                NumberKey<&S::Rectangle, &RectangleParams::Count>("count")};
constexpr KeyRule PolygonKeys[] = {NumberKey<&S::Polygon, &PolygonParams::RayMin>("raymin"),
                                   NumberKey<&S::Polygon, &PolygonParams::RayMax>("raymax"),
                                   NumberKey<&S::Polygon, &PolygonParams::AngMin>("angmin"),
                                   NumberKey<&S::Polygon, &PolygonParams::AngMax>("angmax"),
                                   NumberKey<&S::Polygon, &PolygonParams::Count>("count"),
                                   FlagKey<&S::Polygon, &PolygonParams::Fill>("fill")};
constexpr KeyRule VectorKeys[] = {NumberKey<&S::Vector, &VectorParams::LengthMin>("lengthmin"),
                                  NumberKey<&S::Vector, &VectorParams::LengthMax>("lengthmax"),
                                  NumberKey<&S::Vector, &VectorParams::WeightMin>("weightmin"),
                                  NumberKey<&S::Vector, &VectorParams::WeightMax>("weightmax"),
                                  NumberKey<&S::Vector, &VectorParams::Count>("count"),
                                  FlagKey<&S::Vector, &VectorParams::Fill>("fill")};
constexpr KeyRule CircleMixKeys[] = {NumberKey<&S::CircleMix, &CircleMixParams::MixeMin>("mixemin"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::MixeMax>("mixemax"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::RadiusMin>("radiusmin"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::RadiusMax>("radiusmax"),
                                     NumberKey<&S::CircleMix, &CircleMixParams::Count>("count"),
                                     PictureFilesKey<&S::CircleMix>()};
constexpr KeyRule TagKeys[] = {NumberKey<&S::Tag, &TagParams::Count>("count"), PictureFilesKey<&S::Tag>()};
constexpr KeyRule FillKeys[] = {
    {"color", ValueKey<ParseHexColor, [](OperationStep& s) -> auto& { return s.FillColor; }>, WriteFillColor,
     "needs a colour: fill:color=RRGGBB"},
    {"full", ValueKey<ParseFlag, [](OperationStep& s) -> auto& { return s.FillFull; }>, WriteFillFull},
    {"weight", ValueKey<Weight, [](OperationStep& s) -> auto& { return s.FillWeight; }>, WriteFillWeight}};
constexpr KeyRule NoiseKeys[] = {ByteKey<&S::Noise, &NoiseParams::Percent>("percent"),
                                 NumberKey<&S::Noise, &NoiseParams::Germe>("germe"),
                                 FlagKey<&S::Noise, &NoiseParams::Monochromatique>("monochromatique")};

constexpr CommonKeyRule Common[] = {
    {{"seed", ValueKey<ParseSeed, [](OperationStep& s) -> auto& { return s.Seed; }>, WriteSeed}, WritesSeed},
    {{"mix", ValueKey<ParseMixage, [](OperationStep& s) -> auto& { return s.Records.MixRange; }>, WriteMix}, WritesMix},
    {FlagKey<&S::Config, &ConfigSettings::Connectable>("connectable"), WritesConnectable},
    {{"colors", ColorsKey, WriteColors}, WritesColors},
    {{"blendcolor", ValueKey<BlendColor, [](OperationStep& s) -> auto& { return s.Records.CurrentBlendColor; }>,
      WriteBlendColor},
     WritesBlendColor},
};

constexpr unsigned ShapeKeys = WritesSeed | WritesMix | WritesConnectable;

template <auto Record> std::int32_t* CountOf(Settings& s) { return &(s.*Record).Count; }
template <auto Record> PictureFiles* FilesOf(Settings& s) { return &(s.*Record).PictureFiles; }

template <auto Record, auto Paint>
OperationOutcome Shapes(PaintContext& paint, const OperationStep& step, const std::string&) {
  Paint(paint, step.Records.*Record);
  return {};
}

OperationOutcome CircleMix(PaintContext& paint, const OperationStep& step, const std::string& programDirectory) {
  return {PaintCircleMix(paint, step.Records.CircleMix, programDirectory)};
}

OperationOutcome Tags(PaintContext& paint, const OperationStep& step, const std::string& programDirectory) {
  return {PaintTags(paint, step.Records.Tag, step.Records.CurrentBlendColor, programDirectory)};
}

// Without a weight of its own, a mixed fill takes the one the last shape left.
OperationOutcome Fill(PaintContext& paint, const OperationStep& step, const std::string&) {
  const std::uint8_t weight = step.FillWeight.value_or(paint.CurrentBlendWeight);
  FillPicture(paint.Target, step.FillColor, step.FillFull, paint.Connectable, weight, paint.Workers);
  FillMaps(paint.Maps, step.FillColor, step.FillFull, paint.Connectable, weight, paint.Workers);
  return {};
}

// The seed is asked once, so that every map takes the picture's offsets.
OperationOutcome Noise(PaintContext& paint, const OperationStep& step, const std::string&) {
  const std::uint32_t seed = paint.Seed();
  NoiseMaps(paint.Maps, step.Records.Noise, seed, paint.Workers);
  return {std::nullopt, NoiseFilter(paint.Target, step.Records.Noise, paint.Random, seed, paint.Workers)};
}

constexpr OperationRow Rows[] = {
    {K::Circle, "circle", "discs", "Circle ...", "V1 ...", 32779, "Circle", CircleKeys, ShapeKeys | WritesColors,
     CountOf<&S::Circle>, nullptr, true, true, Shapes<&S::Circle, PaintCircles>},
    {K::Rect, "rect", "rectangles", "Rectangle ...", "V1 ...", 32780, "Rectangle", RectKeys,
     ShapeKeys | WritesColors, CountOf<&S::Rectangle>, nullptr, true, true, Shapes<&S::Rectangle, PaintRectangles>},
    {K::Polygon, "polygon", "star-shaped polygons", "Polygone", "V1", 32790, "Polygon", PolygonKeys,
     ShapeKeys | WritesColors, CountOf<&S::Polygon>, nullptr, true, true, Shapes<&S::Polygon, PaintPolygons>},
    {K::Vector, "vector", "thick strokes", "Vector", "V1", 32796, "Vector", VectorKeys, ShapeKeys | WritesColors,
     CountOf<&S::Vector>, nullptr, true, true, Shapes<&S::Vector, PaintVectors>},
    {K::CircleMix, "circlemix", "discs sampled out of picture files", "Circle Mix", "V1", 32802, "Circle Mix",
     CircleMixKeys, ShapeKeys, CountOf<&S::CircleMix>, FilesOf<&S::CircleMix>, true, true, CircleMix},
    {K::Tag, "tag", "picture files stamped whole", "Tag", "V1 ...", 32782, "Tag", TagKeys,
     ShapeKeys | WritesBlendColor, CountOf<&S::Tag>, FilesOf<&S::Tag>, true, true, Tags},
    // The desktop asks for the colour and the mode instead of showing a dialog.
    {K::Fill, "fill", "one colour over the whole picture", "Fill Color ...", "", 32797, "Fill", FillKeys, 0, nullptr,
     nullptr, false, false, Fill},
    {K::Noise, "noise", "random offsets on every channel (germe: seed, 0 for the operation's)", "Noise ...", "", 32804,
     "Noise", NoiseKeys, WritesSeed, nullptr, nullptr, true, false, Noise},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(Rows); ++i) {
    if (static_cast<std::size_t>(Rows[i].Kind) != i) return false;
  }
  return true;
}
static_assert(InKindOrder(), "RowOf finds a row by its kind's place");

}  // namespace

std::span<const OperationRow> OperationRows() { return Rows; }

const OperationRow& RowOf(OperationKind kind) { return Rows[static_cast<std::size_t>(kind)]; }

std::span<const CommonKeyRule> CommonKeyRules() { return Common; }

}  // namespace tessmark
