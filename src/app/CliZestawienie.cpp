#include "app/CliZestawienie.h"

#include "files/PlikTablicyNasycenia.h"
#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <exception>
#include <new>
#include <optional>

namespace murolab {

namespace {

constexpr int kOk = 0;
constexpr int kBladPliku = 2;

struct TOpcjeZestawienia {
    std::vector<std::string> Pliki; // projects, or one summary file
    std::string Csv;
    std::string Raport;
    bool Json = false;
    TNadpisaniaIso13788 Nadpisania;
};

std::string SposobUzyciaZestawienia() {
    return "Użycie: murolab --zestawienie A.pro [B.pro …] [--csv PLIK.csv] [--raport R.pdf] [--json]\n"
           "                [--klimat NAZWA|PLIK.csv] [--wnetrze stale|klasa1..klasa4] [--wiersz-wt WIERSZ]\n"
           "       murolab --zestawienie BUDYNEK.zestawienie.json [te same opcje]\n";
}

bool CzyPlikZestawienia(const std::string& p) {
    return p.size() >= 5 && p.compare(p.size() - 5, 5, ".json") == 0;
}

TWynik<TOpcjeZestawienia> CzytajOpcjeZestawienia(const std::vector<std::string>& argumenty) {
    TOpcjeZestawienia o;
    bool jest = false;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        auto wartosc = [&](std::string& cel) -> TBlad {
            if (!cel.empty())
                return "Opcja " + a + " podana dwa razy.";
            if (i + 1 >= argumenty.size() || argumenty[i + 1].empty())
                return "Po " + a + " brakuje wartości.";
            cel = argumenty[++i];
            return std::nullopt;
        };
        TBlad blad;
        if (a == "--zestawienie") {
            if (jest)
                return TBladWyniku{"Opcja --zestawienie podana dwa razy."};
            jest = true;
            while (i + 1 < argumenty.size() && !argumenty[i + 1].empty() &&
                   argumenty[i + 1].rfind("--", 0) != 0)
                o.Pliki.push_back(argumenty[++i]);
            if (o.Pliki.empty())
                return TBladWyniku{"Po --zestawienie brakuje plików projektów lub pliku zestawienia."};
        } else if (a == "--json") {
            o.Json = true;
        } else if (a == "--csv") {
            blad = wartosc(o.Csv);
        } else if (a == "--raport") {
            blad = wartosc(o.Raport);
        } else if (a == "--klimat") {
            blad = wartosc(o.Nadpisania.Klimat);
        } else if (a == "--wnetrze") {
            blad = wartosc(o.Nadpisania.Wnetrze);
        } else if (a == "--wiersz-wt") {
            blad = wartosc(o.Nadpisania.WierszWT);
        } else {
            return TBladWyniku{"Nieznana opcja: " + a};
        }
        if (blad)
            return TBladWyniku{*blad};
    }
    if (!jest)
        return TBladWyniku{"Brak opcji --zestawienie."};
    const auto zestawienia = std::count_if(o.Pliki.begin(), o.Pliki.end(), CzyPlikZestawienia);
    if (zestawienia > 0 && o.Pliki.size() > 1)
        return TBladWyniku{"Plik zestawienia podaje się sam, bez plików projektów."};
    if (auto blad = BladNadpisanIso13788(o.Nadpisania))
        return TBladWyniku{*blad};
    return o;
}

TWartoscJson JsonBudynku(const TOpisBudynku& b) {
    TWartoscJson j = TWartoscJson::Obiekt();
    j.Ustaw("Nazwa", b.Nazwa);
    j.Ustaw("Adres", b.Adres);
    j.Ustaw("Inwestor", b.Inwestor);
    j.Ustaw("Projektant", b.Projektant);
    j.Ustaw("Data", b.Data);
    return j;
}

std::string TekstBudynku(const TOpisBudynku& b) {
    std::string s;
    auto linia = [&](const char* etykieta, const std::string& v) {
        if (!v.empty())
            s += std::string(etykieta) + v + "\n";
    };
    linia("Budynek: ", b.Nazwa);
    linia("Adres: ", b.Adres);
    linia("Inwestor: ", b.Inwestor);
    linia("Projektant: ", b.Projektant);
    linia("Data: ", b.Data);
    return s;
}

int Uruchom(const std::vector<std::string>& argumenty, const std::filesystem::path& katalogDanych,
            std::ostream& out, std::ostream& err, const TZapisRaportuZestawienia& zapiszRaport) {
    if (std::find(argumenty.begin(), argumenty.end(), "--help") != argumenty.end() ||
        std::find(argumenty.begin(), argumenty.end(), "-h") != argumenty.end()) {
        out << SposobUzyciaZestawienia();
        return out.flush() ? kOk : kBladPliku;
    }
    const auto opcje = CzytajOpcjeZestawienia(argumenty);
    if (const std::string* blad = Niepowodzenie(opcje)) {
        err << *blad << "\n" << SposobUzyciaZestawienia();
        return kBladPliku;
    }
    const TOpcjeZestawienia& o = std::get<TOpcjeZestawienia>(opcje);

    // The projects with the names their rows carry: a summary file's stored (relative) paths.
    std::vector<std::pair<std::string, std::string>> projekty; // {path to read, name of the row}
    std::optional<std::string> plikZestawienia;
    TOpisBudynku budynek;
    if (o.Pliki.size() == 1 && CzyPlikZestawienia(o.Pliki[0])) {
        plikZestawienia = o.Pliki[0];
        auto z = WczytajZestawienie(*plikZestawienia);
        if (const std::string* blad = Niepowodzenie(z)) {
            err << *blad << "\n";
            return kBladPliku;
        }
        const TPlikZestawienia& plik = std::get<TPlikZestawienia>(z);
        budynek = plik.Budynek;
        for (const std::string& p : plik.Projekty)
            projekty.emplace_back(SciezkaProjektu(p, *plikZestawienia), p);
    } else {
        for (const std::string& p : o.Pliki)
            projekty.emplace_back(p, p);
    }
    // An output must never replace one of its inputs.
    for (const std::string* wyjscie : {&o.Csv, &o.Raport}) {
        if (wyjscie->empty())
            continue;
        for (const auto& [sciezka, nazwa] : projekty)
            if (*wyjscie == sciezka || TenSamPlik(*wyjscie, sciezka)) {
                err << "Plik wynikowy „" << *wyjscie << "” zastąpiłby projekt „" << nazwa
                    << "”: podaj inną nazwę.\n";
                return kBladPliku;
            }
        if (plikZestawienia && TenSamPlik(*wyjscie, *plikZestawienia)) {
            err << "Plik wynikowy „" << *wyjscie << "” zastąpiłby plik zestawienia: podaj inną nazwę.\n";
            return kBladPliku;
        }
    }

    TTablicaNasycenia tablica{};
    if (const auto blad = WczytajTabliceNasycenia((katalogDanych / "ula.dat").string(), tablica)) {
        err << *blad << "\n";
        return kBladPliku;
    }
    TObliczanieZestawienia obliczanie(tablica, katalogDanych, o.Nadpisania);
    std::vector<TWierszZestawienia> wiersze;
    wiersze.reserve(projekty.size());
    for (const auto& [sciezka, nazwa] : projekty) {
        wiersze.push_back(obliczanie.Wiersz(sciezka, nazwa));
        const TWierszZestawienia& w = wiersze.back();
        for (const std::string& ostrzezenie : w.Ostrzezenia)
            err << w.Plik << ": " << ostrzezenie << "\n";
        if (!w.Obliczony())
            err << w.Blad << "\n";
    }

    if (o.Json) {
        TWartoscJson j = TWartoscJson::Obiekt();
        j.Ustaw("Zestawienie", plikZestawienia ? TWartoscJson(*plikZestawienia) : TWartoscJson());
        j.Ustaw("Budynek", JsonBudynku(budynek));
        TWartoscJson lista = TWartoscJson::Tablica();
        for (const TWierszZestawienia& w : wiersze)
            lista.Dodaj(JsonWiersza(w));
        j.Ustaw("Wiersze", std::move(lista));
        out << ZapiszJson(j) << "\n";
    } else {
        out << "Zestawienie przegród" << (plikZestawienia ? ": " + *plikZestawienia : std::string()) << "\n"
            << TekstBudynku(budynek) << "\n"
            << TekstZestawienia(wiersze);
    }
    if (!out.flush()) {
        err << "Nie można wypisać wyników (błąd zapisu na standardowe wyjście).\n";
        return kBladPliku;
    }
    int kod = KodWyjsciaZestawienia(wiersze);
    if (!o.Csv.empty()) {
        if (const auto blad = ZapiszCsvZestawienia(o.Csv, wiersze)) {
            err << *blad << "\n";
            kod = kBladPliku;
        }
    }
    if (!o.Raport.empty()) {
        if (!zapiszRaport) {
            err << "Raportu nie można zapisać w tym trybie programu.\n";
            kod = kBladPliku;
        } else {
            kod = std::max(kod, zapiszRaport(budynek, wiersze, o.Raport));
        }
    }
    return kod;
}

} // namespace

bool CzyZestawienie(const std::vector<std::string>& argumenty) {
    // --csv belongs to the summary only: alone it gets the summary's message, not a window opening "x.csv".
    return std::any_of(argumenty.begin(), argumenty.end(),
                       [](const std::string& a) { return a == "--zestawienie" || a == "--csv"; });
}

int UruchomZestawienie(const std::vector<std::string>& argumenty, const std::filesystem::path& katalogDanych,
                       std::ostream& out, std::ostream& err, const TZapisRaportuZestawienia& zapiszRaport) {
    try {
        return Uruchom(argumenty, katalogDanych, out, err, zapiszRaport);
    } catch (const std::bad_alloc&) {
        err << "Brak pamięci: obliczenia przerwano.\n";
    } catch (const std::exception& e) {
        err << "Nieoczekiwany błąd, obliczenia przerwano: " << e.what() << "\n";
    }
    return kBladPliku;
}

} // namespace murolab
