#include "ziehungsimport.h"

#include <algorithm>
#include <map>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "datum.h"
#include "ziehungen.h"

namespace {
constexpr int Probe = 200;  // lines looked at to find the format

// A cell as a whole number (digits only, blanks around allowed).
std::optional<int> Ganzzahl(const QString& zelle) {
  const QString t = zelle.trimmed();
  if (t.isEmpty() || t.size() > 9) return std::nullopt;
  for (QChar c : t)
    if (!c.isDigit()) return std::nullopt;
  return t.toInt();
}

// The three numeric parts of a date text and its separator; nothing when it has no date's shape.
struct Datumsteile {
  std::array<QString, 3> teil;
  QChar trenner;
};
std::optional<Datumsteile> Teile(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,4})([./-])(\\d{1,2})\\2(\\d{1,4})(?:[ T].*)?$"));
  const auto m = form.match(text.trimmed());
  if (!m.hasMatch()) return std::nullopt;
  return Datumsteile{{m.captured(1), m.captured(3), m.captured(4)}, m.captured(2).front()};
}

QDate AusTeilen(int tag, int monat, int jahr, qsizetype jahrLaenge) {
  if (jahrLaenge <= 2) jahr += jahr < 50 ? 2000 : 1900;
  return QDate(jahr, monat, tag);
}

// day, month, year from three numbers in the order given.
QDate NachFolge(const std::array<int, 3>& z, DatumsFolge folge, qsizetype jahrLaenge) {
  switch (folge) {
    case DatumsFolge::TagMonatJahr: return AusTeilen(z[0], z[1], z[2], jahrLaenge);
    case DatumsFolge::MonatTagJahr: return AusTeilen(z[1], z[0], z[2], jahrLaenge);
    case DatumsFolge::JahrMonatTag: return AusTeilen(z[2], z[1], z[0], jahrLaenge);
  }
  return {};
}

// The order the dates of a column give away: a year in front, a first part above 12 (a day), a
// second part above 12 (a day after the month); dates with dots are day first wherever they are
// written. Nothing when the rows do not decide it.
std::optional<DatumsFolge> FolgeAusTexten(const std::vector<QString>& texte) {
  bool jahrVorn = false, ersterTag = false, zweiterTag = false, punkte = true;
  int gesehen = 0;
  for (const QString& t : texte) {
    const auto teile = Teile(t);
    if (!teile) continue;
    ++gesehen;
    if (teile->teil[0].size() == 4) jahrVorn = true;
    if (teile->teil[0].toInt() > 12) ersterTag = true;
    if (teile->teil[1].toInt() > 12) zweiterTag = true;
    if (teile->trenner != QLatin1Char('.')) punkte = false;
  }
  if (gesehen == 0) return std::nullopt;
  if (jahrVorn) return DatumsFolge::JahrMonatTag;
  if (ersterTag && !zweiterTag) return DatumsFolge::TagMonatJahr;
  if (zweiterTag && !ersterTag) return DatumsFolge::MonatTagJahr;
  if (!ersterTag && !zweiterTag && punkte) return DatumsFolge::TagMonatJahr;
  return std::nullopt;
}

QString Zelle(const QStringList& zeile, int spalte) { return spalte >= 0 && spalte < zeile.size() ? zeile[spalte] : QString(); }

std::array<std::uint8_t, 5> Sortiert(std::array<std::uint8_t, 5> z) {
  std::sort(z.begin(), z.end());
  return z;
}

QDate ZeilenDatum(const QStringList& zeile, const ImportFormat& f, DatumsFolge folge) {
  if (!f.datumGeteilt) return DatumLesen(Zelle(zeile, f.datumSpalte), folge);
  std::array<int, 3> z{};
  for (int i = 0; i < 3; ++i) {
    const auto wert = Ganzzahl(Zelle(zeile, f.teilSpalten[static_cast<std::size_t>(i)]));
    if (!wert) return {};
    z[static_cast<std::size_t>(i)] = *wert;
  }
  return NachFolge(z, folge, 4);
}

QString DatumsText(const QStringList& zeile, const ImportFormat& f) {
  if (!f.datumGeteilt) return Zelle(zeile, f.datumSpalte).trimmed();
  QStringList teile;
  for (int s : f.teilSpalten) teile << Zelle(zeile, s).trimmed();
  return teile.join(QLatin1Char(' '));
}
}  // namespace

QChar TrennerErkennen(const QString& text) {
  const QStringList zeilen = text.split(QLatin1Char('\n'));
  const QChar kandidaten[] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(','), QLatin1Char('|')};
  QChar bester = QLatin1Char(' ');
  int besteZeilen = 0;
  for (QChar k : kandidaten) {
    // Lines that this separator splits into at least six cells (a date and five numbers).
    int passend = 0, angesehen = 0;
    for (const QString& z : zeilen) {
      if (z.trimmed().isEmpty()) continue;
      if (++angesehen > 50) break;
      if (z.count(k) >= 5) ++passend;
    }
    if (passend > besteZeilen) {
      besteZeilen = passend;
      bester = k;
    }
  }
  return bester;  // a blank: cells between runs of blanks (text copied from a web page)
}

std::vector<QStringList> TextZerlegen(const QString& text, QChar trenner) {
  std::vector<QStringList> ergebnis;
  QStringList zeilen = text.split(QLatin1Char('\n'));
  if (!zeilen.isEmpty() && zeilen.back().isEmpty()) zeilen.removeLast();
  for (QString zeile : zeilen) {
    if (zeile.endsWith(QLatin1Char('\r'))) zeile.chop(1);
    QStringList zellen;
    if (trenner == QLatin1Char(' ')) {
      static const QRegularExpression blanks(QStringLiteral("\\s+"));
      zellen = zeile.split(blanks, Qt::SkipEmptyParts);
    } else {
      // Cells in quotes may hold the separator; a doubled quote stands for one.
      QString zelle;
      bool inQuotes = false;
      for (qsizetype i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile[i];
        if (inQuotes) {
          if (c == QLatin1Char('"') && i + 1 < zeile.size() && zeile[i + 1] == QLatin1Char('"')) {
            zelle += c;
            ++i;
          } else if (c == QLatin1Char('"')) {
            inQuotes = false;
          } else {
            zelle += c;
          }
        } else if (c == QLatin1Char('"') && zelle.trimmed().isEmpty()) {
          inQuotes = true;
          zelle.clear();
        } else if (c == trenner) {
          zellen << zelle.trimmed();
          zelle.clear();
        } else {
          zelle += c;
        }
      }
      zellen << zelle.trimmed();
    }
    ergebnis.push_back(zellen);
  }
  return ergebnis;
}

QDate DatumLesen(const QString& text, DatumsFolge folge) {
  const auto teile = Teile(text);
  if (!teile) return {};
  const std::array<int, 3> z{teile->teil[0].toInt(), teile->teil[1].toInt(), teile->teil[2].toInt()};
  const qsizetype jahrLaenge = folge == DatumsFolge::JahrMonatTag ? teile->teil[0].size() : teile->teil[2].size();
  return NachFolge(z, folge, jahrLaenge);
}

ImportFormat FormatErkennen(const std::vector<QStringList>& zeilen) {
  ImportFormat f;
  const int n = std::min<int>(Probe, static_cast<int>(zeilen.size()));
  int spalten = 0, belegt = 0;
  for (int i = 0; i < n; ++i) {
    spalten = std::max<int>(spalten, static_cast<int>(zeilen[static_cast<std::size_t>(i)].size()));
    belegt += zeilen[static_cast<std::size_t>(i)].join(QString()).trimmed().isEmpty() ? 0 : 1;
  }
  spalten = std::min(spalten, 64);
  const int mindestens = std::max(1, belegt / 2);
  auto zaehlen = [&](int spalte, auto&& passt) {
    int k = 0;
    for (int i = 0; i < n; ++i) k += passt(Zelle(zeilen[static_cast<std::size_t>(i)], spalte)) ? 1 : 0;
    return k;
  };

  // 1. The date: the column holding most dates, or a year column with day and month beside it.
  int besteSpalte = -1, besteAnzahl = 0;
  for (int s = 0; s < spalten; ++s) {
    const int k = zaehlen(s, [](const QString& t) { return Teile(t).has_value(); });
    if (k > besteAnzahl) besteAnzahl = k, besteSpalte = s;
  }
  std::vector<int> datumsSpalten;
  if (besteSpalte >= 0 && besteAnzahl >= mindestens) {
    f.datumSpalte = besteSpalte;
    datumsSpalten = {besteSpalte};
    std::vector<QString> texte;
    for (int i = 0; i < n; ++i) texte.push_back(Zelle(zeilen[static_cast<std::size_t>(i)], besteSpalte));
    f.folge = FolgeAusTexten(texte);
  } else {
    auto istJahr = [](const QString& t) { return t.trimmed().size() == 4 && Ganzzahl(t) && *Ganzzahl(t) >= 1000; };
    auto istTeil = [](const QString& t) { return Ganzzahl(t) && *Ganzzahl(t) >= 1 && *Ganzzahl(t) <= 31; };
    for (int s = 0; s < spalten; ++s) {
      if (zaehlen(s, istJahr) < mindestens) continue;
      f.datumGeteilt = true;
      auto groesser12 = [&](int spalte) { return zaehlen(spalte, [](const QString& t) { return Ganzzahl(t) && *Ganzzahl(t) > 12; }) > 0; };
      if (s >= 2 && zaehlen(s - 2, istTeil) >= mindestens && zaehlen(s - 1, istTeil) >= mindestens) {
        // Day and month before the year: which is which the values above 12 tell.
        f.teilSpalten = {s - 2, s - 1, s};
        const bool erster = groesser12(s - 2), zweiter = groesser12(s - 1);
        if (erster != zweiter) f.folge = erster ? DatumsFolge::TagMonatJahr : DatumsFolge::MonatTagJahr;
      } else if (s + 2 < spalten) {
        f.teilSpalten = {s, s + 1, s + 2};
        f.folge = DatumsFolge::JahrMonatTag;
      }
      datumsSpalten.assign(f.teilSpalten.begin(), f.teilSpalten.end());
      break;
    }
  }

  // 2. The header: the lines before the first one with a date.
  const DatumsFolge probeFolge = f.folge.value_or(DatumsFolge::TagMonatJahr);
  auto hatDatum = [&](const QStringList& z) {
    if (ZeilenDatum(z, f, probeFolge).isValid()) return true;
    // An undecided order may not fit the probe order: the shape of a date is enough here.
    return !f.datumGeteilt && Teile(Zelle(z, f.datumSpalte)).has_value();
  };
  while (f.kopfzeilen < std::min(n, 20) && !hatDatum(zeilen[static_cast<std::size_t>(f.kopfzeilen)])) ++f.kopfzeilen;
  if (f.kopfzeilen == std::min(n, 20)) f.kopfzeilen = 0;

  // 3. Five number columns: those holding numbers of 1..35 in most lines, from the date on.
  const int daten = std::max(1, n - f.kopfzeilen);
  auto zahlSpalte = [&](int s) {
    if (std::find(datumsSpalten.begin(), datumsSpalten.end(), s) != datumsSpalten.end()) return false;
    int k = 0;
    for (int i = f.kopfzeilen; i < n; ++i) {
      const auto z = Ganzzahl(Zelle(zeilen[static_cast<std::size_t>(i)], s));
      k += z && *z >= 1 && *z <= MaxZahl ? 1 : 0;
    }
    return k * 10 >= daten * 8;
  };
  const int ab = datumsSpalten.empty() ? 0 : *std::max_element(datumsSpalten.begin(), datumsSpalten.end()) + 1;
  std::vector<int> gefunden;
  for (int s = ab; s < spalten && gefunden.size() < 5; ++s)
    if (zahlSpalte(s)) gefunden.push_back(s);
  for (int s = 0; s < ab && gefunden.size() < 5; ++s)
    if (zahlSpalte(s)) gefunden.push_back(s);
  std::sort(gefunden.begin(), gefunden.end());
  // Too few: the columns after the date, so that the checks name what is missing.
  for (int s = ab; gefunden.size() < 5; ++s)
    if (std::find(gefunden.begin(), gefunden.end(), s) == gefunden.end()) gefunden.push_back(s);
  for (std::size_t i = 0; i < 5; ++i) f.zahlSpalten[i] = gefunden[i];
  return f;
}

ImportPruefung ImportPruefen(const std::vector<QStringList>& zeilen, const ImportFormat& f) {
  ImportPruefung p;
  if (!f.folge) return p;
  std::map<double, std::size_t> gesehen;  // date -> index into p.ziehungen
  for (std::size_t i = static_cast<std::size_t>(std::max(0, f.kopfzeilen)); i < zeilen.size(); ++i) {
    const QStringList& zeile = zeilen[i];
    const int nr = static_cast<int>(i) + 1;
    if (zeile.join(QString()).trimmed().isEmpty()) continue;
    auto problem = [&](const QString& text) { p.probleme.push_back({nr, QStringLiteral("Zeile %1: ").arg(nr) + text}); };
    const QDate tag = ZeilenDatum(zeile, f, *f.folge);
    if (!tag.isValid()) {
      problem(QStringLiteral("\"%1\" ist kein gültiges Datum.").arg(DatumsText(zeile, f)));
      continue;
    }
    ImportZiehung z;
    z.zeile = nr;
    z.datum = QDateAlsDatum(tag);
    int fehlend = 0;
    std::optional<QString> keineZahl, ausserhalb, doppelt;
    for (std::size_t k = 0; k < 5; ++k) {
      const QString text = Zelle(zeile, f.zahlSpalten[k]).trimmed();
      if (text.isEmpty()) {
        ++fehlend;
        continue;
      }
      const auto wert = Ganzzahl(text);
      if (!wert) {
        if (!keineZahl) keineZahl = text;
        continue;
      }
      if (*wert < 1 || *wert > MaxZahl) {
        if (!ausserhalb) ausserhalb = text;
        continue;
      }
      z.zahlen[k] = static_cast<std::uint8_t>(*wert);
      for (std::size_t j = 0; j < k; ++j)
        if (z.zahlen[j] == z.zahlen[k] && !doppelt) doppelt = text;
    }
    if (fehlend > 0) {
      problem(QStringLiteral("Es stehen weniger als fünf Zahlen darin."));
    } else if (keineZahl) {
      problem(QStringLiteral("\"%1\" ist keine Zahl.").arg(*keineZahl));
    } else if (ausserhalb) {
      problem(QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und 35.").arg(*ausserhalb));
    } else if (doppelt) {
      problem(QStringLiteral("Die Zahl %1 steht zweimal darin.").arg(*doppelt));
    } else if (const auto frueher = gesehen.find(z.datum); frueher != gesehen.end()) {
      const ImportZiehung& erste = p.ziehungen[frueher->second];
      if (Sortiert(erste.zahlen) == Sortiert(z.zahlen))
        ++p.doppelt;
      else
        problem(QStringLiteral("Das Datum %1 steht schon in Zeile %2, mit anderen Zahlen.").arg(DatumAlsText(z.datum)).arg(erste.zeile));
    } else {
      gesehen.emplace(z.datum, p.ziehungen.size());
      p.ziehungen.push_back(z);
    }
  }
  return p;
}

Zusammenfuehrung Zusammenfuehren(const std::vector<TGewZahlen>& historie, const std::vector<ImportZiehung>& datei, bool dateiGewinnt) {
  Zusammenfuehrung z;
  std::map<double, std::size_t> stellen;  // date of the history -> its place (the first with that date)
  for (std::size_t i = 0; i < historie.size(); ++i) stellen.emplace(historie[i].datum, i);
  std::vector<TGewZahlen> alt = historie;
  std::vector<TGewZahlen> neu;
  for (const ImportZiehung& d : datei) {
    std::array<std::uint8_t, 5> zahlen = d.zahlen;
    if (const auto s = stellen.find(d.datum); s != stellen.end()) {
      TGewZahlen& h = alt[s->second];
      std::array<std::uint8_t, 5> bisher{};
      std::copy(std::begin(h.GZ), std::end(h.GZ), bisher.begin());
      if (Sortiert(bisher) == Sortiert(zahlen)) {
        ++z.gleich;
        continue;
      }
      z.konflikte.push_back({d.zeile, d.datum, bisher, zahlen});
      if (dateiGewinnt) {
        std::copy(zahlen.begin(), zahlen.end(), h.GZ);
        ++z.geaendert;
      }
      continue;
    }
    TGewZahlen g;
    g.datum = d.datum;
    std::copy(zahlen.begin(), zahlen.end(), g.GZ);
    neu.push_back(g);
    ++z.neu;
  }
  // The new draws at their places: the history's order stays, each new draw goes before the
  // first draw of the history that is later than it.
  std::stable_sort(neu.begin(), neu.end(), [](const TGewZahlen& a, const TGewZahlen& b) { return a.datum < b.datum; });
  z.liste.reserve(alt.size() + neu.size());
  std::size_t j = 0;
  for (const TGewZahlen& h : alt) {
    while (j < neu.size() && neu[j].datum < h.datum) z.liste.push_back(neu[j++]);
    z.liste.push_back(h);
  }
  while (j < neu.size()) z.liste.push_back(neu[j++]);
  return z;
}

Ergebnis ZiehungenUebernehmen(const std::vector<TGewZahlen>& liste, const QString& pfad) {
  const QString sicherung = QFileInfo(pfad).absolutePath() + QStringLiteral("/GZ.bak");
  if (QFile::exists(pfad)) {
    QFile::remove(sicherung);
    QFile alt(pfad);
    if (!alt.copy(sicherung)) return {SchreibFehler(sicherung, alt.errorString())};
  }
  return TZiehungsListe::Schreiben(liste, pfad);
}

QByteArray ZiehungenAlsCsv(const std::vector<TGewZahlen>& liste) {
  QByteArray text;
  text.reserve(static_cast<qsizetype>(liste.size()) * 26);
  for (const TGewZahlen& z : liste) {
    text += DatumAlsQDate(z.datum).toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
    for (std::uint8_t n : z.GZ) text += ';' + QByteArray::number(n);
    text += "\r\n";
  }
  return text;
}
