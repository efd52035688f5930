#include "testserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace {
int Lauschen(int& port) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  const int ja = 1;
  ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  ::listen(s, 16);
  socklen_t l = sizeof a;
  ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &l);
  port = ntohs(a.sin_port);
  return s;
}
}  // namespace

TestServer::TestServer() {
  socket_ = Lauschen(port_);
  faden_ = std::thread([this] { Bedienen(); });
}

TestServer::~TestServer() {
  ende_ = true;
  faden_.join();
  ::close(socket_);
}

void TestServer::Setzen(const std::string& pfad, const QByteArray& inhalt, int status) {
  std::lock_guard<std::mutex> g(sperre_);
  antworten_[pfad] = {status, inhalt};
}

void TestServer::Drosseln(const std::string& pfad, Drossel drossel) {
  std::lock_guard<std::mutex> g(sperre_);
  drosseln_[pfad] = drossel;
}

QString TestServer::Adresse() const { return QStringLiteral("http://127.0.0.1:%1/downloads/").arg(port_); }

int TestServer::Anfragen(const std::string& pfad) const {
  std::lock_guard<std::mutex> g(sperre_);
  const auto i = anfragen_.find(pfad);
  return i == anfragen_.end() ? 0 : i->second;
}

QString TestServer::FreieAdresse() {
  int port = 0;
  const int s = Lauschen(port);
  ::close(s);  // nobody listens there any more
  return QStringLiteral("http://127.0.0.1:%1/downloads/").arg(port);
}

void TestServer::Bedienen() {
  while (!ende_) {
    pollfd p{socket_, POLLIN, 0};
    if (::poll(&p, 1, 50) <= 0) continue;
    const int c = ::accept(socket_, nullptr, nullptr);
    if (c < 0) continue;
    std::string anfrage;
    char puffer[2048];
    while (anfrage.find("\r\n\r\n") == std::string::npos) {
      const ssize_t n = ::recv(c, puffer, sizeof puffer, 0);
      if (n <= 0) break;
      anfrage.append(puffer, static_cast<std::size_t>(n));
    }
    const auto a = anfrage.find(' '), b = anfrage.find(' ', a + 1);
    const std::string pfad = a == std::string::npos || b == std::string::npos ? "" : anfrage.substr(a + 1, b - a - 1);
    int status = 404;
    QByteArray inhalt = "<html><body>Nicht gefunden</body></html>";
    Drossel drossel;
    {
      std::lock_guard<std::mutex> g(sperre_);
      ++anfragen_[pfad];
      if (const auto i = antworten_.find(pfad); i != antworten_.end()) std::tie(status, inhalt) = i->second;
      if (const auto d = drosseln_.find(pfad); d != drosseln_.end()) drossel = d->second;
    }
    const std::string kopf = "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Fehler") +
                             "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(inhalt.size()) +
                             "\r\nConnection: close\r\n\r\n";
    ::send(c, kopf.data(), kopf.size(), MSG_NOSIGNAL);
    if (drossel.stueck <= 0) {
      ::send(c, inhalt.constData(), static_cast<std::size_t>(inhalt.size()), MSG_NOSIGNAL);
    } else {
      bool gestockt = false;
      for (qsizetype i = 0; i < inhalt.size() && !ende_; i += drossel.stueck) {
        const auto n = std::min<qsizetype>(drossel.stueck, inhalt.size() - i);
        if (::send(c, inhalt.constData() + i, static_cast<std::size_t>(n), MSG_NOSIGNAL) < 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(drossel.pauseMs));
        if (!gestockt && i >= inhalt.size() / 2) {
          gestockt = true;
          std::this_thread::sleep_for(std::chrono::milliseconds(drossel.stockenMs));
        }
      }
    }
    // The client closes first: a close with unread request bytes would send a reset instead.
    ::shutdown(c, SHUT_WR);
    pollfd z{c, POLLIN, 0};
    char rest[256];
    while (::poll(&z, 1, 2000) > 0 && ::recv(c, rest, sizeof rest, 0) > 0) {}
    ::close(c);
  }
}
