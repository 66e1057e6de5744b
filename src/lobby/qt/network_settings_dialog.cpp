#include "lobby/qt/network_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "game/settings_store.h"
#include "storage/settings_keys.h"
#include "table/qt/dialog_parts.h"

namespace tavolex {

TfmNetworkSettings::TfmNetworkSettings(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("TfmNetworkSettings"));
    setWindowTitle(QStringLiteral("Network Play Settings"));
    auto* group = new QGroupBox(QStringLiteral("Proxy Server"));
    auto* form = new QFormLayout(group);
    struct Field {
        const char* name;
        const char* label;
        const SettingKey& key;
    };
    for (const Field& field : {Field{"edProxyServer", "Address", kProxyServerKey},
                               Field{"edProxyPort", "Port", kProxyPortKey},
                               Field{"edProxyPass", "Password", kProxyPassKey},
                               Field{"edProxyUser", "User", kProxyUserKey}}) {
        auto* edit = new QLineEdit(ToQString(ReadTextSetting(settings_, field.key)));
        edit->setObjectName(QLatin1String(field.name));
        edit->setMinimumWidth(220);
        form->addRow(QLatin1String(field.label), edit);
        fields_.emplace_back(&field.key, edit);
    }
    fields_[2].second->setEchoMode(QLineEdit::Password);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmNetworkSettings::btOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfmNetworkSettings::btOKClick() {
    for (const auto& [key, edit] : fields_)
        settings_.WriteValue(key->path, edit->text().toStdString());
    accept();
}

bool TfmNetworkSettings::Run(SettingsStore& settings, QWidget* parent) {
    return TfmNetworkSettings(settings, parent).exec() == QDialog::Accepted;
}

}  // namespace tavolex
