#include "storage/match_history.h"

#include "game/settings_store.h"

namespace tavolex {

namespace {

std::string EntryPath(int n) {
    return "MatchHistory\\Match" + std::to_string(n);
}

std::vector<std::string> StoredTexts(SettingsStore& store) {
    std::vector<std::string> texts(kMatchHistorySize);
    for (int n = 0; n < kMatchHistorySize; ++n) texts[n] = ReadText(store, EntryPath(n), "");
    return texts;
}

}  // namespace

std::vector<std::string> LoadMatchHistory(SettingsStore& store) {
    std::vector<std::string> texts = StoredTexts(store);
    std::erase(texts, std::string());
    return texts;
}

void RecordMatchHistory(SettingsStore& store, const std::string& text) {
    const std::vector<std::string> old = StoredTexts(store);
    // Only the places whose text changes are written; a gap moves down with the rest.
    for (int n = kMatchHistorySize - 1; n > 0; --n) {
        if (old[n] != old[n - 1]) store.WriteValue(EntryPath(n), old[n - 1]);
    }
    store.WriteValue(EntryPath(0), text);
}

std::string MatchHistoryText(const std::string& dateTime, const std::string& playerName,
                             const std::string& opponentName, int playerScore, int opponentScore) {
    const std::string winner = playerScore > opponentScore   ? playerName
                               : playerScore < opponentScore ? opponentName
                                                             : "Draw";
    return dateTime + ": " + playerName + " - " + opponentName + ": " +
           std::to_string(playerScore) + " - " + std::to_string(opponentScore) +
           ", winner: " + winner;
}

}  // namespace tavolex
