// Integer texts as the program reads them (settings, pasted numbers, typed rows).
#pragma once

#include <optional>

#include <QString>

// Blanks around the number are ignored; optional sign; decimal, or hexadecimal with "$" or "0x".
std::optional<int> TextAlsGanzzahl(const QString& text);

// The conversion message for a text that is no integer: "'abc' ist kein gültiger Integerwert".
QString KeinIntegerwert(const QString& text);
