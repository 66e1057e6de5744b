// The status line's prompt and error tables.
#pragma once

namespace tavolex {

constexpr int kPromptCount = 10;
constexpr int kErrorCount = 10;

enum PromptCode : int {
    kPromptDraw = 0,
    kPromptMeldOrDiscard = 1,
    kPromptMeldOrDiscardTwice = 2,
    kPromptTakingPile = 3,
    kPromptSecondCard = 4,
    kPromptKeyMeld = 5,
    kPromptKeyDiscard = 6,
    kPromptKeyWild = 7,
    kPromptOpponentTurn = 8,
    kPromptHandOver = 9,
};

enum ErrorCodeValue : int {
    kErrorNone = 0,
    kErrorMeldBeforeDraw = 1,
    kErrorDiscardBeforeDraw = 2,
    kErrorAlreadyDrawn = 3,
    kErrorCannotDiscard = 4,
    kErrorCannotTakePile = 5,
    kErrorBlackThrees = 6,
    kErrorSevenWildcards = 7,
    kErrorNoWildCanasta = 8,
    kErrorOneCardPile = 9,
};

extern const char* const kPromptTexts[kPromptCount];
extern const char* const kErrorTexts[kErrorCount];
extern const char* const kStockExhaustedPrompt;

}  // namespace tavolex
