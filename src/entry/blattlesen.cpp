#include "blattlesen.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_map>

#include <QStringDecoder>

#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include "core/zahlformat.h"

namespace {
namespace ss = orcus::spreadsheet;

// Ends a read from inside a library's callback: too many cells, a cell out of range.
struct Abbruch {
  QString grund;
};

constexpr std::uint32_t MaxZeilen = 1'048'576, MaxSpalten = 16'384;  // the spreadsheet programs' own limits
constexpr std::size_t MaxTextBytes = 256u << 20;

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
  void Zahl(std::int64_t z, std::int64_t s, double wert, Blattinhalt::Art art = Blattinhalt::Art::Zahl) {
    Neu(z, s, art).zahl = wert;
  }

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
    if (c == '"') inText = true;
    else if (c == '\\' || c == '_' || c == '*') ++i;
    else if (c == '[') ++klammer;
    else if (c == ']') klammer = std::max(0, klammer - 1);
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
// .xlsx, .xlsm, .ods through liborcus, into an import factory of our own: only cell values (and
// the number formats that tell dates) are taken; column widths, styles of OpenDocument files,
// pivot tables and the rest are never asked for.

class Texte : public ss::iface::import_shared_strings {
 public:
  std::size_t append(std::string_view s) override {
    Plus(s.size());
    texte.emplace_back(s);
    return texte.size() - 1;
  }
  std::size_t add(std::string_view s) override {
    auto [it, neu] = index_.try_emplace(std::string(s), texte.size());
    if (neu) append(s);
    return it->second;
  }
  void set_segment_font(std::size_t) override {}
  void set_segment_bold(bool) override {}
  void set_segment_italic(bool) override {}
  void set_segment_font_name(std::string_view) override {}
  void set_segment_font_size(double) override {}
  void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  void append_segment(std::string_view s) override {
    Plus(s.size());
    segmente_ += s;
  }
  std::size_t commit_segments() override {
    texte.push_back(std::move(segmente_));
    segmente_.clear();
    return texte.size() - 1;
  }
  std::vector<std::string> texte;

 private:
  void Plus(std::size_t n) {
    bytes_ += n;
    if (bytes_ > MaxTextBytes) throw Abbruch{ZuGross()};
  }
  std::string segmente_;
  std::unordered_map<std::string, std::size_t> index_;
  std::size_t bytes_ = 0;
};

// Number formats and cell formats, only as far as they tell a date from a number.
class Formate : public ss::iface::import_styles {
 public:
  bool Datum(std::size_t xf) const {
    if (xf >= xfFormat_.size()) return false;
    const std::size_t id = xfFormat_[xf];
    const auto code = codes_.find(id);
    return code != codes_.end() ? IstDatumsformat(code->second) : IstDatumsformatId(id);
  }

  void set_number_format_count(std::size_t) override {}
  void set_number_format_identifier(std::size_t id) override { id_ = id; }
  void set_number_format_code(std::string_view s) override { code_ = std::string(s.substr(0, 256)); }
  std::size_t commit_number_format() override {
    if (codes_.size() < 4096) codes_[id_] = code_;
    code_.clear();
    return id_;
  }
  void set_xf_number_format(std::size_t index) override { xfNeu_ = index; }
  std::size_t commit_cell_xf() override {
    if (xfFormat_.size() < 65536) xfFormat_.push_back(xfNeu_);
    xfNeu_ = 0;
    return xfFormat_.size() - 1;
  }

  void set_font_count(std::size_t) override {}
  void set_font_bold(bool) override {}
  void set_font_italic(bool) override {}
  void set_font_name(std::string_view) override {}
  void set_font_size(double) override {}
  void set_font_underline(ss::underline_t) override {}
  void set_font_underline_width(ss::underline_width_t) override {}
  void set_font_underline_mode(ss::underline_mode_t) override {}
  void set_font_underline_type(ss::underline_type_t) override {}
  void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  void set_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  void set_strikethrough_style(ss::strikethrough_style_t) override {}
  void set_strikethrough_type(ss::strikethrough_type_t) override {}
  void set_strikethrough_width(ss::strikethrough_width_t) override {}
  void set_strikethrough_text(ss::strikethrough_text_t) override {}
  std::size_t commit_font() override { return 0; }
  void set_fill_count(std::size_t) override {}
  void set_fill_pattern_type(ss::fill_pattern_t) override {}
  void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  std::size_t commit_fill() override { return 0; }
  void set_border_count(std::size_t) override {}
  void set_border_style(ss::border_direction_t, ss::border_style_t) override {}
  void set_border_color(ss::border_direction_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  void set_border_width(ss::border_direction_t, double, orcus::length_unit_t) override {}
  std::size_t commit_border() override { return 0; }
  void set_cell_hidden(bool) override {}
  void set_cell_locked(bool) override {}
  void set_cell_print_content(bool) override {}
  void set_cell_formula_hidden(bool) override {}
  std::size_t commit_cell_protection() override { return 0; }
  void set_cell_xf_count(std::size_t) override {}
  void set_cell_style_xf_count(std::size_t) override {}
  void set_dxf_count(std::size_t) override {}
  void set_xf_font(std::size_t) override {}
  void set_xf_fill(std::size_t) override {}
  void set_xf_border(std::size_t) override {}
  void set_xf_protection(std::size_t) override {}
  void set_xf_style_xf(std::size_t) override {}
  void set_xf_apply_alignment(bool) override {}
  void set_xf_horizontal_alignment(ss::hor_alignment_t) override {}
  void set_xf_vertical_alignment(ss::ver_alignment_t) override {}
  std::size_t commit_cell_style_xf() override { return 0; }
  std::size_t commit_dxf() override { return 0; }
  void set_cell_style_count(std::size_t) override {}
  void set_cell_style_name(std::string_view) override {}
  void set_cell_style_xf(std::size_t) override {}
  void set_cell_style_builtin(std::size_t) override {}
  void set_cell_style_parent_name(std::string_view) override {}
  std::size_t commit_cell_style() override { return 0; }

 private:
  std::unordered_map<std::size_t, std::string> codes_;
  std::vector<std::size_t> xfFormat_;
  std::size_t id_ = 0, xfNeu_ = 0;
  std::string code_;
};

class Blatt;

// The stored result of a formula cell.
class Formel : public ss::iface::import_formula {
 public:
  explicit Formel(Blatt& blatt) : blatt_(blatt) {}
  void set_position(ss::row_t zeile, ss::col_t spalte) override {
    zeile_ = zeile;
    spalte_ = spalte;
  }
  void set_formula(ss::formula_grammar_t, std::string_view) override {}
  void set_shared_formula_index(std::size_t) override {}
  void set_result_string(std::string_view wert) override { text_ = std::string(wert), art_ = 1; }
  void set_result_value(double wert) override { zahl_ = wert, art_ = 2; }
  void set_result_bool(bool wert) override { zahl_ = wert ? 1 : 0, art_ = 3; }
  void set_result_empty() override { art_ = 0; }
  void commit() override;

 private:
  Blatt& blatt_;
  ss::row_t zeile_ = 0;
  ss::col_t spalte_ = 0;
  int art_ = 0;  // 0 none, 1 text, 2 number, 3 truth value
  std::string text_;
  double zahl_ = 0;
};

class Blatt : public ss::iface::import_sheet {
 public:
  Blatt(Sammler* sammler, const Texte& texte) : sammler_(sammler), texte_(texte), formel_(*this) {}

  ss::iface::import_formula* get_formula() override { return sammler_ ? &formel_ : nullptr; }
  void set_auto(ss::row_t z, ss::col_t s, std::string_view text) override {
    if (sammler_) sammler_->Text(z, s, text);
  }
  void set_string(ss::row_t z, ss::col_t s, ss::string_id_t i) override {
    if (!sammler_) return;
    if (i >= texte_.texte.size()) throw Abbruch{QStringLiteral("Die Datei verweist auf einen Text, den sie nicht enthält.")};
    sammler_->Text(z, s, texte_.texte[i]);
  }
  void set_value(ss::row_t z, ss::col_t s, double wert) override {
    if (sammler_) sammler_->Zahl(z, s, wert);
  }
  void set_bool(ss::row_t z, ss::col_t s, bool wert) override {
    if (sammler_) sammler_->Zahl(z, s, wert ? 1 : 0, Blattinhalt::Art::Wahrheitswert);
  }
  void set_date_time(ss::row_t z, ss::col_t s, int jahr, int monat, int tag, int stunde, int minute, double sekunde) override {
    if (!sammler_) return;
    if (jahr < 1 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1 || tag > 31)
      throw Abbruch{QStringLiteral("Die Datei enthält ein ungültiges Datum.")};
    const double zeit = (stunde * 3600.0 + minute * 60.0 + (std::isfinite(sekunde) ? sekunde : 0.0)) / 86400.0;
    sammler_->Zahl(z, s, TageSeit1899(jahr, monat, tag) + std::clamp(zeit, 0.0, 1.0), Blattinhalt::Art::Datum);
  }
  // A number cell formatted as a date becomes a date; the formats may come after the cells.
  void set_format(ss::row_t z, ss::col_t s, std::size_t xf) override {
    if (sammler_ && xf != 0 && format_.size() < Blattgrenzen::Zellen) format_[Schluessel(z, s)] = xf;
  }
  void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override {}
  void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override {}
  ss::range_size_t get_sheet_size() const override { return {static_cast<ss::row_t>(MaxZeilen), static_cast<ss::col_t>(MaxSpalten)}; }

  static std::uint64_t Schluessel(std::int64_t z, std::int64_t s) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(z)) << 32) | static_cast<std::uint32_t>(s);
  }
  Sammler* sammler_;  // null for every sheet but the first
  std::unordered_map<std::uint64_t, std::size_t> format_;

 private:
  const Texte& texte_;
  Formel formel_;
};

void Formel::commit() {
  if (!blatt_.sammler_) return;
  if (art_ == 1) blatt_.set_auto(zeile_, spalte_, text_);
  else if (art_ == 2) blatt_.set_value(zeile_, spalte_, zahl_);
  else if (art_ == 3) blatt_.set_bool(zeile_, spalte_, zahl_ != 0);
  art_ = 0;
}

// The date system of the workbook: serial numbers count from 1900 or (old Mac workbooks) from 1904.
class Einstellungen1904 : public ss::iface::import_global_settings {
 public:
  void set_origin_date(int jahr, int monat, int tag) override { ursprung = TageSeit1899(jahr, monat, tag); }
  void set_default_formula_grammar(ss::formula_grammar_t g) override { grammatik_ = g; }
  ss::formula_grammar_t get_default_formula_grammar() const override { return grammatik_; }
  void set_character_set(orcus::character_set_t) override {}
  double ursprung = 0;  // days since 30.12.1899 of serial number 0

 private:
  ss::formula_grammar_t grammatik_ = ss::formula_grammar_t::unknown;
};

// Cell references such as "B12", "$AA$3" or "B2:C9" (the sheet name in front is left out).
class Bezuege : public ss::iface::import_reference_resolver {
 public:
  ss::src_address_t resolve_address(std::string_view text) override {
    if (const auto ausruf = text.rfind('!'); ausruf != std::string_view::npos) text.remove_prefix(ausruf + 1);
    std::int64_t spalte = 0, zeile = 0;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '$') ++i;
    const std::size_t buchstaben = i;
    for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i) {
      spalte = spalte * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
      if (spalte > MaxSpalten) throw Abbruch{Falsch()};
    }
    if (i == buchstaben) throw Abbruch{Falsch()};
    if (i < text.size() && text[i] == '$') ++i;
    const std::size_t ziffern = i;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      zeile = zeile * 10 + (text[i] - '0');
      if (zeile > MaxZeilen) throw Abbruch{Falsch()};
    }
    if (i == ziffern || i != text.size() || zeile == 0) throw Abbruch{Falsch()};
    return {0, static_cast<ss::row_t>(zeile - 1), static_cast<ss::col_t>(spalte - 1)};
  }
  ss::src_range_t resolve_range(std::string_view text) override {
    const auto teiler = text.find(':');
    if (teiler == std::string_view::npos) {
      const auto a = resolve_address(text);
      return {a, a};
    }
    return {resolve_address(text.substr(0, teiler)), resolve_address(text.substr(teiler + 1))};
  }

 private:
  static QString Falsch() { return QStringLiteral("Die Datei enthält einen ungültigen Zellbezug."); }
};

class Fabrik : public ss::iface::import_factory {
 public:
  ss::iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override { return &bezuege_; }
  ss::iface::import_global_settings* get_global_settings() override { return &einstellungen_; }
  explicit Fabrik(bool mitFormaten) : mitFormaten_(mitFormaten) {}
  ss::iface::import_shared_strings* get_shared_strings() override { return &texte_; }
  // OpenDocument dates come as dates; only the other formats need the number formats.
  ss::iface::import_styles* get_styles() override { return mitFormaten_ ? &formate_ : nullptr; }
  ss::iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
    if (blaetter_.size() >= 1024) throw Abbruch{QStringLiteral("Die Datei enthält zu viele Tabellenblätter.")};
    blaetter_.push_back(std::make_unique<Blatt>(blaetter_.empty() ? &sammler_ : nullptr, texte_));
    namen_.emplace_back(name);
    return blaetter_.back().get();
  }
  ss::iface::import_sheet* get_sheet(std::string_view name) override {
    for (std::size_t i = 0; i < namen_.size(); ++i)
      if (namen_[i] == name) return blaetter_[i].get();
    return nullptr;
  }
  ss::iface::import_sheet* get_sheet(ss::sheet_t index) override {
    return index >= 0 && static_cast<std::size_t>(index) < blaetter_.size() ? blaetter_[static_cast<std::size_t>(index)].get() : nullptr;
  }
  void finalize() override {}

  Blattinhalt Fertig() {
    if (blaetter_.empty()) throw Abbruch{QStringLiteral("Die Datei enthält kein Tabellenblatt.")};
    Blattinhalt b = sammler_.Fertig();
    // Numbers formatted as dates are dates (days since 30.12.1899, as the serial numbers count).
    const auto& format = blaetter_.front()->format_;
    if (!format.empty())
      for (auto& c : b.zellen)
        if (c.art == Blattinhalt::Art::Zahl)
          if (const auto f = format.find(Blatt::Schluessel(c.zeile, c.spalte)); f != format.end() && formate_.Datum(f->second)) {
            c.art = Blattinhalt::Art::Datum;
            // The 1900 system counts a 29 February 1900 that never was.
            c.zahl = einstellungen_.ursprung != 0 ? c.zahl + einstellungen_.ursprung : c.zahl < 60 ? c.zahl + 1 : c.zahl;
          }
    return b;
  }

 private:
  bool mitFormaten_;
  Sammler sammler_;
  Texte texte_;
  Formate formate_;
  std::vector<std::unique_ptr<Blatt>> blaetter_;
  std::vector<std::string> namen_;
  Bezuege bezuege_;
  Einstellungen1904 einstellungen_;
};

// ---------------------------------------------------------------------------------------------
// .xls (Excel 97-2003 and 5.0/95): the compound file and the BIFF records of the first worksheet.

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
  auto achtBit = [&](std::string_view b) { return QString(codepage.decode(QByteArrayView(b.data(), static_cast<qsizetype>(b.size())))).toStdString(); };
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
  std::optional<std::pair<std::uint32_t, std::uint32_t>> formelText;  // a formula whose text result follows
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
          for (std::size_t i = 0; 4 + i * 6 + 6 <= n - 2; ++i) zahl(z, erste + static_cast<std::uint32_t>(i), U16(p + 4 + i * 6), RkWert(U32(p + 6 + i * 6)));
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
            formelText = std::make_pair(z, sp);  // the text follows in a STRING record
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
          sammler.Text(formelText->first, formelText->second, text);
          formelText.reset();
        }
        break;
      default: break;
    }
  }
  return sammler.Fertig();
}

// ---------------------------------------------------------------------------------------------

Blattinhalt OrcusLesen(std::string_view daten) {
  if (const auto grund = ZipPruefen(daten)) throw Abbruch{*grund};
  const auto format = orcus::detect(reinterpret_cast<const unsigned char*>(daten.data()), daten.size());
  if (format == orcus::format_t::xlsx) {
    Fabrik fabrik(true);
    orcus::orcus_xlsx filter(&fabrik);
    filter.read_stream(daten);
    return fabrik.Fertig();
  }
  if (format == orcus::format_t::ods) {
    Fabrik fabrik(false);
    orcus::orcus_ods filter(&fabrik);
    filter.read_stream(daten);
    return fabrik.Fertig();
  }
  throw Abbruch{QStringLiteral("Das Dateiformat wird nicht erkannt; lesbar sind .xlsx, .xlsm, .ods und .xls.")};
}
}  // namespace

std::optional<QString> ZipPruefen(std::string_view daten) {
  const auto* d = reinterpret_cast<const unsigned char*>(daten.data());
  const std::size_t n = daten.size();
  const QString defekt = QStringLiteral("Die Datei ist kein lesbares Archiv.");
  // The end of the central directory lies in the last 64 KB + 22 bytes.
  if (n < 22) return defekt;
  std::optional<std::size_t> ende;
  for (std::size_t i = n - 22 + 1; i-- > 0 && n - i <= 65557;)
    if (U32(d + i) == 0x06054b50u) {
      ende = i;
      break;
    }
  if (!ende) return defekt;
  const std::uint16_t eintraege = U16(d + *ende + 10);
  const std::uint32_t groesse = U32(d + *ende + 12), beginn = U32(d + *ende + 16);
  if (beginn == 0xFFFFFFFFu || eintraege == 0xFFFF) return QStringLiteral("Archive im ZIP64-Format liest das Programm nicht ein.");
  if (std::uint64_t{beginn} + groesse > *ende) return defekt;
  std::size_t pos = beginn;
  std::uint64_t summe = 0;
  for (std::uint16_t e = 0; e < eintraege; ++e) {
    if (pos + 46 > *ende || U32(d + pos) != 0x02014b50u) return defekt;
    const std::uint16_t methode = U16(d + pos + 10);
    const std::uint32_t gepackt = U32(d + pos + 20), entpackt = U32(d + pos + 24);
    const std::uint16_t nameLaenge = U16(d + pos + 28), extra = U16(d + pos + 30), kommentar = U16(d + pos + 32);
    const std::uint32_t lokal = U32(d + pos + 42);
    auto moeglich = [&](std::uint32_t c, std::uint32_t u) {
      if (c == 0xFFFFFFFFu || u == 0xFFFFFFFFu) return false;
      if (methode == 0) return c == u;
      return std::uint64_t{u} <= 1100ull * c + 65536;  // deflate grows data at most about 1030 times
    };
    if (!moeglich(gepackt, entpackt) || entpackt > Blattgrenzen::ZipEintrag)
      return QStringLiteral("Ein Eintrag der Datei gibt eine unmögliche Größe an; die Datei ist beschädigt oder manipuliert.");
    summe += entpackt;
    // The local header in front of the data must lie inside the file and claim no other sizes.
    if (std::uint64_t{lokal} + 30 > n || U32(d + lokal) != 0x04034b50u) return defekt;
    const std::uint16_t lokalFlags = U16(d + lokal + 6);
    const std::uint32_t lokalGepackt = U32(d + lokal + 18), lokalEntpackt = U32(d + lokal + 22);
    if (!(lokalFlags & 0x08) && (lokalGepackt != gepackt || lokalEntpackt != entpackt))
      return QStringLiteral("Ein Eintrag der Datei gibt eine unmögliche Größe an; die Datei ist beschädigt oder manipuliert.");
    if (std::uint64_t{lokal} + 30 + U16(d + lokal + 26) + U16(d + lokal + 28) + gepackt > n) return defekt;
    pos += 46u + nameLaenge + extra + kommentar;
  }
  if (summe > 2 * Blattgrenzen::ZipEintrag) return QStringLiteral("Die Datei ist zu groß.");
  return std::nullopt;
}

Blattergebnis BlattLesen(std::string_view daten) {
  // The libraries read numbers with the C library: always in its "C" form, whatever the locale.
  const CZahlenformat cZahlen;
  try {
    if (daten.size() >= 8 && std::memcmp(daten.data(), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) == 0) return XlsLesen(daten);
    return OrcusLesen(daten);
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
