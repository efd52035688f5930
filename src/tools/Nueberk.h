// The calculator window for n over k.
#pragma once

#include <QWidget>

class QLineEdit;

class TFNueberK : public QWidget {
  Q_OBJECT
 public:
  TFNueberK();
  // Registers how the window is made under its name "FNueberK".
  static void Registrieren();
  void BRechneClick();
  QLineEdit* N() const { return n_; }
  QLineEdit* K() const { return k_; }
  QLineEdit* Ergebnis() const { return ergebnis_; }

 private:
  QLineEdit* n_;
  QLineEdit* k_;
  QLineEdit* ergebnis_;
};
