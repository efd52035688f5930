#include "auswertung.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/datum.h"
#include "core/einstellungen.h"
#include "ui/meldungen.h"
#include "core/programmwerte.h"
#include "ui/skin.h"
#include "ui/tabellenansicht.h"
#include "core/zahltext.h"
#include "ui/zentrieren.h"
#include "core/ziehungen.h"
#include "app/navigation.h"
#include "entry/eingabe.h"
#include "evaluation/frScheineN.h"
#include "statistics/statistik.h"
#include "tips/zufall.h"
#include "tools/Nueberk.h"
#include "tools/hilfe.h"
#include "tools/info.h"
#include "tools/kal.h"
#include "update/transfer.h"
#include "update/update.h"
#include "statistics/zahlenstatistik.h"
#include "platform/plattform.h"
#include "ui/dateidialoge.h"

namespace {
QString GZPfad() { return Werte().DatenDatei(QStringLiteral("GZ.535")); }

// A picture that acts as a link.
QToolButton* Bildknopf(const QString& name, const QString& bild, QSize groesse, const QString& hinweis, QWidget* eltern) {
  auto* b = new QToolButton(eltern);
  b->setObjectName(name);
  b->setIcon(QIcon(bild));
  b->setIconSize(groesse);
  b->setAutoRaise(true);
  b->setCursor(Qt::PointingHandCursor);
  b->setToolTip(hinweis);
  return b;
}

const QString Spielscheine = QStringLiteral("Spielscheine");
}  // namespace

int ZiehungenTabelle::Zeilen() const { return Ziehungen().Anzahl() + 1; }

QString ZiehungenTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  const int n = Ziehungen().Anzahl();
  if (zeile < 1 || zeile > n || spalte < 0 || spalte > 5) return {};
  const TGewZahlen& z = Ziehungen().Eintrag(n - zeile);
  return spalte == 0 ? DatumAlsText(z.datum) : QString::number(z.GZ[spalte - 1]);
}

TFAuswertung::TFAuswertung(QWidget* eltern) : QMainWindow(eltern) {
  setObjectName(QStringLiteral("FAuswertung"));
  setWindowTitle(Werte().FensterTitel());
  Aufbauen();
}

TFAuswertung::~TFAuswertung() {
  g1_->SetzeDaten(nullptr);  // the grid is a member and goes before the view
}

void TFAuswertung::Aufbauen() {
  // Menu bar.
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* oeffnen = datei->addAction(Symbol(QStringLiteral("oeffnen")), QStringLiteral("Tippschein(e) öffnen..."));
  oeffnen->setObjectName(QStringLiteral("Tippscheineoeffnen1"));
  connect(oeffnen, &QAction::triggered, this, &TFAuswertung::BOpenClick);
  QAction* eingabe = datei->addAction(Symbol(QStringLiteral("eingabe")), QStringLiteral("Neuen Tippschein eingeben..."));
  eingabe->setObjectName(QStringLiteral("NeuenTippscheineingeben1"));
  connect(eingabe, &QAction::triggered, this, &TFAuswertung::BEingabeNClick);
  datei->addSeparator();
  QAction* beenden = datei->addAction(Symbol(QStringLiteral("schliessen")), QStringLiteral("&Beenden"));
  beenden->setObjectName(QStringLiteral("Beenden1"));
  connect(beenden, &QAction::triggered, this, &TFAuswertung::BCloseClick);

  QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
  QAction* nueberk = extras->addAction(Symbol(QStringLiteral("nueberk")), QStringLiteral("&n über k berechnen"));
  nueberk->setObjectName(QStringLiteral("nberkberechnen1"));
  connect(nueberk, &QAction::triggered, this, &TFAuswertung::BNoverKClick);
  QAction* kalender = extras->addAction(Symbol(QStringLiteral("kalender")), QStringLiteral("&Kalender"));
  kalender->setObjectName(QStringLiteral("Kalender1"));
  connect(kalender, &QAction::triggered, this, &TFAuswertung::BKalClick);
  QAction* rechner = extras->addAction(Symbol(QStringLiteral("rechner")), QStringLiteral("Taschen&rechner"));
  rechner->setObjectName(QStringLiteral("Taschenrechner1"));
  connect(rechner, &QAction::triggered, this, &TFAuswertung::BCalcClick);
  extras->addSeparator();
  QAction* update = extras->addAction(Symbol(QStringLiteral("update")), QStringLiteral("&Update-Prüfung"));
  update->setObjectName(QStringLiteral("UpdatePruefung1"));
  connect(update, &QAction::triggered, this, &TFAuswertung::BUpdateClick);
  QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("Hilfe1"));
  QAction* inhalt = hilfe->addAction(Symbol(QStringLiteral("hilfe")), QStringLiteral("&Inhalt"));
  inhalt->setObjectName(QStringLiteral("Inhalt1"));
  connect(inhalt, &QAction::triggered, this, [] { Hilfe().InhaltZeigen(); });
  QAction* suchen = hilfe->addAction(Symbol(QStringLiteral("suchen")), QStringLiteral("In Hilfe &suchen..."));
  suchen->setObjectName(QStringLiteral("InHilfesuchen1"));
  connect(suchen, &QAction::triggered, this, [] { Hilfe().SucheZeigen(); });
  hilfe->addSeparator();
  QAction* update2 = hilfe->addAction(Symbol(QStringLiteral("update")), QStringLiteral("&Update-Prüfung"));
  update2->setObjectName(QStringLiteral("UpdatePruefung2"));
  connect(update2, &QAction::triggered, this, &TFAuswertung::BUpdateClick);
  hilfe->addSeparator();
  QAction* info = hilfe->addAction(Symbol(QStringLiteral("info")), QStringLiteral("Programm-&Info"));
  info->setObjectName(QStringLiteral("ProgrammInfo1"));
  connect(info, &QAction::triggered, this, &TFAuswertung::ProgrammInfo1Click);

  // Tool bar.
  QToolBar* leiste = NeueWerkzeugleiste(this);
  addToolBar(Qt::TopToolBarArea, leiste);
  connect(WerkzeugKnopf(leiste, QStringLiteral("BClose"), QStringLiteral("schliessen"), QStringLiteral("Programm beenden")),
          &QAction::triggered, this, &TFAuswertung::BCloseClick);
  NaviKnoepfe(leiste, {Navi::Eingabe, Navi::Zufall, Navi::Statistik, Navi::Update, Navi::NueberK, Navi::Kalender, Navi::Rechner});
  HilfeKnopf(leiste, Thema::Haupt);
  HilfeThemaSetzen(this, Thema::Haupt);

  auto* mitte = new QWidget(this);
  auto* spalten = new QHBoxLayout;
  spalten->setContentsMargins(6, 6, 6, 0);
  spalten->setSpacing(10);
  spalten->addWidget(LinkeSpalte());
  spalten->addWidget(RechterTeil(), 1);

  // Bottom bar.
  auto* fuss = new QHBoxLayout;
  fuss->setContentsMargins(6, 4, 6, 6);
  auto* logo = Bildknopf(QStringLiteral("ImgLogo"), QStringLiteral(":/logo.svg"), QSize(118, 30),
                         QStringLiteral("Zur Internetseite von Kelvaro"), mitte);
  connect(logo, &QToolButton::clicked, this, &TFAuswertung::LogoClick);
  fuss->addWidget(logo);
  fuss->addStretch(1);
  auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), mitte);
  schliessen->setObjectName(QStringLiteral("BSchliessen"));
  schliessen->setIcon(Symbol(QStringLiteral("schliessen")));
  connect(schliessen, &QPushButton::clicked, this, &TFAuswertung::BCloseClick);
  fuss->addWidget(schliessen);

  auto* ganz = new QVBoxLayout(mitte);
  ganz->setContentsMargins(0, 0, 0, 0);
  ganz->setSpacing(0);
  ganz->addLayout(spalten, 1);
  ganz->addLayout(fuss);
  setCentralWidget(mitte);

  // Client area 925 x 679 below the menu bar, centred on the screen.
  resize(925, 679 + menuBar()->sizeHint().height());
  if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

QWidget* TFAuswertung::LinkeSpalte() {
  auto* spalte = new QWidget;
  spalte->setObjectName(QStringLiteral("PLinks"));
  spalte->setFixedWidth(268 + 20);
  auto* v = new QVBoxLayout(spalte);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(6);

  // Top box: selector, add/save, date line, number field, paste.
  auto* box = new QFrame(spalte);
  box->setObjectName(QStringLiteral("PZiehung"));
  box->setFrameShape(QFrame::StyledPanel);
  auto* bv = new QVBoxLayout(box);
  bv->setContentsMargins(8, 6, 8, 8);
  bv->setSpacing(5);

  auto* kopf = new QGridLayout;
  kopf->setHorizontalSpacing(6);
  kopf->setVerticalSpacing(4);
  auto* titelZeile = new QHBoxLayout;
  titelZeile->addWidget(FettesLabel(QStringLiteral("Ziehung"), box));
  const QString maklerHinweis = QStringLiteral("Aktuelle Zahlen und Quoten aufrufen");
  auto* makler = new QToolButton(box);
  makler->setObjectName(QStringLiteral("BMakler"));
  makler->setIcon(Symbol(QStringLiteral("web")));
  makler->setToolTip(maklerHinweis);
  makler->setAutoRaise(true);
  connect(makler, &QToolButton::clicked, this, &TFAuswertung::BMaklerClick);
  titelZeile->addWidget(makler);
  auto* maklerLogo = Bildknopf(QStringLiteral("ImgMakler"), QStringLiteral(":/losmarkt.svg"), QSize(72, 20), maklerHinweis, box);
  connect(maklerLogo, &QToolButton::clicked, this, &TFAuswertung::BMaklerClick);
  titelZeile->addWidget(maklerLogo);
  titelZeile->addStretch(1);
  kopf->addLayout(titelZeile, 0, 0, 1, 3);

  combo1_ = new QComboBox(box);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  QFont fett = combo1_->font();
  fett.setBold(true);
  combo1_->setFont(fett);
  combo1_->setMaxVisibleItems(20);
  combo1_->setMinimumWidth(120);
  connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { Combo1Change(); });
  kopf->addWidget(combo1_, 1, 0);

  bHinzu_ = new QPushButton(QStringLiteral("Ziehung hinzufügen"), box);
  bHinzu_->setObjectName(QStringLiteral("BHinzu"));
  bHinzu_->setIcon(Symbol(QStringLiteral("hinzu")));
  connect(bHinzu_, &QPushButton::clicked, this, &TFAuswertung::BHinzuClick);
  kopf->addWidget(bHinzu_, 1, 1);
  auto* hinzuInfo = new QToolButton(box);
  hinzuInfo->setObjectName(QStringLiteral("BInfo"));
  hinzuInfo->setIcon(Symbol(QStringLiteral("info")));
  hinzuInfo->setToolTip(QStringLiteral("Hilfe zum Eintragen der Gewinnzahlen"));
  hinzuInfo->setAutoRaise(true);
  connect(hinzuInfo, &QToolButton::clicked, this, [] { Hilfe().ThemaZeigen(Thema::Haupt); });
  kopf->addWidget(hinzuInfo, 1, 2);

  bSave_ = new QPushButton(QStringLiteral("S&peichern"), box);
  bSave_->setObjectName(QStringLiteral("BSave"));
  bSave_->setIcon(Symbol(QStringLiteral("speichern")));
  connect(bSave_, &QPushButton::clicked, this, &TFAuswertung::BSaveClick);
  kopf->addWidget(bSave_, 2, 1);

  bDel_ = new QToolButton(box);
  bDel_->setObjectName(QStringLiteral("BDel"));
  bDel_->setIcon(Symbol(QStringLiteral("leeren")));
  bDel_->setToolTip(QStringLiteral("Auswahl der Zahlen löschen"));
  bDel_->setAutoRaise(true);
  connect(bDel_, &QToolButton::clicked, this, &TFAuswertung::BDelClick);
  kopf->addWidget(bDel_, 2, 2);
  kopf->setColumnStretch(0, 1);
  bv->addLayout(kopf);

  lDatum_ = new QLabel(box);
  lDatum_->setObjectName(QStringLiteral("LDatum"));
  lDatum_->setTextFormat(Qt::RichText);
  DatumsZeileSetzen(QString());
  bv->addWidget(lDatum_);

  // Number field: 5 rows of 7 buttons, 36 x 28 pixels each.
  auto* feld = new QWidget(box);
  feld->setObjectName(QStringLiteral("PZahlen"));
  feld->setFixedSize(7 * 36 + 16, 5 * 28 + 12);
  feld->setStyleSheet(ZahlenknopfStil());
  for (int i = 1; i <= 5; ++i)
    for (int j = 1; j <= 7; ++j) {
      const int n = 7 * (i - 1) + j;
      auto* b = new QToolButton(feld);
      b->setObjectName(QStringLiteral("PNummer%1").arg(n));
      b->setText(QString::number(n));
      b->setProperty("tag", n);
      b->setCheckable(true);
      b->setFocusPolicy(Qt::NoFocus);
      QFont f = b->font();
      f.setPointSize(8);
      f.setBold(true);
      b->setFont(f);
      b->setGeometry(37 * (j - 1) + 8, 28 * (i - 1) + 6, 36, 28);
      connect(b, &QToolButton::clicked, this, [this, n] { BLotAuswerten(n); });
      nummern_[n] = b;
    }
  bv->addWidget(feld, 0, Qt::AlignHCenter);

  auto* hinweis = new QHBoxLayout;
  auto* markieren = new QLabel(QStringLiteral("Zahlen auf Website markieren, in Zwischenablage kopieren."), box);
  markieren->setObjectName(QStringLiteral("LHinweis"));
  markieren->setWordWrap(true);
  markieren->setStyleSheet(QStringLiteral("color: #c62828;"));
  hinweis->addWidget(markieren, 1);
  bCopy_ = new QPushButton(QStringLiteral("Aus Zwischen-\nablage einfügen"), box);
  bCopy_->setObjectName(QStringLiteral("BCopy"));
  bCopy_->setIcon(Symbol(QStringLiteral("einfuegen")));
  connect(bCopy_, &QPushButton::clicked, this, &TFAuswertung::BCopyClick);
  hinweis->addWidget(bCopy_);
  bv->addLayout(hinweis);
  v->addWidget(box);

  // Draw count and draws grid.
  lAnzahl_ = FettesLabel(QString(), spalte);
  lAnzahl_->setObjectName(QStringLiteral("LAnzahl"));
  v->addWidget(lAnzahl_);
  g1_ = new TabellenAnsicht(spalte);
  g1_->setObjectName(QStringLiteral("G1"));
  const QList<int> breiten{70, 35, 35, 35, 35, 35};
  const QStringList kopfTexte{QStringLiteral("Datum"), QStringLiteral("Z1"), QStringLiteral("Z2"),
                              QStringLiteral("Z3"), QStringLiteral("Z4"), QStringLiteral("Z5")};
  for (int s = 0; s < 6; ++s) g1Daten_.kopf << Zentriert(kopfTexte[s], breiten[s], g1_->font());
  g1_->SetzeDaten(&g1Daten_);
  g1_->SetzeSpaltenBreiten(breiten);
  v->addWidget(g1_, 1);
  return spalte;
}

QWidget* TFAuswertung::RechterTeil() {
  auto* rechts = new QWidget;
  rechts->setObjectName(QStringLiteral("PRechts"));
  auto* v = new QVBoxLayout(rechts);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(5);
  v->addWidget(FettesLabel(QStringLiteral("Tippauswertung"), rechts));

  auto* wahl = new QHBoxLayout;
  wahl->addWidget(FettesLabel(QStringLiteral("Tippschein(e) wählen"), rechts));
  auto* oeffnen = new QPushButton(Symbol(QStringLiteral("oeffnen")), QStringLiteral("Öffnen..."), rechts);
  oeffnen->setObjectName(QStringLiteral("BOpen"));
  connect(oeffnen, &QPushButton::clicked, this, &TFAuswertung::BOpenClick);
  wahl->addWidget(oeffnen);
  auto* mehrere = FettesLabel(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), rechts);
  mehrere->setWordWrap(true);
  wahl->addWidget(mehrere, 1);
  v->addLayout(wahl);

  cbMerken_ = new QCheckBox(QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"), rechts);
  cbMerken_->setObjectName(QStringLiteral("cbMerken"));
  cbMerken_->setChecked(true);
  v->addWidget(cbMerken_);
  auto* hinweise = new QVBoxLayout;
  hinweise->setContentsMargins(22, 0, 0, 0);
  hinweise->setSpacing(1);
  hinweise->addWidget(new QLabel(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), rechts));
  auto* achtung = FettesLabel(QStringLiteral("Achtung, alte Einträge werden überschrieben."), rechts);
  achtung->setStyleSheet(QStringLiteral("color: #c62828;"));
  hinweise->addWidget(achtung);
  v->addLayout(hinweise);

  auto* schliessen = new QHBoxLayout;
  schliessen->addWidget(new QLabel(QStringLiteral("Tabs schließen"), rechts));
  auto* einen = new QToolButton(rechts);
  einen->setObjectName(QStringLiteral("BTabZu"));
  einen->setIcon(Symbol(QStringLiteral("tab-schliessen")));
  einen->setToolTip(QStringLiteral("Ausgewählten Tab mit Schein-Datei schließen."));
  connect(einen, &QToolButton::clicked, this, &TFAuswertung::TabSchliessenClick);
  schliessen->addWidget(einen);
  auto* alle = new QToolButton(rechts);
  alle->setObjectName(QStringLiteral("BTabsZu"));
  alle->setIcon(Symbol(QStringLiteral("tabs-schliessen")));
  alle->setToolTip(QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."));
  connect(alle, &QToolButton::clicked, this, &TFAuswertung::AlleTabsSchliessenClick);
  schliessen->addWidget(alle);
  schliessen->addStretch(1);
  v->addLayout(schliessen);

  tabs_ = new QTabWidget(rechts);
  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->setMinimumWidth(610);
  tabs_->setDocumentMode(false);
  v->addWidget(tabs_, 1);
  return rechts;
}

void TFAuswertung::Erzeugen() {
  Ergebnis preisFehler;
  preis_ = ::PreisJeReihe(Einstellungen(), &preisFehler);
  ErgebnisMelden(preisFehler, this);

  // Load the draw history; a read error is reported and the draws read so far stay.
  ErgebnisMelden(Ziehungen().Laden(GZPfad()), this);
  DrawSelectorFuellen();
  StatistikStart();
}

void TFAuswertung::DrawSelectorFuellen() {
  {
    const QSignalBlocker sperre(combo1_);
    combo1_->clear();
    combo1_->addItems(Ziehungen().DatumsTexte());
    combo1_->setCurrentIndex(-1);
  }
  combo1_->setCurrentIndex(Ziehungen().Neueste());  // shows the newest draw
  GZinG1Einlesen();
}

void TFAuswertung::NummerAnzeigen(int n) { nummern_[n]->setChecked(gewaehlt_.Enthaelt(n)); }

void TFAuswertung::BLotAuswerten(int n) {
  if (n < 1 || n > MaxZahl) return;
  if (gewaehlt_.Enthaelt(n)) {
    gewaehlt_.Ausschliessen(n);
    --gewaehltAnzahl_;
  } else if (gewaehltAnzahl_ >= ZahlenJeReihe) {
    NummerAnzeigen(n);  // a click on the button must not leave it looking selected
    Information(QStringLiteral("Sie haben bereits fünf Gewinnzahlen gewählt."), this);
    return;
  } else {
    gewaehlt_.Einschliessen(n);
    ++gewaehltAnzahl_;
  }
  NummerAnzeigen(n);
}

void TFAuswertung::BDelClick() {
  gewaehlt_.Leeren();
  gewaehltAnzahl_ = 0;
  for (int n = 1; n <= MaxZahl; ++n) NummerAnzeigen(n);
}

void TFAuswertung::DatumsZeileSetzen(const QString& datum) {
  datumsZeile_ = QStringLiteral("Gewinnzahlen vom ") + datum;
  lDatum_->setText(QStringLiteral("Gewinnzahlen vom <b>%1</b>").arg(datum.toHtmlEscaped()));
}

void TFAuswertung::Combo1Change() {
  const int k = combo1_->currentIndex();
  if (k < 0 || k >= Ziehungen().Anzahl()) return;  // the date of a draw being entered
  BDelClick();
  const TGewZahlen& z = Ziehungen().Eintrag(k);
  for (std::uint8_t n : z.GZ) BLotAuswerten(n);
  DatumsZeileSetzen(combo1_->itemText(k));
}

void TFAuswertung::HinzuKnopfZeigen(bool abbrechen) {
  bHinzu_->setIcon(Symbol(abbrechen ? QStringLiteral("abbrechen") : QStringLiteral("hinzu")));
  bHinzu_->setText(abbrechen ? QStringLiteral("Abbrechen") : QStringLiteral("Neue Ziehung"));
}

void TFAuswertung::DownloadAnbieten() {
  if (FrageMitAbbrechen(QStringLiteral("Es fehlen jegliche Gewinnreihen.") + CRCR + QStringLiteral("Soll ich deren Download gleich starten?"),
                        this) != Antwort::Ja)
    return;
  DownloadFragen = false;  // the update window downloads at once
  BUpdateClick();
}

void TFAuswertung::BHinzuClick() {
  if (Ziehungen().Anzahl() == 0) DownloadAnbieten();
  const int n = Ziehungen().Anzahl();
  if (ziehungNeu_) {
    ziehungNeu_ = false;
    HinzuKnopfZeigen(false);
    bSave_->setEnabled(true);
    if (combo1_->count() > n) combo1_->removeItem(combo1_->count() - 1);
    combo1_->setCurrentIndex(combo1_->count() - 1);
    return;
  }
  ziehungNeu_ = true;
  HinzuKnopfZeigen(true);
  bSave_->setEnabled(true);
  const QString datum = DatumAlsText(Ziehungen().NeuesDatum());
  combo1_->addItem(datum);
  combo1_->setCurrentIndex(combo1_->count() - 1);
  BDelClick();
  DatumsZeileSetzen(datum);
}

void TFAuswertung::BSaveClick() {
  if (gewaehltAnzahl_ < ZahlenJeReihe) {
    Fehler(QStringLiteral("Bitte geben Sie fünf Gewinnzahlen an.") + CRCR + QStringLiteral("Ich breche erst einmal ab."), this);
    return;
  }
  const int n = Ziehungen().Anzahl();
  const int ziel = ziehungNeu_ ? n : combo1_->currentIndex();
  if (ziel < 0 || (!ziehungNeu_ && ziel >= n)) return;
  const QString datumsText = combo1_->itemText(ziel);
  const auto datum = TextAlsDatum(datumsText);
  if (!datum) {
    Fehler(QStringLiteral("Das Datum \"%1\" ist kein gültiges Datum.").arg(datumsText) + CRCR +
               QStringLiteral("Ich breche erst einmal ab."),
           this);
    return;
  }
  const auto reihe = MengeAlsReihe(gewaehlt_, 6, MaxZahl);
  const std::uint8_t zahlen[5] = {reihe[0], reihe[1], reihe[2], reihe[3], reihe[4]};
  const Ergebnis e = ziehungNeu_ ? Ziehungen().AnhaengenUndSpeichern(*datum, zahlen, GZPfad())
                                 : Ziehungen().ErsetzenUndSpeichern(ziel, *datum, zahlen, GZPfad());
  if (!ErgebnisMelden(e, this)) return;  // file and list stay as they were

  ziehungNeu_ = false;
  HinzuKnopfZeigen(false);
  GZinG1Einlesen();
  QStringList daten;
  for (int i = 0; i < combo1_->count(); ++i) daten << combo1_->itemText(i);
  for (TFFrScheineN* panel : Panels()) panel->ZiehungenAktualisieren(daten);
  StatistikStart();
}

void TFAuswertung::BCopyClick() {
  const QString text = QGuiApplication::clipboard()->text();
  static const QRegularExpression zeilenEnde(QStringLiteral("\r\n|\r|\n"));
  for (const QString& zeile : text.split(zeilenEnde)) {
    if (zeile.isEmpty()) continue;
    const auto zahl = TextAlsGanzzahl(zeile);
    if (!zahl) {
      Fehler(KeinIntegerwert(zeile), this);
      return;
    }
    BLotAuswerten(*zahl);
  }
}

void TFAuswertung::ZiehungenNeuLaden() {
  // The selector is filled anew: a draw being entered (its date entry) ends with it.
  if (ziehungNeu_) {
    ziehungNeu_ = false;
    HinzuKnopfZeigen(false);
  }
  ErgebnisMelden(Ziehungen().NeuLaden(GZPfad()), this);
  DrawSelectorFuellen();
  StatistikStart();
}

void TFAuswertung::GZinG1Einlesen() {
  g1_->Neu();
  lAnzahl_->setText(QStringLiteral("  ") + QLocale().toString(Ziehungen().Anzahl()) + QStringLiteral(" Gewinnreihen"));
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
    cbMerken_->setChecked(einstellungen.Wahr(Spielscheine, QStringLiteral("Merken"), false));
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
  if (Ziehungen().Anzahl() == 0) DownloadAnbieten();
}

void TFAuswertung::BOpenClick() {
  DateiDialog dialog;
  dialog.titel = QStringLiteral("Tippschein-Datei einlesen");
  dialog.filter = QStringLiteral("Tippschein-Datei|*.vnds");
  dialog.standardEndung = QStringLiteral("vnds");
  dialog.startOrdner = Werte().datenOrdner;
  dialog.mehrere = true;
  const QStringList dateien = DateiDialoge().Oeffnen(dialog, this);
  if (dateien.isEmpty()) return;
  tabs_->hide();
  if (cbMerken_->isChecked()) ErgebnisMelden(DateienMerken(Einstellungen(), dateien), this);
  QWidget* letzter = nullptr;
  for (const QString& pfad : dateien) letzter = DateienEinlesen(pfad);
  tabs_->show();
  if (letzter) tabs_->setCurrentWidget(letzter);
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
  QStringList daten;
  for (int i = 0; i < combo1_->count(); ++i) daten << combo1_->itemText(i);
  panel->Fuellen(pfad, daten);
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

void TFAuswertung::BMaklerClick() {
  if (!System().IstOnline()) {
    Information(QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen."), this);
    return;
  }
  System().UrlOeffnen(QUrl(Adressen::Makler));
  if (!ziehungNeu_) BHinzuClick();
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
  ErgebnisMelden(Einstellungen().SchreibeBool(Spielscheine, QStringLiteral("Merken"), cbMerken_->isChecked()), this);
  ereignis->accept();
}

void TFAuswertung::NaviKnoepfe(QToolBar* leiste, std::initializer_list<Navi> ziele) {
  struct Knopf {
    Navi ziel;
    const char* name;
    const char* symbol;
    const char* hinweis;
    void (TFAuswertung::*aktion)();
  };
  static const Knopf knoepfe[] = {
      {Navi::Eingabe, "BEingabeN", "eingabe", "Neuen Tippschein eingeben", &TFAuswertung::BEingabeNClick},
      {Navi::Zufall, "BZufall", "zufall", "Zufallstipps erzeugen", &TFAuswertung::BZufallClick},
      {Navi::Statistik, "BStatistik", "statistik", "Statistik der Gewinnzahlen", &TFAuswertung::BStatistikClick},
      {Navi::Update, "BUpdate", "update", "Update-Prüfung und Download", &TFAuswertung::BUpdateClick},
      {Navi::NueberK, "BNoverK", "nueberk", "n über k berechnen", &TFAuswertung::BNoverKClick},
      {Navi::Kalender, "BKal", "kalender", "Kalender", &TFAuswertung::BKalClick},
      {Navi::Rechner, "BCalc", "rechner", "Taschenrechner", &TFAuswertung::BCalcClick},
  };
  for (Navi ziel : ziele)
    for (const Knopf& k : knoepfe)
      if (k.ziel == ziel)
        connect(WerkzeugKnopf(leiste, QString::fromLatin1(k.name), QString::fromLatin1(k.symbol), QString::fromUtf8(k.hinweis)),
                &QAction::triggered, this, k.aktion);
}

void TFAuswertung::BEingabeNClick() {
  // The editor lives for the whole run; it is shown as it is, not restored.
  QWidget* editor = FensterFinden(QStringLiteral("FEingabe"));
  if (!editor) {
    editor = new TFEingabe(this);
    FensterRegistrieren(editor, QStringLiteral("FEingabe"));
  }
  NachVorne(editor);
}

void TFAuswertung::BZufallClick() {
  NachNameOeffnen(QStringLiteral("FZufall"), [this] { return new TFZufall(this); });
}

void TFAuswertung::BNoverKClick() {
  NachNameOeffnen(QStringLiteral("FNueberK"), [this] { return new TFNueberK(this); });
}

void TFAuswertung::BUpdateClick() {
  NachNameOeffnen(QStringLiteral("FUpdate"), [this] { return new TFUpdate(this); });
}

void TFAuswertung::BKalClick() {
  NachNameOeffnen(QStringLiteral("FKal"), [this] { return new TFKal(this); });
}

void TFAuswertung::BCalcClick() { System().RechnerStarten(); }  // nothing is shown when there is none

void TFAuswertung::ProgrammInfo1Click() {
  NachNameOeffnen(QStringLiteral("FInfo"), [this] { return new TFInfo(this); });
}

void TFAuswertung::BStatistikClick() {
  // The hourglass only while the window is being created.
  const bool neu = !FormVorhanden(QStringLiteral("FStatistik"));
  if (neu) QApplication::setOverrideCursor(Qt::WaitCursor);
  NachNameOeffnen(QStringLiteral("FStatistik"), [this] { return new TFStatistik(this); });
  if (neu) QApplication::restoreOverrideCursor();
}

void TFAuswertung::BCloseClick() { close(); }
