#include "storage/saved_game.h"

#include <filesystem>
#include <fstream>

#include "game/melds.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "storage/saved_game_format.h"
#include "table/screen_layout.h"

namespace tavolex {

namespace {

namespace fs = std::filesystem;

constexpr const char* kRefusedWhileTakingPile =
    "A game cannot be saved while taking the discard pile";
constexpr const char* kRefusedIncorrectMeld =
    "This game cannot be saved now because your meld is incorrect";
constexpr const char* kLoadInNetworkGameQuestion =
    "You have a network game running. Are you sure you want to load a game?";
constexpr const char* kNotSavedGameText = " : this file is not a Tavolex saved game";
constexpr const char* kProposalWithoutPlayer = "player.tvx";
constexpr std::string_view kCharactersNotInFileNames = "\"*:<>?\\";
constexpr int kMaxProposedNameCharacters = 250;
// Far above the largest file the writer can produce (nine full piles).
constexpr size_t kMaxSavedGameBytes = 1 << 20;

// The new file replaces the old one only once it is complete, so a failed save leaves the
// previous game in place.
bool WriteFileAtomically(const std::string& path, const std::string& text) {
    const fs::path target(path);
    fs::path temporary = target;
    temporary += ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    std::error_code error;
    if (out) fs::rename(temporary, target, error);
    if (!out || error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

// At most limit + 1 bytes, so an oversized file shows as one without being read whole.
std::optional<std::string> ReadFileStart(const std::string& path, size_t limit) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(limit + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    return text;
}

// A saved game read from its file, or the message that says why it cannot be opened; neither
// when the file is missing.
struct GameFile {
    std::optional<SavedGame> game;
    std::string error;
};

GameFile ReadGameFile(const std::string& path) {
    const std::optional<std::string> text = ReadFileStart(path, kMaxSavedGameBytes);
    if (!text) return {};
    if (!text->starts_with(kSavedGameMagic)) return {std::nullopt, path + kNotSavedGameText};
    ReadResult result = text->size() > kMaxSavedGameBytes
                            ? ReadResult{ReadError::Damaged, std::nullopt}
                            : ReadSavedGame(*text);
    if (result.error == ReadError::Version) {
        return {std::nullopt, "Version error. The file " + path + " cannot be read by Tavolex."};
    }
    if (!result.game) return {std::nullopt, path + " : " + kLoadErrorText};
    return {std::move(result.game), {}};
}

// The copy replaces an older one only once it is complete.
bool CopyFileAtomically(const std::string& from, const std::string& to) {
    fs::path temporary(to);
    temporary += ".tmp";
    std::error_code error;
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(temporary, to, error);
    if (!error) return true;
    fs::remove(temporary, error);
    return false;
}

// The LOADGAME segment that the file does not hold: it follows from the state after loading.
std::string TurnSegment(const GameState& state) {
    std::string segment;
    for (const int32_t value :
         {int32_t{state.PileFrozen != 0}, int32_t{state.Prompt}, int32_t{state.OpponentPhase},
          state.PlayerMeldedBefore, state.PlayerScore, state.OpponentScore}) {
        segment += std::to_string(value) + ' ';
    }
    return segment;
}

void ApplySavedGame(Table& table, const SavedGame& game) {
    GameState& state = table.state;
    CopySavedFields(game.state, state);
    state.NothingDrawnYet = !state.HasDrawn;
    // What the file does not hold must not speak of the game it replaces: the computer's
    // knowledge of the hands starts afresh, and a pending pile take finds its top card again as
    // the last card laid before the turn was saved.
    state.KnownPlayerCards = CardPile{};
    state.KnownOpponentCards = CardPile{};
    state.CardsDrawn = 0;
    state.WildcardPicked = 0;
    if (state.PileTakeUndoable && !state.PlayerMeldsSaved.Empty()) {
        state.TakenTopCard = state.PlayerMeldsSaved.Top();
        state.TakenTopRank = state.TakenTopCard.rank;
    }

    const TableLayout savedLayout = ComputeTableLayout(game.layout);
    if (savedLayout != table.layout) RemapLayout(state, savedLayout, table.layout);
    table.LastAppliedResolution = table.Resolution;

    // Before the prompt, whose text differs once the stock is exhausted.
    state.StockExhausted = state.Stock.Empty();
    table.view.ShowEndHandButton(state.StockExhausted);
    table.SetPrompt(state.Prompt);
    // A game saved during the opponent's turn resumes it from its start.
    if (state.Prompt == kPromptOpponentTurn && state.OpponentPhase == kOpponentIdle) {
        state.OpponentPhase = 0;
    }

    state.EndHandRequested = 0;
    table.undo.Clear();
    table.view.EnableUndo(false);
    table.DiscardSpread = 0;
    state.PlayerLocked = state.Prompt == kPromptOpponentTurn;
    state.PlayerMeldedBefore = table.CurrentMeldValue();
    state.OpponentMeldedBefore = state.OpponentMeldPoints;
    table.ConcealAfterLoad = 1;
    state.GameInProgress = 1;
    if (!table.PaintSuppressed) table.view.RepaintAll();

    if (table.NetworkActive) {
        table.SendToken(kTokenLoadGame, game.peerText + TurnSegment(state));
    } else if (state.PlayerLocked && table.flow) {
        table.flow->StartOpponentTurn();
    }
}

}  // namespace

std::string ProposedFileName(const std::string& playerName) {
    if (playerName.empty()) return kProposalWithoutPlayer;
    std::string name;
    int characters = 0;
    for (const char c : playerName) {
        if (kCharactersNotInFileNames.find(c) != std::string_view::npos) continue;
        const bool continuesCharacter = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (!continuesCharacter && characters++ == kMaxProposedNameCharacters) break;
        name += c;
    }
    return name + ".tvx";
}

std::string AutosavePath(const Table& table) {
    return (fs::path(table.ProgramFolder) / kAutosaveFileName).string();
}

std::string DamagedAutosavePath(const Table& table) {
    return (fs::path(table.ProgramFolder) / kDamagedAutosaveFileName).string();
}

void CopySavedFields(const GameState& from, GameState& to) {
    for (const saved_game::PileLine& line : saved_game::kPileLines) {
        to.*line.pile = from.*line.pile;
    }
    for (MeldTally GameState::*tally : saved_game::kTallyLines) to.*tally = from.*tally;
    saved_game::ForEachTurnField(
        [&](auto member, saved_game::TurnField) { to.*member = from.*member; });
}

bool SaveGame(Table& table, bool automatic, const std::optional<std::string>& path) {
    if (table.state.PileTakeUndoable && !automatic) {
        table.dialogs.Information(kRefusedWhileTakingPile);
        return false;
    }
    if (!MeldsValid(table)) {
        if (!automatic) table.dialogs.Information(kRefusedIncorrectMeld);
        return false;
    }
    const std::optional<std::string> file =
        automatic
            ? path.value_or(AutosavePath(table))
            : table.dialogs.AskSaveFileName(ProposedFileName(table.statistics.CurrentPlayerName()));
    if (!file) return false;
    const std::string text =
        WriteSavedGame(table.state, table.Resolution, table.random, table.clock);
    if (WriteFileAtomically(*file, text)) return true;
    if (!automatic) table.dialogs.Error("The game could not be saved to " + *file + ".");
    return false;
}

bool LoadGame(Table& table, bool automatic, const std::optional<std::string>& path) {
    if (table.NetworkActive && table.state.GameInProgress &&
        !table.dialogs.AskYesNo(kLoadInNetworkGameQuestion)) {
        return false;
    }
    const std::optional<std::string> file =
        automatic ? path.value_or(AutosavePath(table)) : table.dialogs.AskLoadFileName();
    if (!file) return false;
    GameFile read = ReadGameFile(*file);
    if (!read.error.empty()) table.dialogs.Error(read.error);
    if (!read.game) return false;
    ApplySavedGame(table, *read.game);
    return true;
}

bool LoadOnStartup(Table& table, const std::string& path) {
    GameFile read = ReadGameFile(path);
    if (read.game) {
        table.sounds.PlayEvent(kSoundStart);
        ApplySavedGame(table, *read.game);
        return true;
    }
    if (read.error.empty()) return false;
    // The exit save would replace the autosave file: the match it holds stays on disk beside it.
    if (fs::path(path) == fs::path(AutosavePath(table))) {
        const std::string kept = DamagedAutosavePath(table);
        if (CopyFileAtomically(path, kept)) {
            read.error += "\n\nThe damaged file was kept as " + kept + ".";
        } else {
            table.AutosaveUnreadable = true;
            read.error +=
                "\n\nThe damaged file could not be copied to " + kept + "; it stays unchanged.";
        }
    }
    table.dialogs.Error(read.error);
    return false;
}

}  // namespace tavolex
