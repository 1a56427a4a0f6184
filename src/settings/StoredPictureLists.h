#pragma once

#include <climits>
#include <cstddef>

#include "settings/ByteCursor.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// The longest entry a picture list keeps: the platform's path limit less the terminator. Longer
// entries, which only a hand-made file can bring, are cut to it.
inline constexpr std::size_t PictureFileMaxChars = PATH_MAX - 1;

// The stored list: a 16-bit entry count, then each entry as a 16-bit length and its characters.
// An entry ends at its first zero byte, as it does for every other reader of the path.
void WritePictureList(ByteWriter& out, const PictureFiles& list);

// Reads a list written by WritePictureList. A missing count gives an empty list; the file ending
// inside an entry ends the list before that entry.
PictureFiles ReadPictureList(ByteReader& in);

}  // namespace tessmark
