#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tessmark {

// The settings of each operation, field by field in the order of their stored images. Padding is
// kept as bytes of its own so a loaded configuration is written back unchanged.

// Full paths of picture files, in list order.
using PictureFiles = std::vector<std::string>;

struct CircleParams {
  std::int32_t Raymin = 8;
  std::int32_t Raymax = 32;
  std::int32_t Count = 0;
};

struct PolygonParams {
  std::int32_t RayMin = 16;
  std::int32_t RayMax = 64;
  std::int32_t AngMin = 8;
  std::int32_t AngMax = 32;
  std::int32_t Count = 0;
  std::uint8_t Fill = 0;
  std::array<std::uint8_t, 3> Padding{};
};

struct RectangleParams {
  std::int32_t XMin = 4;
  std::int32_t YMin = 4;
  std::int32_t XMax = 32;
  std::int32_t YMax = 32;
  std::int32_t Count = 0;
};

struct VectorParams {
  std::int32_t LengthMin = 8;
  std::int32_t LengthMax = 256;
  std::int32_t WeightMin = 8;
  std::int32_t WeightMax = 48;
  std::int32_t Count = 0;
  std::uint8_t Fill = 1;
  std::array<std::uint8_t, 3> Padding{};
};

// The numeric part is the stored image; the list is stored in a block of its own.
struct CircleMixParams {
  std::int32_t MixeMin = 80;
  std::int32_t MixeMax = 80;
  std::int32_t RadiusMin = 32;
  std::int32_t RadiusMax = 64;
  std::int32_t Count = 1;
  tessmark::PictureFiles PictureFiles;
};

struct TagParams {
  std::int32_t Count = 0;
  tessmark::PictureFiles PictureFiles;
};

// Percentages from which every shape's blend weight is drawn.
struct MixRange {
  std::uint8_t From = 100;
  std::uint8_t To = 100;
};

struct NewPictureParams {
  std::int32_t X = 512;
  std::int32_t Y = 512;
  std::int32_t Reserved = 0;
};

struct NoiseParams {
  std::uint8_t Monochromatique = 0;
  std::uint8_t Percent = 0;
  std::array<std::uint8_t, 2> Padding{};
  std::int32_t Germe = 0;
};

struct ConfigSettings {
  std::uint32_t BlendColor = 0x00FFFFFF;  // 0xFFFFFFFF: no blend colour
  std::uint8_t Connectable = 1;
  std::uint8_t From = 100;
  std::uint8_t To = 100;
  std::uint8_t Padding = 0;
};

// Everything a configuration file stores: the ten records, both picture lists (inside their
// records) and the current blend colour.
struct Settings {
  CircleParams Circle;
  PolygonParams Polygon;
  RectangleParams Rectangle;
  VectorParams Vector;
  CircleMixParams CircleMix;
  TagParams Tag;
  tessmark::MixRange MixRange;
  NewPictureParams NewPicture;
  NoiseParams Noise;
  ConfigSettings Config;
  std::uint32_t CurrentBlendColor = 0x00FFFFFF;  // 0x00BBGGRR; 0xFFFFFFFF: none
};

// Visits the fields of each record's stored image in storage order.
template <class F> constexpr void VisitImageFields(CircleParams& r, F&& f) { f(r.Raymin); f(r.Raymax); f(r.Count); }
template <class F> constexpr void VisitImageFields(PolygonParams& r, F&& f) {
  f(r.RayMin); f(r.RayMax); f(r.AngMin); f(r.AngMax); f(r.Count); f(r.Fill); f(r.Padding);
}
template <class F> constexpr void VisitImageFields(RectangleParams& r, F&& f) {
  f(r.XMin); f(r.YMin); f(r.XMax); f(r.YMax); f(r.Count);
}
template <class F> constexpr void VisitImageFields(VectorParams& r, F&& f) {
  f(r.LengthMin); f(r.LengthMax); f(r.WeightMin); f(r.WeightMax); f(r.Count); f(r.Fill); f(r.Padding);
}
template <class F> constexpr void VisitImageFields(CircleMixParams& r, F&& f) {
  f(r.MixeMin); f(r.MixeMax); f(r.RadiusMin); f(r.RadiusMax); f(r.Count);
}
template <class F> constexpr void VisitImageFields(TagParams& r, F&& f) { f(r.Count); }
template <class F> constexpr void VisitImageFields(MixRange& r, F&& f) { f(r.From); f(r.To); }
template <class F> constexpr void VisitImageFields(NewPictureParams& r, F&& f) { f(r.X); f(r.Y); f(r.Reserved); }
template <class F> constexpr void VisitImageFields(NoiseParams& r, F&& f) {
  f(r.Monochromatique); f(r.Percent); f(r.Padding); f(r.Germe);
}
template <class F> constexpr void VisitImageFields(ConfigSettings& r, F&& f) {
  f(r.BlendColor); f(r.Connectable); f(r.From); f(r.To); f(r.Padding);
}

}  // namespace tessmark
