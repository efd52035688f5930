#include "ziehungsimportdialog.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringDecoder>

#include "core/datei.h"
#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "entry/blattfenster.h"
#include "entry/tabellenkalkulation.h"
#include "ui/dateidialoge.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/hintergrund.h"
#include "ui/meldungen.h"
#include "ui/tabellenansicht.h"

namespace {
constexpr int VorschauZeilen = 20;

const QChar Trenner[] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(','), QLatin1Char('|'), QLatin1Char(' ')};
const char* const TrennerNamen[] = {"Semikolon ( ; )", "Tabulator", "Komma ( , )", "Senkrechter Strich ( | )", "Leerzeichen"};

QString ZahlenText(const std::array<std::uint8_t, 5>& z) {
  QStringList t;
  for (auto n : z) t << QString::number(n);
  return t.join(QLatin1Char(' '));
}
}  // namespace

TFZiehungsImport::TFZiehungsImport(const QString& quelle, const QString& text, std::vector<QStringList> zeilen, QWidget* eltern)
    : QDialog(eltern), text_(text), zeilen_(std::move(zeilen)), vorschauDaten_(new Tabelle) {
  setObjectName(QStringLiteral("FZiehungsImport"));
  setWindowTitle(QStringLiteral("Ziehungen importieren"));
  HilfeThemaSetzen(this, Thema::Import);
  const QChar erkannt = text_.isEmpty() ? QChar() : TrennerErkennen(text_);
  if (!text_.isEmpty()) zeilen_ = TextZerlegen(text_, erkannt);
  format_ = FormatErkennen(zeilen_);

  auto* v = new QVBoxLayout(this);
  auto* lQuelle = new QLabel(QStringLiteral("Quelle: %1").arg(quelle));
  lQuelle->setObjectName(QStringLiteral("LQuelle"));
  v->addWidget(lQuelle);

  auto* formatBox = new QGroupBox(QStringLiteral("So wird gelesen"));
  auto* form = new QFormLayout(formatBox);
  trenner_ = new QComboBox;
  trenner_->setObjectName(QStringLiteral("CTrenner"));
  for (const char* name : TrennerNamen) trenner_->addItem(QString::fromUtf8(name));
  trenner_->setEnabled(!text_.isEmpty());
  for (int i = 0; i < 5; ++i)
    if (!text_.isEmpty() && erkannt == Trenner[i]) trenner_->setCurrentIndex(i);
  form->addRow(QStringLiteral("&Trennzeichen:"), trenner_);
  kopfzeilen_ = new QSpinBox;
  kopfzeilen_->setObjectName(QStringLiteral("EKopfzeilen"));
  kopfzeilen_->setRange(0, 1000);
  form->addRow(QStringLiteral("&Kopfzeilen überspringen:"), kopfzeilen_);
  datumsArt_ = new QComboBox;
  datumsArt_->setObjectName(QStringLiteral("CDatumsArt"));
  datumsArt_->addItems({QStringLiteral("in einer Spalte"), QStringLiteral("Tag, Monat und Jahr in drei Spalten")});
  form->addRow(QStringLiteral("&Datum:"), datumsArt_);
  datumSpalte_ = new QSpinBox;
  datumSpalte_->setObjectName(QStringLiteral("EDatumSpalte"));
  datumSpalte_->setRange(1, 64);
  form->addRow(QStringLiteral("Datums&spalte (die erste der drei):"), datumSpalte_);
  folge_ = new QComboBox;
  folge_->setObjectName(QStringLiteral("CFolge"));
  folge_->addItems({QStringLiteral("Bitte wählen …"), QStringLiteral("Tag, Monat, Jahr"), QStringLiteral("Monat, Tag, Jahr"),
                    QStringLiteral("Jahr, Monat, Tag")});
  form->addRow(QStringLiteral("&Reihenfolge:"), folge_);
  auto* zahlenZeile = new QHBoxLayout;
  for (auto*& z : zahlen_) {
    z = new QSpinBox;
    z->setRange(1, 64);
    zahlenZeile->addWidget(z);
  }
  zahlen_[0]->setObjectName(QStringLiteral("EZahl1"));
  zahlenZeile->addStretch();
  auto* lZahlen = new QLabel(QStringLiteral("&Zahlenspalten:"));
  lZahlen->setBuddy(zahlen_[0]);
  form->addRow(lZahlen, zahlenZeile);
  v->addWidget(formatBox);

  v->addWidget(new QLabel(QStringLiteral("Die ersten Zeilen, wie sie gelesen wurden:")));
  vorschau_ = new TabellenAnsicht;
  vorschau_->setObjectName(QStringLiteral("GVorschau"));
  // A wide file scrolls inside the preview; the dialog does not grow for it.
  vorschau_->setMinimumHeight(7 * QFontMetrics(font()).height());
  vorschau_->setMinimumWidth(40 * QFontMetrics(font()).averageCharWidth());
  vorschau_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  v->addWidget(vorschau_, 1);

  zusammenfassung_ = new QLabel;
  zusammenfassung_->setObjectName(QStringLiteral("LZusammenfassung"));
  zusammenfassung_->setWordWrap(true);
  v->addWidget(zusammenfassung_);
  probleme_ = new QListWidget;
  probleme_->setObjectName(QStringLiteral("LProbleme"));
  probleme_->setWordWrap(true);  // a long message wraps rather than scrolls sideways
  probleme_->setResizeMode(QListView::Adjust);
  probleme_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  probleme_->setMinimumHeight(5 * QFontMetrics(font()).height());
  v->addWidget(probleme_, 1);
  auto* konflikte = new QGroupBox(QStringLiteral("Wenn ein Datum schon mit anderen Zahlen in der Historie steht"));
  auto* kv = new QVBoxLayout(konflikte);
  historieBleibt_ = new QRadioButton(QStringLiteral("die Zahlen der &Historie behalten"));
  dateiGewinnt_ = new QRadioButton(QStringLiteral("die Zahlen der &Datei übernehmen"));
  dateiGewinnt_->setObjectName(QStringLiteral("RDateiGewinnt"));
  historieBleibt_->setChecked(true);
  kv->addWidget(historieBleibt_);
  kv->addWidget(dateiGewinnt_);
  v->addWidget(konflikte);

  auto* knoepfe = new QDialogButtonBox;
  importieren_ = knoepfe->addButton(QStringLiteral("&Importieren"), QDialogButtonBox::AcceptRole);
  importieren_->setObjectName(QStringLiteral("BImportieren"));
  knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &TFZiehungsImport::ImportierenKlick);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  v->addWidget(knoepfe);

  FormatZeigen();
  connect(trenner_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (zeigt_ || i < 0) return;
    // Another separator: the lines and the format are found again.
    zeilen_ = TextZerlegen(text_, Trenner[i]);
    format_ = FormatErkennen(zeilen_);
    FormatZeigen();
  });
  auto neu = [this] {
    if (zeigt_) return;
    format_.kopfzeilen = kopfzeilen_->value();
    format_.datumGeteilt = datumsArt_->currentIndex() == 1;
    const int spalte = datumSpalte_->value() - 1;
    format_.datumSpalte = spalte;
    format_.teilSpalten = {spalte, spalte + 1, spalte + 2};
    format_.folge = folge_->currentIndex() == 0 ? std::nullopt : std::optional(static_cast<DatumsFolge>(folge_->currentIndex() - 1));
    for (std::size_t k = 0; k < 5; ++k) format_.zahlSpalten[k] = zahlen_[k]->value() - 1;
    Neuberechnen();
  };
  for (QSpinBox* s : {kopfzeilen_, datumSpalte_, zahlen_[0], zahlen_[1], zahlen_[2], zahlen_[3], zahlen_[4]})
    connect(s, &QSpinBox::valueChanged, this, neu);
  connect(datumsArt_, &QComboBox::currentIndexChanged, this, neu);
  connect(folge_, &QComboBox::currentIndexChanged, this, neu);
  connect(dateiGewinnt_, &QRadioButton::toggled, this, neu);
  FensterGroesseSetzen(this, QSize(640, 600));
}

TFZiehungsImport::~TFZiehungsImport() {
  vorschau_->SetzeDaten(nullptr);
  delete vorschauDaten_;
}

void TFZiehungsImport::FormatZeigen() {
  zeigt_ = true;
  kopfzeilen_->setValue(format_.kopfzeilen);
  datumsArt_->setCurrentIndex(format_.datumGeteilt ? 1 : 0);
  datumSpalte_->setValue((format_.datumGeteilt ? format_.teilSpalten[0] : format_.datumSpalte) + 1);
  folge_->setCurrentIndex(format_.folge ? static_cast<int>(*format_.folge) + 1 : 0);
  for (std::size_t k = 0; k < 5; ++k) zahlen_[k]->setValue(format_.zahlSpalten[k] + 1);
  zeigt_ = false;
  VorschauFuellen();
  Neuberechnen();
}

void TFZiehungsImport::VorschauFuellen() {
  int spalten = 1;
  const int n = std::min<int>(VorschauZeilen, static_cast<int>(zeilen_.size()));
  for (int i = 0; i < n; ++i) spalten = std::max<int>(spalten, static_cast<int>(zeilen_[static_cast<std::size_t>(i)].size()));
  spalten = std::min(spalten, 30);
  *vorschauDaten_ = Tabelle(n + 1, spalten + 1);
  vorschauDaten_->SetzeZelle(0, 0, QStringLiteral("Zeile"));
  for (int s = 0; s < spalten; ++s) vorschauDaten_->SetzeZelle(0, s + 1, QString::number(s + 1));
  for (int i = 0; i < n; ++i) {
    vorschauDaten_->SetzeZelle(i + 1, 0, QString::number(i + 1));
    const QStringList& z = zeilen_[static_cast<std::size_t>(i)];
    for (int s = 0; s < spalten && s < z.size(); ++s) vorschauDaten_->SetzeZelle(i + 1, s + 1, z[s]);
  }
  vorschau_->SetzeDaten(vorschauDaten_);
  vorschau_->SetzeSpaltenBreiten(QList<int>(spalten + 1, 30));  // as wide as their texts
}

void TFZiehungsImport::Neuberechnen() {
  probleme_->clear();
  if (!format_.folge) {
    zusammenfassung_->setText(
        QStringLiteral("Die Reihenfolge von Tag und Monat ist aus den Zeilen nicht zu erkennen: bitte wählen Sie sie aus."));
    importieren_->setEnabled(false);
    pruefung_ = {};
    ergebnis_ = {};
    return;
  }
  pruefung_ = ImportPruefen(zeilen_, format_);
  ergebnis_ = Zusammenfuehren(Ziehungen().Liste(), pruefung_.ziehungen, dateiGewinnt_->isChecked());
  for (const ImportProblem& p : pruefung_.probleme) probleme_->addItem(p.text);
  for (const ImportKonflikt& k : ergebnis_.konflikte)
    probleme_->addItem(QStringLiteral("Zeile %1: Am %2 stehen in der Historie %3, in der Datei %4.")
                           .arg(k.zeile)
                           .arg(DatumAlsText(k.datum), ZahlenText(k.historie), ZahlenText(k.datei)));
  const int ausgelassen = static_cast<int>(pruefung_.probleme.size());
  zusammenfassung_->setText(
      QStringLiteral("Neue Ziehungen: %1. Schon so in der Historie: %2. Mit anderen Zahlen in der Historie: %3 (übernommen: %4). "
                     "Ausgelassene Zeilen: %5.")
          .arg(ergebnis_.neu)
          .arg(ergebnis_.gleich + pruefung_.doppelt)
          .arg(ergebnis_.konflikte.size())
          .arg(ergebnis_.geaendert)
          .arg(ausgelassen));
  importieren_->setEnabled(ergebnis_.neu + ergebnis_.geaendert > 0);
}

void TFZiehungsImport::ImportierenKlick() {
  if (!importieren_->isEnabled()) return;
  const QString pfad = TZiehungsListe::DateiPfad();
  if (!ErgebnisMelden(ZiehungenUebernehmen(ergebnis_.liste, pfad), this)) return;
  ErgebnisMelden(Ziehungen().NeuLaden(pfad), this);
  Information(QStringLiteral("Die Ziehungen sind importiert: %1 hinzugefügt, %2 übersprungen, %3 geändert.")
                      .arg(ergebnis_.neu)
                      .arg(ergebnis_.gleich + pruefung_.doppelt + static_cast<int>(ergebnis_.konflikte.size()) - ergebnis_.geaendert)
                      .arg(ergebnis_.geaendert) +
                  CRCR + QStringLiteral("Die bisherige Datei ist als GZ.bak gesichert."),
              this);
  accept();
}

std::optional<ImportQuelle> ImportQuelleLesen(const QString& pfad, QWidget* eltern) {
  const QString endung = QFileInfo(pfad).suffix().toLower();
  ImportQuelle q;
  if (endung == QLatin1String("xlsx") || endung == QLatin1String("xlsm") || endung == QLatin1String("ods") ||
      endung == QLatin1String("xls")) {
    const Blatteinlesen gelesen = BlattImHintergrundEinlesen(pfad, eltern);
    if (gelesen.abgebrochen) return std::nullopt;
    if (!gelesen.blatt) {
      Fehler(ImportFehler(pfad, gelesen.grund), eltern);
      return std::nullopt;
    }
    q.zeilen = BlattZeilen(*gelesen.blatt);
    return q;
  }
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) {
    Fehler(LeseFehler(pfad, datei.errorString()), eltern);
    return std::nullopt;
  }
  const QByteArray roh = datei.readAll();
  QStringDecoder utf8(QStringDecoder::Utf8);
  q.text = utf8.decode(roh);
  if (utf8.hasError()) {
    QStringDecoder cp1252("windows-1252");
    q.text = cp1252.isValid() ? cp1252.decode(roh) : QString::fromLatin1(roh);
  }
  if (q.text.startsWith(QChar(0xFEFF))) q.text.remove(0, 1);
  return q;
}

namespace {
void Vorschau(const QString& quelle, const ImportQuelle& q, QWidget* eltern) {
  if (q.text.trimmed().isEmpty() && q.zeilen.empty()) {
    Information(QStringLiteral("In %1 steht nichts, was sich einlesen ließe.").arg(quelle), eltern);
    return;
  }
  TFZiehungsImport dialog(quelle, q.text, q.zeilen, eltern);
  dialog.exec();
}
}  // namespace

void ZiehungenImportierenKlick(QWidget* eltern) {
  DateiDialog d;
  d.titel = QStringLiteral("Ziehungen importieren");
  d.filter = QStringLiteral("Ziehungen (CSV, Text, Tabelle)|*.csv;*.txt;*.xlsx;*.xlsm;*.ods;*.xls|Alle Dateien|*");
  d.startOrdner = Werte().datenOrdner;
  const QStringList dateien = DateiDialoge().Oeffnen(d, eltern);
  if (dateien.isEmpty()) return;
  if (const auto q = ImportQuelleLesen(dateien.front(), eltern)) Vorschau(QFileInfo(dateien.front()).fileName(), *q, eltern);
}

void ZiehungenEinfuegenKlick(QWidget* eltern) {
  ImportQuelle q;
  q.text = QGuiApplication::clipboard()->text();
  Vorschau(QStringLiteral("der Zwischenablage"), q, eltern);
}

void ZiehungenExportierenKlick(QWidget* eltern) {
  if (Ziehungen().Anzahl() == 0) {
    Information(QStringLiteral("Es gibt noch keine Ziehungen, die sich exportieren ließen."), eltern);
    return;
  }
  DateiDialog d;
  d.titel = QStringLiteral("Ziehungen exportieren");
  d.filter = QStringLiteral("CSV-Datei|*.csv|Excel-Tabelle|*.xlsx");
  d.standardEndung = QStringLiteral("csv");
  d.startOrdner = Werte().datenOrdner;
  d.vorschlag = QStringLiteral("Ziehungen.csv");
  const QString pfad = DateiDialoge().Speichern(d, eltern);
  if (pfad.isEmpty()) return;
  const std::vector<TGewZahlen> liste = Ziehungen().Liste();
  Arbeitsstand stand;
  const bool tabelle = QFileInfo(pfad).suffix().toLower() == QLatin1String("xlsx");
  const Ergebnis e = ImHintergrund<Ergebnis>(eltern, NurText(QStringLiteral("Die Ziehungen werden exportiert …")), stand, [&] {
    return tabelle ? ZiehungenXlsxSchreiben(liste, pfad) : DateiSicherSchreiben(pfad, ZiehungenAlsCsv(liste));
  });
  if (ErgebnisMelden(e, eltern))
    Information(QStringLiteral("%1 Ziehungen stehen jetzt in %2.").arg(liste.size()).arg(QFileInfo(pfad).fileName()), eltern);
}
