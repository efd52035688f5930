// The settings file "Einstellungen.ini": Windows INI semantics (names match regardless of case,
// other sections, keys and comments kept), opened for every access and never held open.
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include <QList>
#include <QString>
#include <QStringList>

#include "meldung.h"

class Einstellungen {
 public:
  // Defaults to the settings file in the data folder.
  Einstellungen();
  explicit Einstellungen(QString pfad) : pfad_(std::move(pfad)) {}

  const QString& Pfad() const { return pfad_; }
  bool Existiert() const;

  QString Text(const QString& sektion, const QString& schluessel, const QString& vorgabe = QString()) const;
  // Decimal, or hexadecimal with "$" or "0x"; anything else reads as the default.
  int Zahl(const QString& sektion, const QString& schluessel, int vorgabe) const;
  // True when the stored integer is not 0.
  bool Wahr(const QString& sektion, const QString& schluessel, bool vorgabe) const;

  using Eintrag = std::pair<QString, QString>;  // key, value
  // All keys of a section in one read, in file order.
  QList<Eintrag> Sektion(const QString& sektion) const;

  // Writes keys of one section in one go; creates the file when it is missing.
  Ergebnis Schreiben(const QString& sektion, const QList<Eintrag>& eintraege) const;
  Ergebnis SchreibeText(const QString& sektion, const QString& schluessel, const QString& wert) const {
    return Schreiben(sektion, {{schluessel, wert}});
  }
  Ergebnis SchreibeZahl(const QString& sektion, const QString& schluessel, int wert) const {
    return Schreiben(sektion, {{schluessel, QString::number(wert)}});
  }
  Ergebnis SchreibeBool(const QString& sektion, const QString& schluessel, bool wert) const {
    return Schreiben(sektion, {{schluessel, wert ? QStringLiteral("1") : QStringLiteral("0")}});
  }
  // Erases the section and writes it anew with these keys (none: the section is gone).
  Ergebnis SektionErsetzen(const QString& sektion, const QList<Eintrag>& eintraege) const;

 private:
  std::optional<QString> Lesen(const QString& sektion, const QString& schluessel) const;
  QString pfad_;
};

// The price of one tip row: 0.50 without a settings file; otherwise "Preis" of "Abrechnung"
// (default "50,00", comma as decimal separator), where 50 is rewritten as "0,50" and used as 0.50.
// A text that is no number gives 0.50 and nothing is written. A failed write is returned in fehler.
float PreisJeReihe(const Einstellungen& einstellungen, Ergebnis* fehler = nullptr);

// The remembered ticket files: section "Spielscheine" rewritten with exactly these paths.
Ergebnis DateienMerken(const Einstellungen& einstellungen, const QStringList& pfade);
QStringList GemerkteDateien(const Einstellungen& einstellungen);

// The message of a refused settings write.
QString EinstellungenSchreibFehler(const QString& pfad);

// A settings file that cannot be read whole (NUL bytes, a broken or cut-off encoding) is used as if
// it held nothing and is never written: the player's file stays as it is. It is reported once per
// run through the reporter the windows install (none: nothing is shown).
QString EinstellungenUnlesbar(const QString& pfad);
void EinstellungenMelderSetzen(std::function<void(const QString&)> melder);
// Whether settings file contents can be read whole (UTF-8 with or without byte-order mark, UTF-16
// with byte-order mark, Windows-1252).
bool EinstellungenGanzLesbar(const QByteArray& inhalt);
