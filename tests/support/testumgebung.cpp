#include "testumgebung.h"

#include "testserver.h"

#include <QAction>
#include <QFile>

#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "update/transfer.h"

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
  ASSERT_TRUE(tmp.isValid());
  Werte().datenOrdner = tmp.path() + QLatin1Char('/');
  Werte().testDatei = tmp.path() + QStringLiteral("/tmp.tmp");
  DownloadFragen = true;
  UpdateServerSetzen(TestServer::FreieAdresse());  // no test reaches the real server
  Ziehungen().NeuLaden(Pfad(QStringLiteral("fehlt.535")));
  alteMeldungen_ = MeldungsDienstSetzen(&meldungen);
  alteDialoge_ = DateiDialogDienstSetzen(&dialoge);
  altePlattform_ = PlattformSetzen(&plattform);
}

void DatenOrdnerTest::TearDown() {
  MeldungsDienstSetzen(alteMeldungen_);
  DateiDialogDienstSetzen(alteDialoge_);
  PlattformSetzen(altePlattform_);
  Ziehungen().NeuLaden(Pfad(QStringLiteral("fehlt.535")));
  HeuteFestlegen({});
}

QString DatenOrdnerTest::Pfad(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }

void DatenOrdnerTest::ZiehungenSchreiben(const std::vector<std::pair<QString, std::vector<int>>>& ziehungen,
                                         const QString& name) {
  std::vector<TGewZahlen> liste;
  for (const auto& [datum, zahlen] : ziehungen) {
    TGewZahlen z;
    z.datum = *TextAlsDatum(datum);
    for (std::size_t i = 0; i < 5 && i < zahlen.size(); ++i) z.GZ[i] = static_cast<std::uint8_t>(zahlen[i]);
    liste.push_back(z);
  }
  ASSERT_TRUE(TZiehungsListe::Schreiben(liste, Pfad(name)).ok());
}

QByteArray DatenOrdnerTest::DateiInhalt(const QString& name) const {
  QFile f(Pfad(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

Tabelle Reihen(const std::vector<std::vector<int>>& reihen) {
  Tabelle t = Tabelle::Reihentabelle();
  int z = 0;
  for (const auto& r : reihen) {
    ++z;
    t.SetzeZelle(z, 0, QString::number(z));
    for (std::size_t s = 0; s < r.size(); ++s) t.SetzeZelle(z, static_cast<int>(s) + 1, QString::number(r[s]));
  }
  t.SetzeZeilen(z + 1);
  return t;
}

QByteArray ZiehungsSatz(const char* datum, std::array<int, 5> zahlen) {
  TGewZahlen g;
  g.datum = *TextAlsDatum(QString::fromLatin1(datum));
  for (std::size_t i = 0; i < 5; ++i) g.GZ[i] = static_cast<std::uint8_t>(zahlen[i]);
  return QByteArray(reinterpret_cast<const char*>(&g), sizeof g);
}

void Ausloesen(const QString& aktionsId) { Aktionen::Aktion(aktionsId)->trigger(); }
