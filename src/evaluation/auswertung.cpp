#include "auswertung.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
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

namespace {
QString GZPfad() { return Werte().DatenDatei(QStringLiteral("GZ.535")); }

QLabel* FetterText(const QString& text, QWidget* eltern) {
  auto* l = new QLabel(text, eltern);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}
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

TFAuswertung::~TFAuswertung() = default;

void TFAuswertung::Aufbauen() {
  // Menu bar.
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* beenden = datei->addAction(Symbol(QStringLiteral("schliessen")), QStringLiteral("&Beenden"));
  beenden->setObjectName(QStringLiteral("Beenden1"));
  connect(beenden, &QAction::triggered, this, &TFAuswertung::BCloseClick);

  // Tool bar.
  QToolBar* leiste = NeueWerkzeugleiste(this);
  addToolBar(Qt::TopToolBarArea, leiste);
  connect(WerkzeugKnopf(leiste, QStringLiteral("BClose"), QStringLiteral("schliessen"), QStringLiteral("Programm beenden")),
          &QAction::triggered, this, &TFAuswertung::BCloseClick);

  auto* mitte = new QWidget(this);
  auto* spalten = new QHBoxLayout;
  spalten->setContentsMargins(6, 6, 6, 0);
  spalten->setSpacing(10);
  spalten->addWidget(LinkeSpalte());
  auto* rechts = new QWidget(mitte);
  rechts->setObjectName(QStringLiteral("PRechts"));
  spalten->addWidget(rechts, 1);

  // Bottom bar.
  auto* fuss = new QHBoxLayout;
  fuss->setContentsMargins(6, 4, 6, 6);
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
  titelZeile->addWidget(FetterText(QStringLiteral("Ziehung"), box));
  titelZeile->addStretch(1);
  kopf->addLayout(titelZeile, 0, 0);

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
  kopf->addWidget(bHinzu_, 0, 1, 1, 2);

  bSave_ = new QPushButton(QStringLiteral("S&peichern"), box);
  bSave_->setObjectName(QStringLiteral("BSave"));
  bSave_->setIcon(Symbol(QStringLiteral("speichern")));
  connect(bSave_, &QPushButton::clicked, this, &TFAuswertung::BSaveClick);
  kopf->addWidget(bSave_, 1, 1);

  bDel_ = new QToolButton(box);
  bDel_->setObjectName(QStringLiteral("BDel"));
  bDel_->setIcon(Symbol(QStringLiteral("leeren")));
  bDel_->setToolTip(QStringLiteral("Auswahl der Zahlen löschen"));
  bDel_->setAutoRaise(true);
  connect(bDel_, &QToolButton::clicked, this, &TFAuswertung::BDelClick);
  kopf->addWidget(bDel_, 1, 2);
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
  feld->setStyleSheet(QStringLiteral(
      "QToolButton { background: #f7f9fb; color: black; border: 1px solid #9fb0c0; border-radius: 3px; }"
      "QToolButton:hover { border-color: #2b6cb0; }"
      "QToolButton:checked { background: #f4c542; border: 1px solid #a07408; }"));
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
  lAnzahl_ = FetterText(QString(), spalte);
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

void TFAuswertung::Erzeugen() {
  Ergebnis preisFehler;
  preis_ = ::PreisJeReihe(Einstellungen(), &preisFehler);
  ErgebnisMelden(preisFehler, this);

  // Load the draw history; a read error is reported and the draws read so far stay.
  ErgebnisMelden(Ziehungen().Laden(GZPfad()), this);
  DrawSelectorFuellen();
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

void TFAuswertung::BHinzuClick() {
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

void TFAuswertung::GZinG1Einlesen() {
  g1_->Neu();
  lAnzahl_->setText(QStringLiteral("  ") + QLocale().toString(Ziehungen().Anzahl()) + QStringLiteral(" Gewinnreihen"));
}

void TFAuswertung::BCloseClick() { close(); }
