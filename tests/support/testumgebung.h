// Test seams: a message recorder, queued file-dialog answers and a fresh data folder per test.
#pragma once

#include <array>
#include <deque>
#include <ostream>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/aktionen.h"
#include "core/tabelle.h"
#include "platform/plattform.h"
#include "ui/dateidialoge.h"
#include "ui/meldungen.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Keeps every message (kind and exact text) and answers questions from a queue (default: Nein).
class MeldungsRekorder : public MeldungsDienst {
 public:
  Antwort Zeigen(MeldungsArt art, const QString& text, QWidget* eltern) override;
  std::vector<std::pair<MeldungsArt, QString>> meldungen;
  std::deque<Antwort> antworten;
  QStringList Texte() const;
};

// Answers open and save dialogs from queues and keeps what was asked.
class DateiDialogAttrappe : public DateiDialogDienst {
 public:
  QStringList Oeffnen(const DateiDialog& dialog, QWidget* eltern) override;
  QString Speichern(const DateiDialog& dialog, QWidget* eltern) override;
  std::deque<QStringList> oeffnen;
  std::deque<QString> speichern;
  std::vector<DateiDialog> gefragt;
};

// The desktop as a test sees it: records what the program asks of it.
class FakePlattform : public Plattform {
 public:
  bool IstOnline() override { return online; }
  bool UrlOeffnen(const QUrl& adresse) override {
    geoeffnet << adresse.toString();
    return true;
  }
  bool TabellenProgrammVorhanden() override { return tabellenProgramm; }
  bool TabelleOeffnen(const QString& datei) override {
    tabellen << datei;
    return true;
  }
  bool InstallerStarten(const QString& datei) override {
    installer << datei;
    return installerStartet;
  }
  bool SkriptStarten(const QString& skript, const QString&) override {
    skripte << skript;
    return true;
  }
  void SofortBeenden() override { beendet = true; }
  bool RechnerStarten() override {
    ++rechner;
    return true;
  }
  int rechner = 0;
  bool online = true;
  bool tabellenProgramm = true;
  bool installerStartet = true;
  bool beendet = false;
  QStringList geoeffnet, tabellen, installer, skripte;
};

// Each test gets an empty data folder, an empty draw list, the recorder, the dialog fake and the
// desktop fake (no test starts a browser or a spreadsheet program).
class DatenOrdnerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  QString Pfad(const QString& name) const;
  // A draw history file with draws (date text "dd.MM.yyyy", five numbers).
  void ZiehungenSchreiben(const std::vector<std::pair<QString, std::vector<int>>>& ziehungen,
                          const QString& name = QStringLiteral("GZ.535"));
  QByteArray DateiInhalt(const QString& name) const;

  QTemporaryDir tmp;
  MeldungsRekorder meldungen;
  DateiDialogAttrappe dialoge;
  FakePlattform plattform;

 private:
  MeldungsDienst* alteMeldungen_ = nullptr;
  DateiDialogDienst* alteDialoge_ = nullptr;
  Plattform* altePlattform_ = nullptr;
};

// Triggers one of the program's actions (a tool-bar button or menu entry of any window).
void Ausloesen(const QString& aktionsId);

// One 16-byte record of a draw history file.
QByteArray ZiehungsSatz(const char* datum, std::array<int, 5> zahlen);

// A row table with these rows.
Tabelle Reihen(const std::vector<std::vector<int>>& reihen);
