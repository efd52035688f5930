#include "statistik.h"

#include <QAction>
#include <QMenuBar>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/programmwerte.h"
#include "statistics/frStatistik.h"
#include "statistics/kombinationen.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "update/transfer.h"

void TFStatistik::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FStatistik"), [] { return new TFStatistik; });
}

TFStatistik::TFStatistik() : QMainWindow(nullptr) {
  setObjectName(QStringLiteral("FStatistik"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::Statistik);
  KombisAufbauen();

  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* beenden = Aktionen::Lokal(AktionsId::Beenden, this);
  beenden->setShortcut({});  // Ctrl+Q ends the program in the main window, not here
  datei->addAction(beenden);
  Aktionen::FensterLeiste(this, {AktionsId::Eingabe, AktionsId::Update, AktionsId::NueberK, AktionsId::Kalender, AktionsId::Rechner});

  frame_ = new TFfrStatistik;
  setCentralWidget(new Rollflaeche(frame_, this));
  frame_->Aufbauen();
  // Yes to the download of missing draws: the update window downloads at once, this window goes.
  connect(frame_, &TFfrStatistik::DownloadGewuenscht, this, [this] {
    DownloadFragen = false;
    Aktionen::Aktion(AktionsId::Update)->trigger();
    close();
  });

  // Client area: the frame's width plus 10, 711 pixels high, or what the font needs; centred on the
  // main window.
  FensterGroesseSetzen(this, QSize(7 * 46 + 11 + 10 + 10, 711 + menuBar()->sizeHint().height()));
  AmHauptfensterZentrieren(this);
}
