#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "picture/Picture.h"

namespace tessmark::test {

// Writes test bitmaps in the layouts other programs produce, independently of the codec under test.
struct BmpLayout {
  int Bits = 24;
  std::uint32_t Compression = 0;  // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields
  bool TopDown = false;
  std::uint32_t HeaderSize = 40;  // 12 (core), 16 ... 64 (OS/2), 40, 108, 124
  std::array<std::uint32_t, 3> Masks{};
  std::vector<Color> Palette{};  // for 1, 4 and 8 bits
  std::uint32_t ColorsUsed = 0;
  std::uint32_t ExtraTableEntries = 0;  // colour table entries a deeper bitmap carries along
};

class BmpWriter {
 public:
  explicit BmpWriter(BmpLayout layout) : l_(std::move(layout)) {}

  // The device-independent bitmap: header, masks, colour table, rows.
  std::vector<std::uint8_t> Dib(const Picture& picture) const {
    std::vector<std::uint8_t> out;
    WriteHeader(out, picture);
    if (l_.Compression == 3 && l_.HeaderSize < 52)
      for (std::uint32_t m : l_.Masks) Put32(out, m);
    WriteTable(out);
    const std::vector<std::uint8_t> rows = l_.Compression == 1 || l_.Compression == 2 ? Rle(picture) : Rows(picture);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
  }

  // The same with a file header in front.
  std::vector<std::uint8_t> File(const Picture& picture) const {
    const std::vector<std::uint8_t> dib = Dib(picture);
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(14 + HeaderAndTableSize()));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
  }

  static void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  static void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
  }

 private:
  BmpLayout l_;

  std::size_t HeaderAndTableSize() const {
    std::size_t n = l_.HeaderSize;
    if (l_.Compression == 3 && l_.HeaderSize < 52) n += 12;
    return n + TableEntries() * (l_.HeaderSize == 12 ? 3 : 4);
  }

  std::size_t TableEntries() const {
    if (l_.Bits > 8) return l_.ExtraTableEntries;
    return l_.ColorsUsed != 0 ? l_.ColorsUsed : (std::size_t{1} << l_.Bits);
  }

  void WriteHeader(std::vector<std::uint8_t>& out, const Picture& p) const {
    if (l_.HeaderSize == 12) {
      Put32(out, 12);
      Put16(out, static_cast<std::uint32_t>(p.Width));
      Put16(out, static_cast<std::uint32_t>(p.Height));
      Put16(out, 1);
      Put16(out, static_cast<std::uint32_t>(l_.Bits));
      return;
    }
    std::vector<std::uint8_t> h;
    Put32(h, l_.HeaderSize);
    Put32(h, static_cast<std::uint32_t>(p.Width));
    Put32(h, static_cast<std::uint32_t>(l_.TopDown ? -p.Height : p.Height));
    Put16(h, 1);
    Put16(h, static_cast<std::uint32_t>(l_.Bits));
    Put32(h, l_.Compression);
    Put32(h, 0);  // image size
    Put32(h, 2835);
    Put32(h, 2835);
    Put32(h, l_.Bits > 8 ? l_.ExtraTableEntries : l_.ColorsUsed);
    Put32(h, 0);
    if (l_.HeaderSize >= 52)
      for (std::uint32_t m : l_.Masks) Put32(h, m);
    h.resize(l_.HeaderSize, 0);
    out.insert(out.end(), h.begin(), h.end());
  }

  void WriteTable(std::vector<std::uint8_t>& out) const {
    for (std::size_t i = 0; i < TableEntries(); ++i) {
      const Color c = i < l_.Palette.size() ? l_.Palette[i] : Color{1, 2, 3};
      out.push_back(c.Blue);
      out.push_back(c.Green);
      out.push_back(c.Red);
      if (l_.HeaderSize != 12) out.push_back(0);
    }
  }

  std::uint8_t IndexOf(const std::uint8_t* rgb) const {
    const Color c{rgb[0], rgb[1], rgb[2]};
    const auto it = std::find(l_.Palette.begin(), l_.Palette.end(), c);
    if (it == l_.Palette.end()) throw std::logic_error("colour not in the palette");
    return static_cast<std::uint8_t>(it - l_.Palette.begin());
  }

  static std::uint32_t Pack(std::uint32_t mask, std::uint8_t v) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0) ++shift;
    const std::uint32_t maximum = mask >> shift;
    return ((v * maximum + 127) / 255) << shift;
  }

  std::vector<std::uint8_t> Rows(const Picture& p) const {
    const std::size_t stride = (std::size_t(l_.Bits) * p.Width + 31) / 32 * 4;
    std::vector<std::uint8_t> rows(stride * p.Height, 0);
    for (int r = 0; r < p.Height; ++r) {
      const std::uint8_t* src = p.Row(l_.TopDown ? r : p.Height - 1 - r);
      std::uint8_t* row = rows.data() + r * stride;
      for (int x = 0; x < p.Width; ++x) {
        const std::uint8_t* s = src + x * 3;
        if (l_.Bits <= 8) {
          const int perByte = 8 / l_.Bits;
          row[x / perByte] |= static_cast<std::uint8_t>(IndexOf(s) << (8 - l_.Bits * (x % perByte + 1)));
        } else if (l_.Bits == 24) {
          row[x * 3] = s[2];
          row[x * 3 + 1] = s[1];
          row[x * 3 + 2] = s[0];
        } else {
          const std::array<std::uint32_t, 3> m =
              l_.Compression == 3 ? l_.Masks
                                  : (l_.Bits == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x3E0, 0x1F}
                                                   : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF});
          const std::uint32_t v = Pack(m[0], s[0]) | Pack(m[1], s[1]) | Pack(m[2], s[2]);
          for (int b = 0; b < l_.Bits / 8; ++b) row[x * (l_.Bits / 8) + b] = static_cast<std::uint8_t>(v >> (8 * b));
        }
      }
    }
    return rows;
  }

  // Runs of equal indices in encoded mode, other stretches of three or more in absolute mode.
  std::vector<std::uint8_t> Rle(const Picture& p) const {
    const bool four = l_.Bits == 4;
    std::vector<std::uint8_t> out;
    for (int r = 0; r < p.Height; ++r) {
      std::vector<std::uint8_t> idx;
      for (int x = 0; x < p.Width; ++x) idx.push_back(IndexOf(p.Row(p.Height - 1 - r) + x * 3));
      std::size_t i = 0;
      while (i < idx.size()) {
        std::size_t run = 1;
        while (i + run < idx.size() && idx[i + run] == idx[i] && run < 255) ++run;
        if (run >= 2) {
          out.push_back(static_cast<std::uint8_t>(run));
          out.push_back(four ? static_cast<std::uint8_t>(idx[i] << 4 | idx[i]) : idx[i]);
          i += run;
          continue;
        }
        std::size_t n = 1;
        while (i + n < idx.size() && n < 254 && !(i + n + 1 < idx.size() && idx[i + n] == idx[i + n + 1])) ++n;
        if (n < 3) {
          out.push_back(1);
          out.push_back(four ? static_cast<std::uint8_t>(idx[i] << 4) : idx[i]);
          ++i;
          continue;
        }
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(n));
        std::vector<std::uint8_t> bytes;
        for (std::size_t k = 0; k < n; ++k) {
          if (!four) bytes.push_back(idx[i + k]);
          else if (k % 2 == 0) bytes.push_back(static_cast<std::uint8_t>(idx[i + k] << 4));
          else bytes.back() |= idx[i + k];
        }
        if (bytes.size() % 2) bytes.push_back(0);
        out.insert(out.end(), bytes.begin(), bytes.end());
        i += n;
      }
      out.push_back(0);
      out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
  }
};

}  // namespace tessmark::test
