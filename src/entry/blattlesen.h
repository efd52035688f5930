// Reading the first worksheet of a workbook (.xlsx, .xlsm, .ods, .xls) into its cell values. Files
// a player receives from others are untrusted: every reader here bounds its work by what the file
// really holds (only cells that exist are kept, claimed sizes are checked before anything is
// allocated, sheets beyond a sane size are refused with the reason).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QString>

// The values of one worksheet; rows and columns count from 0.
struct Blattinhalt {
  enum class Art : std::uint8_t { Text, Zahl, Datum, Wahrheitswert };
  struct Zelle {
    std::uint32_t zeile = 0;
    std::uint32_t spalte = 0;
    Art art = Art::Text;
    std::uint32_t text = 0;  // Text: index into texte
    double zahl = 0;         // Zahl; Datum: days since 30.12.1899 (with a fraction for the time); Wahrheitswert: 0 or 1
  };
  std::uint32_t zeilen = 0;        // last row holding a value + 1 (0: no value at all)
  std::uint32_t spalten = 0;       // last column holding a value + 1
  std::vector<std::string> texte;  // UTF-8, each once
  std::vector<Zelle> zellen;       // ordered by row, then column; one per cell

  bool operator==(const Blattinhalt&) const = default;
};
inline bool operator==(const Blattinhalt::Zelle& a, const Blattinhalt::Zelle& b) {
  return a.zeile == b.zeile && a.spalte == b.spalte && a.art == b.art && a.text == b.text &&
         (a.zahl == b.zahl || (a.zahl != a.zahl && b.zahl != b.zahl));
}

// The limits of a sheet the program reads.
namespace Blattgrenzen {
inline constexpr std::uint32_t Zellen = 1'000'000;       // cells holding a value
inline constexpr std::uint64_t LeereFlaeche = 65'536;    // the used range may exceed 64 cells per value by this much
inline constexpr std::uint64_t ZipEintrag = 1ull << 30;  // uncompressed bytes of one archive entry
}  // namespace Blattgrenzen

// The first worksheet, or the reason (German, one or two sentences) why it cannot be read.
using Blattergebnis = std::variant<Blattinhalt, QString>;
Blattergebnis BlattLesen(std::string_view daten);

// Checks the entries of a zip archive before it is opened: every entry inside the file, its claimed
// size possible for its compression (deflate cannot grow data more than about 1030 times) and
// below the limit. Returns the reason when the archive is refused.
std::optional<QString> ZipPruefen(std::string_view daten);

// The sheet as bytes between the reader process and the program, and back; decoding checks every
// index and bound and refuses what does not fit.
QByteArray BlattKodieren(const Blattergebnis& ergebnis);
std::optional<Blattergebnis> BlattDekodieren(const QByteArray& daten);
