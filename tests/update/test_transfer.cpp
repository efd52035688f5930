// The transfer routine against a real HTTP server on 127.0.0.1, the checks of downloaded files,
// the maker's tool and the self-removal script.
#include <chrono>
#include <cstring>
#include <thread>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "testlogik.h"
#include "testserver.h"
#include "update/selbstentfernung.h"
#include "update/transfer.h"

namespace {
class Transfer : public LogikTest {
 protected:
  void Vorher(const QByteArray& inhalt) {
    QFile f(Pfad("ziel"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
  }
  TestServer server;
};
}  // namespace

TEST_F(Transfer, ErfolgUndFehlschlaege) {
  const QByteArray gz = ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 5}) + ZiehungsSatz("08.03.2024", {6, 7, 8, 9, 10});
  server.Setzen("/downloads/GZ.535", gz);
  server.Setzen("/downloads/drei", "abc");
  server.Setzen("/downloads/fehlerseite", "<html>Wartung</html>", 503);
  server.Setzen("/downloads/kaputt", gz + ZiehungsSatz("09.03.2024", {1, 1, 2, 3, 4}));
  Vorher("alt");

  EXPECT_TRUE(UrlDownload(server.Adresse() + "GZ.535", Pfad("ziel"), &ZiehungsdateiPruefen).ok);
  EXPECT_EQ(DateiInhalt("ziel"), gz);
  EXPECT_EQ(DateiInhalt("tmp.tmp"), gz);               // the test file stays behind
  EXPECT_EQ(server.Anfragen("/downloads/GZ.535"), 1);  // asked once

  Vorher("alt");
  const std::pair<const char*, QString> fehler[] = {{"drei", "alt"}, {"fehlt", "alt"}, {"fehlerseite", "alt"}, {"kaputt", "alt"}};
  for (const auto& [datei, rest] : fehler) {
    const Uebertragung u = UrlDownload(server.Adresse() + datei, Pfad("ziel"), &ZiehungsdateiPruefen);
    EXPECT_FALSE(u.ok) << datei;
    EXPECT_FALSE(u.grund.isEmpty()) << datei;
    EXPECT_EQ(DateiInhalt("ziel"), rest.toLatin1()) << datei;
  }
  EXPECT_FALSE(UrlDownload(TestServer::FreieAdresse() + "GZ.535", Pfad("ziel")).ok);  // refused
  Arbeitsstand stand;
  stand.abbrechen = true;
  EXPECT_FALSE(UrlDownload(server.Adresse() + "GZ.535", Pfad("ziel"), {}, &stand).ok);
  EXPECT_EQ(DateiInhalt("ziel"), QByteArray("alt"));
}

TEST(Ziehungsdatei, Pruefung) {
  const QByteArray a = ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 5}), b = ZiehungsSatz("08.03.2024", {35, 7, 8, 9, 10});
  EXPECT_FALSE(ZiehungsdateiPruefen(a + b));
  EXPECT_FALSE(ZiehungsdateiPruefen(a + a));  // equal dates are not decreasing
  const QByteArray faelle[] = {QByteArray(),
                               a + b.left(8),
                               b + a,
                               ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 36}),
                               ZiehungsSatz("01.03.2024", {0, 2, 3, 4, 5}),
                               ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 4})};
  for (const auto& f : faelle) EXPECT_TRUE(ZiehungsdateiPruefen(f)) << f.size();
}

TEST(Versionsdatei, LetzterGanzerSatz) {
  const QByteArray eins = VersionsSatz("1.2.3.0", 46000), zwei = VersionsSatz("1.2.3.1", 46001);
  EXPECT_EQ(eins.size(), 24);
  EXPECT_EQ(VerfuegbareVersion(eins), QStringLiteral("1.2.3.0"));
  EXPECT_EQ(VerfuegbareVersion(eins + zwei), QStringLiteral("1.2.3.1"));          // 48 bytes
  EXPECT_EQ(VerfuegbareVersion(eins + zwei.left(6)), QStringLiteral("1.2.3.0"));  // 30 bytes
  EXPECT_FALSE(VerfuegbareVersion(eins.left(23)));
  QByteArray lang = VersionsSatz("123456789012345", 0);
  lang[8] = static_cast<char>(200);  // a length byte above 15 reads as 15
  EXPECT_EQ(VerfuegbareVersion(lang), QStringLiteral("123456789012345"));
}

TEST_F(Transfer, WerkzeugFuerDieServerdateien) {
  QFile liste(Pfad("ziehungen.txt"));
  ASSERT_TRUE(liste.open(QIODevice::WriteOnly));
  liste.write("# Vandora\n01.03.2024 1 2 3 4 5\n\n08.03.2024, 35, 7, 8, 9, 10\n");
  liste.close();
  EXPECT_EQ(QProcess::execute(SERVERDATEIEN, {"ziehungen", Pfad("ziehungen.txt"), Pfad("GZ.535")}), 0);
  EXPECT_EQ(DateiInhalt("GZ.535"), ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 5}) + ZiehungsSatz("08.03.2024", {35, 7, 8, 9, 10}));
  EXPECT_EQ(QProcess::execute(SERVERDATEIEN, {"version", "1.2.3.0", Pfad("verinfos.vdx")}), 0);
  EXPECT_EQ(VerfuegbareVersion(DateiInhalt("verinfos.vdx")), QStringLiteral("1.2.3.0"));

  // A checked list: a repeated number and a date going back are refused, nothing is written.
  ASSERT_TRUE(liste.open(QIODevice::WriteOnly));
  liste.write("08.03.2024 1 2 3 4 5\n01.03.2024 6 7 8 9 10\n");
  liste.close();
  EXPECT_EQ(QProcess::execute(SERVERDATEIEN, {"ziehungen", Pfad("ziehungen.txt"), Pfad("neu.535")}), 1);
  EXPECT_FALSE(QFile::exists(Pfad("neu.535")));
}

TEST_F(Transfer, SelbstentfernungsSkript) {
  QDir().mkpath(Pfad("programm"));
  const QString datei = Pfad("programm/kelvaro");
  QFile f(datei);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  const QString skript = SelbstentfernungSchreiben(datei, Pfad("programm/"));
  ASSERT_FALSE(skript.isEmpty());
  EXPECT_TRUE(QFileInfo(skript).fileName().startsWith(QStringLiteral("uis")));
  QFile s(skript);
  ASSERT_TRUE(s.open(QIODevice::ReadOnly));
  const QStringList zeilen = QString::fromUtf8(s.readAll()).split(QLatin1Char('\n'));
  s.close();
  EXPECT_TRUE(zeilen.contains(QStringLiteral("  rm -f '%1'").arg(datei)));
  EXPECT_TRUE(zeilen.contains(QStringLiteral("while [ -e '%1' ] && [ $n -lt 60 ]; do").arg(datei)));  // bounded
  EXPECT_TRUE(zeilen.contains(QStringLiteral("rmdir '%1' 2>/dev/null").arg(Pfad("programm/"))));
  EXPECT_TRUE(zeilen.contains(QStringLiteral("rm -f '%1'").arg(skript)));

  // Run as the program would leave it behind: the file, the empty folder and the script go.
  EXPECT_EQ(QProcess::execute("/bin/sh", {skript}), 0);
  EXPECT_FALSE(QFile::exists(datei));
  EXPECT_FALSE(QFileInfo::exists(Pfad("programm")));
  EXPECT_FALSE(QFile::exists(skript));
}

TEST(Versionsdatei, NurEineSchlichteVersionIstEinErgebnis) {
  // An error page with status 200, random bytes or a text that is no version: a failed check.
  QByteArray html = "<html><head><title>Fehler</title></head><body><p>Seite nicht gefunden</p></body></html>";
  QByteArray zufall(48, '\0');
  for (int i = 0; i < zufall.size(); ++i) zufall[i] = static_cast<char>((i * 97 + 13) & 0xFF);
  const std::pair<const char*, QByteArray> faelle[] = {
      {"HTML-Seite", html},
      {"Zufallsbytes", zufall},
      {"Buchstaben", VersionsSatz("1.2.3a", 0)},
      {"leer", VersionsSatz("", 0)},
      {"Punkt am Ende", VersionsSatz("1.2.", 0)},
      {"Steuerzeichen", VersionsSatz("1.2\n3", 0)},
  };
  for (const auto& [name, datei] : faelle) EXPECT_FALSE(VerfuegbareVersion(datei)) << name;
  EXPECT_EQ(VerfuegbareVersion(VersionsSatz("10.0", 0)), QStringLiteral("10.0"));
}

TEST_F(Transfer, ZwischendateiFolgtKeinerVerknuepfung) {
  // Another user's link in the test file's place: the download never writes through it.
  const QByteArray gz = ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 5});
  server.Setzen("/downloads/GZ.535", gz);
  QFile fremd(Pfad("fremde-datei"));
  ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
  fremd.write("gehört einem anderen");
  fremd.close();
  ASSERT_TRUE(QFile::link(Pfad("fremde-datei"), Werte().testDatei));
  EXPECT_TRUE(UrlDownload(server.Adresse() + "GZ.535", Pfad("ziel")).ok);
  EXPECT_EQ(DateiInhalt("fremde-datei"), QByteArray("gehört einem anderen"));
  EXPECT_EQ(DateiInhalt("ziel"), gz);
  EXPECT_FALSE(QFileInfo(Werte().testDatei).isSymLink());
}

TEST_F(Transfer, LangsameStockendeUndStossweiseServer) {
  // 2 KB in small pieces at about 1 KB/s, in bursts, and with a stall of 3 s halfway: each arrives
  // whole (a stall ends a transfer only after 60 s without a byte); a cancel is no failure.
  QByteArray gz;
  for (int i = 0; i < 128; ++i) gz += ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 5});
  server.Setzen("/downloads/GZ.535", gz);
  const std::pair<const char*, TestServer::Drossel> faelle[] = {
      {"langsam", {32, 30, 0}},
      {"stoßweise", {700, 600, 0}},
      {"stockend", {512, 10, 3000}},
  };
  for (const auto& [name, drossel] : faelle) {
    server.Drosseln("/downloads/GZ.535", drossel);
    QFile::remove(Pfad("ziel"));
    const Uebertragung u = UrlDownload(server.Adresse() + "GZ.535", Pfad("ziel"), &ZiehungsdateiPruefen);
    EXPECT_TRUE(u.ok) << name << ": " << u.grund.toStdString();
    EXPECT_EQ(DateiInhalt("ziel"), gz) << name;
  }
  Arbeitsstand stand;
  std::thread abbruch([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    stand.abbrechen = true;
  });
  server.Drosseln("/downloads/GZ.535", {16, 50, 0});
  const Uebertragung u = UrlDownload(server.Adresse() + "GZ.535", Pfad("ziel2"), {}, &stand);
  abbruch.join();
  EXPECT_FALSE(u.ok);
  EXPECT_TRUE(u.abgebrochen);
  EXPECT_TRUE(u.grund.isEmpty());
  EXPECT_FALSE(QFile::exists(Pfad("ziel2")));
}
