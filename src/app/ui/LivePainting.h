#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "app/ui/CommandContext.h"
#include "view/LiveView.h"

namespace tessmark {

// The Escape poll of one generator run, which also shows the picture growing: the generators ask
// it once before their first shape and after every shape, so it counts the shapes and, when the
// pacer says so, has the window show the picture and the count. It only reads the picture.
class LivePainting {
 public:
  LivePainting(CommandContext& context, OperationKind kind);
  bool EscapePressed();
  // Whether the coming poll shows the picture, by the clock reading that poll then goes by.
  bool PictureWanted();
  // Hears, at every poll, the shapes painted so far and the clock reading.
  std::function<void(std::int64_t shapes, std::int64_t steadyMs)> Progress;

 private:
  CommandContext& context_;
  std::string_view command_;
  LiveViewPacer pacer_;
  std::int64_t polls_ = 0;
  std::optional<std::int64_t> askedAt_;  // the clock reading PictureWanted took for the coming poll
};

}  // namespace tessmark
