// The draw history: the file "GZ.535" (16-byte records, oldest first) and the one in-memory list,
// kept by a store that announces every change.
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QStringList>

#include "meldung.h"
#include "var_def.h"

class TZiehungsListe : public QObject {
  Q_OBJECT
 public:
  // The file of the process-wide store: "GZ.535" in the data folder.
  static QString DateiPfad();

  // Appends the whole records of the file to the list. A missing file is not an error. On a read
  // error the records read before it stay in the list. Announces NeuGeladen.
  Ergebnis Laden(const QString& pfad);
  // Replaces the list with the records of the file (a download replaced it). Announces NeuGeladen.
  Ergebnis NeuLaden(const QString& pfad);
  Ergebnis NeuLaden() { return NeuLaden(DateiPfad()); }

  // Append a draw / overwrite the numbers of draw i, and write the whole list to the file. The file
  // is written beside and replaced only after success; on failure file and list stay as they were
  // and nothing is announced. Announces ZiehungGespeichert.
  Ergebnis AnhaengenUndSpeichern(double datum, const std::uint8_t (&zahlen)[5], const QString& pfad);
  Ergebnis ErsetzenUndSpeichern(int i, double datum, const std::uint8_t (&zahlen)[5], const QString& pfad);

  int Anzahl() const { return static_cast<int>(liste_.size()); }
  const TGewZahlen& Eintrag(int i) const { return liste_[static_cast<std::size_t>(i)]; }
  int Neueste() const { return Anzahl() - 1; }  // -1 when empty
  const std::vector<TGewZahlen>& Liste() const { return liste_; }
  // Counts the changes of the list: what was taken from it at the same count is still the same.
  std::uint64_t Stand() const { return stand_; }
  QStringList DatumsTexte() const;

  // The date of a new draw: newest date + 1 day, today when the list is empty.
  double NeuesDatum() const;

  // The whole records of a draw history file's bytes; a trailing part record is no draw.
  static std::vector<TGewZahlen> AusBytes(QByteArrayView daten);

  // For tests and the download check: writes a list of records as a draw history file.
  static Ergebnis Schreiben(const std::vector<TGewZahlen>& liste, const QString& pfad);

 signals:
  // A draw was appended (neu) or corrected and the file written: the draws grid and the draw
  // selectors follow.
  void ZiehungGespeichert(int index, bool neu);
  // The list was read anew from the file.
  void NeuGeladen();
  // After either of them, for what is derived from the list (the statistics base).
  void Geaendert();

 private:
  Ergebnis Einlesen(const QString& pfad);
  std::vector<TGewZahlen> liste_;
  std::uint64_t stand_ = 0;
};

// The process-wide draw list.
TZiehungsListe& Ziehungen();
