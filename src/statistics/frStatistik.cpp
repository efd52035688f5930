#include "frStatistik.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/datum.h"
#include "core/ziehungen.h"
#include "statistics/diagramme.h"
#include "ui/datumsmodell.h"
#include "ui/fenstergroesse.h"
#include "ui/hauptknopf.h"
#include "ui/hilfedienst.h"
#include "ui/meldungen.h"
#include "ui/skin.h"
#include "ui/tabellenansicht.h"
#include "ui/zahlenfeld.h"
#include "ui/zentrieren.h"

namespace {

QGroupBox* Gruppe(const QString& titel, QWidget* inhalt, QWidget* eltern) {
  auto* g = new QGroupBox(titel, eltern);
  auto* v = new QVBoxLayout(g);
  v->setContentsMargins(3, 3, 3, 3);
  v->addWidget(inhalt);
  return g;
}

const QString Bereit = QStringLiteral("background: palette(button);");
}  // namespace

QString RanglistenTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  if (!liste || !tabelle || zeile > static_cast<int>(liste->size())) return {};
  const std::uint32_t i = (*liste)[static_cast<std::size_t>(zeile - 1)];
  switch (spalte) {
    case 0: return QString::number(zeile);
    case 1: return MengeAlsText(tabelle->Menge(i));
    case 2: return QString::number(tabelle->Anzahl(i));
    default: return {};
  }
}

QString SuchTabelle::Muster(int spalte) const {
  return spalte == 0 ? QStringLiteral("9999") : spalte == 1 ? DatumAlsText(QDateAlsDatum(QDate(2088, 12, 28))) : QStringLiteral("33,34,35");
}

QString SuchTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  if (zeile > static_cast<int>(treffer.size())) return {};
  const int d = treffer[static_cast<std::size_t>(zeile - 1)];
  const auto& liste = Ziehungen().Liste();
  if (d < 0 || d >= static_cast<int>(liste.size())) return {};
  switch (spalte) {
    case 0: return QString::number(zeile);
    case 1: return DatumAlsText(liste[static_cast<std::size_t>(d)].datum);
    case 2: return MengeAlsText(GZMengen()[static_cast<std::size_t>(d)].Ohne(wahl));
    default: return {};
  }
}

TFfrStatistik::TFfrStatistik(QWidget* eltern) : QGroupBox(QStringLiteral("Statistik für die Gewinnzahlen"), eltern) {
  setObjectName(QStringLiteral("frStatistik"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(5, 5, 5, 5);
  v->setSpacing(4);
  v->addWidget(ZeitraumLeiste());
  v->addWidget(ZahlenPlatte(), 0, Qt::AlignHCenter);
  v->addWidget(SortierLeiste());
  v->addWidget(AbwesenheitsGruppe());
  v->addWidget(Reiter(), 1);
}

TFfrStatistik::~TFfrStatistik() {
  // The grids are members and go before the child views that show them.
  abwesenheit_->SetzeDaten(nullptr);
  suche_->SetzeDaten(nullptr);
  for (auto* a : listenAnsichten_)
    if (a) a->SetzeDaten(nullptr);
}

QWidget* TFfrStatistik::ZeitraumLeiste() {
  auto* w = new QWidget(this);
  auto* g = new QGridLayout(w);
  g->setContentsMargins(0, 0, 0, 0);
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(1);
  g->addWidget(Beschriftung(QStringLiteral("Auswertungszeitraum wählen:"), w), 0, 0, 1, 3);
  g->addWidget(Beschriftung(QStringLiteral("von"), w), 1, 0);
  g->addWidget(Beschriftung(QStringLiteral("bis"), w), 1, 1);
  von_ = new QComboBox(w);
  von_->setObjectName(QStringLiteral("ComboVon"));
  bis_ = new QComboBox(w);
  bis_->setObjectName(QStringLiteral("ComboBis"));
  for (QComboBox* c : {von_, bis_}) {
    AuswahlBreiteFuer(c, DatumAlsText(QDateAlsDatum(QDate(2088, 12, 28))), 94);
    c->setMaxVisibleItems(20);
    connect(c, &QComboBox::currentIndexChanged, this, [this] { ZeitraumGeaendert(); });
  }
  g->addWidget(von_, 2, 0);
  g->addWidget(bis_, 2, 1);
  bStart_ = new QToolButton(w);
  bStart_->setObjectName(QStringLiteral("BStart"));
  bStart_->setIcon(Symbol(QStringLiteral("start")));
  bStart_->setIconSize(QSize(22, 22));
  bStart_->setToolTip(QStringLiteral("Zahlen für den gewählten Zeitraum zählen"));
  connect(bStart_, &QToolButton::clicked, this, &TFfrStatistik::BStartClick);
  g->addWidget(bStart_, 1, 2, 2, 1, Qt::AlignBottom);
  auto* box = new QFrame(w);
  box->setFrameShape(QFrame::StyledPanel);
  auto* bv = new QVBoxLayout(box);
  bv->setContentsMargins(4, 2, 4, 2);
  bv->setSpacing(1);
  bv->addWidget(Beschriftung(QStringLiteral("Anzahl Ziehungen"), box));
  anzahl_ = Beschriftung(QString(), box, true);
  anzahl_->setObjectName(QStringLiteral("LAnzahl"));
  anzahl_->setAlignment(Qt::AlignCenter);
  anzahl_->setFrameShape(QFrame::Panel);
  anzahl_->setFrameShadow(QFrame::Sunken);
  bv->addWidget(anzahl_);
  g->addWidget(box, 0, 4, 3, 1, Qt::AlignRight);
  g->setColumnStretch(3, 1);
  return w;
}

QWidget* TFfrStatistik::ZahlenPlatte() {
  auto* platte = new QFrame(this);
  platte->setObjectName(QStringLiteral("PZahlen"));
  const QFont klein = font();
  // Tiles 18 x 17 and counts 27 wide at the small font, 46 pixels apart; wider and higher where
  // the font needs it for two-digit numbers and for the counts of the whole history.
  const QFontMetrics fm(klein);
  const int kachelBreite = std::max(18, fm.horizontalAdvance(QStringLiteral("88")) + 4);
  const int hoehe = std::max(17, fm.height() + 2);
  // The whole history's counts are the largest the panel shows (a period's are smaller).
  std::array<int, MaxZahl + 1> gesamt{};
  int hoechste = 999;
  for (const TGewZahlen& z : Ziehungen().Liste())
    for (std::uint8_t n : z.GZ)
      if (n >= 1 && n <= MaxZahl) hoechste = std::max(hoechste, ++gesamt[n]);
  const QString breitesteZahl(static_cast<int>(QString::number(hoechste).size()), QLatin1Char('8'));
  const int zaehlerBreite = std::max(27, fm.horizontalAdvance(breitesteZahl) + 6);
  const int schritt = kachelBreite + zaehlerBreite + 1;
  zaehlerVersatz_ = QPoint(kachelBreite, 1);
  platte->setFixedSize(7 * schritt + 11, 5 * hoehe + 10);
  for (int k = 1; k <= MaxZahl; ++k) {
    const int c = (k - 1) % 7, r = (k - 1) / 7;
    const QPoint ecke(schritt * c + 4, hoehe * r + 5);
    auto* kachel = new QLabel(QString::number(k), platte);
    kachel->setObjectName(QStringLiteral("TBStatNr%1").arg(k));
    kachel->setFont(klein);
    kachel->setAlignment(Qt::AlignCenter);
    kachel->setStyleSheet(QStringLiteral("background: rgb(0, 111, 111); color: white;"));
    kachel->setGeometry(QRect(ecke, QSize(kachelBreite, hoehe)));
    auto* zaehler = new QLabel(platte);
    zaehler->setObjectName(QStringLiteral("TBStatW%1").arg(k));
    zaehler->setFont(klein);
    zaehler->setAlignment(Qt::AlignCenter);
    zaehler->setFrameShape(QFrame::Panel);
    zaehler->setFrameShadow(QFrame::Sunken);
    zaehler->setAutoFillBackground(true);
    zaehler->setStyleSheet(QStringLiteral("background: palette(button); color: black;"));
    zaehler->setGeometry(QRect(ecke + zaehlerVersatz_, QSize(zaehlerBreite, hoehe)));
    eNrEcke_[static_cast<std::size_t>(k)] = ecke;
    kacheln_[static_cast<std::size_t>(k)] = kachel;
    zaehler_[static_cast<std::size_t>(k)] = zaehler;
  }
  return platte;
}

QWidget* TFfrStatistik::SortierLeiste() {
  auto* w = new QWidget(this);
  auto* h = new QHBoxLayout(w);
  h->setContentsMargins(0, 0, 0, 0);
  h->addStretch(1);
  h->addWidget(Beschriftung(QStringLiteral("Sortierreihenfolge ändern:"), w));
  bSort_ = new QToolButton(w);
  bSort_->setObjectName(QStringLiteral("BSort"));
  bSort_->setFixedSize(48, 40);
  bSort_->setIconSize(QSize(26, 26));
  bSort_->setIcon(Symbol(QStringLiteral("sortieren")));
  bSort_->setToolTip(QStringLiteral("Nach der Häufigkeit sortieren"));
  connect(bSort_, &QToolButton::clicked, this, &TFfrStatistik::StatistikAbsteigend);
  h->addWidget(bSort_);
  return w;
}

void TFfrStatistik::Einrichten(TabellenAnsicht* ansicht, const QList<int>& breiten) {
  ansicht->SetzeZeilenHoehe(16);
  ansicht->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ansicht->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ansicht->SetzeSpaltenBreiten(breiten);
  // As wide as its columns (grown for the font's widest texts) and the scroll bar.
  ansicht->setFixedWidth(ansicht->sizeHint().width());
}

QWidget* TFfrStatistik::AbwesenheitsGruppe() {
  abwesenheit_ = new TabellenAnsicht(this);
  abwesenheit_->setObjectName(QStringLiteral("GAusgeblieben"));
  abwesenheit_->SetzeZeilenHoehe(18);
  abwesenheit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  abwesenheit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  abwesenheitDaten_.bild = Zellbild{0xFFFFFF, true, Zellbild::Ausrichtung::Zentriert};
  abwesenheitDaten_.SetzeZelle(0, 0, QStringLiteral("    Zahl:"));
  abwesenheitDaten_.SetzeZelle(1, 0, QStringLiteral("Anzahl:"));
  abwesenheit_->SetzeDaten(&abwesenheitDaten_);
  QList<int> breiten{46};
  for (int n = 1; n <= MaxZahl; ++n) breiten << 27;
  abwesenheit_->SetzeSpaltenBreiten(breiten);
  // The header column stays while the numbers scroll sideways.
  abwesenheit_->FesteKopfspalte();
  abwesenheit_->setFixedHeight(abwesenheit_->Inhaltsgroesse().height() + abwesenheit_->horizontalScrollBar()->sizeHint().height());
  return Gruppe(QStringLiteral("Wie oft sind Zahlen ausgeblieben"), abwesenheit_, this);
}

TabellenAnsicht* TFfrStatistik::Rangliste(int k, bool haeufigste, QWidget* eltern) {
  const std::size_t i = static_cast<std::size_t>(2 * k + (haeufigste ? 0 : 1));
  auto* ansicht = new TabellenAnsicht(eltern);
  ansicht->setObjectName(QStringLiteral("G%1%2").arg(haeufigste ? QStringLiteral("Haeufig") : QStringLiteral("Selten")).arg(k));
  RanglistenTabelle& daten = listenDaten_[i];
  daten.kopf = {QStringLiteral("Rang"), QStringLiteral("Kombi"), QStringLiteral("Anz.")};
  daten.tabelle = &Kombis(k);
  ansicht->SetzeDaten(&daten);
  Einrichten(ansicht, {43, 60, 37});
  listenAnsichten_[i] = ansicht;
  return ansicht;
}

TabellenAnsicht* TFfrStatistik::Liste(int k, bool haeufigste) const {
  return listenAnsichten_[static_cast<std::size_t>(2 * k + (haeufigste ? 0 : 1))];
}

QWidget* TFfrStatistik::KombiSeite(int k) {
  auto* seite = new QWidget;
  auto* v = new QVBoxLayout(seite);
  v->setContentsMargins(3, 3, 3, 3);
  if (k > 2) {
    auto* leiste = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(Beschriftung(QStringLiteral("Manuell starten, da zeitintensiv"), seite));
    auto* gauge = new QProgressBar(seite);
    gauge->setObjectName(QStringLiteral("Fortschritt%1").arg(k));
    gauge->setTextVisible(false);
    gauge->setRange(0, static_cast<int>(2 * Kombis(k).Groesse()));
    gauge->setValue(0);
    gauge->setFixedHeight(12);
    links->addWidget(gauge);
    leiste->addLayout(links, 1);
    auto* start = new QToolButton(seite);
    start->setObjectName(QStringLiteral("BStart%1").arg(k));
    start->setIcon(Symbol(QStringLiteral("start")));
    start->setIconSize(QSize(22, 22));
    start->setToolTip(QStringLiteral("%1er Kombinationen zählen").arg(k));
    connect(start, &QToolButton::clicked, this, [this, k] { KombiStarten(k); });
    leiste->addWidget(start);
    v->addLayout(leiste);
    fortschritt_[static_cast<std::size_t>(k)] = gauge;
    kombiStart_[static_cast<std::size_t>(k)] = start;
  }
  auto* listen = new QHBoxLayout;
  listen->setSpacing(4);
  listen->addWidget(Gruppe(QStringLiteral("Die häufigsten %1er").arg(k), Rangliste(k, true, seite), seite));
  listen->addWidget(Gruppe(QStringLiteral("Die seltensten %1er").arg(k), Rangliste(k, false, seite), seite));
  v->addLayout(listen, 1);
  return seite;
}

QWidget* TFfrStatistik::SuchSeite() {
  auto* seite = new QWidget;
  auto* h = new QHBoxLayout(seite);
  h->setContentsMargins(3, 3, 3, 3);
  auto* links = new QVBoxLayout;
  links->addWidget(Beschriftung(QStringLiteral("Kombizahlen anklicken"), seite, true));
  auto* erklaerung = Beschriftung(QStringLiteral("Nach dem Auftreten beliebiger Gewinnzahlen-Kombinationen suchen."), seite);
  erklaerung->setWordWrap(true);
  links->addWidget(erklaerung);
  // The search numbers: 21 x 18 buttons, 22 and 19 pixels apart.
  auto* platte = new Zahlenfeld(
      {21, 18, 22, 19, 1, 2},
      [](int k, QWidget* eltern) {
        auto* b = new QToolButton(eltern);
        b->setObjectName(QStringLiteral("TBKombi%1").arg(k));
        b->setText(QString::number(k));
        b->setCheckable(true);
        b->setFont(Fett(b->font()));
        return b;
      },
      seite);
  platte->setObjectName(QStringLiteral("PKombi"));
  platte->setStyleSheet(ZahlenknopfStil());
  for (int k = 1; k <= MaxZahl; ++k) suchKnoepfe_[static_cast<std::size_t>(k)] = static_cast<QToolButton*>(platte->Knopf(k));
  connect(platte, &Zahlenfeld::Geklickt, this, &TFfrStatistik::BNrClick);
  links->addWidget(platte);
  auto* hinweis = Beschriftung(QStringLiteral("Der Button \"Suche starten\" kann betätigt werden, wenn mindestens zwei Zahlen "
                                              "für eine Kombi-Suche angeklickt wurden. "),
                               seite);
  hinweis->setWordWrap(true);
  links->addWidget(hinweis);
  auto* knoepfe = new QHBoxLayout;
  bReset_ = new QToolButton(seite);
  bReset_->setObjectName(QStringLiteral("BReset"));
  bReset_->setIcon(Symbol(QStringLiteral("leeren")));
  bReset_->setToolTip(QStringLiteral("Auswahl und Ergebnis löschen"));
  connect(bReset_, &QToolButton::clicked, this, &TFfrStatistik::BResetClick);
  knoepfe->addWidget(bReset_);
  knoepfe->addStretch(1);
  bSuche_ = new QPushButton(Symbol(QStringLiteral("suchen")), QStringLiteral("Suche starten"), seite);
  bSuche_->setObjectName(QStringLiteral("BSuche"));
  bSuche_->setEnabled(false);
  connect(bSuche_, &QPushButton::clicked, this, &TFfrStatistik::BSucheClick);
  HauptknopfSetzen(seite, bSuche_);
  knoepfe->addWidget(bSuche_);
  links->addLayout(knoepfe);
  links->addStretch(1);
  h->addLayout(links);

  auto* rechts = new QWidget(seite);
  auto* rv = new QVBoxLayout(rechts);
  rv->setContentsMargins(0, 0, 0, 0);
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(Beschriftung(QStringLiteral("Aufgetreten am"), rechts));
  trefferzahl_ = Beschriftung(QString(), rechts, true);
  trefferzahl_->setObjectName(QStringLiteral("LTreffer"));
  trefferzahl_->setAlignment(Qt::AlignCenter);
  trefferzahl_->setMinimumWidth(36);
  trefferzahl_->setAutoFillBackground(true);
  trefferzahl_->setStyleSheet(Bereit);
  kopf->addStretch(1);
  kopf->addWidget(trefferzahl_);
  rv->addLayout(kopf);
  suche_ = new TabellenAnsicht(rechts);
  suche_->setObjectName(QStringLiteral("GSuche"));
  sucheDaten_.kopf = {QStringLiteral("Nr."), QStringLiteral("Datum"), QStringLiteral("mit...")};
  suche_->SetzeDaten(&sucheDaten_);
  Einrichten(suche_, {23, 57, 62});
  rv->addWidget(suche_, 1);
  h->addWidget(Gruppe(QStringLiteral("Aufgetreten am"), rechts, seite), 1);
  return seite;
}

QWidget* TFfrStatistik::Reiter() {
  reiter_ = new QTabWidget(this);
  reiter_->setObjectName(QStringLiteral("Reiter"));
  reiter_->addTab(KombiSeite(2), QStringLiteral("2er Kombis"));
  reiter_->addTab(KombiSeite(3), QStringLiteral("3er Kombis"));
  reiter_->addTab(KombiSeite(4), QStringLiteral("4er Kombis"));
  reiter_->addTab(SuchSeite(), QStringLiteral("Kombi-Suche"));
  diagramme_ = new TFDiagramme;
  reiter_->addTab(diagramme_, QStringLiteral("Diagramme"));
  reiter_->setCurrentIndex(2);
  // F1 on the tab bar: the charts' topic while their tab is shown.
  connect(reiter_, &QTabWidget::currentChanged, this,
          [this] { HilfeThemaSetzen(reiter_, reiter_->currentWidget() == diagramme_ ? Thema::Diagramme : 0); });
  reiter_->setUsesScrollButtons(false);  // every tab's caption whole: the frame grows for them
  return reiter_;
}

void TFfrStatistik::Aufbauen() {
  fensterFertig_ = false;
  const int n = Ziehungen().Anzahl();
  // The panel shows the counts of the whole list, the period preselected below.
  ZaehlerZeigen(TeilStatistik(0, n - 1));
  anzahl_->setText(QString::number(n));
  // The dates as they are now: the window keeps them while it is open.
  auto* daten = new DatumsModell(DatumsModell::Quelle::Stand, this);
  for (QComboBox* c : {von_, bis_}) DatumsAuswahlEinrichten(c, daten, 94);
  von_->setCurrentIndex(n > 0 ? 0 : -1);
  bis_->setCurrentIndex(n - 1);
  AbwesenheitZeigen();
  diagramme_->ZeitraumSetzen(0, n - 1);
  Kombis(2).Zaehlen(0, n - 1);
  listen_[2] = RanglistenBilden(Kombis(2));
  for (bool h : {true, false}) {
    listenDaten_[static_cast<std::size_t>(4 + (h ? 0 : 1))].liste = h ? &listen_[2].haeufigste : &listen_[2].seltenste;
    Liste(2, h)->Neu();
  }
  fensterFertig_ = true;
}

void TFfrStatistik::ZaehlerZeigen(const Zaehlung& z) {
  for (int n = 1; n <= MaxZahl; ++n) zaehler_[static_cast<std::size_t>(n)]->setText(QString::number(z[n]));
}

void TFfrStatistik::AbwesenheitZeigen() {
  const int n = Ziehungen().Anzahl();
  int spalte = 0;
  for (const auto& [zahl, abwesend] : AusgebliebenReihenfolge(Ausgeblieben(0, n - 1))) {
    ++spalte;
    abwesenheitDaten_.SetzeZelle(0, spalte, QStringLiteral(" %1").arg(zahl));
    abwesenheitDaten_.SetzeZelle(1, spalte, QString::number(abwesend));
  }
  abwesenheit_->Neu();
}

bool TFfrStatistik::KeineZiehungen() const { return GZMengen().empty(); }

void TFfrStatistik::ZeitraumGeaendert() {
  if (!fensterFertig_) return;
  if (bis_->currentIndex() < von_->currentIndex()) {
    anzahl_->clear();
    return;
  }
  anzahl_->setText(QString::number(bis_->currentIndex() - von_->currentIndex() + 1));
  BStartClick();
}

void TFfrStatistik::BStartClick() {
  if (KeineZiehungen()) {
    const Antwort a = FrageMitAbbrechen(QStringLiteral("Für eine statistische Auswertung fehlen die Gewinnreihen.") + CRCR +
                                            QStringLiteral("Soll ich den Downloadbereich öffnen?"),
                                        this);
    if (a == Antwort::Ja) emit DownloadGewuenscht();
    return;
  }
  ZaehlerZeigen(TeilStatistik(von_->currentIndex(), bis_->currentIndex()));
  diagramme_->ZeitraumSetzen(von_->currentIndex(), bis_->currentIndex());
}

void TFfrStatistik::StatistikAbsteigend() {
  const Zaehlung& h = Haeufigkeit();
  if (!sortiert_) {
    const auto folge = ZaehlReihenfolge(h);
    for (int p = 1; p <= MaxZahl; ++p) {
      const int n = folge[static_cast<std::size_t>(p - 1)];
      kacheln_[static_cast<std::size_t>(p)]->setText(QString::number(n));
      zaehler_[static_cast<std::size_t>(n)]->move(eNrEcke_[static_cast<std::size_t>(p)] + zaehlerVersatz_);
    }
    sortiert_ = true;
    bSort_->setIcon(Symbol(QStringLiteral("sortiert")));
    bSort_->setToolTip(QStringLiteral("Nach den Zahlen sortieren"));
  } else {
    for (int n = 1; n <= MaxZahl; ++n) {
      kacheln_[static_cast<std::size_t>(n)]->setText(QString::number(n));
      zaehler_[static_cast<std::size_t>(n)]->move(eNrEcke_[static_cast<std::size_t>(n)] + zaehlerVersatz_);
    }
    sortiert_ = false;
    bSort_->setIcon(Symbol(QStringLiteral("sortieren")));
    bSort_->setToolTip(QStringLiteral("Nach der Häufigkeit sortieren"));
  }
}

void TFfrStatistik::LaufSperren(bool sperren) {
  for (QWidget* w : std::initializer_list<QWidget*>{bStart_, von_, bis_, kombiStart_[3], kombiStart_[4]}) w->setEnabled(!sperren);
}

void TFfrStatistik::KombiStarten(int k) {
  if (KeineZiehungen()) {
    Information(QStringLiteral(" Bitte Verbindung zum Internet bestehen."), this);
    return;
  }
  // Counting from the draws takes milliseconds; the run holds the window's controls until it is
  // done, so no second run or period change can meet a half-written table.
  LaufSperren(true);
  QProgressBar* gauge = fortschritt_[static_cast<std::size_t>(k)];
  const int anzahl = static_cast<int>(Kombis(k).Groesse());
  gauge->setValue(0);
  Kombis(k).Zaehlen(von_->currentIndex(), bis_->currentIndex());
  gauge->setValue(anzahl);
  gauge->repaint();
  auto& listen = listen_[static_cast<std::size_t>(k)];
  listen = RanglistenBilden(Kombis(k));
  for (bool h : {true, false}) {
    listenDaten_[static_cast<std::size_t>(2 * k + (h ? 0 : 1))].liste = h ? &listen.haeufigste : &listen.seltenste;
    Liste(k, h)->Neu();
    Liste(k, h)->scrollToTop();
  }
  gauge->setValue(gauge->maximum());
  LaufSperren(false);
}

void TFfrStatistik::BNrClick(int n) {
  if (const auto m = auswahl_.Umschalten(n)) Melden(*m, this);
  suchKnoepfe_[static_cast<std::size_t>(n)]->setChecked(auswahl_.Wahl().Enthaelt(n));
  bSuche_->setEnabled(auswahl_.SucheMoeglich());
}

void TFfrStatistik::BSucheClick() {
  sucheDaten_.wahl = auswahl_.Wahl();
  sucheDaten_.treffer = KombisSuchen(auswahl_.Wahl(), von_->currentIndex(), bis_->currentIndex());
  const int treffer = static_cast<int>(sucheDaten_.treffer.size());
  sucheDaten_.datenZeilen = std::max(1, treffer);
  suche_->Neu();
  suche_->scrollToTop();
  trefferzahl_->setText(QString::number(treffer));
  trefferzahl_->setStyleSheet(treffer == 0 ? QStringLiteral("background: rgb(255, 102, 102);")
                                           : QStringLiteral("background: rgb(0, 255, 0);"));
}

void TFfrStatistik::BResetClick() {
  auswahl_.AufNull();
  for (int n = 1; n <= MaxZahl; ++n) suchKnoepfe_[static_cast<std::size_t>(n)]->setChecked(false);
  bSuche_->setEnabled(false);
  sucheDaten_.treffer.clear();
  sucheDaten_.datenZeilen = 50;
  suche_->Neu();
  trefferzahl_->clear();
  trefferzahl_->setStyleSheet(Bereit);
}
