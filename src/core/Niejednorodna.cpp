#include "core/Niejednorodna.h"

#include "core/JsonAnalizy.h"
#include "core/Liczby.h"

#include <algorithm>

namespace murolab {

namespace {

double SumaKondensacji(const TStanDyfuzji& s) {
    double suma = 0;
    for (const TPlaszczyzna& p : s.Plaszczyzny)
        suma += std::max(p.Strumien, 0.0);
    return suma;
}

int RangaRoku(TWerdyktRoczny w) {
    switch (w) {
    case TWerdyktRoczny::Brak:
        return 0;
    case TWerdyktRoczny::Wysycha:
        return 1;
    case TWerdyktRoczny::Narasta:
        return 2;
    }
    return 0;
}

// The section that is worse by `gorszy` than every one before it; the largest section when none is.
template <typename F> std::size_t Najgorszy(const TAnalizaNiejednorodna& a, F gorszy) {
    std::size_t wynik = a.Najwiekszy;
    for (std::size_t j = 0; j < a.Przekroje.size(); ++j)
        if (gorszy(a.Przekroje[j], a.Przekroje[wynik]))
            wynik = j;
    return wynik;
}

} // namespace

TAnalizaNiejednorodna AnalizujNiejednorodna(const TModelProjektu& model, const TKlimat* klimat,
                                            const std::string& nazwaKlimatu, TWnetrze wnetrze,
                                            const TWierszWT& wiersz) {
    TAnalizaNiejednorodna a;
    a.Metoda = MetodaLaczona(model);
    const int ti = model.WarunkiPracy.TempWew;
    const int te = model.WarunkiPracy.TempZewn;
    for (const TPrzekroj& p : a.Metoda.Przekroje) {
        TAnalizaPrzekroju s{p, ModelPrzekroju(model, p), {}, {}, {}};
        ObliczPrzegrode(s.Model);
        s.Powierzchnia = WerdyktKondensacji(ti, te, s.Model);
        s.Iso13788 = AnalizujIso13788(s.Model, klimat, nazwaKlimatu, wnetrze, wiersz);
        s.Lato = LatoPrzegrody(s.Model);
        a.Przekroje.push_back(std::move(s));
    }
    a.Najwiekszy = static_cast<std::size_t>(&NajwiekszyPrzekroj(a.Metoda) - a.Metoda.Przekroje.data());

    a.NajgorszaPowierzchnia = Najgorszy(a, [](const TAnalizaPrzekroju& x, const TAnalizaPrzekroju& y) {
        return x.Model.Wyniki.Temp[1] < y.Model.Wyniki.Temp[1];
    });
    a.NajgorszaKondensacja = Najgorszy(a, [](const TAnalizaPrzekroju& x, const TAnalizaPrzekroju& y) {
        return SumaKondensacji(x.Iso13788.Projektowe) > SumaKondensacji(y.Iso13788.Projektowe);
    });
    a.NajgorszeFRsi = Najgorszy(a, [](const TAnalizaPrzekroju& x, const TAnalizaPrzekroju& y) {
        return x.Iso13788.FRsi.Przegrody < y.Iso13788.FRsi.Przegrody;
    });
    if (klimat)
        a.NajgorszyRok = Najgorszy(a, [](const TAnalizaPrzekroju& x, const TAnalizaPrzekroju& y) {
            const int rx = RangaRoku(x.Iso13788.Rok->Werdykt);
            const int ry = RangaRoku(y.Iso13788.Rok->Werdykt);
            return rx > ry || (rx == ry && x.Iso13788.Rok->MaMax > y.Iso13788.Rok->MaMax);
        });

    TOcenaWT wt = a.Przekroje[a.NajgorszeFRsi].Iso13788.WT;
    wt.Uk = Uk(model);
    wt.SpelniaU = !wt.UMax || wt.Uk <= *wt.UMax + 1e-9;
    wt.SpelniaKondensacja.reset();
    if (a.NajgorszyRok)
        wt.SpelniaKondensacja = a.Przekroje[*a.NajgorszyRok].Iso13788.WT.SpelniaKondensacja;
    // As for a homogeneous partition: false as soon as a part fails, empty while the year is unchecked.
    if (!wt.SpelniaU || !wt.SpelniafRsi || (wt.SpelniaKondensacja && !*wt.SpelniaKondensacja))
        wt.Spelnia = false;
    else if (wt.SpelniaKondensacja)
        wt.Spelnia = true;
    else
        wt.Spelnia.reset();
    if (!a.Metoda.Stosowalna) {
        wt.Spelnia.reset();
        wt.Nieoceniona = a.Metoda.Komunikat;
    }
    a.WT = wt;
    return a;
}

std::string WerdyktyPrzekroju(const TAnalizaPrzekroju& p) {
    std::string t = p.Przekroj.Nazwa + ": ";
    switch (p.Powierzchnia.Rodzaj) {
    case TRodzajWerdyktu::Konsultacja:
        t += "temp. wewn. nie wyższa od zewn.";
        break;
    case TRodzajWerdyktu::Kondensacja:
        t += "na powierzchni kondensacja";
        break;
    case TRodzajWerdyktu::BrakKondensacji:
        t += "na powierzchni brak kondensacji";
        break;
    }
    const auto& plaszczyzny = p.Iso13788.Projektowe.Plaszczyzny;
    if (plaszczyzny.empty()) {
        t += "; wewnątrz brak kondensacji";
    } else {
        t += "; wewnątrz kondensacja na styku";
        for (std::size_t i = 0; i < plaszczyzny.size(); ++i)
            t += (i == 0 ? " " : ", ") + std::to_string(plaszczyzny[i].Styk);
    }
    if (p.Iso13788.Rok)
        t += "; w roku " + std::string(TekstWerdyktuRocznego(p.Iso13788.Rok->Werdykt));
    return t + "; fRsi = " + Staly(p.Iso13788.FRsi.Przegrody, 15, 3);
}

std::string ZrodloWerdyktu(const TAnalizaNiejednorodna& a, std::size_t przekroj) {
    return "przekrój „" + a.Przekroje.at(przekroj).Przekroj.Nazwa + "”";
}

TWartoscJson JsonNiejednorodnej(const TAnalizaNiejednorodna& analiza) {
    const TMetodaLaczona& m = analiza.Metoda;
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Ustaw("RTGorna", m.RTGorna);
    o.Ustaw("RTDolna", m.RTDolna);
    o.Ustaw("RT", m.RT);
    o.Ustaw("Blad", m.Blad);
    o.Ustaw("Stosowalna", m.Stosowalna);
    TWartoscJson przekroje = TWartoscJson::Tablica();
    for (const TAnalizaPrzekroju& s : analiza.Przekroje) {
        TWartoscJson p = TWartoscJson::Obiekt();
        p.Ustaw("Udzial", s.Przekroj.Udzial);
        p.Ustaw("RT", s.Przekroj.RT);
        p.Ustaw("U", 1 / s.Przekroj.RT);
        TWartoscJson warstwy = TWartoscJson::Tablica();
        for (int k = 1; k <= s.Model.LiczbaWarstw; ++k)
            warstwy.Dodaj(s.Model.Warstwy[k].Nazwa.Utf8());
        p.Ustaw("Warstwy", std::move(warstwy));
        p.Ustaw("Kondensacja", JsonKondensacji(s.Iso13788.Projektowe));
        p.Ustaw("Roczny", JsonRoku(s.Iso13788));
        p.Ustaw("fRsi", JsonFRsi(s.Iso13788.FRsi));
        p.Ustaw("Letnie", JsonLata(s.Lato));
        przekroje.Dodaj(std::move(p));
    }
    o.Ustaw("Przekroje", std::move(przekroje));
    return o;
}

} // namespace murolab
