#include "jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

#include "core/datei.h"

namespace {
struct Fehlerbehandlung {
  jpeg_error_mgr basis;
  std::jmp_buf sprung;
  char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void Abbruch(j_common_ptr info) {
  auto* f = reinterpret_cast<Fehlerbehandlung*>(info->err);
  (*info->err->format_message)(info, f->text);
  std::longjmp(f->sprung, 1);
}
}  // namespace

Ergebnis JpegSchreiben(const std::uint8_t* rgb, int breite, int hoehe, int zeilenBytes, int qualitaet, const QString& pfad) {
  if (!rgb || breite <= 0 || hoehe <= 0) return {SchreibFehler(pfad, QStringLiteral("Das Bild ist leer."))};
  jpeg_compress_struct info;
  Fehlerbehandlung fehler{};
  info.err = jpeg_std_error(&fehler.basis);
  fehler.basis.error_exit = &Abbruch;
  // The output buffer lives in memory that a longjmp from libjpeg's error handler cannot leave stale.
  struct Ausgabe {
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    ~Ausgabe() { std::free(puffer); }
  };
  const auto aus = std::make_unique<Ausgabe>();
  if (setjmp(fehler.sprung)) {
    jpeg_destroy_compress(&info);
    return {SchreibFehler(pfad, QString::fromLocal8Bit(fehler.text))};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &aus->puffer, &aus->laenge);
  info.image_width = static_cast<JDIMENSION>(breite);
  info.image_height = static_cast<JDIMENSION>(hoehe);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(qualitaet, 36, 100), TRUE);
  jpeg_simple_progression(&info);  // after the defaults, which would reset it
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* zeile = const_cast<JSAMPROW>(rgb + static_cast<std::ptrdiff_t>(info.next_scanline) * zeilenBytes);
    jpeg_write_scanlines(&info, &zeile, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return DateiSicherSchreiben(pfad, QByteArray(reinterpret_cast<const char*>(aus->puffer), static_cast<qsizetype>(aus->laenge)));
}
