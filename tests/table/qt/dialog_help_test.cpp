// The help window: its pages are all there, and command links reach the table as signals.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBrowser>

#include "table/qt/about_box.h"
#include "table/qt/help_window.h"

namespace tavolex {
namespace {

TEST(HelpWindow, CommandLinksEmitTheirParameterAndPageLinksNavigate) {
    HelpWindow help;
    help.ShowContents();
    auto* browser = help.findChild<QTextBrowser*>();
    EXPECT_TRUE(browser->toPlainText().contains("Tavolex Help"));

    QSignalSpy commands(&help, &HelpWindow::HelpCommand);
    emit browser->anchorClicked(QUrl(QStringLiteral("tavolex:9999?3")));
    emit browser->anchorClicked(QUrl(QStringLiteral("tavolex:9999?x")));
    emit browser->anchorClicked(QUrl(QStringLiteral("tavolex:1234?2")));
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 3);

    emit browser->anchorClicked(QUrl(QStringLiteral("rules.html#canastas")));
    EXPECT_EQ(browser->source().fileName(), "rules.html");
}

// Every link of every page leads to a page that exists or to one of the five commands.
TEST(HelpWindow, EveryLinkOfThePagesLeadsSomewhere) {
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 5);
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (const auto& match : link.globalMatch(html)) {
            const QUrl target(match.captured(1));
            if (target.scheme() == QLatin1String("tavolex")) {
                const int parameter = target.query().toInt();
                EXPECT_TRUE(target.path() == "9999" && parameter >= 0 && parameter <= 4)
                    << page.toStdString() << ": " << match.captured(1).toStdString();
            } else {
                EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target.path()))
                    << page.toStdString() << ": " << match.captured(1).toStdString();
            }
        }
    }
}

TEST(TfmAbout, ShowsTheVersionAndTheCompiledInBuild) {
    EXPECT_EQ(TfmAbout::BuildText(), QStringLiteral("Build ") + TAVOLEX_VERSION);
}

}  // namespace
}  // namespace tavolex
