#include "imageio/JpegErrors.h"

#include <cstdlib>

namespace tessmark {
namespace {

[[noreturn]] void JumpToRecovery(j_common_ptr codec) {
  // Manager is the first member, so the error pointer is the whole JpegErrors.
  std::longjmp(reinterpret_cast<JpegErrors*>(codec->err)->Recovery, 1);
}

void PrintNothing(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrors(JpegErrors& errors) {
  jpeg_error_mgr* manager = jpeg_std_error(&errors.Manager);
  manager->error_exit = JumpToRecovery;
  manager->output_message = PrintNothing;
  return manager;
}

void FailJpeg(j_common_ptr codec, int messageCode) {
  codec->err->msg_code = messageCode;
  codec->err->error_exit(codec);
  std::abort();  // error_exit never returns
}

}  // namespace tessmark
