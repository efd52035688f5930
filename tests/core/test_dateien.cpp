// The draw history file, ticket files and row text files.
#include <sys/resource.h>
#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>
#include <QFile>

#include "core/datum.h"
#include "core/schein.h"
#include "core/ziehungen.h"
#include "testlogik.h"

namespace {
class Dateien : public LogikTest {
 protected:
  void Schreiben(const QString& name, const QByteArray& daten) {
    QFile f(Pfad(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(daten);
  }
  static QByteArray Satz(double datum, std::array<std::uint8_t, 5> z, std::array<std::uint8_t, 3> reserviert = {}) {
    QByteArray b(16, '\0');
    std::memcpy(b.data(), &datum, 8);
    std::memcpy(b.data() + 8, z.data(), 5);
    std::memcpy(b.data() + 13, reserviert.data(), 3);
    return b;
  }
};

}  // namespace

TEST_F(Dateien, ZiehungenLadenGanzeSaetzeUndTeilsatz) {
  const double d = *TextAlsDatum(QStringLiteral("03.01.2024"));
  // 35 bytes: two draws and a 3-byte part record that is ignored.
  Schreiben(QStringLiteral("GZ.535"), Satz(d, {1, 2, 3, 4, 5}) + Satz(d + 7, {35, 9, 8, 7, 6}) + QByteArray("xyz"));
  TZiehungsListe liste;
  ASSERT_TRUE(liste.Laden(Pfad(QStringLiteral("GZ.535"))).ok());
  ASSERT_EQ(liste.Anzahl(), 2);
  EXPECT_EQ(liste.Eintrag(1).GZ[0], 35);  // stored order kept
  EXPECT_EQ(liste.DatumsTexte(), (QStringList{QStringLiteral("03.01.2024"), QStringLiteral("10.01.2024")}));

  Schreiben(QStringLiteral("leer.535"), {});
  ASSERT_TRUE(liste.NeuLaden(Pfad(QStringLiteral("leer.535"))).ok());
  EXPECT_EQ(liste.Anzahl(), 0);
  Schreiben(QStringLiteral("teil.535"), "abc");  // only a part record
  ASSERT_TRUE(liste.NeuLaden(Pfad(QStringLiteral("teil.535"))).ok());
  EXPECT_EQ(liste.Anzahl(), 0);
  ASSERT_TRUE(liste.NeuLaden(Pfad(QStringLiteral("gibtsnicht.535"))).ok());  // missing: no error
  EXPECT_EQ(liste.Anzahl(), 0);

  // A folder in place of the file: the system's error text, the list keeps what it had.
  QDir().mkdir(Pfad(QStringLiteral("ordner.535")));
  const Ergebnis e = liste.Laden(Pfad(QStringLiteral("ordner.535")));
  EXPECT_FALSE(e.ok());
  EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht gelesen werden"))) << e.fehler.toStdString();
}

TEST_F(Dateien, ZiehungSpeichernBehaeltReservierteBytesUndDateilaenge) {
  const double d = *TextAlsDatum(QStringLiteral("30.12.2023"));
  Schreiben(QStringLiteral("GZ.535"), Satz(d, {1, 2, 3, 4, 5}, {7, 8, 9}) + Satz(d + 1, {6, 7, 8, 9, 10}));
  TZiehungsListe liste;
  liste.Laden(Pfad(QStringLiteral("GZ.535")));
  EXPECT_EQ(DatumAlsText(liste.NeuesDatum()), QStringLiteral("01.01.2024"));

  const std::uint8_t neu[5] = {4, 9, 17, 22, 30};
  ASSERT_TRUE(liste.AnhaengenUndSpeichern(liste.NeuesDatum(), neu, Pfad(QStringLiteral("GZ.535"))).ok());
  QByteArray datei = DateiInhalt(QStringLiteral("GZ.535"));
  ASSERT_EQ(datei.size(), 48);
  EXPECT_EQ(datei.mid(13, 3), QByteArray("\x07\x08\x09"));    // written back as read
  EXPECT_EQ(datei.mid(32), Satz(d + 2, {4, 9, 17, 22, 30}));  // new record, reserved 0

  // A correction rewrites the numbers in place: same length, same date.
  const std::uint8_t korrigiert[5] = {1, 2, 3, 4, 35};
  ASSERT_TRUE(liste.ErsetzenUndSpeichern(0, d, korrigiert, Pfad(QStringLiteral("GZ.535"))).ok());
  datei = DateiInhalt(QStringLiteral("GZ.535"));
  EXPECT_EQ(datei.size(), 48);
  EXPECT_EQ(datei.left(16), Satz(d, {1, 2, 3, 4, 35}, {7, 8, 9}));

  TZiehungsListe leer;
  HeuteFestlegen([] { return QDate(2026, 12, 10); });
  EXPECT_EQ(DatumAlsText(leer.NeuesDatum()), QStringLiteral("10.12.2026"));
}

TEST_F(Dateien, FehlgeschlagenesSpeichernBehaeltDateiUndListe) {
  const double d = *TextAlsDatum(QStringLiteral("03.01.2024"));
  QByteArray alt;
  for (int i = 0; i < 8; ++i) alt += Satz(d + i, {1, 2, 3, 4, 5});
  Schreiben(QStringLiteral("GZ.535"), alt);
  TZiehungsListe liste;
  liste.Laden(Pfad(QStringLiteral("GZ.535")));
  const std::uint8_t neu[5] = {4, 9, 17, 22, 30};
  Ergebnis e;
  {
    DateiGroessenGrenze grenze(100);  // 9 records (144 bytes) no longer fit
    e = liste.AnhaengenUndSpeichern(d + 8, neu, Pfad(QStringLiteral("GZ.535")));
  }
  EXPECT_FALSE(e.ok());
  EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht geschrieben werden")));
  EXPECT_EQ(DateiInhalt(QStringLiteral("GZ.535")), alt);
  EXPECT_EQ(liste.Anzahl(), 8);
}

TEST_F(Dateien, ScheinLesenUndSchreiben) {
  // Three records; the shares of the first count even where later records differ.
  QByteArray daten;
  const std::uint8_t saetze[3][10] = {{1, 2, 3, 4, 5, 0, 3, 0, 1, 0}, {6, 7, 8, 9, 10, 0, 5, 0, 5, 0}, {11, 12, 13, 14, 15, 0, 3, 0, 1, 0}};
  for (const auto& s : saetze) daten.append(reinterpret_cast<const char*>(s), 10);
  Schreiben(QStringLiteral("a.vnds"), daten);
  Tabelle t = Tabelle::Reihentabelle();
  QString ges = QStringLiteral("1"), meine = QStringLiteral("1");
  ASSERT_TRUE(ScheinLesen(t, ges, meine, Pfad(QStringLiteral("a.vnds"))).ok());
  EXPECT_EQ(t.Zeilen(), 4);
  EXPECT_EQ(t.Zelle(3, 0), QStringLiteral("3"));
  EXPECT_EQ(t.Zelle(2, 5), QStringLiteral("10"));
  EXPECT_EQ(ges, QStringLiteral("3"));
  EXPECT_EQ(meine, QStringLiteral("1"));

  // Written back: the same bytes, with the shares of the fields in every record.
  ASSERT_TRUE(ScheinSchreiben(t, ges, meine, Pfad(QStringLiteral("b.vnds"))).ok());
  QByteArray erwartet = daten;
  erwartet[16] = 3;
  erwartet[18] = 1;
  EXPECT_EQ(DateiInhalt(QStringLiteral("b.vnds")), erwartet);
  // Empty share fields count as 1.
  ASSERT_TRUE(ScheinSchreiben(Reihen({{1, 2, 3, 4, 5}}), {}, {}, Pfad(QStringLiteral("c.vnds"))).ok());
  EXPECT_EQ(DateiInhalt(QStringLiteral("c.vnds")), QByteArray("\x01\x02\x03\x04\x05\x00\x01\x00\x01\x00", 10));

  // 25 bytes: two rows. An empty file: header only, share texts unchanged.
  Schreiben(QStringLiteral("d.vnds"), daten.left(25));
  ScheinLesen(t, ges, meine, Pfad(QStringLiteral("d.vnds")));
  EXPECT_EQ(t.Zeilen(), 3);
  Schreiben(QStringLiteral("e.vnds"), {});
  ges = QStringLiteral("7");
  ScheinLesen(t, ges, meine, Pfad(QStringLiteral("e.vnds")));
  EXPECT_EQ(t.Zeilen(), 1);
  EXPECT_EQ(ges, QStringLiteral("7"));
}

TEST(Csv, ZeilenUndQuoting) {
  const std::pair<QStringList, const char*> faelle[] = {
      {{"4", "11", "17", "23", "35"}, "4,11,17,23,35"},
      {{"a b", "c,d", "e\"f", "g\th"}, "\"a b\",\"c,d\",\"e\"\"f\",\"g\th\""},
      {{"1", "", "3"}, "1,,3"},
      {{""}, "\"\""},
      {{}, ""},
  };
  for (const auto& [zellen, erwartet] : faelle) EXPECT_EQ(CsvZeile(zellen), QString::fromUtf8(erwartet));
}

TEST_F(Dateien, CsvSchreibenUndLesen) {
  ASSERT_TRUE(CsvSchreiben(Reihen({{4, 11, 17, 23, 35}, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}), Pfad("r.csv")).ok());
  EXPECT_EQ(DateiInhalt("r.csv"), QByteArray("4,11,17,23,35\r\n1,2,3,4,5\r\n6,7,8,9,10\r\n"));
  // The first data row decides the columns: two numbers there, two values on every line.
  ASSERT_TRUE(CsvSchreiben(Reihen({{4, 11}, {1, 2, 3, 4, 5}}), Pfad("s.csv")).ok());
  EXPECT_EQ(DateiInhalt("s.csv"), QByteArray("4,11\r\n1,2\r\n"));

  Schreiben("t.csv", "1,2,3,4,5\r\n\r\n\"\"\r\n6,7,8,9,10\n1,2,3,4,5,6,7\r\n,8,9,\r\n");
  Tabelle t = Tabelle::Reihentabelle();
  EXPECT_EQ(CsvLesen(t, Pfad("t.csv")), 4);
  EXPECT_EQ(t.Zeilen(), 5);
  EXPECT_EQ(t.Zelle(2, 0), QStringLiteral("2"));
  EXPECT_EQ(t.Zelle(2, 5), QStringLiteral("10"));
  EXPECT_EQ(t.Zelle(3, 7), QStringLiteral("7"));  // kept beyond the visible columns
  EXPECT_EQ(t.GespeicherteSpalten(3), 8);
  EXPECT_EQ(t.Zelle(4, 1), QString());  // leading comma: empty first part
  EXPECT_EQ(t.Zelle(4, 3), QStringLiteral("9"));
  EXPECT_EQ(t.GespeicherteSpalten(4), 4);  // trailing comma: no empty last part
  // Quotes are not interpreted when reading.
  Schreiben("u.csv", "\"1 2\",3\r\n");
  EXPECT_EQ(CsvLesen(t, Pfad("u.csv")), 1);
  EXPECT_EQ(t.Zelle(1, 1), QStringLiteral("\"1 2\""));
}

TEST_F(Dateien, AbgebrochenesSchreibenAendertKeineDateiUndLesenEndet) {
  const Tabelle t = Reihen({{4, 11, 17, 23, 35}, {1, 2, 3, 4, 5}});
  Schreiben("alt.csv", "alt\r\n");
  Schreiben("alt.vnds", "alt");
  Arbeitsstand stand;
  stand.abbrechen = true;
  const Ergebnis ergebnisse[] = {CsvSchreiben(t, Pfad("alt.csv"), &stand), ScheinSchreiben(t, "1", "1", Pfad("alt.vnds"), &stand),
                                 CsvSchreiben(t, Pfad("neu.csv"), &stand)};
  for (const Ergebnis& e : ergebnisse) {
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_FALSE(e.ok());
    EXPECT_TRUE(e.fehler.isEmpty());  // nothing to tell the player
  }
  EXPECT_EQ(DateiInhalt("alt.csv"), QByteArray("alt\r\n"));
  EXPECT_EQ(DateiInhalt("alt.vnds"), QByteArray("alt"));
  EXPECT_FALSE(QFile::exists(Pfad("neu.csv")));

  // Reading ends early too and says so.
  ASSERT_TRUE(ScheinSchreiben(t, "1", "1", Pfad("b.vnds")).ok());
  ASSERT_TRUE(CsvSchreiben(t, Pfad("b.csv")).ok());
  Tabelle gelesen = Tabelle::Reihentabelle();
  QString ges, meine;
  EXPECT_TRUE(ScheinLesen(gelesen, ges, meine, Pfad("b.vnds"), &stand).abgebrochen);
  Ergebnis csv;
  CsvLesen(gelesen, Pfad("b.csv"), &csv, &stand);
  EXPECT_TRUE(csv.abgebrochen);
}

TEST_F(Dateien, LeereCsvDateiBehaeltDieZeilennummer) {
  // Every cell outside the header row and the row-number column is emptied.
  Schreiben("r.csv", "1,2,3,4,5\r\n6,7,8,9,10\r\n");
  Tabelle t = Tabelle::Reihentabelle();
  ASSERT_EQ(CsvLesen(t, Pfad("r.csv")), 2);
  Schreiben("leer.csv", "");
  EXPECT_EQ(CsvLesen(t, Pfad("leer.csv")), 0);
  EXPECT_EQ(t.Zeilen(), 2);
  EXPECT_EQ(t.Zelle(1, 0), QStringLiteral("1"));
  EXPECT_EQ(t.Zelle(1, 1), QString());
  EXPECT_EQ(t.Zelle(0, 1), QStringLiteral("Z1"));
}

TEST_F(Dateien, ZiehungMitUnmoeglichemDatumWirdOhneFehlerGelesen) {
  // A damaged record's date may be any double: the text is empty, and the numbers still count.
  const double daten[] = {std::nan(""), 1e300, -7.8e183, -1e18, std::numeric_limits<double>::infinity(), 45000};
  QByteArray datei;
  for (double d : daten) {
    TGewZahlen z;
    z.datum = d;
    for (int i = 0; i < 5; ++i) z.GZ[i] = static_cast<std::uint8_t>(i + 1);
    datei.append(reinterpret_cast<const char*>(&z), sizeof z);
  }
  Schreiben("GZ.535", datei);
  TZiehungsListe liste;
  ASSERT_TRUE(liste.Laden(Pfad("GZ.535")).ok());
  ASSERT_EQ(liste.Anzahl(), 6);
  const QStringList texte = liste.DatumsTexte();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(texte[i], QString()) << i;
  EXPECT_EQ(texte[5], DatumAlsText(45000));
  EXPECT_FALSE(DatumAlsQDate(1e300).isValid());
  EXPECT_EQ(DatumAlsText(45000.0 + 0.5), DatumAlsText(45000));
}
