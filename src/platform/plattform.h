// What the desktop offers the program: web pages, the online test, and later the calculator,
// installer and spreadsheet program. Tests install a fake.
#pragma once

#include <QString>
#include <QUrl>

class Plattform {
 public:
  virtual ~Plattform() = default;
  // True when a network interface other than loopback is up and has an address.
  virtual bool IstOnline() = 0;
  // Opens a web page or mail link with the desktop's default program.
  virtual bool UrlOeffnen(const QUrl& adresse) = 0;
  // Whether a spreadsheet program is there: one registered for .xlsx files or a known one on the PATH.
  virtual bool TabellenProgrammVorhanden() = 0;
  // Shows a workbook file in the spreadsheet program, as a new workbook where the program can.
  virtual bool TabelleOeffnen(const QString& datei) = 0;
  // Starts a downloaded installer as a program of its own.
  virtual bool InstallerStarten(const QString& datei) = 0;
  // Starts a script hidden and detached (the self-removal before an update).
  virtual bool SkriptStarten(const QString& skript, const QString& ordner) = 0;
  // Ends the program at once, without any window's close handling.
  virtual void SofortBeenden() = 0;
  // Starts the desktop's calculator; false when there is none.
  virtual bool RechnerStarten() = 0;
};

Plattform& System();
Plattform* PlattformSetzen(Plattform* plattform);  // nullptr: the desktop again

// The pages the program links to.
namespace Adressen {
// The broker's page with the current numbers and prize amounts.
inline const QString Makler = QStringLiteral("https://www.losmarkt.example/vandora/zahlen-quoten/");
// The maker's home page.
inline const QString Hersteller = QStringLiteral("https://www.kelvaro.example/");
// The product's web site.
inline const QString Produkt = QStringLiteral("https://www.kelvaro.example/vandora/");
}  // namespace Adressen
