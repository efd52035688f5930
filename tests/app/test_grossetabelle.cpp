// A table of more rows than Qt's views keep well (every result row of a whole ticket over years of
// draws): shown through a window of rows that moves with the view, with a bar over all rows.
#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTest>

#include "ui/tabellenansicht.h"

namespace {
// Row z holds z and 10·z; even rows light green.
class Zahlen : public TabellenDaten {
 public:
  explicit Zahlen(int n) : n_(n) {}
  int Zeilen() const override { return n_ + 1; }
  int Spalten() const override { return 2; }
  QString Zelle(int z, int s) const override {
    if (z == 0) return s == 0 ? QStringLiteral("Nr") : QStringLiteral("Wert");
    return QString::number(s == 0 ? z : 10LL * z);
  }
  Zellbild Bild(int z, int) const override {
    Zellbild b;
    if (z % 2 == 0) b.hintergrund = 0xC1FFC1;
    return b;
  }

 private:
  int n_;
};
}  // namespace

TEST(GrosseTabelle, JedeZeileIstErreichbarDurchEinFenster) {
  const int n = 3'000'000;
  const Zahlen daten(n);
  TabellenAnsicht t;
  t.resize(300, 400);
  t.SetzeDaten(&daten);
  t.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
  // The view holds a window of the rows, the bar over it all of them.
  EXPECT_LE(t.model()->rowCount(), TabellenModell::Fenster);
  auto* leiste = t.findChild<QScrollBar*>("AlleZeilen");
  ASSERT_TRUE(leiste);
  EXPECT_TRUE(leiste->isVisible());
  EXPECT_EQ(leiste->maximum(), n - t.VollSichtbareZeilen());
  auto oben = [&] { return t.indexAt(QPoint(2, 2)).siblingAtColumn(0).data().toString(); };

  // Jumps and the bar reach any row; the view shows what they say.
  t.ZuErsterZeile(2'000'000);
  EXPECT_EQ(t.ErsteSichtbareZeile(), 2'000'000);
  EXPECT_EQ(oben(), QStringLiteral("2000000"));
  EXPECT_EQ(leiste->value(), 2'000'000 - 1);
  leiste->setValue(leiste->maximum());
  EXPECT_EQ(t.ErsteSichtbareZeile(), n - t.VollSichtbareZeilen() + 1);
  EXPECT_EQ(oben().toInt(), t.ErsteSichtbareZeile());
  leiste->setValue(12345);
  EXPECT_EQ(oben(), QStringLiteral("12346"));
  if (qEnvironmentVariableIsSet("KELVARO_BILDER")) t.grab().save(qEnvironmentVariable("KELVARO_BILDER") + "/GrosseTabelle.png");
  // The look of a row far outside the window.
  EXPECT_EQ(t.Stil(4, 1).hintergrund, QColor(193, 255, 193));
  EXPECT_NE(t.Stil(5, 1).hintergrund, QColor(193, 255, 193));

  // Page Down goes on across the end of the first window, a page at a time, without a jump.
  t.setFocus();
  QTest::keyClick(&t, Qt::Key_Home, Qt::ControlModifier);
  ASSERT_EQ(t.currentIndex().siblingAtColumn(1).data().toString(), QStringLiteral("10"));
  long long vorher = 10;
  while (vorher <= 10LL * (TabellenModell::Fenster + 1000)) {
    QTest::keyClick(&t, Qt::Key_PageDown);
    const long long jetzt = t.currentIndex().siblingAtColumn(1).data().toLongLong();
    ASSERT_GT(jetzt, vorher);
    ASSERT_LE(jetzt - vorher, 10LL * (t.VollSichtbareZeilen() + 1));
    vorher = jetzt;
  }
  // A selection keeps its rows when the window moves under it.
  QTest::keyClick(&t, Qt::Key_Down, Qt::ShiftModifier);
  const QString auswahl = t.AuswahlAlsText();
  ASSERT_EQ(auswahl, QString::number(vorher / 10) + "\n" + QString::number(vorher / 10 + 1));  // the row numbers
  t.ZuErsterZeile(static_cast<int>(vorher / 10) + TabellenModell::Fenster / 2);
  EXPECT_EQ(t.AuswahlAlsText(), auswahl);
  // Ctrl+End reaches the grid's last row.
  QTest::keyClick(&t, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(t.currentIndex().siblingAtColumn(1).data().toString(), QString::number(10LL * n));

  // A small grid again: all rows in the view, no bar of its own.
  const Zahlen klein(10);
  t.SetzeDaten(&klein);
  EXPECT_EQ(t.model()->rowCount(), 10);
  EXPECT_TRUE(leiste->isHidden());
  EXPECT_EQ(t.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  t.SetzeDaten(nullptr);
}
