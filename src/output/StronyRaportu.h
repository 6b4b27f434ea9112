#pragma once
// The two A4 pages of the report, drawn with QPainter on a printer, the print preview or a PDF.
// Positions and sizes are in millimetres from the top-left corner of the page's printable area
// (inside the margins), fonts in pixels at 96 per inch, as the report was laid out.

#include "output/Przekroje.h"
#include "output/RaportLinie.h"
#include "output/TekstyKondensacji.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

#include <filesystem>

class QPagedPaintDevice;

namespace murolab {

class TWykresTemperatur;
class TWykresCisnien;
class TWykresMa;

// The report's title: the name of the print job, of the preview and of the PDF document.
inline constexpr const char* kTytulRaportu = "Analiza cieplo-wilgotnościowa";

// The picture `nazwa` of the data directory ("tlo.bmp", "logo1.bmp"), as a Qt file name.
QString PlikObrazuRaportu(const std::filesystem::path& katalogDanych, const char* nazwa);

// Loads the pressure chart's background ("tlo.bmp") and the header's logo ("logo1.bmp") in one step:
// when the background picture is missing the logo is left out as well (a null image).
QImage WczytajTloILogo(TWykresCisnien& wykres, const std::filesystem::path& katalogDanych);

// The report's three charts of one calculation, drawn as the report shows them: the temperatures and
// the pressures (with the condensation line of `analiza`, none without it) on their backgrounds, and
// the Ma bars of `kondensacja` (empty without it). Returns the header's logo, as WczytajTloILogo.
QImage PrzygotujWykresyRaportu(TWykresTemperatur& temperatury, TWykresCisnien& cisnienia, TWykresMa& ma,
                               const TModelProjektu& model, bool cieplejWewnatrz,
                               const TAnalizaIso13788* analiza, const TTekstyKondensacji* kondensacja,
                               const std::filesystem::path& katalogDanych);
// The same with the temperatures and the pressures of two partitions: the sections of a bridged
// partition that the report's first and second pages show.
QImage PrzygotujWykresyRaportu(TWykresTemperatur& temperatury, TWykresCisnien& cisnienia, TWykresMa& ma,
                               const TModelProjektu& modelTemperatur, const TModelProjektu& modelCisnien,
                               bool cieplejWewnatrz, const TAnalizaIso13788* analiza,
                               const TTekstyKondensacji* kondensacja,
                               const std::filesystem::path& katalogDanych);

// A4 portrait, margins 10 mm top and bottom, 20 mm left and right.
QPageLayout UkladStronyRaportu();

// What the pages show: the texts, the two report charts (already drawn) and the header's logo
// (a null image is not drawn). With the moisture check's texts a third page follows: the climate
// and indoor air, the monthly table, Ma,max and the verdict, fRsi, the WT 2021 checks, the Ma
// chart (already drawn) and the summer figures.
struct TTrescRaportu {
    const TRaport& Raport;
    TWykresTemperatur& WykresTemperatur;
    TWykresCisnien& WykresCisnien;
    QImage Logo;
    const TTekstyKondensacji* Kondensacja = nullptr;
    const std::vector<TLiniaWyniku>* Lato = nullptr;
    TWykresMa* WykresMa = nullptr;
    // A partition with bridged or air layers: the lines of each page about its sections (null for a
    // homogeneous one, whose pages stay as they were).
    const TRaportPrzekrojow* Przekroje = nullptr;
};

// Paints both pages on a device whose page layout is set (a QPrinter of the preview or of the
// print dialog, a QPdfWriter). Returns false when the device cannot be painted on.
bool DrukujRaport(QPagedPaintDevice& urzadzenie, const TTrescRaportu& tresc);

// The whole report as the bytes of a PDF document.
QByteArray RaportPdf(const TTrescRaportu& tresc, const QPageLayout& uklad = UkladStronyRaportu());

// Writes the report to a PDF file through a temporary file renamed over the target, so that a
// failure never leaves a half-written file in place of an earlier one. On failure returns false
// and puts the reason into *blad.
bool ZapiszRaportPdf(const QString& plik, const TTrescRaportu& tresc, QString* blad = nullptr,
                     const QPageLayout& uklad = UkladStronyRaportu());

} // namespace murolab
