#include "cli/Interrupt.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "files/AtomicFile.h"
#include "support/TempFolder.h"

namespace tessmark::cli {
namespace {

// The first Ctrl+C stops the painting; the second comes while the output is being written.
void StopThenInterruptTheWrite(const std::string& path) {
  CatchInterrupts();
  std::raise(SIGINT);
  TakeInterrupt();
  const std::vector<std::uint8_t> half(1 << 20, 9);
  WriteFileAtomically(
      path,
      [&](FileSink& sink) {
        sink.Write(half);
        sink.Flush();
        std::raise(SIGINT);
        sink.Write(half);
        return true;
      },
      {.TemporaryNamed = WritingTemporary});
  std::exit(0);
}

TEST(InterruptTest, ASecondCtrlCWhileTheOutputIsWrittenEndsAtOnceLeavingNothing) {
  test::TempFolder folder;
  EXPECT_EXIT(StopThenInterruptTheWrite(folder.File("out.bmp")), ::testing::ExitedWithCode(130), "");
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path));
}

}  // namespace
}  // namespace tessmark::cli
