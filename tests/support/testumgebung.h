// Test seams of the windows: a message recorder, queued file-dialog answers, a fake desktop, on
// top of the fresh data folder of every test.
#pragma once

#include <deque>

#include <QFont>

#include "app/aktionen.h"
#include "platform/plattform.h"
#include "testlogik.h"
#include "ui/dateidialoge.h"
#include "ui/meldungen.h"

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
class DatenOrdnerTest : public LogikTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  MeldungsRekorder meldungen;
  DateiDialogAttrappe dialoge;
  FakePlattform plattform;

 private:
  MeldungsDienst* alteMeldungen_ = nullptr;
  DateiDialogDienst* alteDialoge_ = nullptr;
  Plattform* altePlattform_ = nullptr;
};

// The small font the windows' pixel sizes were made for (8 point) while it lives.
struct KleineSchrift {
  KleineSchrift();
  ~KleineSchrift();
  QFont vorher;
};

// For pictures at another size: the application font at KELVARO_PUNKT points while it lives (no
// change when the variable is not set).
struct BilderSchrift {
  BilderSchrift();
  ~BilderSchrift();
  QFont vorher;
};

// Triggers one of the program's actions (a tool-bar button or menu entry of any window).
void Ausloesen(const QString& aktionsId);
