#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace tessmark {

// libjpeg's standard error manager whose fatal errors jump back to Recovery instead of ending the
// process. Messages are not printed: core never talks to the user, and warnings do not stop work.
struct JpegErrors {
  jpeg_error_mgr Manager;
  std::jmp_buf Recovery;
};

// Installs the manager into the codec structure; call before any other libjpeg call.
jpeg_error_mgr* InstallJpegErrors(JpegErrors& errors);

// Raises a fatal libjpeg error from a source or destination manager.
[[noreturn]] void FailJpeg(j_common_ptr codec, int messageCode);

}  // namespace tessmark
