#include "output/TekstyKondensacji.h"

#include "core/Liczby.h"
#include "core/Obliczenia.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace murolab {

namespace {

std::string Temp(double t) {
    return Staly(t, 4, 1);
}
std::string Cisnienie(double p) {
    return Staly(p, 5, 0);
}
std::string Strumien(double g) {
    return Staly(g * kNaGramyNaGodzine, 4, 3);
}
std::string Gramy(double kg) {
    return Staly(kg * kNaGramy, 6, 1);
}
std::string Wspolczynnik(double f) {
    return Staly(f, 4, 3);
}

TLiniaWyniku Linia(std::string tekst, bool czerwony = false) {
    TLiniaWyniku l;
    l.Tekst = std::move(tekst);
    l.Czerwony = czerwony;
    return l;
}
TLiniaWyniku Ocena(std::string tekst, bool spelnia) {
    TLiniaWyniku l;
    l.Tekst = std::move(tekst);
    l.Spelnia = spelnia;
    return l;
}

std::string LiniaPlaszczyzny(const TPlaszczyzna& p, int n) {
    return "Kondensacja wewnątrz przegrody: " + OpisStyku(p.Styk, n) + ", θ = " + Temp(p.Temp) +
           " °C, g = " + Strumien(p.Strumien) + " g/(m²·h)";
}

std::string Miesiac(int miesiac) {
    return std::string(NazwaMiesiaca(miesiac));
}

// The station as a short name: the file's first comment line up to its parenthesis.
std::string NazwaKlimatu(const TAnalizaIso13788& a) {
    if (a.Stacja.empty())
        return a.Klimat;
    const auto nawias = a.Stacja.find(" (");
    return nawias == std::string::npos || nawias == 0 ? a.Stacja : a.Stacja.substr(0, nawias);
}

} // namespace

std::string TLiniaWyniku::Pelna() const {
    if (!Spelnia)
        return Tekst;
    return Tekst + ": " + std::string(TekstSpelnia(*Spelnia));
}

std::string OpisStyku(int styk, int liczbaWarstw) {
    if (styk <= 0)
        return "powierzchnia wewnętrzna";
    if (styk >= liczbaWarstw)
        return "powierzchnia zewnętrzna";
    return "styk warstw " + Calkowita(styk) + " i " + Calkowita(styk + 1);
}

TTekstyKondensacji TekstyKondensacji(const TAnalizaIso13788& a, int n, const std::string& klimatNiedostepny) {
    TTekstyKondensacji t;

    // -- the design condition
    const TStanDyfuzji& s = a.Projektowe;
    for (const TPlaszczyzna& p : s.Plaszczyzny)
        t.Projektowe.push_back(Linia(LiniaPlaszczyzny(p, n), true));
    if (s.Plaszczyzny.empty()) {
        std::string tekst = "Brak kondensacji wewnątrz przegrody w warunkach obliczeniowych";
        if (s.Strumien)
            tekst += "; strumień pary g = " + Strumien(*s.Strumien) + " g/(m²·h)";
        t.Projektowe.push_back(Linia(tekst));
    }

    // -- the year
    if (!a.Rok) {
        if (!klimatNiedostepny.empty())
            t.Rok.push_back(Linia(klimatNiedostepny, true));
        t.Rok.push_back(
            Linia("Ocena roczna (12 miesięcy) wymaga klimatu: wybierz stację lub własny klimat."));
    } else {
        const TRokKondensacji& r = *a.Rok;
        t.Rok.push_back(Linia("Klimat: " + NazwaKlimatu(a) + "; wnętrze: " + OpisWnetrza(a.Wnetrze)));

        // Columns per plane: every interface that is a plane in some month, inner side first.
        std::set<int> styki;
        for (const TMiesiacRoku& m : r.Miesiace)
            for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny)
                styki.insert(p.Styk);
        t.NaglowekMiesiecy = {"Miesiąc", "θe [°C]", "φe [%]", "pe [Pa]", "pi [Pa]"};
        for (int styk : styki) {
            const std::string gdzie =
                styk > 0 && styk < n ? Calkowita(styk) + "/" + Calkowita(styk + 1) : OpisStyku(styk, n);
            t.NaglowekMiesiecy.push_back("g·t " + gdzie + " [g/m²]");
            t.NaglowekMiesiecy.push_back("Ma " + gdzie + " [g/m²]");
        }
        for (const TMiesiacRoku& m : r.Miesiace) {
            std::vector<std::string> w = {Miesiac(m.Miesiac), Temp(m.TempZewn), Staly(m.WilgotZewn, 4, 1),
                                          Cisnienie(m.CisZewn), Cisnienie(m.CisWewn)};
            double suma = 0;
            for (int styk : styki) {
                const auto p = std::find_if(m.Plaszczyzny.begin(), m.Plaszczyzny.end(),
                                            [styk](const TPlaszczyznaMiesiaca& x) { return x.Styk == styk; });
                if (p == m.Plaszczyzny.end()) {
                    w.push_back("–");
                    w.push_back("–");
                } else {
                    w.push_back(Gramy(p->Ilosc));
                    w.push_back(Gramy(p->Ma));
                    suma += p->Ma;
                }
            }
            t.Miesiace.push_back(std::move(w));
            t.MaMiesiecy.push_back(suma * kNaGramy);
        }
        if (r.MaMax > 0 && r.MaMaxMiesiac)
            t.MiesiacPogrubiony = *r.MaMaxMiesiac - 1;

        if (r.MiesiacStartu)
            t.Rok.push_back(Linia("Miesiąc początkowy: " + Miesiac(*r.MiesiacStartu)));
        if (r.MaMax > 0) {
            std::string tekst = "Ma,max = " + Gramy(r.MaMax) + " g/m²";
            if (r.MaMaxMiesiac) {
                tekst += " (" + Miesiac(*r.MaMaxMiesiac);
                if (r.MaMaxStyk)
                    tekst += ", " + OpisStyku(*r.MaMaxStyk, n);
                tekst += ")";
            }
            t.Rok.push_back(Linia(tekst));
            t.Rok.push_back(Linia("Ma na koniec roku = " + Gramy(r.MaKoniec) + " g/m²"));
        }
        TLiniaWyniku werdykt = Linia("Ocena roczna: " + std::string(TekstWerdyktuRocznego(r.Werdykt)),
                                     r.Werdykt == TWerdyktRoczny::Narasta);
        werdykt.Pogrubiony = true;
        t.Rok.push_back(werdykt);
    }

    // -- the surface factor
    const TFRsi& f = a.FRsi;
    t.FRsi.push_back(Ocena("fRsi przegrody = " + Wspolczynnik(f.Przegrody) + ", wymagane " +
                               Staly(f.Wymagane072, 2, 2) + " (WT 2021)",
                           f.Przegrody >= f.Wymagane072));
    if (f.FRsiMax && f.MiesiacKrytyczny)
        t.FRsi.push_back(Ocena("fRsi,min miesiąca krytycznego (" + Miesiac(*f.MiesiacKrytyczny) +
                                   ") = " + Wspolczynnik(*f.FRsiMax),
                               f.Przegrody >= *f.FRsiMax));

    // -- WT 2021
    const TOcenaWT& wt = a.WT;
    t.WT.push_back(Linia("Wiersz WT 2021: " + wt.Etykieta));
    if (wt.UMax) {
        t.WT.push_back(
            Ocena("Uk = " + Staly(wt.Uk, 4, 3) + " W/(m²·K), Umax = " + Staly(*wt.UMax, 3, 2) + " W/(m²·K)",
                  wt.SpelniaU));
        if (!wt.SpelniaU)
            t.WT.push_back(Linia("  Uk przekracza Umax o " + Staly(wt.Uk - *wt.UMax, 4, 3) +
                                     " W/(m²·K): przegroda wymaga lepszej izolacji.",
                                 true));
    } else {
        t.WT.push_back(
            Ocena("Uk = " + Staly(wt.Uk, 4, 3) + " W/(m²·K), Umax: brak wymagania przy tej ti", wt.SpelniaU));
    }
    t.WT.push_back(Ocena("Temperatura powierzchni wewnętrznej (fRsi)", wt.SpelniafRsi));
    if (!wt.SpelniafRsi) {
        const bool za072 = f.Przegrody < f.Wymagane072;
        t.WT.push_back(Linia(za072 ? "  fRsi przegrody jest mniejszy niż 0,72: ryzyko pleśni na powierzchni."
                                   : "  fRsi przegrody jest mniejszy niż fRsi,min miesiąca krytycznego.",
                             true));
    }
    if (wt.SpelniaKondensacja) {
        t.WT.push_back(Ocena("Kondensacja międzywarstwowa w ciągu roku", *wt.SpelniaKondensacja));
        if (!*wt.SpelniaKondensacja)
            t.WT.push_back(Linia("  Zawilgocenie narasta z roku na rok (Ma na koniec roku = " +
                                     (a.Rok ? Gramy(a.Rok->MaKoniec) : std::string("?")) + " g/m²).",
                                 true));
    } else {
        t.WT.push_back(Linia("Kondensacja międzywarstwowa w ciągu roku: nie sprawdzono (brak klimatu)"));
    }
    if (wt.Spelnia) {
        TLiniaWyniku calosc = Ocena("Wymagania WT 2021", *wt.Spelnia);
        calosc.Pogrubiony = true;
        t.WT.push_back(calosc);
    } else {
        TLiniaWyniku calosc =
            Linia("Wymagania WT 2021: U i fRsi ocenione, rok nie został sprawdzony (brak klimatu)");
        calosc.Pogrubiony = true;
        t.WT.push_back(calosc);
    }
    return t;
}

TWierszeKlimatu WierszeKlimatu(const TKlimat& klimat) {
    TWierszeKlimatu w;
    for (const TMiesiacKlimatu& m : klimat.Miesiace) {
        w.Temp.push_back(Staly(m.Temp, 4, 1));
        w.Wilgot.push_back(Staly(m.Wilgot, 4, 1));
    }
    return w;
}

std::vector<TLiniaWyniku> LiniePodWerdyktem(const TAnalizaIso13788& a, int n) {
    std::vector<TLiniaWyniku> linie;
    for (const TPlaszczyzna& p : a.Projektowe.Plaszczyzny)
        linie.push_back(Linia("Kondensacja wewnątrz przegrody: " + OpisStyku(p.Styk, n) +
                                  ", g = " + Strumien(p.Strumien) + " g/(m²·h)",
                              true));
    if (a.Rok)
        linie.push_back(Linia("W ciągu roku (" + NazwaKlimatu(a) +
                                  "): " + std::string(TekstWerdyktuRocznego(a.Rok->Werdykt)),
                              a.Rok->Werdykt == TWerdyktRoczny::Narasta));
    return linie;
}

std::vector<TLiniaWyniku> TekstyLata(const std::optional<TLato>& lato, const std::vector<int>& brakujace) {
    std::vector<TLiniaWyniku> linie;
    if (!lato) {
        std::string numery;
        for (int k : brakujace)
            numery += (numery.empty() ? "" : ", ") + Calkowita(k);
        linie.push_back(Linia("Brak gęstości lub ciepła właściwego warstw: " + numery +
                              " – parametry letnie nie zostały obliczone."));
        return linie;
    }
    const TLato& l = *lato;
    linie.push_back(Linia("Okresowy współczynnik przenikania |Y12| = " + Staly(l.Y12, 4, 3) + " W/(m²·K)"));
    linie.push_back(Linia("Współczynnik tłumienia f = " + Staly(l.Tlumienie, 4, 3) +
                          " (U = " + Staly(l.U, 4, 3) + " W/(m²·K))"));
    linie.push_back(Linia("Przesunięcie fazowe Δt = " + Staly(l.Opoznienie, 4, 1) + " h"));
    linie.push_back(Linia("Pojemność cieplna κ1 = " + Staly(l.Kappa1, 4, 1) +
                          " kJ/(m²·K), κ2 = " + Staly(l.Kappa2, 4, 1) + " kJ/(m²·K)"));
    linie.push_back(Linia("Admitancja wewnętrzna |Y11| = " + Staly(l.Y11, 4, 3) + " W/(m²·K)"));
    if (l.Tlumienie > 0) {
        TLiniaWyniku pomoc = Linia("Tłumienie " + Staly(1.0 / l.Tlumienie, 4, 1) + "-krotne, opóźnienie " +
                                   Staly(l.Opoznienie, 4, 1) + " h");
        pomoc.Pogrubiony = true;
        linie.push_back(pomoc);
    }
    return linie;
}

std::vector<TLiniaWyniku> TekstyLata(const TModelProjektu& model) {
    return TekstyLata(LatoPrzegrody(model), WarstwyBezDanychLata(model));
}

std::optional<TDoborGrubosci> DobierzGrubosc(const TModelProjektu& model, int warstwa, double umax) {
    if (warstwa < 1 || warstwa > model.LiczbaWarstw || warstwa > kLiczbaSlotow)
        return std::nullopt;
    TModelProjektu kopia = model;
    // Uk falls as the layer grows; the first whole centimetre that reaches Umax is the answer.
    for (int cm = 1; cm <= 100; ++cm) {
        kopia.Warstwy[warstwa].Grubosc = cm / 100.0;
        ObliczPrzegrode(kopia);
        const double uk = Uk(kopia);
        if (uk <= umax)
            return TDoborGrubosci{cm / 100.0, uk};
    }
    return std::nullopt;
}

std::string TekstKlimatu(const TKlimat& klimat) {
    std::string nazwa = klimat.Nazwa;
    std::replace(nazwa.begin(), nazwa.end(), '\n', ' ');
    std::replace(nazwa.begin(), nazwa.end(), '\r', ' ');
    std::string t =
        "# " + nazwa + "\n# Klimat własny użytkownika: średnie miesięczne.\nmiesiąc;temp;wilgotnosc\n";
    for (int i = 0; i < kLiczbaMiesiecy; ++i) {
        const TMiesiacKlimatu& m = klimat.Miesiace[static_cast<std::size_t>(i)];
        t += Calkowita(i + 1) + ";" + Staly(m.Temp, 6, 2) + ";" + Staly(m.Wilgot, 6, 2) + "\n";
    }
    return t;
}

} // namespace murolab
