// The calendar window.
#pragma once

#include <QWidget>

class QCalendarWidget;

class TFKal : public QWidget {
  Q_OBJECT
 public:
  TFKal();
  // Registers how the window is made under its name "FKal".
  static void Registrieren();
  QCalendarWidget* Kalender() const { return kalender_; }

 private:
  QCalendarWidget* kalender_;
};
