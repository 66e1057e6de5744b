// "Check Upgrade": this program's version against the latest one the web server names, with a
// download when a later one exists.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace tavolex {

class HttpClient;

class TfmCheckUpgrade : public QDialog {
    Q_OBJECT
  public:
    // Asks the web server as it is created; the hourglass shows meanwhile.
    TfmCheckUpgrade(HttpClient& http, const std::string& webServer, QWidget* parent = nullptr);

  private:
    void btDownloadClick();

    std::string webServer_;
    QLabel* lbCurrent_ = nullptr;
    QLabel* lbLatest_ = nullptr;
    QLabel* lbLaterVersion_ = nullptr;
    QPushButton* btDownload_ = nullptr;
};

}  // namespace tavolex
