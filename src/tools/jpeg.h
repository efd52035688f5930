// Pictures as JPEG files: progressive, at a chosen quality.
#pragma once

#include <cstdint>

#include <QString>

#include "core/meldung.h"

// Writes an RGB picture (3 bytes per pixel, rows of `zeilenBytes`) as a progressive JPEG file at
// quality 36..100; the previous file is replaced only after a complete write.
Ergebnis JpegSchreiben(const std::uint8_t* rgb, int breite, int hoehe, int zeilenBytes, int qualitaet, const QString& pfad);
