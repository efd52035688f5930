// The help: a topic per window, the contents, the full-text search, and F1.
#pragma once

#include <QMainWindow>
#include <QUrl>

#include "ui/hilfedienst.h"

class QHelpEngine;
class QTabWidget;
class QTextBrowser;
class QWidget;

// The help window: contents, full-text search and the page of a topic, from the help collection
// built beside the program.
class HilfeFenster : public QMainWindow {
 public:
  HilfeFenster();
  void Thema(int thema);
  void Suche();
  QHelpEngine* Engine() const { return engine_; }
  QUrl Seite() const;
  int Reiter() const;             // 0 contents, 1 search
  QString InhaltEintrag() const;  // the title selected in the contents tree

 private:
  void Zeigen();
  void InhaltFolgen(const QUrl& seite);  // selects the page in the contents tree
  QHelpEngine* engine_;
  QTextBrowser* browser_;
  QTabWidget* reiter_;
};

// Installs the help window as the program's help service.
void HilfeFensterAnmelden();
