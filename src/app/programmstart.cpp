#include "programmstart.h"

#include <clocale>
#include <exception>
#include <functional>

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "Start.h"
#include "core/einstellungen.h"
#include "core/programmwerte.h"
#include "core/schein.h"
#include "entry/eingabe.h"
#include "evaluation/auswertung.h"
#include "navigation.h"
#include "statistics/statistik.h"
#include "statistics/zahlenstatistik.h"
#include "tips/zufall.h"
#include "tools/Nueberk.h"
#include "tools/abbild.h"
#include "tools/hilfe.h"
#include "tools/info.h"
#include "tools/kal.h"
#include "ui/meldungen.h"
#include "ui/skin.h"
#include "update/update.h"

namespace {
// Runs a creation step; a failure is reported with its text and start-up goes on.
void Geschuetzt(const std::function<void()>& schritt) {
  try {
    schritt();
  } catch (const std::exception& e) {
    Fehler(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    Fehler(QStringLiteral("Unbekannter Fehler beim Erzeugen eines Fensters."));
  }
}
}  // namespace

void DemoScheinSchreiben(const QString& pfad) {
  static const int reihen[][5] = {{3, 9, 14, 22, 31},  {1, 7, 18, 25, 33},  {5, 11, 19, 27, 35},
                                  {2, 13, 20, 26, 34}, {6, 12, 17, 24, 30}, {4, 8, 16, 23, 29}};
  Tabelle t = Tabelle::Reihentabelle();
  int z = 0;
  for (const auto& r : reihen) {
    ++z;
    t.SetzeZelle(z, 0, QString::number(z));
    for (int s = 0; s < 5; ++s) t.SetzeZelle(z, s + 1, QString::number(r[s]));
  }
  t.SetzeZeilen(z + 1);
  ErgebnisMelden(ScheinSchreiben(t, QStringLiteral("1"), QStringLiteral("1"), pfad));
}

void FensterArtenRegistrieren() {
  TFEingabe::Registrieren();
  TFStatistik::Registrieren();
  TFZufall::Registrieren();
  TFUpdate::Registrieren();
  TFNueberK::Registrieren();
  TFKal::Registrieren();
  TFInfo::Registrieren();
  TFAbbild::Registrieren();
  HilfeFensterAnmelden();
  StatistikAnmelden();
}

Programm ProgrammVorbereiten(const QString& programmOrdner, const QString& datenBasis, const QStringList& scheine) {
  Programm p;
  // 1. The start screen; before it the process-wide values every window reads.
  GebietsschemaFestlegen();
  // A settings file that cannot be read whole is kept as it is and reported once.
  EinstellungenMelderSetzen([](const QString& text) { Warnung(text); });
  const DatenOrdnerErgebnis ordner = WerteErmitteln(programmOrdner, datenBasis);
  FensterArtenRegistrieren();
  p.start = new TFStart;
  // 2. Shown centred and painted at once.
  if (const QScreen* s = QGuiApplication::primaryScreen()) p.start->move(s->availableGeometry().center() - p.start->rect().center());
  p.start->show();
  p.start->repaint();
  QCoreApplication::processEvents();
  if (!ordner.fehler.isEmpty()) Fehler(ordner.fehler);
  if (ordner.neuAngelegt) DemoScheinSchreiben(Werte().DatenDatei(QStringLiteral("Demo-Tippschein.vnds")));
  // 3. The application's title.
  QCoreApplication::setApplicationName(Werte().titel);
  F1Einrichten();
  // 4. The windows that live for the whole run.
  Geschuetzt([&] {
    p.haupt = new TFAuswertung;
    FensterRegistrieren(p.haupt, QStringLiteral("FAuswertung"));
    p.haupt->setAttribute(Qt::WA_DeleteOnClose);
    p.start->SetzeHauptfenster(p.haupt);
    p.haupt->Erzeugen();
  });
  Geschuetzt([&] { FensterRegistrieren(new TFAbbild, QStringLiteral("FAbbild")); });
  Geschuetzt([&] {
    if (p.haupt) FensterRegistrieren(new TFEingabe, QStringLiteral("FEingabe"));
  });
  // 5. Always, also after a failure above.
  p.start->SetInitializationDone(true);
  // 6. The main window stays fully transparent, and hidden, until "Weiter": a desktop without
  // window opacity would otherwise show it at once over the start screen.
  // Its show-time work (remembered tickets, questions) runs as soon as the event loop starts, while
  // the start screen is still the only visible window.
  if (p.haupt) {
    p.haupt->setWindowOpacity(0.0);
    QTimer::singleShot(0, p.haupt, [h = p.haupt, scheine] { h->Anzeigen(scheine); });
  }
  return p;
}

QStringList QtUebersetzungenLaden() {
  // "qt_de" gathers the catalogues of Qt's modules (qtbase first); the help viewer has its own.
  QStringList geladen;
  const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString& name : {QStringLiteral("qt_de"), QStringLiteral("qt_help_de")}) {
    auto* texte = new QTranslator(qApp);
    if (texte->load(name, ordner) && QCoreApplication::installTranslator(texte))
      geladen << name;
    else
      delete texte;
  }
  return geladen;
}

int ProgrammAusfuehren(int argc, char** argv) {
  QApplication app(argc, argv);
  // Numbers in files are never written or read in the C library's locale (a German LC_NUMERIC
  // would make libraries write "8,5"); Qt's own formatting does not depend on it.
  std::setlocale(LC_NUMERIC, "C");
  QCoreApplication::setApplicationVersion(QStringLiteral(KELVARO_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(KELVARO_APP_ID));
  QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/de.kelvaro.Kelvaro.svg")));
  QtUebersetzungenLaden();
  SkinAnwenden();
  // The only arguments the program takes: ticket files to open (a double-click on a ticket file).
  const QStringList scheine = app.arguments().mid(1);
  Programm p = ProgrammVorbereiten(QCoreApplication::applicationDirPath(), QString(), scheine);
  if (!p.haupt) return 1;
  // Closing the main window ends the program; other windows still open are destroyed without
  // their own closing steps.
  QObject::connect(p.haupt, &QObject::destroyed, &app, [] { QCoreApplication::quit(); });
  app.setQuitOnLastWindowClosed(false);
  const int rc = app.exec();
  QList<QPointer<QWidget>> fenster;
  for (QWidget* w : QApplication::topLevelWidgets()) fenster << w;
  for (const QPointer<QWidget>& w : fenster) delete w.data();
  return rc;
}
