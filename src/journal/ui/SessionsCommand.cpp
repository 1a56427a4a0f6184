#include "journal/ui/SessionsCommand.h"

#include <new>
#include <utility>

#include "app/CommandIds.h"
#include "app/CommandMessages.h"
#include "app/ui/LivePainting.h"
#include "journal/JournalFolder.h"
#include "journal/SessionLock.h"
#include "journal/StepReplay.h"

namespace tessmark {
namespace {

UserMessage CannotRestore(const std::string& reason) { return MainMessage("The session cannot be restored: " + reason); }

// Paints the steps with the live view and the status count; false when Escape or a picture file
// that cannot be loaded stopped them, with what to tell.
bool Replay(CommandContext& c, std::span<const OperationStep> steps, std::optional<UserMessage>& message) {
  Workspace& s = c.State;
  bool stopped = false;
  c.Desktop.RunBusy([&] {
    for (const OperationStep& step : steps) {
      LivePainting live(c, step.Kind);
      ReplayHooks hooks{s.CurrentBlendWeight, s.Random, [&] { return stopped |= live.EscapePressed(); },
                        [&live] { return live.PictureWanted(); }, s.ProgramDirectory};
      const OperationOutcome outcome = RunRecordedStep(*s.CurrentPicture, step, hooks);
      if (outcome.Failure) message = outcome.Failure->Message;
      if (stopped || outcome.Failure) return;
    }
  });
  return !stopped && !message;
}

// Like a failed command, the picture from before the restore comes back.
void Restore(CommandContext& c, const JournalEntry& entry, std::size_t steps) {
  Workspace& s = c.State;
  Parsed<Picture> start = EntryStartPicture(entry, s.ProgramDirectory);
  if (!start) return void(c.Desktop.ShowMessage(CannotRestore(start.Error), MessageButtons::Ok));
  Recipe recipe = EntryRecipe(entry, *start.Value, steps);
  if (!c.TakeUndoSnapshot()) return;
  const std::uint8_t weight = std::exchange(s.CurrentBlendWeight, 255);
  s.CurrentPicture = std::move(start.Value);
  c.ResetView();
  c.RebuildDisplay();
  std::optional<UserMessage> message;
  bool done = false;
  try {
    done = Replay(c, std::span(entry.Steps).first(recipe.Steps.size()), message);
  } catch (const std::bad_alloc&) {
    message = OutOfMemoryMessage();
  }
  if (done) {
    s.PictureRecipe = std::move(recipe);
    ++s.Session;
  } else {
    s.CurrentBlendWeight = weight;
    RestoreUndoSnapshot(s);
    c.ResetView();
  }
  if (message) c.Desktop.ShowMessage(*message, MessageButtons::Ok);
  c.RebuildDisplay();
}

void ChooseAndRestore(CommandContext& c) {
  const std::string& folder = c.State.Journal.Folder();
  const std::vector<SessionListing> sessions = ListSessions(folder);
  const std::optional<SessionChoice> choice = c.Desktop.ChooseSession(sessions);
  if (!choice || choice->Session >= sessions.size() || !sessions[choice->Session].Entry) return;
  const SessionListing& chosen = sessions[choice->Session];
  // Held while it runs so that no program prunes it; the open session of this or another program
  // is held already.
  const SessionLock held(EntryPath(folder, chosen.Name, journal_file::Lock));
  Restore(c, *chosen.Entry.Value, choice->Steps);
}

}  // namespace

void RegisterSessionsCommand(CommandTable& table) { table.Add(command_id::Sessions, ChooseAndRestore); }

}  // namespace tessmark
