// Test seams of the logic: a fresh data folder per test, draw and ticket fixtures. Tests that open
// no window link only this (and the logic library).
#pragma once

#include <sys/resource.h>

#include <csignal>

#include <array>
#include <ostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/tabelle.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Makes writes beyond a size fail for the lifetime of the object, like a full disk.
struct DateiGroessenGrenze {
  rlimit alt{};
  explicit DateiGroessenGrenze(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit neu = alt;
    neu.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &neu);
  }
  ~DateiGroessenGrenze() { setrlimit(RLIMIT_FSIZE, &alt); }
};

// Each test gets an empty data folder, an empty draw list and no reachable update server.
class LogikTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  QString Pfad(const QString& name) const;
  // A draw history file with draws (date text "dd.MM.yyyy", five numbers).
  void ZiehungenSchreiben(const std::vector<std::pair<QString, std::vector<int>>>& ziehungen,
                          const QString& name = QStringLiteral("GZ.535"));
  QByteArray DateiInhalt(const QString& name) const;

  QTemporaryDir tmp;
};

// One 16-byte record of a draw history file.
QByteArray ZiehungsSatz(const char* datum, std::array<int, 5> zahlen);

// A row table with these rows.
Tabelle Reihen(const std::vector<std::vector<int>>& reihen);
