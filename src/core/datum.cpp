#include "datum.h"

#include <cmath>

#include <QLocale>

namespace {
const QDate Ursprung(1899, 12, 30);
std::function<QDate()>& HeuteQuelle() {
  static std::function<QDate()> quelle;
  return quelle;
}
}  // namespace

QDate DatumAlsQDate(double datum) { return Ursprung.addDays(static_cast<qint64>(std::floor(datum))); }

double QDateAlsDatum(const QDate& tag) { return static_cast<double>(Ursprung.daysTo(tag)); }

QString KurzesDatumsFormat() {
  QString f = QLocale().dateFormat(QLocale::ShortFormat);
  if (!f.contains(QLatin1String("yyyy"))) f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return f;
}

QString DatumAlsText(double datum) { return QLocale().toString(DatumAlsQDate(datum), KurzesDatumsFormat()); }

std::optional<double> TextAlsDatum(const QString& text) {
  const QDate tag = QLocale().toDate(text.trimmed(), KurzesDatumsFormat());
  if (!tag.isValid()) return std::nullopt;
  return QDateAlsDatum(tag);
}

double Heute() {
  const auto& quelle = HeuteQuelle();
  return QDateAlsDatum(quelle ? quelle() : QDate::currentDate());
}

void HeuteFestlegen(std::function<QDate()> quelle) { HeuteQuelle() = std::move(quelle); }
