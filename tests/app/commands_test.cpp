// tavolex-cli's commands: reading the command line and its one-line refusals, settings on a store
// in memory, and deal, show and play run as the command line runs them.
#include "app/cli/commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "app/cli/arguments.h"
#include "app/cli/settings_command.h"
#include "app/cli/state_json.h"
#include "game/memory_settings.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex::cli {
namespace {

TEST(Arguments, EachCommandTakesItsOptionsAndActionsInAnyOrder) {
    const ParsedArguments play =
        ParseArguments({"play", "game.tvx", "draw", "--level", "Expert", "meld:heartb", "--seed",
                        "9", "wild:10", "--set", "Settings\\Three Block=1", "key:Ctrl+F11"});
    ASSERT_TRUE(play.options) << play.error;
    EXPECT_EQ(play.options->file, "game.tvx");
    EXPECT_EQ(play.options->level, kExpert);
    EXPECT_EQ(play.options->seed, 9u);
    ASSERT_EQ(play.options->actions.size(), 4u);
    EXPECT_EQ(play.options->actions[1].cardId, CardIdFromName("heartb"));
    EXPECT_EQ(play.options->actions[2].column, 9);  // the tens
    EXPECT_TRUE(play.options->actions[3].ctrl);

    const ParsedArguments netplay = ParseArguments(
        {"netplay", "--server", "127.0.0.1:4444", "--nick", "ann", "--accept", "--matches", "3",
         "--seed", "4", "--policy", "expert", "--match-hands", "2"});
    ASSERT_TRUE(netplay.options) << netplay.error;
    EXPECT_EQ(netplay.options->server.port, 4444);
    EXPECT_TRUE(netplay.options->accept);
    EXPECT_EQ(netplay.options->policyLevel, kExpert);
    EXPECT_EQ(netplay.options->matchHands, 2);

    // Rules and settings are repeated in the command line's own form.
    const ParsedArguments monkey =
        ParseArguments({"monkey", "--opponent", "expert", "--hands", "5", "--seed", "3", "--set",
                        "Settings\\Three Block=1", "--standard-rules", "--progress"});
    ASSERT_TRUE(monkey.options) << monkey.error;
    EXPECT_EQ(monkey.options->opponentLevel, kExpert);
    EXPECT_EQ(SettingsArguments(*monkey.options),
              " --standard-rules --set \"Settings\\Three Block=1\"");
}

TEST(Arguments, BadArgumentsAndBadInputGiveOneLineReasons) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{},
         "missing command: deal, show, play, match, monkey, settings, lobby, netplay, "
         "netplay-compare or help"},
        {{"shuffle"},
         "unknown command \"shuffle\"; the commands are deal, show, play, match, monkey, settings, "
         "lobby, netplay, netplay-compare and help"},
        {{"show"}, "show needs a saved game (a .tvx file)"},
        {{"show", "a.tvx", "b.tvx"}, "show takes no argument \"b.tvx\""},
        {{"show", "--seed", "3", "a.tvx"}, "show has no option --seed"},
        {{"monkey", "--opponent", "advanced", "--hands", "2"}, "monkey needs --seed"},
        {{"play", "a.tvx", "meld:heart11"}, "unknown action \"meld:heart11\""},
        {{"play", "a.tvx", "--level", "master"},
         "--level takes beginner, advanced or expert, not \"master\""},
        {{"play", "a.tvx", "--seed"}, "--seed needs a value"},
        {{"deal", "--seed", "-1", "--out", "a.tvx"},
         "--seed takes a whole number from 0 to 4294967295, not \"-1\""},
        {{"monkey", "--opponent", "expert", "--hands", "0", "--seed", "1"},
         "--hands takes a whole number from 1, not \"0\""},
        {{"deal", "--seed", "1", "--out", "a.tvx", "--set", "Settings\\Draw Extra"},
         "--set needs NAME=VALUE, not \"Settings\\Draw Extra\""},
        {{"netplay", "--server", "h:1", "--nick", "a", "--matches", "1", "--seed", "1"},
         "netplay needs either --invite NAME or --accept"},
        {{"netplay", "--server", "h:0"}, "--server takes HOST:PORT, not \"h:0\""},
        {{"netplay", "--policy", "genius"},
         "--policy takes monkey, beginner, advanced or expert, not \"genius\""},
        {{"deal", "--seed", "1", "--out", "a.tvx", "--set", "settings\\number of cards=two"},
         "the setting \"settings\\number of cards\" takes a whole number, not \"two\""},
    };
    for (const auto& [arguments, error] : cases) {
        const ParsedArguments parsed = ParseArguments(arguments);
        EXPECT_EQ(parsed.options ? "accepted" : parsed.error, error);
    }
    // Bad input exits with status 2 and one line.
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"show", "/no/such/folder/game.tvx"}, out, err), kExitBadInput);
    EXPECT_EQ(out.str() + err.str(), "tavolex-cli: cannot read /no/such/folder/game.tvx\n");
}

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
    Settings(store, {"set", "Music\\File", "+5"});
    EXPECT_EQ(store.ReadValue("Settings\\Delay", ""), SettingValue(int64_t{-150}));
    EXPECT_EQ(store.ReadValue("Music\\File", int64_t{0}), SettingValue(std::string("+5")));
    EXPECT_EQ(Settings(store, {"get", "settings\\level"}).out, "Expert\n");
    // A value not stored: the game's default when the key table knows one.
    EXPECT_EQ(Settings(store, {"get", "Settings\\Sound"}).out, "1 (default)\n");
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

// tavolex-cli run in-process; what it printed stays readable until the next run.
struct CliSession {
    std::ostringstream out, err;
    int Run(const std::vector<std::string>& arguments) {
        out.str({});
        err.str({});
        return RunCli(arguments, out, err);
    }
    // The state the run printed last.
    Json LastJson() const {
        const std::string text = out.str();
        const size_t start = text.find("\n{");
        return Json::parse(text.substr(start == std::string::npos ? 0 : start));
    }
    std::string File(const char* name) const { return testing::TempDir() + "tavolex-cli-" + name; }
};

TEST(CommandRun, DealShowAndPlayReportEachActionAndSaveTheResult) {
    CliSession cli;
    // The same seed deals the same hand, with the player to draw first.
    for (const char* name : {"hand.tvx", "again.tvx"}) {
        ASSERT_EQ(cli.Run({"deal", "--seed", "11", "--set",
                           "Settings\\Mouse Options=Double Right Click", "--out", cli.File(name)}),
                  kExitOk)
            << cli.err.str();
    }
    ASSERT_EQ(cli.Run({"show", cli.File("hand.tvx")}), kExitOk) << cli.err.str();
    const Json shown = cli.LastJson();
    EXPECT_EQ(shown["status"], kPromptTexts[kPromptDraw]);
    EXPECT_EQ(shown["PlayerHand"].size(), 15u);
    EXPECT_TRUE(shown["TakenTopCard"].is_null());
    ASSERT_EQ(cli.Run({"show", cli.File("again.tvx")}), kExitOk);
    EXPECT_EQ(cli.LastJson(), shown);
    const std::string firstCard = shown["PlayerHand"][0]["card"];

    ASSERT_EQ(cli.Run({"play", cli.File("hand.tvx"), "--set",
                       "Settings\\Mouse Options=Double Right Click", "draw", "discard:" + firstCard,
                       "--out", cli.File("after.tvx")}),
              kExitOk)
        << cli.err.str();
    // With two right clicks to discard, one click leaves the card in the hand.
    EXPECT_EQ(cli.out.str().substr(0, cli.out.str().find("\n{")),
              std::string("draw\t") + kPromptTexts[kPromptMeldOrDiscardTwice] +
                  "\ndiscard:" + firstCard + "\t" + kPromptTexts[kPromptMeldOrDiscardTwice]);
    ASSERT_EQ(cli.Run({"show", cli.File("after.tvx")}), kExitOk);
    EXPECT_EQ(cli.LastJson()["PlayerHand"].size(), 16u);

    // An action whose card is not on the table is reported and does nothing.
    ASSERT_EQ(cli.Run({"play", cli.File("hand.tvx"), "wild:A"}), kExitOk);
    EXPECT_TRUE(cli.out.str().starts_with(std::string("wild:A\t") + kPromptTexts[kPromptDraw] +
                                          "\t(its target is not on the table)\n"));
    for (const char* name : {"hand.tvx", "again.tvx", "after.tvx"})
        std::remove(cli.File(name).c_str());
}

}  // namespace
}  // namespace tavolex::cli
