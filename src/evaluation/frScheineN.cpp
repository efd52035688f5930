#include "frScheineN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/datum.h"
#include "core/schein.h"
#include "core/ziehungen.h"
#include "ui/abbilddienst.h"
#include "ui/datumsmodell.h"
#include "ui/fenstergroesse.h"
#include "ui/hauptknopf.h"
#include "ui/hintergrund.h"
#include "ui/meldungen.h"
#include "ui/skin.h"
#include "ui/tabellenansicht.h"
#include "ui/zentrieren.h"

namespace {

// A read-only field; with a sample text as wide as its font needs for it, and at least breite.
QLineEdit* Textfeld(const QString& name, QWidget* eltern, int breite = -1, const QString& muster = {}) {
  auto* e = new QLineEdit(eltern);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::ClickFocus);  // shown values: Tab passes them by, the mouse can copy them
  if (breite > 0) e->setMinimumWidth(breite);
  if (!muster.isEmpty()) FeldBreiteFuer(e, muster);
  if (breite > 0) e->setFixedWidth(e->minimumWidth());
  return e;
}

// The widest amounts and rates the fields show.
const QString GeldMuster = QStringLiteral("9.999.999,99 €");
const QString QuotenMuster = QStringLiteral("99.999,99 %");
QString DatumsMuster() { return DatumAlsText(QDateAlsDatum(QDate(2088, 12, 28))); }

}  // namespace

TFFrScheineN::TFFrScheineN(float preis, QWidget* eltern) : QWidget(eltern), preis_(preis) {
  setObjectName(QStringLiteral("FrScheineN"));
  setMinimumSize(600, 304);
  auto* h = new QHBoxLayout(this);
  h->setContentsMargins(4, 4, 4, 4);
  h->setSpacing(8);
  h->addWidget(LinkerTeil());
  h->addWidget(RechterTeilAufbauen(), 1);
  // A saved draw or a reloaded history: Combo1 gets the new dates with the newest selected.
  auto neueDaten = [this] { ZiehungenAktualisieren(); };
  connect(&Ziehungen(), &TZiehungsListe::ZiehungGespeichert, this, neueDaten);
  connect(&Ziehungen(), &TZiehungsListe::NeuGeladen, this, neueDaten);
}

TFFrScheineN::~TFFrScheineN() {
  // The grids are members and go before the child views that show them.
  g3_->SetzeDaten(nullptr);
  g3a_->SetzeDaten(nullptr);
  g5_->SetzeDaten(nullptr);
}

QWidget* TFFrScheineN::LinkerTeil() {
  auto* links = new QWidget(this);
  links->setObjectName(QStringLiteral("PLinks"));
  // 270 pixels at the small font, wider where the font's texts need it; never stretched.
  links->setMinimumWidth(270);
  links->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* v = new QVBoxLayout(links);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);
  auto* raster = new QGridLayout;
  raster->setHorizontalSpacing(4);
  raster->setVerticalSpacing(3);
  raster->addWidget(Beschriftung(QStringLiteral("Datei"), links), 0, 0);
  lDatei_ = Textfeld(QStringLiteral("LDatei"), links);
  raster->addWidget(lDatei_, 0, 1);
  raster->addWidget(Beschriftung(QStringLiteral("Reihenanzahl"), links), 1, 0);
  lReihen_ = Textfeld(QStringLiteral("LReihen"), links, 60, QStringLiteral("888888"));
  raster->addWidget(lReihen_, 1, 1, Qt::AlignLeft);
  raster->setColumnStretch(1, 1);
  v->addLayout(raster);
  auto* anteile = new QHBoxLayout;
  anteile->setSpacing(4);
  anteile->addWidget(Beschriftung(QStringLiteral("Spielschein-\nAnteile:"), links));
  anteile->addWidget(Beschriftung(QStringLiteral("gesamt:"), links));
  eAntGes_ = Textfeld(QStringLiteral("EAntGes"), links, 40, QStringLiteral("8888"));
  eAntGes_->setMaxLength(4);
  eAntGes_->setText(QStringLiteral("1"));
  anteile->addWidget(eAntGes_);
  anteile->addWidget(Beschriftung(QStringLiteral("meine:"), links));
  eAntmeine_ = Textfeld(QStringLiteral("EAntmeine"), links, 40, QStringLiteral("8888"));
  eAntmeine_->setMaxLength(4);
  eAntmeine_->setText(QStringLiteral("1"));
  anteile->addWidget(eAntmeine_);
  anteile->addStretch(1);
  v->addLayout(anteile);

  g3_ = new TabellenAnsicht(links);
  g3_->setObjectName(QStringLiteral("G3"));
  v->addWidget(g3_, 1);
  return links;
}

QWidget* TFFrScheineN::RechterTeilAufbauen() {
  rechts_ = new QWidget(this);
  rechts_->setObjectName(QStringLiteral("PRechts"));
  rechts_->setAutoFillBackground(true);
  auto* v = new QVBoxLayout(rechts_);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);
  v->addWidget(Beschriftung(QStringLiteral("Auswertung für eine oder mehrere Ziehungen"), rechts_, true));

  auto* wahl = new QGridLayout;
  wahl->setHorizontalSpacing(6);
  wahl->setVerticalSpacing(3);
  wahl->addWidget(Beschriftung(QStringLiteral("Für den bzw. vom"), rechts_), 0, 0);
  combo1_ = new QComboBox(rechts_);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setMaxVisibleItems(20);
  // The end draw follows the store; the start draw keeps the dates the panel was opened with.
  ende_ = new DatumsModell(DatumsModell::Quelle::Laufend, this);
  DatumsAuswahlEinrichten(combo1_, ende_);
  wahl->addWidget(combo1_, 0, 1);
  cbBack_ = new QCheckBox(QStringLiteral("zurück bis zum"), rechts_);
  cbBack_->setObjectName(QStringLiteral("cbBack"));
  wahl->addWidget(cbBack_, 1, 0);
  combo2_ = new QComboBox(rechts_);
  combo2_->setObjectName(QStringLiteral("combo2"));
  combo2_->setMaxVisibleItems(20);
  anfang_ = new DatumsModell(DatumsModell::Quelle::Stand, this);
  DatumsAuswahlEinrichten(combo2_, anfang_);
  wahl->addWidget(combo2_, 1, 1);
  bStart_ = new QPushButton(Symbol(QStringLiteral("start")), QStringLiteral("Start"), rechts_);
  bStart_->setObjectName(QStringLiteral("BStart"));
  connect(bStart_, &QPushButton::clicked, this, &TFFrScheineN::BStartClick);
  HauptknopfSetzen(this, bStart_);
  wahl->addWidget(bStart_, 0, 2, 2, 1);
  wahl->setColumnStretch(1, 1);
  v->addLayout(wahl);

  g3a_ = new TabellenAnsicht(rechts_);
  g3a_->setObjectName(QStringLiteral("G3a"));
  g3aDaten_.ergebnis = &ergebnis_;
  v->addWidget(g3a_, 1);

  auto* zahlen = new QGridLayout;
  zahlen->setHorizontalSpacing(4);
  zahlen->setVerticalSpacing(3);
  zahlen->addWidget(Beschriftung(QStringLiteral("Höchstgewinn"), rechts_), 0, 0);
  lHGew_ = Textfeld(QStringLiteral("LHGew"), rechts_, -1, GeldMuster);
  lHGew_->setAlignment(Qt::AlignRight);
  zahlen->addWidget(lHGew_, 0, 1);
  zahlen->addWidget(Beschriftung(QStringLiteral("am:"), rechts_), 0, 2, Qt::AlignRight);
  lHGewWann_ = Textfeld(QStringLiteral("LHGewWann"), rechts_, 80, DatumsMuster());
  zahlen->addWidget(lHGewWann_, 0, 3);
  bZeig_ = new QToolButton(rechts_);
  bZeig_->setObjectName(QStringLiteral("BZeig"));
  bZeig_->setIcon(Symbol(QStringLiteral("zeigen")));
  bZeig_->setToolTip(QStringLiteral("Zum Höchstgewinn in der Tabelle springen"));
  connect(bZeig_, &QToolButton::clicked, this, &TFFrScheineN::BZeigClick);
  zahlen->addWidget(bZeig_, 0, 4);
  zahlen->addWidget(Beschriftung(QStringLiteral("Gesamtgewinn"), rechts_), 1, 0);
  lGesGewinn_ = Textfeld(QStringLiteral("LGesGewinn"), rechts_, -1, GeldMuster);
  lGesGewinn_->setAlignment(Qt::AlignRight);
  zahlen->addWidget(lGesGewinn_, 1, 1);
  zahlen->addWidget(Beschriftung(QStringLiteral("Anteil:"), rechts_), 1, 2, Qt::AlignRight);
  lGesGewinnAnt_ = Textfeld(QStringLiteral("LGesGewinnAnt"), rechts_, -1, GeldMuster);
  lGesGewinnAnt_->setAlignment(Qt::AlignRight);
  zahlen->addWidget(lGesGewinnAnt_, 1, 3, 1, 2);
  zahlen->addWidget(Beschriftung(QStringLiteral("Rücklauf-\nquote:"), rechts_), 2, 0);
  lRL_ = Textfeld(QStringLiteral("LRL"), rechts_, -1, QuotenMuster);
  lRL_->setAlignment(Qt::AlignRight);
  zahlen->addWidget(lRL_, 2, 1, 1, 2);
  zahlen->setColumnStretch(1, 1);
  v->addLayout(zahlen);

  auto* fuss = new QHBoxLayout;
  fuss->setSpacing(6);
  auto* foto = new QToolButton(rechts_);
  foto->setObjectName(QStringLiteral("BFoto"));
  foto->setIcon(Symbol(QStringLiteral("foto")));
  foto->setIconSize(QSize(24, 24));
  foto->setToolTip(QStringLiteral("Abbild der Auswertung"));
  connect(foto, &QToolButton::clicked, this, &TFFrScheineN::BFotoClick);
  fuss->addWidget(foto);
  fuss->addWidget(Beschriftung(QStringLiteral("Gesamt-\nÜbersicht:"), rechts_));
  g5_ = new TabellenAnsicht(rechts_);
  g5_->setObjectName(QStringLiteral("G5"));
  g5_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g5_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g5_->setFixedSize(76 + 3 * 36 + 2, 2 * 19 + 4);  // until its texts are set
  fuss->addWidget(g5_);
  fuss->addStretch(1);
  v->addLayout(fuss);
  return rechts_;
}

void TFFrScheineN::Fuellen(const QString& pfad, const QString& neuesDatum) {
  pfad_ = pfad;
  // 1. Both selectors: all draw dates (and the date of a draw being entered in the main window),
  // the newest (and the one before it) selected.
  if (!neuesDatum.isEmpty()) {
    ende_->ZusatzSetzen(neuesDatum);
    anfang_->ZusatzSetzen(neuesDatum);
  }
  const int n = combo1_->count();
  combo1_->setCurrentIndex(n - 1);
  combo2_->setCurrentIndex(n - 2);

  // 2.-4. The ticket: rows, shares, file name and row count.
  const QFont schrift = g3_->font();
  const QList<int> breiten{45, 38, 38, 38, 38, 38};
  // The rows are kept as numbers (their texts are made when shown) and as sets for "Start".
  Scheindatei datei;
  const Ergebnis gelesen = ScheinSaetzeLesen(pfad, datei);
  if (!datei.reihen.empty()) {  // an empty file leaves the share fields as they were
    eAntGes_->setText(QString::number(datei.antGes));
    eAntmeine_->setText(QString::number(datei.antMeine));
  }
  schein_.reihen = std::move(datei.reihen);
  mengen_ = ReihenAlsMengen(schein_.reihen);
  const Tabelle kopf = Tabelle::Reihentabelle();
  schein_.kopf.clear();
  for (int s = 0; s < 6; ++s) schein_.kopf << kopf.Zelle(0, s);
  g3_->SetzeDaten(&schein_);
  g3_->SetzeSpaltenBreiten(breiten);
  // The field grows for the name (a very long one scrolls in it, the tip shows it whole).
  lDatei_->setText(QFileInfo(pfad).fileName());
  lDatei_->setToolTip(QFileInfo(pfad).fileName());
  lDatei_->setCursorPosition(0);
  FeldBreiteFuer(lDatei_, lDatei_->text().left(40));
  lReihen_->setText(QString::number(schein_.reihen.size()));

  // 5. The result table.
  const QList<int> g3aBreiten{63, 52, 52, 66, 66};
  g3aDaten_.kopf = {QStringLiteral("Datum"), QStringLiteral("Richtige"), QStringLiteral("in Reihe"), QStringLiteral("Gewinn"),
                    QStringLiteral("Anteil")};
  g3a_->SetzeDaten(&g3aDaten_);
  g3a_->SetzeSpaltenBreiten(g3aBreiten);

  // 6. The summary.
  uebersicht_.SetzeZelle(0, 0, QStringLiteral("Gewinnklasse:"));
  uebersicht_.SetzeZelle(1, 0, QStringLiteral("Anzahl:"));
  for (int k = 5; k >= 3; --k) uebersicht_.SetzeZelle(0, 6 - k, QString::fromLatin1(GewinnklasseFuer(k)->kurz));
  uebersicht_.muster = {QStringLiteral("Gewinnklasse:"), QStringLiteral("99999"), QStringLiteral("99999"), QStringLiteral("99999")};
  g5_->SetzeDaten(&uebersicht_);
  g5_->SetzeZeilenHoehe(19);
  g5_->SetzeSpaltenBreiten({76, 36, 36, 36});
  g5_->setFixedSize(g5_->Inhaltsgroesse().expandedTo(QSize(76 + 3 * 36 + 2, 2 * 19 + 4)));
  uebersicht_.SetzeZelle(1, 0, Zentriert(QStringLiteral("Anzahl:"), g5_->columnWidth(0), schrift));

  ErgebnisMelden(gelesen, this);  // the rows read before a read error stay
  // 7. Repaint while further files are opened; user input waits until all are read.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFFrScheineN::TabFolgeSetzen() {
  // The draws and "Start" first, then the results, then the ticket's rows.
  setTabOrder(combo1_, cbBack_);
  setTabOrder(cbBack_, combo2_);
  setTabOrder(combo2_, bStart_);
  setTabOrder(bStart_, g3a_);
  setTabOrder(g3a_, g3_);
}

void TFFrScheineN::ZiehungenAktualisieren() {
  const QSignalBlocker sperre(combo1_);
  combo1_->setCurrentIndex(combo1_->count() - 1);
}

void TFFrScheineN::KlassenZeigen() {
  const QFont schrift = g5_->font();
  for (int k = 5; k >= 3; --k) {
    // Centred in the column's width in use ("-" a little to the left, as it always stood).
    const QString text = ergebnis_.KlassenText(k);
    const int breite = g5_->columnWidth(6 - k);
    uebersicht_.SetzeZelle(1, 6 - k, Zentriert(text, text == QLatin1String("-") ? breite * 30 / 36 : breite, schrift));
  }
  g5_->Neu();
}

void TFFrScheineN::BStartClick() {
  if (laeuft_) return;
  // The draws as they are now (the store may change while the work runs), the rows as numbers.
  const std::vector<TGewZahlen> ziehungen = Ziehungen().Liste();
  AuswertungsEingabe e;
  e.ziehungen = &ziehungen;
  e.ende = combo1_->currentIndex();
  e.anfang = combo2_->currentIndex();
  e.zeitraum = cbBack_->isChecked();
  e.antGes = eAntGes_->text().toInt();
  e.antMeine = eAntmeine_->text().toInt();
  e.preis = preis_;
  // Beside the window: it stays painted, a long run shows its progress and can be cancelled;
  // a cancelled run leaves the last result as it was.
  Arbeitsstand stand;
  e.stand = &stand;
  Fortschrittsanzeige anzeige;
  anzeige.text = QStringLiteral("Die Reihen werden ausgewertet …");
  laeuft_ = true;
  Auswertung a = ImHintergrund<Auswertung>(this, anzeige, stand, [&] {
    e.reihen = mengen_;
    return ScheinAuswerten(e);
  });
  laeuft_ = false;
  if (a.abgebrochen) return;
  hoechstZeile_ = 0;
  if (a.ablehnung) {
    Melden(*a.ablehnung, this);
    // The result table, the summary, the own part and the return rate keep what they showed.
    lGesGewinn_->clear();
    lHGew_->clear();
    lHGewWann_->clear();
    einzelZiehung_ = false;
    schein_.gezogen.reset();
    g3aDaten_.markiert = 0;
    g3_->Neuzeichnen();
    g3a_->Neuzeichnen();
    return;
  }
  ergebnis_ = std::move(a.ergebnis);
  g3a_->Neu();
  g3a_->scrollToTop();
  KlassenZeigen();
  lGesGewinnAnt_->setText(ergebnis_.GesamtAnteilText());
  lRL_->setText(ergebnis_.QuoteText());
  lGesGewinn_->setText(ergebnis_.GesamtText());
  einzelZiehung_ = !e.zeitraum;
  // The hits of a single draw become visible; after a range the ticket loses its highlighting.
  if (einzelZiehung_)
    schein_.gezogen = ergebnis_.GewAuswListe.front().GZA;
  else
    schein_.gezogen.reset();
  g3_->Neuzeichnen();
  lHGew_->setText(ergebnis_.HoechstText());
  lHGewWann_->setText(ergebnis_.hoechstDatum);
  hoechstZeile_ = ergebnis_.hoechstZeile;
  g3aDaten_.markiert = hoechstZeile_;
}

void TFFrScheineN::BFotoClick() {
  // The caption is the file name without its extension ".vnds".
  QString titel = lDatei_->text();
  titel.chop(5);
  AbbildAufnehmen(rechts_, titel, 0);
}

void TFFrScheineN::BZeigClick() {
  if (hoechstZeile_ == 0) return;
  if (g3a_->VollSichtbareZeilen() < hoechstZeile_) g3a_->ZuErsterZeile(std::max(1, hoechstZeile_ - 6));
  g3a_->Neuzeichnen();
}
