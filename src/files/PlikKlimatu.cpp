#include "files/PlikKlimatu.h"

#include "core/Bledy.h"
#include "files/PlikiDanych.h"

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

std::string ZmiennaSrodowiska(const char* nazwa) {
    const char* w = std::getenv(nazwa);
    return w ? std::string(w) : std::string();
}

bool CzyKatalog(const std::string& sciezka) {
    std::error_code blad;
    return !sciezka.empty() && fs::is_directory(sciezka, blad);
}

} // namespace

std::variant<std::string, std::string> CzytajTekstKlimatu(const std::string& sciezka) {
    std::error_code blad;
    const auto stan = fs::status(sciezka, blad);
    if (blad)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "Nie można otworzyć pliku klimatu „" + sciezka +
                                                          "”: " + OpisBleduSystemu(blad.value()) + ".");
    if (!fs::is_regular_file(stan))
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "„" + sciezka + "” nie jest zwykłym plikiem klimatu.");
    const auto rozmiar = fs::file_size(sciezka, blad);
    if (!blad && rozmiar > kNajwiekszyPlikKlimatu)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "Plik klimatu „" + sciezka + "” jest za duży.");
    errno = 0;
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "Nie można otworzyć pliku klimatu „" + sciezka +
                                                          "”: " + OpisBleduSystemu(errno) + ".");
    std::string tekst((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
    if (plik.bad())
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "Błąd odczytu pliku klimatu „" + sciezka + "”.");
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(tekst));
}

std::string KatalogKlimatuUzytkownika() {
    const std::string xdg = ZmiennaSrodowiska("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/')
        return xdg + "/murolab/klimat";
    const std::string dom = ZmiennaSrodowiska("HOME");
    if (!dom.empty() && dom.front() == '/')
        return dom + "/.local/share/murolab/klimat";
    return {};
}

std::string KatalogKlimatuZainstalowany() {
    for (const std::string& katalog : KatalogiDanych()) {
        if (katalog.empty())
            continue; // the working directory: a "klimat" folder there is no installed data
        const std::string k = katalog + "/klimat";
        if (CzyKatalog(k))
            return k;
    }
    return {};
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

std::variant<TKlimat, std::string> WczytajKlimat(const std::string& nazwaLubSciezka) {
    std::string sciezka = nazwaLubSciezka;
    if (!CzySciezkaKlimatu(nazwaLubSciezka)) {
        sciezka = ZnajdzKlimat(nazwaLubSciezka, KatalogKlimatuUzytkownika(), KatalogKlimatuZainstalowany());
        if (sciezka.empty())
            return "Nie znaleziono klimatu „" + nazwaLubSciezka +
                   "” (ani w katalogu klimatów użytkownika, ani w danych programu).";
    }
    auto tekst = CzytajTekstKlimatu(sciezka);
    if (tekst.index() == 1)
        return std::get<1>(tekst);
    return CzytajKlimat(std::get<0>(tekst), sciezka);
}

} // namespace murolab
