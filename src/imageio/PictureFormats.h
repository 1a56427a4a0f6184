#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "imageio/ByteSink.h"
#include "imageio/PictureFailure.h"
#include "imageio/PictureRows.h"
#include "picture/Picture.h"

namespace tessmark {

enum class PictureFormatId { Bmp, Png, Jpeg };

// Decodes a whole file into rows; the PNG reader finds its plug-in in programDirectory and names
// path in its message.
using PictureReader = PictureFailure (*)(std::span<const std::uint8_t> file, const std::string& path,
                                         const std::string& programDirectory, PictureRows& rows);
// Encodes the picture into out as it goes; false when the encoder fails.
using PictureWriter = bool (*)(const Picture& picture, const ByteSink& out);
// The same, carrying the recipe text inside the file.
using RecipeWriter = bool (*)(const Picture& picture, const ByteSink& out, std::string_view recipe);

// One picture file format: everything the loaders, writers, dialogs and texts know of it.
struct PictureFormat {
  PictureFormatId Id;
  // Lower case without the dot, matched in any letter case; the first is the one written files get.
  std::span<const std::string_view> Extensions;
  PictureReader Read;     // nullptr: not read
  PictureWriter Write;    // nullptr: not written
  RecipeWriter WriteWithRecipe;  // nullptr: the file cannot carry its recipe
  int WrittenPlace;       // its place in texts listing the formats written (1 first)
  std::string_view Note;  // what texts listing the formats written say of it
  // The desktop export's message when writing fails; empty: "Cannot write" with the reason.
  std::string_view ExportFailure;
};

std::span<const PictureFormat> PictureFormats();

const PictureFormat& FindPictureFormat(PictureFormatId id);

// The format the extension of the path's file name names (from its last dot, any letter case), or
// nullptr.
const PictureFormat* PictureFormatOfName(std::string_view path);

}  // namespace tessmark
