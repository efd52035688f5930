// The about window: version and the maker's contact data.
#pragma once

#include <QWidget>

class TFInfo : public QWidget {
  Q_OBJECT
 public:
  explicit TFInfo(QWidget* haupt);
  static QString EMail();
  void EMailClick();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
};
