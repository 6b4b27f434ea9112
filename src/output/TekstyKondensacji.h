#pragma once
// What the sheet "Kondensacja i WT 2021" and the report's third page show, as plain texts computed
// from the moisture analysis: the design-condition planes, the monthly table, the year's verdict,
// fRsi, the WT 2021 checks and the summer figures. The sheet and the report only lay them out, so
// every text is tested without a window.

#include "core/AnalizaProjektu.h"
#include "core/Iso13788.h"
#include "core/Klimat.h"
#include "core/Lato.h"
#include "core/Model.h"

#include <optional>
#include <string>
#include <vector>

namespace murolab {

// One line of a result block. A line that judges a requirement ends with "spełnia" (black) or
// "nie spełnia" (red) after its text; a plain line may be red as a whole (condensation).
struct TLiniaWyniku {
    std::string Tekst;
    std::optional<bool> Spelnia;
    bool Czerwony = false;
    bool Pogrubiony = false;
    // The line as read: the text, then ": spełnia" / ": nie spełnia" when it judges.
    std::string Pelna() const;
    bool CzerwonaOcena() const { return Spelnia && !*Spelnia; }
};

struct TTekstyKondensacji {
    std::vector<TLiniaWyniku> Projektowe; // design condition: one line per plane, or the flux
    // The monthly table: the header and twelve rows in calendar order (none without a climate).
    std::vector<std::string> NaglowekMiesiecy;
    std::vector<std::vector<std::string>> Miesiace;
    int MiesiacPogrubiony = -1;     // row of the largest Ma, -1 when none
    std::vector<TLiniaWyniku> Rok;  // climate, indoor air, starting month, Ma,max, Ma at the end, verdict
    std::vector<TLiniaWyniku> FRsi; // the partition's fRsi against 0.72 and the critical month
    std::vector<TLiniaWyniku> WT;   // Uk against Umax, each part and the whole verdict
    std::vector<double>
        MaMiesiecy; // g/m² at each month's end (all planes), January first; empty without a year
    // What stands under the verdict of the results sheet and of the report's first page (see
    // LiniePodWerdyktem).
    std::vector<TLiniaWyniku> PodWerdyktem;
};

// Rich text (HTML) of result lines, one per line: red lines in red, "nie spełnia" in red, bold where
// marked. A number is never parted from its "=" or its unit at a line break ("g = 0,037 g/(m²·h)"
// stays together). The one markup of these lines for the sheet and the report alike.
std::string HtmlLinii(const std::vector<TLiniaWyniku>& linie);

// g in kg/(m²·s) as the sheet shows it, g/(m²·h); amounts in kg/m² as g/m².
inline constexpr double kNaGramyNaGodzine = 1000.0 * 3600.0;
inline constexpr double kNaGramy = 1000.0;

// "styk warstw 2 i 3"; the surfaces by name. n: the number of layers.
std::string OpisStyku(int styk, int liczbaWarstw);

// The whole sheet from an analysis. klimatNiedostepny: why a chosen climate could not be read
// (empty when it was read or none was chosen).
TTekstyKondensacji TekstyKondensacji(const TAnalizaIso13788& analiza, int liczbaWarstw,
                                     const std::string& klimatNiedostepny = {});

// The texts of everything AnalizujProjekt computed: the moisture check and the summer group. The
// sheet, the report and the command line's text output show these.
struct TTekstyAnalizy {
    TTekstyKondensacji Wilgoc;
    std::vector<TLiniaWyniku> Lato;
};
// For a partition with bridged or air layers every group starts by naming the section its verdict
// comes from ("Najniekorzystniejszy przekrój: „przez Krokiew 12 %”"), the summer group the largest;
// and the lines under the results' verdict start with the sections of the surface, the design
// condition and the year.
TTekstyAnalizy TekstyAnalizy(const TAnalizaProjektu& analiza, int liczbaWarstw,
                             const std::string& klimatNiedostepny = {});

// What the combined method found: each bridged and air layer, the limits R'T, R''T, RT and e (the
// refusal in red when the method does not apply), which section each verdict comes from, and a line
// of verdicts per section.
std::vector<TLiniaWyniku> LiniePrzekrojow(const TModelProjektu& model, const TAnalizaNiejednorodna& analiza);

// "Ma,max = 4029,5 g/m² na koniec marca (suma w 2 płaszczyznach; najwięcej: styk warstw 2 i 3,
// 3908,8 g/m²)", or with one plane "Ma,max = 3908,8 g/m² na koniec marca (styk warstw 2 i 3)".
// Empty when nothing accumulates.
std::string TekstMaMax(const TRokKondensacji& rok, int liczbaWarstw);

// The message that stands in place of summer figures that are not finite.
std::string TekstNieskonczonegoLata(const std::string& wartosc);

// The chosen climate's twelve months as the sheet's compact table: θe and φe, January first.
struct TWierszeKlimatu {
    std::vector<std::string> Temp;
    std::vector<std::string> Wilgot;
};
TWierszeKlimatu WierszeKlimatu(const TKlimat& klimat);

// Lines under the verdict of the results sheet: one red line per design-condition plane, and the
// year's verdict when a climate was used.
std::vector<TLiniaWyniku> LiniePodWerdyktem(const TAnalizaIso13788& analiza, int liczbaWarstw);

// The summer group "Lato (PN-EN ISO 13786)": the five figures and a reading aid, or which layers lack
// their density or specific heat; figures that are not finite are never shown, a red message is.
std::vector<TLiniaWyniku> TekstyLata(const std::optional<TLato>& lato, const std::vector<int>& brakujace);
// The same group for a calculated model, as the sheet and the report show it.
std::vector<TLiniaWyniku> TekstyLata(const TModelProjektu& model);

// The least thickness of layer `warstwa` (1-based), in whole centimetres up to 1 m, at which Uk of
// the partition (its corrections as they stand; the air-void and fastener terms follow the new
// thickness) does not exceed `umax`. Empty when no thickness up to 1 m reaches it. `model` holds
// the layers and the working conditions; its copy is calculated, the model itself is not changed.
struct TDoborGrubosci {
    double Grubosc = 0; // m
    double Uk = 0;      // W/(m²·K) at that thickness
};
std::optional<TDoborGrubosci> DobierzGrubosc(const TModelProjektu& model, int warstwa, double umax);

// A climate as the climate file format writes it: the station in the first comment line, the
// header, twelve lines "month;temp;humidity" with the decimal comma.
std::string TekstKlimatu(const TKlimat& klimat);

} // namespace murolab
