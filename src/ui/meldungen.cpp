#include "meldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/programmwerte.h"

namespace {
class QtMeldungen : public MeldungsDienst {
 public:
  Antwort Zeigen(MeldungsArt art, const QString& text, QWidget* eltern) override {
    QMessageBox box(eltern ? eltern : QApplication::activeWindow());
    box.setWindowTitle(Werte().titel);
    // Sentences joined by CR CR are shown as paragraphs.
    QString anzeige = text;
    anzeige.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(anzeige);
    QAbstractButton* ja = nullptr;
    QAbstractButton* nein = nullptr;
    QAbstractButton* abbrechen = nullptr;
    switch (art) {
      case MeldungsArt::Information: box.setIcon(QMessageBox::Information); break;
      case MeldungsArt::Warnung: box.setIcon(QMessageBox::Warning); break;
      case MeldungsArt::Fehler: box.setIcon(QMessageBox::Critical); break;
      case MeldungsArt::Frage:
      case MeldungsArt::FrageMitAbbrechen:
        box.setIcon(QMessageBox::Question);
        ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        if (art == MeldungsArt::FrageMitAbbrechen) abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(ja));
        box.setEscapeButton(abbrechen ? abbrechen : nein);
        break;
    }
    if (!ja) box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    if (!ja) return Antwort::Ok;
    if (box.clickedButton() == ja) return Antwort::Ja;
    if (box.clickedButton() == nein) return Antwort::Nein;
    return Antwort::Abbrechen;
  }
};

QtMeldungen qtMeldungen;
MeldungsDienst* aktuell = &qtMeldungen;
}  // namespace

MeldungsDienst& Meldungen() { return *aktuell; }

MeldungsDienst* MeldungsDienstSetzen(MeldungsDienst* dienst) {
  MeldungsDienst* vorher = aktuell;
  aktuell = dienst ? dienst : &qtMeldungen;
  return vorher;
}

Antwort Melden(MeldungsArt art, const QString& text, QWidget* eltern) { return Meldungen().Zeigen(art, text, eltern); }

bool ErgebnisMelden(const Ergebnis& e, QWidget* eltern) {
  if (e.ok()) return true;
  if (e.fehler.isEmpty()) return false;  // cancelled
  Fehler(e.fehler, eltern);
  return false;
}
