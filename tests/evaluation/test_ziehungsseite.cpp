// The draws side of the main window: selector, number field, adding, saving, pasting, draws grid.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "core/datum.h"
#include "core/ziehungen.h"
#include "evaluation/auswertung.h"
#include "testumgebung.h"
#include "ui/datumsmodell.h"
#include "ui/tabellenansicht.h"

namespace {
class Ziehungsseite : public DatenOrdnerTest {
 protected:
  void Oeffnen() {
    fenster = std::make_unique<TFAuswertung>();
    fenster->Erzeugen();
  }
  template <typename T>
  T* Kind(const char* name) {
    T* w = fenster->findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(w) << name;
    return w;
  }
  void Klick(const char* name) { QTest::mouseClick(Kind<QAbstractButton>(name), Qt::LeftButton); }
  void Nummer(int n) { Klick(QStringLiteral("PNummer%1").arg(n).toLatin1().constData()); }
  std::vector<int> Ausgewaehlt() {
    std::vector<int> z;
    for (int n = 1; n <= 35; ++n)
      if (Kind<QToolButton>(QStringLiteral("PNummer%1").arg(n).toLatin1().constData())->isChecked()) z.push_back(n);
    return z;
  }
  QString Datei(int satz) {  // numbers of record satz of GZ.535
    const QByteArray b = DateiInhalt(QStringLiteral("GZ.535")).mid(satz * 16 + 8, 5);
    QStringList z;
    for (char c : b) z << QString::number(static_cast<unsigned char>(c));
    return z.join(QLatin1Char(','));
  }
  std::unique_ptr<TFAuswertung> fenster;
};
}  // namespace

TEST_F(Ziehungsseite, StartZeigtNeuesteZiehungUndTabelle) {
  ZiehungenSchreiben({{"03.03.2024", {1, 2, 3, 4, 5}}, {"10.03.2024", {30, 4, 17, 9, 22}}});
  Oeffnen();
  EXPECT_EQ(fenster->Combo1()->count(), 2);
  EXPECT_EQ(fenster->Combo1()->currentText(), QStringLiteral("10.03.2024"));
  EXPECT_EQ(Ausgewaehlt(), (std::vector<int>{4, 9, 17, 22, 30}));
  EXPECT_EQ(fenster->DatumsZeile(), QStringLiteral("Gewinnzahlen vom 10.03.2024"));
  EXPECT_EQ(Kind<QLabel>("LAnzahl")->text(), QStringLiteral("  2 Gewinnreihen"));
  const TabellenDaten* g1 = Kind<TabellenAnsicht>("G1")->Daten();
  EXPECT_EQ(g1->Zeilen(), 3);
  EXPECT_EQ(g1->Zelle(1, 0), QStringLiteral("10.03.2024"));  // newest first
  EXPECT_EQ(g1->Zelle(1, 1), QStringLiteral("30"));          // stored order
  EXPECT_EQ(g1->Zelle(2, 5), QStringLiteral("5"));
  const QString kopf = Kind<TabellenAnsicht>("G1")->model()->headerData(0, Qt::Horizontal).toString();
  EXPECT_EQ(kopf.trimmed(), QStringLiteral("Datum"));
  EXPECT_TRUE(kopf.startsWith(QLatin1Char(' ')));  // centred by blanks
  EXPECT_EQ(fenster->PreisJeReihe(), 0.5f);

  fenster->Combo1()->setCurrentIndex(0);
  EXPECT_EQ(Ausgewaehlt(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(fenster->DatumsZeile(), QStringLiteral("Gewinnzahlen vom 03.03.2024"));
}

TEST_F(Ziehungsseite, ZahlenfeldGeometrieUndAuswahlgrenze) {
  const KleineSchrift klein;  // the buttons' places hold at the small font they were made for
  Oeffnen();
  const auto* b9 = Kind<QToolButton>("PNummer9");  // row 2, column 2
  EXPECT_EQ(b9->geometry(), QRect(37 + 8, 28 + 6, 36, 28));
  EXPECT_EQ(b9->property("tag").toInt(), 9);
  for (int n : {1, 2, 3, 4, 5}) Nummer(n);
  Nummer(6);
  EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Sie haben bereits fünf Gewinnzahlen gewählt.")});
  EXPECT_EQ(Ausgewaehlt(), (std::vector<int>{1, 2, 3, 4, 5}));
  Nummer(3);
  EXPECT_EQ(fenster->GewaehltAnzahl(), 4);
  Klick("BDel");
  EXPECT_TRUE(Ausgewaehlt().empty());
  EXPECT_EQ(fenster->GewaehltAnzahl(), 0);
}

TEST_F(Ziehungsseite, NeueZiehungHinzufuegenAbbrechenUndSpeichern) {
  ZiehungenSchreiben({{"31.12.2023", {1, 2, 3, 4, 5}}});
  Oeffnen();
  Klick("BHinzu");
  EXPECT_TRUE(fenster->ZiehungNeu());
  EXPECT_EQ(Kind<QPushButton>("BHinzu")->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(fenster->Combo1()->count(), 2);
  EXPECT_EQ(fenster->Combo1()->currentText(), QStringLiteral("01.01.2024"));
  EXPECT_TRUE(Ausgewaehlt().empty());
  EXPECT_EQ(fenster->DatumsZeile(), QStringLiteral("Gewinnzahlen vom 01.01.2024"));

  Klick("BHinzu");  // "Abbrechen"
  EXPECT_FALSE(fenster->ZiehungNeu());
  EXPECT_EQ(Kind<QPushButton>("BHinzu")->text(), QStringLiteral("Neue Ziehung"));
  EXPECT_EQ(fenster->Combo1()->count(), 1);
  EXPECT_EQ(Ausgewaehlt(), (std::vector<int>{1, 2, 3, 4, 5}));

  // Fewer than five numbers: nothing is saved.
  Klick("BHinzu");
  for (int n : {30, 4, 17, 9}) Nummer(n);
  Klick("BSave");
  EXPECT_EQ(meldungen.meldungen.back(),
            std::make_pair(MeldungsArt::Fehler, QStringLiteral("Bitte geben Sie fünf Gewinnzahlen an.\r\rIch breche erst einmal ab.")));
  EXPECT_EQ(DateiInhalt(QStringLiteral("GZ.535")).size(), 16);
  EXPECT_TRUE(fenster->ZiehungNeu());

  Nummer(22);
  Klick("BSave");
  EXPECT_FALSE(fenster->ZiehungNeu());
  EXPECT_EQ(DateiInhalt(QStringLiteral("GZ.535")).size(), 32);
  EXPECT_EQ(Datei(1), QStringLiteral("4,9,17,22,30"));  // saved ascending
  EXPECT_EQ(DatumAlsText(Ziehungen().Eintrag(1).datum), QStringLiteral("01.01.2024"));
  EXPECT_EQ(fenster->Combo1()->currentText(), QStringLiteral("01.01.2024"));
  EXPECT_EQ(Kind<QLabel>("LAnzahl")->text(), QStringLiteral("  2 Gewinnreihen"));
  EXPECT_EQ(Kind<TabellenAnsicht>("G1")->Daten()->Zelle(1, 0), QStringLiteral("01.01.2024"));
}

TEST_F(Ziehungsseite, KorrekturBehaeltDatumUndDateilaenge) {
  ZiehungenSchreiben({{"03.03.2024", {1, 2, 3, 4, 5}}, {"10.03.2024", {6, 7, 8, 9, 10}}});
  Oeffnen();
  fenster->Combo1()->setCurrentIndex(0);
  Nummer(5);
  Nummer(35);
  Klick("BSave");
  EXPECT_EQ(DateiInhalt(QStringLiteral("GZ.535")).size(), 32);
  EXPECT_EQ(Datei(0), QStringLiteral("1,2,3,4,35"));
  EXPECT_EQ(DatumAlsText(Ziehungen().Eintrag(0).datum), QStringLiteral("03.03.2024"));
  EXPECT_EQ(Datei(1), QStringLiteral("6,7,8,9,10"));
}

TEST_F(Ziehungsseite, EinfuegenAusDerZwischenablage) {
  Oeffnen();
  QGuiApplication::clipboard()->setText(QStringLiteral("5\r\n12\n\n5\n"));
  Klick("BCopy");
  EXPECT_EQ(Ausgewaehlt(), std::vector<int>{12});
  EXPECT_FALSE(fenster->ZiehungNeu());  // pasting does not start adding mode

  QGuiApplication::clipboard()->setText(QStringLiteral("7\n3 Richtige\n9"));
  Klick("BCopy");
  EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("'3 Richtige' ist kein gültiger Integerwert")});
  EXPECT_EQ(Ausgewaehlt(), (std::vector<int>{7, 12}));  // lines before the bad one are applied
}

TEST_F(Ziehungsseite, DatumslistenFolgenDemSpeicherOderBehaltenIhrenStand) {
  ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {2, 9, 17, 25, 31}}});
  ASSERT_TRUE(Ziehungen().NeuLaden().ok());
  DatumsModell laufend(DatumsModell::Quelle::Laufend), stand(DatumsModell::Quelle::Stand);
  auto texte = [](const DatumsModell& m) {
    QStringList t;
    for (int i = 0; i < m.rowCount(); ++i) t << m.data(m.index(i), Qt::DisplayRole).toString();
    return t;
  };
  EXPECT_EQ(texte(laufend), (QStringList{"01.03.2024", "08.03.2024"}));
  // The date of a draw being entered follows the dates; once saved it stands for the draw.
  laufend.ZusatzSetzen(QStringLiteral("15.03.2024"));
  EXPECT_EQ(laufend.rowCount(), 3);
  const std::uint8_t zahlen[5] = {3, 7, 11, 20, 33};
  ASSERT_TRUE(Ziehungen().AnhaengenUndSpeichern(*TextAlsDatum(QStringLiteral("15.03.2024")), zahlen, TZiehungsListe::DateiPfad()).ok());
  EXPECT_FALSE(laufend.HatZusatz());
  EXPECT_EQ(texte(laufend), (QStringList{"01.03.2024", "08.03.2024", "15.03.2024"}));
  ASSERT_TRUE(Ziehungen().AnhaengenUndSpeichern(*TextAlsDatum(QStringLiteral("22.03.2024")), zahlen, TZiehungsListe::DateiPfad()).ok());
  EXPECT_EQ(laufend.rowCount(), 4);
  EXPECT_EQ(texte(stand), (QStringList{"01.03.2024", "08.03.2024"}));  // as it was made
  // A reload starts afresh: no extra entry.
  laufend.ZusatzSetzen(QStringLiteral("29.03.2024"));
  ZiehungenSchreiben({{"05.01.2025", {1, 2, 3, 4, 5}}});
  ASSERT_TRUE(Ziehungen().NeuLaden().ok());
  EXPECT_EQ(texte(laufend), QStringList{"05.01.2025"});
  EXPECT_EQ(stand.rowCount(), 2);

  // A selector is as wide as one date, however many entries it has: its entries are not measured.
  QComboBox leer, voll;
  ZiehungenSchreiben({});
  ASSERT_TRUE(Ziehungen().NeuLaden().ok());
  DatumsModell nichts(DatumsModell::Quelle::Stand);
  DatumsAuswahlEinrichten(&leer, &nichts);
  DatumsAuswahlEinrichten(&voll, &stand);
  EXPECT_EQ(leer.sizeHint(), voll.sizeHint());
  EXPECT_GE(voll.minimumWidth(), QFontMetrics(voll.font()).horizontalAdvance(QStringLiteral("28.12.2088")));
}
