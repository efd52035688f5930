// Downloads from the update server: one transfer routine for all of them, and the draw history
// and version files they fetch.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

// The update server's "/downloads/" address (a build setting; tests point it at a loopback server).
QString UpdateServer();
void UpdateServerSetzen(const QString& adresse);  // empty: the built-in address again

// True at program start: the update window asks before it downloads missing draws. Set to false by
// the places where the player has already agreed.
extern bool DownloadFragen;

struct Uebertragung {
  bool ok = false;
  QString grund;  // why it failed, for the player
};

// What a caller may watch and stop while a transfer runs (from another thread).
struct UebertragungsStand {
  std::atomic<std::int64_t> bytes{0};
  std::atomic<bool> abbrechen{false};
};

// Transfers the file at url once into the temporary test file and, when the server answered with
// success (2xx), the body holds at least 4 bytes and pruefen (if given) accepts it, replaces ziel
// from it; otherwise ziel stays as it was. Agent "Kelvaro", the system's proxy settings, HTTPS with
// certificate checks, no cached answers.
Uebertragung UrlDownload(const QString& url, const QString& ziel,
                         const std::function<std::optional<QString>(const QByteArray&)>& pruefen = {},
                         UebertragungsStand* stand = nullptr);

// A draw history as the server must send it: whole 16-byte records, at least one, five different
// numbers from 1 to 35 in each, dates not decreasing. Returns the reason when it is not.
std::optional<QString> ZiehungsdateiPruefen(const QByteArray& daten);

// The version text of the last whole 24-byte record of a version file (length byte above 15 reads
// as 15); nothing when the file holds no whole record.
std::optional<QString> VerfuegbareVersion(const QByteArray& daten);
// One 24-byte version record.
QByteArray VersionsSatz(const QString& version, double datum);
