#include "table/qt/help_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tavolex {

namespace {

const QString kHelpRoot = QStringLiteral("qrc:/help/");
// Command links read "tavolex:9999?2": the command and its parameter.
const QString kCommandScheme = QStringLiteral("tavolex");
const QString kHelpCommand = QStringLiteral("9999");

QPushButton* ToolButton(const QString& caption, const QString& whatsThis) {
    auto* button = new QPushButton(caption);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setWhatsThis(whatsThis);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tavolex Help"));
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);

    QPushButton* contents =
        ToolButton(QStringLiteral("&Contents"), QStringLiteral("Shows the list of help topics."));
    QPushButton* back =
        ToolButton(QStringLiteral("&Back"), QStringLiteral("Returns to the page shown before."));
    QPushButton* forward =
        ToolButton(QStringLiteral("&Forward"), QStringLiteral("Goes forward again after Back."));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);

    auto* tools = new QHBoxLayout;
    tools->addWidget(contents);
    tools->addWidget(back);
    tools->addWidget(forward);
    tools->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(tools);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpWindow::ShowContents() {
    ShowTopic(QLatin1String(kContentsPage));
}

void HelpWindow::ShowTopic(const QString& topic) {
    browser_->setSource(QUrl(kHelpRoot + topic));
    BringToFront();
}

void HelpWindow::BringToFront() {
    show();
    raise();
    activateWindow();
}

void HelpWindow::FollowLink(const QUrl& link) {
    if (link.scheme() == kCommandScheme) {
        bool valid = false;
        const int parameter = link.query().toInt(&valid);
        if (link.path() == kHelpCommand && valid) emit HelpCommand(parameter);
        return;
    }
    const QUrl target = browser_->source().resolved(link);
    if (target.scheme() == QLatin1String("qrc")) {
        browser_->setSource(target);
    } else {
        QDesktopServices::openUrl(target);
    }
}

}  // namespace tavolex
