// Reading tavolex-cli's command line: each command's options, the actions of play, and the
// one-line refusals of bad arguments.
#include "app/cli/arguments.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/commands.h"
#include "game/table.h"

namespace tavolex::cli {
namespace {

TEST(Arguments, PlayTakesItsFileOptionsAndActionsInAnyOrder) {
    const ParsedArguments parsed =
        ParseArguments({"play", "game.tvx", "draw", "--level", "Expert", "meld:heartb", "--seed",
                        "9", "wild:10", "--set", "Settings\\Number of Canastas=2", "key:Ctrl+F11"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const Options& options = *parsed.options;
    EXPECT_EQ(options.command, Command::Play);
    EXPECT_EQ(options.file, "game.tvx");
    EXPECT_EQ(options.level, kExpert);
    EXPECT_EQ(options.seed, 9u);
    ASSERT_EQ(options.settings.size(), 1u);
    EXPECT_EQ(options.settings[0].name, "Settings\\Number of Canastas");
    EXPECT_EQ(options.settings[0].value, "2");
    ASSERT_EQ(options.actions.size(), 4u);
    EXPECT_EQ(options.actions[1].kind, ActionKind::Meld);
    EXPECT_EQ(options.actions[1].cardId, CardIdFromName("heartb"));
    EXPECT_EQ(options.actions[2].column, 9);  // the tens
    EXPECT_TRUE(options.actions[3].ctrl);
}

TEST(Arguments, MatchMonkeyAndNetplayNeedTheirOptionsAndRepeatTheirRules) {
    const ParsedArguments match =
        ParseArguments({"match", "--player", "beginner", "--opponent", "expert", "--matches", "3",
                        "--seed", "4", "--json"});
    ASSERT_TRUE(match.options) << match.error;
    EXPECT_EQ(match.options->playerLevel, kBeginner);
    EXPECT_EQ(match.options->opponentLevel, kExpert);
    EXPECT_EQ(match.options->matches, 3);
    EXPECT_TRUE(match.options->json);

    const ParsedArguments netplay = ParseArguments(
        {"netplay", "--server", "127.0.0.1:4444", "--nick", "ann", "--accept", "--matches", "3",
         "--seed", "4", "--policy", "expert", "--match-hands", "2"});
    ASSERT_TRUE(netplay.options) << netplay.error;
    EXPECT_EQ(netplay.options->server.server, "127.0.0.1");
    EXPECT_EQ(netplay.options->server.port, 4444);
    EXPECT_TRUE(netplay.options->accept);
    EXPECT_EQ(netplay.options->policyLevel, kExpert);
    EXPECT_EQ(netplay.options->matchHands, 2);

    EXPECT_EQ(ParseArguments({"monkey", "--opponent", "advanced", "--hands", "2"}).error,
              "monkey needs --seed");
    EXPECT_EQ(ParseArguments({"deal", "--seed", "1"}).error, "deal needs --out");

    // Rules and settings are repeated in the command line's own form.
    const ParsedArguments monkey =
        ParseArguments({"monkey", "--opponent", "expert", "--hands", "5", "--seed", "3", "--set",
                        "Settings\\Three Block=1", "--standard-rules", "--progress"});
    ASSERT_TRUE(monkey.options) << monkey.error;
    EXPECT_TRUE(monkey.options->progress);
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
        {{"play", "a.tvx", "meld:heart11"}, "unknown action \"meld:heart11\""},
        {{"play", "a.tvx", "wild:1"}, "unknown action \"wild:1\""},
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
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.error, error);
    }
    // Bad input exits with status 2 and one line.
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"show", "/no/such/folder/game.tvx"}, out, err), kExitBadInput);
    EXPECT_EQ(err.str(), "tavolex-cli: cannot read /no/such/folder/game.tvx\n");
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace tavolex::cli
