#include "table/qt/interim_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tavolex {

namespace {

constexpr const char* kCaption = "Tavolex";
constexpr const char* kFilter = "Tavolex Games (*.tvx);;All Files (*)";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::optional<std::string> Chosen(const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

}  // namespace

void InterimDialogs::Information(const std::string& text) {
    QMessageBox::information(parent_, kCaption, Q(text));
}

void InterimDialogs::Warning(const std::string& text) {
    QMessageBox::warning(parent_, kCaption, Q(text));
}

void InterimDialogs::Error(const std::string& text) {
    QMessageBox::critical(parent_, kCaption, Q(text));
}

bool InterimDialogs::AskYesNo(const std::string& text) {
    return QMessageBox::question(parent_, kCaption, Q(text)) == QMessageBox::Yes;
}

std::optional<std::string> InterimDialogs::InputBox(const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& proposal) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, Q(caption), Q(prompt), QLineEdit::Normal, Q(proposal), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

bool InterimDialogs::ShowScoring(const ScoringInfo& info) {
    QMessageBox::information(parent_, "Scoring Results",
                             QString("Your Score: %1\n%2 %3")
                                 .arg(info.playerTotal)
                                 .arg(Q(info.opponentLabel))
                                 .arg(info.opponentTotal));
    return false;
}

GameOverAnswer InterimDialogs::ShowGameOver(const GameOverInfo& info) {
    const QString text = QString("Game Over\n%1\nYour Score: %2\n%3 %4\nDifference: %5\n\n")
                             .arg(Q(info.comment))
                             .arg(info.playerScore)
                             .arg(Q(info.opponentScoreLabel))
                             .arg(info.opponentScore)
                             .arg(info.margin) +
                         "Do you want to play another game?";
    return QMessageBox::question(parent_, kCaption, text) == QMessageBox::Yes ? GameOverAnswer::Yes
                                                                              : GameOverAnswer::No;
}

std::optional<std::string> InterimDialogs::AskSaveFileName(const std::string& proposal) {
    return Chosen(QFileDialog::getSaveFileName(parent_, "Save Tavolex Game", Q(proposal), kFilter));
}

std::optional<std::string> InterimDialogs::AskLoadFileName() {
    return Chosen(QFileDialog::getOpenFileName(parent_, "Load Tavolex Game", {}, kFilter));
}

}  // namespace tavolex
