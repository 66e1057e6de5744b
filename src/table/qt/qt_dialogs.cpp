#include "table/qt/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "table/qt/details_dialog.h"
#include "table/qt/dialog_parts.h"
#include "table/qt/saved_game_dialog.h"
#include "table/qt/scoring_dialog.h"

namespace tavolex {

namespace {

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

void QtDialogs::Information(const std::string& text) {
    QMessageBox::information(parent_, kProgramCaption, ToQString(text));
}

void QtDialogs::Warning(const std::string& text) {
    QMessageBox::warning(parent_, kProgramCaption, ToQString(text));
}

void QtDialogs::Error(const std::string& text) {
    QMessageBox::critical(parent_, kProgramCaption, ToQString(text));
}

bool QtDialogs::AskYesNo(const std::string& text) {
    return QMessageBox::question(parent_, kProgramCaption, ToQString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& proposal) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, ToQString(caption), ToQString(prompt),
                                               QLineEdit::Normal, ToQString(proposal), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

bool QtDialogs::ShowScoring(const ScoringInfo& info) {
    TfmScoring dialog(info, parent_);
    return dialog.exec() == TfmScoring::kDetailsResult;
}

void QtDialogs::ShowDetails(const DetailsInfo& info) {
    TfmDetails dialog(info, parent_);
    dialog.exec();
}

GameOverAnswer QtDialogs::ShowGameOver(const GameOverInfo& info) {
    TfmGameOver dialog(info, reporting_, parent_);
    dialog.exec();
    return dialog.Answer();
}

std::optional<std::string> QtDialogs::AskSaveFileName(const std::string& proposal) {
    return Chosen(RunSavedGameDialog(SavedGameDialogKind::Save, ToQString(proposal), parent_));
}

std::optional<std::string> QtDialogs::AskLoadFileName() {
    return Chosen(RunSavedGameDialog(SavedGameDialogKind::Load, {}, parent_));
}

}  // namespace tavolex
