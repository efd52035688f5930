#include "testlogik.h"

#include <QFile>

#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "testserver.h"
#include "update/transfer.h"

void LogikTest::SetUp() {
  ASSERT_TRUE(tmp.isValid());
  Werte().datenOrdner = tmp.path() + QLatin1Char('/');
  Werte().testDatei = tmp.path() + QStringLiteral("/tmp.tmp");
  DownloadFragen = true;
  UpdateServerSetzen(TestServer::FreieAdresse());  // no test reaches the real server
  Ziehungen().NeuLaden(Pfad(QStringLiteral("fehlt.535")));
}

void LogikTest::TearDown() {
  Ziehungen().NeuLaden(Pfad(QStringLiteral("fehlt.535")));
  HeuteFestlegen({});
}

QString LogikTest::Pfad(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }

void LogikTest::ZiehungenSchreiben(const std::vector<std::pair<QString, std::vector<int>>>& ziehungen, const QString& name) {
  std::vector<TGewZahlen> liste;
  for (const auto& [datum, zahlen] : ziehungen) {
    TGewZahlen z;
    z.datum = *TextAlsDatum(datum);
    for (std::size_t i = 0; i < 5 && i < zahlen.size(); ++i) z.GZ[i] = static_cast<std::uint8_t>(zahlen[i]);
    liste.push_back(z);
  }
  ASSERT_TRUE(TZiehungsListe::Schreiben(liste, Pfad(name)).ok());
}

QByteArray LogikTest::DateiInhalt(const QString& name) const {
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
