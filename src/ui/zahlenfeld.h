// A field of the 35 number buttons in 5 rows of 7 (the first row holds 1 to 7), as the main window,
// the statistics search, the random tip window and the ticket editor show it. It is one stop in
// the tab order: the arrow keys move inside it, Space (or Return) presses the button, and a frame
// marks the button the keys are on.
#pragma once

#include <array>
#include <functional>

#include <QWidget>

#include "core/var_def.h"

class QAbstractButton;

class Zahlenfeld : public QWidget {
  Q_OBJECT
 public:
  // The buttons' places: button n in row i, column j (from 1) at
  // (links + (j - 1) * schrittX, oben + (i - 1) * schrittY), breite x hoehe pixels.
  struct Raster {
    int breite, hoehe, schrittX, schrittY, links, oben;
  };
  // machen creates the button of a number (its caption, name and look); the field places it. The
  // raster holds at the small font it was made for: where the buttons' font needs more room, the
  // buttons and their steps grow by what it needs, and the field is as large as its buttons.
  Zahlenfeld(const Raster& raster, const std::function<QAbstractButton*(int n, QWidget* eltern)>& machen, QWidget* eltern = nullptr);

  QAbstractButton* Knopf(int n) const { return n >= 1 && n <= MaxZahl ? knoepfe_[static_cast<std::size_t>(n)] : nullptr; }
  int Aktuell() const { return aktuell_; }  // the button the keys are on

 signals:
  void Geklickt(int n);

 protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void focusInEvent(QFocusEvent* ereignis) override;
  void focusOutEvent(QFocusEvent* ereignis) override;

 private:
  void RahmenZeigen();
  std::array<QAbstractButton*, MaxZahl + 1> knoepfe_{};
  QWidget* rahmen_;
  int aktuell_ = 1;
};
