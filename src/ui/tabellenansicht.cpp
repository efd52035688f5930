#include "tabellenansicht.h"

#include <QHeaderView>
#include <QPainter>

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
  if (!daten_ || !index.isValid() || rolle != Qt::DisplayRole) return {};
  return daten_->Zelle(index.row() + 1, index.column());
}

QVariant TabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (!daten_ || richtung != Qt::Horizontal) return {};
  if (rolle == Qt::DisplayRole) return daten_->Zelle(0, abschnitt);
  // Header texts carry their own centring blanks.
  if (rolle == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

TabellenAnsicht::TabellenAnsicht(QWidget* eltern) : QTableView(eltern), modell_(this) {
  setModel(&modell_);
  setItemDelegate(new ZellenMaler(this));
  // Grids use a slightly smaller font, so that the given column widths hold their texts.
  QFont schrift = font();
  schrift.setPointSize(8);
  setFont(schrift);
  horizontalHeader()->setFont(schrift);
  // Header texts carry their own centring blanks; the style's wide padding would cut them.
  horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 1px; }"));
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(8);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(8);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  SetzeZeilenHoehe(17);
  connect(&modell_, &QAbstractItemModel::modelReset, this, [this] { SetzeSpaltenBreiten(spaltenBreiten_); });
}

void TabellenAnsicht::SetzeSpaltenBreiten(const QList<int>& breiten) {
  spaltenBreiten_ = breiten;
  for (int s = 0; s < breiten.size() && s < modell_.columnCount(); ++s) setColumnWidth(s, breiten[s]);
}

void TabellenAnsicht::SetzeZeilenHoehe(int hoehe) {
  verticalHeader()->setDefaultSectionSize(hoehe);
  horizontalHeader()->setFixedHeight(hoehe + 2);
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

void ZellenMaler::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect r = option.rect;
  QString text = index.data(Qt::DisplayRole).toString();
  // Centring blanks in front of a text are not needed where the painter centres it itself.
  qsizetype blanks = 0;
  while (blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
  p->save();
  p->setClipRect(r);
  QFont schrift = option.font;
  if (index.column() == 0) {
    // The row header column: drawn like the header row.
    p->fillRect(r, option.palette.button());
    p->setPen(option.palette.mid().color());
    p->drawLine(r.topRight(), r.bottomRight());
    p->setPen(option.palette.buttonText().color());
    text.remove(0, blanks);
    const int tw = QFontMetrics(schrift).horizontalAdvance(text);
    p->drawText(QPoint(r.left() + (r.width() - tw) / 2, r.top() + 2 + QFontMetrics(schrift).ascent()), text);
    p->restore();
    return;
  }
  const ZellStil stil = ansicht_->Stil(index.row() + 1, index.column());
  p->fillRect(r, stil.hintergrund);
  schrift.setBold(stil.fett);
  p->setFont(schrift);
  const QFontMetrics fm(schrift);
  if (stil.ausrichtung == ZellStil::Ausrichtung::Zentriert) text.remove(0, blanks);
  const int tw = fm.horizontalAdvance(text);
  const int x = stil.ausrichtung == ZellStil::Ausrichtung::Rechts ? r.right() + 1 - 3 - tw : r.left() + (r.width() - tw) / 2;
  p->setPen(Qt::black);
  p->drawText(QPoint(x, r.top() + 2 + fm.ascent()), text);
  p->restore();
}
