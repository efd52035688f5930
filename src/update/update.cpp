#include "update.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "platform/plattform.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/meldungen.h"
#include "ui/skin.h"
#include "update/herunterladen.h"
#include "update/selbstentfernung.h"

QString DownloadGescheitert() { return QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal."); }

QString PaketHinweis() {
  return QStringLiteral(
      "Dieses Kelvaro wurde über die Softwareverwaltung Ihres Systems installiert. Neue Versionen "
      "erhalten Sie dort, sobald sie bereitstehen.");
}

namespace {
std::optional<bool>& SelbstUpdateFest() {
  static std::optional<bool> fest;
  return fest;
}
}  // namespace

bool SelbstUpdateMoeglich() { return SelbstUpdateFest().value_or(KELVARO_SELBSTUPDATE != 0); }
void SelbstUpdateFestlegen(std::optional<bool> moeglich) { SelbstUpdateFest() = moeglich; }

namespace {
QString DatenOrdnerText() { return QDir::toNativeSeparators(Werte().datenOrdner); }

QLabel* Hinweis(const QString& text, QWidget* eltern) {
  auto* l = new QLabel(text, eltern);
  l->setWordWrap(true);
  return l;
}
}  // namespace

void TFUpdate::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FUpdate"), [] { return new TFUpdate; });
}

TFUpdate::TFUpdate() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("FUpdate"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::Update);
  Aktionen::Lokal(AktionsId::Schliessen, this);  // Escape closes the window
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(8, 8, 8, 0);

  auto* pruefung = new QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), this);
  auto* g = new QGridLayout(pruefung);
  auto* pruefen = new QPushButton(Symbol(QStringLiteral("suchen")), QStringLiteral("Prüfen"), pruefung);
  pruefen->setObjectName(QStringLiteral("BPruefen"));
  connect(pruefen, &QPushButton::clicked, this, &TFUpdate::BPruefenClick);
  g->addWidget(pruefen, 1, 0);
  g->addWidget(new QLabel(QStringLiteral("Installierte Version"), pruefung), 0, 1);
  g->addWidget(new QLabel(QStringLiteral("Verfügbare Version"), pruefung), 0, 2);
  installiert_ = new QLineEdit(Werte().version, pruefung);
  installiert_->setObjectName(QStringLiteral("EInstalliert"));
  installiert_->setReadOnly(true);
  verfuegbar_ = new QLineEdit(pruefung);
  verfuegbar_->setObjectName(QStringLiteral("EVerfuegbar"));
  verfuegbar_->setReadOnly(true);
  g->addWidget(installiert_, 1, 1);
  g->addWidget(verfuegbar_, 1, 2);
  v->addWidget(pruefung);

  auto* herunter = new QGroupBox(this);
  auto* hv = new QVBoxLayout(herunter);
  hv->addWidget(Hinweis(QStringLiteral("Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."), herunter));
  bDownload_ = new QPushButton(Symbol(QStringLiteral("update")), QStringLiteral("Download"), herunter);
  bDownload_->setObjectName(QStringLiteral("BDownload"));
  bDownload_->setEnabled(false);
  connect(bDownload_, &QPushButton::clicked, this, &TFUpdate::BDownloadClick);
  hv->addWidget(bDownload_, 0, Qt::AlignRight);
  v->addWidget(herunter);

  auto* installation = new QGroupBox(this);
  auto* iv = new QVBoxLayout(installation);
  iv->addWidget(Hinweis(QStringLiteral("Nach dem Download wird der Installations-Button aktiv."), installation));
  bInstallation_ = new QPushButton(Symbol(QStringLiteral("start")), QStringLiteral("Installation"), installation);
  bInstallation_->setObjectName(QStringLiteral("BInstallation"));
  bInstallation_->setEnabled(false);
  connect(bInstallation_, &QPushButton::clicked, this, &TFUpdate::BInstallationClick);
  iv->addWidget(bInstallation_, 0, Qt::AlignRight);
  v->addWidget(installation);
  if (!SelbstUpdateMoeglich()) {
    // A packaged program does not replace itself: the check stays, the system brings the update.
    herunter->hide();
    installation->hide();
    paketHinweis_ = Hinweis(PaketHinweis(), this);
    paketHinweis_->setObjectName(QStringLiteral("LPaketHinweis"));
    v->addWidget(paketHinweis_);
  }
  v->addStretch(1);

  connect(Fussleiste(this, QStringLiteral("Sch&ließen")), &QAction::triggered, this, &QWidget::close);

  // 311 x 289, or as wide and high as the texts need in the desktop's font.
  FensterGroesseSetzen(this, QSize(311, 289));
  AmHauptfensterZentrieren(this);
}

void TFUpdate::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  // Each time the window is shown (not when the desktop restores it): the check for missing draws,
  // once the window is on the screen.
  if (!ereignis->spontaneous()) QTimer::singleShot(0, this, [this] { FehlendeZiehungenPruefen(); });
}

void TFUpdate::FehlendeZiehungenPruefen(bool nachDownload) {
  if (Ziehungen().Anzahl() > 0) return;
  if (nachDownload) {
    // A download that brought no draw is not repeated.
    Information(DownloadGescheitert(), this);
    return;
  }
  if (DownloadFragen && FrageMitAbbrechen(QStringLiteral("Es fehlen jegliche Gewinnreihen.") + CRCR +
                                              QStringLiteral("Soll ich deren Download gleich starten?"),
                                          this) != Antwort::Ja)
    return;
  // A cancel is the player's choice, not a failure: nothing more is said.
  if (!GZDownload() && !abgebrochen_) Information(DownloadGescheitert(), this);
}

bool TFUpdate::GZDownload() {
  abgebrochen_ = false;
  if (!System().IstOnline()) {
    Information(
        QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen.") + CRCR + QStringLiteral("Ich breche ab."),
        this);
    return false;
  }
  const QString ziel = Werte().DatenDatei(QStringLiteral("GZ.535"));
  const QString sicherung = Werte().DatenDatei(QStringLiteral("GZ.bak"));
  // The previous history is kept in "GZ.bak" (an existing one is not replaced); the new file
  // replaces "GZ.535" only after a complete and checked transfer.
  if (QFileInfo::exists(ziel) && !QFileInfo::exists(sicherung)) QFile::copy(ziel, sicherung);
  QCoreApplication::processEvents();
  const Uebertragung u = MitFortschritt(UpdateServer() + QStringLiteral("GZ.535"), ziel, &ZiehungsdateiPruefen,
                                        QStringLiteral("Die Gewinnzahlen werden heruntergeladen."), this);
  if (u.abgebrochen) {
    abgebrochen_ = true;
    return false;
  }
  if (!u.ok) {
    // The message, and why the file was refused.
    Information(u.grund.isEmpty() ? DownloadGescheitert() : DownloadGescheitert() + CRCR + u.grund, this);
    return false;
  }
  if (!QFileInfo::exists(ziel)) return false;
  // The store reads the new file; the main window, the result panels and the statistics follow it.
  ErgebnisMelden(Ziehungen().NeuLaden(), this);
  FehlendeZiehungenPruefen(true);
  return true;
}

void TFUpdate::BPruefenClick() {
  if (!System().IstOnline()) {
    Information(QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."), this);
    return;
  }
  const QString lokal = Werte().DatenDatei(QStringLiteral("verinfos.vdx"));
  QFile::remove(lokal);
  const Uebertragung u = MitFortschritt(UpdateServer() + QStringLiteral("verinfos.vdx"), lokal, {},
                                        QStringLiteral("Die Versionsangaben werden abgerufen."), this);
  if (u.abgebrochen) return;
  std::optional<QString> version;
  if (u.ok) {
    QFile datei(lokal);
    if (datei.open(QIODevice::ReadOnly)) version = VerfuegbareVersion(datei.readAll());
  }
  if (!version) {
    Information(QStringLiteral("Die Prüfung hat leider nicht geklappt.\r"), this);
    return;
  }
  verfuegbar_->setText(*version);
  // Any difference counts, also a lower version.
  bDownload_->setEnabled(SelbstUpdateMoeglich() && *version != Werte().version);
}

void TFUpdate::BDownloadClick() {
  if (!SelbstUpdateMoeglich()) return;
  if (!System().IstOnline()) {
    Information(QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen.") + CRCR +
                    QStringLiteral("Ich breche ab."),
                this);
    return;
  }
  const Uebertragung u =
      MitFortschritt(UpdateServer() + QStringLiteral("vandoupdate.exe"), Werte().DatenDatei(QStringLiteral("Update.exe")), {},
                     QStringLiteral("Das Update wird heruntergeladen."), this);
  if (u.abgebrochen) return;
  if (u.ok)
    bInstallation_->setEnabled(true);
  else
    Information(DownloadGescheitert(), this);
}

void TFUpdate::BInstallationClick() {
  if (!SelbstUpdateMoeglich()) return;
  const QString ordner = DatenOrdnerText();
  const Antwort a = Frage(QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
                                         "Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das "
                                         "Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                              ordner + QStringLiteral(" starten.") + CRCR + QStringLiteral("Soll fortgefahren werden?"),
                          this);
  const QString programm = QCoreApplication::applicationFilePath();
  if (a != Antwort::Ja) {
    Information(QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell durch Doppelklick auf "
                               "die Datei \"Update.exe\" im Verzeichnis ") +
                    ordner + QStringLiteral(" starten.") + CRCR + QStringLiteral("Zuvor muss das Programm geschlossen und die Datei \"") +
                    QFileInfo(programm).fileName() + QStringLiteral("\" im Verzeichnis ") +
                    QDir::toNativeSeparators(Werte().programmOrdner) + QStringLiteral(" gelöscht werden."),
                this);
    return;
  }
  if (!System().InstallerStarten(Werte().DatenDatei(QStringLiteral("Update.exe")))) {
    Information(QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten Sie das Update "
                               "manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                    ordner + QStringLiteral("."),
                this);
    return;
  }
  // The old program file goes once the program has ended; the program ends now, without any
  // window's close handling.
  const QString skript = SelbstentfernungSchreiben(programm, Werte().programmOrdner);
  if (!skript.isEmpty()) System().SkriptStarten(skript, QDir::tempPath());
  System().SofortBeenden();
}
