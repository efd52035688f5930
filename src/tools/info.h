// The about window: version and the maker's contact data.
#pragma once

#include <QWidget>

class TFInfo : public QWidget {
  Q_OBJECT
 public:
  TFInfo();
  // Registers how the window is made under its name "FInfo".
  static void Registrieren();
  static QString EMail();
  void EMailClick();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
};
