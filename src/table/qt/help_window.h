// The help window: the program's own HTML pages, whose command links open the dialogs they
// describe.
#pragma once

#include <QEvent>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace tavolex {

// Command 9999 of the help pages as the table window receives it: posted, so that the dialog it
// opens runs outside the link's click.
class HelpCommandEvent : public QEvent {
  public:
    static constexpr Type kType = static_cast<Type>(9999);
    explicit HelpCommandEvent(int parameter) : QEvent(kType), parameter(parameter) {}
    const int parameter;
};

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kContentsPage = "index.html";

    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // Shows the window in front at the page it shows.
    void BringToFront();
    // A page of the help, optionally with an anchor ("rules.html#frozen").
    void ShowTopic(const QString& topic);

  signals:
    // A link of the help asked for command 9999 with this parameter (0 Customize "Players",
    // 1 Customize "General", 2 Rules "Red Threes", 3 Rules "Canastas", 4 Rules "Discard Pile").
    void HelpCommand(int parameter);

  private:
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;
};

}  // namespace tavolex
