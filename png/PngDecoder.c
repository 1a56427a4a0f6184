/* The PNG decoder plug-in: every PNG colour type and bit depth as 8-bit RGB or RGBA, bottom row
   first, in a block of its own that freePngImage releases. */
#include <png.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>

#define PNG_PLUGIN_EXPORT __attribute__((visibility("default")))

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

PNG_PLUGIN_EXPORT unsigned char loadPngImage(const void* data, uint32_t size, int32_t* width, int32_t* height,
                                             unsigned char* alpha, unsigned char** pixels) {
  struct MemoryReader reader;
  png_structp png;
  png_infop info;
  unsigned char* volatile block = NULL;
  png_bytep* volatile rows = NULL;
  png_uint_32 w, h, y;
  size_t channels, stride;

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
    free(block);
    png_destroy_read_struct(&png, &info, NULL);
    return 0;
  }
  png_set_read_fn(png, &reader, ReadFromMemory);
  png_read_info(png, info);
  RequestEightBitRgb(png);
  png_read_update_info(png, info);
  w = png_get_image_width(png, info);
  h = png_get_image_height(png, info);
  channels = png_get_channels(png, info);
  if (w == 0 || h == 0 || (uint64_t)w * h > MAX_PIXELS || (channels != 3 && channels != 4)) png_error(png, "size");
  stride = (size_t)w * channels;
  if (png_get_rowbytes(png, info) != stride) png_error(png, "layout");
  block = AllocateBlock(stride * h);
  rows = malloc(sizeof(png_bytep) * h);
  if (block == NULL || rows == NULL) png_error(png, "memory");
  for (y = 0; y < h; ++y) rows[y] = block + (size_t)(h - 1 - y) * stride;
  png_read_image(png, rows);
  /* What follows the pixels (text, time, the end chunk) is not needed; damage there is ignored. */
  free(rows);
  png_destroy_read_struct(&png, &info, NULL);
  *width = (int32_t)w;
  *height = (int32_t)h;
  *alpha = channels == 4;
  *pixels = block;
  return 1;
}

PNG_PLUGIN_EXPORT void freePngImage(unsigned char* pixels) { free(pixels); }
