#include "dateidialoge.h"

#include <QFileDialog>
#include <QFileInfo>

#include "core/programmwerte.h"

QStringList QtFilter(const QString& filter) {
  QStringList ergebnis;
  const QStringList teile = filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < teile.size(); i += 2) {
    QString muster = teile[i + 1];
    muster.replace(QLatin1Char(';'), QLatin1Char(' '));
    ergebnis << QStringLiteral("%1 (%2)").arg(teile[i], muster);
  }
  return ergebnis;
}

QString MitEndung(const QString& pfad, const QString& endung) {
  if (pfad.isEmpty() || endung.isEmpty() || !QFileInfo(pfad).suffix().isEmpty()) return pfad;
  return pfad + QLatin1Char('.') + endung;
}

DateiDialog TippscheinOeffnenDialog(bool mehrere) {
  DateiDialog d;
  d.titel = QStringLiteral("Tippschein-Datei einlesen");
  d.filter = QStringLiteral("Tippschein-Datei|*.vnds");
  d.standardEndung = QStringLiteral("vnds");
  d.startOrdner = Werte().datenOrdner;
  d.mehrere = mehrere;
  return d;
}

namespace {
class QtDateiDialoge : public DateiDialogDienst {
 public:
  QStringList Oeffnen(const DateiDialog& d, QWidget* eltern) override {
    QFileDialog dialog(eltern, d.titel, d.startOrdner);
    dialog.setNameFilters(QtFilter(d.filter));
    dialog.setFileMode(d.mehrere ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(d.standardEndung);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
  }
  QString Speichern(const DateiDialog& d, QWidget* eltern) override {
    QFileDialog dialog(eltern, d.titel, d.startOrdner);
    dialog.setNameFilters(QtFilter(d.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(d.standardEndung);
    // Existing files are overwritten without asking; the writes keep the old file on failure.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!d.vorschlag.isEmpty()) dialog.selectFile(d.vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return MitEndung(dialog.selectedFiles().front(), d.standardEndung);
  }
};

QtDateiDialoge qtDialoge;
DateiDialogDienst* aktuell = &qtDialoge;
}  // namespace

DateiDialogDienst& DateiDialoge() { return *aktuell; }

DateiDialogDienst* DateiDialogDienstSetzen(DateiDialogDienst* dienst) {
  DateiDialogDienst* vorher = aktuell;
  aktuell = dienst ? dienst : &qtDialoge;
  return vorher;
}
