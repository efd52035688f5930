// A small HTTP server on 127.0.0.1 for the download tests: serves fixed answers per path from a
// thread of its own, started and stopped by the test.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include <QByteArray>
#include <QString>

class TestServer {
 public:
  TestServer();   // listens on a free port of 127.0.0.1
  ~TestServer();  // stops and closes

  // The answer for a path (e.g. "/downloads/GZ.535"); unknown paths get 404.
  void Setzen(const std::string& pfad, const QByteArray& inhalt, int status = 200);
  // A slow server for a path: the body in pieces of `stueck` bytes with `pauseMs` between them, and
  // once, halfway, a stall of `stockenMs`.
  struct Drossel {
    int stueck = 0;
    int pauseMs = 0;
    int stockenMs = 0;
  };
  void Drosseln(const std::string& pfad, Drossel drossel);
  QString Adresse() const;  // "http://127.0.0.1:<port>/downloads/"
  int Anfragen(const std::string& pfad) const;

  // A port on which nobody listens (for a refused connection).
  static QString FreieAdresse();

 private:
  void Bedienen();
  int socket_ = -1;
  int port_ = 0;
  std::atomic<bool> ende_{false};
  std::thread faden_;
  mutable std::mutex sperre_;
  std::map<std::string, std::pair<int, QByteArray>> antworten_;
  std::map<std::string, int> anfragen_;
  std::map<std::string, Drossel> drosseln_;
};
