#!/usr/bin/env python3
"""Makes the spreadsheet fixtures of the import tests with LibreOffice.

Each workbook is described below and written as a flat OpenDocument file (quellen/*.fods); Debian's
LibreOffice (libreoffice-calc-nogui) then opens it and writes the fixtures in its own .xlsx, .ods
and .xls writers, so the files are what LibreOffice really produces:

    python3 erzeugen.py        # needs soffice on the PATH

A cell is a number (float), a text (str), a date (Datum("yyyy-mm-dd")) or a formula ("=..." with its
value, as a tuple).
"""
import os
import subprocess
from xml.sax.saxutils import escape

NBSP = "\u00a0"


class Datum(str):
    """A date cell, shown as dd.mm.yyyy."""


def ziehungen():
    """A draw history as a player keeps it: date, five numbers, jackpot and winners beside them."""
    zeilen = {(1, 1): "Datum", (1, 2): "Z1", (1, 3): "Z2", (1, 4): "Z3", (1, 5): "Z4", (1, 6): "Z5",
              (1, 7): "Jackpot", (1, 8): "Gewinner"}
    draws = [("2018-09-24", [3, 11, 17, 24, 35], 100000, 0), ("2018-10-01", [6, 7, 8, 9, 10], 120000, 2),
             ("2018-10-08", [1, 12, 23, 34, 35], 50000, 1)]
    for i, (tag, zahlen, jackpot, gewinner) in enumerate(draws, start=2):
        zeilen[(i, 1)] = Datum(tag)
        for k, n in enumerate(zahlen, start=2):
            zeilen[(i, k)] = n
        zeilen[(i, 7)] = jackpot
        zeilen[(i, 8)] = gewinner
    return zeilen

# name: (sheets, formats to write)
MAPPEN = {
    # Numbers, a text that looks like a number, the last used cell E12; a second sheet not read.
    "tipps": ({"Eins": {(1, 1): 7, (1, 2): 8.5, (1, 3): NBSP + "12", (12, 5): 35},
               "Zwei": {(21, 21): "nicht lesen"}}, ["xlsx"]),
    # Rows of numbers, a text in column B, a value in column F; a second sheet not read.
    "reihen": ({"Erstes": {(1, 1): 3, (1, 2): 11, (1, 3): 17, (1, 4): 24, (1, 5): 35, (2, 2): "Feld", (2, 6): 2},
                "Zweites": {(1, 1): "nicht lesen"}}, ["ods"]),
    # The Excel 97-2003 workbook of the import test.
    "tipps97": ({"Tipps": {(1, 1): 3, (1, 2): 11, (1, 3): 17, (1, 4): 24, (1, 5): 35,
                           (2, 1): 1, (2, 2): 2, (2, 3): 3, (2, 4): 4, (2, 5): 5,
                           (3, 1): NBSP + "7", (3, 2): 8.5, (3, 3): "Feld", (3, 5): 33},
                 "Zweites": {(10, 10): "nicht lesen"}}, ["xls"]),
    # A decimal and a formula (=A4+9 gives 10), in all three formats.
    "dezimal_formel": ({"Werte": {(1, 1): 2.5, (4, 1): 1, (4, 2): ("=[.A4]+9", 10)}}, ["xlsx", "ods", "xls"]),
    # An empty sheet.
    "leer": ({"Tabelle1": {}}, ["ods"]),
    # A draw history with a header, date cells and two more columns.
    "ziehungen": ({"Ziehungen": ziehungen()}, ["xlsx", "ods"]),
}


def zelle(wert):
    if isinstance(wert, tuple):
        formel, ergebnis = wert
        return ('<table:table-cell table:formula="of:%s" office:value-type="float" office:value="%s">'
                '<text:p>%s</text:p></table:table-cell>' % (escape(formel, {'"': "&quot;"}), ergebnis, ergebnis))
    if isinstance(wert, Datum):
        jahr, monat, tag = wert.split("-")
        return ('<table:table-cell table:style-name="datum" office:value-type="date" office:date-value="%s">'
                '<text:p>%s.%s.%s</text:p></table:table-cell>' % (wert, tag, monat, jahr))
    if isinstance(wert, str):
        return '<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>' % escape(wert)
    return ('<table:table-cell office:value-type="float" office:value="%r"><text:p>%r</text:p></table:table-cell>'
            % (wert, wert))


def blatt(name, zellen):
    teile = ['<table:table table:name="%s">' % name]
    zeilen = max((z for z, _ in zellen), default=0)
    for z in range(1, zeilen + 1):
        spalten = sorted(s for zz, s in zellen if zz == z)
        if not spalten:
            teile.append('<table:table-row><table:table-cell/></table:table-row>')
            continue
        teile.append('<table:table-row>')
        for s in range(1, spalten[-1] + 1):
            teile.append(zelle(zellen[(z, s)]) if (z, s) in zellen else '<table:table-cell/>')
        teile.append('</table:table-row>')
    if not zellen:
        teile.append('<table:table-row><table:table-cell/></table:table-row>')
    teile.append('</table:table>')
    return "".join(teile)


def fods(blaetter):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
            'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" '
            'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
            'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" office:version="1.2" '
            'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
            '<office:automatic-styles><number:date-style style:name="N1"><number:day number:style="long"/>'
            '<number:text>.</number:text><number:month number:style="long"/><number:text>.</number:text>'
            '<number:year number:style="long"/></number:date-style>'
            '<style:style style:name="datum" style:family="table-cell" style:data-style-name="N1"/>'
            '</office:automatic-styles>'
            '<office:body><office:spreadsheet>%s</office:spreadsheet></office:body></office:document>\n'
            % "".join(blatt(n, z) for n, z in blaetter.items()))


FILTER = {"xlsx": "xlsx:Calc MS Excel 2007 XML", "ods": "ods", "xls": "xls:MS Excel 97"}

if __name__ == "__main__":
    hier = os.path.dirname(os.path.abspath(__file__))
    for name, (blaetter, formate) in MAPPEN.items():
        quelle = os.path.join(hier, "quellen", name + ".fods")
        with open(quelle, "w", encoding="utf-8") as f:
            f.write(fods(blaetter))
        for fmt in formate:
            subprocess.run(["soffice", "--headless", "--convert-to", FILTER[fmt], "--outdir", hier, quelle], check=True)
