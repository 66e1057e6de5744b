// "Tavolex Chat": the two players of a network game talk here. The window lives as long as the
// network game; closing it only hides it, and a received line shows it again.
#pragma once

#include <QTimer>
#include <QWidget>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace tavolex {

class SettingsStore;

class TfmChat : public QWidget {
    Q_OBJECT
  public:
    // A top-level window of its own (not a child of the table window, so it can go behind it
    // when it does not stay on top); its owner destroys it when the network game ends. It opens
    // where it was last, or where the table window is, stays on top as "Network\Chat on Top"
    // says and starts hidden. ownNetName begins every line the player sends.
    TfmChat(SettingsStore& settings, const std::string& ownNetName, const QWidget* tableWindow);
    // Stores the window's position and size.
    ~TfmChat() override;

    // Appends a line (Latin-1 bytes, cut to 255 characters); the memo keeps the last 101 lines.
    void AddLine(const std::string& line);
    // A line from the opponent: shows the window, highlights the memo for a moment and adds the
    // line cleaned of control and framing characters.
    void ShowReceived(const std::string& line);
    // Switches between staying above every window and a normal window (the table window keeps
    // the choice under "Network\Chat on Top").
    void SetStayOnTop(bool onTop);
    // While no match runs, Enter sends nothing.
    void SetMatchRunning(bool running) { matchRunning_ = running; }

  signals:
    // The player typed a line and pressed Enter: the whole line as the opponent is to see it
    // (nickname, ": ", text, cleaned), already added here.
    void lineEntered(const std::string& line);
    // F6 to F10 pressed in the input: table commands, which the table window carries out.
    void functionKey(int key);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PlaceWindow(const QWidget* tableWindow);
    void ApplyFont(const QFont& font);
    void LayOut();
    void SetMemoColor(const QColor& color);
    void edChatEnter();
    void ChangeFontClick();
    void tmMessageTimer();

    SettingsStore& settings_;
    std::string ownNetName_;
    bool matchRunning_ = true;
    QPlainTextEdit* mmChat_ = nullptr;
    QLineEdit* edChat_ = nullptr;
    // Ends the highlight of a received line.
    QTimer tmMessage_;
};

}  // namespace tavolex
