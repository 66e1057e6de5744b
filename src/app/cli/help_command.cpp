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
  tavolex-cli match --player LEVEL --opponent LEVEL --matches N --seed S [--standard-rules]
                    [--set NAME=VALUE]... [--parts] [--json]
      computer against computer: matches and hands won, the mean hand margin with its 95%
      confidence interval (--parts: and by score part), speed, lay-downs the player would be
      refused (any of them makes the exit status 1), and a checksum
  tavolex-cli monkey --opponent LEVEL --hands N --seed S [--standard-rules] [--set NAME=VALUE]...
                     [--progress]
      random play of the player's side, checking the table after every action; --progress
      prints the speed and the hands left every 10000 hands
  tavolex-cli settings get PATH | set PATH VALUE | list [SUBKEY] | migrate
      reads, writes or lists the game's own settings, e.g. "Settings\Level"; get shows a
      value not stored as the default the game uses, marked (default); a VALUE of
      digits (with an optional leading minus) is stored as a number, any other as a text;
      migrate upgrades the settings of an older version as the game does at start
  tavolex-cli lobby --server HOST:PORT --nick NAME [--register] [--room PRIVATE] REQUEST...
      logs in to a game server as the game's lobby does (an unknown name is registered;
      --register insists on a new name; --room goes on to that private lobby room), makes
      the requests in order, then disconnects. Every event received prints as one line
      "CODE TEXT", bytes outside printable ASCII as \xNN (\xfe, \xff); the lobby's chat
      lines print as "chat: LINE", its "Now Playing" list as "playing: A - B, ...", and
      each change of its state (0 offline ... 2 available, 3 inviting, 4 accepted, 6
      playing) as "state N".
      REQUEST: join:ROOM, create:ROOM:TYPE (TYPE 0 lobby room, 2 game room), rooms,
      users:ROOM, motd, say:TEXT, private:NICK:TEXT, wait:CODE (the next event CODE, at
      most 10 s), sleep:MS, hold:MS (sleeps without reading events), invite:NICK, accept
      or decline (the next invitation, waiting at most 10 s for it), cancel, state:N
      (waits at most 10 s for the lobby's state N).
      "\xNN" in a TEXT sends that byte.
  tavolex-cli netplay --server HOST:PORT --nick NAME (--invite OTHER | --accept) --matches N
                     --seed S [--policy monkey|beginner|advanced|expert] [--match-hands H]
                     [--digest FILE] [--standard-rules] [--set NAME=VALUE]...
      plays whole network matches through a game server: logs in, invites OTHER (and deals)
      or accepts the next invitation, then plays this side through the player's input path
      (monkey: random actions, legal and illegal; a level: the computer's choice made as
      clicks), sending every move and applying the received ones. A match not won after H
      hands begins anew with File, New (random play hardly ever reaches 5000; both sides need
      the same H). Prints the matches, hands, messages and bytes sent and received, hands per
      second and the received messages refused. --digest writes a line whenever this side's
      point in the exchange moves on: the messages sent by the inviter and by the accepter so
      far, and a hash of the whole game as this side sees it.
  tavolex-cli netplay-compare DIGEST DIGEST
      compares two sides' digests at every point both wrote; prints the first disagreement

  --standard-rules plays under the standard rules (the Rules dialog's preset), and --set stores
  a settings value for the run after them, e.g. --set "Settings\Number of Canastas=2".
  Exit status: 0 done, 1 a match could not go on, a computer laid down what the player would be
  refused, random play found a fault, a received message was refused, two digests disagree, or
  the game server could not be reached, refused the login or did not send a waited-for event;
  2 bad input.
)";
}  // namespace

int RunHelp(std::ostream& out) {
    out << kUsage;
    return kExitOk;
}

}  // namespace tavolex::cli
