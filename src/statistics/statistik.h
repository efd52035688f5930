// The statistics window: one statistics frame under a menu and a tool bar.
#pragma once

#include <QMainWindow>

class TFfrStatistik;

class TFStatistik : public QMainWindow {
  Q_OBJECT
 public:
  TFStatistik();
  // Registers how the window is made under its name "FStatistik".
  static void Registrieren();
  TFfrStatistik* Frame() const { return frame_; }

 private:
  TFfrStatistik* frame_;
};
