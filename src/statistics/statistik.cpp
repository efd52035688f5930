#include "statistik.h"

#include <QMenuBar>
#include <QToolBar>

#include "core/programmwerte.h"
#include "evaluation/auswertung.h"
#include "statistics/frStatistik.h"
#include "statistics/kombinationen.h"
#include "tools/hilfe.h"
#include "ui/skin.h"
#include "update/transfer.h"

TFStatistik::TFStatistik(TFAuswertung* haupt) : QMainWindow(nullptr) {
  setObjectName(QStringLiteral("FStatistik"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Werte().FensterTitel());
  KombisAufbauen();

  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* beenden = datei->addAction(Symbol(QStringLiteral("schliessen")), QStringLiteral("&Beenden"));
  beenden->setObjectName(QStringLiteral("Beenden1"));
  connect(beenden, &QAction::triggered, this, &QWidget::close);
  QToolBar* leiste = NeueWerkzeugleiste(this);
  addToolBar(Qt::TopToolBarArea, leiste);
  connect(WerkzeugKnopf(leiste, QStringLiteral("BClose"), QStringLiteral("schliessen"), QStringLiteral("Fenster schließen")),
          &QAction::triggered, this, &QWidget::close);
  if (haupt) haupt->NaviKnoepfe(leiste, {Navi::Eingabe, Navi::Update, Navi::NueberK, Navi::Kalender, Navi::Rechner});
  HilfeKnopf(leiste, Thema::Statistik);
  HilfeThemaSetzen(this, Thema::Statistik);

  frame_ = new TFfrStatistik(this);
  setCentralWidget(frame_);
  frame_->Aufbauen();
  // Yes to the download of missing draws: the update window downloads at once, this window goes.
  connect(frame_, &TFfrStatistik::DownloadGewuenscht, this, [this, haupt] {
    DownloadFragen = false;
    if (haupt) haupt->BUpdateClick();
    close();
  });

  // Client area: the frame's width plus 10, 711 pixels high; centred on the main window.
  const int breite = std::max(frame_->minimumSizeHint().width(), 7 * 46 + 11 + 10) + 10;
  resize(breite, 711 + menuBar()->sizeHint().height());
  if (haupt) move(haupt->geometry().center() - rect().center());
}
