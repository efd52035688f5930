#include "tabellenansicht.h"

#include <array>
#include <vector>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/zentrieren.h"

TabellenModell::TabellenModell(TabellenAnsicht* ansicht) : QAbstractTableModel(ansicht), ansicht_(ansicht) {}

void TabellenModell::SetzeDaten(const TabellenDaten* daten) {
  beginResetModel();
  daten_ = daten;
  endResetModel();
}

void TabellenModell::Neu() {
  beginResetModel();
  versatz_ = 0;
  endResetModel();
}

void TabellenModell::VersatzSetzen(int versatz) {
  beginResetModel();
  versatz_ = versatz;
  endResetModel();
}

int TabellenModell::DatenZeilen() const { return daten_ ? std::max(0, daten_->Zeilen() - 1) : 0; }

int TabellenModell::rowCount(const QModelIndex& eltern) const {
  if (eltern.isValid() || !daten_) return 0;
  const int alle = DatenZeilen();
  return alle > Grenze ? std::clamp(alle - versatz_, 0, Fenster) : alle;
}

int TabellenModell::columnCount(const QModelIndex& eltern) const {
  if (eltern.isValid() || !daten_) return 0;
  return daten_->Spalten();
}

QVariant TabellenModell::data(const QModelIndex& index, int rolle) const {
  if (!daten_ || !index.isValid()) return {};
  return Rolle(versatz_ + index.row() + 1, index.column(), rolle);
}

QVariant TabellenModell::Rolle(int zeile, int spalte, int rolle) const {
  if (!daten_) return {};
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
    if (rolle == Qt::DisplayRole) return daten_->Zelle(versatz_ + abschnitt + 1, 0);
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
  connect(&modell_, &QAbstractItemModel::modelReset, this, [this] {
    if (verschiebt_) return;  // the same grid through another window: the columns stay
    SetzeSpaltenBreiten(spaltenBreiten_);
    FensterEinrichten();
  });
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TabellenAnsicht::InnenGescrollt);
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &TabellenAnsicht::InnenGescrollt);
}

void TabellenAnsicht::Neu() { modell_.Neu(); }

int TabellenAnsicht::Sichtbar() const { return std::max(1, VollSichtbareZeilen()); }

void TabellenAnsicht::FensterEinrichten() {
  if (!modell_.Gefenstert()) {
    if (leiste_ && !leiste_->isHidden()) {
      leiste_->hide();
      setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    return;
  }
  if (!leiste_) {
    leiste_ = new QScrollBar(Qt::Vertical, this);
    leiste_->setObjectName(QStringLiteral("AlleZeilen"));
    leiste_->setFocusPolicy(Qt::NoFocus);
    connect(leiste_, &QScrollBar::valueChanged, this, &TabellenAnsicht::AussenGescrollt);
  }
  // The view's own bar keeps its place; the bar over all rows covers it.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  leiste_->show();
  updateGeometries();
}

void TabellenAnsicht::InnenGescrollt() {
  if (!leiste_ || verschiebt_ || !modell_.Gefenstert()) return;
  const int innen = verticalScrollBar()->value(), zeilen = modell_.rowCount(), rand = TabellenModell::Fenster / 4;
  const int erste = modell_.Versatz() + innen;
  // Near an end of the window that is not the grid's end: the window moves, the rows stay.
  if ((innen < rand && modell_.Versatz() > 0) || (innen > zeilen - Sichtbar() - rand && modell_.Versatz() + zeilen < modell_.DatenZeilen()))
    FensterVerschieben(erste);
  LeisteAbgleichen();
}

void TabellenAnsicht::LeisteAbgleichen() {
  if (!leiste_) return;
  const QSignalBlocker still(leiste_);
  leiste_->setRange(0, std::max(0, modell_.DatenZeilen() - Sichtbar()));
  leiste_->setPageStep(Sichtbar());
  leiste_->setValue(modell_.Versatz() + verticalScrollBar()->value());
}

void TabellenAnsicht::AussenGescrollt(int erste) {
  const int innen = erste - modell_.Versatz();
  if (innen < 0 || innen > modell_.rowCount() - Sichtbar()) FensterVerschieben(erste);
  verticalScrollBar()->setValue(erste - modell_.Versatz());
}

void TabellenAnsicht::FensterVerschieben(int erste) {
  const int versatz = std::clamp(erste - TabellenModell::Fenster / 2, 0, std::max(0, modell_.DatenZeilen() - TabellenModell::Fenster));
  if (versatz == modell_.Versatz()) return;
  // The current cell and the selection keep their grid rows as far as the new window holds them.
  const int verschub = modell_.Versatz() - versatz;
  const QModelIndex aktuell = currentIndex();
  std::vector<std::array<int, 4>> bereiche;  // top, left, bottom, right in the new window
  for (const QItemSelectionRange& b : selectionModel()->selection())
    bereiche.push_back({b.top() + verschub, b.left(), b.bottom() + verschub, b.right()});
  verschiebt_ = true;
  modell_.VersatzSetzen(versatz);
  executeDelayedItemsLayout();
  QItemSelection auswahl;
  const int zeilen = modell_.rowCount();
  for (const auto& [oben, links, unten, rechts] : bereiche)
    if (std::max(oben, 0) <= std::min(unten, zeilen - 1))
      auswahl.select(modell_.index(std::max(oben, 0), links), modell_.index(std::min(unten, zeilen - 1), rechts));
  selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
  if (aktuell.isValid() && aktuell.row() + verschub >= 0 && aktuell.row() + verschub < zeilen)
    selectionModel()->setCurrentIndex(modell_.index(aktuell.row() + verschub, aktuell.column()), QItemSelectionModel::NoUpdate);
  verticalScrollBar()->setValue(erste - versatz);
  verschiebt_ = false;
  LeisteAbgleichen();
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
  if (leiste_ && !leiste_->isHidden()) {
    leiste_->setGeometry(verticalScrollBar()->parentWidget()->geometry());
    leiste_->raise();
    InnenGescrollt();
  }
  if (!ecke_) return;
  ecke_->setText(modell_.Daten() ? modell_.Daten()->Zelle(0, 0).trimmed() : QString());
  ecke_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(), horizontalHeader()->height());
  ecke_->raise();
}

QSize TabellenAnsicht::Inhaltsgroesse() const {
  int breite = 2 * frameWidth() + (!verticalHeader()->isHidden() ? verticalHeader()->width() : 0);
  for (int s = 0; s < modell_.columnCount(); ++s)
    if (!isColumnHidden(s)) breite += columnWidth(s);
  const int hoehe = 2 * frameWidth() + horizontalHeader()->height() + modell_.DatenZeilen() * verticalHeader()->defaultSectionSize();
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
  return r < 0 ? 0 : modell_.Versatz() + r + 1;
}

int TabellenAnsicht::VollSichtbareZeilen() const {
  const int h = verticalHeader()->defaultSectionSize();
  return h > 0 ? viewport()->height() / h : 0;
}

void TabellenAnsicht::ZuErsterZeile(int zeile) {
  if (zeile < 1 || zeile > modell_.DatenZeilen()) return;
  executeDelayedItemsLayout();  // the rows of a just refilled model must be laid out first
  if (modell_.Gefenstert() && (zeile - 1 < modell_.Versatz() || zeile - 1 >= modell_.Versatz() + modell_.rowCount() - Sichtbar()))
    FensterVerschieben(zeile - 1);
  scrollTo(modell_.index(zeile - 1 - modell_.Versatz(), 0), QAbstractItemView::PositionAtTop);
}

ZellStil TabellenAnsicht::Stil(int zeile, int spalte) const {
  ZellStil stil;
  const QVariant hintergrund = modell_.Rolle(zeile, spalte, Qt::BackgroundRole);
  stil.hintergrund = hintergrund.isValid() ? hintergrund.value<QColor>() : palette().color(QPalette::Base);
  stil.fett = modell_.Rolle(zeile, spalte, Qt::FontRole).value<QFont>().bold();
  stil.ausrichtung = (modell_.Rolle(zeile, spalte, Qt::TextAlignmentRole).toInt() & Qt::AlignRight) ? ZellStil::Ausrichtung::Rechts
                                                                                                    : ZellStil::Ausrichtung::Zentriert;
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

QModelIndex TabellenAnsicht::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) {
  // Ctrl+Home and Ctrl+End reach the grid's ends, not only the window's.
  if (modell_.Gefenstert() && (tasten & Qt::ControlModifier) && (aktion == MoveHome || aktion == MoveEnd)) {
    const int spalte = std::max(0, currentIndex().column());
    FensterVerschieben(aktion == MoveHome ? 0 : modell_.DatenZeilen() - 1);
    // The current cell may have stayed behind in the old window; Qt moves on from this one.
    if (!currentIndex().isValid())
      selectionModel()->setCurrentIndex(modell_.index(aktion == MoveHome ? 0 : modell_.rowCount() - 1, spalte),
                                        QItemSelectionModel::NoUpdate);
  }
  return QTableView::moveCursor(aktion, tasten);
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
