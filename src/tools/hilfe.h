// The help: a topic per window, the contents, the full-text search, and F1.
#pragma once

#include <QMainWindow>
#include <QUrl>

class QAction;
class QHelpEngine;
class QTabWidget;
class QTextBrowser;
class QToolBar;
class QWidget;

// Topic numbers.
namespace Thema {
inline constexpr int Start = 1010;       // contents, start screen
inline constexpr int Haupt = 1020;       // main window
inline constexpr int Eingabe = 1030;     // ticket editor
inline constexpr int Statistik = 1050;   // statistics window
inline constexpr int Update = 1080;      // update window
inline constexpr int NueberKFeld = 1100; // input area of the n-over-k window
inline constexpr int NueberK = 1110;     // n-over-k window
inline constexpr int Kalender = 1120;    // calendar
inline constexpr int Zufall = 1130;      // random tip window, about window
}  // namespace Thema

class HilfeDienst {
 public:
  virtual ~HilfeDienst() = default;
  virtual void ThemaZeigen(int thema) = 0;
  virtual void InhaltZeigen() = 0;  // the contents, at topic 1010
  virtual void SucheZeigen() = 0;   // the full-text search
};

// The help window: contents, full-text search and the page of a topic, from the help collection
// built beside the program.
class HilfeFenster : public QMainWindow {
 public:
  HilfeFenster();
  void Thema(int thema);
  void Suche();
  QHelpEngine* Engine() const { return engine_; }
  QUrl Seite() const;
  int Reiter() const;  // 0 contents, 1 search

 private:
  void Zeigen();
  QHelpEngine* engine_;
  QTextBrowser* browser_;
  QTabWidget* reiter_;
};

HilfeDienst& Hilfe();
HilfeDienst* HilfeDienstSetzen(HilfeDienst* dienst);  // nullptr: the help window again

// The topic of a window or control; F1 shows the topic of the focused control or of its window.
void HilfeThemaSetzen(QWidget* w, int thema);
int HilfeThemaVon(const QWidget* w);
// Installs the F1 handling for the whole application (once).
void F1Einrichten();

// The help button at the right end of a tool bar.
QAction* HilfeKnopf(QToolBar* leiste, int thema);
