#include "files/PlikKlimatu.h"

#include "core/Bledy.h"
#include "files/PlikiDanych.h"
#include "files/ZapisAtomowy.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace murolab {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kNajwiekszyPlikKlimatu = 1 << 20; // twelve lines and a header; more is no climate

bool CzyKatalog(const std::string& sciezka) {
    std::error_code blad;
    return !sciezka.empty() && fs::is_directory(sciezka, blad);
}

} // namespace

TWynik<std::string> CzytajTekstKlimatu(const std::string& sciezka) {
    // Through the one reader of outside files: a regular file of sane size, never a FIFO or a device.
    auto plik = CzytajPlikRegularny(sciezka, kNajwiekszyPlikKlimatu);
    if (const std::string* blad = Niepowodzenie(plik))
        return TBladWyniku{"Plik klimatu: " + *blad};
    const auto& bajty = std::get<std::vector<std::uint8_t>>(plik);
    return std::string(bajty.begin(), bajty.end());
}

std::string KatalogKlimatuUzytkownika() {
    const fs::path katalog = KatalogUzytkownika();
    return katalog.empty() ? std::string() : (katalog / "klimat").string();
}

std::string KatalogKlimatuZainstalowany(const fs::path& katalogDanych) {
    const std::string k = (katalogDanych / "klimat").string();
    return CzyKatalog(k) ? k : std::string();
}

bool CzySciezkaKlimatu(const std::string& nazwa) {
    if (nazwa.find('/') != std::string::npos)
        return true;
    return nazwa.size() > 4 && (nazwa.ends_with(".csv") || nazwa.ends_with(".CSV"));
}

std::string ZnajdzKlimat(const std::string& nazwa, const std::string& katalogUzytkownika,
                         const std::string& katalogZainstalowany) {
    if (nazwa.empty() || nazwa == "." || nazwa == ".." || nazwa.find('/') != std::string::npos ||
        nazwa.find('\0') != std::string::npos)
        return {};
    for (const std::string& katalog : {katalogUzytkownika, katalogZainstalowany}) {
        if (katalog.empty())
            continue;
        const std::string sciezka = katalog + "/" + nazwa + ".csv";
        std::error_code blad;
        if (fs::is_regular_file(sciezka, blad))
            return sciezka;
    }
    return {};
}

TWynik<TKlimat> WczytajKlimat(const std::string& nazwaLubSciezka, const fs::path& katalogDanych) {
    std::string sciezka = nazwaLubSciezka;
    if (!CzySciezkaKlimatu(nazwaLubSciezka)) {
        sciezka = ZnajdzKlimat(nazwaLubSciezka, KatalogKlimatuUzytkownika(),
                               KatalogKlimatuZainstalowany(katalogDanych));
        if (sciezka.empty())
            return TBladWyniku{"Nie znaleziono klimatu „" + nazwaLubSciezka +
                               "” (ani w katalogu klimatów użytkownika, ani w danych programu)."};
    }
    auto tekst = CzytajTekstKlimatu(sciezka);
    if (auto* blad = std::get_if<TBladWyniku>(&tekst))
        return *blad;
    return CzytajKlimat(std::get<std::string>(tekst), sciezka);
}

} // namespace murolab
