// Saving a row table from a window: the empty-table check, ticket files with the share check,
// CSV files. The ticket editor and the random tip window share them.
#pragma once

#include <QString>

#include "core/tabelle.h"

class QWidget;

// Shows "Die Tabelle ist leer. Es gibt nichts zu <was>." and returns true when cell (1,1) is empty.
bool TabelleLeer(const TabellenDaten& tabelle, const QString& was, QWidget* eltern);

// Asks for the file (dialog titel), then checks the shares (empty counts as 1, total not below
// own) and writes the ticket file. Returns the file written, empty when nothing was written.
QString AlsTippscheinSpeichern(const TabellenDaten& tabelle, const QString& titel, const QString& gesamt, const QString& meine,
                               QWidget* eltern);
// Asks for the file and writes the rows as a CSV file. Returns the file written or empty.
QString AlsCsvSpeichern(const TabellenDaten& tabelle, QWidget* eltern);

// The file label after a save: "Gespeichert in: " and the name without its folder.
QString GespeichertIn(const QString& pfad);

// The buttons by which rows leave the ticket editor and the random tip window: the empty-table
// check, then the ticket file (shares from the two fields), the CSV file or the spreadsheet; the
// file label shows the file saved.
class QLabel;
class QLineEdit;
void TippscheinSpeichernKlick(const TabellenDaten& tabelle, const QString& titel, const QLineEdit* gesamt, const QLineEdit* meine,
                              QLabel* dateiLabel, QWidget* eltern);
void CsvSpeichernKlick(const TabellenDaten& tabelle, QLabel* dateiLabel, QWidget* eltern);
void ExcelExportKlick(const TabellenDaten& tabelle, QWidget* eltern);
