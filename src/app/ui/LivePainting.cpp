#include "app/ui/LivePainting.h"

namespace tessmark {
namespace {

const char* CommandName(ParameterDialog dialog) {
  switch (dialog) {
    case ParameterDialog::Circle: return "Circle";
    case ParameterDialog::Rectangle: return "Rectangle";
    case ParameterDialog::Polygon: return "Polygon";
    case ParameterDialog::Vector: return "Vector";
    case ParameterDialog::Tag: return "Tag";
    case ParameterDialog::CircleMix: return "Circle Mix";
    case ParameterDialog::Noise: return "Noise";
    default: return "Painting";
  }
}

}  // namespace

LivePainting::LivePainting(CommandContext& context, ParameterDialog command)
    : context_(context), command_(CommandName(command)), pacer_(context.Desktop.SteadyMilliseconds()) {}

bool LivePainting::EscapePressed() {
  const std::int64_t shapes = polls_++;  // the first poll comes before the first shape
  const std::int64_t now = askedAt_ ? *askedAt_ : context_.Desktop.SteadyMilliseconds();
  askedAt_.reset();
  if (pacer_.Due(now)) {
    context_.View.ShowPainting(RunningStatus(command_, shapes));
    pacer_.Shown(now, context_.Desktop.SteadyMilliseconds());
  }
  return context_.Desktop.EscapePressed();
}

bool LivePainting::PictureWanted() {
  askedAt_ = context_.Desktop.SteadyMilliseconds();
  return pacer_.Due(*askedAt_);
}

}  // namespace tessmark
