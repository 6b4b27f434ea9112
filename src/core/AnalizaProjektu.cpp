#include "core/AnalizaProjektu.h"

#include <cmath>
#include <utility>

namespace murolab {

std::string NieskonczonaWartoscLata(const TLato& l) {
    const std::pair<const char*, double> wartosci[] = {
        {"U", l.U},       {"|Y12|", l.Y12}, {"f", l.Tlumienie}, {"Δt", l.Opoznienie},
        {"κ1", l.Kappa1}, {"κ2", l.Kappa2}, {"|Y11|", l.Y11}};
    for (const auto& [nazwa, wartosc] : wartosci)
        if (!std::isfinite(wartosc))
            return nazwa;
    return {};
}

TWnetrze WnetrzeProjektu(const TModelProjektu& model) {
    const auto w = WnetrzeZTekstu(model.Iso13788.Wnetrze);
    return w ? *w : TWnetrze{};
}

const TWierszWT& WierszWTProjektu(const TModelProjektu& model) {
    if (const TWierszWT* w = ZnajdzWierszWT(model.Iso13788.WierszWT))
        return *w;
    return DomyslnyWierszWT(model.WarunkiPracy.TypPrzegrody.Utf8());
}

TAnalizaProjektu AnalizujProjekt(const TModelProjektu& model, const TWyborAnalizy& wybor) {
    TAnalizaProjektu a;
    const TWierszWT& wiersz =
        wybor.Wiersz ? *wybor.Wiersz : DomyslnyWierszWT(model.WarunkiPracy.TypPrzegrody.Utf8());
    a.Wilgoc = AnalizujIso13788(model, wybor.Klimat, wybor.Klimat ? wybor.NazwaKlimatu : std::string(),
                                wybor.Wnetrze, wiersz);
    a.WarstwyBezDanychLata = WarstwyBezDanychLata(model);
    a.Lato = LatoPrzegrody(model);
    if (a.Lato) {
        a.NieskonczoneLato = NieskonczonaWartoscLata(*a.Lato);
        if (!a.NieskonczoneLato.empty())
            a.Lato.reset();
    }
    return a;
}

} // namespace murolab
