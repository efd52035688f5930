#include "testumgebung.h"

#include <QAction>
#include <QApplication>
#include <QFile>

Antwort MeldungsRekorder::Zeigen(MeldungsArt art, const QString& text, QWidget*) {
  meldungen.emplace_back(art, text);
  if (art != MeldungsArt::Frage && art != MeldungsArt::FrageMitAbbrechen) return Antwort::Ok;
  if (antworten.empty()) return Antwort::Nein;
  const Antwort a = antworten.front();
  antworten.pop_front();
  return a;
}

QStringList MeldungsRekorder::Texte() const {
  QStringList t;
  for (const auto& [art, text] : meldungen) t << text;
  return t;
}

QStringList DateiDialogAttrappe::Oeffnen(const DateiDialog& dialog, QWidget*) {
  gefragt.push_back(dialog);
  if (oeffnen.empty()) return {};
  QStringList w = oeffnen.front();
  oeffnen.pop_front();
  return w;
}

QString DateiDialogAttrappe::Speichern(const DateiDialog& dialog, QWidget*) {
  gefragt.push_back(dialog);
  if (speichern.empty()) return {};
  QString w = speichern.front();
  speichern.pop_front();
  return MitEndung(w, dialog.standardEndung);
}

void DatenOrdnerTest::SetUp() {
  LogikTest::SetUp();
  alteMeldungen_ = MeldungsDienstSetzen(&meldungen);
  alteDialoge_ = DateiDialogDienstSetzen(&dialoge);
  altePlattform_ = PlattformSetzen(&plattform);
}

void DatenOrdnerTest::TearDown() {
  MeldungsDienstSetzen(alteMeldungen_);
  DateiDialogDienstSetzen(alteDialoge_);
  PlattformSetzen(altePlattform_);
  LogikTest::TearDown();
}

KleineSchrift::KleineSchrift() : vorher(QApplication::font()) {
  QFont klein = vorher;
  klein.setPointSize(8);
  QApplication::setFont(klein);
}

KleineSchrift::~KleineSchrift() { QApplication::setFont(vorher); }

void Ausloesen(const QString& aktionsId) { Aktionen::Aktion(aktionsId)->trigger(); }

BilderSchrift::BilderSchrift() : vorher(QApplication::font()) {
  if (const int punkt = qEnvironmentVariableIntValue("KELVARO_PUNKT"); punkt > 0) {
    QFont f = vorher;
    f.setPointSize(punkt);
    QApplication::setFont(f);
  }
}

BilderSchrift::~BilderSchrift() { QApplication::setFont(vorher); }
