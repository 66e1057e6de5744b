// Helpers for the Qt shell's offscreen tests: buttons found by their caption, the next modal
// dialog worked from the event loop, and a settings key written out as one comparable line.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>

#include "game/settings_store.h"

namespace tavolex::test {

// The push button, radio button or check box of widget that shows this caption.
inline QAbstractButton* Captioned(const QWidget* widget, const QString& caption) {
    for (auto* button : widget->findChildren<QAbstractButton*>()) {
        if (button->text() == caption) return button;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

// One of the standard buttons (OK, Cancel, Yes, ...) of a dialog's button box.
inline QPushButton* Standard(const QWidget* dialog, QDialogButtonBox::StandardButton which) {
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

// Works the next modal dialog once it is open; the caller then opens it (exec blocks).
inline void WhenModalOpens(std::function<void(QWidget*)> work) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, work] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        poll->deleteLater();
        poll->stop();
        work(dialog);
    });
    poll->start(5);
}

// The values stored under key as "name=value ..." in name order; names are kept in lower case.
inline std::string Stored(SettingsStore& settings, const std::string& key) {
    std::string text;
    for (const std::string& name : settings.GetValueNames(key)) {
        const SettingValue value = settings.ReadValue(key + "\\" + name, SettingValue{});
        text += (text.empty() ? "" : " ") + name + "=" +
                (std::holds_alternative<int64_t>(value) ? std::to_string(std::get<int64_t>(value))
                                                        : std::get<std::string>(value));
    }
    return text;
}

}  // namespace tavolex::test
