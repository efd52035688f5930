// The start screen: shown while the program builds its windows, cross-fades into the main window.
#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

class TFStart : public QWidget {
  Q_OBJECT
 public:
  // hauptfenster: the window that fades in when the start screen closes.
  explicit TFStart(QWidget* hauptfenster = nullptr);

  void SetzeHauptfenster(QWidget* hauptfenster) { hauptfenster_ = hauptfenster; }
  // Enables "Weiter" (hand cursor) when true, disables it (hourglass) when false.
  void SetInitializationDone(bool b);
  bool InitializationDone() const { return initializationDone_; }
  QPushButton* Weiter() const { return weiter_; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void WeiterClick();
  void Ueberblenden();

  static constexpr int Blendendauer = 400;  // milliseconds of the cross-fade
  bool initializationDone_ = false;
  bool ueberblendet_ = false;  // the fade has begun
  bool ausgeblendet_ = false;  // the fade is over
  QPushButton* weiter_;
  QPointer<QWidget> hauptfenster_;
};
