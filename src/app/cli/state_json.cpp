#include "app/cli/state_json.h"

namespace tavolex::cli {

namespace {

Json PileToJson(const CardPile& pile) {
    Json cards = Json::array();
    for (const CardRecord& card : pile) cards.push_back(CardToJson(card));
    return cards;
}

Json TallyToJson(const MeldTally& tally) {
    return {{"canastaCount", tally.canastaCount},
            {"CanastaKind", tally.CanastaKind},
            {"NaturalCount", tally.NaturalCount}};
}

Json RulesToJson(const RuleOptions& rules) {
    return {{"CanastaRequired", rules.CanastaRequired},
            {"NumberOfCanastas", rules.NumberOfCanastas},
            {"NumberOfCards", rules.NumberOfCards},
            {"AddToCanasta", rules.AddToCanasta},
            {"TopCardCounts", rules.TopCardCounts},
            {"InitialBlock", rules.InitialBlock},
            {"NaturalPair", rules.NaturalPair},
            {"AddExistingMeld", rules.AddExistingMeld},
            {"DrawExtra", rules.DrawExtra},
            {"ThreeBlock", rules.ThreeBlock},
            {"BonusCounts", rules.BonusCounts},
            {"InitialBlockForBoth", rules.InitialBlockForBoth},
            {"WildcardCanasta", rules.WildcardCanasta}};
}

}  // namespace

Json CardToJson(const CardRecord& card) {
    return {{"card", CardNameOf(card.cardId)},
            {"deck", card.deck},
            {"x", card.x},
            {"y", card.y},
            {"faceUp", card.faceUp}};
}

Json StateToJson(const GameState& state, const std::string& statusText) {
    Json out;
    out["Stock"] = PileToJson(state.Stock);
    out["DiscardPile"] = PileToJson(state.DiscardPile);
    out["OpponentHand"] = PileToJson(state.OpponentHand);
    out["DiscardPileSaved"] = PileToJson(state.DiscardPileSaved);
    out["PlayerHand"] = PileToJson(state.PlayerHand);
    out["OpponentMelds"] = PileToJson(state.OpponentMelds);
    out["PlayerMelds"] = PileToJson(state.PlayerMelds);
    out["PlayerHandSaved"] = PileToJson(state.PlayerHandSaved);
    out["PlayerMeldsSaved"] = PileToJson(state.PlayerMeldsSaved);
    out["PlayerTally"] = TallyToJson(state.PlayerTally);
    out["OpponentTally"] = TallyToJson(state.OpponentTally);
    out["PlayerTallySaved"] = TallyToJson(state.PlayerTallySaved);
    out["WildcardPicked"] = state.WildcardPicked;
    out["TopCardPending"] = state.TopCardPending;
    out["PileFrozen"] = state.PileFrozen;
    out["HasDrawn"] = state.HasDrawn;
    out["BlackThreesAllowed"] = state.BlackThreesAllowed;
    out["PileTakeUndoable"] = state.PileTakeUndoable;
    out["NothingDrawnYet"] = state.NothingDrawnYet;
    out["OpponentScore"] = state.OpponentScore;
    out["PlayerScore"] = state.PlayerScore;
    out["OpponentMeldPoints"] = state.OpponentMeldPoints;
    out["WentOut"] = state.WentOut;
    out["PlayerMeldedBefore"] = state.PlayerMeldedBefore;
    out["OpponentMeldedBefore"] = state.OpponentMeldedBefore;
    out["TopMeldCountBefore"] = state.TopMeldCountBefore;
    out["TopNaturalsBefore"] = state.TopNaturalsBefore;
    out["NaturalPairNeeded"] = state.NaturalPairNeeded;
    out["CardsDrawn"] = state.CardsDrawn;
    out["PlayerMeldCount"] = state.PlayerMeldCount;
    out["PlayerHandCount"] = state.PlayerHandCount;
    out["OpponentHandCount"] = state.OpponentHandCount;
    out["OpponentMeldCount"] = state.OpponentMeldCount;
    out["DiscardCount"] = state.DiscardCount;
    out["KnownPlayerCards"] = PileToJson(state.KnownPlayerCards);
    out["KnownOpponentCards"] = PileToJson(state.KnownOpponentCards);
    out["TakenTopCard"] = state.TakenTopCard.cardId ? CardToJson(state.TakenTopCard) : Json();
    out["TakenTopRank"] = state.TakenTopRank;
    out["Prompt"] = state.Prompt;
    out["OpponentPhase"] = state.OpponentPhase;
    out["ErrorCode"] = state.ErrorCode;
    out["HandOverlap"] = state.HandOverlap;
    out["OpponentFaceUp"] = state.OpponentFaceUp;
    out["PlayerMinimum"] = state.PlayerMinimum;
    out["PlayerStartsNext"] = state.PlayerStartsNext;
    out["GameInProgress"] = state.GameInProgress;
    out["Rules"] = RulesToJson(state.Rules);
    out["RejectReason"] = state.RejectReason;
    out["PlayerLocked"] = state.PlayerLocked;
    out["StockExhausted"] = state.StockExhausted;
    out["EndHandRequested"] = state.EndHandRequested;
    out["status"] = statusText;
    return out;
}

}  // namespace tavolex::cli
