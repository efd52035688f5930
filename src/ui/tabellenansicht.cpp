#include "tabellenansicht.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include "ui/zentrieren.h"

TabellenModell::TabellenModell(TabellenAnsicht* ansicht) : QAbstractTableModel(ansicht), ansicht_(ansicht) {}

void TabellenModell::SetzeDaten(const TabellenDaten* daten) {
  beginResetModel();
  daten_ = daten;
  endResetModel();
}

void TabellenModell::Neu() {
  beginResetModel();
  endResetModel();
}

int TabellenModell::rowCount(const QModelIndex& eltern) const {
  if (eltern.isValid() || !daten_) return 0;
  return std::max(0, daten_->Zeilen() - 1);
}

int TabellenModell::columnCount(const QModelIndex& eltern) const {
  if (eltern.isValid() || !daten_) return 0;
  return daten_->Spalten();
}

QVariant TabellenModell::data(const QModelIndex& index, int rolle) const {
  if (!daten_ || !index.isValid()) return {};
  const int zeile = index.row() + 1, spalte = index.column();
  if (rolle == Qt::DisplayRole) return daten_->Zelle(zeile, spalte);
  if (spalte == 0) return {};  // the row header keeps the grid's normal look
  switch (rolle) {
    case Qt::BackgroundRole: {
      const Zellbild bild = daten_->Bild(zeile, spalte);
      return bild.hintergrund ? QVariant(QColor(static_cast<QRgb>(*bild.hintergrund))) : QVariant();
    }
    case Qt::FontRole: {
      QFont schrift;
      schrift.setBold(daten_->Bild(zeile, spalte).fett);
      return schrift;
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(
          (daten_->Bild(zeile, spalte).ausrichtung == Zellbild::Ausrichtung::Rechts ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignTop);
    default: return {};
  }
}

QVariant TabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (!daten_) return {};
  if (richtung == Qt::Vertical) {
    // The fixed header column: the texts of column 0, as they stand.
    if (rolle == Qt::DisplayRole) return daten_->Zelle(abschnitt + 1, 0);
    if (rolle == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
  }
  if (rolle == Qt::DisplayRole) {
    const QString text = daten_->Zelle(0, abschnitt);
    if (!daten_->KopfZentriert(abschnitt)) return text;
    return Zentriert(text.trimmed(), ansicht_->columnWidth(abschnitt), ansicht_->horizontalHeader()->font());
  }
  // Header texts carry their own centring blanks.
  if (rolle == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

TabellenAnsicht::TabellenAnsicht(QWidget* eltern) : QTableView(eltern), modell_(this) {
  setModel(&modell_);
  setItemDelegate(new ZellenMaler(this));
  // Header texts carry their own centring blanks; the style's wide padding would cut them.
  horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 1px; }"));
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(8);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(8);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);  // Tab goes on to the next control; the arrows move between cells
  // Cells can be selected and copied, to paste results into an e-mail or a spreadsheet.
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  SetzeZeilenHoehe(17);
  connect(&modell_, &QAbstractItemModel::modelReset, this, [this] { SetzeSpaltenBreiten(spaltenBreiten_); });
}

void TabellenAnsicht::SetzeSpaltenBreiten(const QList<int>& breiten) {
  spaltenBreiten_ = breiten;
  const TabellenDaten* daten = modell_.Daten();
  if (!daten) return;
  QFont fett = font();
  fett.setBold(true);
  const QFontMetrics fm(fett), kopf(horizontalHeader()->font());
  // The first rows stand for the rest; the columns' widest texts (Muster) for what is made later.
  const int probe = std::min(daten->Zeilen(), 200);
  for (int s = 0; s < modell_.columnCount(); ++s) {
    int breite = s < breiten.size() ? breiten[s] : columnWidth(s);
    breite = std::max(breite, kopf.horizontalAdvance(daten->Zelle(0, s).trimmed()) + 2 * kopf.horizontalAdvance(QLatin1Char(' ')) + 4);
    breite = std::max(breite, fm.horizontalAdvance(daten->Muster(s)) + 8);
    for (int z = 1; z < probe; ++z) breite = std::max(breite, fm.horizontalAdvance(daten->Zelle(z, s).trimmed()) + 8);
    setColumnWidth(s, breite);
  }
  if (!verticalHeader()->isHidden()) {
    int kopfspalte = kopf.horizontalAdvance(daten->Zelle(0, 0).trimmed());
    for (int z = 1; z < daten->Zeilen(); ++z) kopfspalte = std::max(kopfspalte, kopf.horizontalAdvance(daten->Zelle(z, 0)));
    verticalHeader()->setFixedWidth(std::max(kopfspalte_, kopfspalte + 8));
  }
  updateGeometry();
}

void TabellenAnsicht::SetzeZeilenHoehe(int hoehe) {
  // The text 2 pixels below the top and whole: at least the font's height and a little room.
  hoehe = std::max(hoehe, QFontMetrics(font()).height() + 4);
  verticalHeader()->setDefaultSectionSize(hoehe);
  horizontalHeader()->setFixedHeight(std::max(hoehe + 2, QFontMetrics(horizontalHeader()->font()).height() + 6));
}

void TabellenAnsicht::FesteKopfspalte() {
  kopfspalte_ = spaltenBreiten_.value(0, 40);
  setColumnHidden(0, true);
  verticalHeader()->show();
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The column's own header stands in the corner above it, in the headers' look.
  ecke_ = new QLabel(this);
  ecke_->setObjectName(QStringLiteral("Ecke"));
  ecke_->setAutoFillBackground(true);
  ecke_->setBackgroundRole(QPalette::Button);
  ecke_->setFont(horizontalHeader()->font());
  ecke_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ecke_->setIndent(2);
  SetzeSpaltenBreiten(spaltenBreiten_);
}

void TabellenAnsicht::updateGeometries() {
  QTableView::updateGeometries();
  if (!ecke_) return;
  ecke_->setText(modell_.Daten() ? modell_.Daten()->Zelle(0, 0).trimmed() : QString());
  ecke_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(), horizontalHeader()->height());
  ecke_->raise();
}

QSize TabellenAnsicht::Inhaltsgroesse() const {
  int breite = 2 * frameWidth() + (!verticalHeader()->isHidden() ? verticalHeader()->width() : 0);
  for (int s = 0; s < modell_.columnCount(); ++s)
    if (!isColumnHidden(s)) breite += columnWidth(s);
  const int hoehe = 2 * frameWidth() + horizontalHeader()->height() + modell_.rowCount() * verticalHeader()->defaultSectionSize();
  return {breite, hoehe};
}

QSize TabellenAnsicht::sizeHint() const {
  // A table with a fixed header column scrolls sideways by design: it asks for no more than Qt's.
  if (ecke_) return QTableView::sizeHint();
  int breite = Inhaltsgroesse().width();
  if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) breite += verticalScrollBar()->sizeHint().width();
  return {breite, QTableView::sizeHint().height()};
}

int TabellenAnsicht::ErsteSichtbareZeile() const {
  const int r = rowAt(0);
  return r < 0 ? 0 : r + 1;
}

int TabellenAnsicht::VollSichtbareZeilen() const {
  const int h = verticalHeader()->defaultSectionSize();
  return h > 0 ? viewport()->height() / h : 0;
}

void TabellenAnsicht::ZuErsterZeile(int zeile) {
  if (zeile < 1 || zeile > modell_.rowCount()) return;
  executeDelayedItemsLayout();  // the rows of a just refilled model must be laid out first
  scrollTo(modell_.index(zeile - 1, 0), QAbstractItemView::PositionAtTop);
}

ZellStil TabellenAnsicht::Stil(int zeile, int spalte) const {
  const QModelIndex i = modell_.index(zeile - 1, spalte);
  ZellStil stil;
  const QVariant hintergrund = i.data(Qt::BackgroundRole);
  stil.hintergrund = hintergrund.isValid() ? hintergrund.value<QColor>() : palette().color(QPalette::Base);
  stil.fett = i.data(Qt::FontRole).value<QFont>().bold();
  stil.ausrichtung =
      (i.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight) ? ZellStil::Ausrichtung::Rechts : ZellStil::Ausrichtung::Zentriert;
  return stil;
}

QString TabellenAnsicht::AuswahlAlsText() const {
  const QModelIndexList auswahl = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
  if (auswahl.isEmpty()) return {};
  int oben = auswahl.front().row(), unten = oben, links = auswahl.front().column(), rechts = links;
  for (const QModelIndex& i : auswahl) {
    oben = std::min(oben, i.row());
    unten = std::max(unten, i.row());
    links = std::min(links, i.column());
    rechts = std::max(rechts, i.column());
  }
  QStringList zeilen;
  for (int z = oben; z <= unten; ++z) {
    QStringList zellen;
    for (int s = links; s <= rechts; ++s) {
      const QModelIndex i = modell_.index(z, s);
      zellen << (selectionModel()->isSelected(i) ? i.data().toString().trimmed() : QString());
    }
    zeilen << zellen.join(QLatin1Char('\t'));
  }
  return zeilen.join(QLatin1Char('\n'));
}

void TabellenAnsicht::Kopieren() {
  const QString text = AuswahlAlsText();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void TabellenAnsicht::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->matches(QKeySequence::Copy)) {
    Kopieren();
    ereignis->accept();
    return;
  }
  QTableView::keyPressEvent(ereignis);
}

void TabellenAnsicht::contextMenuEvent(QContextMenuEvent* ereignis) {
  QMenu menue(this);
  QAction* kopieren = menue.addAction(QStringLiteral("Kopieren"), this, &TabellenAnsicht::Kopieren);
  kopieren->setShortcut(QKeySequence::Copy);
  kopieren->setEnabled(selectionModel() && selectionModel()->hasSelection());
  menue.exec(ereignis->globalPos());
}

void ZellenMaler::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect r = option.rect;
  QString text = index.data(Qt::DisplayRole).toString();
  // Centring blanks in front of a text are not needed where the painter centres it itself.
  qsizetype blanks = 0;
  while (blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
  p->save();
  p->setClipRect(r);
  QFont schrift = option.font;
  const bool gewaehlt = option.state & QStyle::State_Selected;
  if (index.column() == 0) {
    // The row header column: drawn like the header row.
    p->fillRect(r, gewaehlt ? option.palette.highlight() : option.palette.button());
    p->setPen(option.palette.mid().color());
    p->drawLine(r.topRight(), r.bottomRight());
    p->setPen(gewaehlt ? option.palette.highlightedText().color() : option.palette.buttonText().color());
    text.remove(0, blanks);
    const int tw = QFontMetrics(schrift).horizontalAdvance(text);
    p->drawText(QPoint(r.left() + (r.width() - tw) / 2, r.top() + 2 + QFontMetrics(schrift).ascent()), text);
    p->restore();
    return;
  }
  // What the model says: background, weight, alignment; the palette where it says nothing.
  const QVariant hintergrund = index.data(Qt::BackgroundRole);
  p->fillRect(r, gewaehlt                ? option.palette.highlight()
                 : hintergrund.isValid() ? QBrush(hintergrund.value<QColor>())
                                         : option.palette.base());
  schrift.setBold(index.data(Qt::FontRole).value<QFont>().bold());
  p->setFont(schrift);
  const QFontMetrics fm(schrift);
  const bool rechts = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
  if (!rechts) text.remove(0, blanks);
  const int tw = fm.horizontalAdvance(text);
  const int x = rechts ? r.right() + 1 - 3 - tw : r.left() + (r.width() - tw) / 2;
  p->setPen(gewaehlt ? option.palette.highlightedText().color() : option.palette.text().color());
  p->drawText(QPoint(x, r.top() + 2 + fm.ascent()), text);
  p->restore();
}
