#include "app/OpcjeWiersza.h"

#include "core/Kondensacja.h"
#include "core/KrotkiTekst.h"
#include "core/WT2021.h"

#include <algorithm>
#include <array>
#include <charconv>

#ifndef MUROLAB_WERSJA
#error "MUROLAB_WERSJA comes from the project's version in CMake"
#endif

namespace murolab {

namespace {

using TBladOpcji = std::optional<std::string>;

TBladOpcji UstawWnetrze(TOpcjeWiersza& o, const std::string& w) {
    if (!WnetrzeZTekstu(w))
        return "Nieznana wartość --wnetrze: „" + w + "” (dozwolone: stale, klasa1 … klasa4).";
    o.Wnetrze = w;
    return std::nullopt;
}

TBladOpcji UstawWierszWT(TOpcjeWiersza& o, const std::string& w) {
    if (!ZnajdzWierszWT(w)) {
        std::string ids;
        for (const TWierszWT& wiersz : WierszeWT())
            ids += (ids.empty() ? "" : ", ") + std::string(wiersz.Id);
        return "Nieznany wiersz WT 2021: „" + w + "” (dozwolone: " + ids + ").";
    }
    o.WierszWT = w;
    return std::nullopt;
}

TBladOpcji UstawPauze(TOpcjeWiersza& o, const std::string& w) {
    // A whole number of milliseconds; blanks around it are forgiven, anything else is not.
    const auto poczatek = w.find_first_not_of(' ');
    const auto koniec = w.find_last_not_of(' ');
    int ms = -1;
    if (poczatek != std::string::npos) {
        const char* a = w.data() + poczatek;
        const char* b = w.data() + koniec + 1;
        const auto [gdzie, blad] = std::from_chars(a, b, ms);
        if (blad != std::errc() || gdzie != b || *a == '-')
            ms = -1;
    }
    if (ms < 0)
        return "Nieprawidłowa wartość --pauza: „" + w +
               "” (podaj czas pokazywania okna powitalnego w milisekundach, liczbę całkowitą ≥ 0).";
    o.Pauza = ms;
    return std::nullopt;
}

// Hand-written in the order of the usage text. Ustaw of --help and --version is never called: they
// are found before anything else is read.
constexpr TOpcja kOpcje[] = {
    {"--oblicz", "", "PLIK.pro …", "nazwy pliku projektu",
     "oblicza projekty z plików (każdy osobno) i wypisuje arkusz wyników,\n"
     "sprawdzenie wilgotnościowe, WT 2021 i parametry letnie",
     TRodzajOpcji::WierszPolecen, true,
     [](TOpcjeWiersza& o, const std::string& w) -> TBladOpcji {
         o.PlikiProjektow.push_back(w);
         return std::nullopt;
     }},
    {"--json", "", "", "", "wypisuje wyniki jako obiekt JSON (kilka plików: jeden obiekt w wierszu)",
     TRodzajOpcji::WierszPolecen, false,
     [](TOpcjeWiersza& o, const std::string&) -> TBladOpcji {
         o.Json = true;
         return std::nullopt;
     }},
    {"--raport", "", "RAPORT.pdf", "nazwy pliku raportu",
     "zapisuje też trzystronicowy raport w pliku PDF (jeden projekt; strona 3:\n"
     "kondensacja i WT 2021 przy tych samych --klimat, --wnetrze i --wiersz-wt)",
     TRodzajOpcji::WierszPolecen, false,
     [](TOpcjeWiersza& o, const std::string& w) -> TBladOpcji {
         o.PlikRaportu = w;
         return std::nullopt;
     }},
    {"--klimat", "", "NAZWA|PLIK.csv", "nazwy klimatu lub pliku klimatu",
     "klimat bilansu rocznego kondensacji: stacja (np. „Warszawa-Okęcie”), nazwa\n"
     "pliku bez „.csv” z katalogu klimatów użytkownika lub programu, albo ścieżka",
     TRodzajOpcji::WierszPolecen, false,
     [](TOpcjeWiersza& o, const std::string& w) -> TBladOpcji {
         o.Klimat = w;
         return std::nullopt;
     }},
    {"--wnetrze", "", "RODZAJ", "rodzaju wnętrza (stale, klasa1 … klasa4)",
     "wilgotność wnętrza w bilansie: stale (ti i φi projektu) lub klasa1 … klasa4",
     TRodzajOpcji::WierszPolecen, false, UstawWnetrze},
    {"--wiersz-wt", "", "WIERSZ", "wiersza tabeli Umax WT 2021",
     "wiersz tabeli Umax WT 2021 (domyślnie według typu przegrody)", TRodzajOpcji::WierszPolecen, false,
     UstawWierszWT},
    {"--pauza", "", "MS", "czasu w milisekundach",
     "okno: czas pokazywania okna powitalnego w milisekundach (domyślnie 2000)", TRodzajOpcji::Okno, false,
     UstawPauze},
    {"--version", "", "", "", "wypisuje wersję programu", TRodzajOpcji::Informacja, false, nullptr},
    {"--help", "-h", "", "", "wypisuje ten opis", TRodzajOpcji::Informacja, false, nullptr},
};

// Qt's own options of a window application, which QApplication takes from the arguments itself
// (one or two dashes); `murolab -platform xcb PLIK.pro` keeps working.
struct TOpcjaQt {
    std::string_view Nazwa;
    bool ZWartoscia;
};
constexpr std::array<TOpcjaQt, 18> kOpcjeQt = {{
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-display", true},
    {"-geometry", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-name", true},
    {"-reverse", false},
    {"-widgetcount", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-sync", false},
}};

const TOpcjaQt* ZnajdzOpcjeQt(std::string_view a) {
    if (a.starts_with("--"))
        a.remove_prefix(1);
    if (const auto rowna = a.find('='); rowna != std::string_view::npos)
        a = a.substr(0, rowna);
    const auto o =
        std::find_if(kOpcjeQt.begin(), kOpcjeQt.end(), [a](const TOpcjaQt& q) { return q.Nazwa == a; });
    return o == kOpcjeQt.end() ? nullptr : &*o;
}

bool CzyOpcja(std::string_view a) {
    return a.size() > 1 && a.front() == '-';
}

TWywolanie Blad(std::string komunikat) {
    TWywolanie w;
    w.Rodzaj = TRodzajWywolania::Blad;
    w.Blad = std::move(komunikat);
    return w;
}

} // namespace

std::span<const TOpcja> TabelaOpcji() {
    return kOpcje;
}

const TOpcja* ZnajdzOpcje(std::string_view nazwa) {
    for (const TOpcja& o : kOpcje)
        if (o.Nazwa == nazwa || (!o.Skrot.empty() && o.Skrot == nazwa))
            return &o;
    return nullptr;
}

TWywolanie RozpoznajWywolanie(const std::vector<std::string>& argumenty) {
    // --help and --version end the program whatever else is given (--help first); everything after
    // "--" is a file.
    bool pomoc = false, wersja = false;
    for (const std::string& a : argumenty) {
        if (a == "--")
            break;
        if (const TOpcja* o = ZnajdzOpcje(a); o && o->Rodzaj == TRodzajOpcji::Informacja)
            (o->Nazwa == "--help" ? pomoc : wersja) = true;
    }
    if (pomoc || wersja) {
        TWywolanie w;
        w.Rodzaj = pomoc ? TRodzajWywolania::Pomoc : TRodzajWywolania::Wersja;
        return w;
    }

    TWywolanie w;
    std::vector<const TOpcja*> podane;
    std::string pierwszaOkna; // the first option of the window, refused beside the command line's
    std::string pierwszyPlik; // the first bare argument (the window's project)
    bool wierszPolecen = false;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        if (a == "--") {
            if (i + 1 < argumenty.size() && pierwszyPlik.empty())
                pierwszyPlik = argumenty[i + 1];
            break;
        }
        if (!CzyOpcja(a)) {
            if (pierwszyPlik.empty())
                pierwszyPlik = a;
            continue;
        }
        // "--nazwa=WARTOSC"
        std::string nazwa = a;
        std::optional<std::string> dolaczona;
        if (a.starts_with("--")) {
            if (const auto rowna = a.find('='); rowna != std::string::npos) {
                nazwa = a.substr(0, rowna);
                dolaczona = a.substr(rowna + 1);
            }
        }
        const TOpcja* o = ZnajdzOpcje(nazwa);
        if (!o) {
            if (const TOpcjaQt* q = ZnajdzOpcjeQt(a)) {
                if (pierwszaOkna.empty())
                    pierwszaOkna = a;
                if (q->ZWartoscia && a.find('=') == std::string::npos)
                    ++i;
                continue;
            }
            return Blad("Nieznana opcja: " + a);
        }
        const bool wartosc = !o->Argument.empty();
        if (dolaczona && !wartosc)
            return Blad("Opcja " + std::string(o->Nazwa) + " nie przyjmuje wartości.");
        if (wartosc && std::find(podane.begin(), podane.end(), o) != podane.end())
            return Blad("Opcja " + std::string(o->Nazwa) + " podana dwa razy.");
        podane.push_back(o);
        if (o->Rodzaj == TRodzajOpcji::Okno && pierwszaOkna.empty())
            pierwszaOkna = o->Nazwa;
        if (o->Rodzaj == TRodzajOpcji::WierszPolecen)
            wierszPolecen = true;
        if (!wartosc) {
            if (auto blad = o->Ustaw(w.Opcje, ""))
                return Blad(std::move(*blad));
            continue;
        }
        // A value never starts with "--": "--raport --json" forgot the report's name, it does not
        // name a file "--json" ("./--json" does).
        std::string v;
        if (dolaczona) {
            v = *dolaczona;
        } else if (i + 1 < argumenty.size() && !argumenty[i + 1].starts_with("--")) {
            v = argumenty[++i];
        }
        if (v.empty() || (!dolaczona && v.starts_with("--")))
            return Blad("Po " + std::string(o->Nazwa) + " brakuje " + std::string(o->Brak) + ".");
        if (auto blad = o->Ustaw(w.Opcje, v))
            return Blad(std::move(*blad));
        // Further names up to the next option are further values.
        while (o->Wiele && !dolaczona && i + 1 < argumenty.size() && !argumenty[i + 1].empty() &&
               !argumenty[i + 1].starts_with("--")) {
            if (auto blad = o->Ustaw(w.Opcje, argumenty[++i]))
                return Blad(std::move(*blad));
        }
    }

    if (!wierszPolecen) {
        w.Rodzaj = TRodzajWywolania::Okno;
        return w;
    }
    if (!pierwszaOkna.empty())
        return Blad("Opcja " + pierwszaOkna + " dotyczy okna programu, nie obliczeń w wierszu poleceń.");
    if (w.Opcje.PlikiProjektow.empty())
        return Blad("Brak opcji --oblicz PLIK.pro.");
    if (!pierwszyPlik.empty())
        return Blad("Nieoczekiwany argument „" + pierwszyPlik + "”: pliki projektów podaje się po --oblicz.");
    if (!w.Opcje.PlikRaportu.empty() && w.Opcje.PlikiProjektow.size() > 1)
        return Blad("Opcja --raport działa tylko z jednym plikiem projektu.");
    w.Rodzaj = TRodzajWywolania::WierszPolecen;
    return w;
}

std::string SposobUzycia() {
    std::string s =
        "Użycie: murolab --oblicz PLIK.pro [PLIK.pro …] [opcje]   obliczenia w wierszu poleceń\n"
        "        murolab --zestawienie A.pro [B.pro …]|BUDYNEK.zestawienie.json [--csv PLIK.csv] [opcje]\n"
        "                                                         zestawienie przegród\n"
        "        murolab [--pauza MS] [PLIK.pro]                  okno programu (i projekt)\n"
        "Opcje:\n";
    // The description column starts after the longest "  --nazwa ARGUMENT".
    auto lewa = [](const TOpcja& o) {
        std::string l = "  " + std::string(o.Nazwa);
        if (!o.Skrot.empty())
            l += ", " + std::string(o.Skrot);
        if (!o.Argument.empty())
            l += " " + std::string(o.Argument);
        return l;
    };
    std::size_t szerokosc = 0;
    for (const TOpcja& o : kOpcje)
        szerokosc = std::max(szerokosc, LiczbaZnakow(lewa(o)));
    szerokosc += 2;
    for (const TOpcja& o : kOpcje) {
        std::string l = lewa(o);
        l += std::string(szerokosc - LiczbaZnakow(l), ' ');
        std::string_view pomoc = o.Pomoc;
        for (std::size_t nl; (nl = pomoc.find('\n')) != std::string_view::npos; pomoc.remove_prefix(nl + 1))
            l += std::string(pomoc.substr(0, nl)) + "\n" + std::string(szerokosc, ' ');
        s += l + std::string(pomoc) + "\n";
    }
    s += "Kilka plików: każdy obliczony osobno; komunikaty na stderr zaczynają się nazwą pliku.\n"
         "Zestawienie: jeden wiersz na projekt (Uk, Umax, fRsi, kondensacja, WT 2021), tabela lub z --json\n"
         "obiekt z „Wiersze”; --csv zapisuje arkusz CSV, --raport raport PDF; --klimat, --wnetrze\n"
         "i --wiersz-wt jak wyżej.\n"
         "Kody wyjścia: 0 – obliczono, 1 – dane projektu nie przeszły sprawdzenia lub obliczenia\n"
         "nie dały skończonego wyniku, 2 – pliku nie da się odczytać (albo jest odrzucony), wyników\n"
         "lub raportu nie da się zapisać, lub błędne wywołanie (najgorszy z kodów plików).\n";
    return s;
}

std::string TekstWersji() {
    return "murolab " MUROLAB_WERSJA "\n";
}

} // namespace murolab
