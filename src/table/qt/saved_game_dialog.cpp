#include "table/qt/saved_game_dialog.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace tavolex {

namespace {
QString lastFolder;
}  // namespace

QFileDialog* MakeSavedGameDialog(SavedGameDialogKind kind, const QString& proposal,
                                 QWidget* parent) {
    const bool save = kind == SavedGameDialogKind::Save;
    if (lastFolder.isEmpty()) {
        lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    auto* dialog = new QFileDialog(
        parent, save ? QStringLiteral("Save Tavolex Game") : QStringLiteral("Load Tavolex Game"),
        lastFolder);
    dialog->setNameFilters(
        {QStringLiteral("Tavolex Games (*.tvx)"), QStringLiteral("All Files (*)")});
    dialog->setDefaultSuffix(QStringLiteral("tvx"));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dialog->selectFile(proposal);
    return dialog;
}

QString RunSavedGameDialog(SavedGameDialogKind kind, const QString& proposal, QWidget* parent) {
    std::unique_ptr<QFileDialog> dialog(MakeSavedGameDialog(kind, proposal, parent));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    const QString path = dialog->selectedFiles().first();
    lastFolder = QFileInfo(path).absolutePath();
    return path;
}

}  // namespace tavolex
