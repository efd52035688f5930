// The calendar window.
#pragma once

#include <QWidget>

class QCalendarWidget;

class TFKal : public QWidget {
  Q_OBJECT
 public:
  explicit TFKal(QWidget* haupt);
  QCalendarWidget* Kalender() const { return kalender_; }

 private:
  QCalendarWidget* kalender_;
};
