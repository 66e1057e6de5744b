#include "game/table.h"

#include "game/hand_columns.h"
#include "game/status_texts.h"

namespace tavolex {

Table::Table(const Seams& seams, Random& random)
    : view(seams.view),
      dialogs(seams.dialogs),
      sounds(seams.sounds),
      peer(seams.peer),
      settings(seams.settings),
      statistics(seams.statistics),
      clock(seams.clock),
      random(random) {}

std::string Table::PromptText(int prompt) const {
    if (prompt == kPromptDraw && state.StockExhausted) return kStockExhaustedPrompt;
    if (prompt == kPromptOpponentTurn) {
        return NetworkActive ? "It's " + PeerName + "'s turn" : "It's the computer's turn";
    }
    return kPromptTexts[prompt];
}

void Table::SetPrompt(int prompt) {
    if (prompt < 0 || prompt >= kPromptCount) return;
    if (prompt == kPromptMeldOrDiscard && DiscardOption == 1) prompt = kPromptMeldOrDiscardTwice;
    if (prompt == kPromptMeldOrDiscardTwice && DiscardOption == 0) prompt = kPromptMeldOrDiscard;
    state.Prompt = static_cast<uint8_t>(prompt);
    ShowError(kErrorNone);
    view.ShowStatus(PromptText(prompt), false);
    view.EnableEndHandButton(prompt == kPromptDraw);
}

void Table::ShowError(int error) {
    if (error < 0 || error >= kErrorCount) return;
    state.ErrorCode = static_cast<uint8_t>(error);
    if (error == kErrorNone) {
        view.ShowStatus(kPromptTexts[state.Prompt < kPromptCount ? state.Prompt : 0], false);
        return;
    }
    view.Beep();
    std::string text = kErrorTexts[error];
    if (error == kErrorCannotDiscard) text += state.RejectReason;
    view.ShowStatus(text, true);
}

void Table::SendToken(int token, const std::string& parameters) {
    if (NetworkActive) peer.SendToken(token, parameters);
}

bool Table::PileFrozenFor() {
    if (state.PileFrozen) return true;
    if (!(rules().InitialBlock && rules().InitialBlockForBoth)) return false;
    if (!state.PlayerLocked) return CurrentMeldValue() == 0;
    return state.OpponentMeldPoints == 0;
}

std::string Table::PlayerName() {
    std::string name = statistics.CurrentPlayerName();
    return name.empty() ? "Player" : name;
}

std::string Table::OpponentLabelName() const {
    return NetworkActive ? PeerName : "Computer";
}

std::string Table::OpponentSentenceName() const {
    return NetworkActive ? PeerName : "the computer";
}

void Table::RepaintPileBox() {
    const int bottom = layout.DiscardTop + layout.CardHeight + 40 +
                       (DiscardSpread ? (state.DiscardPile.count) * kCardStep : 0);
    const int top = layout.StockTop - 30;
    view.InvalidateArea(0, top, layout.LeftMargin + layout.CardWidth + 6, bottom - top);
}

void Table::RepaintStock() {
    view.InvalidateArea(0, layout.StockTop - 30, layout.LeftMargin + layout.CardWidth + 6,
                        layout.CardHeight + 32);
}

void Table::RepaintPlayerMeldColumn(int column) {
    view.InvalidateArea(layout.ColumnLeft(column), layout.OwnMeldTop, layout.CardWidth + 1,
                        layout.OwnHandTop - layout.OwnMeldTop);
}

void Table::RepaintOpponentMeldColumn(int column) {
    view.InvalidateArea(layout.ColumnLeft(column), 0, layout.CardWidth + 1,
                        layout.OpponentMeldTop + layout.CardHeight);
}

void Table::RepaintPlayerHandArea() {
    const int32_t top = HandAreaTop(layout, VisibleBottom);
    view.InvalidateArea(0, top, ScreenLayoutAt(Resolution).windowWidth,
                        ScreenLayoutAt(Resolution).windowHeight - top);
}

void Table::RepaintPlayerMeldArea() {
    view.InvalidateArea(0, layout.MiddleY, ScreenLayoutAt(Resolution).windowWidth,
                        layout.OwnHandTop - layout.MiddleY);
}

void Table::RepaintOpponentHandRow() {
    view.InvalidateArea(0, 0, ScreenLayoutAt(Resolution).windowWidth, layout.CardHeight + 10);
}

void Table::ShowMove(const CardRecord& card, int fromX, int fromY, bool highlight) {
    view.ShowCardMove(card, fromX, fromY, card.x, card.y, highlight);
}

void Table::PlaceOnDiscardPile(CardRecord card, bool highlight) {
    const int fromX = card.x;
    const int fromY = card.y;
    card.x = layout.LeftMargin;
    card.y = layout.DiscardTop;
    card.faceUp = 1;
    PushCard(state.DiscardPile, card);
    ShowMove(card, fromX, fromY, highlight);
}

}  // namespace tavolex
