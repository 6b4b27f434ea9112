#include "output/Przekroje.h"

#include "core/Iso6946.h"
#include "core/Niejednorodna.h"

namespace murolab {

namespace {

TLiniaWyniku Linia(std::string tekst, bool czerwona = false) {
    TLiniaWyniku l;
    l.Tekst = std::move(tekst);
    l.Czerwony = czerwona;
    return l;
}

const TAnalizaPrzekroju* Przekroj(const TAnalizaProjektu& a, std::size_t przekroj) {
    if (!a.Niejednorodna || przekroj >= a.Niejednorodna->Przekroje.size())
        return nullptr;
    return &a.Niejednorodna->Przekroje[przekroj];
}

} // namespace

std::vector<std::string> NazwyPrzekrojow(const TAnalizaProjektu& analiza) {
    std::vector<std::string> nazwy;
    if (analiza.Niejednorodna)
        for (const TAnalizaPrzekroju& p : analiza.Niejednorodna->Przekroje)
            nazwy.push_back(p.Przekroj.Nazwa);
    return nazwy;
}

std::size_t DomyslnyPrzekroj(const TAnalizaProjektu& analiza) {
    return analiza.Niejednorodna ? analiza.Niejednorodna->Najwiekszy : 0;
}

const TModelProjektu& ModelPrzekrojuWidoku(const TModelProjektu& model, const TAnalizaProjektu& analiza,
                                           std::size_t przekroj) {
    const TAnalizaPrzekroju* p = Przekroj(analiza, przekroj);
    return p ? p->Model : model;
}

const TAnalizaIso13788& WilgocPrzekrojuWidoku(const TAnalizaProjektu& analiza, std::size_t przekroj) {
    const TAnalizaPrzekroju* p = Przekroj(analiza, przekroj);
    return p ? p->Iso13788 : analiza.Wilgoc;
}

TArkuszWynikow ArkuszWynikowPrzekroju(const TModelProjektu& model, const TAnalizaProjektu& analiza,
                                      std::size_t przekroj, int ti, int te) {
    const TAnalizaPrzekroju* p = Przekroj(analiza, przekroj);
    if (!p)
        return ArkuszWynikow(model, ti, te);
    TArkuszWynikow a = ArkuszWynikow(p->Model, ti, te);
    const TArkuszWynikow calosc = ArkuszWynikow(model, ti, te);
    a.LabelUk = calosc.LabelUk;
    a.SkladnikiUk = calosc.SkladnikiUk;
    const TAnalizaNiejednorodna& n = *analiza.Niejednorodna;
    const TArkuszWynikow najzimniejszy = ArkuszWynikow(n.Przekroje[n.NajgorszaPowierzchnia].Model, ti, te);
    a.LabeLKomunikat = najzimniejszy.LabeLKomunikat;
    a.KomunikatCzerwony = najzimniejszy.KomunikatCzerwony;
    a.PokazKryterium = najzimniejszy.PokazKryterium;
    return a;
}

std::vector<TLiniaWyniku> LinieWynikowNiejednorodnej(const TModelProjektu& model,
                                                     const TAnalizaProjektu& analiza) {
    std::vector<TLiniaWyniku> linie;
    if (analiza.Niejednorodna) {
        linie.push_back(Linia("Przegroda niejednorodna (PN-EN ISO 6946):"));
        linie.back().Pogrubiony = true;
        for (TLiniaWyniku& l : LiniePrzekrojow(model, *analiza.Niejednorodna)) {
            const bool odmowa = l.Czerwony;
            linie.push_back(std::move(l));
            if (odmowa)
                linie.push_back(Linia("U podano tylko informacyjnie; wymagań WT 2021 nie oceniono."));
        }
    }
    if (std::string lacznik = OpisFormyLacznika(model); !lacznik.empty())
        linie.push_back(Linia(std::move(lacznik)));
    return linie;
}

TWilgocPrzekroju WilgocPrzekroju(const TAnalizaProjektu& analiza, std::size_t przekroj) {
    const TAnalizaPrzekroju* p = Przekroj(analiza, przekroj);
    if (!p)
        return {};
    return {WerdyktyPrzekroju(*p), TekstyKondensacji(p->Iso13788, p->Model.LiczbaWarstw)};
}

TRaportPrzekrojow RaportPrzekrojow(const TModelProjektu& model, const TAnalizaNiejednorodna& analiza) {
    TRaportPrzekrojow r;
    r.Strona1 = analiza.NajgorszaPowierzchnia;
    r.Strona2 = analiza.NajgorszaKondensacja;
    for (const TLiniaOpisu& l : OpisNiejednorodnej(model, analiza.Metoda))
        r.Linie1.push_back(Linia(l.Tekst, l.Czerwona));
    r.Linie1.push_back(Linia("Tabela i wykres temperatur: " + ZrodloWerdyktu(analiza, r.Strona1) +
                             " (najniższa temperatura powierzchni wewnętrznej)"));
    r.Linie2.push_back(Linia("Tabela i wykres ciśnień: " + ZrodloWerdyktu(analiza, r.Strona2) +
                             " (najwięcej kondensacji w warunkach obliczeniowych)"));
    for (std::size_t j = 0; j < analiza.Przekroje.size(); ++j) {
        const std::string werdykty = WerdyktyPrzekroju(analiza.Przekroje[j]);
        if (j != r.Strona2)
            r.Linie2.push_back(Linia("Przekrój " + werdykty));
        r.Linie3.push_back(Linia("Przekrój " + werdykty));
    }
    return r;
}

void WypelnijRaportPrzekrojow(TRaport& raport, const TModelProjektu& model, const TAnalizaProjektu& analiza,
                              int ti, int te, std::string_view typPrzegrody) {
    if (!analiza.Niejednorodna) {
        WypelnijRaport(raport, model, ArkuszWynikow(model, ti, te), typPrzegrody);
        return;
    }
    const TRaportPrzekrojow strony = RaportPrzekrojow(model, *analiza.Niejednorodna);
    const auto wypelnij = [&](TRaport& r, std::size_t przekroj) {
        const TModelProjektu& m = ModelPrzekrojuWidoku(model, analiza, przekroj);
        // The description stays the project's own: a section's model carries it too.
        WypelnijRaport(r, m, ArkuszWynikowPrzekroju(model, analiza, przekroj, ti, te), typPrzegrody);
    };
    wypelnij(raport, strony.Strona1);
    TRaport cisnienia;
    wypelnij(cisnienia, strony.Strona2);
    raport.Cisnienia = std::move(cisnienia.Cisnienia);
}

} // namespace murolab
