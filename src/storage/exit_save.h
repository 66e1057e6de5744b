// The game written on exit, so the next start finds it where the player left it.
#pragma once

namespace tavolex {

class Table;

enum class ExitSave { Saved, Deleted, Failed };

// With autosave on and a game in progress the game goes to "autosave.tvx"; otherwise that file
// is deleted. A turn whose melds would not pass the save's check (cards melded without
// completing a meld, a pile take still pending) is first rewound to where the player began to
// meld, so the file never stays behind with an older game.
ExitSave SaveOnExit(Table& table, bool autosaveOn);

// Takes back this turn's melds as Undo All does, and a pending pile take as its undo does but
// without the charge: the player resumes with the cards held when melding began.
void RewindPlayerMelding(Table& table);

}  // namespace tavolex
