#pragma once
// The texts of the results sheet, computed from the model. The window puts them into its columns
// and labels; the command line prints them. One source, so the two cannot disagree.

#include "core/Model.h"
#include "core/Obliczenia.h"

#include <string>
#include <vector>

namespace murolab {

struct TArkuszWynikow {
    // One entry per line of each column, top to bottom (UTF-8).
    std::vector<std::string> RichEditNr;
    std::vector<std::string> RichEditMaterial;
    std::vector<std::string> RichEditLambda;
    std::vector<std::string> RichEditMi;
    std::vector<std::string> RichEditGrubosc;
    std::vector<std::string> RichEditR;
    std::vector<std::string> RichEditDelta;
    std::vector<std::string> RichEditSpadek;
    std::vector<std::string> RichEditTemp;
    std::vector<std::string> RichEditCisNasy;
    std::vector<std::string> RichEditCisCzast;
    std::string LabelUk; // "U  = 0,425": the small k under the gap is drawn by the window
    // What Uk is made of, shown under it so that the effect of each correction can be seen:
    // "U0 = 0,254", "ΔUg = 0,000", "ΔUf = 0,012", "ΔUk + dodatek własny = 0,050", all in
    // kJednostkaU, written like Uk.
    std::vector<std::string> SkladnikiUk;
    std::string LabelI;
    std::string LabelP;
    std::string LabeLKomunikat; // the verdict's text; empty after a reset
    bool KomunikatCzerwony = false;
    bool PokazKryterium = false; // LabelKomunikat3/4 ("ts +1 > θi") visible
};

// The sheet after a reset: empty columns, the reset texts of the labels, no verdict.
TArkuszWynikow ArkuszPusty();

// The sheet filled from the results of the last calculation; ti and te are the whole-degree
// temperatures of the working-conditions sheet, which decide the verdict.
TArkuszWynikow ArkuszWynikow(const TModelProjektu& model, int ti, int te);

// The working conditions as the summary lines of the layer sheet show them: ti, φi, te, φe as
// whole numbers, each empty while the model holds its "not set" value (after New, or from a file
// saved before the conditions were entered).
struct TLinieWarunkow {
    std::string TempWew, WilgotWewn, TempZewn, WilgotZewn;
};
TLinieWarunkow LinieWarunkow(const TWarunkiPracy& warunki);

// Reset texts of the result labels.
inline constexpr const char* LabelUkPusty = "U  = 0,000";
inline constexpr const char* LabelIPusty = "i = 0,000";
inline constexpr const char* LabelPPusty = "p = 0000,0";
// The unit of Uk and of its parts.
inline constexpr const char* kJednostkaU = "[W/(m²·K)]";

} // namespace murolab
