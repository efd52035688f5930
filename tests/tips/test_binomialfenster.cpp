// The calculator window of n over k.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "testumgebung.h"
#include "tools/Nueberk.h"
#include "tools/binomial.h"

namespace {
class NueberKFenster : public DatenOrdnerTest {
 protected:
  QString Rechnen(const char* n, const char* k) {
    f.N()->setText(n);
    f.K()->setText(k);
    QTest::mouseClick(f.findChild<QPushButton*>("BRechne"), Qt::LeftButton);
    return f.Ergebnis()->text();
  }
  TFNueberK f;
};
}  // namespace

TEST_F(NueberKFenster, RechnetUndMeldet) {
  EXPECT_EQ(f.N()->text(), QStringLiteral("35"));
  EXPECT_EQ(f.K()->text(), QStringLiteral("5"));
  EXPECT_EQ(Rechnen("35", "5"), QStringLiteral("324.632"));
  EXPECT_EQ(Rechnen("49", "6"), QStringLiteral("13.983.816"));
  EXPECT_EQ(Rechnen("5", "5"), QStringLiteral("1"));
  EXPECT_EQ(Rechnen("51", "25"), QStringLiteral("247.959.266.474.052"));
  EXPECT_EQ(Rechnen("99", "49"), QStringLiteral("50.445.672.272.782.096.667.406.248.628"));  // beyond 64 bits
  Rechnen("5", "6");
  Rechnen("0", "5");
  Rechnen("", "5");
  EXPECT_EQ(meldungen.Texte(),
            (QStringList{"Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab.",
                         "Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab.",
                         "Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab."}));
}

TEST_F(NueberKFenster, EingabefilterUndEnter) {
  f.N()->clear();
  QTest::keyClicks(f.N(), "4a-9x7");
  EXPECT_EQ(f.N()->text(), QStringLiteral("49"));  // digits only, at most two
  f.K()->clear();
  f.Ergebnis()->clear();
  QTest::keyClick(f.N(), Qt::Key_Return);  // the other field is empty: nothing happens
  EXPECT_EQ(f.Ergebnis()->text(), QString());
  EXPECT_TRUE(meldungen.meldungen.empty());
  QTest::keyClicks(f.K(), "6");
  QTest::keyClick(f.K(), Qt::Key_Return);
  EXPECT_EQ(f.Ergebnis()->text(), QStringLiteral("13.983.816"));
}
