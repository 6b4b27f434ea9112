#include "core/ObliczenieProjektu.h"

#include "core/Obliczenia.h"
#include "core/Sprawdzenia.h"

namespace murolab {

TBlad BladNadpisanIso13788(const TNadpisaniaIso13788& o) {
    if (!o.Wnetrze.empty() && !WnetrzeZTekstu(o.Wnetrze))
        return "Nieznana wartość --wnetrze: „" + o.Wnetrze + "” (dozwolone: stale, klasa1 … klasa4).";
    if (!o.WierszWT.empty() && !ZnajdzWierszWT(o.WierszWT)) {
        std::string ids;
        for (const TWierszWT& w : WierszeWT())
            ids += (ids.empty() ? "" : ", ") + std::string(w.Id);
        return "Nieznany wiersz WT 2021: „" + o.WierszWT + "” (dozwolone: " + ids + ").";
    }
    return std::nullopt;
}

TWyborIso13788 WyborIso13788(const TNadpisaniaIso13788& o, const TModelProjektu& model,
                             std::vector<std::string>& ostrzezenia) {
    const TUstawieniaIso13788& zapisane = model.Iso13788;
    TWyborIso13788 w;
    w.Klimat = !o.Klimat.empty() ? o.Klimat : zapisane.Klimat;
    const std::string wnetrze = !o.Wnetrze.empty() ? o.Wnetrze : zapisane.Wnetrze;
    if (const auto wn = WnetrzeZTekstu(wnetrze.empty() ? "stale" : wnetrze))
        w.Wnetrze = *wn;
    else
        ostrzezenia.push_back("Ostrzeżenie: nieznane warunki wnętrza „" + wnetrze +
                              "” zapisane w projekcie; przyjęto „stale”.");
    const std::string wiersz = !o.WierszWT.empty() ? o.WierszWT : zapisane.WierszWT;
    w.Wiersz = wiersz.empty() ? nullptr : ZnajdzWierszWT(wiersz);
    if (!w.Wiersz) {
        if (!wiersz.empty())
            ostrzezenia.push_back("Ostrzeżenie: nieznany wiersz WT 2021 „" + wiersz +
                                  "” zapisany w projekcie; przyjęto wiersz typu przegrody.");
        w.Wiersz = &DomyslnyWierszWT(model.WarunkiPracy.TypPrzegrody.Utf8());
    }
    return w;
}

TBlad SprawdzIOblicz(TModelProjektu& model, std::vector<std::string>& ostrzezenia) {
    if (model.LiczbaWarstw <= 0)
        return std::string(komunikaty::BrakWarstw);
    for (int k = 1; k <= model.LiczbaWarstw; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        if (const auto blad = BladWarstwy(warstwa.Lambda, warstwa.Mi, warstwa.Grubosc))
            return "Warstwa " + std::to_string(k) + " („" + warstwa.Nazwa.Utf8() + "”): " + *blad;
    }
    switch (SprawdzWarunkiModelu(model)) {
    case TStanWarunkow::Brak:
        return std::string(komunikaty::BrakWarunkow);
    case TStanWarunkow::BezPoprawek:
        ostrzezenia.push_back(std::string("Ostrzeżenie: ") + komunikaty::BrakMostkow);
        break;
    case TStanWarunkow::Kompletne:
        break;
    }
    ObliczPrzegrode(model);
    // Numbers the checks let through can still overflow (a huge surface resistance, say): such a
    // result is no result.
    if (const auto wynik = NieskonczonyWynik(model))
        return "Obliczenia nie dały skończonego wyniku (" + *wynik +
               "): dane projektu wykraczają poza zakres, w którym obliczenie ma sens.";
    return std::nullopt;
}

} // namespace murolab
