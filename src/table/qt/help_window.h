// The help window: the program's own HTML pages, whose command links open the dialogs they
// describe.
#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace tavolex {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kContentsPage = "index.html";

    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
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
