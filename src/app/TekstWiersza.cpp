#include "app/TekstWiersza.h"

#include "core/Iso6946.h"
#include "core/KrotkiTekst.h"
#include "core/Liczby.h"
#include "core/TabelaTekstu.h"
#include "output/TekstyKondensacji.h"

#include <algorithm>

namespace murolab {

namespace {

std::string OpisPunktu(int j, int n) {
    if (j == 0)
        return "powietrze wewnętrzne";
    if (j == n + 2)
        return "powietrze zewnętrzne";
    return OpisStyku(j - 1, n);
}

// The sheet pads its verdict for the window's fixed-width label; a line of text has no use for that.
std::string BezWielokrotnychSpacji(const std::string& tekst) {
    std::string s;
    s.reserve(tekst.size());
    for (char c : tekst)
        if (c != ' ' || s.empty() || s.back() != ' ')
            s += c;
    return s;
}

void DopiszLinie(std::string& t, const std::vector<TLiniaWyniku>& linie) {
    for (const TLiniaWyniku& l : linie)
        t += "  " + l.Pelna() + "\n";
}

} // namespace

std::string TabelaTekstowa(const TModelProjektu& model, const TArkuszWynikow& a) {
    const TWarunkiPracy& w = model.WarunkiPracy;
    const int n = model.LiczbaWarstw;
    std::string s;
    s += "Warunki pracy: " + w.TypPrzegrody.Utf8() + "; " + w.StrefaKl.Utf8() + "; " + w.WarunkiWilg.Utf8() +
         "\n";
    s += "  ti = " + Calkowita(w.TempWew) + " °C, φi = " + Calkowita(w.WilgotWewn) +
         " %, te = " + Calkowita(w.TempZewn) + " °C, φe = " + Calkowita(w.WilgotZewn) +
         " %, Rsi = " + Ogolny(w.Rsi) + ", Rse = " + Ogolny(w.Rse) + " m²·K/W\n\n";

    // The first eight columns of the sheet share their rows: inner side, layers, outer side, sum.
    using W = TWyrownanie;
    s += "Warstwy (od strony wewnętrznej):\n";
    s += Tabela({
        {"Nr", W::DoPrawej, a.RichEditNr},
        {"Nazwa materiału", W::DoLewej, a.RichEditMaterial},
        {"λ [W/(m·K)]", W::DoPrawej, a.RichEditLambda},
        {"μ", W::DoPrawej, a.RichEditMi},
        {"d [m]", W::DoPrawej, a.RichEditGrubosc},
        {"R [m²·K/W]", W::DoPrawej, a.RichEditR},
        {"1/Δ [m²·h·Pa/kg]", W::DoPrawej, a.RichEditDelta},
        {"Spadek temp. [°C]", W::DoPrawej, a.RichEditSpadek},
    });

    // The last three hold the points of the profile, from the indoor to the outdoor air.
    std::vector<std::string> punkty;
    for (int j = 0; j <= n + 2; ++j)
        punkty.push_back(OpisPunktu(j, n));
    s += "\nTemperatury i ciśnienia pary wodnej:\n";
    s += Tabela({
        {"Punkt", W::DoLewej, punkty},
        {"t [°C]", W::DoPrawej, a.RichEditTemp},
        {"pₛ [Pa]", W::DoPrawej, a.RichEditCisNasy},
        {"pₒ [Pa]", W::DoPrawej, a.RichEditCisCzast},
    });

    s += "\n" + a.LabelUk + " W/(m²·K)\n";
    for (const std::string& skladnik : a.SkladnikiUk)
        s += "  " + skladnik + " W/(m²·K)\n";
    // Which form of the fastener correction ΔUf stands for, as the results sheet says it.
    if (const std::string lacznik = OpisFormyLacznika(model); !lacznik.empty())
        s += "  " + lacznik + "\n";
    s += a.LabelI + " g/(m²·h)\n";
    s += a.LabelP + " Pa\n\n";
    s += BezWielokrotnychSpacji(a.LabeLKomunikat) + "\n";
    if (a.PokazKryterium)
        s += "(ts +1 > θi)\n";
    return s;
}

std::string TekstWilgotnosciowy(const TModelProjektu& model, const TAnalizaProjektu& analiza) {
    using W = TWyrownanie;
    const int n = analiza.Niejednorodna ? analiza.LiczbaWarstwWilgoci : model.LiczbaWarstw;
    const TTekstyAnalizy wszystkie = TekstyAnalizy(analiza, n);
    const TTekstyKondensacji& teksty = wszystkie.Wilgoc;

    std::string t;
    if (analiza.Niejednorodna) {
        t += "Przegroda niejednorodna (PN-EN ISO 6946):\n";
        DopiszLinie(t, LiniePrzekrojow(model, *analiza.Niejednorodna));
        t += "\n";
    }
    t += "Warunki obliczeniowe (ti, φi, te, φe z warunków pracy):\n";
    DopiszLinie(t, teksty.Projektowe);
    const TStanDyfuzji& s = analiza.Wilgoc.Projektowe;
    std::vector<std::string> gdzie, temp, sd, ps, p;
    for (std::size_t j = 0; j < s.Temp.size(); ++j) {
        gdzie.push_back(OpisStyku(static_cast<int>(j), n));
        temp.push_back(Staly(s.Temp[j], 4, 1));
        sd.push_back(Staly(s.SdNarast[j], 4, 3));
        ps.push_back(Staly(s.CisNasy[j], 4, 1));
        p.push_back(Staly(s.CisCzast[j], 4, 1));
    }
    t += Tabela({{"Styk", W::DoLewej, gdzie},
                 {"t [°C]", W::DoPrawej, temp},
                 {"s′ [m]", W::DoPrawej, sd},
                 {"pₛ [Pa]", W::DoPrawej, ps},
                 {"p [Pa]", W::DoPrawej, p}},
                "  ");

    t += "\nBilans roczny (PN-EN ISO 13788):\n";
    // For bridged layers the year's lines start by naming the section: above its monthly table.
    std::vector<TLiniaWyniku> rok = teksty.Rok;
    if (analiza.Niejednorodna && analiza.Niejednorodna->NajgorszyRok && !rok.empty()) {
        DopiszLinie(t, {rok.front()});
        rok.erase(rok.begin());
    }
    if (!teksty.NaglowekMiesiecy.empty()) {
        std::vector<TKolumna> kolumny;
        for (std::size_t k = 0; k < teksty.NaglowekMiesiecy.size(); ++k) {
            TKolumna kolumna{teksty.NaglowekMiesiecy[k], k == 0 ? W::DoLewej : W::DoPrawej, {}};
            for (const auto& wiersz : teksty.Miesiace)
                kolumna.Komorki.push_back(k < wiersz.size() ? wiersz[k] : std::string());
            kolumny.push_back(std::move(kolumna));
        }
        t += Tabela(kolumny, "  ");
    }
    DopiszLinie(t, rok);

    t += "\nTemperatura powierzchni wewnętrznej:\n";
    DopiszLinie(t, teksty.FRsi);
    t += "\nWT 2021:\n";
    DopiszLinie(t, teksty.WT);
    t += "\nLato (PN-EN ISO 13786):\n";
    DopiszLinie(t, wszystkie.Lato);
    return t;
}

void DopiszTekstProjektu(std::string& cel, const std::string& plik, const TModelProjektu& model,
                         const TArkuszWynikow& arkusz, const TAnalizaProjektu& analiza) {
    cel += "Projekt: " + plik + "\n";
    cel += TabelaTekstowa(model, arkusz);
    const int n = analiza.Niejednorodna ? analiza.LiczbaWarstwWilgoci : model.LiczbaWarstw;
    for (const TLiniaWyniku& l : LiniePodWerdyktem(analiza.Wilgoc, n))
        cel += l.Pelna() + "\n";
    cel += "\n";
    cel += TekstWilgotnosciowy(model, analiza);
}

} // namespace murolab
