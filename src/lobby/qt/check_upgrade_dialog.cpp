#include "lobby/qt/check_upgrade_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "lobby/qt/http_client.h"
#include "lobby/qt/web_requests.h"
#include "table/qt/dialog_parts.h"

namespace tavolex {

namespace {

std::string CurrentVersion() {
#ifdef TAVOLEX_VERSION
    return TAVOLEX_VERSION;
#else
    return kUnknownVersion;
#endif
}

QLabel* NamedLabel(const char* name, const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

TfmCheckUpgrade::TfmCheckUpgrade(HttpClient& http, const std::string& webServer, QWidget* parent)
    : QDialog(parent), webServer_(webServer) {
    setObjectName(QStringLiteral("TfmCheckUpgrade"));
    setWindowTitle(kProgramCaption);
    lbCurrent_ = NamedLabel("lbCurrent");
    lbLatest_ = NamedLabel("lbLatest");
    lbLaterVersion_ =
        NamedLabel("lbLaterVersion", QStringLiteral("There is a later version available."));
    QFont bold = lbLaterVersion_->font();
    bold.setBold(true);
    lbLaterVersion_->setFont(bold);
    btDownload_ = new QPushButton(QStringLiteral("Download Now"));
    btDownload_->setObjectName(QStringLiteral("btDownload"));
    auto* btClose = new QPushButton(QStringLiteral("Close"));
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setDefault(true);
    connect(btDownload_, &QPushButton::clicked, this, &TfmCheckUpgrade::btDownloadClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btDownload_);
    buttons->addWidget(btClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addWidget(lbCurrent_);
    layout->addWidget(lbLatest_);
    layout->addSpacing(6);
    layout->addWidget(lbLaterVersion_);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string current = CurrentVersion();
    const HttpAnswer answer = http.HttpGet(WebAddress(webServer_, kVersionPath));
    const std::string latest = answer.ok ? LatestVersionFromAnswer(answer.body) : kUnknownVersion;
    lbCurrent_->setText(QStringLiteral("You currently have version ") + ToQString(current));
    lbLatest_->setText(QStringLiteral("The latest version is ") + ToQString(latest));
    const bool later = IsLaterVersion(current, latest);
    btDownload_->setEnabled(later);
    lbLaterVersion_->setVisible(later);
    QApplication::restoreOverrideCursor();
}

void TfmCheckUpgrade::btDownloadClick() {
    OpenPage(WebAddress(webServer_, kSetupPath));
    accept();
}

}  // namespace tavolex
