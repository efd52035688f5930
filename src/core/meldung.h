// What logic hands to a window instead of showing a message itself.
#pragma once

#include <QString>

enum class MeldungsArt { Information, Warnung, Fehler, Frage, FrageMitAbbrechen };

struct Meldung {
  MeldungsArt art = MeldungsArt::Information;
  QString text;
};

// The result of a file operation: empty text on success, otherwise the message for the player.
struct Ergebnis {
  QString fehler;
  bool abgebrochen = false;  // the player cancelled the work: nothing was written, nothing to report
  bool ok() const { return fehler.isEmpty() && !abgebrochen; }
};

// Sentences of a message are joined with two carriage returns.
inline const QString CRCR = QStringLiteral("\r\r");

// The messages for input/output errors, with the system's error text.
QString LeseFehler(const QString& pfad, const QString& systemText);
QString SchreibFehler(const QString& pfad, const QString& systemText);
