#include "storage/players.h"

#include <limits>
#include <optional>
#include <string_view>

#include "game/dialogs.h"
#include "game/settings_store.h"
#include "storage/stored_fields.h"

namespace tavolex {

const char* const kPlayerNamesKey = "Player Names";
const char* const kNoCommasText = "Please do not use commas in the name.";
const char* const kNoPlayersText =
    "There are no players defined to show statistics for. To create players, select "
    "Options|Customize...|Player and press 'New...'";
const char* const kNewPlayerCaption = "New Player";
const char* const kNewPlayerPrompt = "Enter the name of the new player:";
const char* const kRenamePlayerCaption = "Rename Player";
const char* const kRenamePlayerPrompt = "Enter the new name of the player:";

namespace {

std::string EntryPath(size_t number) {
    return std::string(kPlayerNamesKey) + "\\PlayerName" + std::to_string(number);
}

// "name,wins,losses"; a missing field is an empty one.
PlayerEntry ParseEntry(std::string_view text) {
    std::string_view fields[3];
    for (int i = 0; i < 2; ++i) {
        const size_t comma = text.find(',');
        fields[i] = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    fields[2] = text;
    return {std::string(TrimBlanks(fields[0])),
            {ParseCounter(TrimBlanks(fields[1])), ParseCounter(TrimBlanks(fields[2]))}};
}

std::string EntryText(const PlayerEntry& entry) {
    return entry.Name + "," + std::to_string(entry.Ratio.Wins) + "," +
           std::to_string(entry.Ratio.Losses);
}

bool ValidIndex(const Players& players, int index) {
    return index >= 0 && index < static_cast<int>(players.List.size());
}

bool Usable(const std::string& name) {
    return !name.empty() && NameAllowed(name);
}

void AddOne(int32_t& counter) {
    if (counter < std::numeric_limits<int32_t>::max()) ++counter;
}

}  // namespace

std::string Players::CurrentName() const {
    return CurrentPlayer >= 0 && CurrentPlayer < static_cast<int>(List.size())
               ? List[CurrentPlayer].Name
               : std::string();
}

Players LoadPlayers(SettingsStore& store) {
    Players players;
    for (size_t n = 1;; ++n) {
        const std::string text = ReadText(store, EntryPath(n), "");
        if (text.empty()) break;
        PlayerEntry entry = ParseEntry(text);
        if (!entry.Name.empty()) players.List.push_back(std::move(entry));
    }
    if (!players.List.empty()) players.CurrentPlayer = 0;
    return players;
}

void SavePlayers(SettingsStore& store, const Players& players) {
    store.DeleteKey(kPlayerNamesKey);
    size_t number = 1;
    if (ValidIndex(players, players.CurrentPlayer)) {
        store.WriteValue(EntryPath(number++), EntryText(players.List[players.CurrentPlayer]));
    }
    for (int i = 0; i < static_cast<int>(players.List.size()); ++i) {
        if (i != players.CurrentPlayer)
            store.WriteValue(EntryPath(number++), EntryText(players.List[i]));
    }
}

std::string WinRatioText(const TWinRatio& ratio) {
    const int64_t played = int64_t{ratio.Wins} + ratio.Losses;
    if (played <= 0) return "?";
    const int64_t scaled = int64_t{ratio.Wins} * 100;
    int64_t percent = scaled / played;
    const int64_t twiceRest = 2 * (scaled % played);
    if (twiceRest > played || (twiceRest == played && percent % 2 != 0)) ++percent;
    return std::to_string(percent);
}

bool NameAllowed(const std::string& name) {
    return name.find(',') == std::string::npos;
}

bool AddPlayer(Players& players, const std::string& name) {
    if (!Usable(name)) return false;
    players.List.push_back({name, {}});
    if (players.List.size() == 1) players.CurrentPlayer = 0;
    return true;
}

bool RenamePlayer(Players& players, int index, const std::string& name) {
    if (!ValidIndex(players, index) || !Usable(name)) return false;
    players.List[index].Name = name;
    return true;
}

bool DeletePlayer(Players& players, int index) {
    if (!ValidIndex(players, index)) return false;
    players.List.erase(players.List.begin() + index);
    // Deleting the current player makes the first one current, as the next start would.
    if (index < players.CurrentPlayer) --players.CurrentPlayer;
    if (index == players.CurrentPlayer) players.CurrentPlayer = players.List.empty() ? -1 : 0;
    return true;
}

bool ResetPlayerStats(Players& players, int index) {
    if (!ValidIndex(players, index)) return false;
    players.List[index].Ratio = {};
    return true;
}

bool SetCurrentPlayer(Players& players, int index) {
    if (!ValidIndex(players, index)) return false;
    players.CurrentPlayer = index;
    return true;
}

std::string DeletePlayerQuestion(const std::string& name) {
    return "Do you want to delete the player " + name + "?";
}

std::string ResetStatsQuestion(const std::string& name) {
    return "Do you want to reset the win ratio statistics for player " + name + "?";
}

namespace {

// The answer of a name input box: nullopt when cancelled, left empty or refused.
std::optional<std::string> AskName(Dialogs& dialogs, const char* caption, const char* prompt,
                                   const std::string& proposal) {
    std::optional<std::string> name = dialogs.InputBox(caption, prompt, proposal);
    if (!name || name->empty()) return std::nullopt;
    if (!NameAllowed(*name)) {
        dialogs.Information(kNoCommasText);
        return std::nullopt;
    }
    return name;
}

}  // namespace

bool AskNewPlayer(Players& players, Dialogs& dialogs) {
    const auto name = AskName(dialogs, kNewPlayerCaption, kNewPlayerPrompt, "");
    return name && AddPlayer(players, *name);
}

bool AskRenamePlayer(Players& players, int index, Dialogs& dialogs) {
    if (!ValidIndex(players, index)) return false;
    const auto name =
        AskName(dialogs, kRenamePlayerCaption, kRenamePlayerPrompt, players.List[index].Name);
    return name && RenamePlayer(players, index, *name);
}

bool AskDeletePlayer(Players& players, int index, Dialogs& dialogs) {
    return ValidIndex(players, index) &&
           dialogs.AskYesNo(DeletePlayerQuestion(players.List[index].Name)) &&
           DeletePlayer(players, index);
}

bool AskResetPlayerStats(Players& players, int index, Dialogs& dialogs) {
    return ValidIndex(players, index) &&
           dialogs.AskYesNo(ResetStatsQuestion(players.List[index].Name)) &&
           ResetPlayerStats(players, index);
}

void CountMatchResult(Players& players, int playerScore, int opponentScore) {
    if (!ValidIndex(players, players.CurrentPlayer) || playerScore == opponentScore) return;
    TWinRatio& ratio = players.List[players.CurrentPlayer].Ratio;
    AddOne(playerScore > opponentScore ? ratio.Wins : ratio.Losses);
}

}  // namespace tavolex
