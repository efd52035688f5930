// Dates: days since 30 December 1899 as a double; texts in the locale's short format with a
// four-digit year (Qt's German default "dd.MM.yy" would read 11.03.24 as 1924).
#pragma once

#include <functional>
#include <optional>

#include <QDate>
#include <QString>

// Invalid for a value that is no calendar day of the years 1 to 9999 (NaN, 1e300, ...); its text
// is then empty.
QDate DatumAlsQDate(double datum);
double QDateAlsDatum(const QDate& tag);

// The short date format of the default locale with the year widened to four digits.
QString KurzesDatumsFormat();
QString DatumAlsText(double datum);
std::optional<double> TextAlsDatum(const QString& text);

// Today's local date; tests can fix it.
double Heute();
void HeuteFestlegen(std::function<QDate()> quelle);  // empty function: the system clock again
