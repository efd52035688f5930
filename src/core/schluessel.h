// Every key of the settings file, declared once with its section, name, type and default; the
// windows read and write them through these declarations.
#pragma once

#include <QList>
#include <QString>

#include "einstellungen.h"

// One key: a string, an integer (decimal, or hexadecimal with "$"/"0x" when read) or a boolean
// (written 1/0, read true for any integer other than 0). A missing key or file reads the default.
template <typename T>
struct Einstellung {
  const char* sektion;
  const char* name;
  T vorgabe;

  QString Sektion() const { return QString::fromLatin1(sektion); }
  QString Name() const { return QString::fromLatin1(name); }
  T Lesen(const Einstellungen& e) const;
  Ergebnis Schreiben(const Einstellungen& e, const T& wert) const { return e.Schreiben(Sektion(), {Wert(wert)}); }
  // The key with a value, for several keys of one section in one write.
  Einstellungen::Eintrag Wert(const T& wert) const;
};

template <>
inline QString Einstellung<QString>::Lesen(const Einstellungen& e) const {
  return e.Text(Sektion(), Name(), vorgabe);
}
template <>
inline int Einstellung<int>::Lesen(const Einstellungen& e) const {
  return e.Zahl(Sektion(), Name(), vorgabe);
}
template <>
inline bool Einstellung<bool>::Lesen(const Einstellungen& e) const {
  return e.Wahr(Sektion(), Name(), vorgabe);
}
template <>
inline Einstellungen::Eintrag Einstellung<QString>::Wert(const QString& wert) const {
  return {Name(), wert};
}
template <>
inline Einstellungen::Eintrag Einstellung<int>::Wert(const int& wert) const {
  return {Name(), QString::number(wert)};
}
template <>
inline Einstellungen::Eintrag Einstellung<bool>::Wert(const bool& wert) const {
  return {Name(), wert ? QStringLiteral("1") : QStringLiteral("0")};
}

namespace Schluessel {
// The main window: the remembered ticket files ("Datei1", "Datei2", ... below).
inline const Einstellung<bool> Merken{"Spielscheine", "Merken", false};
inline const Einstellung<int> Dateienanzahl{"Spielscheine", "Dateienanzahl", 0};
inline QString DateiName(int i) { return QStringLiteral("Datei%1").arg(i); }
// The price of a tip row, comma as decimal separator.
inline const Einstellung<QString> Preis{"Abrechnung", "Preis", QStringLiteral("50,00")};
// The ticket editor.
inline const Einstellung<bool> Ueberschreiben{"Eingabe", "overwrite1", false};
inline const Einstellung<bool> Anhaengen{"Eingabe", "overwrite2", true};
inline const Einstellung<int> Schriftgroesse{"Eingabe", "Fontsize", 10};
// The random tip window: the row count as typed and the three number groups ("3,17,22").
inline const Einstellung<QString> Anzahl{"Zufall", "Anzahl", QStringLiteral("12")};
inline const Einstellung<QString> Bankzahlen{"Zufall", "Bankzahlen", QString()};
inline const Einstellung<QString> Quotenkiller{"Zufall", "Quotenkiller", QString()};
inline const Einstellung<QString> Favoriten{"Zufall", "Favoriten", QString()};
// Snapshot windows: the folder of the last save and the position of every new window.
inline const Einstellung<QString> AbbildPfad{"Abbild", "Pfad", QString()};
inline const Einstellung<int> AbbildLinks{"Position", "FAbbild-left", 0};
inline const Einstellung<int> AbbildOben{"Position", "FAbbild-top", 70};
}  // namespace Schluessel
