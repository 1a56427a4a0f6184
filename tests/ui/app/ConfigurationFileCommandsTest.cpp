#include "app/ui/ConfigurationFileCommands.h"

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "app/CommandIds.h"
#include "app/ui/FileCommands.h"
#include "settings/Configuration.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;
using Events = std::vector<std::string>;

struct ConfigurationCommandsTest : test::CommandFixture {
  QTemporaryDir folder;
  std::string Path(const char* name) { return folder.filePath(name).toStdString(); }
  static std::vector<char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(ConfigurationCommandsTest, SaveWritesExactlyTheTypedNameAfterAnOverwritePrompt) {
  desktop.SaveNames = {Path("copy")};
  state.Settings.Circle.Raymin = 3;
  Run(id::SaveConfiguration);
  ASSERT_EQ(desktop.FileRequests.size(), 1u);
  EXPECT_EQ(desktop.FileRequests[0].Filter, "*.gccfg|*.gccfg|");
  EXPECT_TRUE(desktop.FileRequests[0].PromptOverwrite);
  Settings loaded;
  EXPECT_TRUE(LoadConfiguration(Path("copy"), loaded).Loaded);
  EXPECT_EQ(loaded.Circle.Raymin, 3);
  EXPECT_EQ(Bytes(Path("copy")).size(), 186u);
}

TEST_F(ConfigurationCommandsTest, LoadReplacesTheSettings) {
  Settings other;
  other.Vector.Count = 77;
  other.Tag.PictureFiles = {"/p/a.png"};
  ASSERT_TRUE(SaveConfiguration(Path("other.gccfg"), other));
  state.Settings.Tag.PictureFiles = {"/q/b.png", "/q/c.png"};
  desktop.OpenNames = {Path("other.gccfg")};
  Run(id::LoadConfiguration);
  EXPECT_EQ(desktop.FileRequests[0].Filter, "*.gccfg|*.gccfg|");
  EXPECT_EQ(state.Settings.Vector.Count, 77);
  EXPECT_EQ(state.Settings.Tag.PictureFiles, PictureFiles{"/p/a.png"});
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(ConfigurationCommandsTest, LoadOfABadFileSaysWhyAndKeepsTheSettings) {
  std::ofstream(Path("bad.gccfg")) << "not a configuration at all, longer than the magic";
  desktop.OpenNames = {Path("bad.gccfg")};
  state.Settings.Circle.Count = 9;
  Run(id::LoadConfiguration);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Text, "Header invalide " + Path("bad.gccfg"));
  EXPECT_EQ(desktop.Messages[0].Caption, "TessmarkPicture");
  EXPECT_EQ(state.Settings.Circle.Count, 9);
}

TEST_F(ConfigurationCommandsTest, CancelledDialogsDoNothingAndAMissingFileSaysNothing) {
  Run(id::LoadConfiguration);
  Run(id::SaveConfiguration);
  EXPECT_EQ(desktop.Events, (Events{"open", "save"}));
  desktop.OpenNames = {Path("missing.gccfg")};
  Run(id::LoadConfiguration);
  EXPECT_TRUE(desktop.Messages.empty());
}

TEST_F(ConfigurationCommandsTest, ExitWritesTheMainConfigurationEvenWhenNothingChanged) {
  state.ConfigPath = Path("main.gccfg");
  Run(id::Exit);
  EXPECT_EQ(Bytes(Path("main.gccfg")).size(), 186u);
  state.Settings.Noise.Germe = 5;
  LoadMainConfiguration(context);
  EXPECT_EQ(state.Settings.Noise.Germe, 0);
}

}  // namespace
}  // namespace tessmark
