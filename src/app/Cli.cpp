#include "app/Cli.h"

#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "core/Sprawdzenia.h"
#include "files/PlikiDanych.h"
#include "files/RekordProjektu.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace murolab {

namespace {

// ---- JSON ---------------------------------------------------------------------------------------

std::string JsonTekst(std::string_view utf8) {
    std::string s = "\"";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            if (b < 0x20) {
                char bufor[8];
                std::snprintf(bufor, sizeof bufor, "\\u%04x", b);
                s += bufor;
            } else {
                s += c;
            }
        }
    }
    return s + "\"";
}

// The shortest text that reads back as the same double, with a full stop whatever the locale.
std::string JsonLiczba(double v) {
    if (!std::isfinite(v))
        return "null";
    char bufor[64];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, v);
    return std::string(bufor, wynik.ptr);
}

class TPiszJson {
public:
    void Klucz(std::string_view k) {
        Przecinek();
        s_ += JsonTekst(k) + ":";
        poKluczu_ = true;
    }
    void Liczba(double v) { Wartosc(JsonLiczba(v)); }
    void Calkowita(std::int64_t v) { Wartosc(std::to_string(v)); }
    void Tekst(std::string_view t) { Wartosc(JsonTekst(t)); }
    // A key with its value, the common case.
    void Liczba(std::string_view k, double v) {
        Klucz(k);
        Liczba(v);
    }
    void Calkowita(std::string_view k, std::int64_t v) {
        Klucz(k);
        Calkowita(v);
    }
    void Tekst(std::string_view k, std::string_view t) {
        Klucz(k);
        Tekst(t);
    }
    void PoczatekObiektu() { Otworz('{'); }
    void KoniecObiektu() { Zamknij('}'); }
    void PoczatekTablicy() { Otworz('['); }
    void KoniecTablicy() { Zamknij(']'); }
    const std::string& Wynik() const { return s_; }

private:
    void Przecinek() {
        if (poKluczu_) {
            poKluczu_ = false;
            return;
        }
        if (!pierwszy_)
            s_ += ',';
        pierwszy_ = false;
    }
    void Wartosc(const std::string& w) {
        Przecinek();
        s_ += w;
    }
    void Otworz(char c) {
        Przecinek();
        s_ += c;
        pierwszy_ = true;
    }
    void Zamknij(char c) {
        s_ += c;
        pierwszy_ = false;
    }
    std::string s_;
    bool pierwszy_ = true;
    bool poKluczu_ = false;
};

template <typename Tablica>
void TablicaLiczb(TPiszJson& j, std::string_view klucz, const Tablica& t, int od, int do_) {
    j.Klucz(klucz);
    j.PoczatekTablicy();
    for (int i = od; i <= do_; ++i)
        j.Liczba(t[i]);
    j.KoniecTablicy();
}

void TablicaTekstow(TPiszJson& j, std::string_view klucz, const std::vector<std::string>& linie) {
    j.Klucz(klucz);
    j.PoczatekTablicy();
    for (const auto& l : linie)
        j.Tekst(l);
    j.KoniecTablicy();
}

// ---- The text table -----------------------------------------------------------------------------

enum class TWyrownanie { DoLewej, DoPrawej };

struct TKolumna {
    std::string Naglowek;
    TWyrownanie Wyrownanie;
    std::vector<std::string> Komorki;
};

std::string Wyrownaj(const std::string& tekst, std::size_t szerokosc, TWyrownanie w) {
    const std::size_t dlugosc = LiczbaZnakow(tekst);
    const std::string odstep(szerokosc > dlugosc ? szerokosc - dlugosc : 0, ' ');
    return w == TWyrownanie::DoLewej ? tekst + odstep : odstep + tekst;
}

std::string Tabela(const std::vector<TKolumna>& kolumny) {
    std::size_t wiersze = 0;
    std::vector<std::size_t> szerokosci;
    for (const auto& k : kolumny) {
        std::size_t s = LiczbaZnakow(k.Naglowek);
        for (const auto& c : k.Komorki)
            s = std::max(s, LiczbaZnakow(c));
        szerokosci.push_back(s);
        wiersze = std::max(wiersze, k.Komorki.size());
    }
    auto linia = [&](auto komorka) {
        std::string l;
        for (std::size_t k = 0; k < kolumny.size(); ++k) {
            if (k > 0)
                l += "  ";
            l += Wyrownaj(komorka(k), szerokosci[k], kolumny[k].Wyrownanie);
        }
        while (!l.empty() && l.back() == ' ')
            l.pop_back();
        return l + "\n";
    };
    std::string s = linia([&](std::size_t k) { return kolumny[k].Naglowek; });
    std::size_t calosc = 0;
    for (std::size_t k = 0; k < szerokosci.size(); ++k)
        calosc += szerokosci[k] + (k > 0 ? 2 : 0);
    std::string kreska;
    for (std::size_t i = 0; i < calosc; ++i)
        kreska += "─";
    s += kreska + "\n";
    for (std::size_t w = 0; w < wiersze; ++w)
        s += linia([&](std::size_t k) {
            const auto& c = kolumny[k].Komorki;
            return w < c.size() ? c[w] : std::string();
        });
    return s;
}

std::string OpisPunktu(int j, int n) {
    if (j == 0)
        return "powietrze wewnętrzne";
    if (j == 1)
        return "powierzchnia wewnętrzna";
    if (j == n + 1)
        return "powierzchnia zewnętrzna";
    if (j == n + 2)
        return "powietrze zewnętrzne";
    return "styk warstw " + std::to_string(j - 1) + " i " + std::to_string(j);
}

} // namespace

std::string SposobUzycia() {
    return "Użycie: murolab --oblicz PLIK.pro [--json] [--raport RAPORT.pdf]\n"
           "       murolab [--pauza MS]   otwiera okno programu\n"
           "  --oblicz PLIK.pro     oblicza projekt z pliku i wypisuje arkusz wyników\n"
           "  --json                wypisuje wyniki jako jeden obiekt JSON\n"
           "  --raport RAPORT.pdf   zapisuje też dwustronicowy raport w pliku PDF\n"
           "Kody wyjścia: 0 – obliczono, 1 – dane projektu nie przeszły sprawdzenia,\n"
           "2 – pliku nie da się odczytać, wyników nie da się wypisać lub błędne wywołanie.\n";
}

std::variant<TOpcjeWiersza, std::string> CzytajOpcje(const std::vector<std::string>& argumenty) {
    TOpcjeWiersza opcje;
    bool jestOblicz = false;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        if (a == "--oblicz") {
            if (jestOblicz)
                return std::string("Opcja --oblicz podana dwa razy.");
            if (i + 1 >= argumenty.size() || argumenty[i + 1].empty())
                return std::string("Po --oblicz brakuje nazwy pliku projektu.");
            opcje.PlikProjektu = argumenty[++i];
            jestOblicz = true;
        } else if (a == "--json") {
            opcje.Json = true;
        } else if (a == "--raport") {
            if (!opcje.PlikRaportu.empty())
                return std::string("Opcja --raport podana dwa razy.");
            if (i + 1 >= argumenty.size() || argumenty[i + 1].empty())
                return std::string("Po --raport brakuje nazwy pliku raportu.");
            opcje.PlikRaportu = argumenty[++i];
        } else {
            return "Nieznana opcja: " + a;
        }
    }
    if (!jestOblicz)
        return std::string("Brak opcji --oblicz PLIK.pro.");
    return opcje;
}

bool CzyWierszPolecen(const std::vector<std::string>& argumenty) {
    // Any option of this mode counts: an incomplete command line gets its message here instead of
    // silently opening the window (or failing for want of a display).
    return std::any_of(argumenty.begin(), argumenty.end(), [](const std::string& a) {
        return a == "--oblicz" || a == "--json" || a == "--raport" || a == "--help" || a == "-h";
    });
}

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
    s += a.LabelI + " g/(m²·h)\n";
    s += a.LabelP + " Pa\n\n";
    s += a.LabeLKomunikat + "\n";
    if (a.PokazKryterium)
        s += "(ts +1 > θi)\n";
    return s;
}

std::string ObiektJson(const TModelProjektu& model, const TArkuszWynikow& a) {
    const int n = model.LiczbaWarstw;
    const TWarunkiPracy& w = model.WarunkiPracy;
    const TWyniki& r = model.Wyniki;
    TPiszJson j;
    j.PoczatekObiektu();
    j.Calkowita("LiczbaWarstw", n);
    j.Klucz("Warstwy");
    j.PoczatekTablicy();
    for (int k = 1; k <= n; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        j.PoczatekObiektu();
        j.Tekst("Nazwa", warstwa.Nazwa.Utf8());
        j.Liczba("Grubosc", warstwa.Grubosc);
        j.Liczba("Lambda", warstwa.Lambda);
        j.Liczba("Mi", warstwa.Mi);
        j.KoniecObiektu();
    }
    j.KoniecTablicy();

    j.Klucz("WarunkiPracy");
    j.PoczatekObiektu();
    j.Calkowita("TempZewn", w.TempZewn);
    j.Calkowita("TempWew", w.TempWew);
    j.Calkowita("WilgotZewn", w.WilgotZewn);
    j.Calkowita("WilgotWewn", w.WilgotWewn);
    j.Liczba("Rsi", w.Rsi);
    j.Liczba("Rse", w.Rse);
    j.Tekst("TypPrzegrody", w.TypPrzegrody.Utf8());
    j.Tekst("StrefaKl", w.StrefaKl.Utf8());
    j.Tekst("WarunkiWilg", w.WarunkiWilg.Utf8());
    j.Calkowita("NrNieszczelnosci", w.NrNieszczelnosci);
    j.Liczba("DeltaU", w.DeltaU);
    j.Liczba("LambdaF", w.LambdaF);
    j.Calkowita("Alfa", w.Alfa);
    j.Calkowita("LiczbaF", w.LiczbaF);
    j.Liczba("PoleF", w.PoleF);
    j.Liczba("DeltaUk", w.DeltaUk);
    j.Liczba("MostekWlasny", w.MostekWlasny);
    j.KoniecObiektu();

    TablicaLiczb(j, "R", r.R, 1, n);
    j.Liczba("SumaR", r.SumaR);
    TablicaLiczb(j, "NarastR", r.NarastR, 0, n);
    j.Liczba("U0", r.U0);
    j.Liczba("DeltaUg", DeltaUg(model));
    j.Liczba("DeltaUf", DeltaUf(model));
    j.Liczba("Uk", Uk(model));
    TablicaLiczb(j, "Temp", r.Temp, 0, n + 2);
    j.Liczba("SumaGrubosc", r.SumaGrubosc);
    TablicaLiczb(j, "NarastGrubosc", r.NarastGrubosc, 1, n);
    TablicaLiczb(j, "Delta", r.Delta, 1, n);
    j.Liczba("SumaDelta", r.SumaDelta);
    TablicaLiczb(j, "NarastDelta", r.NarastDelta, 1, n);
    j.Liczba("CisCzastWewn", r.CisCzastWewn);
    j.Liczba("CisCzastZewn", r.CisCzastZewn);
    j.Liczba("P", r.P);
    TablicaLiczb(j, "CisCzast", r.CisCzast, 0, n);
    TablicaLiczb(j, "CisNasy", r.CisNasy, 0, n + 2);
    j.Liczba("I", r.I);
    j.Liczba("Ts", r.Ts);

    j.Klucz("Arkusz");
    j.PoczatekObiektu();
    TablicaTekstow(j, "RichEditNr", a.RichEditNr);
    TablicaTekstow(j, "RichEditMaterial", a.RichEditMaterial);
    TablicaTekstow(j, "RichEditLambda", a.RichEditLambda);
    TablicaTekstow(j, "RichEditMi", a.RichEditMi);
    TablicaTekstow(j, "RichEditGrubosc", a.RichEditGrubosc);
    TablicaTekstow(j, "RichEditR", a.RichEditR);
    TablicaTekstow(j, "RichEditDelta", a.RichEditDelta);
    TablicaTekstow(j, "RichEditSpadek", a.RichEditSpadek);
    TablicaTekstow(j, "RichEditTemp", a.RichEditTemp);
    TablicaTekstow(j, "RichEditCisNasy", a.RichEditCisNasy);
    TablicaTekstow(j, "RichEditCisCzast", a.RichEditCisCzast);
    j.Tekst("LabelUk", a.LabelUk);
    TablicaTekstow(j, "SkladnikiUk", a.SkladnikiUk);
    j.Tekst("LabelI", a.LabelI);
    j.Tekst("LabelP", a.LabelP);
    j.Tekst("LabeLKomunikat", a.LabeLKomunikat);
    j.KoniecObiektu();

    j.KoniecObiektu();
    return j.Wynik() + "\n";
}

int UruchomWierszPolecen(const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err,
                         const TZapisRaportu& zapiszRaport) {
    if (std::find(argumenty.begin(), argumenty.end(), "--help") != argumenty.end() ||
        std::find(argumenty.begin(), argumenty.end(), "-h") != argumenty.end()) {
        out << SposobUzycia();
        return out.flush() ? kKodOk : kKodBladPliku;
    }
    const auto opcje = CzytajOpcje(argumenty);
    if (const auto* blad = std::get_if<std::string>(&opcje)) {
        err << *blad << "\n" << SposobUzycia();
        return kKodBladPliku;
    }
    const TOpcjeWiersza& o = std::get<TOpcjeWiersza>(opcje);

    const auto plik = CzytajPlikProjektu(o.PlikProjektu);
    if (const auto* blad = std::get_if<std::string>(&plik)) {
        err << *blad << "\n";
        return kKodBladPliku;
    }
    const TZawartoscProjektu& zawartosc = std::get<TZawartoscProjektu>(plik);

    TModelProjektu model;
    model.Warstwy = zawartosc.Warstwy;
    model.WarunkiPracy = zawartosc.WarunkiPracy;
    model.LiczbaWarstw = zawartosc.LiczbaWarstw;

    // Without the saturation table every pressure would be 0 and the verdict meaningless: a missing
    // or damaged table ends the run; a short one (still a valid table file) only warns.
    const std::string plikTablicy = ZnajdzPlikDanych("ula.dat");
    int wpisy = 0;
    if (const auto blad = WczytajTabliceNasycenia(plikTablicy, model.TablicaNasycenia, &wpisy)) {
        err << *blad << "\n";
        return kKodBladPliku;
    }
    if (wpisy < kWpisyTablicyNasycenia)
        err << "Ostrzeżenie: plik „" << plikTablicy << "” zawiera tylko " << wpisy << " z "
            << kWpisyTablicyNasycenia << " ciśnień nasycenia; brakujące przyjęto jako 0.\n";

    // The checks of the calculate command, applied to the numbers stored in the file.
    if (model.LiczbaWarstw <= 0) {
        err << komunikaty::BrakWarstw << "\n";
        return kKodBladSprawdzenia;
    }
    for (int k = 1; k <= model.LiczbaWarstw; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        if (const auto blad = BladWarstwy(warstwa.Lambda, warstwa.Mi, warstwa.Grubosc)) {
            err << "Warstwa " << k << " („" << warstwa.Nazwa.Utf8() << "”): " << *blad << "\n";
            return kKodBladSprawdzenia;
        }
    }
    switch (SprawdzWarunkiModelu(model)) {
    case TStanWarunkow::Brak:
        err << komunikaty::BrakWarunkow << "\n";
        return kKodBladSprawdzenia;
    case TStanWarunkow::BezPoprawek:
        err << "Ostrzeżenie: " << komunikaty::BrakMostkow << "\n";
        break;
    case TStanWarunkow::Kompletne:
        break;
    }

    ObliczPrzegrode(model);
    const TArkuszWynikow arkusz =
        ArkuszWynikow(model, model.WarunkiPracy.TempWew, model.WarunkiPracy.TempZewn);
    if (o.Json)
        out << ObiektJson(model, arkusz);
    else
        out << "Projekt: " << o.PlikProjektu << "\n" << TabelaTekstowa(model, arkusz);
    // Results that never reached their reader (a full disk, a closed pipe) are no success.
    if (!out.flush()) {
        err << "Nie można wypisać wyników (błąd zapisu na standardowe wyjście).\n";
        return kKodBladPliku;
    }
    if (!o.PlikRaportu.empty()) {
        if (!zapiszRaport) {
            err << "Raportu nie można zapisać w tym trybie programu.\n";
            return kKodBladPliku;
        }
        return zapiszRaport(model, model.WarunkiPracy.TempWew, model.WarunkiPracy.TempZewn, o.PlikRaportu);
    }
    return kKodOk;
}

} // namespace murolab
