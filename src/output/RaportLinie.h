#pragma once
// The texts of the printed report as plain data: the header's description fields, the lines of the
// temperature and the pressure table, the result labels and the verdict, and the heights of the
// table bodies. The report's pages only draw what this holds, so it is tested without a printer.

#include "core/Arkusz.h"
#include "core/Model.h"

#include <string>
#include <string_view>
#include <vector>

namespace murolab {

// What the value fields of the header show until the first fill.
inline constexpr const char* kRaportZastepczy = ".................................";
inline constexpr const char* kRaportDataPusta = "Data:";
// The result labels of the report after a reset.
inline constexpr const char* kRaportUkPusty = "Uk = 0,000";
inline constexpr const char* kRaportIPusty = "i = 0,000";
inline constexpr const char* kRaportPPusty = "p = 0000,0";
// The surface-condensation criterion as the results sheet spells it: the text with a gap, and the
// letter theta that stands in the gap, reading ts + 1 > θi.
inline constexpr const char* kKryterium1 = "ts +1 >     i";
inline constexpr const char* kKryterium2 = "θ";

// Row captions shared by both tables.
inline constexpr const char* kStronaWewnetrzna = "      Wewnętrzna strona przegrody";
inline constexpr const char* kStronaZewnetrzna = "      Zewnętrzna strona przegrody";
inline constexpr const char* kSuma = " suma:";

// One text column per heading box; each column holds only the lines it is given, so some end
// before the last row.
struct TTabelaTemperatur {
    std::vector<std::string> Nr, Nazwa, Grubosc, Lambda, R, Spadek;
    std::vector<std::string> Temp; // "t[°C]": starts half a line higher, one value per row border
};

struct TTabelaCisnien {
    std::vector<std::string> Nr, Nazwa, Grubosc, Mi, Delta;
    std::vector<std::string> CisNasy, CisCzast; // start half a line higher, like "t[°C]"
};

struct TRaport {
    // Header (page 1 and 2).
    std::string Data = kRaportDataPusta;
    std::string Inwestor = kRaportZastepczy;
    std::string Obiekt = kRaportZastepczy;
    std::string Adres = kRaportZastepczy;
    std::string Przegroda = kRaportZastepczy; // partition type; empty when Obiekt is
    std::string Projektant = kRaportZastepczy;
    // Summary under the temperature table.
    std::string Kondensacja;  // the verdict
    std::string Kondensacja1; // kKryterium1 after a condensation verdict, else empty
    std::string Kondensacja2; // kKryterium2 after a condensation verdict, else empty
    std::string Uk = kRaportUkPusty;
    // The parts of Uk as the results sheet shows them, printed under the result line.
    std::vector<std::string> SkladnikiUk = ArkuszPusty().SkladnikiUk;
    std::string I = kRaportIPusty;
    std::string P = kRaportPPusty;
    TTabelaTemperatur Temperatury;
    TTabelaCisnien Cisnienia;
    // Heights at 96 pixels per inch, growing with the layer count n (here for n = 0 until the first
    // fill): every body column 18·n + 42, "t[°C]" 18·n + 50, the vertical rules 16·n + 64.
    int WysokoscKolumny = 42;
    int WysokoscKolumnyTemp = 50;
    int DlugoscLinii = 64;
};

// One part of Uk ("U0 = 0,351", "ΔUg = 0,009", ...) as rich text with its letter set as a
// subscript (U<sub>0</sub>), for the results sheet and the report alike.
std::string SkladnikUkHtml(std::string_view skladnik);

// Heights for n layers.
int WysokoscKolumnyRaportu(int liczbaWarstw);
int WysokoscKolumnyTempRaportu(int liczbaWarstw);
int DlugoscLiniiRaportu(int liczbaWarstw);

// The reset run with the results reset (calculation, New, Open): empties the fourteen body columns
// and sets the result labels to their reset texts. The description and the verdict stay.
void WyczyscRaport(TRaport& raport);

// The fill at the end of a calculation: heights, verdict, both tables, result labels (copied from
// the results sheet), description, and the partition type (typPrzegrody, the text of the sheet's
// list) shown only when Obiekt is not empty.
void WypelnijRaport(TRaport& raport, const TModelProjektu& model, const TArkuszWynikow& arkusz,
                    std::string_view typPrzegrody);

} // namespace murolab
