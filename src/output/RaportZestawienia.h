#pragma once
// The summary of a building's partitions on paper: A4 landscape, the building's description and the
// date over a table of one row per project, its headings repeated on every page, and a legend.

#include "core/Zestawienie.h"
#include "files/Zestawienie.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace murolab {

inline constexpr const char* kTytulZestawienia = "Zestawienie przegród";

struct TTrescZestawienia {
    TOpisBudynku Budynek;
    std::vector<TWierszZestawienia> Wiersze;
    QString Data; // printed when the building's own date is empty ("dd.MM.yyyy")
};

// Paints the pages on a device whose page layout is set; false when it cannot be painted on.
bool DrukujZestawienie(QPagedPaintDevice& urzadzenie, const TTrescZestawienia& tresc);

// The whole report as the bytes of a PDF document, A4 landscape.
QByteArray ZestawieniePdf(const TTrescZestawienia& tresc);

// Writes it through the program's atomic writer; on failure false and the reason in *blad.
bool ZapiszZestawieniePdf(const QString& plik, const TTrescZestawienia& tresc, QString* blad = nullptr);

} // namespace murolab
