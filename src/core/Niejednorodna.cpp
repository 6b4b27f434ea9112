#include "core/Niejednorodna.h"

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

TWartoscJson Liczby(const std::vector<double>& v) {
    TWartoscJson t = TWartoscJson::Tablica();
    for (double x : v)
        t.Dodaj(x);
    return t;
}

TWartoscJson LiczbaLubNull(const std::optional<double>& x) {
    return x ? TWartoscJson(*x) : TWartoscJson();
}

TWartoscJson CalkowitaLubNull(const std::optional<int>& x) {
    return x ? TWartoscJson(*x) : TWartoscJson();
}

TWartoscJson JsonKondensacji(const TStanDyfuzji& s) {
    TWartoscJson k = TWartoscJson::Obiekt();
    TWartoscJson plaszczyzny = TWartoscJson::Tablica();
    for (const TPlaszczyzna& p : s.Plaszczyzny) {
        TWartoscJson o = TWartoscJson::Obiekt();
        o.Ustaw("Styk", p.Styk);
        o.Ustaw("Temp", p.Temp);
        o.Ustaw("Strumien", p.Strumien);
        plaszczyzny.Dodaj(std::move(o));
    }
    k.Ustaw("Plaszczyzny", std::move(plaszczyzny));
    k.Ustaw("Strumien", LiczbaLubNull(s.Strumien));
    k.Ustaw("CisNasy", Liczby(s.CisNasy));
    k.Ustaw("CisCzast", Liczby(s.CisCzast));
    return k;
}

TWartoscJson JsonRoku(const TAnalizaIso13788& a) {
    if (!a.Rok)
        return {};
    const TRokKondensacji& r = *a.Rok;
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Ustaw("Klimat", a.Klimat);
    o.Ustaw("Wnetrze", TekstWnetrza(a.Wnetrze));
    o.Ustaw("MiesiacStartu", CalkowitaLubNull(r.MiesiacStartu));
    o.Ustaw("Werdykt", std::string(KodWerdyktuRocznego(r.Werdykt)));
    o.Ustaw("MaMax", r.MaMax);
    o.Ustaw("MaMaxMiesiac", CalkowitaLubNull(r.MaMaxMiesiac));
    o.Ustaw("MaMaxStyk", CalkowitaLubNull(r.MaMaxStyk));
    o.Ustaw("MaKoniec", r.MaKoniec);
    TWartoscJson miesiace = TWartoscJson::Tablica();
    for (const TMiesiacRoku& m : r.Miesiace) {
        TWartoscJson mo = TWartoscJson::Obiekt();
        mo.Ustaw("Miesiac", m.Miesiac);
        mo.Ustaw("TempZewn", m.TempZewn);
        mo.Ustaw("WilgotZewn", m.WilgotZewn);
        mo.Ustaw("CisZewn", m.CisZewn);
        mo.Ustaw("TempWewn", m.TempWewn);
        mo.Ustaw("CisWewn", m.CisWewn);
        mo.Ustaw("fRsiMin", LiczbaLubNull(m.FRsiMin));
        TWartoscJson plaszczyzny = TWartoscJson::Tablica();
        for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny) {
            TWartoscJson po = TWartoscJson::Obiekt();
            po.Ustaw("Styk", p.Styk);
            po.Ustaw("Strumien", p.Strumien);
            po.Ustaw("Ilosc", p.Ilosc);
            po.Ustaw("Ma", p.Ma);
            plaszczyzny.Dodaj(std::move(po));
        }
        mo.Ustaw("Plaszczyzny", std::move(plaszczyzny));
        miesiace.Dodaj(std::move(mo));
    }
    o.Ustaw("Miesiace", std::move(miesiace));
    return o;
}

TWartoscJson JsonFRsi(const TFRsi& f) {
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Ustaw("Przegrody", f.Przegrody);
    o.Ustaw("Wymagane072", f.Wymagane072);
    o.Ustaw("MiesiacKrytyczny", CalkowitaLubNull(f.MiesiacKrytyczny));
    o.Ustaw("fRsiMax", LiczbaLubNull(f.FRsiMax));
    return o;
}

TWartoscJson JsonLata(const std::optional<TLato>& lato) {
    if (!lato)
        return {};
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Ustaw("U", lato->U);
    o.Ustaw("Y12", lato->Y12);
    o.Ustaw("Tlumienie", lato->Tlumienie);
    o.Ustaw("Opoznienie", lato->Opoznienie);
    o.Ustaw("Kappa1", lato->Kappa1);
    o.Ustaw("Kappa2", lato->Kappa2);
    o.Ustaw("Y11", lato->Y11);
    return o;
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

    if (a.Metoda.Stosowalna) {
        TOcenaWT wt = a.Przekroje[a.NajgorszeFRsi].Iso13788.WT;
        wt.Uk = Uk(model);
        wt.SpelniaU = !wt.UMax || wt.Uk <= *wt.UMax + 1e-9;
        if (a.NajgorszyRok) {
            wt.SpelniaKondensacja = a.Przekroje[*a.NajgorszyRok].Iso13788.WT.SpelniaKondensacja;
            wt.Spelnia = wt.SpelniaU && wt.SpelniafRsi && wt.SpelniaKondensacja.value_or(false);
        }
        a.WT = wt;
    }
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
