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

QDate DatumAlsQDate(double datum) {
  // A damaged record may hold any double: only days a calendar can show become a date (years 1 to
  // 9999); NaN, infinities and values far beyond give an invalid date, whose text is empty.
  constexpr double Tage = 3'000'000;
  if (!(std::fabs(datum) < Tage)) return {};
  const QDate tag = Ursprung.addDays(static_cast<qint64>(std::floor(datum)));
  return tag.year() >= 1 && tag.year() <= 9999 ? tag : QDate();
}

double QDateAlsDatum(const QDate& tag) { return static_cast<double>(Ursprung.daysTo(tag)); }

QString KurzesDatumsFormat() {
  QString f = QLocale().dateFormat(QLocale::ShortFormat);
  if (!f.contains(QLatin1String("yyyy"))) f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return f;
}

QString DatumAlsText(double datum) {
  const QDate tag = DatumAlsQDate(datum);
  return tag.isValid() ? QLocale().toString(tag, KurzesDatumsFormat()) : QString();
}

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
