// The update window: the draw history download, the version check and the installer update.
#pragma once

#include <optional>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TFUpdate : public QWidget {
  Q_OBJECT
 public:
  TFUpdate();
  // Registers how the window is made under its name "FUpdate".
  static void Registrieren();

  bool GZDownload();
  // When the draw list is empty: asks (unless already agreed) and downloads. After a download it
  // only reports a list that is still empty.
  void FehlendeZiehungenPruefen(bool nachDownload = false);
  void BPruefenClick();
  void BDownloadClick();
  void BInstallationClick();

  QLineEdit* Verfuegbar() const { return verfuegbar_; }
  QPushButton* Download() const { return bDownload_; }
  QPushButton* Installation() const { return bInstallation_; }

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  QLineEdit* installiert_;
  QLineEdit* verfuegbar_;
  QPushButton* bDownload_;
  QPushButton* bInstallation_;
  QLabel* paketHinweis_ = nullptr;
  bool abgebrochen_ = false;  // the last draw download was cancelled by the player
};

// The messages of the update window.
QString DownloadGescheitert();
QString PaketHinweis();

// Whether the update window may download and start a new version's installer: a build setting,
// off where the system's package manager installed the program. Tests can set it (nullopt: the
// build setting again).
bool SelbstUpdateMoeglich();
void SelbstUpdateFestlegen(std::optional<bool> moeglich);
