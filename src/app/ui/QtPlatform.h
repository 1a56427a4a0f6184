#pragma once

#include <QSettings>

#include "app/ui/EscapeWatcher.h"
#include "app/ui/Platform.h"

class QWidget;

namespace tessmark {

// The desktop as Qt gives it; every dialog and message box is owned by the main window, or by the
// dialog that is showing them.
class QtPlatform : public Platform {
 public:
  explicit QtPlatform(QWidget* owner);

  MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons) override;
  std::optional<ColorRef> ChooseColor(ColorRef initial) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<SaveChoice> SaveFile(const FileDialogRequest& request) override;
  QWidget* SetDialogOwner(QWidget* owner) override;
  bool RunParameterDialog(RecordDialogKind dialog, Settings& settings) override;
  bool ShowEscapeInformation() override;
  std::optional<SessionChoice> ChooseSession(const std::vector<SessionListing>& sessions) override;
  void ShowAboutBox(const std::string& text) override;
  void ShowProgramAbout() override;
  void RunBusy(const std::function<void()>& work) override;
  bool EscapePressed() override;
  std::uint32_t CurrentTime() override;
  std::int64_t SteadyMilliseconds() override;
  std::optional<std::uint32_t> ReadSetting(const std::string& name) override;
  void WriteSetting(const std::string& name, std::uint32_t value) override;

 private:
  QWidget* owner_;
  EscapeWatcher escape_;
  QSettings store_;
};

// "*.gccfg|*.gccfg|" (description|pattern| pairs) as a Qt name filter list.
QString QtFileFilter(const std::string& filter);

}  // namespace tessmark
