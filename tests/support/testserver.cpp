#include "testserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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
    {
      std::lock_guard<std::mutex> g(sperre_);
      ++anfragen_[pfad];
      if (const auto i = antworten_.find(pfad); i != antworten_.end()) std::tie(status, inhalt) = i->second;
    }
    const std::string kopf = "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Fehler") +
                             "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(inhalt.size()) +
                             "\r\nConnection: close\r\n\r\n";
    ::send(c, kopf.data(), kopf.size(), MSG_NOSIGNAL);
    ::send(c, inhalt.constData(), static_cast<std::size_t>(inhalt.size()), MSG_NOSIGNAL);
    ::close(c);
  }
}
