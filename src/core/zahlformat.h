// Numbers in files are written and read independent of the C library's locale.
#pragma once

#include <locale.h>

// While it lives, the calling thread formats and parses numbers with the C library (printf, strtod,
// also inside other libraries) in the "C" locale, whatever LC_NUMERIC the process has: a German
// LC_NUMERIC would make a library write "8,5" into a file or stop reading "2.5" at the point.
class CZahlenformat {
 public:
  CZahlenformat();
  ~CZahlenformat();
  CZahlenformat(const CZahlenformat&) = delete;
  CZahlenformat& operator=(const CZahlenformat&) = delete;

 private:
  locale_t c_;
  locale_t vorher_;
};
