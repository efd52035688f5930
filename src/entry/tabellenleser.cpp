// kelvaro-tabellenleser: reads the first worksheet of a workbook file for the program, in a
// process of its own, so that a crash, a hang or an over-allocation inside a spreadsheet library
// ends only this process. The program starts it with the file's path and limits its time and
// memory; the sheet (or the reason it cannot be read) goes to standard output.
#include <cstdio>
#include <string>

#include <QFile>

#include "core/programmwerte.h"
#include "entry/blattlesen.h"

namespace {
// Files of more than this are no workbooks a player exchanges.
constexpr qint64 MaxDatei = 512ll << 20;

int Ausgeben(const QByteArray& daten) {
  std::size_t geschrieben = 0;
  while (geschrieben < static_cast<std::size_t>(daten.size())) {
    const std::size_t n = std::fwrite(daten.constData() + geschrieben, 1, static_cast<std::size_t>(daten.size()) - geschrieben, stdout);
    if (n == 0) return 1;
    geschrieben += n;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Aufruf: kelvaro-tabellenleser <Datei>\n", stderr);
    return 2;
  }
  GebietsschemaFestlegen();  // the reasons name numbers in the program's German form
  QFile datei(QFile::decodeName(argv[1]));
  if (!datei.open(QIODevice::ReadOnly)) return Ausgeben(BlattKodieren(datei.errorString()));
  if (datei.size() > MaxDatei) return Ausgeben(BlattKodieren(QStringLiteral("Die Datei ist zu groß.")));
  const QByteArray inhalt = datei.readAll();
  if (datei.error() != QFileDevice::NoError) return Ausgeben(BlattKodieren(datei.errorString()));
  return Ausgeben(BlattKodieren(BlattLesen(std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())))));
}
