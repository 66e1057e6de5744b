#include "app/cli/game_setup.h"

#include <fstream>
#include <iterator>

#include "game/rule_options.h"
#include "game/settings_store.h"
#include "storage/saved_game.h"

namespace tavolex::cli {

namespace {

constexpr const char* kSingleRightClick = "Single Right Click";

uint8_t LevelFromSetting(SettingsStore& settings) {
    const std::string level = ReadText(settings, "Settings\\Level", "Beginner");
    if (level == "Beginner") return kBeginner;
    if (level == "Advanced") return kAdvanced;
    return kExpert;
}

std::optional<int> SavedLayout(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const ReadResult result = ReadSavedGame(text);
    if (!result.game) return std::nullopt;
    return result.game->layout;
}

}  // namespace

void ConfigureGame(HeadlessGame& game, const Options& options) {
    if (options.standardRules) WriteRuleOptions(game.settings, HoyleRules());
    for (const SettingOverride& setting : options.settings)
        game.settings.WriteValue(setting.name, setting.value);
    Table& table = game.table;
    table.state.Rules = LoadRuleOptions(game.settings);
    table.DiscardOption =
        ReadText(game.settings, "Settings\\Mouse Options", kSingleRightClick) != kSingleRightClick;
    table.Aggression = static_cast<int32_t>(ReadInt(game.settings, "Settings\\Aggression", 50));
    table.ComputerLevel = LevelFromSetting(game.settings);
    table.MeldDelay = 0;
}

void SeatComputer(HeadlessGame& game, ComputerOpponent& computer, std::optional<uint8_t> level) {
    if (level) game.table.ComputerLevel = *level;
    game.table.SavedComputerLevel = game.table.ComputerLevel;
    game.table.opponent = &computer;
}

std::optional<std::string> OpenSavedGame(HeadlessGame& game, const std::string& path) {
    Table& table = game.table;
    if (const std::optional<int> layout = SavedLayout(path)) {
        table.Resolution = *layout;
        table.LastAppliedResolution = *layout;
        table.layout = ComputeTableLayout(*layout);
    }
    const size_t messagesBefore = game.dialogs.messages.size();
    if (LoadGame(table, true, path)) return std::nullopt;
    if (game.dialogs.messages.size() > messagesBefore) return game.dialogs.messages.back().text;
    return "cannot read " + path;
}

}  // namespace tavolex::cli
