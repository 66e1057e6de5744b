#include "table/headless_game.h"

namespace tavolex {

HeadlessGame::HeadlessGame(uint32_t seed, int resolution)
    : random(seed),
      table(Seams{view, dialogs, sounds, peer, settings, statistics, clock}, random),
      flow(table) {
    table.ReseedFromClock = false;
    table.Resolution = resolution;
    table.layout = ComputeTableLayout(resolution);
    table.TableShowing = false;
}

size_t HeadlessGame::RecordedCount() const {
    return view.moves.size() + view.statusLog.size() + dialogs.messages.size() +
           dialogs.scorings.size() + dialogs.details.size() + dialogs.gameOvers.size() +
           dialogs.questions.size() + sounds.events.size() + peer.sent.size() +
           statistics.highscores.size() + statistics.matches.size();
}

void HeadlessGame::ForgetRecords() {
    view.moves.clear();
    view.statusLog.clear();
    dialogs.messages.clear();
    dialogs.scorings.clear();
    dialogs.details.clear();
    dialogs.gameOvers.clear();
    dialogs.questions.clear();
    sounds.events.clear();
    peer.sent.clear();
    statistics.highscores.clear();
    statistics.matches.clear();
    view.repaints = 0;
    view.pausedMs = 0;
    view.beeps = 0;
    view.dispatchPosts = 0;
}

}  // namespace tavolex
