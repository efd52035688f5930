#include "plattform.h"

#include <QDesktopServices>
#include <QNetworkInterface>

namespace {
class Desktop : public Plattform {
 public:
  bool IstOnline() override {
    for (const QNetworkInterface& n : QNetworkInterface::allInterfaces()) {
      const auto f = n.flags();
      if (!(f & QNetworkInterface::IsUp) || (f & QNetworkInterface::IsLoopBack)) continue;
      if (!n.addressEntries().isEmpty()) return true;
    }
    return false;
  }
  bool UrlOeffnen(const QUrl& adresse) override { return QDesktopServices::openUrl(adresse); }
};

Desktop desktop;
Plattform* aktuell = &desktop;
}  // namespace

Plattform& System() { return *aktuell; }

Plattform* PlattformSetzen(Plattform* plattform) {
  Plattform* vorher = aktuell;
  aktuell = plattform ? plattform : &desktop;
  return vorher;
}
