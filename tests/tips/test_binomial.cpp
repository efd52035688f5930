// n over k and its calculator window.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "testumgebung.h"
#include "tools/Nueberk.h"
#include "tools/binomial.h"

TEST(NueberK, WerteUndGrenzfaelle) {
  const std::tuple<int, int, std::int64_t> faelle[] = {
      {35, 5, 324632}, {14, 6, 3003}, {49, 6, 13983816}, {51, 25, 247959266474052}, {30, 0, 1},
      {4, 5, 0},       {5, 5, 1},     {35, 1, 35},       {1, 1, 1}};
  for (const auto& [n, k, wert] : faelle) EXPECT_EQ(NueberK(n, k), wert) << n << " über " << k;
  // The cancelling algorithm is exact up to n = 51 and agrees with the 128-bit computation there.
  for (int n = 1; n <= 51; ++n)
    for (int k = 0; k <= n; ++k) ASSERT_EQ(static_cast<unsigned __int128>(NueberK(n, k)), NueberKExakt(n, k)) << n << " " << k;
  EXPECT_EQ(GanzzahlGruppiert(NueberKExakt(52, 26)), QStringLiteral("495.918.532.948.104"));
  EXPECT_EQ(GanzzahlGruppiert(NueberKExakt(99, 49)), QStringLiteral("50.445.672.272.782.096.667.406.248.628"));
  EXPECT_EQ(GanzzahlGruppiert(7), QStringLiteral("7"));
}

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
  EXPECT_EQ(meldungen.Texte(), (QStringList{"Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab.",
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
