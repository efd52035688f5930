// The message-box service: every message of the program goes through it, so tests can record
// messages and answer questions.
#pragma once

#include <QString>

#include "core/meldung.h"

class QWidget;

enum class Antwort { Ok, Ja, Nein, Abbrechen };

class MeldungsDienst {
 public:
  virtual ~MeldungsDienst() = default;
  // Shows the message and returns the button pressed. Information, warning and error have OK;
  // a question has "Ja"/"Nein", a question with cancel also "Abbrechen".
  virtual Antwort Zeigen(MeldungsArt art, const QString& text, QWidget* eltern) = 0;
};

// The service in use (the Qt message boxes unless a test installed another).
MeldungsDienst& Meldungen();
// Installs a service; nullptr restores the Qt message boxes. Returns the previous one.
MeldungsDienst* MeldungsDienstSetzen(MeldungsDienst* dienst);

Antwort Melden(MeldungsArt art, const QString& text, QWidget* eltern = nullptr);
inline void Information(const QString& text, QWidget* eltern = nullptr) { Melden(MeldungsArt::Information, text, eltern); }
inline void Warnung(const QString& text, QWidget* eltern = nullptr) { Melden(MeldungsArt::Warnung, text, eltern); }
inline void Fehler(const QString& text, QWidget* eltern = nullptr) { Melden(MeldungsArt::Fehler, text, eltern); }
inline Antwort Frage(const QString& text, QWidget* eltern = nullptr) { return Melden(MeldungsArt::Frage, text, eltern); }
inline Antwort FrageMitAbbrechen(const QString& text, QWidget* eltern = nullptr) {
  return Melden(MeldungsArt::FrageMitAbbrechen, text, eltern);
}
inline void Melden(const Meldung& m, QWidget* eltern = nullptr) { Melden(m.art, m.text, eltern); }
// Shows the error of a failed file operation; true when it succeeded.
bool ErgebnisMelden(const Ergebnis& e, QWidget* eltern = nullptr);
