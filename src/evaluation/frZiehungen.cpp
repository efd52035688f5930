#include "frZiehungen.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "core/datum.h"
#include "core/zahltext.h"
#include "core/ziehungen.h"
#include "platform/plattform.h"
#include "ui/datumsmodell.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/meldungen.h"
#include "ui/skin.h"
#include "ui/tabellenansicht.h"
#include "ui/zahlenfeld.h"
#include "ui/zentrieren.h"
#include "update/transfer.h"

int ZiehungenTabelle::Zeilen() const { return Ziehungen().Anzahl() + 1; }

QString ZiehungenTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  const int n = Ziehungen().Anzahl();
  if (zeile < 1 || zeile > n || spalte < 0 || spalte > 5) return {};
  const TGewZahlen& z = Ziehungen().Eintrag(n - zeile);
  return spalte == 0 ? DatumAlsText(z.datum) : QString::number(z.GZ[spalte - 1]);
}

void DownloadAnbieten(QWidget* eltern) {
  if (FrageMitAbbrechen(
          QStringLiteral("Es fehlen jegliche Gewinnreihen.") + CRCR + QStringLiteral("Soll ich deren Download gleich starten?"), eltern) !=
      Antwort::Ja)
    return;
  DownloadFragen = false;  // the update window downloads at once
  Aktionen::Aktion(AktionsId::Update)->trigger();
}

QString ZiehungenTabelle::Muster(int spalte) const {
  return spalte == 0 ? DatumAlsText(QDateAlsDatum(QDate(2088, 12, 28))) : QStringLiteral("35");
}

TFfrZiehungen::TFfrZiehungen(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("PLinks"));
  // 288 pixels at the small font, wider where the font's texts need it; never stretched.
  setMinimumWidth(268 + 20);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(6);

  // Top box: selector, add/save, date line, number field, paste.
  auto* box = new QFrame(this);
  box->setObjectName(QStringLiteral("PZiehung"));
  box->setFrameShape(QFrame::StyledPanel);
  auto* bv = new QVBoxLayout(box);
  bv->setContentsMargins(8, 6, 8, 8);
  bv->setSpacing(5);

  auto* kopf = new QGridLayout;
  kopf->setHorizontalSpacing(6);
  kopf->setVerticalSpacing(4);
  auto* titelZeile = new QHBoxLayout;
  titelZeile->addWidget(Beschriftung(QStringLiteral("Ziehung"), box, true));
  const QString maklerHinweis = QStringLiteral("Aktuelle Zahlen und Quoten aufrufen");
  auto* makler = Bildknopf(QStringLiteral("BMakler"), Symbol(QStringLiteral("web")), maklerHinweis, box);
  connect(makler, &QToolButton::clicked, this, &TFfrZiehungen::BMaklerClick);
  titelZeile->addWidget(makler);
  auto* maklerLogo = Bildknopf(QStringLiteral("ImgMakler"), QIcon(QStringLiteral(":/losmarkt.svg")), maklerHinweis, box, QSize(72, 20));
  maklerLogo->setCursor(Qt::PointingHandCursor);
  connect(maklerLogo, &QToolButton::clicked, this, &TFfrZiehungen::BMaklerClick);
  titelZeile->addWidget(maklerLogo);
  titelZeile->addStretch(1);
  kopf->addLayout(titelZeile, 0, 0, 1, 3);

  combo1_ = new QComboBox(box);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setFont(Fett(combo1_->font()));
  combo1_->setMaxVisibleItems(20);
  // The store's dates and, while a draw is entered, its date; as wide as one date needs.
  daten_ = new DatumsModell(DatumsModell::Quelle::Laufend, this);
  DatumsAuswahlEinrichten(combo1_, daten_);
  connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { Combo1Change(); });
  kopf->addWidget(combo1_, 1, 0);

  bHinzu_ = Knopf(QStringLiteral("BHinzu"), QStringLiteral("hinzu"), QStringLiteral("Ziehung hinzufügen"), box);
  // Its captions change with the mode; the widest sets its width, so nothing moves.
  KnopfBreiteFuer(bHinzu_, {bHinzu_->text(), QStringLiteral("Neue Ziehung"), QStringLiteral("Abbrechen")});
  connect(bHinzu_, &QPushButton::clicked, this, &TFfrZiehungen::BHinzuClick);
  kopf->addWidget(bHinzu_, 1, 1);
  auto* hinzuInfo =
      Bildknopf(QStringLiteral("BInfo"), Symbol(QStringLiteral("info")), QStringLiteral("Hilfe zum Eintragen der Gewinnzahlen"), box);
  connect(hinzuInfo, &QToolButton::clicked, this, [] { Hilfe().ThemaZeigen(Thema::Haupt); });
  kopf->addWidget(hinzuInfo, 1, 2);

  bSave_ = Knopf(QStringLiteral("BSave"), QStringLiteral("speichern"), QStringLiteral("S&peichern"), box);
  connect(bSave_, &QPushButton::clicked, this, &TFfrZiehungen::BSaveClick);
  kopf->addWidget(bSave_, 2, 1);
  auto* bDel = Bildknopf(QStringLiteral("BDel"), Symbol(QStringLiteral("leeren")), QStringLiteral("Auswahl der Zahlen löschen"), box);
  connect(bDel, &QToolButton::clicked, this, &TFfrZiehungen::BDelClick);
  kopf->addWidget(bDel, 2, 2);
  kopf->setColumnStretch(0, 1);
  bv->addLayout(kopf);

  lDatum_ = new QLabel(box);
  lDatum_->setObjectName(QStringLiteral("LDatum"));
  lDatum_->setTextFormat(Qt::RichText);
  DatumsZeileSetzen(QString());
  bv->addWidget(lDatum_);

  // Number field: 5 rows of 7 buttons, 36 x 28 pixels each.
  feld_ = new Zahlenfeld(
      {36, 28, 37, 28, 8, 6},
      [](int n, QWidget* eltern) {
        auto* b = new QToolButton(eltern);
        b->setObjectName(QStringLiteral("PNummer%1").arg(n));
        b->setText(QString::number(n));
        b->setProperty("tag", n);
        b->setCheckable(true);
        b->setFont(Fett(b->font()));
        return b;
      },
      box);
  feld_->setObjectName(QStringLiteral("PZahlen"));
  feld_->setStyleSheet(ZahlenknopfStil());
  connect(feld_, &Zahlenfeld::Geklickt, this, &TFfrZiehungen::BLotAuswerten);
  bv->addWidget(feld_, 0, Qt::AlignHCenter);

  bv->addSpacing(4);  // the red hint keeps clear of the last row of numbers
  auto* hinweis = new QHBoxLayout;
  auto* markieren = Beschriftung(QStringLiteral("Zahlen auf Website markieren, in Zwischenablage kopieren."), box, false, true);
  markieren->setObjectName(QStringLiteral("LHinweis"));
  markieren->setStyleSheet(QStringLiteral("color: #c62828;"));
  UmbruchImRest(markieren);  // it wraps in the room the button leaves
  hinweis->addWidget(markieren, 1);
  bCopy_ = Knopf(QStringLiteral("BCopy"), QStringLiteral("einfuegen"), QStringLiteral("Aus Zwischen-\nablage einfügen"), box);
  connect(bCopy_, &QPushButton::clicked, this, &TFfrZiehungen::BCopyClick);
  hinweis->addWidget(bCopy_);
  bv->addLayout(hinweis);
  v->addWidget(box);

  // Draw count and draws grid.
  lAnzahl_ = Beschriftung(QString(), this, true);
  lAnzahl_->setObjectName(QStringLiteral("LAnzahl"));
  v->addWidget(lAnzahl_);
  g1_ = new TabellenAnsicht(this);
  g1_->setObjectName(QStringLiteral("G1"));
  const QList<int> breiten{70, 35, 35, 35, 35, 35};
  const QStringList kopfTexte{QStringLiteral("Datum"), QStringLiteral("Z1"), QStringLiteral("Z2"),
                              QStringLiteral("Z3"),    QStringLiteral("Z4"), QStringLiteral("Z5")};
  g1Daten_.kopf = kopfTexte;
  g1_->SetzeDaten(&g1Daten_);
  g1_->SetzeSpaltenBreiten(breiten);
  v->addWidget(g1_, 1);
  makler_ = {makler, maklerLogo};

  // The draws grid and the selector follow the store: a saved draw, a reloaded history.
  connect(&Ziehungen(), &TZiehungsListe::ZiehungGespeichert, this, &TFfrZiehungen::GZinG1Einlesen);
  connect(&Ziehungen(), &TZiehungsListe::NeuGeladen, this, &TFfrZiehungen::NeuGeladen);
}

TFfrZiehungen::~TFfrZiehungen() {
  g1_->SetzeDaten(nullptr);  // the grid is a member and goes before the view
}

void TFfrZiehungen::TabFolgeSetzen() {
  // The draw's selector first, the links to the lottery's website last.
  setTabOrder(g1_, makler_[0]);
  setTabOrder(makler_[0], makler_[1]);
}

QString TFfrZiehungen::NeuesDatum() const { return daten_->HatZusatz() ? combo1_->itemText(combo1_->count() - 1) : QString(); }

void TFfrZiehungen::NeuGeladen() {
  // The selector is filled anew: a draw being entered (its date entry) ends with it.
  if (ziehungNeu_) {
    ziehungNeu_ = false;
    HinzuKnopfZeigen(false);
  }
  DrawSelectorFuellen();
}

void TFfrZiehungen::DrawSelectorFuellen() {
  {
    const QSignalBlocker sperre(combo1_);
    combo1_->setCurrentIndex(-1);
  }
  combo1_->setCurrentIndex(Ziehungen().Neueste());  // shows the newest draw
  GZinG1Einlesen();
}

void TFfrZiehungen::NummerAnzeigen(int n) { feld_->Knopf(n)->setChecked(gewaehlt_.Enthaelt(n)); }

void TFfrZiehungen::BLotAuswerten(int n) {
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

void TFfrZiehungen::BDelClick() {
  gewaehlt_.Leeren();
  gewaehltAnzahl_ = 0;
  for (int n = 1; n <= MaxZahl; ++n) NummerAnzeigen(n);
}

void TFfrZiehungen::DatumsZeileSetzen(const QString& datum) {
  datumsZeile_ = QStringLiteral("Gewinnzahlen vom ") + datum;
  lDatum_->setText(QStringLiteral("Gewinnzahlen vom <b>%1</b>").arg(datum.toHtmlEscaped()));
}

void TFfrZiehungen::Combo1Change() {
  const int k = combo1_->currentIndex();
  if (k < 0 || k >= Ziehungen().Anzahl()) return;  // the date of a draw being entered
  BDelClick();
  const TGewZahlen& z = Ziehungen().Eintrag(k);
  for (std::uint8_t n : z.GZ) BLotAuswerten(n);
  DatumsZeileSetzen(combo1_->itemText(k));
}

void TFfrZiehungen::HinzuKnopfZeigen(bool abbrechen) {
  bHinzu_->setIcon(Symbol(abbrechen ? QStringLiteral("abbrechen") : QStringLiteral("hinzu")));
  bHinzu_->setText(abbrechen ? QStringLiteral("Abbrechen") : QStringLiteral("Neue Ziehung"));
}

void TFfrZiehungen::BHinzuClick() {
  if (Ziehungen().Anzahl() == 0) DownloadAnbieten(this);
  if (ziehungNeu_) {
    ziehungNeu_ = false;
    HinzuKnopfZeigen(false);
    bSave_->setEnabled(true);
    daten_->ZusatzEntfernen();
    combo1_->setCurrentIndex(combo1_->count() - 1);
    return;
  }
  ziehungNeu_ = true;
  HinzuKnopfZeigen(true);
  bSave_->setEnabled(true);
  const QString datum = DatumAlsText(Ziehungen().NeuesDatum());
  daten_->ZusatzSetzen(datum);
  combo1_->setCurrentIndex(combo1_->count() - 1);
  BDelClick();
  DatumsZeileSetzen(datum);
}

void TFfrZiehungen::BSaveClick() {
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
    Fehler(
        QStringLiteral("Das Datum \"%1\" ist kein gültiges Datum.").arg(datumsText) + CRCR + QStringLiteral("Ich breche erst einmal ab."),
        this);
    return;
  }
  const auto reihe = MengeAlsReihe(gewaehlt_, 6, MaxZahl);
  const std::uint8_t zahlen[5] = {reihe[0], reihe[1], reihe[2], reihe[3], reihe[4]};
  const bool neu = ziehungNeu_;
  ziehungNeu_ = false;  // the selector's last entry stands for the saved draw from now on
  // The store writes the file, then the grid, every result panel and the statistics follow it.
  const Ergebnis e = neu ? Ziehungen().AnhaengenUndSpeichern(*datum, zahlen, TZiehungsListe::DateiPfad())
                         : Ziehungen().ErsetzenUndSpeichern(ziel, *datum, zahlen, TZiehungsListe::DateiPfad());
  if (!ErgebnisMelden(e, this)) {
    ziehungNeu_ = neu;  // file and list stay as they were
    return;
  }
  HinzuKnopfZeigen(false);
}

void TFfrZiehungen::BCopyClick() {
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

void TFfrZiehungen::GZinG1Einlesen() {
  g1_->Neu();
  lAnzahl_->setText(QStringLiteral("  ") + QLocale().toString(Ziehungen().Anzahl()) + QStringLiteral(" Gewinnreihen"));
}

void TFfrZiehungen::BMaklerClick() {
  if (!System().IstOnline()) {
    Information(QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen."), this);
    return;
  }
  System().UrlOeffnen(QUrl(Adressen::Makler));
  if (!ziehungNeu_) BHinzuClick();
}
