// The program as a player meets it, at 5,000 and at 200,000 draws: start-up with five remembered
// tickets of 12 rows (from the launch until the main window is painted after "Weiter"), opening
// the statistics window (until painted), "Start" of a 1,000-row ticket over all draws (until the
// result table is repainted); then "Viel Glück!" for all 324,632 rows and a ticket of all rows over
// 5,000 draws, through the real windows. Each measurement runs in a fresh process (three times, the
// median kept). Beside each time stands the longest the event loop went without turning: the
// largest gap between two ticks of a 5 ms timer. The ratios compare 200,000 draws with 5,000.
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Start.h"
#include "app/aktionen.h"
#include "app/navigation.h"
#include "app/programmstart.h"
#include "core/einstellungen.h"
#include "core/programmwerte.h"
#include "core/schein.h"
#include "core/schluessel.h"
#include "core/ziehungen.h"
#include "evaluation/auswertung.h"
#include "evaluation/frScheineN.h"
#include "evaluation/gewinnauswertung.h"
#include "tips/zufall.h"
#include "ui/skin.h"
#include "ui/tabellenansicht.h"

namespace {
using Uhr = std::chrono::steady_clock;

double Ms(Uhr::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double SpeicherMB() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;
}

double JetztMB() {
  QFile f(QStringLiteral("/proc/self/statm"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> teile = f.readAll().split(' ');
  return teile.size() > 1 ? teile[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// ---- the data folder ---------------------------------------------------------------------------

std::array<std::uint8_t, 5> Fuenf(std::mt19937& zufall) {
  std::array<std::uint8_t, 5> r{};
  TZahlenMenge m;
  for (int k = 0; k < 5;) {
    const int n = 1 + static_cast<int>(zufall() % 35);
    if (m.Enthaelt(n)) continue;
    m.Einschliessen(n);
    r[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
  }
  std::sort(r.begin(), r.end());
  return r;
}

void ScheinAnlegen(const QString& pfad, std::vector<std::array<std::uint8_t, 5>> reihen) {
  ScheinTabelle t;
  t.reihen = std::move(reihen);
  if (!ScheinSchreiben(t, QStringLiteral("1"), QStringLiteral("1"), pfad).ok()) std::fprintf(stderr, "Schein nicht geschrieben\n");
}

// basis/Kelvaro: the draws (daily from 1 January 1900), five remembered tickets of 12 rows, a
// ticket of 1,000 rows and one of all rows.
void DatenAnlegen(const QString& basis, int ziehungen) {
  const QString ordner = basis + QStringLiteral("/Kelvaro/");
  QDir().mkpath(ordner);
  std::mt19937 zufall(static_cast<unsigned>(ziehungen));
  std::vector<TGewZahlen> liste(static_cast<std::size_t>(ziehungen));
  for (int d = 0; d < ziehungen; ++d) {
    TGewZahlen& z = liste[static_cast<std::size_t>(d)];
    z.datum = 2 + d;
    const auto f = Fuenf(zufall);
    std::copy(f.begin(), f.end(), z.GZ);
  }
  TZiehungsListe::Schreiben(liste, ordner + QStringLiteral("GZ.535"));
  QStringList gemerkt;
  for (int s = 1; s <= 5; ++s) {
    std::vector<std::array<std::uint8_t, 5>> reihen;
    for (int r = 0; r < 12; ++r) reihen.push_back(Fuenf(zufall));
    gemerkt << ordner + QStringLiteral("Schein %1.vnds").arg(s);
    ScheinAnlegen(gemerkt.back(), reihen);
  }
  std::vector<std::array<std::uint8_t, 5>> tausend;
  for (int r = 0; r < 1000; ++r) tausend.push_back(Fuenf(zufall));
  ScheinAnlegen(ordner + QStringLiteral("Tausend.vnds"), tausend);
  std::vector<std::array<std::uint8_t, 5>> alle;
  for (std::uint8_t a = 1; a <= 31; ++a)
    for (std::uint8_t b = a + 1; b <= 32; ++b)
      for (std::uint8_t c = b + 1; c <= 33; ++c)
        for (std::uint8_t d = c + 1; d <= 34; ++d)
          for (std::uint8_t e = d + 1; e <= 35; ++e) alle.push_back({a, b, c, d, e});
  ScheinAnlegen(ordner + QStringLiteral("Alle.vnds"), alle);
  const Einstellungen e(ordner + QStringLiteral("Einstellungen.ini"));
  DateienMerken(e, gemerkt);
  Schluessel::Merken.Schreiben(e, true);
}

// ---- measuring inside the program ----------------------------------------------------------------

// The largest gap between two ticks of a 5 ms timer on the user-interface thread.
class Luecken {
 public:
  Luecken() {
    QObject::connect(&takt_, &QTimer::timeout, [this] {
      const auto jetzt = Uhr::now();
      groesste_ = std::max(groesste_, Ms(jetzt - letzte_));
      letzte_ = jetzt;
    });
  }
  void Beginnen() {
    groesste_ = 0;
    letzte_ = Uhr::now();
    takt_.start(5);
  }
  double Beenden() {
    groesste_ = std::max(groesste_, Ms(Uhr::now() - letzte_));
    takt_.stop();
    return groesste_;
  }

 private:
  QTimer takt_;
  Uhr::time_point letzte_;
  double groesste_ = 0;
};

// Notes the paint events of one window (or of one widget and its children).
class Maler : public QObject {
 public:
  explicit Maler(QWidget* ziel) : ziel_(ziel) { qApp->installEventFilter(this); }
  ~Maler() override { qApp->removeEventFilter(this); }
  bool gemalt = false;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint)
      if (auto* w = qobject_cast<QWidget*>(o); w && ziel_ && (w == ziel_ || ziel_->isAncestorOf(w))) gemalt = true;
    return false;
  }

 private:
  QPointer<QWidget> ziel_;
};

// Turns the event loop until the condition holds.
void Warten(const std::function<bool()>& bedingung) {
  QEventLoop schleife;
  QTimer pruefen;
  QObject::connect(&pruefen, &QTimer::timeout, &schleife, [&] {
    if (bedingung()) schleife.quit();
  });
  pruefen.start(1);
  if (!bedingung()) schleife.exec();
}

void Ausgeben(const char* name, double wert) {
  std::printf("%s %.3f\n", name, wert);
  std::fflush(stdout);
}

// Clicks the button and measures until it returns and then until `malen` is repainted.
void KlickBisGemalt(QAbstractButton* knopf, QWidget* malen, const char* name) {
  Luecken luecken;
  luecken.Beginnen();
  const auto t0 = Uhr::now();
  knopf->click();
  Maler maler(malen);
  malen->update();
  Warten([&] { return maler.gemalt; });
  Ausgeben(name, Ms(Uhr::now() - t0));
  Ausgeben((std::string(name) + ".luecke").c_str(), luecken.Beenden());
}

int Kind(int argc, char** argv) {
  // argv: --kind <was> <data folder> <launch time in ns of the steady clock>
  const std::string was = argv[2];
  const QString basis = QString::fromLocal8Bit(argv[3]);
  const Uhr::time_point start{Uhr::duration(std::stoll(argv[4]))};
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QtUebersetzungenLaden();
  SkinAnwenden();
  Luecken luecken;
  Programm p = ProgrammVorbereiten(QCoreApplication::applicationDirPath(), basis);
  if (!p.haupt) return 1;
  TFAuswertung& haupt = *p.haupt;
  // The player clicks "Weiter" as soon as it can be clicked.
  QTimer::singleShot(0, [&] {
    luecken.Beginnen();
    p.start->Weiter()->click();
  });
  Maler hauptGemalt(&haupt);
  Warten([&] { return haupt.isVisible() && hauptGemalt.gemalt; });
  if (was == "start") {
    Ausgeben("start", Ms(Uhr::now() - start));
    Ausgeben("start.luecke", luecken.Beenden());
    Ausgeben("start.mb", SpeicherMB());

    // The statistics window, until painted.
    luecken.Beginnen();
    const auto t0 = Uhr::now();
    Aktionen::Aktion(AktionsId::Statistik)->trigger();
    QWidget* statistik = FensterFinden(QStringLiteral("FStatistik"));
    Maler statistikGemalt(statistik);
    Warten([&] { return statistik->isVisible() && statistikGemalt.gemalt; });
    Ausgeben("statistik", Ms(Uhr::now() - t0));
    Ausgeben("statistik.luecke", luecken.Beenden());
    statistik->close();

    // "Start" for 1,000 rows over all draws.
    QWidget* tab = haupt.DateienEinlesen(Werte().DatenDatei(QStringLiteral("Tausend.vnds")));
    haupt.Tabs()->setCurrentWidget(tab);
    auto* panel = tab->findChild<TFFrScheineN*>();
    panel->CbBack()->setChecked(true);
    KlickBisGemalt(panel->findChild<QAbstractButton*>(QStringLiteral("BStart")), panel->G3a(), "panel1000");
  } else if (was == "alle") {
    // A ticket of all rows over the newest 5,000 draws.
    QWidget* tab = haupt.DateienEinlesen(Werte().DatenDatei(QStringLiteral("Alle.vnds")));
    haupt.Tabs()->setCurrentWidget(tab);
    auto* panel = tab->findChild<TFFrScheineN*>();
    panel->CbBack()->setChecked(true);
    panel->Combo2()->setCurrentIndex(std::max(0, Ziehungen().Anzahl() - 5000));
    const double vorher = JetztMB();
    KlickBisGemalt(panel->findChild<QAbstractButton*>(QStringLiteral("BStart")), panel->G3a(), "alle5000");
    Ausgeben("alle5000.mb", SpeicherMB() - vorher);
    Ausgeben("alle5000.reihen", panel->G3()->Daten()->Zeilen() - 1);
    Ausgeben("alle5000.zeilen", panel->G3a()->Daten()->Zeilen() - 1);
  } else if (was == "glueck") {
    Aktionen::Aktion(AktionsId::Zufall)->trigger();
    auto* zufall = qobject_cast<TFZufall*>(FensterFinden(QStringLiteral("FZufall")));
    zufall->findChild<QLineEdit*>(QStringLiteral("EAnzahl"))->setText(QStringLiteral("324632"));
    KlickBisGemalt(zufall->findChild<QAbstractButton*>(QStringLiteral("BGlueck")), zufall->Raster(), "glueck");
    // The step from the finished rows to the painted grid alone.
    TabellenAnsicht* raster = zufall->Raster();
    const auto t0 = Uhr::now();
    raster->Neu();
    raster->scrollToTop();
    raster->viewport()->repaint();
    Ausgeben("glueck.raster", Ms(Uhr::now() - t0));
  }
  std::fflush(stdout);
  std::_Exit(0);  // the figures are out; tearing down the windows is not measured
}

// ---- the runner --------------------------------------------------------------------------------

std::map<std::string, double> Lauf(const QString& programm, const QString& was, const QString& basis) {
  QProcess kind;
  QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) umgebung.insert(QString::fromLatin1(v), basis);
  if (!umgebung.contains(QStringLiteral("QT_QPA_PLATFORM")))
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  kind.setProcessEnvironment(umgebung);
  kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  const auto start = Uhr::now().time_since_epoch().count();
  kind.start(programm, {QStringLiteral("--kind"), was, basis, QString::number(static_cast<qlonglong>(start))});
  if (!kind.waitForFinished(120000)) {
    std::fprintf(stderr, "%s: no answer within two minutes\n", qPrintable(was));
    kind.kill();
    kind.waitForFinished();
  }
  std::map<std::string, double> werte;
  for (const QByteArray& zeile : kind.readAllStandardOutput().split('\n')) {
    const QList<QByteArray> teile = zeile.split(' ');
    if (teile.size() == 2) werte[teile[0].toStdString()] = teile[1].toDouble();
  }
  return werte;
}

double Median(std::vector<double> w) {
  if (w.empty()) return 0;
  std::sort(w.begin(), w.end());
  return w[w.size() / 2];
}

// Three fresh processes; the median of each figure.
std::map<std::string, double> Mediane(const QString& programm, const QString& was, const QString& basis) {
  std::map<std::string, std::vector<double>> alle;
  for (int i = 0; i < 3; ++i)
    for (const auto& [name, wert] : Lauf(programm, was, basis)) alle[name].push_back(wert);
  std::map<std::string, double> m;
  for (const auto& [name, werte] : alle) m[name] = Median(werte);
  return m;
}

void Zeile(const char* text, double klein, double gross, const char* einheit, const char* ziel) {
  std::printf("%-44s %12.1f %12.1f %8.2fx  %-4s %s\n", text, klein, gross, klein > 0 ? gross / klein : 0.0, einheit, ziel);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc >= 5 && std::string(argv[1]) == "--kind") return Kind(argc, argv);
  QCoreApplication app(argc, argv);
  const QString programm = QCoreApplication::applicationFilePath();
  QTemporaryDir klein, gross;
  // KELVARO_BENCH_BEHALTEN=1 keeps the data folders for a look with a profiler:
  //   bench_fenster --kind start|alle|glueck <folder> 0
  if (qEnvironmentVariableIsSet("KELVARO_BENCH_BEHALTEN")) {
    klein.setAutoRemove(false);
    gross.setAutoRemove(false);
    std::printf("Data folders: %s %s\n", qPrintable(klein.path()), qPrintable(gross.path()));
  }
  std::printf("Preparing 5,000 and 200,000 draws ...\n");
  std::fflush(stdout);
  DatenAnlegen(klein.path(), 5000);
  DatenAnlegen(gross.path(), 200000);
  auto k = Mediane(programm, QStringLiteral("start"), klein.path());
  auto g = Mediane(programm, QStringLiteral("start"), gross.path());
  std::printf("\n%-44s %12s %12s %9s  %-4s %s\n", "workload (median of 3 processes)", "5,000", "200,000", "ratio", "unit", "target");
  Zeile("start-up until the main window is painted", k["start"], g["start"], "ms", "5k < 300, ratio <= 3");
  Zeile("  peak memory", k["start.mb"], g["start.mb"], "MB", "5k < 100, 200k < 150");
  Zeile("  longest event-loop gap", k["start.luecke"], g["start.luecke"], "ms", "< 100");
  Zeile("statistics window until painted", k["statistik"], g["statistik"], "ms", "ratio <= 3");
  Zeile("  longest event-loop gap", k["statistik.luecke"], g["statistik.luecke"], "ms", "< 100");
  Zeile("\"Start\" 1,000 rows, all draws, repainted", k["panel1000"], g["panel1000"], "ms", "5k < 20, ratio <= 3");
  Zeile("  longest event-loop gap", k["panel1000.luecke"], g["panel1000.luecke"], "ms", "< 100");
  auto a = Mediane(programm, QStringLiteral("alle"), klein.path());
  auto z = Mediane(programm, QStringLiteral("glueck"), klein.path());
  std::printf("\n%-44s %12s\n", "workload (median of 3 processes)", "");
  std::printf("%-44s %12.1f ms  < 1000\n", "all 324,632 rows x 5,000 draws, repainted", a["alle5000"]);
  std::printf("%-44s %12.1f MB  < 250\n", "  memory beyond the window before", a["alle5000.mb"]);
  std::printf("%-44s %12.0f\n", "  ticket rows", a["alle5000.reihen"]);
  std::printf("%-44s %12.0f\n", "  result rows", a["alle5000.zeilen"]);
  std::printf("%-44s %12.1f ms  < 100\n", "  longest event-loop gap", a["alle5000.luecke"]);
  std::printf("%-44s %12.1f ms\n", "\"Viel Glück!\" all rows, repainted", z["glueck"]);
  std::printf("%-44s %12.1f ms  < 150\n", "  the rows into the grid, repainted", z["glueck.raster"]);
  std::printf("%-44s %12.1f ms  < 100\n", "  longest event-loop gap", z["glueck.luecke"]);
  return 0;
}
