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

namespace {

std::string Html(std::string_view tekst) {
    std::string h;
    for (char c : tekst) {
        switch (c) {
        case '<':
            h += "&lt;";
            break;
        case '>':
            h += "&gt;";
            break;
        case '&':
            h += "&amp;";
            break;
        case '"':
            h += "&quot;";
            break;
        default:
            h += c;
        }
    }
    return h;
}

// The spaces that must not break a line: around "=" and between a number and its unit.
std::string BezPodzialuLiczb(const std::string& html) {
    static constexpr std::string_view kJednostki[] = {"g/", "W/", "kJ/", "°C", "Pa", "h", "%", "K"};
    std::string wynik;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] != ' ') {
            wynik += html[i];
            continue;
        }
        const std::string_view dalej = std::string_view(html).substr(i + 1);
        const bool rowna = dalej.starts_with("= ") || (i > 0 && html[i - 1] == '=');
        bool jednostka = false;
        if (i > 0 && html[i - 1] >= '0' && html[i - 1] <= '9')
            for (std::string_view j : kJednostki)
                if (dalej.starts_with(j)) {
                    const std::string_view po = dalej.substr(j.size());
                    // "h" and "K" are units only as a whole word ("8,2 h", not "2 i ...").
                    jednostka = j.size() > 1 || po.empty() || po[0] == ' ' || po[0] == ',' || po[0] == ')' ||
                                po[0] == ';' || po[0] == '.';
                    if (jednostka)
                        break;
                }
        wynik += rowna || jednostka ? "&nbsp;" : " ";
    }
    return wynik;
}

} // namespace

std::string HtmlLinii(const std::vector<TLiniaWyniku>& linie) {
    std::string html;
    for (const TLiniaWyniku& l : linie) {
        std::string tekst = BezPodzialuLiczb(Html(l.Tekst));
        if (l.Czerwony)
            tekst = "<span style=\"color:#ff0000\">" + tekst + "</span>";
        if (l.Spelnia)
            tekst += ": <span style=\"color:" + std::string(*l.Spelnia ? "#000000" : "#ff0000") + "\">" +
                     std::string(TekstSpelnia(*l.Spelnia)) + "</span>";
        if (l.Pogrubiony)
            tekst = "<b>" + tekst + "</b>";
        if (!html.empty())
            html += "<br>";
        html += tekst;
    }
    return html;
}

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

std::string TekstMaMax(const TRokKondensacji& r, int n) {
    if (r.MaMax <= 0)
        return {};
    std::string tekst = "Ma,max = " + Gramy(r.MaMax) + " g/m²";
    if (!r.MaMaxMiesiac)
        return tekst;
    tekst += " na koniec " + std::string(MiesiacaDopelniacz(*r.MaMaxMiesiac));
    // MaMax is the total over the planes of that month: with more than one it is said so, and the
    // plane that holds the most is named with its own amount.
    const TMiesiacRoku& m = r.Miesiace[static_cast<std::size_t>(*r.MaMaxMiesiac - 1)];
    int mokre = 0;
    double najwiecej = 0;
    for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny) {
        if (p.Ma > 0)
            ++mokre;
        if (r.MaMaxStyk && p.Styk == *r.MaMaxStyk)
            najwiecej = p.Ma;
    }
    if (mokre > 1) {
        tekst += " (suma w " + Calkowita(mokre) + " płaszczyznach";
        if (r.MaMaxStyk)
            tekst += "; najwięcej: " + OpisStyku(*r.MaMaxStyk, n) + ", " + Gramy(najwiecej) + " g/m²";
        tekst += ")";
    } else if (r.MaMaxStyk) {
        tekst += " (" + OpisStyku(*r.MaMaxStyk, n) + ")";
    }
    return tekst;
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
        t.Rok.push_back(Linia("Bilans roczny (12 miesięcy) nie został obliczony: nie wybrano klimatu."));
    } else {
        const TRokKondensacji& r = *a.Rok;
        t.Rok.push_back(Linia("Klimat: " + NazwaKlimatu(a) + "; wnętrze: " + OpisWnetrza(a.Wnetrze)));

        // Columns per plane: every interface that is a plane in some month, inner side first.
        std::set<int> styki;
        for (const TMiesiacRoku& m : r.Miesiace)
            for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny)
                styki.insert(p.Styk);
        t.NaglowekMiesiecy = {"Miesiąc", "θe [°C]", "φe [%]", "pe [Pa]", "pi [Pa]", "fRsi,min"};
        for (int styk : styki) {
            const std::string gdzie =
                styk > 0 && styk < n ? Calkowita(styk) + "/" + Calkowita(styk + 1) : OpisStyku(styk, n);
            t.NaglowekMiesiecy.push_back("g·t " + gdzie + " [g/m²]");
            t.NaglowekMiesiecy.push_back("Ma " + gdzie + " [g/m²]");
        }
        for (const TMiesiacRoku& m : r.Miesiace) {
            std::vector<std::string> w = {
                Miesiac(m.Miesiac),        Temp(m.TempZewn),
                Staly(m.WilgotZewn, 4, 1), Cisnienie(m.CisZewn),
                Cisnienie(m.CisWewn),      m.FRsiMin ? Wspolczynnik(*m.FRsiMin) : std::string("–")};
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
            t.Rok.push_back(Linia(TekstMaMax(r, n)));
            t.Rok.push_back(Linia("Ma na koniec roku = " + Gramy(r.MaKoniec) + " g/m²"));
        }
        TLiniaWyniku werdykt = Linia("Ocena roczna: " + std::string(TekstWerdyktuRocznego(r.Werdykt)),
                                     r.Werdykt == TWerdyktRoczny::Narasta);
        werdykt.Pogrubiony = true;
        t.Rok.push_back(werdykt);
    }

    // -- the surface factor: the partition's against max(0,72; fRsi,max of the critical month)
    const TFRsi& f = a.FRsi;
    const std::string wymagane072 = Staly(f.Wymagane072, 2, 2);
    const bool zRoku = f.FRsiMax && f.MiesiacKrytyczny;
    const std::string wymagane =
        zRoku ? (*f.FRsiMax > f.Wymagane072 ? Wspolczynnik(*f.FRsiMax) : wymagane072) : wymagane072;
    if (zRoku) {
        t.FRsi.push_back(Ocena("fRsi przegrody = " + Wspolczynnik(f.Przegrody) + "; wymagane max(" +
                                   wymagane072 + "; fRsi,max = " + Wspolczynnik(*f.FRsiMax) + " " +
                                   std::string(WMiesiacu(*f.MiesiacKrytyczny)) + ") = " + wymagane,
                               f.Przegrody >= f.Wymagane()));
        if (*f.FRsiMax > f.Wymagane072)
            t.FRsi.push_back(Linia("Wilgotność wnętrza " + std::string(WMiesiacu(*f.MiesiacKrytyczny)) +
                                   " wymaga więcej niż " + wymagane072 + " z WT 2021."));
    } else {
        t.FRsi.push_back(Ocena("fRsi przegrody = " + Wspolczynnik(f.Przegrody) + "; wymagane " + wymagane072 +
                                   " (WT 2021)",
                               f.Przegrody >= f.Wymagane()));
    }

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
    t.WT.push_back(Ocena("Temperatura powierzchni wewnętrznej (fRsi ≥ " + wymagane + ")", wt.SpelniafRsi));
    if (!wt.SpelniafRsi) {
        const bool za072 = f.Przegrody < f.Wymagane072;
        t.WT.push_back(Linia(za072 ? "  fRsi przegrody jest mniejszy niż 0,72: ryzyko pleśni na powierzchni."
                                   : "  fRsi przegrody jest mniejszy niż fRsi,max miesiąca krytycznego (" +
                                         std::string(WMiesiacu(*f.MiesiacKrytyczny)) + ").",
                             true));
    }
    if (wt.SpelniaKondensacja) {
        t.WT.push_back(Ocena("Kondensacja międzywarstwowa w ciągu roku", *wt.SpelniaKondensacja));
        if (!*wt.SpelniaKondensacja)
            t.WT.push_back(Linia("  Zawilgocenie narasta z roku na rok (Ma na koniec roku = " +
                                     (a.Rok ? Gramy(a.Rok->MaKoniec) : std::string("?")) + " g/m²).",
                                 true));
    } else {
        t.WT.push_back(
            Linia("Kondensacja międzywarstwowa w ciągu roku: nie sprawdzono (nie wybrano klimatu)"));
    }
    if (!wt.Nieoceniona.empty()) {
        TLiniaWyniku calosc = Linia("Wymagania WT 2021: nie oceniono – " + wt.Nieoceniona, true);
        calosc.Pogrubiony = true;
        t.WT.push_back(calosc);
    } else if (wt.Spelnia) {
        TLiniaWyniku calosc = Ocena("Wymagania WT 2021", *wt.Spelnia);
        calosc.Pogrubiony = true;
        t.WT.push_back(calosc);
        if (!*wt.Spelnia) {
            // Which parts fail, so that the reader need not look for the red lines above.
            std::vector<std::string> czesci;
            if (!wt.SpelniaU)
                czesci.push_back("Uk ≤ Umax");
            if (!wt.SpelniafRsi)
                czesci.push_back("fRsi ≥ " + wymagane);
            if (wt.SpelniaKondensacja && !*wt.SpelniaKondensacja)
                czesci.push_back("brak narastania kondensacji w ciągu roku");
            std::string tekst = "  Niespełnione: ";
            for (std::size_t i = 0; i < czesci.size(); ++i)
                tekst += (i == 0 ? "" : i + 1 == czesci.size() ? " i " : ", ") + czesci[i];
            if (!wt.SpelniaKondensacja)
                tekst += "; rok nie został sprawdzony (nie wybrano klimatu)";
            t.WT.push_back(Linia(tekst + ".", true));
        }
    } else {
        TLiniaWyniku calosc = Linia("Wymagania WT 2021: nie oceniono w całości – U i fRsi spełniają, rok nie "
                                    "został sprawdzony (nie wybrano klimatu)");
        calosc.Pogrubiony = true;
        t.WT.push_back(calosc);
    }
    t.PodWerdyktem = LiniePodWerdyktem(a, n);
    return t;
}

TTekstyAnalizy TekstyAnalizy(const TAnalizaProjektu& analiza, int liczbaWarstw,
                             const std::string& klimatNiedostepny) {
    TTekstyAnalizy t;
    const TAnalizaNiejednorodna* n = analiza.Niejednorodna ? &*analiza.Niejednorodna : nullptr;
    // A well-ventilated air layer ends the sections before the partition's outer layers.
    const int warstwy = n ? analiza.LiczbaWarstwWilgoci : liczbaWarstw;
    t.Wilgoc = TekstyKondensacji(analiza.Wilgoc, warstwy, klimatNiedostepny);
    if (!analiza.NieskonczoneLato.empty())
        t.Lato = {Linia(TekstNieskonczonegoLata(analiza.NieskonczoneLato), true)};
    else
        t.Lato = TekstyLata(analiza.Lato, analiza.WarstwyBezDanychLata);
    if (n) {
        // Each verdict of a bridged partition is its worst section's: say which one it is.
        const auto wg = [&](std::size_t j) {
            return Linia("Najniekorzystniejszy przekrój: „" + n->Przekroje[j].Przekroj.Nazwa + "”");
        };
        t.Wilgoc.Projektowe.insert(t.Wilgoc.Projektowe.begin(), wg(n->NajgorszaKondensacja));
        if (n->NajgorszyRok)
            t.Wilgoc.Rok.insert(t.Wilgoc.Rok.begin(), wg(*n->NajgorszyRok));
        t.Wilgoc.FRsi.insert(t.Wilgoc.FRsi.begin(), wg(n->NajgorszeFRsi));
        t.Lato.insert(t.Lato.begin(), Linia("Przekrój o największym udziale: „" +
                                            n->Przekroje[n->Najwiekszy].Przekroj.Nazwa + "”"));
        // Under the results' verdict the sheet may show another section's profile: say whose
        // verdicts these are.
        const auto nazwa = [&](std::size_t przekroj) {
            return "„" + n->Przekroje.at(przekroj).Przekroj.Nazwa + "”";
        };
        std::string zrodla = "Wg przekrojów: na powierzchni – " + nazwa(n->NajgorszaPowierzchnia) +
                             "; wewnątrz – " + nazwa(n->NajgorszaKondensacja);
        if (n->NajgorszyRok)
            zrodla += "; w roku – " + nazwa(*n->NajgorszyRok);
        t.Wilgoc.PodWerdyktem.insert(t.Wilgoc.PodWerdyktem.begin(), Linia(zrodla));
    }
    return t;
}

std::vector<TLiniaWyniku> LiniePrzekrojow(const TModelProjektu& model, const TAnalizaNiejednorodna& analiza) {
    std::vector<TLiniaWyniku> linie;
    for (const TLiniaOpisu& l : OpisNiejednorodnej(model, analiza.Metoda))
        linie.push_back(Linia(l.Tekst, l.Czerwona));
    const auto& p = analiza.Przekroje;
    linie.push_back(
        Linia("Najniekorzystniejsze przekroje: temperatura powierzchni – " +
              p[analiza.NajgorszaPowierzchnia].Przekroj.Nazwa + "; kondensacja wewnątrz – " +
              p[analiza.NajgorszaKondensacja].Przekroj.Nazwa + "; fRsi – " +
              p[analiza.NajgorszeFRsi].Przekroj.Nazwa +
              (analiza.NajgorszyRok ? "; bilans roczny – " + p[*analiza.NajgorszyRok].Przekroj.Nazwa
                                    : std::string())));
    for (const TAnalizaPrzekroju& s : p)
        linie.push_back(Linia("  " + WerdyktyPrzekroju(s)));
    return linie;
}

std::string TekstNieskonczonegoLata(const std::string& wartosc) {
    return "Parametry letnie nie dały skończonego wyniku (" + wartosc +
           "): gęstość lub ciepło właściwe warstw wykraczają poza zakres, w którym obliczenie ma sens.";
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
    if (const std::string zla = NieskonczonaWartoscLata(l); !zla.empty()) {
        linie.push_back(Linia(TekstNieskonczonegoLata(zla), true));
        return linie;
    }
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
