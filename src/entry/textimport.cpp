#include "textimport.h"

#include "core/var_def.h"
#include "core/zahltext.h"

namespace {
const QChar NBSP(0x00A0);
const QChar TAB(u'\t');

// Removes leading and trailing characters with codes up to 32.
QString Trimmen(const QString& s) {
  qsizetype a = 0, e = s.size();
  while (a < e && s[a].unicode() <= 32) ++a;
  while (e > a && s[e - 1].unicode() <= 32) --e;
  return s.mid(a, e - a);
}

void TrimmenUndLeereLoeschen(QStringList& zeilen) {
  QStringList neu;
  for (const QString& z : zeilen)
    if (QString t = Trimmen(z); !t.isEmpty()) neu << t;
  zeilen = neu;
}

void Ersetzen(QStringList& zeilen, const QString& muster, const QString& durch) {
  for (QString& z : zeilen) z.replace(muster, durch);
}
}  // namespace

QString LeerzeichenFrage() {
  return QStringLiteral("Dienen die Leerzeichen der Trennung der Zahlen?") + CRCR +
         QStringLiteral("Wenn Sie mit \"Nein\" antworten, sind sie überflüssig und werden gelöscht.") + CRCR +
         QStringLiteral("Wenn Sie mit \"Ja\" antworten, werden die Leerzeichen in Kommata umgewandelt.");
}

void TextfeldBereinigen(QStringList& zeilen, bool praefix, const std::function<std::optional<bool>()>& frage) {
  // 1. Trim, drop empty lines.
  TrimmenUndLeereLoeschen(zeilen);

  // 2. "Feld n" prefixes of e-mail confirmations.
  const QString feld = QStringLiteral("Feld");
  if ((!zeilen.isEmpty() && zeilen.front().contains(feld)) || praefix) {
    QString ende;
    const QString erste = zeilen.value(0);
    if (erste.contains(QStringLiteral("Feld 1:\t")))
      ende = QStringLiteral(":\t");
    else if (erste.contains(QStringLiteral("Feld 1:")))
      ende = QStringLiteral(":");
    else if (erste.contains(QStringLiteral("Feld 1\t")))
      ende = QStringLiteral("\t");
    int k = 0;
    for (QString& z : zeilen)
      if (z.contains(feld)) {
        ++k;
        z.remove(QStringLiteral("Feld %1").arg(k) + ende);
      }
    TrimmenUndLeereLoeschen(zeilen);
    Ersetzen(zeilen, QString(TAB), QStringLiteral(","));
  }

  // 3. Runs of blanks become one blank.
  for (QString& z : zeilen) {
    QString neu;
    neu.reserve(z.size());
    for (QChar c : z)
      if (!(c == QLatin1Char(' ') && neu.endsWith(QLatin1Char(' ')))) neu += c;
    z = neu;
  }

  // 4. Separators become commas, one pass each, in this order.
  for (const QString& muster : {QStringLiteral(";"), QStringLiteral(" ,"), QStringLiteral(", "), QString(NBSP) + QLatin1Char(','),
                                QStringLiteral(",") + NBSP, QStringLiteral(",,")})
    Ersetzen(zeilen, muster, QStringLiteral(","));

  // 5. Blanks that are left: separators, or superfluous? Cancel ends the clean-up here.
  bool blank = false;
  for (const QString& z : zeilen) blank = blank || z.contains(QLatin1Char(' '));
  if (blank) {
    const std::optional<bool> antwort = frage ? frage() : std::optional<bool>();
    if (!antwort) return;
    Ersetzen(zeilen, QStringLiteral(" "), *antwort ? QStringLiteral(",") : QString());
  }

  // 6. Lines that begin with a no-break space lose all of them.
  for (QString& z : zeilen)
    if (z.startsWith(NBSP)) z.remove(NBSP);

  // 7. A final comma goes.
  for (QString& z : zeilen)
    if (z.endsWith(QLatin1Char(','))) z.chop(1);
}

QStringList ZeilenTeile(const QString& s) {
  QStringList teile;
  const qsizetype n = s.size();
  qsizetype i = 0;
  for (;;) {
    qsizetype komma;
    if (i < n && s[i] == QLatin1Char('"')) {
      // Quoted: to the matching closing quote; "" stands for one quote.
      QString text;
      qsizetype j = i + 1;
      while (j < n) {
        if (s[j] == QLatin1Char('"')) {
          if (j + 1 < n && s[j + 1] == QLatin1Char('"')) {
            text += QLatin1Char('"');
            j += 2;
            continue;
          }
          ++j;
          break;
        }
        text += s[j++];
      }
      teile << text;
      komma = s.indexOf(QLatin1Char(','), j);
      if (komma < 0) komma = n;
      if (komma > j) teile << s.mid(j, komma - j);  // text after the closing quote
    } else {
      komma = s.indexOf(QLatin1Char(','), i);
      if (komma < 0) komma = n;
      teile << s.mid(i, komma - i);
    }
    if (komma >= n) break;
    i = komma + 1;  // after a final comma the loop adds the empty last item
  }
  return teile;
}

Reihenimport ReihenAusText(const QStringList& zeilen) {
  Reihenimport r;
  auto keineFuenf = [&r](qsizetype zeile) {
    r.meldung =
        Meldung{MeldungsArt::Fehler, QStringLiteral("In Zeile %1 kann ich keine fünf Zahlen ausmachen.").arg(zeile) + CRCR +
                                         QStringLiteral("Bitte geben Sie die fünf Tippzahlen aus der Zahlenreihe 1 bis 35 Zeile für Zeile "
                                                        "ein, jeweils durch ein Komma getrennt.") +
                                         CRCR + QStringLiteral("Ich breche erst einmal ab.")};
  };
  // 1. At least four commas in every line.
  for (qsizetype l = 0; l < zeilen.size(); ++l)
    if (zeilen[l].count(QLatin1Char(',')) < 4) {
      keineFuenf(l + 1);
      return r;
    }
  // 2. The last five items of each line as integers.
  std::vector<Tippreihe> reihen;
  for (qsizetype l = 0; l < zeilen.size(); ++l) {
    const QStringList teile = ZeilenTeile(zeilen[l]);
    if (teile.size() < 5) {  // commas inside quotes: fewer than five items
      keineFuenf(l + 1);
      return r;
    }
    Tippreihe reihe{};
    for (int p = 0; p < 5; ++p) {
      const QString& teil = teile[teile.size() - 5 + p];
      const auto zahl = TextAlsGanzzahl(teil);
      if (!zahl) {
        r.meldung = Meldung{MeldungsArt::Fehler, KeinIntegerwert(teil)};
        return r;
      }
      reihe[static_cast<std::size_t>(p)] = *zahl;
    }
    reihen.push_back(reihe);
  }
  // 3. Every number from 1 to 35.
  for (std::size_t l = 0; l < reihen.size(); ++l)
    for (int p = 0; p < 5; ++p)
      if (const int v = reihen[l][static_cast<std::size_t>(p)]; v < 1 || v > MaxZahl) {
        r.meldung = Meldung{MeldungsArt::Fehler,
                            QStringLiteral("In Zeile %1 ist die %2. Zahl, die %3, keine gültige Tippzahl.").arg(l + 1).arg(p + 1).arg(v) +
                                CRCR + QStringLiteral("Die fünf Tippzahlen sind aus der Zahlenreihe 1 bis 35 zu wählen.") + CRCR +
                                QStringLiteral("Ich breche erst einmal ab.")};
        return r;
      }
  // 4. Five different numbers.
  for (std::size_t l = 0; l < reihen.size(); ++l)
    for (int p = 0; p < 4; ++p)
      for (int q = p + 1; q < 5; ++q)
        if (reihen[l][static_cast<std::size_t>(p)] == reihen[l][static_cast<std::size_t>(q)]) {
          r.meldung = Meldung{MeldungsArt::Fehler,
                              QStringLiteral("In Zeile %1 ist die %2. und die %3. Zahl gleich.").arg(l + 1).arg(p + 1).arg(q + 1) + CRCR +
                                  QStringLiteral("Bitte wählen Sie fünf verschiedene Tippzahlen aus der Zahlenreihe 1 bis 35.") + CRCR +
                                  QStringLiteral("Ich breche erst einmal ab.")};
          return r;
        }
  r.reihen = std::move(reihen);
  return r;
}
