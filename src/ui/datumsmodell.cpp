#include "datumsmodell.h"

#include <QComboBox>
#include <QDate>
#include <QListView>

#include "core/datum.h"
#include "core/ziehungen.h"
#include "ui/fenstergroesse.h"

namespace {
// The dates of the store as they are now; models made while the store has not changed share them.
std::shared_ptr<const std::vector<double>> DatumsStand() {
  static std::weak_ptr<const std::vector<double>> letzter;
  static std::uint64_t letzterStand = 0;
  if (auto geteilt = letzter.lock(); geteilt && letzterStand == Ziehungen().Stand()) return geteilt;
  auto daten = std::make_shared<std::vector<double>>();
  daten->reserve(Ziehungen().Liste().size());
  for (const TGewZahlen& z : Ziehungen().Liste()) daten->push_back(z.datum);
  letzter = daten;
  letzterStand = Ziehungen().Stand();
  return daten;
}
}  // namespace

DatumsModell::DatumsModell(Quelle quelle, QObject* eltern) : QAbstractListModel(eltern), quelle_(quelle) {
  anzahl_ = Ziehungen().Anzahl();
  if (quelle_ == Quelle::Stand) {
    stand_ = DatumsStand();
    return;
  }
  connect(&Ziehungen(), &TZiehungsListe::ZiehungGespeichert, this, &DatumsModell::Gespeichert);
  connect(&Ziehungen(), &TZiehungsListe::NeuGeladen, this, &DatumsModell::NeuGeladen);
}

int DatumsModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : anzahl_ + (zusatz_ ? 1 : 0); }

QVariant DatumsModell::data(const QModelIndex& index, int rolle) const {
  if (rolle != Qt::DisplayRole && rolle != Qt::EditRole) return {};
  const int i = index.row();
  if (i < 0 || i >= rowCount()) return {};
  if (i == anzahl_) return zusatzText_;
  const double datum = quelle_ == Quelle::Stand ? (*stand_)[static_cast<std::size_t>(i)] : Ziehungen().Eintrag(i).datum;
  return DatumAlsText(datum);
}

void DatumsModell::ZusatzSetzen(const QString& datum) {
  if (zusatz_) {
    zusatzText_ = datum;
    emit dataChanged(index(anzahl_), index(anzahl_));
    return;
  }
  beginInsertRows({}, anzahl_, anzahl_);
  zusatz_ = true;
  zusatzText_ = datum;
  endInsertRows();
}

void DatumsModell::ZusatzEntfernen() {
  if (!zusatz_) return;
  beginRemoveRows({}, anzahl_, anzahl_);
  zusatz_ = false;
  endRemoveRows();
}

void DatumsModell::Gespeichert(int index, bool neu) {
  if (!neu) {
    if (index >= 0 && index < anzahl_) emit dataChanged(this->index(index), this->index(index));
    return;
  }
  const int n = Ziehungen().Anzahl();
  if (zusatz_ && n == anzahl_ + 1) {
    // The entry of the draw being entered becomes the saved draw: same place, same count.
    zusatz_ = false;
    anzahl_ = n;
    emit dataChanged(this->index(n - 1), this->index(n - 1));
    return;
  }
  if (n <= anzahl_) return;
  beginInsertRows({}, anzahl_, n - 1);
  anzahl_ = n;
  endInsertRows();
}

void DatumsModell::NeuGeladen() {
  beginResetModel();
  anzahl_ = Ziehungen().Anzahl();
  zusatz_ = false;
  endResetModel();
}

void DatumsAuswahlEinrichten(QComboBox* auswahl, DatumsModell* modell, int mindestens) {
  auswahl->setModel(modell);
  if (auto* liste = qobject_cast<QListView*>(auswahl->view())) liste->setUniformItemSizes(true);
  AuswahlBreiteFuer(auswahl, DatumAlsText(QDateAlsDatum(QDate(2088, 12, 28))), mindestens);
}
