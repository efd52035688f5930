#include "reihenspeichern.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include "core/programmwerte.h"
#include "core/schein.h"
#include "ui/dateidialoge.h"
#include "ui/hintergrund.h"
#include "ui/meldungen.h"
#include "ui/tabellenexport.h"

bool TabelleLeer(const TabellenDaten& tabelle, const QString& was, QWidget* eltern) {
  if (!tabelle.Zelle(1, 1).isEmpty()) return false;
  Fehler(QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu %1.").arg(was) + CRCR + QStringLiteral("Ich breche erst einmal ab."),
         eltern);
  return true;
}

QString AlsTippscheinSpeichern(const TabellenDaten& tabelle, const QString& titel, const QString& gesamt, const QString& meine,
                               QWidget* eltern) {
  DateiDialog d;
  d.titel = titel;
  d.filter = QStringLiteral("Tippschein-Datei|*.vnds");
  d.standardEndung = QStringLiteral("vnds");
  d.startOrdner = Werte().datenOrdner;
  const QString pfad = DateiDialoge().Speichern(d, eltern);
  if (pfad.isEmpty()) return {};
  // The share check comes after the file was chosen; an empty field counts as 1.
  const int ges = gesamt.isEmpty() ? 1 : gesamt.toInt();
  const int eigene = meine.isEmpty() ? 1 : meine.toInt();
  if (ges < eigene) {
    Fehler(QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger als die Ihrigen sein.") + CRCR +
               QStringLiteral("Der Speichervorgang wird abgebrochen."),
           eltern);
    return {};
  }
  Arbeitsstand stand;
  const Ergebnis e = ImHintergrund<Ergebnis>(eltern, NurText(QStringLiteral("Der Tippschein wird gespeichert …")), stand, [&] {
    return ScheinSchreiben(tabelle, QString::number(ges), QString::number(eigene), pfad, &stand);
  });
  return ErgebnisMelden(e, eltern) ? pfad : QString();
}

QString AlsCsvSpeichern(const TabellenDaten& tabelle, QWidget* eltern) {
  DateiDialog d;
  d.titel = QStringLiteral("Als CSV-Datei speichern...");
  d.filter = QStringLiteral("CSV-Datei|*.csv");
  d.standardEndung = QStringLiteral("csv");
  d.startOrdner = Werte().datenOrdner;
  const QString pfad = DateiDialoge().Speichern(d, eltern);
  if (pfad.isEmpty()) return {};
  Arbeitsstand stand;
  const Ergebnis e = ImHintergrund<Ergebnis>(eltern, NurText(QStringLiteral("Die CSV-Datei wird geschrieben …")), stand,
                                             [&] { return CsvSchreiben(tabelle, pfad, &stand); });
  return ErgebnisMelden(e, eltern) ? pfad : QString();
}

QString GespeichertIn(const QString& pfad) { return QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName(); }

void TippscheinSpeichernKlick(const TabellenDaten& tabelle, const QString& titel, const QLineEdit* gesamt, const QLineEdit* meine,
                              QLabel* dateiLabel, QWidget* eltern) {
  if (TabelleLeer(tabelle, QStringLiteral("speichern"), eltern)) return;
  const QString pfad = AlsTippscheinSpeichern(tabelle, titel, gesamt->text(), meine->text(), eltern);
  if (!pfad.isEmpty()) dateiLabel->setText(GespeichertIn(pfad));
}

void CsvSpeichernKlick(const TabellenDaten& tabelle, QLabel* dateiLabel, QWidget* eltern) {
  if (TabelleLeer(tabelle, QStringLiteral("speichern"), eltern)) return;
  if (const QString pfad = AlsCsvSpeichern(tabelle, eltern); !pfad.isEmpty()) dateiLabel->setText(GespeichertIn(pfad));
}

void ExcelExportKlick(const TabellenDaten& tabelle, QWidget* eltern) {
  if (TabelleLeer(tabelle, QStringLiteral("exportieren"), eltern)) return;
  ExcelExport(tabelle, QStringLiteral("Tippreihen"), 6, eltern);
}
