#include "app/Cli.h"

#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "core/ObliczenieProjektu.h"
#include "core/Sprawdzenia.h"
#include "core/TabelaTekstu.h"
#include "files/PlikKlimatu.h"
#include "files/PlikTablicyNasycenia.h"
#include "files/PlikiDanych.h"
#include "files/PolaRekordu.h"
#include "files/RekordProjektu.h"
#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <new>
#include <sstream>

namespace murolab {

namespace {

// ---- JSON ---------------------------------------------------------------------------------------

// One notation for every JSON the program writes: the core's (the project file's block uses it too).
std::string JsonTekst(std::string_view utf8) {
    return TekstJson(utf8);
}

std::string JsonLiczba(double v) {
    return LiczbaJson(v);
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
    void Null() { Wartosc("null"); }
    void Logiczna(bool b) { Wartosc(b ? "true" : "false"); }
    void Json(const TWartoscJson& w) { Wartosc(ZapiszJson(w)); }
    void Json(std::string_view k, const TWartoscJson& w) {
        Klucz(k);
        Json(w);
    }
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

// ---- The moisture check and the summer figures ----------------------------------------------------

constexpr double kGodzina = 3600;

// Rates in g/(m2 h), amounts in g/m2 on screen; the JSON keeps SI units.
std::string GramyNaGodzine(double kgNaSekunde) {
    return Staly(kgNaSekunde * 1000 * kGodzina, 4, 3);
}
std::string Gramy(double kg) {
    return Staly(kg * 1000, 6, 1);
}

std::string OpisStyku(int styk, int n) {
    return OpisPunktu(styk + 1, n);
}

void LiczbaLubNull(TPiszJson& j, std::string_view klucz, const std::optional<double>& v) {
    j.Klucz(klucz);
    if (v)
        j.Liczba(*v);
    else
        j.Null();
}
void CalkowitaLubNull(TPiszJson& j, std::string_view klucz, const std::optional<int>& v) {
    j.Klucz(klucz);
    if (v)
        j.Calkowita(*v);
    else
        j.Null();
}
void LogicznaLubNull(TPiszJson& j, std::string_view klucz, const std::optional<bool>& v) {
    j.Klucz(klucz);
    if (v)
        j.Logiczna(*v);
    else
        j.Null();
}

void JsonKondensacji(TPiszJson& j, const TStanDyfuzji& s) {
    j.Klucz("Kondensacja");
    j.PoczatekObiektu();
    j.Klucz("Plaszczyzny");
    j.PoczatekTablicy();
    for (const TPlaszczyzna& p : s.Plaszczyzny) {
        j.PoczatekObiektu();
        j.Calkowita("Styk", p.Styk);
        j.Liczba("Temp", p.Temp);
        j.Liczba("Strumien", p.Strumien);
        j.KoniecObiektu();
    }
    j.KoniecTablicy();
    LiczbaLubNull(j, "Strumien", s.Strumien);
    TablicaLiczb(j, "CisNasy", s.CisNasy, 0, static_cast<int>(s.CisNasy.size()) - 1);
    TablicaLiczb(j, "CisCzast", s.CisCzast, 0, static_cast<int>(s.CisCzast.size()) - 1);
    j.KoniecObiektu();
}

void JsonRoku(TPiszJson& j, const TAnalizaIso13788& a) {
    j.Klucz("Roczny");
    if (!a.Rok) {
        j.Null();
        return;
    }
    const TRokKondensacji& r = *a.Rok;
    j.PoczatekObiektu();
    j.Tekst("Klimat", a.Klimat);
    j.Tekst("Wnetrze", TekstWnetrza(a.Wnetrze));
    CalkowitaLubNull(j, "MiesiacStartu", r.MiesiacStartu);
    j.Tekst("Werdykt", KodWerdyktuRocznego(r.Werdykt));
    j.Liczba("MaMax", r.MaMax);
    CalkowitaLubNull(j, "MaMaxMiesiac", r.MaMaxMiesiac);
    CalkowitaLubNull(j, "MaMaxStyk", r.MaMaxStyk);
    j.Liczba("MaKoniec", r.MaKoniec);
    j.Klucz("Miesiace");
    j.PoczatekTablicy();
    for (const TMiesiacRoku& m : r.Miesiace) {
        j.PoczatekObiektu();
        j.Calkowita("Miesiac", m.Miesiac);
        j.Liczba("TempZewn", m.TempZewn);
        j.Liczba("WilgotZewn", m.WilgotZewn);
        j.Liczba("CisZewn", m.CisZewn);
        j.Liczba("TempWewn", m.TempWewn);
        j.Liczba("CisWewn", m.CisWewn);
        LiczbaLubNull(j, "fRsiMin", m.FRsiMin);
        j.Klucz("Plaszczyzny");
        j.PoczatekTablicy();
        for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny) {
            j.PoczatekObiektu();
            j.Calkowita("Styk", p.Styk);
            j.Liczba("Strumien", p.Strumien);
            j.Liczba("Ilosc", p.Ilosc);
            j.Liczba("Ma", p.Ma);
            j.KoniecObiektu();
        }
        j.KoniecTablicy();
        j.KoniecObiektu();
    }
    j.KoniecTablicy();
    j.KoniecObiektu();
}

void JsonFRsiIWT(TPiszJson& j, const TAnalizaIso13788& a) {
    j.Klucz("fRsi");
    j.PoczatekObiektu();
    j.Liczba("Przegrody", a.FRsi.Przegrody);
    j.Liczba("Wymagane072", a.FRsi.Wymagane072);
    CalkowitaLubNull(j, "MiesiacKrytyczny", a.FRsi.MiesiacKrytyczny);
    LiczbaLubNull(j, "fRsiMax", a.FRsi.FRsiMax);
    j.KoniecObiektu();

    const TOcenaWT& wt = a.WT;
    j.Klucz("WT2021");
    j.PoczatekObiektu();
    j.Tekst("Wiersz", wt.Wiersz);
    LiczbaLubNull(j, "UMax", wt.UMax);
    j.Liczba("Uk", wt.Uk);
    LogicznaLubNull(j, "SpelniaU", wt.SpelniaU);
    LogicznaLubNull(j, "SpelniafRsi", wt.SpelniafRsi);
    LogicznaLubNull(j, "SpelniaKondensacja", wt.SpelniaKondensacja);
    LogicznaLubNull(j, "Spelnia", wt.Spelnia);
    j.KoniecObiektu();
}

void JsonLata(TPiszJson& j, const std::optional<TLato>& lato) {
    j.Klucz("Letnie");
    if (!lato) {
        j.Null();
        return;
    }
    j.PoczatekObiektu();
    j.Liczba("U", lato->U);
    j.Liczba("Y12", lato->Y12);
    j.Liczba("Tlumienie", lato->Tlumienie);
    j.Liczba("Opoznienie", lato->Opoznienie);
    j.Liczba("Kappa1", lato->Kappa1);
    j.Liczba("Kappa2", lato->Kappa2);
    j.Liczba("Y11", lato->Y11);
    j.KoniecObiektu();
}

std::string TekstKondensacji(const TStanDyfuzji& s, int n) {
    using W = TWyrownanie;
    std::string t = "Kondensacja wewnątrz przegrody w warunkach obliczeniowych (PN-EN ISO 13788):\n";
    if (s.Plaszczyzny.empty()) {
        t += "  brak płaszczyzn kondensacji";
        if (s.Strumien)
            t += "; strumień pary " + GramyNaGodzine(*s.Strumien) + " g/(m²·h)";
        t += "\n";
    } else {
        std::vector<std::string> gdzie, temp, g;
        for (const TPlaszczyzna& p : s.Plaszczyzny) {
            gdzie.push_back(OpisStyku(p.Styk, n));
            temp.push_back(Staly(p.Temp, 4, 1));
            g.push_back(GramyNaGodzine(p.Strumien));
        }
        t += Tabela({{"Płaszczyzna kondensacji", W::DoLewej, gdzie},
                     {"t [°C]", W::DoPrawej, temp},
                     {"g [g/(m²·h)]", W::DoPrawej, g}});
    }
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
                 {"p [Pa]", W::DoPrawej, p}});
    return t;
}

std::string TekstRoku(const TAnalizaIso13788& a, int n) {
    using W = TWyrownanie;
    const TRokKondensacji& r = *a.Rok;
    std::string t = "Bilans roczny (klimat: " + a.Klimat + (a.Stacja.empty() ? "" : " – " + a.Stacja) +
                    "; wnętrze: " + OpisWnetrza(a.Wnetrze) + "):\n";
    std::vector<std::string> miesiac, te, fe, pe, ti, pi, fmin, pl;
    for (const TMiesiacRoku& m : r.Miesiace) {
        miesiac.push_back(std::string(NazwaMiesiaca(m.Miesiac)));
        te.push_back(Staly(m.TempZewn, 4, 1));
        fe.push_back(Staly(m.WilgotZewn, 4, 1));
        pe.push_back(Staly(m.CisZewn, 4, 1));
        ti.push_back(Staly(m.TempWewn, 4, 1));
        pi.push_back(Staly(m.CisWewn, 4, 1));
        fmin.push_back(m.FRsiMin ? Staly(*m.FRsiMin, 4, 3) : std::string("–"));
        std::string opis;
        for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny) {
            if (!opis.empty())
                opis += "; ";
            opis += "styk " + std::to_string(p.Styk) + ": g = " + GramyNaGodzine(p.Strumien) +
                    " g/(m²·h), Ma = " + Gramy(p.Ma) + " g/m²";
        }
        pl.push_back(opis.empty() ? "–" : opis);
    }
    t += Tabela({{"Miesiąc", W::DoLewej, miesiac},
                 {"te [°C]", W::DoPrawej, te},
                 {"φe [%]", W::DoPrawej, fe},
                 {"pe [Pa]", W::DoPrawej, pe},
                 {"ti [°C]", W::DoPrawej, ti},
                 {"pi [Pa]", W::DoPrawej, pi},
                 {"fRsi,min", W::DoPrawej, fmin},
                 {"Płaszczyzny kondensacji", W::DoLewej, pl}});
    if (r.MiesiacStartu)
        t += "  Początek bilansu: " + std::string(NazwaMiesiaca(*r.MiesiacStartu)) + "\n";
    if (r.MaMaxMiesiac && r.MaMaxStyk)
        t += "  Największa ilość kondensatu: " + Gramy(r.MaMax) + " g/m² (" +
             std::string(NazwaMiesiaca(*r.MaMaxMiesiac)) + ", " + OpisStyku(*r.MaMaxStyk, n) + ")\n";
    t += "  Ilość kondensatu na koniec roku: " + Gramy(r.MaKoniec) + " g/m²\n";
    t += "  Werdykt: " + std::string(TekstWerdyktuRocznego(r.Werdykt)) + "\n";
    return t;
}

std::string TekstFRsiIWT(const TAnalizaIso13788& a) {
    const TFRsi& f = a.FRsi;
    std::string t = "Czynnik temperaturowy powierzchni wewnętrznej:\n";
    t += "  fRsi = " + Staly(f.Przegrody, 4, 3) + " (wymagane: ≥ " + Staly(f.Wymagane072, 4, 2);
    if (f.MiesiacKrytyczny && f.FRsiMax)
        t += " oraz ≥ " + Staly(*f.FRsiMax, 4, 3) +
             " w miesiącu krytycznym: " + std::string(NazwaMiesiaca(*f.MiesiacKrytyczny));
    t += ")\n";

    const TOcenaWT& wt = a.WT;
    t += "Wymagania WT 2021 (" + wt.Etykieta + "):\n";
    t += "  Uk = " + Staly(wt.Uk, 4, 3) + " W/(m²·K), Umax = " +
         (wt.UMax ? Staly(*wt.UMax, 4, 2) + " W/(m²·K)" : std::string("brak wymagania")) + ": " +
         std::string(TekstSpelnia(wt.SpelniaU)) + "\n";
    t += "  fRsi: " + std::string(TekstSpelnia(wt.SpelniafRsi)) + "\n";
    t += "  kondensacja w ciągu roku: " +
         (wt.SpelniaKondensacja ? std::string(TekstSpelnia(*wt.SpelniaKondensacja))
                                : std::string("nie sprawdzono (nie wybrano klimatu)")) +
         "\n";
    t += "  Przegroda " +
         (wt.Spelnia ? std::string(*wt.Spelnia ? "spełnia wymagania" : "nie spełnia wymagań") + " WT 2021"
                     : std::string("nie została oceniona w całości: bez klimatu nie sprawdzono roku")) +
         "\n";
    return t;
}

std::string TekstLata(const TModelProjektu& model, const std::optional<TLato>& lato) {
    std::string t = "Lato (PN-EN ISO 13786, okres 24 h):\n";
    if (!lato) {
        std::string warstwy;
        for (int k : WarstwyBezDanychLata(model))
            warstwy += (warstwy.empty() ? "" : ", ") + std::to_string(k);
        return t + "  nie obliczono: brak gęstości lub ciepła właściwego warstw " + warstwy + "\n";
    }
    t += "  U = " + Staly(lato->U, 4, 3) + " W/(m²·K), |Y12| = " + Staly(lato->Y12, 4, 4) +
         " W/(m²·K), tłumienie f = " + Staly(lato->Tlumienie, 4, 3) +
         ", opóźnienie = " + Staly(lato->Opoznienie, 4, 1) + " h\n";
    t += "  κ1 = " + Staly(lato->Kappa1, 4, 1) + " kJ/(m²·K), κ2 = " + Staly(lato->Kappa2, 4, 1) +
         " kJ/(m²·K), |Y11| = " + Staly(lato->Y11, 4, 3) + " W/(m²·K)\n";
    t += "  " + OpisLata(*lato) + "\n";
    return t;
}

TNadpisaniaIso13788 Nadpisania(const TOpcjeWiersza& o) {
    return {o.Klimat, o.Wnetrze, o.WierszWT};
}

void WypiszOstrzezenia(const std::vector<std::string>& ostrzezenia, std::ostream& err) {
    for (const std::string& o : ostrzezenia)
        err << o << "\n";
}

// The analysis of a calculated model, or nothing when its climate cannot be read (the message on err).
std::optional<TAnalizaIso13788> AnalizaWierszaPolecen(const TOpcjeWiersza& o, const TModelProjektu& model,
                                                      std::ostream& err) {
    std::vector<std::string> ostrzezenia;
    const TWyborIso13788 w = WyborIso13788(Nadpisania(o), model, ostrzezenia);
    WypiszOstrzezenia(ostrzezenia, err);
    std::optional<TKlimat> klimat;
    if (!w.Klimat.empty()) {
        auto wynik = WczytajKlimat(w.Klimat, o.KatalogDanych);
        if (const std::string* blad = Niepowodzenie(wynik)) {
            err << *blad << "\n";
            return std::nullopt;
        }
        klimat = std::move(std::get<TKlimat>(wynik));
    }
    return AnalizujIso13788(model, klimat ? &*klimat : nullptr, w.Klimat, w.Wnetrze, *w.Wiersz);
}

// One project file of the command line; `wypisano` tells whether its results reached `out`.
int ObliczProjekt(const TOpcjeWiersza& o, std::ostream& out, std::ostream& err,
                  const TZapisRaportu& zapiszRaport, bool& wypisano);

} // namespace

std::string SposobUzycia() {
    return "Użycie: murolab --oblicz PLIK.pro [--json] [--raport RAPORT.pdf]\n"
           "       murolab --oblicz A.pro [B.pro …] [--klimat NAZWA|PLIK.csv] [--wnetrze "
           "stale|klasa1..klasa4]\n"
           "               [--wiersz-wt WIERSZ] [--json]\n"
           "       murolab --zestawienie A.pro [B.pro …]|BUDYNEK.zestawienie.json [--csv PLIK.csv]\n"
           "               [--raport R.pdf] [--json] [--klimat …] [--wnetrze …] [--wiersz-wt …]\n"
           "       murolab [--pauza MS] [PLIK.pro]   otwiera okno programu (i projekt)\n"
           "  --oblicz PLIK.pro     oblicza projekt z pliku i wypisuje arkusz wyników\n"
           "  --json                wypisuje wyniki jako jeden obiekt JSON\n"
           "  --raport RAPORT.pdf   zapisuje też trzystronicowy raport w pliku PDF (strona 3: kondensacja\n"
           "                        i WT 2021 przy tych samych --klimat, --wnetrze i --wiersz-wt)\n"
           "  --klimat NAZWA        klimat bilansu rocznego kondensacji: nazwa pliku bez „.csv” z katalogu\n"
           "                        klimatów użytkownika lub programu, albo ścieżka pliku CSV\n"
           "  --wnetrze RODZAJ      wilgotność wnętrza w bilansie: stale (ti i φi projektu) lub klasa1 … "
           "klasa4\n"
           "  --wiersz-wt WIERSZ    wiersz tabeli Umax WT 2021 (domyślnie według typu przegrody)\n"
           "  Kilka plików: każdy obliczony osobno; z --json jeden obiekt JSON w wierszu.\n"
           "  --zestawienie …       zestawienie przegród: jeden wiersz na projekt (Uk, Umax, fRsi, "
           "kondensacja,\n"
           "                        WT 2021), tabela lub z --json obiekt z „Wiersze”; --csv i --raport "
           "zapisują\n"
           "                        arkusz CSV i raport PDF\n"
           "Kody wyjścia: 0 – obliczono, 1 – dane projektu nie przeszły sprawdzenia lub obliczenia\n"
           "nie dały skończonego wyniku, 2 – pliku nie da się odczytać (albo jest odrzucony), wyników\n"
           "lub raportu nie da się zapisać, lub błędne wywołanie.\n";
}

TWynik<TOpcjeWiersza> CzytajOpcje(const std::vector<std::string>& argumenty) {
    TOpcjeWiersza opcje;
    bool jestOblicz = false;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        if (a == "--oblicz") {
            if (jestOblicz)
                return TBladWyniku{"Opcja --oblicz podana dwa razy."};
            if (i + 1 >= argumenty.size() || argumenty[i + 1].empty())
                return TBladWyniku{"Po --oblicz brakuje nazwy pliku projektu."};
            opcje.PlikProjektu = argumenty[++i];
            jestOblicz = true;
            opcje.PlikiProjektow.push_back(opcje.PlikProjektu);
            // Further names up to the next option are further projects.
            while (i + 1 < argumenty.size() && !argumenty[i + 1].empty() &&
                   argumenty[i + 1].rfind("--", 0) != 0)
                opcje.PlikiProjektow.push_back(argumenty[++i]);
        } else if (a == "--json") {
            opcje.Json = true;
        } else if (a == "--raport") {
            if (!opcje.PlikRaportu.empty())
                return TBladWyniku{"Opcja --raport podana dwa razy."};
            if (i + 1 >= argumenty.size() || argumenty[i + 1].empty())
                return TBladWyniku{"Po --raport brakuje nazwy pliku raportu."};
            opcje.PlikRaportu = argumenty[++i];
        } else if (a == "--klimat" || a == "--wnetrze" || a == "--wiersz-wt") {
            std::string& cel = a == "--klimat"    ? opcje.Klimat
                               : a == "--wnetrze" ? opcje.Wnetrze
                                                  : opcje.WierszWT;
            if (!cel.empty())
                return TBladWyniku{"Opcja " + a + " podana dwa razy."};
            if (i + 1 >= argumenty.size() || argumenty[i + 1].empty())
                return TBladWyniku{"Po " + a + " brakuje wartości."};
            cel = argumenty[++i];
        } else {
            return TBladWyniku{"Nieznana opcja: " + a};
        }
    }
    if (!jestOblicz)
        return TBladWyniku{"Brak opcji --oblicz PLIK.pro."};
    if (!opcje.PlikRaportu.empty() && opcje.PlikiProjektow.size() > 1)
        return TBladWyniku{"Opcja --raport działa tylko z jednym plikiem projektu."};
    return opcje;
}

bool CzyWierszPolecen(const std::vector<std::string>& argumenty) {
    // Any option of this mode counts: an incomplete command line gets its message here instead of
    // silently opening the window (or failing for want of a display).
    return std::any_of(argumenty.begin(), argumenty.end(), [](const std::string& a) {
        return a == "--oblicz" || a == "--json" || a == "--raport" || a == "--help" || a == "-h" ||
               a == "--klimat" || a == "--wnetrze" || a == "--wiersz-wt";
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

std::string ObiektJson(const TModelProjektu& model, const TArkuszWynikow& a,
                       const TWartoscJson* rozszerzenie) {
    const int n = model.LiczbaWarstw;
    const TWarunkiPracy& w = model.WarunkiPracy;
    const TWyniki& r = model.Wyniki;
    TPiszJson j;
    j.PoczatekObiektu();
    j.Calkowita("LiczbaWarstw", n);
    j.Klucz("Warstwy");
    j.PoczatekTablicy();
    // The inputs follow the project record's field lists, in the record's order.
    for (int k = 1; k <= n; ++k) {
        j.PoczatekObiektu();
        for (const TPoleWarstwy& pole : kPolaWarstwy)
            j.Json(pole.Nazwa, WartoscJson(pole, model.Warstwy[k]));
        j.KoniecObiektu();
    }
    j.KoniecTablicy();

    j.Klucz("WarunkiPracy");
    j.PoczatekObiektu();
    for (const TPoleWarunkow& pole : kPolaWarunkow)
        j.Json(pole.Nazwa, WartoscJson(pole, w));
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

    if (rozszerzenie)
        j.Json("Rozszerzenie", *rozszerzenie);

    j.KoniecObiektu();
    return j.Wynik() + "\n";
}

std::string TekstWilgotnosciowy(const TModelProjektu& model, const TAnalizaIso13788& analiza,
                                const std::optional<TLato>& lato) {
    const int n = model.LiczbaWarstw;
    std::string t = TekstKondensacji(analiza.Projektowe, n) + "\n";
    if (analiza.Rok)
        t += TekstRoku(analiza, n) + "\n";
    else
        t += "Bilans roczny kondensacji: nie wybrano klimatu (--klimat NAZWA).\n\n";
    t += TekstFRsiIWT(analiza) + "\n";
    t += TekstLata(model, lato);
    return t;
}

std::string DopiszJsonWilgotnosciowy(const std::string& klasyczny, const std::string& plik,
                                     const TAnalizaIso13788& analiza, const std::optional<TLato>& lato) {
    // The new keys follow those of the results sheet inside the same object: the writer starts as if after
    // "{".
    TPiszJson j;
    j.Tekst("Plik", plik);
    JsonKondensacji(j, analiza.Projektowe);
    JsonRoku(j, analiza);
    JsonFRsiIWT(j, analiza);
    JsonLata(j, lato);
    const std::size_t koniec = klasyczny.rfind('}');
    if (koniec == std::string::npos)
        return klasyczny;
    const bool pusty = klasyczny.find_last_not_of(" \n", koniec - 1) == klasyczny.find('{');
    return klasyczny.substr(0, koniec) + (pusty ? "" : ",") + j.Wynik() + "}\n";
}

std::string ObiektJsonBledu(const std::string& plik, const std::string& blad, int kod) {
    TPiszJson j;
    j.PoczatekObiektu();
    j.Tekst("Plik", plik);
    j.Tekst("Blad", blad);
    j.Calkowita("Kod", kod);
    j.KoniecObiektu();
    return j.Wynik() + "\n";
}

namespace {

int UruchomBezOslony(const std::vector<std::string>& argumenty, const std::filesystem::path& katalogDanych,
                     std::ostream& out, std::ostream& err, const TZapisRaportu& zapiszRaport) {
    if (std::find(argumenty.begin(), argumenty.end(), "--help") != argumenty.end() ||
        std::find(argumenty.begin(), argumenty.end(), "-h") != argumenty.end()) {
        out << SposobUzycia();
        return out.flush() ? kKodOk : kKodBladPliku;
    }
    const auto opcje = CzytajOpcje(argumenty);
    if (const std::string* blad = Niepowodzenie(opcje)) {
        err << *blad << "\n" << SposobUzycia();
        return kKodBladPliku;
    }
    const TOpcjeWiersza& wszystkie = std::get<TOpcjeWiersza>(opcje);
    // The report would replace the project it is made from.
    for (const std::string& projekt : wszystkie.PlikiProjektow) {
        if (!wszystkie.PlikRaportu.empty() &&
            (wszystkie.PlikRaportu == projekt || TenSamPlik(wszystkie.PlikRaportu, projekt))) {
            err << "Raport nie może zastąpić obliczanego pliku projektu „" << projekt
                << "”: podaj inną nazwę pliku raportu.\n";
            return kKodBladPliku;
        }
    }
    if (const auto blad = BladNadpisanIso13788(Nadpisania(wszystkie))) {
        err << *blad << "\n" << SposobUzycia();
        return kKodBladPliku;
    }
    // Each file in turn; one that fails does not stop the others, and the worst status is returned.
    int najgorszy = kKodOk;
    for (std::size_t i = 0; i < wszystkie.PlikiProjektow.size(); ++i) {
        TOpcjeWiersza o = wszystkie;
        o.PlikProjektu = wszystkie.PlikiProjektow[i];
        o.KatalogDanych = katalogDanych;
        std::ostringstream bledy;
        bool wypisano = false;
        const int kod = ObliczProjekt(o, out, bledy, zapiszRaport, wypisano);
        err << bledy.str();
        // With several files a failed one keeps its line, so that the lines still match the files.
        if (kod != kKodOk && o.Json && !wypisano && wszystkie.PlikiProjektow.size() > 1) {
            std::string blad = bledy.str();
            while (!blad.empty() && blad.back() == '\n')
                blad.pop_back();
            blad =
                blad.substr(blad.find_last_of('\n') == std::string::npos ? 0 : blad.find_last_of('\n') + 1);
            out << ObiektJsonBledu(o.PlikProjektu, blad, kod) << std::flush;
        } else if (!o.Json && i + 1 < wszystkie.PlikiProjektow.size()) {
            out << "\n";
        }
        najgorszy = std::max(najgorszy, kod);
    }
    return najgorszy;
}

int ObliczProjekt(const TOpcjeWiersza& o, std::ostream& out, std::ostream& err,
                  const TZapisRaportu& zapiszRaport, bool& wypisano) {
    const auto plik = WczytajPlikProjektu(o.PlikProjektu);
    if (const std::string* blad = Niepowodzenie(plik)) {
        err << *blad << "\n";
        return kKodBladPliku;
    }
    const TZawartoscProjektu& zawartosc = std::get<TZawartoscProjektu>(plik);

    TModelProjektu model;
    PrzeniesDoModelu(zawartosc, model);

    // Without a sound saturation table every pressure and the verdict would be wrong while looking
    // right: a missing, short or damaged table ends the run.
    const std::string plikTablicy = (o.KatalogDanych / "ula.dat").string();
    if (const auto blad = WczytajTabliceNasycenia(plikTablicy, model.TablicaNasycenia)) {
        err << *blad << "\n";
        return kKodBladPliku;
    }

    // The checks of the calculate command, applied to the numbers stored in the file.
    std::vector<std::string> ostrzezenia;
    const TBlad blad = SprawdzIOblicz(model, ostrzezenia);
    WypiszOstrzezenia(ostrzezenia, err);
    if (blad) {
        err << *blad << "\n";
        return kKodBladSprawdzenia;
    }
    const TArkuszWynikow arkusz =
        ArkuszWynikow(model, model.WarunkiPracy.TempWew, model.WarunkiPracy.TempZewn);
    const auto analiza = AnalizaWierszaPolecen(o, model, err);
    if (!analiza)
        return kKodBladPliku;
    const std::optional<TLato> lato = LatoPrzegrody(model);
    wypisano = true;
    if (o.Json)
        out << DopiszJsonWilgotnosciowy(
            ObiektJson(model, arkusz, zawartosc.Rozszerzenie ? &*zawartosc.Rozszerzenie : nullptr),
            o.PlikProjektu, *analiza, lato);
    else
        out << "Projekt: " << o.PlikProjektu << "\n"
            << TabelaTekstowa(model, arkusz) << "\n"
            << TekstWilgotnosciowy(model, *analiza, lato);
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
        return zapiszRaport(model, model.WarunkiPracy.TempWew, model.WarunkiPracy.TempZewn, *analiza,
                            o.PlikRaportu);
    }
    return kKodOk;
}

} // namespace

int UruchomWierszPolecen(const std::vector<std::string>& argumenty,
                         const std::filesystem::path& katalogDanych, std::ostream& out, std::ostream& err,
                         const TZapisRaportu& zapiszRaport) {
    // Nothing escapes as the runtime's own English "terminate called after ...": a failure that no
    // step reports by itself still ends with a Polish message and the file-error status.
    try {
        return UruchomBezOslony(argumenty, katalogDanych, out, err, zapiszRaport);
    } catch (const std::bad_alloc&) {
        err << "Brak pamięci: obliczenia przerwano.\n";
    } catch (const std::exception& e) {
        err << "Nieoczekiwany błąd, obliczenia przerwano: " << e.what() << "\n";
    }
    return kKodBladPliku;
}

} // namespace murolab
