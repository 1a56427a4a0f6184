#pragma once

#include <gtest/gtest.h>

#include "app/Workspace.h"
#include "app/ui/CommandTable.h"
#include "recipe/OperationTable.h"
#include "ui/support/FakePlatform.h"

namespace tessmark::test {

// Every command registered, run against a scripted desktop and a recording window.
struct CommandFixture : ::testing::Test {
  Workspace state;
  FakePlatform desktop;
  FakeView view{&desktop.Events};
  CommandTable table;
  CommandContext context{state, desktop, view};

  CommandFixture() { RegisterAllCommands(table); }

  static int IdOf(OperationKind kind) { return RowOf(kind).CommandId; }
  void Run(int id) { ASSERT_TRUE(table.Run(id, context)) << "no command " << id; }

  // A white picture of that size through File > New, as a user would make it.
  void MakePicture(std::int32_t width, std::int32_t height);
};

inline void CommandFixture::MakePicture(std::int32_t width, std::int32_t height) {
  desktop.ScriptDialog([=](Settings& s) {
    s.NewPicture.X = width;
    s.NewPicture.Y = height;
    return true;
  });
  Run(32771);
  desktop.Events.clear();
  desktop.Messages.clear();
  view.Rebuilds = view.Layouts = 0;
}

}  // namespace tessmark::test
