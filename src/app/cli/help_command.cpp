#include <ostream>

#include "app/cli/commands.h"

namespace tavolex::cli {

namespace {
constexpr const char* kUsage =
    R"(tavolex-cli: the game engine without its window

  tavolex-cli deal --seed N [--set NAME=VALUE]... --out FILE.tvx
      deals a new hand in which the player draws first, and saves it
  tavolex-cli show FILE.tvx
      prints the saved game as JSON: every field of the game state and the status line
  tavolex-cli play FILE.tvx [--level beginner|advanced|expert] [--seed N] [--set NAME=VALUE]...
                   [--out OUT.tvx] ACTION...
      plays the player's actions as clicks and keys on the table; the computer plays the
      opponent's turns at once. One line per action: the action, the status line and any
      message boxes; then the JSON of show.
      ACTION: draw, take, meld:CARD, meld-shift:CARD, meld-ctrl:CARD, wild:RANK,
      wild-shift:RANK, discard:CARD (one right click), discard-red3, undo, undo-all, end-hand,
      key:KEY. CARD as "heartb", "spade10", "joker"; RANK 2..10, J, Q, K, A, W;
      KEY F6..F10, Esc, Ctrl+F11 or a RANK.
  tavolex-cli match --player LEVEL --opponent LEVEL --matches N --seed S [--set NAME=VALUE]...
                    [--json]
      computer against computer: matches and hands won, the mean hand margin with its 95%
      confidence interval, speed, lay-downs the player would be refused, and a checksum
  tavolex-cli monkey --opponent LEVEL --hands N --seed S [--set NAME=VALUE]...
      random play of the player's side, checking the table after every action
  tavolex-cli settings get PATH | set PATH VALUE | list [SUBKEY] | migrate
      reads, writes or lists the game's own settings, e.g. "Settings\Level"; get shows a
      value not stored as the default the game uses, marked (default); a VALUE of
      digits (with an optional leading minus) is stored as a number, any other as a text;
      migrate upgrades the settings of an older version as the game does at start
  tavolex-cli lobby --server HOST:PORT --nick NAME [--register] REQUEST...
      logs in to a game server (registering the name first with --register), makes the
      requests in order, then disconnects. Every event received prints as one line
      "CODE TEXT", bytes outside printable ASCII as \xNN (\xfe, \xff).
      REQUEST: join:ROOM, create:ROOM:TYPE (TYPE 0 lobby room, 2 game room), rooms,
      users:ROOM, motd, say:TEXT, private:NICK:TEXT, wait:CODE (the next event CODE, at
      most 10 s), sleep:MS. "\xNN" in a TEXT sends that byte.

  --set stores a settings value for the run, e.g. --set "Settings\Number of Canastas=2".
  Exit status: 0 done, 1 a match could not go on, random play found a fault, or the game
  server could not be reached, refused the login or did not send a waited-for event;
  2 bad input.
)";
}  // namespace

int RunHelp(std::ostream& out) {
    out << kUsage;
    return kExitOk;
}

}  // namespace tavolex::cli
