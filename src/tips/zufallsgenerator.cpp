#include "zufallsgenerator.h"

#include <bit>
#include <chrono>

#include <QStringList>

#include "core/kombiindex.h"
#include "statistics/kombinationen.h"
#include "tools/binomial.h"

namespace {
std::optional<std::uint32_t>& FesteSaat() {
  static std::optional<std::uint32_t> saat;
  return saat;
}
}  // namespace

void ZufallsSaatFestlegen(std::optional<std::uint32_t> saat) { FesteSaat() = saat; }

void TZufall::NeuSaeen() {
  if (FesteSaat()) {
    zustand_ = *FesteSaat();
    return;
  }
  const auto takt = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  const std::uint32_t ausgabe = Naechste(0xFFFFFFFFu);
  zustand_ = static_cast<std::uint32_t>(takt ^ (takt >> 32)) ^ ausgabe;
}

const TZahlenMenge& TZufallsAuswahl::Menge(Gruppe g) const {
  return g == Gruppe::Bank ? BZGewaehlt : g == Gruppe::Killer ? KillGewaehlt : FavGewaehlt;
}

std::vector<int> TZufallsAuswahl::Mitglieder(Gruppe g) const {
  std::vector<int> z;
  for (int n = 1; n <= MaxZahl; ++n)
    if (Menge(g).Enthaelt(n)) z.push_back(n);
  return z;
}

std::optional<Gruppe> TZufallsAuswahl::GruppeVon(int n) const {
  for (Gruppe g : {Gruppe::Bank, Gruppe::Killer, Gruppe::Favorit})
    if (Menge(g).Enthaelt(n)) return g;
  return std::nullopt;
}

TZufallsAuswahl::Ergebnis TZufallsAuswahl::Umschalten(int code) {
  const int gruppe = code / 100, n = code % 100;
  if (gruppe < 1 || gruppe > 3 || n < 1 || n > MaxZahl) return {Wirkung::Abgelehnt, std::nullopt};
  TZahlenMenge& menge = gruppe == 1 ? BZGewaehlt : gruppe == 2 ? KillGewaehlt : FavGewaehlt;
  if (menge.Enthaelt(n)) {
    menge.Ausschliessen(n);
    return {Wirkung::Entfernt, std::nullopt};
  }
  if (gruppe == 1 && BZGewaehlt.Groesse() >= ZahlenJeReihe)
    return {Wirkung::Abgelehnt, Meldung{MeldungsArt::Fehler, QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.")}};
  if (gruppe == 2 && BZGewaehlt.Groesse() + KillGewaehlt.Groesse() + 1 == MaxZahl)
    return {Wirkung::Abgelehnt,
            Meldung{MeldungsArt::Fehler, QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.") + CRCR +
                                             QStringLiteral("Ich breche ab.")}};
  menge.Einschliessen(n);
  return {Wirkung::Hinzugefuegt, std::nullopt};
}

std::vector<std::uint8_t> Topf(const TZufallsAuswahl& auswahl) {
  std::vector<std::uint8_t> topf;
  for (int n = 1; n <= MaxZahl; ++n) {
    if (auswahl.Menge(Gruppe::Bank).Enthaelt(n) || auswahl.Menge(Gruppe::Killer).Enthaelt(n)) continue;
    topf.push_back(static_cast<std::uint8_t>(n));
    if (auswahl.Menge(Gruppe::Favorit).Enthaelt(n)) topf.push_back(static_cast<std::uint8_t>(n));
  }
  return topf;
}

ZufallsLauf ZufallszahlenErmitteln(const TZufallsAuswahl& auswahl, std::int64_t n, TZufall& zufall, ZufallsErgebnis& ergebnis,
                                   const std::function<bool(std::int64_t)>& zwischendurch) {
  ZufallsLauf lauf;
  const int b = auswahl.Anzahl(Gruppe::Bank), k = auswahl.Anzahl(Gruppe::Killer);
  if (n > NueberK(MaxZahl - b - k, ZahlenJeReihe - b)) {
    lauf.ablehnung =
        Meldung{MeldungsArt::Fehler, QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, ") + QString::number(n) +
                                         QStringLiteral(" Tippreihen zu bilden.") + CRCR + QStringLiteral("ich muss abbrechen.")};
    return lauf;
  }
  const std::vector<std::uint8_t> topf = Topf(auswahl);
  ZufallsErgebnis neu;
  neu.Zufreihen.reserve(static_cast<std::size_t>(std::max<std::int64_t>(n, 0)));
  zufall.NeuSaeen();

  // Accepted rows as a bitmap over the index of every possible row: the duplicate test of a
  // candidate is one lookup instead of a comparison with every accepted row.
  static const KombiIndex index(ZahlenJeReihe);
  std::vector<std::uint64_t> angenommen((index.Anzahl() + 63) / 64, 0);
  const auto laenge = static_cast<std::uint32_t>(topf.size());
  using Uhr = std::chrono::steady_clock;
  auto naechsteMeldung = Uhr::now() + std::chrono::milliseconds(20);
  std::uint32_t schritt = 0;
  while (static_cast<std::int64_t>(neu.Zufreihen.size()) < n) {
    TZahlenMenge kandidat = auswahl.Menge(Gruppe::Bank);
    int anzahl = b;
    while (anzahl < ZahlenJeReihe) {
      const std::uint8_t zahl = topf[zufall.Naechste(laenge)];
      if (kandidat.Enthaelt(zahl)) continue;
      kandidat.Einschliessen(zahl);
      ++anzahl;
    }
    // The members ascending (all numbers of 1..35 lie in the first word of the set).
    int zahlen[ZahlenJeReihe];
    std::uint64_t bits = kandidat.w[0];
    for (int& z : zahlen) {
      z = std::countr_zero(bits);
      bits &= bits - 1;
    }
    const std::uint32_t i = index(zahlen);
    if (!(angenommen[i >> 6] >> (i & 63) & 1u)) {
      angenommen[i >> 6] |= std::uint64_t{1} << (i & 63);
      neu.Zufreihen.push_back({static_cast<std::uint8_t>(zahlen[0]), static_cast<std::uint8_t>(zahlen[1]),
                               static_cast<std::uint8_t>(zahlen[2]), static_cast<std::uint8_t>(zahlen[3]),
                               static_cast<std::uint8_t>(zahlen[4])});
    }
    if (zwischendurch && (++schritt & 1023u) == 0 && Uhr::now() >= naechsteMeldung) {
      if (!zwischendurch(static_cast<std::int64_t>(neu.Zufreihen.size()))) {
        lauf.abgebrochen = true;
        return lauf;
      }
      naechsteMeldung = Uhr::now() + std::chrono::milliseconds(20);
    }
  }
  for (const auto& r : neu.Zufreihen)
    for (std::uint8_t z : r) ++neu.NrCount[z];
  ergebnis = std::move(neu);
  return lauf;
}

QString AuswahlAlsText(const TZufallsAuswahl& auswahl, Gruppe g) { return MengeAlsText(auswahl.Menge(g), MaxZahl, QStringLiteral(",")); }

std::vector<Meldung> AuswahlAusText(TZufallsAuswahl& auswahl, const QString& bank, const QString& killer, const QString& favoriten,
                                    const std::function<void(Gruppe, int, const TZufallsAuswahl::Ergebnis&)>& angewendet) {
  std::vector<Meldung> meldungen;
  const std::pair<Gruppe, const QString*> gruppen[] = {{Gruppe::Bank, &bank}, {Gruppe::Killer, &killer}, {Gruppe::Favorit, &favoriten}};
  for (const auto& [g, text] : gruppen)
    for (const QString& teil : text->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
      bool ok = false;
      const int n = teil.trimmed().toInt(&ok);
      // A number already in another group (a hand-edited file) is left out: the groups stay disjoint.
      if (!ok || n < 1 || n > MaxZahl) continue;
      if (const auto andere = auswahl.GruppeVon(n); andere && *andere != g) continue;
      const auto e = auswahl.Umschalten(g, n);
      if (e.meldung) meldungen.push_back(*e.meldung);
      if (angewendet) angewendet(g, n, e);
    }
  return meldungen;
}
