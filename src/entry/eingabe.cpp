#include "eingabe.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/einstellungen.h"
#include "core/programmwerte.h"
#include "core/schein.h"
#include "core/schluessel.h"
#include "entry/blattfenster.h"
#include "entry/tabellenkalkulation.h"
#include "entry/textimport.h"
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

// The row table layout with its centred headers, bold data cells on white.
void Einrichten(TabellenAnsicht* ansicht, Tabelle& daten, int breite0, int breite) {
  const QFont f = ansicht->font();
  daten.SetzeZelle(0, 0, QStringLiteral("Reihe"));
  for (int s = 1; s <= 5; ++s) daten.SetzeZelle(0, s, QStringLiteral("Z%1").arg(s));
  daten.muster = {QStringLiteral("99999"), QStringLiteral("35"), QStringLiteral("35"),
                  QStringLiteral("35"),    QStringLiteral("35"), QStringLiteral("35")};
  ansicht->SetzeZeilenHoehe(16);
  ansicht->SetzeDaten(&daten);
  ansicht->SetzeSpaltenBreiten({breite0, breite, breite, breite, breite, breite});
  daten.bild = Zellbild{0xFFFFFF, true, Zellbild::Ausrichtung::Zentriert};
  ansicht->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ansicht->setMinimumWidth(breite0 + 5 * breite + ansicht->verticalScrollBar()->sizeHint().width() + 2 * ansicht->frameWidth());
}
}  // namespace

void TFEingabe::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FEingabe"), [] { return new TFEingabe; });
}

TFEingabe::TFEingabe() : QMainWindow(nullptr) {
  setObjectName(QStringLiteral("FEingabe"));
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::Eingabe);
  QToolBar* oben =
      Aktionen::FensterLeiste(this, {AktionsId::Statistik, AktionsId::Update, AktionsId::NueberK, AktionsId::Kalender, AktionsId::Rechner});
  Aktionen::Lokal(AktionsId::Speichern, this, [this] { BSaveClick(); });

  connect(Fussleiste(this, QStringLiteral("Schließen")), &QAction::triggered, this, &QWidget::close);

  auto* mitte = new QWidget;
  auto* v = new QVBoxLayout(mitte);
  v->setContentsMargins(6, 4, 6, 4);
  auto* kopf = Beschriftung(QStringLiteral("Ihre Tippzahlen können Sie manuell  in nachstehendes Textfeld eingeben oder importieren. "
                                           "Auch eine existierende Tippscheindatei kann eingelesen werden."),
                            mitte, true);
  UmbruchImRest(kopf);
  v->addWidget(kopf);
  auto* h = new QHBoxLayout;
  h->setSpacing(8);
  h->addWidget(LinkerTeil());
  h->addWidget(Mitte(), 1);
  h->addWidget(RechterTeil());
  v->addLayout(h, 1);
  setCentralWidget(new Rollflaeche(mitte, this));

  FensterGroesseSetzen(this, QSize(980, 473 + oben->sizeHint().height() + 40));
  AmHauptfensterZentrieren(this);
}

TFEingabe::~TFEingabe() {
  g1_->SetzeDaten(nullptr);
  g2_->SetzeDaten(nullptr);
}

QWidget* TFEingabe::LinkerTeil() {
  auto* reiter = new QTabWidget;
  reiter->setObjectName(QStringLiteral("Reiter"));

  // "Manuelle Eingabe": texts and the keypad.
  auto* manuell = new QWidget;
  auto* tv = new QVBoxLayout(manuell);
  tv->setContentsMargins(5, 5, 5, 5);
  QWidget* texte = manuell;
  tv->addWidget(Beschriftung(QStringLiteral("Die Zahlen sind jeweils durch ein Komma getrennt und ohne Leerzeichen in das Textfeld "
                                            "rechts einzugeben.  "),
                             texte, false, true));
  tv->addWidget(
      Beschriftung(QStringLiteral("Nutzen Sie die Tasten unten oder schreiben Sie direkt in das Textfeld rechts.   "), texte, false, true));
  auto* zeilenwechsel = Beschriftung(QStringLiteral("Zeilenwechsel erfolgt automatisch"), texte, true, true);
  zeilenwechsel->setAlignment(Qt::AlignCenter);
  tv->addWidget(zeilenwechsel);
  // The keypad: 40 x 28 buttons, 41 and 35 pixels apart.
  auto* tasten = new Zahlenfeld(
      {40, 28, 41, 35, 0, 0},
      [](int n, QWidget* eltern) {
        auto* b = new QPushButton(QString::number(n), eltern);
        b->setObjectName(QStringLiteral("TBZahl2_%1").arg(n));
        b->setFont(Fett(b->font()));
        return b;
      },
      manuell);
  tasten->setObjectName(QStringLiteral("PTasten"));
  connect(tasten, &Zahlenfeld::Geklickt, this, &TFEingabe::BLot50EUrClick);
  tv->addSpacing(10);
  tv->addWidget(tasten, 0, Qt::AlignHCenter);
  tv->addStretch(1);
  manuell->setMinimumWidth(std::max(7 * 40 + 19, tasten->width() + 10));
  reiter->addTab(manuell, QStringLiteral("Manuelle Eingabe"));

  // "Datei einlesen": ticket, CSV and spreadsheet files into the file table.
  auto* datei = new QWidget;
  auto* dv = new QVBoxLayout(datei);
  dv->setContentsMargins(5, 5, 5, 5);
  auto* knoepfe = new QHBoxLayout;
  auto* schein = Knopf(QStringLiteral("BScheinOeffnen"), QStringLiteral("oeffnen"), QStringLiteral("Tippschein ö&ffnen..."), datei);
  connect(schein, &QPushButton::clicked, this, &TFEingabe::BScheinOeffnenClick);
  knoepfe->addWidget(schein);
  auto* csv = Knopf(QStringLiteral("BCsvOeffnen"), QStringLiteral("csv"), QStringLiteral("-Datei öffnen"), datei);
  connect(csv, &QPushButton::clicked, this, &TFEingabe::BCsvOeffnenClick);
  knoepfe->addWidget(csv);
  dv->addLayout(knoepfe);
  auto* excel = Knopf(QStringLiteral("BExcelImport"), QStringLiteral("tabelle"), QStringLiteral("Excel- Import"), datei);
  connect(excel, &QPushButton::clicked, this, &TFEingabe::BExcelImportClick);
  dv->addWidget(excel);
  lDatei2_ = Beschriftung(QString(), datei, false, true);
  lDatei2_->setObjectName(QStringLiteral("LDatei2"));
  dv->addWidget(lDatei2_);
  g2_ = new TabellenAnsicht(datei);
  g2_->setObjectName(QStringLiteral("G2"));
  Einrichten(g2_, g2Daten_, 47, 40);
  dv->addWidget(g2_, 1);
  auto* insText = Knopf(QStringLiteral("BInsTextfeld"), QStringLiteral("einfuegen"), QStringLiteral("Ins Textfeld übertragen"), datei);
  connect(insText, &QPushButton::clicked, this, &TFEingabe::InsTextfeldClick);
  dv->addWidget(insText);
  reiter->addTab(datei, QStringLiteral("Datei einlesen"));
  return reiter;
}

QWidget* TFEingabe::Mitte() {
  auto* mitte = new QWidget;
  auto* v = new QVBoxLayout(mitte);
  v->setContentsMargins(0, 0, 0, 0);
  auto* kopf = new QHBoxLayout;
  auto* hinweise = new QVBoxLayout;
  hinweise->addWidget(Beschriftung(QStringLiteral("Beispiel: 2,12,22,30,34 oder"), mitte, false, true));
  hinweise->addWidget(Beschriftung(QStringLiteral("Text einfügen mit \"Feld x\" z. B. aus E-Mail"), mitte, false, true));
  kopf->addLayout(hinweise, 1);
  kopf->addWidget(new QLabel(QStringLiteral("Zeilen"), mitte));
  zeilen_ = Beschriftung(QStringLiteral("0"), mitte, true, true);
  zeilen_->setObjectName(QStringLiteral("LZeilen"));
  zeilen_->setFrameShape(QFrame::Panel);
  zeilen_->setFrameShadow(QFrame::Sunken);
  zeilen_->setAlignment(Qt::AlignCenter);
  zeilen_->setMinimumWidth(36);
  kopf->addWidget(zeilen_);
  auto* loeschen = Knopf(QStringLiteral("BTextLoeschen"), QStringLiteral("leeren"), QStringLiteral("Textfeld löschen"), mitte);
  connect(loeschen, &QPushButton::clicked, this, &TFEingabe::TextfeldLoeschenClick);
  kopf->addWidget(loeschen);
  v->addLayout(kopf);

  m1_ = new QPlainTextEdit(mitte);
  m1_->setObjectName(QStringLiteral("M1"));
  m1_->setTabChangesFocus(true);  // rows hold no tabs: Tab goes on to the next control
  m1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  m1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont f = m1_->font();
  f.setBold(true);
  f.setPointSize(10);
  m1_->setFont(f);
  connect(m1_, &QPlainTextEdit::textChanged, this, &TFEingabe::ZeilenZaehlen);
  v->addWidget(m1_, 1);

  auto* optionen = new QVBoxLayout;
  auto* modus = new QGroupBox(QStringLiteral("Beim Übertragen sollen..."), mitte);
  auto* mv = new QVBoxLayout(modus);
  rg1a_ = new QRadioButton(QStringLiteral("...vorhandene Einträge überschrieben werden"), modus);
  rg1a_->setObjectName(QStringLiteral("RG1a"));
  rg1a_->setChecked(true);
  rg1b_ = new QRadioButton(QStringLiteral("...die neuen Reihen angehängt werden"), modus);
  rg1b_->setObjectName(QStringLiteral("RG1b"));
  mv->addWidget(rg1a_);
  mv->addWidget(rg1b_);
  optionen->addWidget(modus);
  auto* groesse = new QGroupBox(QStringLiteral("Schriftgröße"), mitte);
  auto* gh = new QHBoxLayout(groesse);
  gh->addWidget(new QLabel(QStringLiteral("kleiner"), groesse));
  schrift_ = new QSpinBox(groesse);
  schrift_->setObjectName(QStringLiteral("UDSchrift"));
  schrift_->setRange(6, 12);
  schrift_->setValue(10);
  connect(schrift_, &QSpinBox::valueChanged, this, [this](int punkte) {
    QFont s = m1_->font();
    s.setPointSize(punkte);
    m1_->setFont(s);
  });
  gh->addWidget(schrift_);
  gh->addWidget(new QLabel(QStringLiteral("größer"), groesse));
  gh->addStretch(1);
  optionen->addWidget(groesse);
  v->addLayout(optionen);

  auto* fuss = new QVBoxLayout;
  cbPlus_ = new QCheckBox(QStringLiteral("Tippzahlen ist \"Feld\" und/oder Reihen-Nr. vorangestellt "), mitte);
  cbPlus_->setObjectName(QStringLiteral("cbPlus"));
  cbPlus_->setChecked(true);
  fuss->addWidget(cbPlus_);
  auto* uebertragen = Knopf(QStringLiteral("BUebertragen"), QStringLiteral("start"), QStringLiteral("Reihen in Tabelle übertragen"), mitte);
  connect(uebertragen, &QPushButton::clicked, this, &TFEingabe::UebertragenClick);
  HauptknopfSetzen(this, uebertragen);  // Return outside the text field
  fuss->addWidget(uebertragen, 0, Qt::AlignRight);
  v->addLayout(fuss);
  return mitte;
}

QWidget* TFEingabe::RechterTeil() {
  auto* rechts = new QWidget;
  auto* v = new QVBoxLayout(rechts);
  v->setContentsMargins(0, 0, 0, 0);
  auto* knoepfe = new QVBoxLayout;
  auto* speichern = Knopf(QStringLiteral("BSave"), QStringLiteral("speichern"), QStringLiteral("Als Tippschein s&peichern..."), rechts);
  connect(speichern, &QPushButton::clicked, this, &TFEingabe::BSaveClick);
  knoepfe->addWidget(speichern);
  auto* loeschen = Knopf(QStringLiteral("BReihenLoeschen"), QStringLiteral("loeschen"), QStringLiteral("Reihen löschen"), rechts);
  connect(loeschen, &QPushButton::clicked, this, &TFEingabe::ReihenLoeschenClick);
  knoepfe->addWidget(loeschen);
  v->addLayout(knoepfe);
  lDatei_ = Beschriftung(QString(), rechts, false, true);
  lDatei_->setObjectName(QStringLiteral("LDatei"));
  v->addWidget(lDatei_);
  auto* anteile = new QGroupBox(QStringLiteral("Tippschein-Anteile"), rechts);
  auto* av = new QVBoxLayout(anteile);
  auto* ah = new QHBoxLayout;
  ah->addWidget(new QLabel(QStringLiteral("gesamt:"), anteile));
  eAntGes_ = ZiffernFeld(QStringLiteral("EAntGes"), QStringLiteral("1"), 4, 44, anteile);
  ah->addWidget(eAntGes_);
  ah->addWidget(new QLabel(QStringLiteral("meine:"), anteile));
  eAntmeine_ = ZiffernFeld(QStringLiteral("EAntmeine"), QStringLiteral("1"), 4, 44, anteile);
  ah->addWidget(eAntmeine_);
  ah->addStretch(1);
  av->addLayout(ah);
  av->addWidget(new QLabel(QStringLiteral("(wenn keine TG, dann 1 und 1)"), anteile));
  v->addWidget(anteile);
  g1_ = new TabellenAnsicht(rechts);
  g1_->setObjectName(QStringLiteral("G1"));
  Einrichten(g1_, g1Daten_, 44, 36);
  v->addWidget(g1_, 1);
  auto* fuss = new QVBoxLayout;
  auto* csv = Knopf(QStringLiteral("BCsvSave"), QStringLiteral("export"), QStringLiteral("Im &CSV-Format speichern..."), rechts);
  connect(csv, &QPushButton::clicked, this, &TFEingabe::BCsvSaveClick);
  fuss->addWidget(csv);
  auto* excel = Knopf(QStringLiteral("BExcelExport"), QStringLiteral("tabelle"), QStringLiteral("Excel- Export"), rechts);
  connect(excel, &QPushButton::clicked, this, &TFEingabe::BExcelExportClick);
  fuss->addWidget(excel);
  v->addLayout(fuss);
  return rechts;
}

QString TFEingabe::Zeilenzahl() const { return zeilen_->text(); }

void TFEingabe::ZeilenZaehlen() {
  // Lines as the player counts them: none for an empty field, a final line break opens no line.
  const QString text = m1_->toPlainText();
  qsizetype n = text.isEmpty() ? 0 : text.count(QLatin1Char('\n')) + 1;
  if (text.endsWith(QLatin1Char('\n'))) --n;
  zeilen_->setText(QString::number(n));
}

void TFEingabe::TextfeldLoeschenClick() {
  m1_->clear();
  zeilen_->setText(QStringLiteral("0"));
}

void TFEingabe::BLot50EUrClick(int n) {
  m1_->moveCursor(QTextCursor::End);
  const QString text = m1_->toPlainText();
  const QString letzte = text.mid(text.lastIndexOf(QLatin1Char('\n')) + 1);
  const bool voll = letzte.split(QLatin1Char(',')).size() == 5;
  m1_->insertPlainText(QString::number(n) + (voll ? QStringLiteral("\n") : QStringLiteral(",")));
  m1_->ensureCursorVisible();
}

void TFEingabe::UebertragenClick() {
  if (m1_->toPlainText().isEmpty()) {
    Fehler(QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.") + CRCR + QStringLiteral("Ich breche erst einmal ab."),
           this);
    return;
  }
  QStringList zeilen = m1_->toPlainText().split(QLatin1Char('\n'));
  m1_->hide();
  TextfeldBereinigen(zeilen, cbPlus_->isChecked(), [this, &zeilen]() -> std::optional<bool> {
    // The player sees the text the question is about.
    m1_->setPlainText(zeilen.join(QLatin1Char('\n')));
    m1_->show();
    const Antwort a = FrageMitAbbrechen(LeerzeichenFrage(), this);
    if (a == Antwort::Ja) return true;
    if (a == Antwort::Nein) return false;
    return std::nullopt;
  });
  m1_->setPlainText(zeilen.join(QLatin1Char('\n')));
  m1_->show();
  const Reihenimport import = ReihenAusText(zeilen);
  if (import.meldung) {
    Melden(*import.meldung, this);
    return;
  }
  int c = 0;
  if (!rg1a_->isChecked()) {
    // Appended after the last filled row.
    while (c + 1 < g1Daten_.Zeilen() && !g1Daten_.Zelle(c + 1, 1).isEmpty()) ++c;
  }
  int k = 0;
  for (Tippreihe reihe : import.reihen) {
    ++k;
    std::sort(reihe.begin(), reihe.end());
    g1Daten_.SetzeZelle(c + k, 0, QString::number(c + k));
    for (int s = 0; s < 5; ++s) g1Daten_.SetzeZelle(c + k, s + 1, QString::number(reihe[static_cast<std::size_t>(s)]));
  }
  g1Daten_.SetzeZeilen(k + c + 1);
  g1_->Neu();
}

void TFEingabe::ReihenLoeschenClick() {
  for (int z = 1; z < g1Daten_.Zeilen(); ++z)
    for (int s = 1; s < g1Daten_.GespeicherteSpalten(z); ++s) g1Daten_.SetzeZelle(z, s, QString());
  g1_->Neu();
}

void TFEingabe::BSaveClick() {
  TippscheinSpeichernKlick(g1Daten_, QStringLiteral("Als Spielschein speichern..."), eAntGes_, eAntmeine_, lDatei_, this);
}

void TFEingabe::BCsvSaveClick() { CsvSpeichernKlick(g1Daten_, lDatei_, this); }

void TFEingabe::BExcelExportClick() { ExcelExportKlick(g1Daten_, this); }

void TFEingabe::DateiGelesen(const QString& pfad) {
  lDatei2_->setText(QFileInfo(pfad).fileName());
  g2_->Neu();
}

void TFEingabe::BScheinOeffnenClick() {
  // Several files may be marked; only the first is read.
  const QStringList dateien = DateiDialoge().Oeffnen(TippscheinOeffnenDialog(true), this);
  if (dateien.isEmpty()) return;
  // Read beside the window into a copy: a cancelled read leaves the table as it was.
  Tabelle neu = g2Daten_;
  neu.SetzeSpalten(6);  // a spreadsheet may have widened the file table
  QString ges = eAntGes_->text(), meine = eAntmeine_->text();
  Arbeitsstand stand;
  const Ergebnis e = ImHintergrund<Ergebnis>(this, NurText(QStringLiteral("Der Tippschein wird gelesen …")), stand,
                                             [&] { return ScheinLesen(neu, ges, meine, dateien.front(), &stand); });
  if (e.abgebrochen) return;
  g2Daten_ = std::move(neu);
  eAntGes_->setText(ges);
  eAntmeine_->setText(meine);
  g2_->Neu();
  if (ErgebnisMelden(e, this)) DateiGelesen(dateien.front());
}

void TFEingabe::BCsvOeffnenClick() {
  DateiDialog d;
  d.titel = QStringLiteral("CSV-Datei einlesen");
  d.filter = QStringLiteral("CSV-Datei|*.csv");
  d.standardEndung = QStringLiteral("csv");
  const QStringList dateien = DateiDialoge().Oeffnen(d, this);
  if (dateien.isEmpty()) return;
  Tabelle neu = g2Daten_;
  neu.SetzeSpalten(6);
  Arbeitsstand stand;
  const Ergebnis e = ImHintergrund<Ergebnis>(this, NurText(QStringLiteral("Die CSV-Datei wird gelesen …")), stand, [&] {
    Ergebnis fehler;
    CsvLesen(neu, dateien.front(), &fehler, &stand);
    return fehler;
  });
  if (e.abgebrochen) return;
  g2Daten_ = std::move(neu);
  g2_->Neu();
  if (ErgebnisMelden(e, this)) DateiGelesen(dateien.front());
}

void TFEingabe::BExcelImportClick() {
  DateiDialog d;
  d.titel = QStringLiteral("Excel-Tabelle einlesen");
  d.filter = QStringLiteral("Excel-Datei|*.xl*|OpenDocument-Tabelle|*.ods");
  d.startOrdner = Werte().datenOrdner;
  const QStringList dateien = DateiDialoge().Oeffnen(d, this);
  if (dateien.isEmpty()) return;
  // The file is read in the reader process; the window stays painted and the player may cancel.
  const Blatteinlesen gelesen = BlattImHintergrundEinlesen(dateien.front(), this);
  if (gelesen.abgebrochen) return;
  if (gelesen.blatt) {
    BlattInTabelle(*gelesen.blatt, g2Daten_);
    g2_->Neu();
  } else {
    Fehler(ImportFehler(dateien.front(), gelesen.grund), this);
  }
  DateiGelesen(dateien.front());
}

void TFEingabe::InsTextfeldClick() {
  if (TabelleLeer(g2Daten_, QStringLiteral("übertragen"), this)) return;
  QStringList zeilen;
  for (int z = 1; z < g2Daten_.Zeilen(); ++z) {
    QStringList zellen;
    for (int s = 1; s <= 5; ++s) zellen << g2Daten_.Zelle(z, s);
    zeilen << CsvZeile(zellen);
  }
  // New last lines; the lines already in the field stay in front.
  QString text = m1_->toPlainText();
  if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
  m1_->setPlainText(text + zeilen.join(QLatin1Char('\n')));
  m1_->moveCursor(QTextCursor::End);
}

void TFEingabe::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  const Einstellungen e;
  if (!e.Existiert()) return;
  if (Schluessel::Ueberschreiben.Lesen(e)) rg1a_->setChecked(true);
  if (Schluessel::Anhaengen.Lesen(e)) rg1b_->setChecked(true);
  schrift_->setValue(Schluessel::Schriftgroesse.Lesen(e));
}

void TFEingabe::closeEvent(QCloseEvent* ereignis) {
  ErgebnisMelden(Einstellungen().Schreiben(Schluessel::Ueberschreiben.Sektion(), {Schluessel::Ueberschreiben.Wert(rg1a_->isChecked()),
                                                                                  Schluessel::Anhaengen.Wert(rg1b_->isChecked()),
                                                                                  Schluessel::Schriftgroesse.Wert(schrift_->value())}),
                 this);
  ereignis->accept();  // the window is only hidden; it lives for the whole run
}
