// Snapshots of a result panel: a window per picture, copied to the clipboard or saved as JPEG.
#pragma once

#include <QImage>
#include <QMainWindow>

class QLabel;
class QSlider;

class TFAbbild : public QMainWindow {
  Q_OBJECT
 public:
  // Runs the creation steps: position from the settings, the snapshot folder (created when none
  // is set).
  TFAbbild();

  // Registers the snapshot of a panel as the program's snapshot service.
  static void Registrieren();

  void SetzeBild(const QImage& bild);
  const QImage& Bild() const { return bild_; }
  void BSpeichernClick();
  void BKopierenClick();
  QSlider* Qualitaet() const { return qualitaet_; }

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  QImage bild_;
  QLabel* anzeige_;
  QSlider* qualitaet_;
};

// The folder of the last snapshot save, shared by all snapshot windows.
QString& AbbildOrdner();

// Takes the panel as the screen shows it, marks it "© Kelvaro" at (width - 118, 63) and shows it in
// a new snapshot window "FAbbild" + counter; `abschneiden` pixel rows are cut off at the bottom.
TFAbbild* PanelAbbild(QWidget* panel, const QString& titel, int abschneiden);
