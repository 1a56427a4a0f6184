/* The PNG decoder plug-in: every PNG colour type and bit depth as 8-bit RGB or RGBA, bottom row
   first, in a block of its own that freePngImage releases; or, through loadPngRgbaRows, as 8-bit
   RGBA straight into rows the caller owns, which spares a big picture a second copy. */
#include <png.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>

#define PNG_PLUGIN_EXPORT __attribute__((visibility("default")))

/* Where row y (from the top) of a width x height RGBA picture goes. Asked first with y = -1 to make
   room for the picture; NULL refuses (no memory). */
typedef unsigned char* (*PngRgbaRowAt)(void* context, int32_t width, int32_t height, int32_t y);

/* Larger claims are hostile or beyond any use for the program. */
#define MAX_PIXELS ((uint64_t)1 << 28)

struct MemoryReader {
  const unsigned char* data;
  size_t size;
  size_t at;
};

static void ReadFromMemory(png_structp png, png_bytep out, png_size_t n) {
  struct MemoryReader* reader = png_get_io_ptr(png);
  if (n > reader->size - reader->at) png_error(png, "file ends early");
  memcpy(out, reader->data + reader->at, n);
  reader->at += n;
}

static void Fail(png_structp png, png_const_charp message) {
  (void)message;
  png_longjmp(png, 1);
}

static void IgnoreWarning(png_structp png, png_const_charp message) {
  (void)png;
  (void)message;
}

/* Everything to 8 bits per channel, grey to RGB, palettes to RGB, transparency chunks to alpha,
   interlaced passes combined. */
static void RequestEightBitRgb(png_structp png) {
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
}

/* Big blocks are aligned to 2 MiB and marked for huge pages: touching a fresh block a 4 KiB page at
   a time can cost as much as decoding into it. free() releases either kind. */
static unsigned char* AllocateBlock(size_t bytes) {
  const size_t hugePage = (size_t)1 << 21;
  void* block = NULL;
  if (bytes < hugePage) return malloc(bytes);
  if (posix_memalign(&block, hugePage, (bytes + hugePage - 1) / hugePage * hugePage) != 0) return NULL;
  madvise(block, bytes, MADV_HUGEPAGE);
  return block;
}

/* Gives the rows of a w x h picture of the given channels their places in rows[0..h-1], top row
   first; zero when there is no room. */
typedef int (*RowPlacer)(void* context, png_uint_32 w, png_uint_32 h, size_t channels, png_bytep* rows);

/* The decoding both entry points share; rgba adds an opaque alpha byte where the file has none. */
static int Decode(const void* data, uint32_t size, int rgba, RowPlacer place, void* context, png_uint_32* width,
                  png_uint_32* height, size_t* channelCount) {
  struct MemoryReader reader;
  png_structp png;
  png_infop info;
  png_bytep* volatile rows = NULL;
  png_uint_32 w, h;
  size_t channels;

  if (data == NULL || size < 8 || png_sig_cmp((png_const_bytep)data, 0, 8) != 0) return 0;
  reader.data = data;
  reader.size = size;
  reader.at = 0;
  png = png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, Fail, IgnoreWarning);
  if (png == NULL) return 0;
  info = png_create_info_struct(png);
  if (info == NULL) {
    png_destroy_read_struct(&png, NULL, NULL);
    return 0;
  }
  if (setjmp(png_jmpbuf(png))) {
    free(rows);
    png_destroy_read_struct(&png, &info, NULL);
    return 0;
  }
  png_set_read_fn(png, &reader, ReadFromMemory);
  png_read_info(png, info);
  RequestEightBitRgb(png);
  if (rgba) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  w = png_get_image_width(png, info);
  h = png_get_image_height(png, info);
  channels = png_get_channels(png, info);
  if (w == 0 || h == 0 || (uint64_t)w * h > MAX_PIXELS || (channels != 3 && channels != 4)) png_error(png, "size");
  if (png_get_rowbytes(png, info) != (size_t)w * channels) png_error(png, "layout");
  rows = malloc(sizeof(png_bytep) * h);
  if (rows == NULL || !place(context, w, h, channels, rows)) png_error(png, "memory");
  png_read_image(png, rows);
  /* What follows the pixels (text, time, the end chunk) is not needed; damage there is ignored. */
  free(rows);
  png_destroy_read_struct(&png, &info, NULL);
  *width = w;
  *height = h;
  *channelCount = channels;
  return 1;
}

/* One block of the plug-in's own, bottom row first. */
static int PlaceInOwnBlock(void* context, png_uint_32 w, png_uint_32 h, size_t channels, png_bytep* rows) {
  unsigned char** block = context;
  const size_t stride = (size_t)w * channels;
  png_uint_32 y;
  *block = AllocateBlock(stride * h);
  if (*block == NULL) return 0;
  for (y = 0; y < h; ++y) rows[y] = *block + (size_t)(h - 1 - y) * stride;
  return 1;
}

PNG_PLUGIN_EXPORT unsigned char loadPngImage(const void* data, uint32_t size, int32_t* width, int32_t* height,
                                             unsigned char* alpha, unsigned char** pixels) {
  unsigned char* block = NULL;
  png_uint_32 w, h;
  size_t channels;
  if (!Decode(data, size, 0, PlaceInOwnBlock, &block, &w, &h, &channels)) {
    free(block);
    return 0;
  }
  *width = (int32_t)w;
  *height = (int32_t)h;
  *alpha = channels == 4;
  *pixels = block;
  return 1;
}

struct CallerRows {
  void* context;
  PngRgbaRowAt rowAt;
};

static int PlaceInCallerRows(void* context, png_uint_32 w, png_uint_32 h, size_t channels, png_bytep* rows) {
  const struct CallerRows* caller = context;
  png_uint_32 y;
  (void)channels;
  if (caller->rowAt(caller->context, (int32_t)w, (int32_t)h, -1) == NULL) return 0;
  for (y = 0; y < h; ++y)
    if ((rows[y] = caller->rowAt(caller->context, (int32_t)w, (int32_t)h, (int32_t)y)) == NULL) return 0;
  return 1;
}

PNG_PLUGIN_EXPORT unsigned char loadPngRgbaRows(const void* data, uint32_t size, void* context, PngRgbaRowAt rowAt) {
  struct CallerRows caller;
  png_uint_32 w, h;
  size_t channels;
  if (rowAt == NULL) return 0;
  caller.context = context;
  caller.rowAt = rowAt;
  return (unsigned char)Decode(data, size, 1, PlaceInCallerRows, &caller, &w, &h, &channels);
}

PNG_PLUGIN_EXPORT void freePngImage(unsigned char* pixels) { free(pixels); }
