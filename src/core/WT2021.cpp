#include "core/WT2021.h"

namespace murolab {

namespace {

bool ZaczynaSie(std::string_view tekst, std::string_view przedrostek) {
    return tekst.substr(0, przedrostek.size()) == przedrostek;
}

} // namespace

const std::vector<TWierszWT>& WierszeWT() {
    static const std::vector<TWierszWT> kWiersze{
        {"sciana_zewnetrzna", "Ściany zewnętrzne", {0.20, 0.45, 0.90}},
        {"dach",
         "Dachy, stropodachy i stropy pod nieogrzewanymi poddaszami lub nad przejazdami",
         {0.15, 0.30, 0.70}},
        {"podloga_na_gruncie", "Podłogi na gruncie", {0.30, 1.20, 1.50}},
        {"strop_nad_nieogrzewanym",
         "Stropy nad pomieszczeniami nieogrzewanymi i zamkniętymi przestrzeniami podpodłogowymi",
         {0.25, 0.30, 1.00}},
        {"sciana_wewn_nieogrzewane",
         "Ściany wewnętrzne między pomieszczeniami ogrzewanymi i nieogrzewanymi",
         {0.30, std::nullopt, std::nullopt}},
        {"sciana_wewn_dt8",
         "Ściany wewnętrzne przy różnicy temperatur Δt ≥ 8 °C",
         {1.00, std::nullopt, std::nullopt}},
    };
    return kWiersze;
}

const TWierszWT* ZnajdzWierszWT(std::string_view id) {
    for (const TWierszWT& w : WierszeWT())
        if (w.Id == id)
            return &w;
    return nullptr;
}

const TWierszWT& DomyslnyWierszWT(std::string_view typ) {
    // The working conditions keep the list's text cut to 40 characters, so the start decides.
    const char* id = "sciana_zewnetrzna";
    if (ZaczynaSie(typ, "Dachy") || ZaczynaSie(typ, "Strop nad ost"))
        id = "dach";
    else if (ZaczynaSie(typ, "Strop nad piwnic"))
        id = "strop_nad_nieogrzewanym";
    else if (ZaczynaSie(typ, "Ściany wewnętrzne"))
        id = "sciana_wewn_dt8";
    return *ZnajdzWierszWT(id);
}

std::optional<double> UMaxWT(const TWierszWT& wiersz, double ti) {
    if (ti >= 16)
        return wiersz.UMax[0];
    if (ti >= 8)
        return wiersz.UMax[1];
    return wiersz.UMax[2];
}

std::string_view TekstSpelnia(bool spelnia) {
    return spelnia ? "spełnia" : "nie spełnia";
}

} // namespace murolab
