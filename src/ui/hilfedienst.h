// The help as the windows use it: a topic per window and control, the contents, the full-text
// search, F1. The help window itself installs the service (tools); tests install a recorder.
#pragma once

class QWidget;

// Topic numbers.
namespace Thema {
inline constexpr int Start = 1010;        // contents, start screen
inline constexpr int Haupt = 1020;        // main window
inline constexpr int Eingabe = 1030;      // ticket editor
inline constexpr int Statistik = 1050;    // statistics window
inline constexpr int Diagramme = 1060;    // statistics window: charts and fairness test
inline constexpr int Update = 1080;       // update window
inline constexpr int Import = 1090;       // importing and exporting draws
inline constexpr int NueberKFeld = 1100;  // input area of the n-over-k window
inline constexpr int NueberK = 1110;      // n-over-k window
inline constexpr int Kalender = 1120;     // calendar
inline constexpr int Zufall = 1130;       // random tip window, about window
}  // namespace Thema

class HilfeDienst {
 public:
  virtual ~HilfeDienst() = default;
  virtual void ThemaZeigen(int thema) = 0;
  virtual void InhaltZeigen() = 0;  // the contents, at topic 1010
  virtual void SucheZeigen() = 0;   // the full-text search
};

// The service in use; without one installed nothing is shown.
HilfeDienst& Hilfe();
HilfeDienst* HilfeDienstSetzen(HilfeDienst* dienst);  // returns the previous one

// The topic of a window or control; F1 shows the topic of the focused control or of its window.
void HilfeThemaSetzen(QWidget* w, int thema);
int HilfeThemaVon(const QWidget* w);
// Installs the F1 handling for the whole application (once).
void F1Einrichten();
