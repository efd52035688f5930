#include "Nueberk.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/meldung.h"
#include "core/programmwerte.h"
#include "tools/binomial.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/meldungen.h"
#include "ui/skin.h"

namespace {
QLineEdit* Eingabe(const QString& name, const QString& text, QWidget* eltern) {
  QLineEdit* e = ZiffernFeld(name, text, 2, 44, eltern);
  e->setAlignment(Qt::AlignCenter);
  e->setFont(Fett(e->font()));
  return e;
}
}  // namespace

void TFNueberK::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FNueberK"), [] { return new TFNueberK; });
}

TFNueberK::TFNueberK() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("FNueberK"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::NueberK);
  Aktionen::Lokal(AktionsId::Schliessen, this);  // Escape closes the window
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(10, 10, 10, 0);
  auto* erklaerung = new QLabel(QStringLiteral("Der sogenannte Binomialkoeffizient n über k beschreibt, wie viele Möglichkeiten es "
                                               "gibt, aus n vorgegebenen Elementen eine Teilmenge von k Elementen auszuwählen."),
                                this);
  erklaerung->setWordWrap(true);
  v->addWidget(erklaerung);
  auto* beispiel = new QLabel(QStringLiteral("Um z. B. zu wissen, wie viele 5er-Kombinationen es bei 35 Zahlen gibt, geben Sie 35 "
                                             "für \"n\" und 5 für \"k\" ein."),
                              this);
  beispiel->setWordWrap(true);
  v->addWidget(beispiel);

  auto* eingabe = new QWidget(this);
  eingabe->setObjectName(QStringLiteral("PEingabe"));
  HilfeThemaSetzen(eingabe, Thema::NueberKFeld);
  auto* g = new QGridLayout(eingabe);
  g->setContentsMargins(0, 6, 0, 6);
  g->addWidget(new QLabel(QStringLiteral("n"), eingabe), 0, 0, Qt::AlignCenter);
  g->addWidget(new QLabel(QStringLiteral("k"), eingabe), 0, 1, Qt::AlignCenter);
  n_ = Eingabe(QStringLiteral("EN"), QStringLiteral("35"), eingabe);
  k_ = Eingabe(QStringLiteral("EK"), QStringLiteral("5"), eingabe);
  g->addWidget(n_, 1, 0);
  g->addWidget(k_, 1, 1);
  auto* rechne = new QPushButton(Symbol(QStringLiteral("rechner")), QStringLiteral("="), eingabe);
  rechne->setObjectName(QStringLiteral("BRechne"));
  rechne->setToolTip(QStringLiteral("n über k berechnen"));
  connect(rechne, &QPushButton::clicked, this, &TFNueberK::BRechneClick);
  g->addWidget(rechne, 1, 2);
  ergebnis_ = new QLineEdit(eingabe);
  ergebnis_->setObjectName(QStringLiteral("EErgebnis"));
  ergebnis_->setReadOnly(true);
  ergebnis_->setAlignment(Qt::AlignRight);
  QFont f = ergebnis_->font();
  f.setBold(true);
  ergebnis_->setFont(f);
  // Wide enough for the largest result of two-digit numbers, 99 über 49.
  FeldBreiteFuer(ergebnis_, GanzzahlGruppiert(NueberKExakt(99, 49)));
  g->addWidget(ergebnis_, 1, 3);
  g->setColumnStretch(3, 1);
  auto* hilfe = new QToolButton(this);
  hilfe->setObjectName(QStringLiteral("BHelp"));
  hilfe->setIcon(Symbol(QStringLiteral("hilfe")));
  hilfe->setToolTip(QStringLiteral("Hilfe"));
  hilfe->setAutoRaise(true);
  connect(hilfe, &QToolButton::clicked, this, [] { Hilfe().ThemaZeigen(Thema::NueberK); });
  g->addWidget(hilfe, 1, 4);
  v->addWidget(eingabe);
  v->addStretch(1);
  // Enter in a field computes, but only while both fields hold text.
  for (QLineEdit* e : {n_, k_})
    connect(e, &QLineEdit::returnPressed, this, [this] {
      if (!n_->text().isEmpty() && !k_->text().isEmpty()) BRechneClick();
    });

  connect(Fussleiste(this, QStringLiteral("Sch&ließen")), &QAction::triggered, this, &QWidget::close);

  FensterGroesseSetzen(this, QSize(370, 222));
  AmHauptfensterZentrieren(this);
}

void TFNueberK::BRechneClick() {
  const int n = n_->text().toInt(), k = k_->text().toInt();  // no number reads as 0
  if (n <= 0 || k <= 0) {
    Information(QStringLiteral("Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.") + CRCR +
                    QStringLiteral("Ich breche erst einmal ab."),
                this);
    return;
  }
  if (k > n) {
    Information(
        QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.") + CRCR + QStringLiteral("Ich breche erst einmal ab."),
        this);
    return;
  }
  // Exact also where 64-bit products would wrap (n from 52 on).
  ergebnis_->setText(GanzzahlGruppiert(NueberKExakt(n, k)));
}
