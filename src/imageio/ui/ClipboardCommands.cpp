#include "imageio/ui/ClipboardCommands.h"

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "imageio/ClipboardDib.h"
#include "imageio/ClipboardPart.h"
#include "imageio/ui/ClipboardTransport.h"
#include "imageio/ui/ExportChecks.h"
#include "view/DisplayBitmap.h"

namespace tessmark {
namespace {

// The bitmap of that size, when it could not be built or handed over: beyond 32-bit sizes it
// cannot exist at all, otherwise memory ran out.
void PutOnClipboard(CommandContext& c, const std::optional<Bitmap32>& bitmap, PictureSize size) {
  if (bitmap && PutClipboardBitmap(*bitmap)) return;
  const char* why = Bitmap32SizeFits(size.Width, size.Height) ? "there is not enough memory"
                                                               : "it is larger than a clipboard bitmap can be (4 GiB)";
  c.Desktop.ShowMessage(MainMessage(std::string("The picture could not be put on the clipboard: ") + why + "."),
                        MessageButtons::Ok);
}

// The window's own bitmap, not a new one: a change of connectable mode shows only at the next
// rebuild, and the export is what the window shows. Built afresh only when the window has none.
void ExportClipboardPicture(CommandContext& c) {
  if (!CheckPictureToExport(c)) return;
  const Picture& picture = *c.State.CurrentPicture;
  const PictureSize size{DisplayWidth(picture.Width), picture.Height};
  if (c.State.DisplayBitmap) PutOnClipboard(c, c.State.DisplayBitmap, size);
  else PutOnClipboard(c, BuildDisplayBitmap(picture, c.State.View.Zoom, c.State.Connectable()), size);
}

void ExportPart(CommandContext& c) {
  const Picture& picture = *c.State.CurrentPicture;
  PutOnClipboard(c, BuildPartExportBitmap(picture, c.State.Connectable()), PartExportSize(picture));
}

void ExportClipboardPart(CommandContext& c) {
  if (CheckPictureToExport(c)) ExportPart(c);
}

// The clipboard's picture once its bit count is accepted (without pixels when its stated size has
// none, which the size check then refuses); nothing, after telling the user what there is to tell,
// otherwise.
std::optional<ClipboardPicture> ReadClipboardPicture(CommandContext& c) {
  ClipboardDibRead read = GetClipboardDib(c.State.ProgramDirectory);
  if (read.Message) c.Desktop.ShowMessage(*read.Message, MessageButtons::Ok);
  if (!read.Dib) return std::nullopt;
  ClipboardPicture parsed = ParseClipboardDib(*read.Dib, c.State.Memory);
  switch (parsed.Status) {
    case ClipboardDibStatus::Ok:
    case ClipboardDibStatus::NoPixels: return parsed;
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
  std::optional<ClipboardPicture> read = ReadClipboardPicture(c);
  if (read && c.CheckPictureSize(read->Size.Width, read->Size.Height)) {
    StartTakenInPicture(c.State, std::move(*read->Image));
    c.ResetView();
  }
  c.RebuildDisplay();
}

void ImportPicturePart(CommandContext& c, const ClipboardPicture& read) {
  const PictureSize checked = PartImportCheckedSize(read.Size.Width, read.Size.Height);
  if (!c.CheckPictureSize(checked.Width, checked.Height)) return;
  std::optional<Picture> part = CropPartImport(*read.Image, c.State.Memory);
  if (!part) {
    c.Desktop.ShowMessage(OutOfMemoryMessage(), MessageButtons::Ok);
    return;
  }
  StartTakenInPicture(c.State, std::move(*part));
}

void ImportClipboardPart(CommandContext& c) {
  if (const std::optional<ClipboardPicture> read = ReadClipboardPicture(c)) {
    ImportPicturePart(c, *read);
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
