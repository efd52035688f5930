// The settings file.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "core/einstellungen.h"
#include "core/schluessel.h"
#include "testlogik.h"

namespace {
class Ini : public LogikTest {
 protected:
  void SetUp() override {
    LogikTest::SetUp();
    e = Einstellungen();  // the file in this test's data folder
  }
  void Datei(const QByteArray& text) {
    QFile f(Pfad(QStringLiteral("Einstellungen.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QString Text() const { return QString::fromUtf8(DateiInhalt(QStringLiteral("Einstellungen.ini"))); }
  Einstellungen e;
};
}  // namespace

TEST_F(Ini, OhneDateiWirdNichtsGelesen) {
  EXPECT_FALSE(e.Existiert());
  EXPECT_EQ(e.Text("Zufall", "Anzahl", "12"), QStringLiteral("12"));
  EXPECT_EQ(e.Zahl("Position", "FAbbild-top", 70), 70);
  EXPECT_EQ(PreisJeReihe(e), 0.5f);
  EXPECT_FALSE(e.Existiert());  // the price conversion writes nothing without a file
  // The first write creates the file.
  ASSERT_TRUE(e.SchreibeBool("Spielscheine", "Merken", true).ok());
  EXPECT_TRUE(e.Existiert());
  EXPECT_TRUE(e.Wahr("spielscheine", "MERKEN", false));
}

TEST_F(Ini, WerteFormenUndGrossKleinschreibung) {
  Datei(
      "; Kommentar bleibt\n[Position]\nFAbbild-top=200\nhex1=$1F\nhex2=0x1F\nkaputt=12x\n"
      "[Spielscheine]\nMerken=2\n[Fremd]\nSchluessel=Wert mit  Blanks\n");
  EXPECT_EQ(e.Zahl("position", "fabbild-TOP", 70), 200);
  EXPECT_EQ(e.Zahl("Position", "hex1", 0), 31);
  EXPECT_EQ(e.Zahl("Position", "hex2", 0), 31);
  EXPECT_EQ(e.Zahl("Position", "kaputt", 5), 5);
  EXPECT_EQ(e.Zahl("Position", "fehlt", 9), 9);
  EXPECT_TRUE(e.Wahr("Spielscheine", "Merken", false));  // hand-written 2 reads as true
  EXPECT_FALSE(e.Wahr("Spielscheine", "fehlt", false));

  // A write changes its key only; sections, keys and comments stay.
  ASSERT_TRUE(e.SchreibeBool("SPIELSCHEINE", "merken", false).ok());
  EXPECT_FALSE(e.Wahr("Spielscheine", "Merken", true));
  const QString t = Text();
  EXPECT_TRUE(t.contains(QStringLiteral("; Kommentar bleibt")));
  EXPECT_TRUE(t.contains(QStringLiteral("Schluessel=Wert mit  Blanks")));
  EXPECT_TRUE(t.contains(QStringLiteral("FAbbild-top=200")));
  EXPECT_EQ(t.count(QStringLiteral("erken=")), 1);
  EXPECT_FALSE(Text().startsWith(QStringLiteral("\xEF\xBB\xBF")));
}

TEST_F(Ini, WindowsDateiMitUmlautenWirdGelesen) {
  Datei("[Spielscheine]\nDatei1=C:\\Tipps\\M\xE4rz \x80.vnds\n");  // Windows-1252
  EXPECT_EQ(e.Text("Spielscheine", "Datei1"), QStringLiteral("C:\\Tipps\\März €.vnds"));
  // Rewritten as UTF-8, the text stays the same.
  ASSERT_TRUE(e.SchreibeZahl("Spielscheine", "Dateienanzahl", 1).ok());
  EXPECT_EQ(e.Text("Spielscheine", "Datei1"), QStringLiteral("C:\\Tipps\\März €.vnds"));
}

TEST_F(Ini, PreisJeReihe) {
  // A file without "Abrechnung": 50,00 read, "0,50" written and used; the next start reads 0,50.
  Datei("[Spielscheine]\nMerken=1\n");
  EXPECT_EQ(PreisJeReihe(e), 0.5f);
  EXPECT_EQ(e.Text("Abrechnung", "Preis"), QStringLiteral("0,50"));
  EXPECT_EQ(PreisJeReihe(e), 0.5f);
  const std::pair<const char*, float> faelle[] = {{"0,75", 0.75f}, {"1,5", 1.5f}, {"abc", 0.5f}, {"0.75", 0.5f}};
  for (const auto& [text, preis] : faelle) {
    e.SchreibeText("Abrechnung", "Preis", text);
    EXPECT_EQ(PreisJeReihe(e), preis) << text;
    EXPECT_EQ(e.Text("Abrechnung", "Preis"), QString::fromUtf8(text)) << "nothing written for " << text;
  }
}

TEST_F(Ini, GemerkteDateien) {
  ASSERT_TRUE(e.SchreibeBool("Spielscheine", "Merken", true).ok());
  ASSERT_TRUE(DateienMerken(e, {"/a/1.vnds", "/a/2.vnds", "/a/3.vnds"}).ok());
  EXPECT_EQ(GemerkteDateien(e), (QStringList{"/a/1.vnds", "/a/2.vnds", "/a/3.vnds"}));
  EXPECT_FALSE(e.Wahr("Spielscheine", "Merken", false));  // the section is written anew
  ASSERT_TRUE(DateienMerken(e, {"/b/4.vnds"}).ok());
  EXPECT_EQ(GemerkteDateien(e), QStringList{"/b/4.vnds"});
  EXPECT_FALSE(Text().contains(QStringLiteral("Datei2")));

  // A hand-edited count beyond the listed keys does not run away.
  Datei("[Spielscheine]\nDateienanzahl=2000000000\nDatei1=/x.vnds\n");
  EXPECT_EQ(GemerkteDateien(e).size(), 2);
}

TEST_F(Ini, SchreibfehlerMeldung) {
  QDir().mkdir(Pfad("Einstellungen.ini"));  // a folder in the file's place
  const Ergebnis r = e.SchreibeBool("Spielscheine", "Merken", true);
  EXPECT_EQ(r.fehler, QStringLiteral("In %1 kann nicht geschrieben werden").arg(Pfad("Einstellungen.ini")));
}

TEST_F(Ini, JedeKodierungEinesEditorsWirdGelesen) {
  // The same settings as UTF-8 with and without byte-order mark, UTF-16 LE and BE with byte-order
  // mark (as Windows editors save them) and Windows-1252: every value is read, and the price
  // conversion of the start keeps every other key.
  const QString inhalt = QStringLiteral("[Zufall]\r\nBankzahlen=3,17\r\n[Spielscheine]\r\nDatei1=/tipps/März.vnds\r\n");
  auto utf16 = [&](bool le) {
    QByteArray b = le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (QChar c : inhalt) {
      const char hoch = static_cast<char>(c.unicode() >> 8), tief = static_cast<char>(c.unicode() & 0xFF);
      b.append(le ? tief : hoch).append(le ? hoch : tief);
    }
    return b;
  };
  const std::pair<const char*, QByteArray> faelle[] = {
      {"UTF-8", inhalt.toUtf8()},          {"UTF-8 mit BOM", "\xEF\xBB\xBF" + inhalt.toUtf8()},
      {"UTF-16 LE", utf16(true)},          {"UTF-16 BE", utf16(false)},
      {"Windows-1252", inhalt.toLatin1()},
  };
  for (const auto& [name, roh] : faelle) {
    Datei(roh);
    EXPECT_TRUE(EinstellungenGanzLesbar(roh)) << name;
    EXPECT_EQ(e.Text("Zufall", "Bankzahlen"), QStringLiteral("3,17")) << name;
    EXPECT_EQ(e.Text("Spielscheine", "Datei1"), QStringLiteral("/tipps/März.vnds")) << name;
    EXPECT_EQ(PreisJeReihe(e), 0.5f) << name;
    EXPECT_EQ(e.Text("Abrechnung", "Preis"), QStringLiteral("0,50")) << name;
    EXPECT_EQ(e.Text("Spielscheine", "Datei1"), QStringLiteral("/tipps/März.vnds")) << name;
  }
}

TEST_F(Ini, BeschaedigteDateiWirdNieNeuGeschriebenUndEinmalGemeldet) {
  // A file that cannot be read whole is used as if it held nothing (the defaults), is never written
  // from the part that could be read, and is reported once.
  QStringList gemeldet;
  QByteArray utf16("\xFF\xFE");
  for (QChar c : QStringLiteral("[Abrechnung]\nPreis=1,25\n")) utf16.append(static_cast<char>(c.unicode())).append('\0');
  static const char mitNul[] = "[Abrechnung]\nPreis=1,25\n\0\0\0[Zufall]\nAnzahl=7\n";
  const std::pair<const char*, QByteArray> faelle[] = {
      {"NUL-Bytes", QByteArray(mitNul, sizeof mitNul - 1)},
      {"UTF-16 abgeschnitten", utf16.left(utf16.size() - 1)},
      {"UTF-8 mitten im Zeichen abgeschnitten", QByteArray("[Abrechnung]\nPreis=1,25\n[Spielscheine]\nDatei1=/M\xC3")},
  };
  for (const auto& [name, roh] : faelle) {
    gemeldet.clear();
    EinstellungenMelderSetzen([&](const QString& t) { gemeldet << t; });
    Datei(roh);
    EXPECT_FALSE(EinstellungenGanzLesbar(roh)) << name;
    EXPECT_EQ(PreisJeReihe(e), 0.5f) << name;  // the default, not a part of the file
    EXPECT_EQ(e.Text("Zufall", "Anzahl", "12"), QStringLiteral("12")) << name;
    EXPECT_TRUE(e.SchreibeBool("Spielscheine", "Merken", true).ok()) << name;
    EXPECT_TRUE(DateienMerken(e, {"/a.vnds"}).ok()) << name;
    EXPECT_EQ(DateiInhalt("Einstellungen.ini"), roh) << name;                                    // never rewritten
    EXPECT_EQ(gemeldet, QStringList{EinstellungenUnlesbar(Pfad("Einstellungen.ini"))}) << name;  // once only
  }
  EinstellungenMelderSetzen({});
}

TEST_F(Ini, SchluesselTabelleMitVorgabeHexUndFehlenderDatei) {
  // Each key as declared once: its default without a file or key, hexadecimal integers, booleans
  // as 1/0, the name matched regardless of case.
  EXPECT_FALSE(e.Existiert());
  EXPECT_EQ(Schluessel::AbbildOben.Lesen(e), 70);
  EXPECT_EQ(Schluessel::Anhaengen.Lesen(e), true);
  EXPECT_EQ(Schluessel::Anzahl.Lesen(e), QStringLiteral("12"));
  EXPECT_EQ(Schluessel::Preis.Lesen(e), QStringLiteral("50,00"));
  EXPECT_FALSE(e.Existiert());  // reading creates nothing

  Datei("[position]\nfabbild-TOP=$C8\nFAbbild-left=0x10\n[Eingabe]\nFontsize=zwölf\n");
  EXPECT_EQ(Schluessel::AbbildOben.Lesen(e), 200);
  EXPECT_EQ(Schluessel::AbbildLinks.Lesen(e), 16);
  EXPECT_EQ(Schluessel::Schriftgroesse.Lesen(e), 10);  // no integer: the default

  ASSERT_TRUE(Schluessel::Merken.Schreiben(e, true).ok());
  ASSERT_TRUE(
      e.Schreiben(Schluessel::Ueberschreiben.Sektion(), {Schluessel::Ueberschreiben.Wert(true), Schluessel::Schriftgroesse.Wert(12)}).ok());
  EXPECT_TRUE(Text().contains(QStringLiteral("Merken=1")));
  EXPECT_TRUE(Text().contains(QStringLiteral("overwrite1=1")));
  EXPECT_TRUE(Schluessel::Merken.Lesen(e));
  EXPECT_EQ(Schluessel::Schriftgroesse.Lesen(e), 12);
  EXPECT_TRUE(Text().contains(QStringLiteral("fabbild-TOP=$C8")));  // other keys stay as they were
}
