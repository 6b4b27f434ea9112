// Builds the eight group files of the shipped catalogue from its readable source
// (data/katalog/materialy.csv, UTF-8) with the program's own record encoder and catalogue order.
//
//   murolab_generuj_katalog <materialy.csv> <output directory>
//
// Refuses (exit code 1, nothing replaced) a source it cannot trust: an unknown group, a number
// that is not a plain decimal, a name the code page cannot hold, two names that the catalogue
// counts as one. Each group file is written beside its target and renamed over it.

#include "DopisywanieGrupy.h"
#include "catalogue/Grupy.h"
#include "catalogue/Material.h"
#include "catalogue/PlikGrupy.h"
#include "core/KrotkiTekst.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace murolab;

const std::vector<std::string> kNaglowek = {"grupa", "nazwa",   "lambda_sw", "lambda_w",
                                            "mi",    "gestosc", "cieplo",    "zrodlo"};

std::vector<std::string> Podziel(const std::string& wiersz) {
    std::vector<std::string> pola;
    std::size_t poczatek = 0;
    for (;;) {
        std::size_t przecinek = wiersz.find(',', poczatek);
        pola.push_back(wiersz.substr(poczatek, przecinek - poczatek));
        if (przecinek == std::string::npos)
            return pola;
        poczatek = przecinek + 1;
    }
}

// The source writes numbers with a full stop; nothing else is accepted.
double Liczba(const std::string& tekst, const std::string& pole) {
    double wartosc = 0;
    auto [koniec, blad] =
        std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc, std::chars_format::fixed);
    if (tekst.empty() || blad != std::errc() || koniec != tekst.data() + tekst.size() ||
        !std::isfinite(wartosc) || wartosc <= 0)
        throw std::runtime_error(pole + " = '" + tekst + "' nie jest dodatnią liczbą dziesiętną");
    return wartosc;
}

std::map<std::string_view, std::vector<TMaterial>> CzytajZrodlo(const std::filesystem::path& csv) {
    std::ifstream wej(csv, std::ios::binary);
    if (!wej)
        throw std::runtime_error("nie można otworzyć " + csv.string());
    std::map<std::string_view, std::vector<TMaterial>> grupy;
    std::string wiersz;
    int nr = 0;
    while (std::getline(wej, wiersz)) {
        ++nr;
        if (!wiersz.empty() && wiersz.back() == '\r')
            wiersz.pop_back();
        if (nr == 1 && wiersz.starts_with("\xEF\xBB\xBF"))
            wiersz.erase(0, 3);
        if (wiersz.empty())
            continue;
        const std::string miejsce = csv.filename().string() + ":" + std::to_string(nr) + ": ";
        std::vector<std::string> pola = Podziel(wiersz);
        if (nr == 1) {
            if (pola != kNaglowek)
                throw std::runtime_error(miejsce + "nieoczekiwany nagłówek");
            continue;
        }
        if (pola.size() != kNaglowek.size())
            throw std::runtime_error(miejsce + std::to_string(pola.size()) + " pól zamiast 8");
        const TGrupaMaterialow* grupa = GrupaPoNazwie(pola[0]);
        if (grupa == nullptr)
            throw std::runtime_error(miejsce + "nieznana grupa '" + pola[0] + "'");

        const std::string nazwa = Utf8NaCp1250(pola[1]);
        if (Cp1250NaUtf8(nazwa) != pola[1])
            throw std::runtime_error(miejsce + "nazwa '" + pola[1] + "' ma znaki spoza Windows-1250");
        TMaterial m;
        m.Material.UstawCp1250(nazwa);
        if (nazwa.size() > kDlugoscNazwyMaterialu)
            std::cerr << miejsce << "nazwa przycięta do 60 znaków: '" << m.Material.Utf8() << "'\n";
        try {
            m.LambdaSW = Liczba(pola[2], "lambda_sw");
            m.LambdaW = Liczba(pola[3], "lambda_w");
            m.Mi = Liczba(pola[4], "mi");
            m.Gestosc = Liczba(pola[5], "gestosc");
            m.Cieplo = Liczba(pola[6], "cieplo");
        } catch (const std::exception& e) {
            throw std::runtime_error(miejsce + e.what());
        }
        grupy[grupa->Plik].push_back(m);
    }
    return grupy;
}

void UporzadkujISprawdz(std::string_view plik, std::vector<TMaterial>& materialy) {
    std::stable_sort(materialy.begin(), materialy.end(), [](const TMaterial& a, const TMaterial& b) {
        return PorownajNazwy(a.Material.Cp1250(), b.Material.Cp1250()) < 0;
    });
    for (std::size_t i = 1; i < materialy.size(); ++i)
        if (PorownajNazwy(materialy[i - 1].Material.Cp1250(), materialy[i].Material.Cp1250()) == 0)
            throw std::runtime_error(std::string(plik) + ": dwie nazwy liczą się w katalogu jako jedna: '" +
                                     materialy[i - 1].Material.Utf8() + "' i '" +
                                     materialy[i].Material.Utf8() + "'");
}

void ZapiszGrupe(const std::filesystem::path& cel, const std::vector<TMaterial>& materialy) {
    std::filesystem::path tymczasowy = cel;
    tymczasowy += ".nowy";
    std::ofstream(tymczasowy, std::ios::binary | std::ios::trunc).close();
    for (const TMaterial& m : materialy)
        if (const TBlad blad = DopiszMaterial(tymczasowy, m, false))
            throw std::runtime_error(*blad);
    // What the program will read must be what was meant to be written.
    const auto odczytane = WczytajMaterialy(tymczasowy);
    if (const std::string* blad = Niepowodzenie(odczytane))
        throw std::runtime_error(*blad);
    if (std::get<std::vector<TMaterial>>(odczytane) != materialy)
        throw std::runtime_error(tymczasowy.string() + ": odczyt nie zgadza się z zapisem");
    std::filesystem::rename(tymczasowy, cel);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "użycie: " << argv[0] << " <materialy.csv> <katalog wyjściowy>\n";
        return 2;
    }
    try {
        auto grupy = CzytajZrodlo(argv[1]);
        const std::filesystem::path wyjscie = argv[2];
        std::filesystem::create_directories(wyjscie);
        // Everything is checked before the first file is replaced.
        for (auto& [plik, materialy] : grupy)
            UporzadkujISprawdz(plik, materialy);
        for (const TGrupaMaterialow& grupa : kGrupyMaterialow)
            ZapiszGrupe(wyjscie / grupa.Plik, grupy[grupa.Plik]);
    } catch (const std::exception& e) {
        std::cerr << "generuj_katalog: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
