#include "cli/Help.h"

#include <algorithm>

#include "imageio/PictureFormatWords.h"
#include "recipe/Operation.h"
#include "recipe/OperationTable.h"
#include "recipe/RecipeValues.h"

namespace tessmark::cli {
namespace {

constexpr char Usage[] = R"(Usage: tessmark [--size WxH | --input FILE] [--seed N] [--config FILE.gccfg]
                [--palette FILE.gpal|FILE.gpl] [--connectable | --no-connectable] [--mix FROM-TO]
                [--blend-color RRGGBB|none] [--recolor FILE] [--map NAME=FILE|id[,...]]...
                [--normal NAME=FROM[,...]]... [--threads N] [--no-recipe]
                -o {OUT} OPERATION... [@FILE...]

Paints a picture with the generators of the desktop program, without a window, and writes it to
OUT. With the same seed the picture is the same, pixel for pixel, on every run and every machine.

Options:
  --size WxH            start from a white picture of W x H pixels (at least 4 x 4; default 512x512,
                        or the new-picture size of --config)
  --input FILE          start from a picture file ({READ}) instead
  --seed N              seed operation k (k = 1, 2, ...) with N + k - 1 (N from 0 to 4294967295,
                        modulo 2^32) unless it names its own seed=S; without --seed, N is drawn from
                        the system's random source and, when an operation takes its seed from it,
                        printed as "tessmark: seed N" on stderr, so the run can be repeated
  --config FILE.gccfg   take every setting the operations do not give from this configuration file
                        (one saved by the desktop program); otherwise the defaults are used
  --palette FILE        shape colours come from this palette instead of at random: a palette file of
                        the desktop program (.gpal) or a GIMP palette (.gpl, its first 256 colours)
  --connectable         coordinates wrap around the edges, so the picture tiles seamlessly (default)
  --no-connectable      shapes are cut off at the edges
  --mix FROM-TO         blend every shape with a weight drawn from FROM ... TO percent (default 100-100)
  --blend-color RRGGBB  key colour of the tag operation: stamp pixels of this colour are left out
                        (default FFFFFF); "none" lays every pixel
  --recolor FILE        paint every shape in the colours of this palette (.gpal or .gpl) by the map
                        rule below; the shapes stay where they are
  --map NAME=FILE       also write OUT-NAME.EXT: the same shapes in the colours of palette FILE by the
                        map rule (repeatable, 16 maps at most). Keys after it: start=RRGGBB (its
                        start colour; default: the picture's start), fill=RRGGBB;... (the colours of
                        the fills in turn; default: their own), noise=1 (take the noise filter too)
  --map NAME=id         a colour-ID mask: each palette position (random colours: one of 16) a flat
                        colour of its own at full weight, start and fills black (start=RRGGBB)
  --normal NAME=FROM    a tangent-space normal map of the brightness of map FROM (main: the picture
                        itself), tiling when the run is connectable; strength=S (default 2), y=up
                        (OpenGL, default) or y=down
  --threads N           paint on N threads, 1 to 256, never more than the cores the process may
                        run on (the default); the picture is the same, byte for byte, at every count
  -o, --output OUT      the picture file to write; its extension chooses the format: {WRITTEN}. It is written whole or not at all.
  --no-recipe           a .png carries no recipe; otherwise it carries the options and operations
                        that paint it again when it is given as @FILE, paths from its folder
  -h, --help            show this text
  --version             show the program's name and version
  @FILE                 read more arguments from FILE (a response file, such as a recipe written by
                        the desktop program): words split at blanks outside double quotes, one or
                        more a line, lines starting with # left out; a response file may name
                        others, 8 deep at most. A .png FILE gives the recipe it carries

The options --connectable, --no-connectable, --mix and --blend-color override what --config holds.
An option that changes nothing in the run (each operation gives its own value, or none uses it)
is named in a warning on stderr.

Operations run in the order given, each as NAME or NAME:key=value,key=value... Keys are the names
of the desktop dialogs' fields, in any case; numbers are read as those dialogs read them. A key
changes its setting for the operations that follow as well, except seed= and the keys of fill.
A value holding ',', ';' or blanks is written in double quotes anywhere inside the word, with \"
and \\ inside them for " and \, \n and \r for a newline and a carriage return (any other backslash
stays as it is): tag:count=5,files="/My Pics/a,b.png";/tmp/c.png
(option values such as --input may be quoted the same way).
)";

constexpr char Notes[] = R"(
  seed=S                seed this operation with S instead of N + k - 1
  mix=FROM-TO           as --mix          connectable=0|1   as --connectable / --no-connectable
  colors=RRGGBB;...     the shape colours, in that order ("All Color" off); colors=all: random
  blendcolor=RRGGBB|none  as --blend-color (for tag)

  fill needs color=RRGGBB (red first); full=1 (default) lays the exact colour, full=0 mixes it with
  the blend weight the last shape left, or with weight=W (0 ... 255) when given. files= lists
  picture files separated by ';' (for circlemix and tag; otherwise the lists of --config are used).
  The keys fill, full, connectable and monochromatique take 0 or 1. noise with germe=0 (default)
  takes its operation's seed; another germe is used as it is.

Map rule (--recolor, --map): a shape that took palette position P takes the map's colour P, and
every palette a shape operation paints from must have the map's length; a random colour takes the
map's colour at its first colour draw mod the map's length. Shapes keep their places, sizes and
blend weights. Tags and circle mixes are stamped on colour maps as on the picture and left out of
ID masks. The picture and its maps are written all or none.

A count of 0 (or less) paints until Ctrl+C, which ends the running operation after its current
shape and prints "tessmark: NAME stopped after N shapes" (count=N paints the same again); the
operations after it still run and the picture is written. Another Ctrl+C while the picture is
written ends tessmark at once with status 130 and leaves the output file as it was. While a run
lasts longer than a second, the number of shapes painted so far is shown on the terminal.

Examples:
  tessmark --seed 7 -o tile.png circle:raymin=4,raymax=40,count=3000
      a 512 x 512 tile of discs that repeats without a seam
  tessmark --seed 42 --size 1024x640 --no-connectable --mix 40-70 -o poster.jpg \
      rect:xmax=96,ymax=96,count=300 polygon:count=150,fill=1 noise:percent=4,germe=9
      cut-off shapes, half transparent, finished with a little noise
  tessmark --config ~/.config/Haldrune/TessmarkPicture/main.gccfg --palette warm.gpal \
      -o strokes.bmp vector:count=0
      the desktop program's settings, a palette, strokes until Ctrl+C
  tessmark --seed 5 -o stone.png --map height=h.gpl,start=000000,fill=808080 --normal n=height \
      circle:raymin=8,raymax=32,count=2000,colors=8A7F70;6E665B;A39788
      a colour map with its height map stone-height.png and normal map stone-n.png
  tessmark -o picture.png @recipe.txt
      a picture again from the recipe the desktop program wrote (File > Export > Recipe ...)
)";

// The lists the picture-format table gives the text.
struct FormatList {
  std::string_view Token;
  std::string (*Text)();
};

constexpr FormatList FormatLists[] = {
    {"{OUT}", [] { return WrittenExtensions({.Prefix = "OUT", .Separator = "|", .Last = "|"}); }},
    {"{READ}", [] { return ReadExtensions({.Last = ", "}); }},
    {"{WRITTEN}", [] { return WrittenExtensions({.Notes = true}); }},
};

constexpr std::size_t Width = 100;
constexpr std::size_t DescriptionColumn = 24;

// A line longer than Width breaks at its last blank that fits, going on under the descriptions.
std::string Wrapped(std::string line) {
  std::string text;
  while (line.size() > Width) {
    const std::size_t blank = line.rfind(' ', Width);
    if (blank == std::string::npos || blank <= DescriptionColumn) break;
    text += line.substr(0, blank) + "\n";
    line = std::string(DescriptionColumn, ' ') + line.substr(blank + 1);
  }
  return text + line;
}

// The text with the lists filled in; only a line that gained a list is wrapped again.
std::string WithFormatLists(std::string_view text) {
  std::string result;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string line(text.substr(0, end));
    bool filled = false;
    for (const FormatList& list : FormatLists)
      if (const std::size_t at = line.find(list.Token); at != std::string::npos) {
        line.replace(at, list.Token.size(), list.Text());
        filled = true;
      }
    result += (filled ? Wrapped(std::move(line)) : line) + (end < text.size() ? "\n" : "");
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return result;
}

}  // namespace

std::string HelpText() {
  std::string text = WithFormatLists(Usage);
  text += "\nOperations and their keys:\n";
  for (const OperationRow& row : OperationRows()) {
    text += Concat("  ", row.Name, ": ", OperationKeys(row.Kind), "\n      ", row.Summary, "\n");
  }
  text += Concat("\nEvery operation also takes ", CommonKeys(), ":\n");
  return text + Notes;
}

std::string_view PictureFilesExample() { return "a.png;b.jpg"; }

}  // namespace tessmark::cli
