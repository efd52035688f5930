// The statistics window: one statistics frame under a menu and a tool bar.
#pragma once

#include <QMainWindow>

class TFfrStatistik;
class TFAuswertung;

class TFStatistik : public QMainWindow {
  Q_OBJECT
 public:
  // haupt: the main window whose navigation the tool bar uses.
  explicit TFStatistik(TFAuswertung* haupt);
  TFfrStatistik* Frame() const { return frame_; }

 private:
  TFfrStatistik* frame_;
};
