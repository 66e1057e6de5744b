#include "storage/highscores.h"

#include "game/settings_store.h"
#include "storage/stored_fields.h"

namespace tavolex {

const char* const kLevelNames[kHighscoreLevels] = {"Beginner", "Advanced", "Expert", "NetworkGame"};

namespace {

constexpr size_t kMaxText = 255;

std::string RowPath(int level, int kind, const char* field, int row) {
    return HighscoreSubkey(level, kind) + "\\" + field + std::to_string(row + 1);
}

}  // namespace

int HighscoreTable::Enter(int32_t score, const std::string& date, const std::string& name) {
    if (score <= Entries.back().Score) return -1;
    int row = kHighscoreRows - 1;
    while (row > 0 && Entries[row - 1].Score < score) --row;
    for (int i = kHighscoreRows - 1; i > row; --i) Entries[i] = Entries[i - 1];
    Entries[row] = {score, date.substr(0, kMaxText), name.substr(0, kMaxText)};
    return row;
}

std::string HighscoreSubkey(int level, int kind) {
    return std::string(kLevelNames[level]) + (kind == 1 ? "Match" : "");
}

HighscoreTable LoadHighscoreTable(SettingsStore& store, int level, int kind) {
    HighscoreTable table;
    for (int row = 0; row < kHighscoreRows; ++row) {
        HighscoreEntry& entry = table.Entries[row];
        entry.Score = ToCounter(ReadInt(store, RowPath(level, kind, "Score", row), 0));
        entry.Name = ReadText(store, RowPath(level, kind, "Name", row), "").substr(0, kMaxText);
        entry.Date = ReadText(store, RowPath(level, kind, "Date", row), "").substr(0, kMaxText);
    }
    return table;
}

Highscores LoadHighscores(SettingsStore& store) {
    Highscores tables;
    for (int level = 0; level < kHighscoreLevels; ++level) {
        for (int kind = 0; kind < kHighscoreKinds; ++kind) {
            tables[level][kind] = LoadHighscoreTable(store, level, kind);
        }
    }
    return tables;
}

void SaveHighscoreTable(SettingsStore& store, int level, int kind, const HighscoreTable& table) {
    for (int row = 0; row < kHighscoreRows; ++row) {
        const HighscoreEntry& entry = table.Entries[row];
        store.WriteValue(RowPath(level, kind, "Score", row), int64_t{entry.Score});
        store.WriteValue(RowPath(level, kind, "Name", row), entry.Name);
        store.WriteValue(RowPath(level, kind, "Date", row), entry.Date);
    }
}

void ClearHighscoreTable(SettingsStore& store, int level, int kind, HighscoreTable& table) {
    table = {};
    store.DeleteKey(HighscoreSubkey(level, kind));
}

}  // namespace tavolex
