#include "zufall.h"

#include <climits>

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/einstellungen.h"
#include "core/programmwerte.h"
#include "core/schein.h"
#include "core/schluessel.h"
#include "core/zahltext.h"
#include "platform/plattform.h"
#include "ui/dateidialoge.h"
#include "ui/fenstergroesse.h"
#include "ui/hauptknopf.h"
#include "ui/hilfedienst.h"
#include "ui/hintergrund.h"
#include "ui/meldungen.h"
#include "ui/reihenspeichern.h"
#include "ui/skin.h"
#include "ui/tabellenansicht.h"
#include "ui/tabellenexport.h"
#include "ui/zahlenfeld.h"
#include "ui/zentrieren.h"

namespace {

QString KnopfStil(std::optional<Gruppe> g) {
  const QString basis = QStringLiteral("QPushButton { border: 1px solid #9fb0c0; border-radius: 2px; color: black; background: %1; }");
  if (!g) return basis.arg(QStringLiteral("#f7f9fb"));
  switch (*g) {
    case Gruppe::Bank: return basis.arg(QStringLiteral("rgb(147, 253, 114)"));
    case Gruppe::Killer: return basis.arg(QStringLiteral("#ef6f6c"));
    case Gruppe::Favorit: return basis.arg(QStringLiteral("rgb(40, 184, 255)"));
  }
  return basis;
}
}  // namespace

Zellbild ZufallsTabelle::Bild(int zeile, int spalte) const {
  // The colours follow the current selection, not the selection of the run.
  Zellbild bild;
  const QString text = Zelle(zeile, spalte);
  const auto g = text.isEmpty() || !auswahl ? std::nullopt : auswahl->GruppeVon(text.toInt());
  bild.hintergrund = g == Gruppe::Bank ? 0xB3FFB3u : g == Gruppe::Favorit ? 0x28B8FFu : 0xFFFFFFu;
  return bild;
}

QString ZufallsTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  if (!ergebnis || zeile > static_cast<int>(ergebnis->Zufreihen.size()) || spalte < 0 || spalte > 5) return {};
  if (spalte == 0) return QString::number(zeile);
  return QString::number(ergebnis->Zufreihen[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)]);
}

void TFZufall::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FZufall"), [] { return new TFZufall; });
}

TFZufall::TFZufall() : QMainWindow(nullptr) {
  setObjectName(QStringLiteral("FZufall"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::Zufall);
  QToolBar* oben = Aktionen::FensterLeiste(
      this, {AktionsId::Eingabe, AktionsId::Statistik, AktionsId::Update, AktionsId::NueberK, AktionsId::Kalender, AktionsId::Rechner});
  Aktionen::Lokal(AktionsId::Speichern, this, [this] { BSaveClick(); });

  connect(Fussleiste(this, QStringLiteral("Sch&ließen")), &QAction::triggered, this, &QWidget::close);

  auto* mitte = new QWidget;
  auto* h = new QHBoxLayout(mitte);
  h->setContentsMargins(5, 5, 5, 5);
  h->setSpacing(6);
  auto* auswahl = new QGridLayout;
  auswahl->setSpacing(6);
  auswahl->addWidget(AnzahlPanel(), 0, 0);
  auswahl->addWidget(AuswahlPanel(Gruppe::Killer, QStringLiteral("Quotenkiller")), 0, 1);
  auswahl->addWidget(AuswahlPanel(Gruppe::Bank, QStringLiteral("Bankzahlen")), 1, 0);
  auswahl->addWidget(AuswahlPanel(Gruppe::Favorit, QStringLiteral("Favoriten")), 1, 1);
  auswahl->setRowStretch(1, 1);  // the lower panels reach down to the window's bottom
  h->addLayout(auswahl);
  h->addWidget(ErgebnisPanel(), 1);
  h->addWidget(RechteSpalte());
  setCentralWidget(new Rollflaeche(mitte, this));

  // Client area 486 high, 610 + distribution view + 10 wide, or what the font needs.
  FensterGroesseSetzen(this, QSize(610 + 240 + 10, 486 + oben->sizeHint().height() + 40));
  AmHauptfensterZentrieren(this);
}

TFZufall::~TFZufall() { raster_->SetzeDaten(nullptr); }

QWidget* TFZufall::AnzahlPanel() {
  auto* g = new QGroupBox(QStringLiteral("Tippreihenanzahl"));
  auto* v = new QVBoxLayout(g);
  v->setContentsMargins(5, 4, 5, 5);
  auto* titel = FettesLabel(QStringLiteral("Der manipulierbare Lottozahlen-Zufallsgenerator"), g);
  titel->setWordWrap(true);
  v->addWidget(titel);
  auto* text = new QLabel(QStringLiteral("Geben Sie die gewünschte Anzahl Tippreihen ein, wählen Sie ggfs. Bankzahlen, "
                                         "Quotenkiller und Favoriten, dann \"Viel Glück\"!"),
                          g);
  text->setWordWrap(true);
  v->addWidget(text);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Gewünschte An-\nzahl Tippreihen:"), g));
  anzahl_ = ZiffernFeld(QStringLiteral("EAnzahl"), QString(), 0, 60, g);
  anzahl_->setAlignment(Qt::AlignCenter);
  anzahl_->setFont(Fett(anzahl_->font()));
  zeile->addWidget(anzahl_);
  v->addLayout(zeile);
  bGlueck_ = new QPushButton(Symbol(QStringLiteral("zufall")), QStringLiteral("Viel Glück!"), g);
  bGlueck_->setObjectName(QStringLiteral("BGlueck"));
  connect(bGlueck_, &QPushButton::clicked, this, &TFZufall::BGlueckClick);
  HauptknopfSetzen(this, bGlueck_);
  v->addWidget(bGlueck_);
  v->addStretch(1);
  return g;
}

QWidget* TFZufall::AuswahlPanel(Gruppe gruppe, const QString& titel) {
  const int gr = static_cast<int>(gruppe);
  auto* panel = new QFrame;
  panel->setObjectName(QStringLiteral("P") + titel);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(4, 3, 4, 4);
  v->setSpacing(3);
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(FettesLabel(titel, panel));
  kopf->addStretch(1);
  auto* leeren = new QToolButton(panel);
  leeren->setObjectName(QStringLiteral("BLeeren%1").arg(gr));
  leeren->setIcon(Symbol(QStringLiteral("leeren")));
  leeren->setAutoRaise(true);
  leeren->setToolTip(QStringLiteral("Alle %1 abwählen").arg(titel));
  connect(leeren, &QToolButton::clicked, this, [this, gruppe] { GruppeLeeren(gruppe); });
  kopf->addWidget(leeren);
  leeren_[static_cast<std::size_t>(gr)] = leeren;
  v->addLayout(kopf);
  // The group's numbers: 24 x 20 buttons, 25 and 20 pixels apart.
  auto* block = new Zahlenfeld(
      {24, 20, 25, 20, 1, 1},
      [gr](int n, QWidget* eltern) {
        auto* b = new QPushButton(QString::number(n), eltern);
        b->setObjectName(QStringLiteral("BZuf%1").arg(gr * 100 + n));
        b->setProperty("tag", gr * 100 + n);
        b->setFont(Fett(b->font()));
        b->setStyleSheet(KnopfStil(std::nullopt));
        return b;
      },
      panel);
  block->setObjectName(QStringLiteral("PBlock%1").arg(gr));
  for (int n = 1; n <= MaxZahl; ++n)
    knoepfe_[static_cast<std::size_t>(gr)][static_cast<std::size_t>(n)] = static_cast<QPushButton*>(block->Knopf(n));
  connect(block, &Zahlenfeld::Geklickt, this, [this, gr](int n) { BLotUrClick(gr * 100 + n); });
  v->addWidget(block, 0, Qt::AlignHCenter);
  v->addStretch(1);  // heading and numbers stay at the top of a taller panel
  return panel;
}

QWidget* TFZufall::ErgebnisPanel() {
  auto* panel = new QFrame;
  panel->setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(4, 4, 4, 4);
  v->setSpacing(3);
  bSave_ = new QPushButton(Symbol(QStringLiteral("speichern")), QStringLiteral("Als Tippschein s&peichern"), panel);
  bSave_->setObjectName(QStringLiteral("BSave"));
  connect(bSave_, &QPushButton::clicked, this, &TFZufall::BSaveClick);
  v->addWidget(bSave_);
  lDatei_ = new QLabel(panel);
  lDatei_->setObjectName(QStringLiteral("LDatei"));
  lDatei_->setWordWrap(true);
  v->addWidget(lDatei_);
  lReihen_ = FettesLabel(QStringLiteral("Zufallsreihen"), panel);
  lReihen_->setObjectName(QStringLiteral("LReihen"));
  v->addWidget(lReihen_);
  raster_ = new TabellenAnsicht(panel);
  raster_->setObjectName(QStringLiteral("GZufall"));
  raster_->SetzeZeilenHoehe(16);
  const QList<int> breiten{40, 30, 30, 30, 30, 30};
  const QFont f = raster_->font();
  rasterDaten_.kopf = {QStringLiteral("Reihe")};
  for (int s = 1; s <= 5; ++s) rasterDaten_.kopf << QStringLiteral("Z%1").arg(s);
  raster_->SetzeDaten(&rasterDaten_);
  raster_->SetzeSpaltenBreiten(breiten);
  raster_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // As wide as its columns (six-digit row numbers at the font in use) and the scroll bar.
  raster_->setFixedWidth(raster_->sizeHint().width());
  rasterDaten_.auswahl = &auswahl_;
  v->addWidget(raster_, 1);
  bCsv_ = new QPushButton(Symbol(QStringLiteral("export")), QStringLiteral("Im &CSV-Format speichern..."), panel);
  bCsv_->setObjectName(QStringLiteral("BCsv"));
  connect(bCsv_, &QPushButton::clicked, this, &TFZufall::BCsvClick);
  bExcel_ = new QPushButton(Symbol(QStringLiteral("tabelle")), QStringLiteral("Excel- Export"), panel);
  bExcel_->setObjectName(QStringLiteral("BExcel"));
  connect(bExcel_, &QPushButton::clicked, this, &TFZufall::BExcelClick);
  auto* fuss = new QHBoxLayout;
  fuss->addWidget(bCsv_);
  fuss->addWidget(bExcel_);
  v->addLayout(fuss);
  return panel;
}

QWidget* TFZufall::RechteSpalte() {
  auto* spalte = new QWidget;
  // 240 pixels at the small font, as wide as the distribution view at the font in use.
  spalte->setMinimumWidth(240);
  spalte->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* v = new QVBoxLayout(spalte);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(6);
  auto* anteile = new QGroupBox(QStringLiteral("Tippschein-Anteile"), spalte);
  auto* av = new QVBoxLayout(anteile);
  auto* ah = new QHBoxLayout;
  av->addLayout(ah);
  ah->addWidget(new QLabel(QStringLiteral("gesamt:"), anteile));
  eAntGes_ = ZiffernFeld(QStringLiteral("EAntGes"), QStringLiteral("1"), 4, 40, anteile);
  ah->addWidget(eAntGes_);
  ah->addWidget(new QLabel(QStringLiteral("meine:"), anteile));
  eAntmeine_ = ZiffernFeld(QStringLiteral("EAntmeine"), QStringLiteral("1"), 4, 40, anteile);
  ah->addWidget(eAntmeine_);
  auto* notiz = new QLabel(QStringLiteral("(wenn keine TG, dann 1 und 1)"), anteile);
  ah->addStretch(1);
  av->addWidget(notiz);
  v->addWidget(anteile);
  v->addWidget(Verteilung());
  v->addStretch(1);
  auto* logo = new QToolButton(spalte);
  logo->setObjectName(QStringLiteral("ImgLogo"));
  logo->setIcon(QIcon(QStringLiteral(":/logo.svg")));
  logo->setIconSize(QSize(118, 30));
  logo->setAutoRaise(true);
  logo->setCursor(Qt::PointingHandCursor);
  logo->setToolTip(QStringLiteral("Zur Internetseite von Kelvaro"));
  connect(logo, &QToolButton::clicked, this, &TFZufall::LogoClick);
  v->addWidget(logo, 0, Qt::AlignHCenter);
  return spalte;
}

QWidget* TFZufall::Verteilung() {
  auto* ansicht = new QFrame;
  ansicht->setObjectName(QStringLiteral("PVerteilung"));
  ansicht->setFrameShape(QFrame::StyledPanel);
  auto* kopf = FettesLabel(QStringLiteral("Verteilung der Tippzahlen"), ansicht);
  kopf->move(5, 3);
  kopf->adjustSize();
  const int h = kopf->height();
  const QFont klein = font();
  // Labels 32 x 17 over count fields 32 x 21, 33 pixels apart, at the small font; wider and higher
  // where the font needs it for the largest count there can be: the rows are different from each
  // other, so a number is in at most 46,376 of them.
  const QFontMetrics fm(klein), fett(Fett(klein));
  const int breite = std::max(32, fett.horizontalAdvance(QStringLiteral("46376")) + 4);
  const int nrHoehe = std::max(17, fm.height() + 2), wHoehe = std::max(21, fett.height() + 4);
  const int schritt = breite + 1, zeile = nrHoehe + wHoehe + 2;
  for (int i = 1; i <= 5; ++i)
    for (int j = 1; j <= 7; ++j) {
      const int a = (i - 1) * 7 + j;
      const QPoint oben((j - 1) * schritt + 5, (i - 1) * zeile + h + 8);
      auto* nr = new QLabel(QString::number(a), ansicht);
      nr->setObjectName(QStringLiteral("BStatNr%1").arg(a));
      nr->setFont(klein);
      nr->setAlignment(Qt::AlignCenter);
      nr->setStyleSheet(QStringLiteral("background: rgb(0, 55, 55); color: rgb(183, 255, 183);"));
      nr->setGeometry(QRect(oben, QSize(breite, nrHoehe)));
      auto* w = new QLabel(ansicht);
      w->setObjectName(QStringLiteral("BStatW%1").arg(a));
      w->setFont(Fett(klein));
      w->setAlignment(Qt::AlignCenter);
      w->setAutoFillBackground(true);
      w->setStyleSheet(QStringLiteral("background: palette(button); color: black;"));
      // Each count field sits directly under its label.
      const QPoint heim = oben + QPoint(0, nrHoehe);
      w->setGeometry(QRect(heim, QSize(breite, wHoehe)));
      eNrEcke_[static_cast<std::size_t>(a)] = heim;
      nummern_[static_cast<std::size_t>(a)] = nr;
      zaehler_[static_cast<std::size_t>(a)] = w;
    }
  bSort_ = new QPushButton(Symbol(QStringLiteral("sortieren")), QStringLiteral("Aufsteigend sortieren"), ansicht);
  bSort_->setObjectName(QStringLiteral("BSort"));
  connect(bSort_, &QPushButton::clicked, this, &TFZufall::BSortClick);
  KnopfBreiteFuer(bSort_, {bSort_->text(), QStringLiteral("Von 1 bis 35 sortieren")});
  const int leiste = bSort_->sizeHint().height() + 6;
  const int innen = std::max({7 * schritt - 1, 240 - 10, bSort_->minimumWidth(), kopf->width()});
  bSort_->setGeometry(5, 5 * zeile + h + 12, innen, leiste - 6);
  ansicht->setFixedSize(innen + 10, leiste + 5 * zeile + h + 16);
  return ansicht;
}

QPushButton* TFZufall::Knopf(int tag) const {
  const int g = tag / 100, n = tag % 100;
  if (g < 1 || g > 3 || n < 1 || n > MaxZahl) return nullptr;
  return knoepfe_[static_cast<std::size_t>(g)][static_cast<std::size_t>(n)];
}

void TFZufall::KnopfZeigen(Gruppe g, int n, bool gewaehlt) {
  Knopf(static_cast<int>(g) * 100 + n)->setStyleSheet(KnopfStil(gewaehlt ? std::optional<Gruppe>(g) : std::nullopt));
  // A number chosen in one group cannot be chosen in the others.
  for (Gruppe andere : {Gruppe::Bank, Gruppe::Killer, Gruppe::Favorit})
    if (andere != g) Knopf(static_cast<int>(andere) * 100 + n)->setVisible(!gewaehlt);
  raster_->Neuzeichnen();
}

void TFZufall::BLotUrClick(int tag) {
  const auto e = auswahl_.Umschalten(tag);
  if (e.wirkung == TZufallsAuswahl::Wirkung::Abgelehnt) {
    if (e.meldung) Melden(*e.meldung, this);
    return;
  }
  KnopfZeigen(static_cast<Gruppe>(tag / 100), tag % 100, e.wirkung == TZufallsAuswahl::Wirkung::Hinzugefuegt);
}

void TFZufall::GruppeLeeren(Gruppe g) {
  for (int n : auswahl_.Mitglieder(g)) BLotUrClick(static_cast<int>(g) * 100 + n);
}

void TFZufall::ZaehlerZeigen() {
  for (int n = 1; n <= MaxZahl; ++n) {
    QLabel* w = zaehler_[static_cast<std::size_t>(n)];
    w->setText(QString::number(ergebnis_.NrCount[static_cast<std::size_t>(n)]));
    const auto g = auswahl_.GruppeVon(n);
    const QString farbe = g == Gruppe::Bank      ? QStringLiteral("rgb(147, 253, 114)")
                          : g == Gruppe::Favorit ? QStringLiteral("rgb(40, 184, 255)")
                                                 : QStringLiteral("palette(button)");
    w->setStyleSheet(QStringLiteral("background: %1; color: black;").arg(farbe));
  }
}

void TFZufall::Sperren(bool sperren) {
  for (QWidget* w : std::initializer_list<QWidget*>{bGlueck_, bSave_, bCsv_, bExcel_, leeren_[1], leeren_[2], leeren_[3]})
    w->setEnabled(!sperren);
  for (int g = 1; g <= 3; ++g)
    for (int n = 1; n <= MaxZahl; ++n) knoepfe_[static_cast<std::size_t>(g)][static_cast<std::size_t>(n)]->setEnabled(!sperren);
}

void TFZufall::BGlueckClick() {
  if (laeuft_) return;
  const QString leer =
      QStringLiteral("Bitte geben Sie die Anzahl der gewünschten Tippreihen an.") + CRCR + QStringLiteral("Ich breche erst einmal ab.");
  const QString text = anzahl_->text();
  if (text.isEmpty()) {
    Fehler(leer, this);
    return;
  }
  bool ok = false;
  const qlonglong wert = text.toLongLong(&ok);
  if (!ok || wert < INT_MIN || wert > INT_MAX) {
    Fehler(KeinIntegerwert(text), this);
    return;
  }
  if (wert == 0) {  // nothing to generate: asked like an empty field
    Fehler(leer, this);
    return;
  }
  laeuft_ = true;
  Sperren(true);
  // Beside the window: it stays painted and shows how far the run is; closing the window cancels
  // the run. Only a completed run replaces the rows shown.
  Arbeitsstand stand;
  stand.gesamt = wert;
  Fortschrittsanzeige anzeige;
  anzeige.text = QStringLiteral("Die Zufallsreihen werden erzeugt …");
  anzeige.takt = [this, wert](std::int64_t fertig) {
    lReihen_->setText(
        QStringLiteral("%1 von %2 Zufallsreihen …").arg(QLocale().toString(static_cast<qlonglong>(fertig)), QLocale().toString(wert)));
  };
  ZufallsErgebnis neu;
  const ZufallsLauf lauf = ImHintergrund<ZufallsLauf>(this, anzeige, stand, [&] {
    return ZufallszahlenErmitteln(auswahl_, wert, zufall_, neu, [&stand](std::int64_t fertig) {
      stand.fortschritt = fertig;
      return !stand.abbrechen;
    });
  });
  Sperren(false);
  laeuft_ = false;
  if (lauf.abgebrochen) {
    lReihen_->setText(hatErgebnis_ ? QStringLiteral("%1 Zufallsreihen").arg(ergebnis_.Zufreihen.size()) : QStringLiteral("Zufallsreihen"));
    return;
  }
  if (!lauf.ablehnung) ergebnis_ = std::move(neu);
  if (lauf.ablehnung) {
    Melden(*lauf.ablehnung, this);
  } else {
    hatErgebnis_ = true;
    rasterDaten_.ergebnis = &ergebnis_;
    raster_->Neu();
    raster_->scrollToTop();
    lReihen_->setText(QString::number(wert) + QStringLiteral(" Zufallsreihen"));
  }
  ZaehlerZeigen();
}

void TFZufall::BSortClick() {
  if (!sortiert_) {
    // Ascending by count, ties by ascending number.
    std::array<int, MaxZahl> folge;
    for (int n = 1; n <= MaxZahl; ++n) folge[static_cast<std::size_t>(n - 1)] = n;
    std::stable_sort(folge.begin(), folge.end(), [this](int a, int b) {
      return ergebnis_.NrCount[static_cast<std::size_t>(a)] < ergebnis_.NrCount[static_cast<std::size_t>(b)];
    });
    for (int s = 0; s < MaxZahl; ++s) {
      const int k = folge[static_cast<std::size_t>(s)];
      nummern_[static_cast<std::size_t>(s + 1)]->setText(QString::number(k));
      zaehler_[static_cast<std::size_t>(k)]->move(eNrEcke_[static_cast<std::size_t>(s + 1)]);
    }
    bSort_->setText(QStringLiteral("Von 1 bis 35 sortieren"));
    bSort_->setIcon(Symbol(QStringLiteral("sortiert")));
    sortiert_ = true;
  } else {
    for (int s = 1; s <= MaxZahl; ++s) {
      nummern_[static_cast<std::size_t>(s)]->setText(QString::number(s));
      zaehler_[static_cast<std::size_t>(s)]->move(eNrEcke_[static_cast<std::size_t>(s)]);
    }
    bSort_->setText(QStringLiteral("Aufsteigend sortieren"));
    bSort_->setIcon(Symbol(QStringLiteral("sortieren")));
    sortiert_ = false;
  }
}

void TFZufall::BSaveClick() {
  TippscheinSpeichernKlick(rasterDaten_, QStringLiteral("Als Tippschein speichern..."), eAntGes_, eAntmeine_, lDatei_, this);
}

void TFZufall::BCsvClick() { CsvSpeichernKlick(rasterDaten_, lDatei_, this); }

void TFZufall::BExcelClick() { ExcelExportKlick(rasterDaten_, this); }

void TFZufall::LogoClick() {
  if (System().IstOnline()) System().UrlOeffnen(QUrl(Adressen::Produkt));
}

void TFZufall::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  if (gelesen_) return;
  gelesen_ = true;
  const Einstellungen e;
  if (!e.Existiert()) return;
  const QString anzahl = Schluessel::Anzahl.Lesen(e);
  anzahl_->setText(anzahl.isEmpty() ? Schluessel::Anzahl.vorgabe : anzahl);  // an empty stored count gives "12" too
  const auto meldungen = AuswahlAusText(auswahl_, Schluessel::Bankzahlen.Lesen(e), Schluessel::Quotenkiller.Lesen(e),
                                        Schluessel::Favoriten.Lesen(e), [this](Gruppe g, int n, const TZufallsAuswahl::Ergebnis& r) {
                                          if (r.wirkung != TZufallsAuswahl::Wirkung::Abgelehnt)
                                            KnopfZeigen(g, n, r.wirkung == TZufallsAuswahl::Wirkung::Hinzugefuegt);
                                        });
  for (const Meldung& m : meldungen) Melden(m, this);
}

void TFZufall::closeEvent(QCloseEvent* ereignis) {
  ErgebnisMelden(
      Einstellungen().Schreiben(Schluessel::Anzahl.Sektion(), {Schluessel::Anzahl.Wert(anzahl_->text()),
                                                               Schluessel::Bankzahlen.Wert(AuswahlAlsText(auswahl_, Gruppe::Bank)),
                                                               Schluessel::Quotenkiller.Wert(AuswahlAlsText(auswahl_, Gruppe::Killer)),
                                                               Schluessel::Favoriten.Wert(AuswahlAlsText(auswahl_, Gruppe::Favorit))}),
      this);
  ereignis->accept();
}
