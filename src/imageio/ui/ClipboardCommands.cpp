#include "imageio/ui/ClipboardCommands.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/DisplayBitmap.h"
#include "imageio/ClipboardDib.h"
#include "imageio/ClipboardPart.h"
#include "imageio/ui/ClipboardTransport.h"
#include "imageio/ui/ExportChecks.h"

namespace tessmark {
namespace {

void PutOnClipboard(CommandContext& c, const std::optional<Bitmap32>& bitmap) {
  if (!bitmap || !PutClipboardBitmap(*bitmap)) c.Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok);
}

void ExportClipboardPicture(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  PutOnClipboard(c, BuildDisplayBitmap(*c.State.CurrentPicture, c.State.Zoom, c.State.Connectable()));
}

void ExportPart(CommandContext& c) {
  PutOnClipboard(c, BuildPartExportBitmap(*c.State.CurrentPicture, c.State.Connectable()));
}

void ExportClipboardPart(CommandContext& c) {
  if (CheckPictureToExport(c)) ExportPart(c);
}

// The clipboard's picture once its bit count is accepted; nothing, after telling the user what
// there is to tell, otherwise.
std::optional<Picture> ReadClipboardPicture(CommandContext& c) {
  ClipboardDibRead read = GetClipboardDib(c.State.ProgramDirectory);
  if (read.Message) c.Desktop.ShowMessage(*read.Message, MessageButtons::Ok);
  if (!read.Dib) return std::nullopt;
  ClipboardPicture parsed = ParseClipboardDib(*read.Dib, c.State.Memory);
  switch (parsed.Status) {
    case ClipboardDibStatus::Ok: return std::move(parsed.Image);
    case ClipboardDibStatus::UnsupportedBitCount:
      c.Desktop.ShowMessage(MainMessage("The clipboard should be have format 24 or 32 bpp"), MessageButtons::Ok);
      break;
    case ClipboardDibStatus::Malformed:
      c.Desktop.ShowMessage(MainMessage("The clipboard picture is damaged and cannot be read"), MessageButtons::Ok);
      break;
    case ClipboardDibStatus::OutOfMemory: c.Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok); break;
  }
  return std::nullopt;
}

void ImportClipboardPicture(CommandContext& c) {
  std::optional<Picture> image = ReadClipboardPicture(c);
  if (image && c.CheckPictureSize(image->Width, image->Height)) {
    StartTakenInPicture(c.State, std::move(*image));
    c.ResetView();
  }
  c.RebuildDisplay();
}

void ImportPicturePart(CommandContext& c, const Picture& image) {
  const PictureSize checked = PartImportCheckedSize(image.Width, image.Height);
  if (!c.CheckPictureSize(checked.Width, checked.Height)) return;
  std::optional<Picture> part = CropPartImport(image, c.State.Memory);
  if (!part) {
    c.Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok);
    return;
  }
  StartTakenInPicture(c.State, std::move(*part));
}

void ImportClipboardPart(CommandContext& c) {
  if (const std::optional<Picture> image = ReadClipboardPicture(c)) {
    ImportPicturePart(c, *image);
    c.ResetView();
  }
  c.RebuildDisplay();
}

// The clipboard stays free while the user works on the part in the other program.
void ClipboardFilter(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  ExportPart(c);
  for (const char* step : {"You pasted picture from clipboard to another picture utility (Ex photoshop,gimg)",
                           "You work picture since another picture utility",
                           "You copy picture to clipboard (Copy menu)"})
    c.Desktop.ShowMessage({step, "vornade", MessageIcon::Information}, MessageButtons::Ok);
  ImportClipboardPart(c);
}

}  // namespace

void RegisterClipboardCommands(CommandTable& table) {
  table.Add(command_id::ImportClipboard, ImportClipboardPicture);
  table.Add(command_id::ExportClipboard, ExportClipboardPicture);
  table.Add(command_id::PartImport, ImportClipboardPart);
  table.Add(command_id::PartExport, ExportClipboardPart);
  table.Add(command_id::PartFilter, ClipboardFilter);
}

}  // namespace tessmark
