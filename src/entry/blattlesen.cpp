#include "blattlesen.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

#include <QStringDecoder>

#include <zlib.h>
#include <QXmlStreamReader>

#include "core/zahlformat.h"

namespace {
// Ends a read from inside a library's callback: too many cells, a cell out of range.
struct Abbruch {
  QString grund;
};

constexpr std::uint32_t MaxZeilen = 1'048'576, MaxSpalten = 16'384;  // the spreadsheet programs' own limits
constexpr std::size_t MaxTextBytes = 256u << 20;

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16) |
         (static_cast<std::uint32_t>(p[3]) << 24);
}
double F64(const unsigned char* p) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

QString ZuGross() {
  return QStringLiteral("Das Tabellenblatt enthält mehr als %L1 Werte; so große Tabellen liest das Programm nicht ein.")
      .arg(Blattgrenzen::Zellen);
}

// Collects the cells of one sheet; texts are kept once each.
class Sammler {
 public:
  void Text(std::int64_t z, std::int64_t s, std::string_view text) {
    Blattinhalt::Zelle& c = Neu(z, s, Blattinhalt::Art::Text);
    auto [it, neu] = textIndex_.try_emplace(std::string(text), static_cast<std::uint32_t>(texte_.size()));
    if (neu) {
      textBytes_ += text.size();
      if (textBytes_ > MaxTextBytes) throw Abbruch{ZuGross()};
      texte_.emplace_back(text);
    }
    c.text = it->second;
  }
  void Zahl(std::int64_t z, std::int64_t s, double wert, Blattinhalt::Art art = Blattinhalt::Art::Zahl) { Neu(z, s, art).zahl = wert; }

  Blattinhalt Fertig() {
    // Ordered by row and column; a cell written twice keeps its last value.
    std::stable_sort(zellen_.begin(), zellen_.end(),
                     [](const auto& a, const auto& b) { return a.zeile != b.zeile ? a.zeile < b.zeile : a.spalte < b.spalte; });
    std::vector<Blattinhalt::Zelle> einmal;
    einmal.reserve(zellen_.size());
    for (const auto& c : zellen_) {
      if (!einmal.empty() && einmal.back().zeile == c.zeile && einmal.back().spalte == c.spalte)
        einmal.back() = c;
      else
        einmal.push_back(c);
    }
    Blattinhalt b;
    for (const auto& c : einmal) {
      b.zeilen = std::max(b.zeilen, c.zeile + 1);
      b.spalten = std::max(b.spalten, c.spalte + 1);
    }
    // A used range far beyond its values (one value in the sheet's last corner) is refused: the
    // table would be millions of empty cells.
    const std::uint64_t flaeche = std::uint64_t{b.zeilen} * b.spalten;
    if (flaeche > 64 * std::uint64_t{einmal.size()} + Blattgrenzen::LeereFlaeche)
      throw Abbruch{QStringLiteral("Das Tabellenblatt reicht bis Zeile %L1, Spalte %L2, enthält aber nur %L3 Werte; so weit "
                                   "verstreute Werte liest das Programm nicht ein.")
                        .arg(b.zeilen)
                        .arg(b.spalten)
                        .arg(einmal.size())};
    b.zellen = std::move(einmal);
    b.texte = std::move(texte_);
    return b;
  }

 private:
  Blattinhalt::Zelle& Neu(std::int64_t z, std::int64_t s, Blattinhalt::Art art) {
    if (z < 0 || s < 0 || z >= MaxZeilen || s >= MaxSpalten)
      throw Abbruch{QStringLiteral("Die Datei nennt eine Zelle außerhalb eines Tabellenblatts.")};
    if (zellen_.size() >= Blattgrenzen::Zellen) throw Abbruch{ZuGross()};
    Blattinhalt::Zelle c;
    c.zeile = static_cast<std::uint32_t>(z);
    c.spalte = static_cast<std::uint32_t>(s);
    c.art = art;
    zellen_.push_back(c);
    return zellen_.back();
  }

  std::vector<Blattinhalt::Zelle> zellen_;
  std::vector<std::string> texte_;
  std::unordered_map<std::string, std::uint32_t> textIndex_;
  std::size_t textBytes_ = 0;
};

// Days since 30.12.1899 of a calendar date (proleptic Gregorian).
double TageSeit1899(int jahr, int monat, int tag) {
  // Days from civil (Howard Hinnant's algorithm), relative to 1970-01-01, then shifted.
  jahr -= monat <= 2;
  const int era = (jahr >= 0 ? jahr : jahr - 399) / 400;
  const int yoe = jahr - era * 400;
  const int doy = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long tage1970 = static_cast<long>(era) * 146097 + doe - 719468;
  return static_cast<double>(tage1970 + 25569);
}

// Whether a number format shows a date: it has day, month-with-year or year parts outside quoted
// texts, escapes and [...] sections (colours, conditions, elapsed times).
bool IstDatumsformat(std::string_view code) {
  bool inText = false;
  int klammer = 0;
  bool datum = false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (inText) {
      if (c == '"') inText = false;
      continue;
    }
    if (c == '"')
      inText = true;
    else if (c == '\\' || c == '_' || c == '*')
      ++i;
    else if (c == '[')
      ++klammer;
    else if (c == ']')
      klammer = std::max(0, klammer - 1);
    else if (klammer == 0 && (c == 'd' || c == 'D' || c == 'y' || c == 'Y' || c == 'j' || c == 'J' || c == 't' || c == 'T'))
      datum = true;
    else if (c == ';')
      break;  // the first section decides
  }
  return datum;
}

// The built-in number formats of the spreadsheet programs that show dates.
bool IstDatumsformatId(std::size_t id) { return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58); }

// ---------------------------------------------------------------------------------------------
// Zip archives (.xlsx, .xlsm, .ods): the central directory is checked before anything is
// unpacked, and no entry is unpacked beyond the size it claims.

QString KeinArchiv() { return QStringLiteral("Die Datei ist kein lesbares Archiv."); }
QString UnmoeglicheGroesse() {
  return QStringLiteral("Ein Eintrag der Datei gibt eine unmögliche Größe an; die Datei ist beschädigt oder manipuliert.");
}

class ZipArchiv {
 public:
  struct Eintrag {
    std::uint16_t methode;
    std::uint32_t crc, gepackt, entpackt;
    std::size_t daten;  // offset of the packed bytes
  };

  // Reads and checks the directory; throws Abbruch with the reason.
  explicit ZipArchiv(std::string_view datei) : d_(datei) {
    const auto* d = reinterpret_cast<const unsigned char*>(datei.data());
    const std::size_t n = datei.size();
    // The end of the central directory lies in the last 64 KB + 22 bytes.
    if (n < 22) throw Abbruch{KeinArchiv()};
    std::optional<std::size_t> ende;
    for (std::size_t i = n - 22 + 1; i-- > 0 && n - i <= 65557;)
      if (U32(d + i) == 0x06054b50u) {
        ende = i;
        break;
      }
    if (!ende) throw Abbruch{KeinArchiv()};
    const std::uint16_t anzahl = U16(d + *ende + 10);
    const std::uint32_t groesse = U32(d + *ende + 12), beginn = U32(d + *ende + 16);
    if (beginn == 0xFFFFFFFFu || anzahl == 0xFFFF) throw Abbruch{QStringLiteral("Archive im ZIP64-Format liest das Programm nicht ein.")};
    if (std::uint64_t{beginn} + groesse > *ende) throw Abbruch{KeinArchiv()};
    std::size_t pos = beginn;
    std::uint64_t summe = 0;
    for (std::uint16_t e = 0; e < anzahl; ++e) {
      if (pos + 46 > *ende || U32(d + pos) != 0x02014b50u) throw Abbruch{KeinArchiv()};
      Eintrag eintrag{U16(d + pos + 10), U32(d + pos + 16), U32(d + pos + 20), U32(d + pos + 24), 0};
      const std::uint16_t nameLaenge = U16(d + pos + 28), extra = U16(d + pos + 30), kommentar = U16(d + pos + 32);
      const std::uint32_t lokal = U32(d + pos + 42);
      if (pos + 46 + nameLaenge > *ende) throw Abbruch{KeinArchiv()};
      const std::string name(datei.substr(pos + 46, nameLaenge));
      // Deflate grows data at most about 1030 times; stored data not at all.
      const bool moeglich =
          eintrag.methode == 0 ? eintrag.gepackt == eintrag.entpackt : std::uint64_t{eintrag.entpackt} <= 1100ull * eintrag.gepackt + 65536;
      if (!moeglich || eintrag.entpackt > Blattgrenzen::ZipEintrag || eintrag.gepackt == 0xFFFFFFFFu) throw Abbruch{UnmoeglicheGroesse()};
      summe += eintrag.entpackt;
      // The local header in front of the data lies inside the file and claims no other sizes.
      if (std::uint64_t{lokal} + 30 > n || U32(d + lokal) != 0x04034b50u) throw Abbruch{KeinArchiv()};
      const std::uint16_t flags = U16(d + lokal + 6);
      if (!(flags & 0x08) && (U32(d + lokal + 18) != eintrag.gepackt || U32(d + lokal + 22) != eintrag.entpackt))
        throw Abbruch{UnmoeglicheGroesse()};
      if (flags & 0x01) throw Abbruch{QStringLiteral("Verschlüsselte Tabellen liest das Programm nicht ein.")};
      eintrag.daten = lokal + 30u + U16(d + lokal + 26) + U16(d + lokal + 28);
      if (std::uint64_t{eintrag.daten} + eintrag.gepackt > n) throw Abbruch{KeinArchiv()};
      eintraege_.emplace(name, eintrag);  // the first of equal names counts
      pos += 46u + nameLaenge + extra + kommentar;
    }
    if (summe > 2 * Blattgrenzen::ZipEintrag) throw Abbruch{QStringLiteral("Die Datei ist zu groß.")};
  }

  bool Hat(const std::string& name) const { return eintraege_.count(name) > 0; }

  // The unpacked bytes of an entry, at most as many as it claims; nothing when it is missing.
  std::optional<std::string> Lesen(const std::string& name) const {
    const auto it = eintraege_.find(name);
    if (it == eintraege_.end()) return std::nullopt;
    const Eintrag& e = it->second;
    const std::string_view gepackt = d_.substr(e.daten, e.gepackt);
    std::string aus;
    if (e.methode == 0) {
      aus.assign(gepackt);
    } else if (e.methode == 8) {
      aus.resize(e.entpackt);
      z_stream z{};
      if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw Abbruch{KeinArchiv()};
      z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gepackt.data()));
      z.avail_in = static_cast<uInt>(gepackt.size());
      z.next_out = reinterpret_cast<Bytef*>(aus.data());
      z.avail_out = static_cast<uInt>(aus.size());
      const int rc = inflate(&z, Z_FINISH);
      const std::size_t erhalten = aus.size() - z.avail_out;
      inflateEnd(&z);
      // More data than claimed, or less: the entry is damaged.
      if (rc != Z_STREAM_END || erhalten != e.entpackt) throw Abbruch{KeinArchiv()};
    } else {
      throw Abbruch{QStringLiteral("Die Datei ist mit einem unbekannten Verfahren gepackt.")};
    }
    if (crc32(0, reinterpret_cast<const Bytef*>(aus.data()), static_cast<uInt>(aus.size())) != e.crc) throw Abbruch{KeinArchiv()};
    return aus;
  }

 private:
  std::string_view d_;
  std::map<std::string, Eintrag> eintraege_;
};

// An XML part of the archive, read with Qt's stream reader (which refuses what is not well formed).
class Xml {
 public:
  explicit Xml(const std::string& text) : r_(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()))) {}
  QXmlStreamReader& r() { return r_; }
  // The next start element (depth-first), false at the end; a damaged part ends the read.
  bool Weiter() {
    while (!r_.atEnd()) {
      r_.readNext();
      if (r_.isStartElement()) return true;
    }
    if (r_.hasError() && r_.error() != QXmlStreamReader::PrematureEndOfDocumentError)
      throw Abbruch{QStringLiteral("Die Datei enthält fehlerhaftes XML (%1).").arg(r_.errorString())};
    if (r_.hasError()) throw Abbruch{QStringLiteral("Die Datei ist unvollständig.")};
    return false;
  }
  bool Ist(QLatin1StringView name) const { return r_.name() == name; }
  QStringView Attribut(QLatin1StringView name) const { return r_.attributes().value(name); }
  QStringView Attribut(QLatin1StringView ns, QLatin1StringView name) const { return r_.attributes().value(ns, name); }
  // The text of the current element and all elements inside it.
  QString Text() {
    QString t;
    for (int tiefe = 1; tiefe > 0 && !r_.atEnd();) {
      r_.readNext();
      if (r_.isStartElement())
        ++tiefe;
      else if (r_.isEndElement())
        --tiefe;
      else if (r_.isCharacters())
        t += r_.text();
    }
    if (r_.hasError()) Weiter();
    return t;
  }

 private:
  QXmlStreamReader r_;
};

std::optional<double> Zahl(QStringView text) {
  const QByteArray b = text.trimmed().toLatin1();
  double wert = 0;
  const auto [ende, fehler] = std::from_chars(b.constData(), b.constData() + b.size(), wert);
  if (fehler != std::errc() || ende != b.constData() + b.size() || b.isEmpty()) return std::nullopt;
  return wert;
}

std::optional<std::int64_t> Ganz(QStringView text) {
  bool ok = false;
  const qlonglong wert = text.trimmed().toLongLong(&ok);
  return ok ? std::optional<std::int64_t>(wert) : std::nullopt;
}

// "2018-09-24" or "2018-09-24T12:30:00" as days since 30.12.1899.
std::optional<double> IsoDatum(QStringView text) {
  const QStringView t = text.trimmed();
  if (t.size() < 10 || t[4] != u'-' || t[7] != u'-') return std::nullopt;
  const auto j = Ganz(t.first(4)), m = Ganz(t.sliced(5, 2)), d = Ganz(t.sliced(8, 2));
  if (!j || !m || !d || *j < 1 || *j > 9999 || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
  double tage = TageSeit1899(static_cast<int>(*j), static_cast<int>(*m), static_cast<int>(*d));
  if (t.size() >= 19 && t[10] == u'T') {
    const auto h = Ganz(t.sliced(11, 2)), mi = Ganz(t.sliced(14, 2));
    const auto s = Zahl(t.sliced(17).first(std::min<qsizetype>(t.size() - 17, 2)));
    if (h && mi && s) tage += std::clamp((*h * 3600.0 + *mi * 60.0 + *s) / 86400.0, 0.0, 0.99999);
  }
  return tage;
}

// "AB12" as row and column (from 0).
std::optional<std::pair<std::int64_t, std::int64_t>> Zellbezug(QStringView ref) {
  std::int64_t spalte = 0, zeile = 0;
  qsizetype i = 0;
  for (; i < ref.size() && ref[i].isLetter(); ++i) {
    const char16_t c = ref[i].toUpper().unicode();
    if (c < u'A' || c > u'Z') return std::nullopt;
    spalte = spalte * 26 + (c - u'A' + 1);
    if (spalte > MaxSpalten) return std::nullopt;
  }
  const qsizetype ziffern = i;
  for (; i < ref.size() && ref[i].isDigit(); ++i) {
    zeile = zeile * 10 + ref[i].digitValue();
    if (zeile > MaxZeilen) return std::nullopt;
  }
  if (ziffern == 0 || i == ziffern || i != ref.size() || zeile == 0) return std::nullopt;
  return std::make_pair(zeile - 1, spalte - 1);
}

// A path inside the archive relative to a part's folder ("worksheets/sheet1.xml" from "xl/").
std::string ArchivPfad(const QString& ziel, const QString& ordner) {
  QString p = ziel.startsWith(QLatin1Char('/')) ? ziel.mid(1) : ordner + ziel;
  QStringList teile;
  for (const QString& t : p.split(QLatin1Char('/'))) {
    if (t == QLatin1String("..")) {
      if (!teile.isEmpty()) teile.removeLast();
    } else if (!t.isEmpty() && t != QLatin1String(".")) {
      teile << t;
    }
  }
  return teile.join(QLatin1Char('/')).toStdString();
}

// Office Open XML (.xlsx, .xlsm): the first sheet of the workbook with its shared texts and the
// number formats that tell dates.
Blattinhalt XlsxLesen(const ZipArchiv& zip) {
  using L = QLatin1StringView;
  const L nsR("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
  // The workbook: the first sheet's relation, the date system.
  const auto mappe = zip.Lesen("xl/workbook.xml");
  if (!mappe) throw Abbruch{QStringLiteral("Die Datei enthält keine Arbeitsmappe.")};
  QString blattRel;
  bool datum1904 = false;
  {
    Xml x(*mappe);
    while (x.Weiter()) {
      if (x.Ist(L("workbookPr"))) {
        const QStringView v = x.Attribut(L("date1904"));
        datum1904 = v == L("1") || v == L("true");
      } else if (x.Ist(L("sheet")) && blattRel.isEmpty()) {
        blattRel = x.Attribut(nsR, L("id")).toString();
      }
    }
  }
  if (blattRel.isEmpty()) throw Abbruch{QStringLiteral("Die Datei enthält kein Tabellenblatt.")};
  std::string blattPfad;
  if (const auto rels = zip.Lesen("xl/_rels/workbook.xml.rels")) {
    Xml x(*rels);
    while (x.Weiter())
      if (x.Ist(L("Relationship")) && x.Attribut(L("Id")) == blattRel)
        blattPfad = ArchivPfad(x.Attribut(L("Target")).toString(), QStringLiteral("xl/"));
  }
  if (blattPfad.empty() || !zip.Hat(blattPfad)) throw Abbruch{QStringLiteral("Die Datei enthält kein Tabellenblatt.")};

  // Shared texts: each <si> is one text, its <t> parts joined (phonetic runs left out).
  std::vector<std::string> texte;
  std::size_t textBytes = 0;
  if (const auto sst = zip.Lesen("xl/sharedStrings.xml")) {
    Xml x(*sst);
    QString aktuell;
    int tiefeSi = -1, tiefe = 0, phonetisch = 0;
    QXmlStreamReader& r = x.r();
    while (!r.atEnd()) {
      r.readNext();
      if (r.isStartElement()) {
        ++tiefe;
        if (r.name() == L("si")) {
          tiefeSi = tiefe;
          aktuell.clear();
        } else if (r.name() == L("rPh")) {
          ++phonetisch;
        } else if (r.name() == L("t") && tiefeSi > 0 && phonetisch == 0) {
          aktuell += r.readElementText(QXmlStreamReader::IncludeChildElements);
          --tiefe;
        }
      } else if (r.isEndElement()) {
        if (r.name() == L("rPh")) --phonetisch;
        if (r.name() == L("si") && tiefe == tiefeSi) {
          texte.push_back(aktuell.toStdString());
          textBytes += texte.back().size();
          if (texte.size() > 4 * std::size_t{Blattgrenzen::Zellen} || textBytes > MaxTextBytes) throw Abbruch{ZuGross()};
          tiefeSi = -1;
        }
        --tiefe;
      }
    }
    if (r.hasError()) x.Weiter();
  }

  // Number formats and cell formats, as far as they tell a date from a number.
  std::unordered_map<std::int64_t, QString> codes;
  std::vector<std::int64_t> xfFormat;
  if (const auto stile = zip.Lesen("xl/styles.xml")) {
    Xml x(*stile);
    bool inXfs = false;
    QXmlStreamReader& r = x.r();
    while (!r.atEnd()) {
      r.readNext();
      if (r.isStartElement()) {
        if (r.name() == L("numFmt")) {
          if (const auto id = Ganz(x.Attribut(L("numFmtId"))); id && codes.size() < 4096)
            codes[*id] = x.Attribut(L("formatCode")).left(256).toString();
        } else if (r.name() == L("cellXfs")) {
          inXfs = true;
        } else if (r.name() == L("xf") && inXfs && xfFormat.size() < 65536) {
          xfFormat.push_back(Ganz(x.Attribut(L("numFmtId"))).value_or(0));
        }
      } else if (r.isEndElement() && r.name() == L("cellXfs")) {
        inXfs = false;
      }
    }
    if (r.hasError()) x.Weiter();
  }
  auto istDatum = [&](std::int64_t xf) {
    if (xf < 0 || static_cast<std::size_t>(xf) >= xfFormat.size()) return false;
    const std::int64_t id = xfFormat[static_cast<std::size_t>(xf)];
    const auto code = codes.find(id);
    return code != codes.end() ? IstDatumsformat(code->second.toStdString())
                               : IstDatumsformatId(static_cast<std::size_t>(std::max<std::int64_t>(id, 0)));
  };

  // The sheet's cells; a cell or row without its reference follows the one before.
  const auto blatt = zip.Lesen(blattPfad);
  Sammler sammler;
  Xml x(*blatt);
  QXmlStreamReader& r = x.r();
  std::int64_t zeile = -1, spalte = -1;
  while (x.Weiter()) {
    if (x.Ist(L("row"))) {
      const auto nr = Ganz(x.Attribut(L("r")));
      zeile = nr ? *nr - 1 : zeile + 1;
      spalte = -1;
      continue;
    }
    if (!x.Ist(L("c"))) continue;
    if (zeile < 0) zeile = 0;
    if (const QStringView ref = x.Attribut(L("r")); !ref.isEmpty()) {
      const auto rc = Zellbezug(ref);
      if (!rc) throw Abbruch{QStringLiteral("Die Datei enthält einen ungültigen Zellbezug.")};
      zeile = rc->first;
      spalte = rc->second;
    } else {
      ++spalte;
    }
    const QString typ = x.Attribut(L("t")).toString();
    const std::int64_t stil = Ganz(x.Attribut(L("s"))).value_or(0);
    std::optional<QString> wert, inline_;
    // The cell's children: the value, an inline text, a formula (its stored result is the value).
    for (int tiefe = 1; tiefe > 0 && !r.atEnd();) {
      r.readNext();
      if (r.isStartElement()) {
        if (r.name() == L("v")) {
          wert = r.readElementText();
        } else if (r.name() == L("is")) {
          inline_ = x.Text();
        } else {
          ++tiefe;
        }
      } else if (r.isEndElement()) {
        --tiefe;
      }
    }
    if (typ == L("inlineStr")) {
      if (inline_) sammler.Text(zeile, spalte, inline_->toStdString());
      continue;
    }
    if (!wert) continue;
    if (typ == L("s")) {
      const auto i = Ganz(*wert);
      if (!i || *i < 0 || static_cast<std::size_t>(*i) >= texte.size())
        throw Abbruch{QStringLiteral("Die Datei verweist auf einen Text, den sie nicht enthält.")};
      sammler.Text(zeile, spalte, texte[static_cast<std::size_t>(*i)]);
    } else if (typ == L("str")) {
      sammler.Text(zeile, spalte, wert->toStdString());
    } else if (typ == L("b")) {
      sammler.Zahl(zeile, spalte, wert->trimmed() == L("1") ? 1 : 0, Blattinhalt::Art::Wahrheitswert);
    } else if (typ == L("d")) {
      if (const auto tage = IsoDatum(*wert)) sammler.Zahl(zeile, spalte, *tage, Blattinhalt::Art::Datum);
    } else if (typ.isEmpty() || typ == L("n")) {
      const auto zahl = Zahl(*wert);
      if (!zahl) continue;
      if (istDatum(stil) && std::isfinite(*zahl) && *zahl >= 0 && *zahl < 2958466)
        // Serial day numbers; the 1900 system counts a 29 February 1900 that never was.
        sammler.Zahl(zeile, spalte, datum1904 ? *zahl + 1462 : (*zahl < 60 ? *zahl + 1 : *zahl), Blattinhalt::Art::Datum);
      else
        sammler.Zahl(zeile, spalte, *zahl);
    }
    // "e" (an error value) holds no value.
  }
  return sammler.Fertig();
}

// OpenDocument (.ods): the first table of content.xml; repeated rows and cells count as often as
// they repeat, empty ones only move on.
Blattinhalt OdsLesen(const ZipArchiv& zip) {
  using L = QLatin1StringView;
  const L nsTable("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
  const L nsOffice("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
  const L nsText("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
  const auto inhalt = zip.Lesen("content.xml");
  if (!inhalt) throw Abbruch{QStringLiteral("Die Datei enthält keine Tabelle.")};
  Xml x(*inhalt);
  QXmlStreamReader& r = x.r();
  Sammler sammler;
  bool gefunden = false;
  while (x.Weiter())
    if (r.namespaceUri() == nsTable && r.name() == L("table")) {
      gefunden = true;
      break;
    }
  if (!gefunden) throw Abbruch{QStringLiteral("Die Datei enthält kein Tabellenblatt.")};
  auto wiederholt = [&](L name) -> std::int64_t {
    const auto n = Ganz(r.attributes().value(nsTable, name));
    return n && *n >= 1 ? std::min<std::int64_t>(*n, MaxZeilen + std::int64_t{MaxSpalten}) : 1;
  };
  // The text of a cell: its paragraphs joined by line breaks, with text:s, text:tab, text:line-break.
  auto zellText = [&]() {
    QString t;
    int absaetze = 0;
    for (int tiefe = 1; tiefe > 0 && !r.atEnd();) {
      r.readNext();
      if (r.isStartElement()) {
        ++tiefe;
        if (r.namespaceUri() != nsText) continue;
        if (r.name() == L("p") || r.name() == L("h")) {
          if (absaetze++ > 0) t += QLatin1Char('\n');
        } else if (r.name() == L("s")) {
          t += QString(static_cast<qsizetype>(std::clamp<std::int64_t>(Ganz(r.attributes().value(nsText, L("c"))).value_or(1), 1, 1000)),
                       QLatin1Char(' '));
        } else if (r.name() == L("tab")) {
          t += QLatin1Char('\t');
        } else if (r.name() == L("line-break")) {
          t += QLatin1Char('\n');
        } else if (r.name() == L("note") || r.name() == L("annotation")) {
          r.skipCurrentElement();
          --tiefe;
        }
      } else if (r.isEndElement()) {
        --tiefe;
      } else if (r.isCharacters()) {
        t += r.text();
      }
    }
    return t;
  };
  std::int64_t zeile = 0;
  int tiefe = 1;  // inside the first table
  while (tiefe > 0 && !r.atEnd()) {
    r.readNext();
    if (r.isEndElement()) {
      --tiefe;
      continue;
    }
    if (!r.isStartElement()) continue;
    if (r.namespaceUri() != nsTable || r.name() != L("table-row")) {
      // Row groups and header rows hold rows; a table inside a cell or anything else is skipped.
      if (r.namespaceUri() == nsTable &&
          (r.name() == L("table-header-rows") || r.name() == L("table-row-group") || r.name() == L("table-rows")))
        ++tiefe;
      else
        r.skipCurrentElement();
      continue;
    }
    const std::int64_t zeilen = wiederholt(L("number-rows-repeated"));
    struct Wert {
      std::int64_t spalte, anzahl;
      Blattinhalt::Art art;
      double zahl;
      std::string text;
    };
    std::vector<Wert> werte;
    std::int64_t spalte = 0;
    while (!r.atEnd()) {
      r.readNext();
      if (r.isEndElement()) break;  // the row ends
      if (!r.isStartElement()) continue;
      if (r.namespaceUri() != nsTable || (r.name() != L("table-cell") && r.name() != L("covered-table-cell"))) {
        r.skipCurrentElement();
        continue;
      }
      const std::int64_t spalten = wiederholt(L("number-columns-repeated"));
      const QXmlStreamAttributes a = r.attributes();
      const QStringView typ = a.value(nsOffice, L("value-type"));
      std::optional<Wert> w;
      if (typ == L("float") || typ == L("percentage") || typ == L("currency")) {
        if (const auto z = Zahl(a.value(nsOffice, L("value")))) w = Wert{spalte, spalten, Blattinhalt::Art::Zahl, *z, {}};
      } else if (typ == L("date")) {
        if (const auto tage = IsoDatum(a.value(nsOffice, L("date-value")))) w = Wert{spalte, spalten, Blattinhalt::Art::Datum, *tage, {}};
      } else if (typ == L("boolean")) {
        const QStringView v = a.value(nsOffice, L("boolean-value"));
        w = Wert{spalte, spalten, Blattinhalt::Art::Wahrheitswert, v == L("true") ? 1.0 : 0.0, {}};
      }
      if (typ == L("string")) {
        QString text = a.hasAttribute(nsOffice, L("string-value")) ? a.value(nsOffice, L("string-value")).toString() : QString();
        const QString inhaltText = zellText();
        if (!a.hasAttribute(nsOffice, L("string-value"))) text = inhaltText;
        w = Wert{spalte, spalten, Blattinhalt::Art::Text, 0, text.toStdString()};
      } else {
        r.skipCurrentElement();
      }
      if (w) {
        if (static_cast<std::uint64_t>(spalten) * static_cast<std::uint64_t>(zeilen) > Blattgrenzen::Zellen) throw Abbruch{ZuGross()};
        werte.push_back(std::move(*w));
      }
      spalte += spalten;
    }
    for (std::int64_t z = 0; z < zeilen && !werte.empty(); ++z)
      for (const Wert& w : werte)
        for (std::int64_t s = 0; s < w.anzahl; ++s) {
          if (w.art == Blattinhalt::Art::Text)
            sammler.Text(zeile + z, w.spalte + s, w.text);
          else
            sammler.Zahl(zeile + z, w.spalte + s, w.zahl, w.art);
        }
    zeile += zeilen;
  }
  if (r.hasError()) x.Weiter();
  return sammler.Fertig();
}
// ---------------------------------------------------------------------------------------------
// .xls (Excel 97-2003 and 5.0/95): the compound file and the BIFF records of the first worksheet.

QString Beschaedigt() { return QStringLiteral("Die Excel-Datei ist beschädigt."); }

// A compound file (the container of .xls workbooks): its streams by name.
class Verbunddatei {
 public:
  explicit Verbunddatei(std::string_view d) : d_(reinterpret_cast<const unsigned char*>(d.data())), n_(d.size()) {
    if (n_ < 512 || std::memcmp(d_, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) != 0) throw Abbruch{Beschaedigt()};
    const unsigned shift = U16(d_ + 0x1E), miniShift = U16(d_ + 0x20);
    if ((shift != 9 && shift != 12) || miniShift != 6) throw Abbruch{Beschaedigt()};
    sektor_ = std::size_t{1} << shift;
    miniSektor_ = std::size_t{1} << miniShift;
    miniGrenze_ = U32(d_ + 0x38);
    const std::uint32_t fatSektoren = U32(d_ + 0x2C);
    // The FAT: sectors listed in the header's 109 entries, then in the chain of DIFAT sectors.
    std::vector<std::uint32_t> fatListe;
    for (int i = 0; i < 109 && fatListe.size() < fatSektoren; ++i) fatListe.push_back(U32(d_ + 0x4C + 4 * i));
    std::uint32_t difat = U32(d_ + 0x44);
    for (std::size_t schritte = 0; fatListe.size() < fatSektoren && difat < Sektoren(); ++schritte) {
      if (schritte > Sektoren()) throw Abbruch{Beschaedigt()};
      const unsigned char* s = Sektor(difat);
      const std::size_t proSektor = sektor_ / 4 - 1;
      for (std::size_t i = 0; i < proSektor && fatListe.size() < fatSektoren; ++i) fatListe.push_back(U32(s + 4 * i));
      difat = U32(s + 4 * proSektor);
    }
    if (fatListe.size() < fatSektoren || fatSektoren > Sektoren()) throw Abbruch{Beschaedigt()};
    for (std::uint32_t f : fatListe) {
      const unsigned char* s = Sektor(f);
      for (std::size_t i = 0; i < sektor_ / 4; ++i) fat_.push_back(U32(s + 4 * i));
    }
    // The directory, then the mini stream (kept in the root entry) and its FAT.
    const std::string verzeichnis = Kette(fat_, U32(d_ + 0x30), std::numeric_limits<std::uint64_t>::max(), false);
    for (std::size_t o = 0; o + 128 <= verzeichnis.size(); o += 128) {
      const auto* e = reinterpret_cast<const unsigned char*>(verzeichnis.data() + o);
      const std::uint16_t laenge = std::min<std::uint16_t>(U16(e + 64), 64);
      std::u16string name;
      for (int i = 0; i + 2 <= laenge - 2; i += 2) name += static_cast<char16_t>(U16(e + i));
      eintraege_.push_back({QString::fromStdU16String(name), e[66], U32(e + 116), U32(e + 120)});
    }
    if (eintraege_.empty() || eintraege_[0].typ != 5) throw Abbruch{Beschaedigt()};
    miniStrom_ = Kette(fat_, eintraege_[0].start, eintraege_[0].groesse, false);
    miniFat_.clear();
    const std::string mf = Kette(fat_, U32(d_ + 0x3C), std::uint64_t{U32(d_ + 0x40)} * sektor_, false);
    for (std::size_t i = 0; i + 4 <= mf.size(); i += 4) miniFat_.push_back(U32(reinterpret_cast<const unsigned char*>(mf.data() + i)));
  }

  std::optional<std::string> Strom(const QString& name) const {
    for (std::size_t i = 1; i < eintraege_.size(); ++i) {
      const Eintrag& e = eintraege_[i];
      if (e.typ != 2 || e.name.compare(name, Qt::CaseInsensitive) != 0) continue;
      return e.groesse < miniGrenze_ ? Kette(miniFat_, e.start, e.groesse, true) : Kette(fat_, e.start, e.groesse, false);
    }
    return std::nullopt;
  }

 private:
  struct Eintrag {
    QString name;
    unsigned char typ;
    std::uint32_t start;
    std::uint32_t groesse;
  };
  std::size_t Sektoren() const { return n_ / sektor_ - 1; }
  const unsigned char* Sektor(std::uint32_t s) const {
    if (s >= Sektoren()) throw Abbruch{Beschaedigt()};
    return d_ + (std::size_t{s} + 1) * sektor_;
  }
  // The bytes of a sector chain, at most `groesse` of them; a loop or a sector outside the file is damage.
  std::string Kette(const std::vector<std::uint32_t>& fat, std::uint32_t start, std::uint64_t groesse, bool mini) const {
    std::string daten;
    const std::size_t einheit = mini ? miniSektor_ : sektor_;
    const std::size_t grenze = mini ? miniStrom_.size() / miniSektor_ : Sektoren();
    if (groesse != std::numeric_limits<std::uint64_t>::max() && groesse > n_ * (mini ? 1 : 1)) throw Abbruch{Beschaedigt()};
    std::uint32_t s = start;
    for (std::size_t schritte = 0; s < 0xFFFFFFFAu && daten.size() < groesse; ++schritte) {
      if (schritte > grenze || s >= grenze || s >= fat.size()) throw Abbruch{Beschaedigt()};
      if (mini)
        daten.append(miniStrom_, std::size_t{s} * einheit, einheit);
      else
        daten.append(reinterpret_cast<const char*>(Sektor(s)), einheit);
      s = fat[s];
    }
    if (groesse != std::numeric_limits<std::uint64_t>::max()) {
      if (daten.size() < groesse) throw Abbruch{Beschaedigt()};
      daten.resize(static_cast<std::size_t>(groesse));
    }
    return daten;
  }

  const unsigned char* d_;
  std::size_t n_;
  std::size_t sektor_ = 512, miniSektor_ = 64;
  std::uint32_t miniGrenze_ = 4096;
  std::vector<std::uint32_t> fat_, miniFat_;
  std::vector<Eintrag> eintraege_;
  std::string miniStrom_;
};

// The records of a BIFF stream.
struct Satz {
  std::uint16_t typ;
  std::string_view daten;
};

class Saetze {
 public:
  Saetze(std::string_view strom, std::size_t ab) : s_(strom), pos_(ab) {}
  std::optional<Satz> Naechster() {
    if (pos_ + 4 > s_.size()) return std::nullopt;
    const auto* p = reinterpret_cast<const unsigned char*>(s_.data() + pos_);
    const std::uint16_t typ = U16(p), laenge = U16(p + 2);
    if (pos_ + 4 + laenge > s_.size()) return std::nullopt;
    Satz r{typ, s_.substr(pos_ + 4, laenge)};
    pos_ += 4u + laenge;
    return r;
  }
  std::optional<Satz> Vorschau() const {
    Saetze kopie = *this;
    return kopie.Naechster();
  }

 private:
  std::string_view s_;
  std::size_t pos_;
};

// Reads BIFF8 unicode strings that may run on into CONTINUE records (each continuation starts with
// a fresh option byte for the characters).
class Textleser {
 public:
  explicit Textleser(std::vector<std::string_view> teile) : teile_(std::move(teile)) {}
  bool Ende() const { return teil_ >= teile_.size(); }
  std::uint8_t Byte() {
    Nachfuellen();
    if (Ende()) throw Abbruch{Beschaedigt()};
    return static_cast<std::uint8_t>(teile_[teil_][pos_++]);
  }
  std::uint16_t Wort() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
  std::uint32_t Lang() { return Wort() | (static_cast<std::uint32_t>(Wort()) << 16); }
  void Ueberspringen(std::uint64_t n) {
    while (n > 0) {
      Nachfuellen();
      if (Ende()) throw Abbruch{Beschaedigt()};
      const std::size_t hier = std::min<std::uint64_t>(n, teile_[teil_].size() - pos_);
      pos_ += hier;
      n -= hier;
    }
  }
  // An XLUnicodeRichExtendedString (or the short form of a cell), as UTF-8.
  std::string Text(std::uint32_t zeichen, std::uint8_t optionen) {
    const std::uint16_t laeufe = (optionen & 0x08) ? Wort() : 0;
    const std::uint32_t erweitert = (optionen & 0x04) ? Lang() : 0;
    std::u16string t;
    bool breit = optionen & 0x01;
    for (std::uint32_t i = 0; i < zeichen; ++i) {
      if (pos_ >= teile_[std::min(teil_, teile_.size() - 1)].size() && teil_ + 1 < teile_.size()) {
        ++teil_;  // a continuation begins with the option byte of the characters
        pos_ = 0;
        breit = Byte() & 0x01;
      }
      t += breit ? static_cast<char16_t>(Wort()) : static_cast<char16_t>(Byte());
    }
    Ueberspringen(std::uint64_t{laeufe} * 4 + erweitert);
    return QString::fromStdU16String(t).toStdString();
  }

 private:
  void Nachfuellen() {
    while (teil_ < teile_.size() && pos_ >= teile_[teil_].size()) {
      ++teil_;
      pos_ = 0;
    }
  }
  std::vector<std::string_view> teile_;
  std::size_t teil_ = 0, pos_ = 0;
};

double RkWert(std::uint32_t rk) {
  double wert;
  if (rk & 0x02) {
    wert = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
    std::memcpy(&wert, &bits, sizeof wert);
  }
  return (rk & 0x01) ? wert / 100.0 : wert;
}

Blattinhalt XlsLesen(std::string_view daten) {
  const Verbunddatei datei(daten);
  bool biff8 = true;
  auto strom = datei.Strom(QStringLiteral("Workbook"));
  if (!strom) {
    strom = datei.Strom(QStringLiteral("Book"));
    biff8 = false;
  }
  if (!strom) throw Abbruch{QStringLiteral("Die Datei enthält keine Excel-Arbeitsmappe.")};
  const std::string& s = *strom;

  // Globals: code page, date system, formats, cell formats, shared texts, the first worksheet.
  QStringDecoder codepage(QStringDecoder::Latin1);
  bool datum1904 = false;
  std::unordered_map<std::size_t, std::string> formatCodes;
  std::vector<std::size_t> xfFormat;
  std::vector<std::string> sst;
  std::optional<std::size_t> blattBeginn;
  auto achtBit = [&](std::string_view b) {
    return QString(codepage.decode(QByteArrayView(b.data(), static_cast<qsizetype>(b.size())))).toStdString();
  };
  Saetze saetze(s, 0);
  const auto bof = saetze.Naechster();
  if (!bof || (bof->typ != 0x0809 && bof->typ != 0x0409 && bof->typ != 0x0209)) throw Abbruch{Beschaedigt()};
  while (const auto satz = saetze.Naechster()) {
    const auto* p = reinterpret_cast<const unsigned char*>(satz->daten.data());
    const std::size_t n = satz->daten.size();
    if (satz->typ == 0x000A) break;  // EOF of the globals
    switch (satz->typ) {
      case 0x0042:  // CODEPAGE
        if (n >= 2 && !biff8) {
          const std::uint16_t cp = U16(p);
          const QByteArray name = cp == 1200 ? QByteArray("UTF-16LE") : QByteArray("windows-") + QByteArray::number(cp);
          QStringDecoder neu(name.constData());
          if (neu.isValid() && cp != 367) codepage = std::move(neu);
        }
        break;
      case 0x0022:  // DATEMODE
        if (n >= 2) datum1904 = U16(p) == 1;
        break;
      case 0x041E:  // FORMAT
        if (n >= 4) {
          const std::size_t id = U16(p);
          std::string code;
          if (biff8 && n >= 5) {
            Textleser t({satz->daten.substr(4)});
            code = t.Text(U16(p + 2), static_cast<std::uint8_t>(p[4]));
          } else if (!biff8) {
            code = std::string(satz->daten.substr(3, std::min<std::size_t>(p[2], n - 3)));
          }
          if (formatCodes.size() < 4096) formatCodes[id] = code.substr(0, 256);
        }
        break;
      case 0x00E0:  // XF
        if (n >= 4 && xfFormat.size() < 65536) xfFormat.push_back(U16(p + 2));
        break;
      case 0x00FC: {  // SST, and the CONTINUE records that carry it on
        std::vector<std::string_view> teile{satz->daten};
        while (const auto weiter = saetze.Vorschau()) {
          if (weiter->typ != 0x003C) break;
          teile.push_back(weiter->daten);
          saetze.Naechster();
        }
        if (n < 8) throw Abbruch{Beschaedigt()};
        Textleser t(teile);
        t.Ueberspringen(4);
        const std::uint32_t anzahl = t.Lang();
        std::size_t bytes = 0;
        for (std::uint32_t i = 0; i < anzahl && !t.Ende(); ++i) {
          const std::uint16_t zeichen = t.Wort();
          sst.push_back(t.Text(zeichen, t.Byte()));
          bytes += sst.back().size();
          if (bytes > MaxTextBytes) throw Abbruch{ZuGross()};
        }
        break;
      }
      case 0x0085:  // BOUNDSHEET: the first worksheet (type 0) in workbook order
        if (n >= 6 && !blattBeginn && p[5] == 0) blattBeginn = U32(p);
        break;
      default: break;
    }
  }
  if (!blattBeginn || *blattBeginn >= s.size()) throw Abbruch{QStringLiteral("Die Datei enthält kein Tabellenblatt.")};

  auto istDatum = [&](std::size_t xf) {
    if (xf >= xfFormat.size()) return false;
    const std::size_t id = xfFormat[xf];
    const auto code = formatCodes.find(id);
    return code != formatCodes.end() ? IstDatumsformat(code->second) : IstDatumsformatId(id);
  };
  Sammler sammler;
  auto zahl = [&](std::uint32_t z, std::uint32_t sp, std::size_t xf, double wert) {
    if (istDatum(xf) && std::isfinite(wert) && wert >= 0 && wert < 2958466) {
      // Serial day numbers; the 1900 system counts a 29 February 1900 that never was.
      const double tage = datum1904 ? wert + 1462 : (wert < 60 ? wert + 1 : wert);
      sammler.Zahl(z, sp, tage, Blattinhalt::Art::Datum);
    } else {
      sammler.Zahl(z, sp, wert);
    }
  };
  auto zelleText = [&](std::string_view b) -> std::string {
    const auto* p = reinterpret_cast<const unsigned char*>(b.data());
    if (b.size() < 2) throw Abbruch{Beschaedigt()};
    if (!biff8) return achtBit(b.substr(2, std::min<std::size_t>(U16(p), b.size() - 2)));
    if (b.size() < 3) throw Abbruch{Beschaedigt()};
    Textleser t({b.substr(3)});
    return t.Text(U16(p), p[2]);
  };

  Saetze blatt(s, *blattBeginn);
  const auto blattBof = blatt.Naechster();
  if (!blattBof || (blattBof->typ != 0x0809 && blattBof->typ != 0x0409 && blattBof->typ != 0x0209)) throw Abbruch{Beschaedigt()};
  // A formula whose text result follows in a STRING record: its row and column.
  bool formelText = false;
  std::uint32_t formelZeile = 0, formelSpalte = 0;
  int tiefe = 0;  // embedded substreams (charts) are skipped
  while (const auto satz = blatt.Naechster()) {
    const auto* p = reinterpret_cast<const unsigned char*>(satz->daten.data());
    const std::size_t n = satz->daten.size();
    if (satz->typ == 0x0809 || satz->typ == 0x0409 || satz->typ == 0x0209) {
      ++tiefe;
      continue;
    }
    if (satz->typ == 0x000A) {
      if (tiefe == 0) break;
      --tiefe;
      continue;
    }
    if (tiefe > 0) continue;
    switch (satz->typ) {
      case 0x0203:  // NUMBER
        if (n >= 14) zahl(U16(p), U16(p + 2), U16(p + 4), F64(p + 6));
        break;
      case 0x027E:  // RK
        if (n >= 10) zahl(U16(p), U16(p + 2), U16(p + 4), RkWert(U32(p + 6)));
        break;
      case 0x00BD:  // MULRK
        if (n >= 6) {
          const std::uint32_t z = U16(p), erste = U16(p + 2);
          for (std::size_t i = 0; 4 + i * 6 + 6 <= n - 2; ++i)
            zahl(z, erste + static_cast<std::uint32_t>(i), U16(p + 4 + i * 6), RkWert(U32(p + 6 + i * 6)));
        }
        break;
      case 0x00FD:  // LABELSST
        if (n >= 10) {
          const std::uint32_t i = U32(p + 6);
          if (i >= sst.size()) throw Abbruch{QStringLiteral("Die Datei verweist auf einen Text, den sie nicht enthält.")};
          sammler.Text(U16(p), U16(p + 2), sst[i]);
        }
        break;
      case 0x0204:  // LABEL
      case 0x00D6:  // RSTRING
        if (n >= 8) sammler.Text(U16(p), U16(p + 2), zelleText(satz->daten.substr(6)));
        break;
      case 0x0205:  // BOOLERR: truth values; error values are no value
        if (n >= 8 && p[7] == 0) sammler.Zahl(U16(p), U16(p + 2), p[6] ? 1 : 0, Blattinhalt::Art::Wahrheitswert);
        break;
      case 0x0006:  // FORMULA: its stored result
        if (n >= 14) {
          const std::uint32_t z = U16(p), sp = U16(p + 2);
          const unsigned char* e = p + 6;
          if (U16(e + 6) != 0xFFFF) {
            zahl(z, sp, U16(p + 4), F64(e));
          } else if (e[0] == 0) {
            formelText = true;  // the text follows in a STRING record
            formelZeile = z;
            formelSpalte = sp;
          } else if (e[0] == 1) {
            sammler.Zahl(z, sp, e[2] ? 1 : 0, Blattinhalt::Art::Wahrheitswert);
          } else if (e[0] == 3) {
            sammler.Text(z, sp, {});
          }
        }
        break;
      case 0x0207:  // STRING: the text result of the formula before it
        if (formelText) {
          std::vector<std::string_view> teile{satz->daten};
          while (const auto weiter = blatt.Vorschau()) {
            if (weiter->typ != 0x003C) break;
            teile.push_back(weiter->daten);
            blatt.Naechster();
          }
          Textleser t(teile);
          std::string text;
          if (biff8) {
            const std::uint16_t zeichen = t.Wort();
            text = t.Text(zeichen, t.Byte());
          } else if (n >= 2) {
            text = achtBit(satz->daten.substr(2, std::min<std::size_t>(U16(p), n - 2)));
          }
          sammler.Text(formelZeile, formelSpalte, text);
          formelText = false;
        }
        break;
      default: break;
    }
  }
  return sammler.Fertig();
}

// ---------------------------------------------------------------------------------------------

Blattinhalt ArchivLesen(std::string_view daten) {
  const ZipArchiv zip(daten);
  if (zip.Hat("xl/workbook.xml")) return XlsxLesen(zip);
  if (zip.Hat("content.xml")) return OdsLesen(zip);
  throw Abbruch{QStringLiteral("Das Dateiformat wird nicht erkannt; lesbar sind .xlsx, .xlsm, .ods und .xls.")};
}
}  // namespace

std::optional<QString> ZipPruefen(std::string_view daten) {
  try {
    const ZipArchiv zip(daten);
  } catch (const Abbruch& a) {
    return a.grund;
  }
  return std::nullopt;
}

Blattergebnis BlattLesen(std::string_view daten) {
  // The libraries read numbers with the C library: always in its "C" form, whatever the locale.
  const CZahlenformat cZahlen;
  try {
    if (daten.size() >= 8 && std::memcmp(daten.data(), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) == 0) return XlsLesen(daten);
    return ArchivLesen(daten);
  } catch (const Abbruch& a) {
    return a.grund;
  } catch (const std::bad_alloc&) {
    return QStringLiteral("Für diese Datei reicht der Arbeitsspeicher nicht.");
  } catch (const std::exception& e) {
    return QStringLiteral("Die Datei ist beschädigt (%1).").arg(QString::fromUtf8(e.what()).left(200));
  }
}

// ---------------------------------------------------------------------------------------------
// The bytes between the reader process and the program: "KTB1", rows, columns, the texts (length
// and UTF-8), the cells (row, column, kind, text index or number); or "KTF1" and the reason.

namespace {
void Schreibe32(QByteArray& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Schreibe64(QByteArray& b, double d) {
  std::uint64_t v;
  std::memcpy(&v, &d, sizeof v);
  for (int i = 0; i < 8; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

class Lesekopf {
 public:
  explicit Lesekopf(const QByteArray& b) : b_(b) {}
  bool Genug(std::size_t n) const { return n <= static_cast<std::size_t>(b_.size()) - pos_; }
  std::uint32_t Wort32() {
    const std::uint32_t v = U32(reinterpret_cast<const unsigned char*>(b_.constData() + pos_));
    pos_ += 4;
    return v;
  }
  double Zahl64() {
    const double v = F64(reinterpret_cast<const unsigned char*>(b_.constData() + pos_));
    pos_ += 8;
    return v;
  }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(b_[static_cast<qsizetype>(pos_++)]); }
  std::string_view Bytes(std::size_t n) {
    std::string_view v(b_.constData() + pos_, n);
    pos_ += n;
    return v;
  }
  bool Fertig() const { return pos_ == static_cast<std::size_t>(b_.size()); }

 private:
  const QByteArray& b_;
  std::size_t pos_ = 0;
};
}  // namespace

QByteArray BlattKodieren(const Blattergebnis& ergebnis) {
  QByteArray b;
  if (const QString* grund = std::get_if<QString>(&ergebnis)) {
    const QByteArray text = grund->toUtf8();
    b += "KTF1";
    Schreibe32(b, static_cast<std::uint32_t>(text.size()));
    b += text;
    return b;
  }
  const Blattinhalt& inhalt = std::get<Blattinhalt>(ergebnis);
  b += "KTB1";
  Schreibe32(b, inhalt.zeilen);
  Schreibe32(b, inhalt.spalten);
  Schreibe32(b, static_cast<std::uint32_t>(inhalt.texte.size()));
  for (const std::string& t : inhalt.texte) {
    Schreibe32(b, static_cast<std::uint32_t>(t.size()));
    b.append(t.data(), static_cast<qsizetype>(t.size()));
  }
  Schreibe32(b, static_cast<std::uint32_t>(inhalt.zellen.size()));
  for (const auto& c : inhalt.zellen) {
    Schreibe32(b, c.zeile);
    Schreibe32(b, c.spalte);
    b.append(static_cast<char>(c.art));
    if (c.art == Blattinhalt::Art::Text)
      Schreibe32(b, c.text);
    else
      Schreibe64(b, c.zahl);
  }
  return b;
}

std::optional<Blattergebnis> BlattDekodieren(const QByteArray& daten) {
  Lesekopf k(daten);
  if (!k.Genug(8)) return std::nullopt;
  const std::string_view marke = k.Bytes(4);
  if (marke == "KTF1") {
    const std::uint32_t n = k.Wort32();
    if (n > 4096 || !k.Genug(n)) return std::nullopt;
    const std::string_view text = k.Bytes(n);
    if (!k.Fertig()) return std::nullopt;
    return Blattergebnis{QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))};
  }
  if (marke != "KTB1" || !k.Genug(12)) return std::nullopt;
  Blattinhalt b;
  b.zeilen = k.Wort32();
  b.spalten = k.Wort32();
  if (b.zeilen > MaxZeilen || b.spalten > MaxSpalten) return std::nullopt;
  const std::uint32_t texte = k.Wort32();
  if (texte > Blattgrenzen::Zellen || !k.Genug(std::size_t{texte} * 4)) return std::nullopt;
  b.texte.reserve(texte);
  for (std::uint32_t i = 0; i < texte; ++i) {
    if (!k.Genug(4)) return std::nullopt;
    const std::uint32_t n = k.Wort32();
    if (!k.Genug(n)) return std::nullopt;
    b.texte.emplace_back(k.Bytes(n));
  }
  if (!k.Genug(4)) return std::nullopt;
  const std::uint32_t zellen = k.Wort32();
  if (zellen > Blattgrenzen::Zellen || !k.Genug(std::size_t{zellen} * 13)) return std::nullopt;
  b.zellen.reserve(zellen);
  for (std::uint32_t i = 0; i < zellen; ++i) {
    if (!k.Genug(9)) return std::nullopt;
    Blattinhalt::Zelle c;
    c.zeile = k.Wort32();
    c.spalte = k.Wort32();
    const std::uint8_t art = k.Byte();
    if (art > static_cast<std::uint8_t>(Blattinhalt::Art::Wahrheitswert) || c.zeile >= b.zeilen || c.spalte >= b.spalten)
      return std::nullopt;
    c.art = static_cast<Blattinhalt::Art>(art);
    if (c.art == Blattinhalt::Art::Text) {
      if (!k.Genug(4)) return std::nullopt;
      c.text = k.Wort32();
      if (c.text >= b.texte.size()) return std::nullopt;
    } else {
      if (!k.Genug(8)) return std::nullopt;
      c.zahl = k.Zahl64();
    }
    if (!b.zellen.empty() && (b.zellen.back().zeile > c.zeile || (b.zellen.back().zeile == c.zeile && b.zellen.back().spalte >= c.spalte)))
      return std::nullopt;  // ordered, each cell once
    b.zellen.push_back(c);
  }
  if (!k.Fertig()) return std::nullopt;
  return Blattergebnis{std::move(b)};
}
