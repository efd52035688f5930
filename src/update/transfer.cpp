#include "transfer.h"

#include <cstring>
#include <mutex>

#include <QFile>

#include <curl/curl.h>

#include "core/datei.h"
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
  UebertragungsStand* stand;
};

size_t Schreiben(char* daten, size_t groesse, size_t anzahl, void* nutzer) {
  auto* z = static_cast<Ziel*>(nutzer);
  const qint64 n = z->datei->write(daten, static_cast<qint64>(groesse * anzahl));
  return n < 0 ? 0 : static_cast<size_t>(n);
}

int Fortschritt(void* nutzer, curl_off_t, curl_off_t jetzt, curl_off_t, curl_off_t) {
  auto* stand = static_cast<UebertragungsStand*>(nutzer);
  if (!stand) return 0;
  stand->bytes = static_cast<std::int64_t>(jetzt);
  return stand->abbrechen ? 1 : 0;  // non-zero ends the transfer
}
}  // namespace

QString UpdateServer() {
  QString a = ServerUeberschrieben().isEmpty() ? QStringLiteral(KELVARO_UPDATE_SERVER) : ServerUeberschrieben();
  if (!a.endsWith(QLatin1Char('/'))) a += QLatin1Char('/');
  return a;
}

void UpdateServerSetzen(const QString& adresse) { ServerUeberschrieben() = adresse; }

Uebertragung UrlDownload(const QString& url, const QString& ziel,
                         const std::function<std::optional<QString>(const QByteArray&)>& pruefen, UebertragungsStand* stand) {
  static std::once_flag curlBereit;
  std::call_once(curlBereit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  const QString test = Werte().testDatei;
  QFile::remove(test);
  QFile datei(test);
  if (!datei.open(QIODevice::WriteOnly)) return {false, datei.errorString()};

  CURL* curl = curl_easy_init();
  if (!curl) return {false, QStringLiteral("Die Übertragung kann nicht beginnen.")};
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
  datei.close();

  if (rc != CURLE_OK) {
    if (rc == CURLE_ABORTED_BY_CALLBACK) return {false, QStringLiteral("Die Übertragung wurde abgebrochen.")};
    return {false, QString::fromUtf8(*fehler ? fehler : curl_easy_strerror(rc))};
  }
  // An error page is not a file.
  if (status < 200 || status > 299) return {false, QStringLiteral("Der Server antwortet mit dem Status %1.").arg(status)};
  if (!datei.open(QIODevice::ReadOnly)) return {false, datei.errorString()};
  const QByteArray inhalt = datei.readAll();
  datei.close();
  if (inhalt.size() < 4) return {false, QStringLiteral("Der Server hat keine Datei geliefert.")};
  if (pruefen)
    if (const auto grund = pruefen(inhalt)) return {false, *grund};
  const Ergebnis e = DateiSicherSchreiben(ziel, inhalt);
  if (!e.ok()) return {false, e.fehler};
  return {true, {}};
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
      if (zahl < 1 || zahl > MaxZahl || m.Enthaelt(zahl)) return QStringLiteral("Die Datei der Gewinnzahlen enthält eine ungültige Ziehung (Satz %1).").arg(i + 1);
      m.Einschliessen(zahl);
    }
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
  return QString::fromLatin1(letzter + 9, laenge);
}

QByteArray VersionsSatz(const QString& version, double datum) {
  QByteArray satz(24, '\0');
  std::memcpy(satz.data(), &datum, 8);
  const QByteArray text = version.toLatin1().left(15);
  satz[8] = static_cast<char>(text.size());
  std::memcpy(satz.data() + 9, text.constData(), static_cast<std::size_t>(text.size()));
  return satz;
}
