#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/FileFilter.h"
#include "app/ui/CommandContext.h"
#include "app/ui/Platform.h"

namespace tessmark::test {

// A scripted desktop: every dialog answer comes from a queue the test fills, and everything the
// commands show or ask is recorded in order. An unscripted dialog answers Cancel / No.
class FakePlatform : public Platform {
 public:
  using DialogScript = std::function<bool(Settings&)>;

  // What the commands did, in order: "message:<text>", "dialog:<n>", "information", "busy", ...
  std::vector<std::string> Events;
  std::vector<UserMessage> Messages;
  std::deque<MessageAnswer> MessageAnswers;
  std::deque<std::optional<ColorRef>> Colors;
  std::deque<std::optional<std::string>> OpenNames;
  std::deque<std::optional<std::string>> SaveNames;
  std::deque<std::string> SavePatterns;  // the filter selected with each name; else the first one
  QWidget* DialogOwner = nullptr;
  std::vector<FileDialogRequest> FileRequests;
  std::deque<DialogScript> Dialogs;
  std::vector<RecordDialogKind> DialogsShown;
  std::deque<bool> InformationAnswers;
  std::deque<std::optional<SessionChoice>> SessionChoices;
  std::vector<std::vector<SessionListing>> SessionsShown;
  std::vector<std::string> AboutTexts;
  int ProgramAboutCount = 0;
  std::deque<bool> EscapeAnswers;  // then false
  int EscapePolls = 0;
  std::uint32_t Time = 1000;
  std::int64_t Clock = 0;
  std::int64_t ClockStep = 0;
  std::function<void()> OnTimeRead;
  std::map<std::string, std::uint32_t> Store;
  bool InsideBusy = false;
  int MessagesWhileBusy = 0;  // a real box could not be answered then: input is swallowed

  // The dialog's script: change the settings as typing would, answer OK (true) or Cancel.
  void ScriptDialog(DialogScript script) { Dialogs.push_back(std::move(script)); }
  void ScriptOk() { ScriptDialog([](Settings&) { return true; }); }

  MessageAnswer ShowMessage(const UserMessage& message, MessageButtons buttons) override {
    Events.push_back("message:" + message.Text);
    Messages.push_back(message);
    if (InsideBusy) ++MessagesWhileBusy;
    if (!MessageAnswers.empty()) return Pop(MessageAnswers);
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
  std::optional<ColorRef> ChooseColor(ColorRef) override {
    Events.push_back("color");
    return Colors.empty() ? std::nullopt : Pop(Colors);
  }
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override {
    Events.push_back("open");
    FileRequests.push_back(request);
    return OpenNames.empty() ? std::nullopt : Pop(OpenNames);
  }
  std::optional<SaveChoice> SaveFile(const FileDialogRequest& request) override {
    Events.push_back("save");
    FileRequests.push_back(request);
    if (SaveNames.empty()) return std::nullopt;
    const std::optional<std::string> name = Pop(SaveNames);
    if (!name) return std::nullopt;
    const std::vector<FileFilterEntry> filters = ParseFileFilter(request.Filter);
    std::string pattern = filters.empty() ? std::string() : filters.front().Pattern;
    if (!SavePatterns.empty()) pattern = Pop(SavePatterns);
    return SaveChoice{*name, pattern};
  }
  QWidget* SetDialogOwner(QWidget* owner) override { return std::exchange(DialogOwner, owner); }
  bool RunParameterDialog(RecordDialogKind dialog, Settings& settings) override {
    Events.push_back("dialog");
    DialogsShown.push_back(dialog);
    if (Dialogs.empty()) return false;
    // The real dialogs change nothing on Cancel; a script that cancels must not either.
    Settings edited = settings;
    const bool ok = Pop(Dialogs)(edited);
    if (ok) settings = std::move(edited);
    return ok;
  }
  bool ShowEscapeInformation() override {
    Events.push_back("information");
    return InformationAnswers.empty() ? false : Pop(InformationAnswers);
  }
  std::optional<SessionChoice> ChooseSession(const std::vector<SessionListing>& sessions) override {
    Events.push_back("sessions");
    SessionsShown.push_back(sessions);
    return SessionChoices.empty() ? std::nullopt : Pop(SessionChoices);
  }
  void ShowAboutBox(const std::string& text) override {
    Events.push_back("about");
    AboutTexts.push_back(text);
  }
  void ShowProgramAbout() override {
    Events.push_back("program-about");
    ++ProgramAboutCount;
  }
  void RunBusy(const std::function<void()>& work) override {
    Events.push_back("busy");
    InsideBusy = true;
    work();
    InsideBusy = false;
  }
  bool EscapePressed() override {
    ++EscapePolls;
    return EscapeAnswers.empty() ? false : Pop(EscapeAnswers);
  }
  std::uint32_t CurrentTime() override {
    if (OnTimeRead) OnTimeRead();
    return Time;
  }
  // Each reading moves the clock on by ClockStep.
  std::int64_t SteadyMilliseconds() override { return Clock += ClockStep; }
  std::optional<std::uint32_t> ReadSetting(const std::string& name) override {
    const auto found = Store.find(name);
    if (found == Store.end()) return std::nullopt;
    return found->second;
  }
  void WriteSetting(const std::string& name, std::uint32_t value) override { Store[name] = value; }

 private:
  template <class T> static T Pop(std::deque<T>& queue) {
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

// A window stand-in that records what the commands asked of it.
class FakeView : public MainView {
 public:
  explicit FakeView(std::vector<std::string>* events = nullptr) : events_(events) {}

  int Rebuilds = 0;
  int Layouts = 0;
  bool Ended = false;
  WindowPlacement Where{10, 20, 650, 500};
  std::vector<std::string> Painting;  // the status of each live showing

  void RebuildDisplay() override {
    ++Rebuilds;
    Note("rebuild");
  }
  void LayoutScrollBars() override {
    ++Layouts;
    Note("layout");
  }
  void ShowPainting(const std::string& status) override { Painting.push_back(status); }
  WindowPlacement Placement() const override { return Where; }
  void EndProgram() override {
    Ended = true;
    Note("end");
  }

 private:
  void Note(const char* what) {
    if (events_) events_->push_back(what);
  }
  std::vector<std::string>* events_;
};

}  // namespace tessmark::test
