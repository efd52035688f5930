// One fuzz target per reader of the program. Built with libFuzzer (./build.sh fuzz) each target is
// a program of its own; in the normal build all targets are linked into one replay driver that
// feeds every file of a target's corpus to it (the regression test of ctest).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <QByteArray>
#include <QString>

using ZielFunktion = int (*)(const std::uint8_t* daten, std::size_t groesse);
bool ZielEintragen(const char* name, ZielFunktion funktion);

// A file with these bytes, for readers that take a path (one file per process, rewritten each time).
QString ZielDatei(const std::uint8_t* daten, std::size_t groesse, const char* endung = "");
// Process-wide preparation: the German formats, a data folder of its own.
void ZielVorbereiten();

#ifdef KELVARO_LIBFUZZER
#define KELVARO_FUZZ_ZIEL(name)                        \
  extern "C" int LLVMFuzzerInitialize(int*, char***) { \
    ZielVorbereiten();                                 \
    return 0;                                          \
  }                                                    \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
#else
#define KELVARO_FUZZ_ZIEL(name)                                              \
  static int Ziel_##name(const std::uint8_t* daten, std::size_t groesse);    \
  static const bool eingetragen_##name = ZielEintragen(#name, &Ziel_##name); \
  static int Ziel_##name(const std::uint8_t* daten, std::size_t groesse)
#endif
