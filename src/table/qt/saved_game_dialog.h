// The file dialogs of the Save and Load commands.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace tavolex {

enum class SavedGameDialogKind { Save, Load };

// "Save Tavolex Game" (proposing a file name) or "Load Tavolex Game" (an existing file only),
// for ".tvx" files; both start in the folder last used in this run.
QFileDialog* MakeSavedGameDialog(SavedGameDialogKind kind, const QString& proposal,
                                 QWidget* parent);

// Runs the dialog; the chosen path, or an empty text when cancelled.
QString RunSavedGameDialog(SavedGameDialogKind kind, const QString& proposal, QWidget* parent);

}  // namespace tavolex
