#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "base/UserMessage.h"
#include "journal/SessionListing.h"
#include "picture/Color.h"
#include "recipe/OperationStep.h"
#include "settings/ParameterRecords.h"

class QWidget;

namespace tessmark {

enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A file dialog filter as the menus give it: "*.gccfg|*.gccfg|" (description|pattern| pairs).
struct FileDialogRequest {
  std::string Filter;
  bool PromptOverwrite = false;  // save dialogs only
};

// What a save dialog gave: the name as chosen and the pattern of the filter selected in it.
struct SaveChoice {
  std::string Path;
  std::string Pattern;
};

// The dialogs that edit a record of the settings without running an operation.
enum class SettingsDialog { NewPicture, MixRange };
// The dialog of an operation's record, or one of the others.
using RecordDialogKind = std::variant<OperationKind, SettingsDialog>;

// Everything the commands need from the desktop, so that their logic runs in tests against a
// scripted fake and in the program against Qt.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons) = 0;
  virtual std::optional<ColorRef> ChooseColor(ColorRef initial) = 0;
  virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<SaveChoice> SaveFile(const FileDialogRequest& request) = 0;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) {
    std::optional<SaveChoice> chosen = SaveFile(request);
    if (!chosen) return std::nullopt;
    return std::move(chosen->Path);
  }
  // Boxes and dialogs shown from now on are owned by owner and centred over it; returns the owner
  // they had.
  virtual QWidget* SetDialogOwner(QWidget* owner) = 0;

  // Shows the dialog over the settings. True on OK, the record then holding what was typed;
  // false on Cancel, the record untouched.
  virtual bool RunParameterDialog(RecordDialogKind dialog, Settings& settings) = 0;
  // "Information !": whether "Don't show this information !" was ticked when it closed with OK.
  virtual bool ShowEscapeInformation() = 0;
  // The Sessions window over the kept sessions (newest first): the session and step chosen.
  virtual std::optional<SessionChoice> ChooseSession(const std::vector<SessionListing>& sessions) = 0;
  virtual void ShowAboutBox(const std::string& text) = 0;
  virtual void ShowProgramAbout() = 0;

  // Runs a generator: a wait cursor shows, input other than Escape is ignored, and EscapePressed
  // reports Escape presses made meanwhile.
  virtual void RunBusy(const std::function<void()>& work) = 0;
  // True when Escape was pressed since the previous poll; keeps the window alive meanwhile.
  virtual bool EscapePressed() = 0;
  // Seconds since 1970, the default seed of the generators.
  virtual std::uint32_t CurrentTime() = 0;
  // A monotonic clock in milliseconds, for pacing the live view of a run.
  virtual std::int64_t SteadyMilliseconds() = 0;

  // The settings store standing for "Software\Haldrune\TessmarkPicture": 32-bit values.
  virtual std::optional<std::uint32_t> ReadSetting(const std::string& name) = 0;
  virtual void WriteSetting(const std::string& name, std::uint32_t value) = 0;
};

// A dialog that owns the boxes and dialogs shown while it lives.
class DialogOwnerScope {
 public:
  DialogOwnerScope(Platform& desktop, QWidget* owner) : desktop_(desktop), before_(desktop.SetDialogOwner(owner)) {}
  ~DialogOwnerScope() { desktop_.SetDialogOwner(before_); }
  DialogOwnerScope(const DialogOwnerScope&) = delete;
  DialogOwnerScope& operator=(const DialogOwnerScope&) = delete;

 private:
  Platform& desktop_;
  QWidget* before_;
};

}  // namespace tessmark
