// The Rules dialog as the user works it: pages, lock, dependent boxes, "Hoyle Rules" and OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>

#include "table/headless_game.h"
#include "table/qt/rules_dialog.h"
#include "table/rules_change.h"

namespace tavolex {
namespace {

QCheckBox* Box(TfmRules& dialog, const char* name) {
    QCheckBox* box = dialog.findChild<QCheckBox*>(QLatin1String(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

TEST(TfmRules, DependentBoxesFollowTheirParentAndCaptionFollowsTheGoOutChoice) {
    TfmRules dialog(RuleOptions{}, false);
    EXPECT_TRUE(Box(dialog, "ckInitBlock")->isEnabled());
    Box(dialog, "ckInitFreeze")->click();
    EXPECT_FALSE(Box(dialog, "ckInitBlock")->isEnabled());
    Box(dialog, "ckNaturalPair")->click();
    EXPECT_FALSE(Box(dialog, "ckAddExisting")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("lbWarning"))->isVisibleTo(&dialog));

    EXPECT_EQ(Box(dialog, "ckRequired")->text(),
              "At least one Canasta required for positive score");
    dialog.findChild<QGroupBox*>(QStringLiteral("rgGoOut"))
        ->findChildren<QRadioButton*>()
        .at(1)
        ->click();
    EXPECT_EQ(Box(dialog, "ckRequired")->text(),
              "At least two Canastas required for positive score");
}

TEST(TfmRules, LockedDuringAMatchWithTheRedWarning) {
    TfmRules dialog(RuleOptions{}, true);
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    }
    EXPECT_FALSE(dialog.findChild<QGroupBox*>(QStringLiteral("rgDrawn"))->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("bnHoyle"))->isEnabled());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lbWarning"))->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.Options(), RuleOptions{});
}

TEST(TfmRules, HoyleRulesSetsTheControlsAndTheirDependents) {
    TfmRules dialog(RuleOptions{}, false);
    dialog.findChild<QPushButton*>(QStringLiteral("bnHoyle"))->click();
    EXPECT_EQ(dialog.Options(), HoyleRules());
    EXPECT_FALSE(Box(dialog, "ckAddExisting")->isEnabled());
    EXPECT_EQ(Box(dialog, "ckRequired")->text(),
              "At least two Canastas required for positive score");
}

TEST(TfmRules, OpensOnTheRequestedPageAndRemembersTheLastOne) {
    TfmRules::SetOpeningPage(kRulesCanastasPage);
    {
        TfmRules dialog(RuleOptions{}, false);
        auto* pages = dialog.findChild<QTabWidget*>();
        EXPECT_EQ(pages->tabText(pages->currentIndex()), "Canastas");
        pages->setCurrentIndex(kRulesOtherPage);
        dialog.reject();
    }
    TfmRules dialog(RuleOptions{}, false);
    auto* pages = dialog.findChild<QTabWidget*>();
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "Other");
    TfmRules::SetOpeningPage(kRulesDiscardPilePage);
}

// A control without its own text takes the one of the group around it.
TEST(TfmRules, WhatsThisMenuOfARadioItemIsTheGroups) {
    TfmRules dialog(RuleOptions{}, false);
    dialog.show();
    auto* group = dialog.findChild<QGroupBox*>(QStringLiteral("rgDrawn"));
    QSignalSpy requests(group, &QWidget::customContextMenuRequested);
    QString offered;
    QTimer::singleShot(0, [&offered] {
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        offered = menu->actions().value(0)->text();
        menu->close();
    });
    QRadioButton* item = group->findChildren<QRadioButton*>().at(0);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            item->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(item, &event);
    EXPECT_EQ(requests.count(), 1);
    EXPECT_EQ(offered, "What's This?");
}

TEST(RunRulesDialog, OkAppliesTheControlsAndCancelChangesNothing) {
    HeadlessGame game;
    auto pressHoyleThen = [](QDialogButtonBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QPushButton*>(QStringLiteral("bnHoyle"))->click();
            dialog->findChild<QDialogButtonBox*>()->button(button)->click();
        });
    };
    pressHoyleThen(QDialogButtonBox::Cancel);
    EXPECT_FALSE(RunRulesDialog(game.table, nullptr));
    EXPECT_EQ(game.table.rules(), RuleOptions{});
    EXPECT_FALSE(game.settings.ValueExists("Settings\\Number of Cards"));

    pressHoyleThen(QDialogButtonBox::Ok);
    EXPECT_TRUE(RunRulesDialog(game.table, nullptr));
    EXPECT_EQ(game.table.rules(), HoyleRules());
    EXPECT_EQ(LoadRuleOptions(game.settings), HoyleRules());
}

}  // namespace
}  // namespace tavolex
