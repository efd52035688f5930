// Downloads from the update server: one transfer routine for all of them, and the draw history
// and version files they fetch.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

#include "core/arbeitsstand.h"

// The update server's "/downloads/" address (a build setting; tests point it at a loopback server).
QString UpdateServer();
void UpdateServerSetzen(const QString& adresse);  // empty: the built-in address again

// True at program start: the update window asks before it downloads missing draws. Set to false by
// the places where the player has already agreed.
extern bool DownloadFragen;

struct Uebertragung {
  bool ok = false;
  bool abgebrochen = false;  // the player cancelled it: no failure
  QString grund;             // why it failed, one German sentence for the player (may be empty)
};

// Transfers the file at url once into the temporary test file and, when the server answered with
// success (2xx), the body holds at least 4 bytes and pruefen (if given) accepts it, replaces ziel
// from it; otherwise ziel stays as it was. Agent "Kelvaro", the system's proxy settings, HTTPS with
// certificate checks, no cached answers. The test file is created anew (never through a link left
// in its place) and read back through the same handle.
Uebertragung UrlDownload(const QString& url, const QString& ziel,
                         const std::function<std::optional<QString>(const QByteArray&)>& pruefen = {}, Arbeitsstand* stand = nullptr);

// A draw history as the server must send it: whole 16-byte records, at least one, five different
// numbers from 1 to 35 in each, dates not decreasing. Returns the reason when it is not.
std::optional<QString> ZiehungsdateiPruefen(const QByteArray& daten);

// The version text of the last whole 24-byte record of a version file (length byte above 15 reads
// as 15); nothing when the file holds no whole record or the text is no plain version (digits
// separated by single dots, at most 15 characters): an error page or random bytes are no version.
std::optional<QString> VerfuegbareVersion(const QByteArray& daten);
// One 24-byte version record.
QByteArray VersionsSatz(const QString& version, double datum);
