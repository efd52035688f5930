// The replay driver: feeds every file of a corpus to its fuzz target, without libFuzzer, so that a
// crash once found (and fixed) stays fixed in the normal test build.
//   fuzz_nachspielen <target> <corpus folder or file>...
#include <cstdio>
#include <map>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "ziel.h"

namespace {
std::map<std::string, ZielFunktion>& Ziele() {
  static std::map<std::string, ZielFunktion> ziele;
  return ziele;
}
}  // namespace

bool ZielEintragen(const char* name, ZielFunktion funktion) {
  Ziele()[name] = funktion;
  return true;
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3 || !Ziele().count(argv[1])) {
    std::fprintf(stderr, "Aufruf: fuzz_nachspielen <Ziel> <Korpus>...\nZiele:");
    for (const auto& [name, f] : Ziele()) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  ZielVorbereiten();
  const ZielFunktion ziel = Ziele()[argv[1]];
  QStringList dateien;
  for (int i = 2; i < argc; ++i) {
    const QString pfad = QFile::decodeName(argv[i]);
    if (QFileInfo(pfad).isDir()) {
      QDirIterator it(pfad, QDir::Files, QDirIterator::Subdirectories);
      while (it.hasNext()) dateien << it.next();
    } else {
      dateien << pfad;
    }
  }
  dateien.sort();
  for (const QString& pfad : dateien) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "%s: nicht lesbar\n", qPrintable(pfad));
      return 1;
    }
    const QByteArray daten = f.readAll();
    std::fprintf(stderr, "%s (%lld Bytes)\n", qPrintable(QFileInfo(pfad).fileName()), static_cast<long long>(daten.size()));
    ziel(reinterpret_cast<const std::uint8_t*>(daten.constData()), static_cast<std::size_t>(daten.size()));
  }
  std::printf("%s: %lld Dateien ohne Befund\n", argv[1], static_cast<long long>(dateien.size()));
  return dateien.isEmpty() ? 1 : 0;
}
