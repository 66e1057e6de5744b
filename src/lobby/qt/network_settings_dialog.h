// "Network Play Settings": the proxy the web services go through.
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class QLineEdit;

namespace tavolex {

class SettingsStore;
struct SettingKey;

class TfmNetworkSettings : public QDialog {
    Q_OBJECT
  public:
    TfmNetworkSettings(SettingsStore& settings, QWidget* parent = nullptr);

    // Shows the dialog modally; on OK the four fields are written back to the settings and the
    // answer is true, so the caller hands them to the HTTP client.
    static bool Run(SettingsStore& settings, QWidget* parent);

  private:
    void btOKClick();

    SettingsStore& settings_;
    // edProxyServer, edProxyPort, edProxyPass and edProxyUser with the values they show.
    std::vector<std::pair<const SettingKey*, QLineEdit*>> fields_;
};

}  // namespace tavolex
