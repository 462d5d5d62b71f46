#include <gtest/gtest.h>

#include "app/Settings.h"
#include "platform/MemoryRegistry.h"
#include "support/RefusingRegistry.h"
#include "support/ScriptedDialogs.h"

namespace mapsetdesk {
namespace {

using testing::RefusingRegistry;
using testing::ScriptedDialogs;

void storeRaw(Registry& registry, const std::string& name, const std::string& bytes) {
  registry.setValue(Root::CurrentUser, "Software\\ZORVAN", RegValue{name, kRegSz, bytes});
}

TEST(Settings, AbsentValuesReadEmpty) {
  MemoryRegistry registry;
  const Settings settings(registry);
  EXPECT_EQ(settings.language(), "");
  EXPECT_EQ(settings.wow64(), "");
  EXPECT_FALSE(settings.wwoww());
  EXPECT_EQ(settings.dir(), "");
  EXPECT_EQ(settings.lastDir(), "");
  EXPECT_EQ(settings.cgps(), "");
  EXPECT_FALSE(registryBaseFor(settings.wow64()));
  // Reading creates nothing.
  EXPECT_FALSE(registry.canOpen(Root::CurrentUser, "Software\\ZORVAN"));
}

TEST(Settings, HistoryLimitsFallBackToTheirDefaultsUnlessAWholeNumberWithinReason) {
  MemoryRegistry registry;
  const Settings settings(registry);
  EXPECT_EQ(settings.history().days, 30);
  EXPECT_EQ(settings.history().megabytes, 2048u);
  storeRaw(registry, "HistoryDays", " 7 ");
  storeRaw(registry, "HistoryMB", "512");
  EXPECT_EQ(settings.history().days, 7);
  EXPECT_EQ(settings.history().megabytes, 512u);
  for (const char* wrong : {"0", "-3", "3x", "99999999999999999999", "36501"}) {
    storeRaw(registry, "HistoryDays", wrong);
    EXPECT_EQ(settings.history().days, 30) << wrong;
  }
  storeRaw(registry, "HistoryMB", "1048577");
  EXPECT_EQ(settings.history().megabytes, 2048u);
}

TEST(Settings, LiveAsTextValuesOfTheUsersZorvanKey) {
  MemoryRegistry registry;
  Settings settings(registry);
  settings.storeDir("C:\\Karten\\Süd");
  settings.storeLastDir("D:\\Tiles");
  settings.storeWow64(false);

  const auto dir = registry.queryValue(Root::CurrentUser, "Software\\ZORVAN", "Dir");
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->type, kRegSz);
  // Windows-1252, with the NUL Windows adds.
  EXPECT_EQ(dir->data, std::string("C:\\Karten\\S") + '\xFC' + "d" + '\0');
  EXPECT_EQ(settings.dir(), "C:\\Karten\\Süd");
  EXPECT_EQ(settings.lastDir(), "D:\\Tiles");
  EXPECT_EQ(registry.queryValue(Root::CurrentUser, "Software\\ZORVAN", "Wow64")->data, std::string("falsch\0", 7));
  EXPECT_FALSE(registry.canOpen(Root::LocalMachine, "Software\\ZORVAN"));
}

TEST(Settings, Wow64FixesTheRegistryBase) {
  MemoryRegistry registry;
  Settings settings(registry);
  settings.storeWow64(true);
  EXPECT_EQ(settings.wow64(), "wahr");
  EXPECT_TRUE(settings.wwoww());
  EXPECT_EQ(registryBaseFor(settings.wow64()), "SOFTWARE\\Wow6432Node");

  settings.storeWow64(false);
  EXPECT_EQ(settings.wow64(), "falsch");
  EXPECT_FALSE(settings.wwoww());
  EXPECT_EQ(registryBaseFor(settings.wow64()), "SOFTWARE");

  // Anything else leaves the base unsettled, so the start-up asks again.
  EXPECT_FALSE(registryBaseFor(""));
  EXPECT_FALSE(registryBaseFor("Wahr"));
  EXPECT_FALSE(registryBaseFor("true"));
}

TEST(Settings, VersionIsKeptWithoutSurroundingBlanks) {
  MemoryRegistry registry;
  const Settings settings(registry);
  storeRaw(registry, "Version", "  80-33-1  ");
  EXPECT_EQ(settings.cgps(), "80-33-1");
  // Blanks before a NUL survive the registry read; cgps still drops them.
  storeRaw(registry, "Version", std::string(" 80-33-1 \0old", 13));
  EXPECT_EQ(settings.cgps(), "80-33-1");
}

TEST(Settings, CheckedDirWriteIsSilentWhenItReadsBack) {
  MemoryRegistry registry;
  ScriptedDialogs dialogs;
  Settings settings(registry);
  EXPECT_TRUE(settings.storeDirChecked("C:\\Karten", dialogs, "Fehler29 text"));
  EXPECT_EQ(settings.dir(), "C:\\Karten");
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST(Settings, RefusedDirWriteShowsTheRegistryWriteMessage) {
  MemoryRegistry memory;
  storeRaw(memory, "Dir", "C:\\Alt");
  RefusingRegistry registry(memory);
  registry.refuseWrites();
  ScriptedDialogs dialogs;
  Settings settings(registry);
  EXPECT_FALSE(settings.storeDirChecked("C:\\Neu", dialogs, "Fehler29 text"));
  EXPECT_EQ(settings.dir(), "C:\\Alt");
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "Fehler29 text");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
  EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace mapsetdesk
