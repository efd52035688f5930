#include "auswertung.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "core/einstellungen.h"
#include "core/programmwerte.h"
#include "core/schluessel.h"
#include "core/ziehungen.h"
#include "entry/ziehungsimportdialog.h"
#include "evaluation/frScheineN.h"
#include "platform/plattform.h"
#include "ui/dateidialoge.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/meldungen.h"
#include "ui/skin.h"

TFAuswertung::TFAuswertung(QWidget* eltern) : QMainWindow(eltern) {
  setObjectName(QStringLiteral("FAuswertung"));
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::Haupt);
  Menues();

  // Tool bar: close (the program), the windows and tools, help at the right end.
  Aktionen::FensterLeiste(this, {AktionsId::Eingabe, AktionsId::Zufall, AktionsId::Statistik, AktionsId::Update, AktionsId::NueberK,
                                 AktionsId::Kalender, AktionsId::Rechner});
  if (auto* zu = findChild<QAction*>(QStringLiteral("Schliessen1"))) {
    zu->setShortcut({});  // Escape does not end the program
    zu->setToolTip(QStringLiteral("Programm beenden"));
  }

  auto* mitte = new QWidget(this);
  // The two columns scroll where the screen is too small for them at the player's font.
  auto* inhalt = new QWidget;
  auto* spalten = new QHBoxLayout(inhalt);
  spalten->setContentsMargins(6, 6, 6, 0);
  spalten->setSpacing(10);
  ziehungen_ = new TFfrZiehungen(inhalt);
  spalten->addWidget(ziehungen_);
  spalten->addWidget(RechterTeil(), 1);
  auto* rolle = new Rollflaeche(inhalt, mitte);  // now, so that the columns come first in the tab order

  // Bottom bar: the maker's logo, "Schließen".
  auto* fuss = new QHBoxLayout;
  fuss->setContentsMargins(6, 4, 6, 6);
  auto* logo = Bildknopf(QStringLiteral("ImgLogo"), QIcon(QStringLiteral(":/logo.svg")), QStringLiteral("Zur Internetseite von Kelvaro"),
                         mitte, QSize(118, 30));
  logo->setCursor(Qt::PointingHandCursor);
  connect(logo, &QToolButton::clicked, this, &TFAuswertung::LogoClick);
  fuss->addWidget(logo);
  fuss->addStretch(1);
  auto* schliessen = Knopf(QStringLiteral("BSchliessen"), QStringLiteral("schliessen"), QStringLiteral("Sch&ließen"), mitte);
  connect(schliessen, &QPushButton::clicked, this, &TFAuswertung::BCloseClick);
  fuss->addWidget(schliessen);

  auto* ganz = new QVBoxLayout(mitte);
  ganz->setContentsMargins(0, 0, 0, 0);
  ganz->setSpacing(0);
  ganz->addWidget(rolle, 1);
  ganz->addLayout(fuss);
  setCentralWidget(mitte);
  // Tab order: the draws column, the tickets side, "Schließen", the logo last.
  ziehungen_->TabFolgeSetzen();
  setTabOrder(schliessen, logo);

  // Client area 925 x 679 below the menu bar, or what the font needs, centred on the screen.
  FensterGroesseSetzen(this, QSize(925, 679 + menuBar()->sizeHint().height()));
  if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

void TFAuswertung::Menues() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  datei->addAction(Aktionen::Lokal(AktionsId::ScheineOeffnen, this, [this] { BOpenClick(); }));
  datei->addAction(Aktionen::Aktion(AktionsId::Eingabe));
  datei->addSeparator();
  datei->addAction(Aktionen::Lokal(AktionsId::ZiehungenImportieren, this, [this] { ZiehungenImportierenKlick(this); }));
  datei->addAction(Aktionen::Lokal(AktionsId::ZiehungenEinfuegen, this, [this] { ZiehungenEinfuegenKlick(this); }));
  datei->addAction(Aktionen::Lokal(AktionsId::ZiehungenExportieren, this, [this] { ZiehungenExportierenKlick(this); }));
  datei->addSeparator();
  datei->addAction(Aktionen::Lokal(AktionsId::Beenden, this));
  // Ctrl+W closes the active ticket tab (no menu entry of its own).
  Aktionen::Lokal(AktionsId::TabSchliessen, this, [this] { TabSchliessenClick(); });

  QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
  for (const QString& id : {AktionsId::NueberK, AktionsId::Kalender, AktionsId::Rechner}) extras->addAction(Aktionen::Aktion(id));
  extras->addSeparator();
  extras->addAction(Aktionen::Aktion(AktionsId::Update));

  QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("Hilfe1"));
  hilfe->addAction(Aktionen::Aktion(AktionsId::HilfeInhalt));
  hilfe->addAction(Aktionen::Aktion(AktionsId::HilfeSuchen));
  hilfe->addSeparator();
  hilfe->addAction(Aktionen::Aktion(AktionsId::Update));
  hilfe->addSeparator();
  hilfe->addAction(Aktionen::Aktion(AktionsId::Info));
}

QWidget* TFAuswertung::RechterTeil() {
  auto* rechts = new QWidget;
  rechts->setObjectName(QStringLiteral("PRechts"));
  auto* v = new QVBoxLayout(rechts);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(5);
  v->addWidget(Beschriftung(QStringLiteral("Tippauswertung"), rechts, true));

  auto* wahl = new QHBoxLayout;
  wahl->addWidget(Beschriftung(QStringLiteral("Tippschein(e) wählen"), rechts, true));
  auto* oeffnen = Knopf(QStringLiteral("BOpen"), QStringLiteral("oeffnen"), QStringLiteral("Öffnen..."), rechts);
  connect(oeffnen, &QPushButton::clicked, this, &TFAuswertung::BOpenClick);
  wahl->addWidget(oeffnen);
  auto* mehrere = Beschriftung(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), rechts, true);
  UmbruchImRest(mehrere);
  wahl->addWidget(mehrere, 1);
  v->addLayout(wahl);

  cbMerken_ = new QCheckBox(QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"), rechts);
  cbMerken_->setObjectName(QStringLiteral("cbMerken"));
  cbMerken_->setChecked(true);
  v->addWidget(cbMerken_);
  auto* hinweise = new QVBoxLayout;
  hinweise->setContentsMargins(22, 0, 0, 0);
  hinweise->setSpacing(1);
  hinweise->addWidget(Beschriftung(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), rechts));
  auto* achtung = Beschriftung(QStringLiteral("Achtung, alte Einträge werden überschrieben."), rechts, true);
  achtung->setStyleSheet(QStringLiteral("color: #c62828;"));
  hinweise->addWidget(achtung);
  v->addLayout(hinweise);

  auto* schliessen = new QHBoxLayout;
  schliessen->addWidget(Beschriftung(QStringLiteral("Tabs schließen"), rechts));
  auto* einen = Bildknopf(QStringLiteral("BTabZu"), Symbol(QStringLiteral("tab-schliessen")),
                          QStringLiteral("Ausgewählten Tab mit Schein-Datei schließen."), rechts);
  einen->setAutoRaise(false);
  connect(einen, &QToolButton::clicked, this, &TFAuswertung::TabSchliessenClick);
  schliessen->addWidget(einen);
  auto* alle = Bildknopf(QStringLiteral("BTabsZu"), Symbol(QStringLiteral("tabs-schliessen")),
                         QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."), rechts);
  alle->setAutoRaise(false);
  connect(alle, &QToolButton::clicked, this, &TFAuswertung::AlleTabsSchliessenClick);
  schliessen->addWidget(alle);
  schliessen->addStretch(1);
  v->addLayout(schliessen);

  tabs_ = new QTabWidget(rechts);
  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->setMinimumWidth(610);
  v->addWidget(tabs_, 1);
  return rechts;
}

void TFAuswertung::Erzeugen() {
  Ergebnis preisFehler;
  preis_ = ::PreisJeReihe(Einstellungen(), &preisFehler);
  ErgebnisMelden(preisFehler, this);
  // Load the draw history; a read error is reported and the draws read so far stay. The selector,
  // the grid and the statistics follow the store.
  ErgebnisMelden(Ziehungen().NeuLaden(), this);
}

void TFAuswertung::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  Anzeigen();
}

void TFAuswertung::Anzeigen(const QStringList& befehlszeile) {
  if (angezeigt_) return;
  angezeigt_ = true;
  const Einstellungen einstellungen;
  QStringList dateien;
  auto oeffnen = [this](const QString& pfad) -> QWidget* {
    if (QFileInfo(pfad).isFile()) return DateienEinlesen(pfad);
    Information(QStringLiteral("Die mit dem Programmstart zu ladende Datei ") + QFileInfo(pfad).fileName() + CRCR +
                    QStringLiteral(" wurde nicht gefunden."),
                this);
    return nullptr;
  };
  if (einstellungen.Existiert()) {
    cbMerken_->setChecked(Schluessel::Merken.Lesen(einstellungen));
    dateien = GemerkteDateien(einstellungen);
    for (const QString& pfad : dateien) oeffnen(pfad);
  }
  // Ticket files named on the command line open like "Öffnen..." does, without changing the
  // remembered list; the last of them is shown.
  QWidget* letzter = nullptr;
  for (const QString& pfad : befehlszeile)
    if (QWidget* tab = oeffnen(pfad)) letzter = tab;
  if (letzter) tabs_->setCurrentWidget(letzter);
  const QString demo = Werte().DatenDatei(QStringLiteral("Demo-Tippschein.vnds"));
  if (dateien.isEmpty() && befehlszeile.isEmpty() && QFileInfo(demo).isFile()) DateienEinlesen(demo);
  FensterWachsen(this);
  if (Ziehungen().Anzahl() == 0) DownloadAnbieten(this);
}

void TFAuswertung::BOpenClick() {
  const QStringList dateien = DateiDialoge().Oeffnen(TippscheinOeffnenDialog(true), this);
  if (dateien.isEmpty()) return;
  tabs_->hide();
  if (cbMerken_->isChecked()) ErgebnisMelden(DateienMerken(Einstellungen(), dateien), this);
  QWidget* letzter = nullptr;
  for (const QString& pfad : dateien) letzter = DateienEinlesen(pfad);
  tabs_->show();
  if (letzter) tabs_->setCurrentWidget(letzter);
  FensterWachsen(this);  // a ticket's panel may need more room at the player's font
}

QWidget* TFAuswertung::DateienEinlesen(const QString& pfad) {
  const int t = ++tabZaehler_;
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("Tab%1").arg(t));
  tab->setProperty("tag", t);
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* panel = new TFFrScheineN(preis_, tab);
  panel->setObjectName(QStringLiteral("fr%1").arg(t));
  layout->addWidget(panel);
  tabs_->addTab(tab, QFileInfo(pfad).completeBaseName());
  // A ticket's panel comes right after the tabs, before "Schließen".
  setTabOrder(tabs_, tab);
  panel->TabFolgeSetzen();
  panel->Fuellen(pfad, ziehungen_->NeuesDatum());
  return tab;
}

QList<TFFrScheineN*> TFAuswertung::Panels() const { return tabs_->findChildren<TFFrScheineN*>(); }

void TFAuswertung::TabSchliessenClick() {
  QWidget* tab = tabs_->currentWidget();
  if (!tab) return;
  tabs_->hide();
  tabs_->removeTab(tabs_->currentIndex());
  delete tab;
  tabs_->show();
}

void TFAuswertung::AlleTabsSchliessenClick() {
  if (tabs_->count() == 0) return;
  tabs_->hide();
  for (int i = tabs_->count() - 1; i >= 0; --i) {
    QWidget* tab = tabs_->widget(i);
    tabs_->removeTab(i);
    delete tab;
  }
  tabs_->show();
}

void TFAuswertung::LogoClick() {
  if (!System().IstOnline()) {
    Information(QStringLiteral("Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen."), this);
    return;
  }
  System().UrlOeffnen(QUrl(Adressen::Hersteller));
}

void TFAuswertung::closeEvent(QCloseEvent* ereignis) {
  // The close query: remember whether the opened files are to be reopened; closing goes on even
  // when the settings cannot be written.
  ErgebnisMelden(Schluessel::Merken.Schreiben(Einstellungen(), cbMerken_->isChecked()), this);
  ereignis->accept();
}
