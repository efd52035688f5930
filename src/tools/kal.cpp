#include "kal.h"

#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/datum.h"
#include "core/programmwerte.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/skin.h"

void TFKal::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FKal"), [] { return new TFKal; });
}

TFKal::TFKal() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("FKal"));
  setWindowTitle(Werte().FensterTitel());
  HilfeThemaSetzen(this, Thema::Kalender);
  Aktionen::Lokal(AktionsId::Schliessen, this);  // Escape closes the window
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  kalender_ = new QCalendarWidget(this);
  kalender_->setObjectName(QStringLiteral("Kalender"));
  kalender_->setFirstDayOfWeek(Qt::Sunday);
  kalender_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  kalender_->setGridVisible(true);
  const QDate heute = DatumAlsQDate(Heute());
  QTextCharFormat fett;
  fett.setFontWeight(QFont::Bold);
  for (int tag = Qt::Monday; tag <= Qt::Sunday; ++tag) {
    QTextCharFormat f = kalender_->weekdayTextFormat(static_cast<Qt::DayOfWeek>(tag));
    f.setFontWeight(QFont::Bold);
    kalender_->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(tag), f);
  }
  // Today is selected and marked.
  QTextCharFormat markiert = kalender_->weekdayTextFormat(static_cast<Qt::DayOfWeek>(heute.dayOfWeek()));
  markiert.setBackground(QColor(0xF4, 0xC5, 0x42));
  kalender_->setDateTextFormat(heute, markiert);
  kalender_->setSelectedDate(heute);
  kalender_->setCurrentPage(heute.year(), heute.month());
  v->addWidget(kalender_, 1);

  connect(Fussleiste(this, QStringLiteral("Sch&ließen")), &QAction::triggered, this, &QWidget::hide);

  FensterGroesseSetzen(this, QSize(368, 282));
  AmHauptfensterZentrieren(this);
}
