// Test main of the logic tests: no window system, German formats, the reader process beside the
// tests, the statistics base following the store, as in the program.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLocale>

#include "core/programmwerte.h"
#include "statistics/zahlenstatistik.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Werte().geldFormat = QLocale();
  Werte().helferOrdner = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  StatistikAnmelden();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
