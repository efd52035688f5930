#include "transfer.h"

#include <cmath>
#include <cstring>
#include <mutex>

#include <QFile>
#include <QRegularExpression>

#include <curl/curl.h>

#include "core/datei.h"
#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/var_def.h"

#ifndef KELVARO_UPDATE_SERVER
#define KELVARO_UPDATE_SERVER "https://updates.kelvaro.example/downloads/"
#endif

bool DownloadFragen = true;

namespace {
QString& ServerUeberschrieben() {
  static QString adresse;
  return adresse;
}

struct Ziel {
  QFile* datei;
  Arbeitsstand* stand;
};

size_t Schreiben(char* daten, size_t groesse, size_t anzahl, void* nutzer) {
  auto* z = static_cast<Ziel*>(nutzer);
  const qint64 n = z->datei->write(daten, static_cast<qint64>(groesse * anzahl));
  return n < 0 ? 0 : static_cast<size_t>(n);
}

// Why a transfer failed, in a German sentence.
QString CurlGrund(CURLcode rc) {
  switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return QStringLiteral("Der Server ist unter seinem Namen nicht zu finden.");
    case CURLE_COULDNT_CONNECT: return QStringLiteral("Der Server ist nicht erreichbar.");
    case CURLE_OPERATION_TIMEDOUT: return QStringLiteral("Der Server hat zu lange nicht geantwortet.");
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING: return QStringLiteral("Die Verbindung zum Server ist abgerissen.");
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE: return QStringLiteral("Die sichere Verbindung zum Server ist nicht zustande gekommen.");
    case CURLE_WRITE_ERROR: return QStringLiteral("Die Zwischendatei kann nicht geschrieben werden.");
    default: return QStringLiteral("Die Übertragung ist gescheitert (%1).").arg(QString::fromUtf8(curl_easy_strerror(rc)));
  }
}

int Fortschritt(void* nutzer, curl_off_t, curl_off_t jetzt, curl_off_t, curl_off_t) {
  auto* stand = static_cast<Arbeitsstand*>(nutzer);
  if (!stand) return 0;
  stand->fortschritt = static_cast<std::int64_t>(jetzt);
  return stand->abbrechen ? 1 : 0;  // non-zero ends the transfer
}
}  // namespace

QString UpdateServer() {
  QString a = ServerUeberschrieben().isEmpty() ? QStringLiteral(KELVARO_UPDATE_SERVER) : ServerUeberschrieben();
  if (!a.endsWith(QLatin1Char('/'))) a += QLatin1Char('/');
  return a;
}

void UpdateServerSetzen(const QString& adresse) { ServerUeberschrieben() = adresse; }

Uebertragung UrlDownload(const QString& url, const QString& ziel, const std::function<std::optional<QString>(const QByteArray&)>& pruefen,
                         Arbeitsstand* stand) {
  static std::once_flag curlBereit;
  std::call_once(curlBereit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  const QString test = Werte().testDatei;
  QFile::remove(test);
  QFile datei(test);
  // A new file (O_EXCL): whatever is in its place now, a link included, is never written through.
  if (!datei.open(QIODevice::ReadWrite | QIODevice::NewOnly))
    return {false, false, QStringLiteral("Die Zwischendatei %1 kann nicht angelegt werden (%2).").arg(test, datei.errorString())};

  CURL* curl = curl_easy_init();
  if (!curl) return {false, false, QStringLiteral("Die Übertragung kann nicht beginnen.")};
  Ziel z{&datei, stand};
  const QByteArray adresse = url.toUtf8();
  char fehler[CURL_ERROR_SIZE] = {};
  curl_slist* kopf = nullptr;
  kopf = curl_slist_append(kopf, "Cache-Control: no-cache");  // the server is asked afresh, never a cache
  kopf = curl_slist_append(kopf, "Pragma: no-cache");
  curl_easy_setopt(curl, CURLOPT_URL, adresse.constData());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Kelvaro");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, kopf);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);  // a stalled server ends the transfer after a minute
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, fehler);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Schreiben);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &z);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Fortschritt);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, stand);
  const CURLcode rc = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_slist_free_all(kopf);
  curl_easy_cleanup(curl);

  if (rc != CURLE_OK) {
    if (rc == CURLE_ABORTED_BY_CALLBACK) return {false, true, {}};
    return {false, false, CurlGrund(rc)};
  }
  // An error page is not a file.
  if (status < 200 || status > 299)
    return {false, false, QStringLiteral("Der Server hat die Datei nicht geliefert (HTTP-Status %1).").arg(status)};
  datei.flush();
  datei.seek(0);
  const QByteArray inhalt = datei.readAll();
  datei.close();
  if (inhalt.size() < 4) return {false, false, QStringLiteral("Der Server hat keine Datei geliefert.")};
  if (pruefen)
    if (const auto grund = pruefen(inhalt)) return {false, false, *grund};
  const Ergebnis e = DateiSicherSchreiben(ziel, inhalt);
  if (!e.ok()) return {false, false, e.fehler};
  return {true, false, {}};
}

std::optional<QString> ZiehungsdateiPruefen(const QByteArray& daten) {
  if (daten.isEmpty() || daten.size() % static_cast<qsizetype>(sizeof(TGewZahlen)) != 0)
    return QStringLiteral("Die Datei der Gewinnzahlen ist unvollständig.");
  double vorher = -1e300;
  const auto n = daten.size() / static_cast<qsizetype>(sizeof(TGewZahlen));
  for (qsizetype i = 0; i < n; ++i) {
    TGewZahlen z;
    std::memcpy(&z, daten.constData() + i * static_cast<qsizetype>(sizeof z), sizeof z);
    TZahlenMenge m;
    for (std::uint8_t zahl : z.GZ) {
      if (zahl < 1 || zahl > MaxZahl || m.Enthaelt(zahl))
        return QStringLiteral("Die Datei der Gewinnzahlen enthält eine ungültige Ziehung (Satz %1).").arg(i + 1);
      m.Einschliessen(zahl);
    }
    if (!DatumAlsQDate(z.datum).isValid() || z.datum != std::floor(z.datum))
      return QStringLiteral("Die Datei der Gewinnzahlen enthält ein ungültiges Datum (Satz %1).").arg(i + 1);
    if (!(z.datum >= vorher)) return QStringLiteral("Die Ziehungen der Datei sind nicht nach dem Datum geordnet (Satz %1).").arg(i + 1);
    vorher = z.datum;
  }
  return std::nullopt;
}

std::optional<QString> VerfuegbareVersion(const QByteArray& daten) {
  constexpr qsizetype Satz = 24;
  const qsizetype saetze = daten.size() / Satz;
  if (saetze == 0) return std::nullopt;
  const char* letzter = daten.constData() + (saetze - 1) * Satz;
  const int laenge = std::min(static_cast<unsigned char>(letzter[8]), static_cast<unsigned char>(15));
  const QString text = QString::fromLatin1(letzter + 9, laenge);
  static const QRegularExpression version(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
  if (!version.match(text).hasMatch()) return std::nullopt;
  return text;
}

QByteArray VersionsSatz(const QString& version, double datum) {
  QByteArray satz(24, '\0');
  std::memcpy(satz.data(), &datum, 8);
  const QByteArray text = version.toLatin1().left(15);
  satz[8] = static_cast<char>(text.size());
  std::memcpy(satz.data() + 9, text.constData(), static_cast<std::size_t>(text.size()));
  return satz;
}
