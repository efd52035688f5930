// n over k.
#include <gtest/gtest.h>

#include "testlogik.h"
#include "tools/binomial.h"

TEST(NueberK, WerteUndGrenzfaelle) {
  const std::tuple<int, int, std::int64_t> faelle[] = {{35, 5, 324632}, {14, 6, 3003}, {49, 6, 13983816}, {51, 25, 247959266474052},
                                                       {30, 0, 1},      {4, 5, 0},     {5, 5, 1},         {35, 1, 35},
                                                       {1, 1, 1}};
  for (const auto& [n, k, wert] : faelle) EXPECT_EQ(NueberK(n, k), wert) << n << " über " << k;
  // The cancelling algorithm is exact up to n = 51 and agrees with the 128-bit computation there.
  for (int n = 1; n <= 51; ++n)
    for (int k = 0; k <= n; ++k) ASSERT_EQ(static_cast<unsigned __int128>(NueberK(n, k)), NueberKExakt(n, k)) << n << " " << k;
  EXPECT_EQ(GanzzahlGruppiert(NueberKExakt(52, 26)), QStringLiteral("495.918.532.948.104"));
  EXPECT_EQ(GanzzahlGruppiert(NueberKExakt(99, 49)), QStringLiteral("50.445.672.272.782.096.667.406.248.628"));
  EXPECT_EQ(GanzzahlGruppiert(7), QStringLiteral("7"));
}
