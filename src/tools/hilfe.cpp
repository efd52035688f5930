#include "hilfe.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QMainWindow>
#include <QPointer>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/programmwerte.h"
#include "ui/fenstergroesse.h"
#include "ui/skin.h"

namespace {
const QString Namensraum = QStringLiteral("de.kelvaro.hilfe");

QUrl ThemaUrl(int thema) { return QUrl(QStringLiteral("qthelp://%1/doc/t%2.html").arg(Namensraum).arg(thema)); }

// Shows the pages of the help collection.
class HilfeBrowser : public QTextBrowser {
 public:
  HilfeBrowser(QHelpEngine* engine, QWidget* eltern) : QTextBrowser(eltern), engine_(engine) {}
  QVariant loadResource(int typ, const QUrl& adresse) override {
    if (adresse.scheme() == QLatin1String("qthelp")) return engine_->fileData(adresse);
    return QTextBrowser::loadResource(typ, adresse);
  }

 private:
  QHelpEngine* engine_;
};

class QtHilfe : public HilfeDienst {
 public:
  void ThemaZeigen(int thema) override { Fenster()->Thema(thema); }
  void InhaltZeigen() override { Fenster()->Thema(Thema::Start); }
  void SucheZeigen() override { Fenster()->Suche(); }

 private:
  HilfeFenster* Fenster() {
    if (!fenster_) fenster_ = new HilfeFenster;
    return fenster_;
  }
  QPointer<HilfeFenster> fenster_;
};

QtHilfe qtHilfe;
}  // namespace

HilfeFenster::HilfeFenster() {
  setObjectName(QStringLiteral("FHilfe"));
  setWindowTitle(Werte().titel + QStringLiteral(" – Hilfe"));
  // The collection is the program's own cache; the help file itself lies beside the program.
  const QString ordner = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  QDir().mkpath(ordner);
  engine_ = new QHelpEngine(ordner + QStringLiteral("/kelvaro-hilfe.qhc"), this);
  engine_->setReadOnly(false);
  engine_->setUsesFilterEngine(false);  // with the filter engine and no filter set, the search finds nothing
  engine_->setupData();
  const QString datei = Werte().hilfeDatei;
  if (QFileInfo::exists(datei)) {
    const QString ns = QHelpEngineCore::namespaceName(datei);
    if (engine_->documentationFileName(ns) != QFileInfo(datei).absoluteFilePath()) {
      engine_->unregisterDocumentation(ns);
      engine_->registerDocumentation(datei);
    }
  }
  browser_ = new HilfeBrowser(engine_, this);
  browser_->setObjectName(QStringLiteral("Seite"));
  reiter_ = new QTabWidget(this);
  reiter_->setObjectName(QStringLiteral("Reiter"));
  QHelpContentWidget* inhalt = engine_->contentWidget();
  reiter_->addTab(inhalt, QStringLiteral("Inhalt"));
  auto* suche = new QWidget(reiter_);
  auto* sv = new QVBoxLayout(suche);
  QHelpSearchEngine* sucher = engine_->searchEngine();
  sv->addWidget(sucher->queryWidget());
  sv->addWidget(sucher->resultWidget(), 1);
  reiter_->addTab(suche, QStringLiteral("Suche"));
  // The contents tree follows the page shown, also once it is built after the page.
  connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, inhalt, [this, inhalt] {
    inhalt->expandAll();
    InhaltFolgen(browser_->source());
  });
  // The signal comes before source() has the new address: the address it carries counts.
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& seite) { InhaltFolgen(seite); });
  connect(inhalt, &QHelpContentWidget::linkActivated, browser_, [this](const QUrl& u) { browser_->setSource(u); });
  // The index holds words in lower case: "Quotenkiller" finds what "quotenkiller" finds.
  connect(sucher->queryWidget(), &QHelpSearchQueryWidget::search, sucher,
          [sucher] { sucher->search(sucher->queryWidget()->searchInput().toLower()); });
  connect(sucher->resultWidget(), &QHelpSearchResultWidget::requestShowLink, browser_, [this](const QUrl& u) { browser_->setSource(u); });
  sucher->scheduleIndexDocumentation();
  auto* teiler = new QSplitter(this);
  teiler->addWidget(reiter_);
  teiler->addWidget(browser_);
  teiler->setStretchFactor(1, 1);
  teiler->setSizes({230, 630});
  setCentralWidget(teiler);
  FensterGroesseSetzen(this, QSize(860, 600));
}

void HilfeFenster::Thema(int thema) {
  browser_->setSource(ThemaUrl(thema));
  reiter_->setCurrentIndex(0);
  Zeigen();
}

void HilfeFenster::Suche() {
  // A new search: the field empty, ready for the player's words.
  engine_->searchEngine()->queryWidget()->setSearchInput(QString());
  reiter_->setCurrentIndex(1);
  Zeigen();
  engine_->searchEngine()->queryWidget()->setFocus();
}

void HilfeFenster::InhaltFolgen(const QUrl& seite) {
  QHelpContentWidget* inhalt = engine_->contentWidget();
  const QModelIndex eintrag = inhalt->indexOf(seite);
  if (!eintrag.isValid()) return;
  inhalt->setCurrentIndex(eintrag);
  inhalt->scrollTo(eintrag);
}

QString HilfeFenster::InhaltEintrag() const {
  const QModelIndex eintrag = engine_->contentWidget()->currentIndex();
  return eintrag.isValid() ? eintrag.data().toString() : QString();
}

QUrl HilfeFenster::Seite() const { return browser_->source(); }
int HilfeFenster::Reiter() const { return reiter_->currentIndex(); }

void HilfeFenster::Zeigen() {
  show();
  raise();
  activateWindow();
}

void HilfeFensterAnmelden() { HilfeDienstSetzen(&qtHilfe); }
