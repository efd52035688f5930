// Test main: offscreen Qt on a screen of known size (1920 x 1080, or the file KELVARO_TESTBILDSCHIRM
// names), German formats, the program's skin.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>

#include "app/programmstart.h"
#include "core/programmwerte.h"
#include "ui/skin.h"

int main(int argc, char** argv) {
  const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
  if (plattform.isEmpty() || plattform == "offscreen") {
    QByteArray bildschirm = qgetenv("KELVARO_TESTBILDSCHIRM");
    if (bildschirm.isEmpty()) bildschirm = TESTBILDSCHIRM;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm);
  }
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Werte().geldFormat = QLocale();
  // The helper programs lie beside the tests in the build tree.
  Werte().helferOrdner = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  SkinAnwenden();
  // The windows are made by kind, the statistics base follows the store, as in the program.
  FensterArtenRegistrieren();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
