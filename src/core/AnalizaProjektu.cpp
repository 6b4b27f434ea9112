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

namespace {

// Each check of a bridged partition is the one of its worst section; the summer figures are the
// largest section's. The WT 2021 verdict is the partition's own.
void PrzyjmijNajgorszePrzekroje(TAnalizaProjektu& a) {
    const TAnalizaNiejednorodna& n = *a.Niejednorodna;
    const auto& p = n.Przekroje;
    const TAnalizaPrzekroju& najwiekszy = p[n.Najwiekszy];
    a.LiczbaWarstwWilgoci = najwiekszy.Model.LiczbaWarstw;
    a.Wilgoc = najwiekszy.Iso13788;
    a.Wilgoc.Projektowe = p[n.NajgorszaKondensacja].Iso13788.Projektowe;
    if (n.NajgorszyRok)
        a.Wilgoc.Rok = p[*n.NajgorszyRok].Iso13788.Rok;
    a.Wilgoc.FRsi = p[n.NajgorszeFRsi].Iso13788.FRsi;
    a.Wilgoc.WT = n.WT;
    a.WarstwyBezDanychLata = WarstwyBezDanychLata(najwiekszy.Model);
    a.Lato = najwiekszy.Lato;
}

} // namespace

TAnalizaProjektu AnalizujProjekt(const TModelProjektu& model, const TWyborAnalizy& wybor) {
    TAnalizaProjektu a;
    const TWierszWT& wiersz =
        wybor.Wiersz ? *wybor.Wiersz : DomyslnyWierszWT(model.WarunkiPracy.TypPrzegrody.Utf8());
    const std::string nazwaKlimatu = wybor.Klimat ? wybor.NazwaKlimatu : std::string();
    a.LiczbaWarstwWilgoci = model.LiczbaWarstw;
    if (CzyNiejednorodna(model)) {
        a.Niejednorodna = AnalizujNiejednorodna(model, wybor.Klimat, nazwaKlimatu, wybor.Wnetrze, wiersz);
        PrzyjmijNajgorszePrzekroje(a);
    } else {
        a.Wilgoc = AnalizujIso13788(model, wybor.Klimat, nazwaKlimatu, wybor.Wnetrze, wiersz);
        a.WarstwyBezDanychLata = WarstwyBezDanychLata(model);
        a.Lato = LatoPrzegrody(model);
    }
    if (a.Lato) {
        a.NieskonczoneLato = NieskonczonaWartoscLata(*a.Lato);
        if (!a.NieskonczoneLato.empty())
            a.Lato.reset();
    }
    return a;
}

} // namespace murolab
