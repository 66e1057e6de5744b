// tavolex-cli settings on a store in memory.
#include "app/cli/settings_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/commands.h"
#include "game/memory_settings.h"

namespace tavolex::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Settings(MemorySettings& store, const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = RunSettings(arguments, store, "/nonexistent/", out, err);
    return {status, out.str(), err.str()};
}

TEST(SettingsCommand, SetStoresDigitsAsNumbersAndTheRestAsText) {
    MemorySettings store;
    EXPECT_EQ(Settings(store, {"set", "Settings\\Delay", "-150"}).status, kExitOk);
    Settings(store, {"set", "Settings\\Level", "Expert"});
    Settings(store, {"set", "Settings\\Resolution", "12,40,800x600"});
    Settings(store, {"set", "Music\\File", "+5"});
    EXPECT_EQ(store.ReadValue("Settings\\Delay", ""), SettingValue(int64_t{-150}));
    EXPECT_EQ(store.ReadValue("Music\\File", int64_t{0}), SettingValue(std::string("+5")));
    EXPECT_EQ(Settings(store, {"get", "settings\\level"}).out, "Expert\n");
    // A value not stored: the game's default when the key table knows one.
    EXPECT_EQ(Settings(store, {"get", "Settings\\Sound"}).out, "1 (default)\n");
    EXPECT_EQ(Settings(store, {"get", "settings\\card speed"}).out, "10 (default)\n");
    EXPECT_EQ(Settings(store, {"get", "Network\\ProxyUser"}).out, "\"\" (default)\n");
    for (const char* unknown : {"Settings\\Resolution", "Settings\\Nothing"}) {
        MemorySettings empty;
        const CliRun missing = Settings(empty, {"get", unknown});
        EXPECT_EQ(missing.status, kExitFailed);
        EXPECT_EQ(missing.err, std::string("tavolex-cli: no value \"") + unknown + "\"\n");
    }
}

TEST(SettingsCommand, ListsSubkeysThenValuesMigratesAndRefusesBadVerbs) {
    MemorySettings store;
    Settings(store, {"set", "Settings\\Sound", "1"});
    Settings(store, {"set", "Expert\\Name1", "Ann"});
    Settings(store, {"set", "Top", "x"});
    EXPECT_EQ(Settings(store, {"list"}).out, "expert\\\nsettings\\\ntop = x\n");
    EXPECT_EQ(Settings(store, {"list", "Settings"}).out, "Settings\\sound = 1\n");
    EXPECT_EQ(Settings(store, {"migrate"}).out, "settings version 0 is now 50001\n");
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {}, {"get"}, {"set", "A\\B"}, {"remove", "A"}, {"list", "A", "B"}, {"get", ""}}) {
        const CliRun run = Settings(store, bad);
        EXPECT_EQ(run.status, kExitBadInput);
        EXPECT_EQ(run.err,
                  "tavolex-cli: settings takes get PATH, set PATH VALUE, list [SUBKEY] "
                  "or migrate\n");
    }
}

}  // namespace
}  // namespace tavolex::cli
