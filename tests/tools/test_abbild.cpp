// Snapshots of a result panel: windows, picture, mark, JPEG files and settings.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QToolButton>

#include "app/navigation.h"
#include "core/einstellungen.h"
#include "testumgebung.h"
#include "tools/abbild.h"
#include "tools/jpeg.h"

namespace {
// The quality a JPEG was written with, from the first luminance quantisation value, and whether it
// is progressive (a SOF2 frame).
struct JpegInfo {
  bool progressiv = false;
  int dqt0 = -1;
};
JpegInfo Lesen(const QByteArray& d) {
  JpegInfo info;
  for (qsizetype i = 2; i + 4 < d.size();) {
    if (static_cast<unsigned char>(d[i]) != 0xFF) break;
    const auto marke = static_cast<unsigned char>(d[i + 1]);
    const int laenge = (static_cast<unsigned char>(d[i + 2]) << 8) | static_cast<unsigned char>(d[i + 3]);
    if (marke == 0xC2) info.progressiv = true;
    if (marke == 0xDB && info.dqt0 < 0) info.dqt0 = static_cast<unsigned char>(d[i + 5]);
    if (marke == 0xDA) break;
    i += 2 + laenge;
  }
  return info;
}
int ErwartetesDqt0(int qualitaet) {  // libjpeg's scaling of the standard table's first value, 16
  const int s = qualitaet < 50 ? 5000 / qualitaet : 200 - 2 * qualitaet;
  return std::clamp((16 * s + 50) / 100, 1, 255);
}

class Abbild : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    AbbildOrdner().clear();
    panel = std::make_unique<QWidget>();
    panel->setFixedSize(700, 450);
    panel->setStyleSheet("background: #ffffff;");
  }
  void TearDown() override {
    for (auto& f : fenster) delete f.data();
    panel.reset();
    DatenOrdnerTest::TearDown();
  }
  TFAbbild* Foto(const QString& titel) {
    TFAbbild* f = PanelAbbild(panel.get(), titel, 0);
    fenster << f;
    return f;
  }
  std::unique_ptr<QWidget> panel;
  QList<QPointer<TFAbbild>> fenster;
};
}  // namespace

TEST_F(Abbild, ZweiFotosZweiFensterMitMarke) {
  TFAbbild* a = Foto("Spieler1");
  TFAbbild* b = Foto("Spieler1");
  const int n = a->objectName().mid(7).toInt();
  EXPECT_TRUE(a->objectName().startsWith("FAbbild"));
  EXPECT_EQ(b->objectName(), QStringLiteral("FAbbild%1").arg(n + 1));
  EXPECT_EQ(FensterFinden(b->objectName()), b);
  EXPECT_EQ(a->windowTitle(), QStringLiteral("Spieler1"));
  EXPECT_EQ(a->Bild(), b->Bild());
  EXPECT_EQ(a->Bild().size(), QSize(700, 450));
  EXPECT_EQ(a->size(), QSize(700, 450 + 80));
  // The mark is the only difference to the panel, and it starts at (582, 63).
  const QImage rein = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int links = 10000, oben = 10000;
  for (int y = 0; y < 450; ++y)
    for (int x = 0; x < 700; ++x)
      if (rein.pixel(x, y) != a->Bild().pixel(x, y)) {
        links = std::min(links, x);
        oben = std::min(oben, y);
      }
  EXPECT_GE(links, 582);
  EXPECT_LE(links, 582 + 3);
  EXPECT_GE(oben, 63);
  EXPECT_LE(oben, 63 + 6);
  // Cutting off rows at the bottom.
  TFAbbild* c = PanelAbbild(panel.get(), "kurz", 50);
  fenster << c;
  EXPECT_EQ(c->Bild().size(), QSize(700, 400));
  EXPECT_EQ(c->size(), QSize(700, 480));
}

TEST_F(Abbild, SpeichernAlsJpeg) {
  TFAbbild* a = Foto("Spieler1");
  EXPECT_EQ(AbbildOrdner(), Pfad("shots/"));  // created when no folder is set
  EXPECT_TRUE(QFileInfo(Pfad("shots")).isDir());
  dialoge.speichern.push_back(Pfad("shots/Spieler1"));
  a->BSpeichernClick();
  EXPECT_EQ(dialoge.gefragt.back().titel, QStringLiteral("Abbildung speichern"));
  EXPECT_EQ(dialoge.gefragt.back().filter, QStringLiteral("Abbildungen|*.jpg"));
  EXPECT_EQ(dialoge.gefragt.back().vorschlag, QStringLiteral("Spieler1"));
  EXPECT_EQ(dialoge.gefragt.back().startOrdner, Pfad("shots/"));
  JpegInfo info = Lesen(DateiInhalt("shots/Spieler1.jpg"));
  EXPECT_TRUE(info.progressiv);
  EXPECT_EQ(info.dqt0, ErwartetesDqt0(100));

  // The tool bar's caption keeps its dots; the quality shows as a number beside the slider.
  auto* speichern = a->findChild<QToolButton*>(QStringLiteral("BSpeichern"));
  ASSERT_TRUE(speichern);
  EXPECT_EQ(speichern->text(), QStringLiteral("Abbild speichern..."));
  auto* wert = a->findChild<QLabel*>(QStringLiteral("LQualitaet"));
  ASSERT_TRUE(wert);
  EXPECT_EQ(wert->text(), QStringLiteral("100"));

  // Quality 36, another folder, another extension: written as .jpg, the folder remembered.
  QDir().mkpath(Pfad("bilder"));
  a->Qualitaet()->setValue(36);
  EXPECT_EQ(wert->text(), QStringLiteral("36"));
  dialoge.speichern.push_back(Pfad("bilder/zwei.png"));
  a->BSpeichernClick();
  info = Lesen(DateiInhalt("bilder/zwei.jpg"));
  EXPECT_TRUE(info.progressiv);
  EXPECT_EQ(info.dqt0, ErwartetesDqt0(36));
  EXPECT_EQ(Einstellungen(Pfad("Einstellungen.ini")).Text("Abbild", "Pfad"), Pfad("bilder/"));
  TFAbbild* b = Foto("andere");
  dialoge.speichern.push_back(QString());
  b->BSpeichernClick();
  EXPECT_EQ(dialoge.gefragt.back().startOrdner, Pfad("bilder/"));

  b->BKopierenClick();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(700, 450));
}

TEST_F(Abbild, EinstellungenUndLeeresFenster) {
  Einstellungen(Pfad("Einstellungen.ini")).Schreiben("Position", {{"FAbbild-top", "200"}, {"FAbbild-left", "30"}});
  Einstellungen(Pfad("Einstellungen.ini")).SchreibeText("Abbild", "Pfad", Pfad("gibtsnicht/"));
  TFAbbild leer;  // the window of start-up: no picture
  EXPECT_EQ(leer.pos(), QPoint(30, 200));
  EXPECT_FALSE(QFileInfo::exists(Pfad("gibtsnicht")));  // a set folder is not created
  EXPECT_FALSE(QFileInfo::exists(Pfad("shots")));
  leer.BSpeichernClick();
  EXPECT_EQ(meldungen.meldungen.back(), std::make_pair(MeldungsArt::Warnung, QStringLiteral("Kein Bild im Speicher")));
  EXPECT_TRUE(dialoge.gefragt.empty());
  leer.close();
  EXPECT_FALSE(leer.isVisible());  // closing hides
}

TEST(Jpeg, LeeresBildWirdNichtGeschrieben) { EXPECT_FALSE(JpegSchreiben(nullptr, 0, 0, 0, 80, "/tmp/nie.jpg").ok()); }
