#include "files/PlikKlimatu.h"

#include "core/Bledy.h"
#include "files/PlikiDanych.h"
#include "files/ZapisAtomowy.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <utility>

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

namespace {

// The file a climate name or path means here; empty when a name is found in neither folder.
std::string PlikKlimatu(const std::string& nazwa, const TKatalogiKlimatow& k) {
    return CzySciezkaKlimatu(nazwa) ? nazwa : ZnajdzKlimat(nazwa, k.Uzytkownika, k.Zainstalowany);
}

TWynik<TKlimat> WczytajPlikKlimatu(const std::string& sciezka) {
    auto tekst = CzytajTekstKlimatu(sciezka);
    if (auto* blad = std::get_if<TBladWyniku>(&tekst))
        return *blad;
    return CzytajKlimat(std::get<std::string>(tekst), sciezka);
}

// Lower case for the comparison of names: a-z and the Polish letters.
std::string Male(std::string s) {
    static constexpr std::pair<std::string_view, std::string_view> kPolskie[] = {
        {"Ą", "ą"}, {"Ć", "ć"}, {"Ę", "ę"}, {"Ł", "ł"}, {"Ń", "ń"},
        {"Ó", "ó"}, {"Ś", "ś"}, {"Ź", "ź"}, {"Ż", "ż"}};
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const auto& [duza, mala] : kPolskie)
        for (std::size_t i = s.find(duza); i != std::string::npos; i = s.find(duza, i + mala.size()))
            s.replace(i, duza.size(), mala);
    return s;
}

} // namespace

TKatalogiKlimatow KatalogiKlimatow(const fs::path& katalogDanych) {
    return {KatalogKlimatuUzytkownika(), KatalogKlimatuZainstalowany(katalogDanych)};
}

TWynik<std::optional<TKlimatProjektu>> KlimatProjektu(const TUstawieniaIso13788& u,
                                                      const TKatalogiKlimatow& k) {
    if (u.Klimat.empty())
        return std::optional<TKlimatProjektu>{};
    const std::string plik = PlikKlimatu(u.Klimat, k);
    if (u.KlimatZapisany) {
        // The stored year wins; a local file of the same name only decides how it is shown.
        bool tenSam = false;
        if (!plik.empty()) {
            const auto lokalny = WczytajPlikKlimatu(plik);
            const auto* klimat = std::get_if<TKlimat>(&lokalny);
            tenSam = klimat && klimat->Miesiace == u.KlimatZapisany->Miesiace;
        }
        return std::optional<TKlimatProjektu>{TKlimatProjektu{*u.KlimatZapisany, !tenSam}};
    }
    if (plik.empty())
        return TBladWyniku{"Nie znaleziono klimatu „" + u.Klimat +
                           "” (ani w katalogu klimatów użytkownika, ani w danych programu)."};
    auto klimat = WczytajPlikKlimatu(plik);
    if (auto* blad = std::get_if<TBladWyniku>(&klimat))
        return *blad;
    return std::optional<TKlimatProjektu>{TKlimatProjektu{std::get<TKlimat>(std::move(klimat)), false}};
}

std::optional<TKlimat> KlimatDoZapisu(const std::string& nazwa, const TKlimat& klimat,
                                      const TKatalogiKlimatow& k) {
    if (nazwa.empty())
        return std::nullopt;
    if (CzySciezkaKlimatu(nazwa))
        return klimat;
    const std::string plik = ZnajdzKlimat(nazwa, k.Uzytkownika, k.Zainstalowany);
    const bool wlasny = !plik.empty() && !k.Uzytkownika.empty() && plik.starts_with(k.Uzytkownika + "/");
    return wlasny ? std::optional<TKlimat>(klimat) : std::nullopt;
}

bool NazwaKlimatuDostarczonego(const std::string& nazwa, const std::string& katalogZainstalowany) {
    if (katalogZainstalowany.empty())
        return false;
    const std::string szukana = Male(nazwa);
    std::error_code blad;
    for (const auto& wpis : fs::directory_iterator(katalogZainstalowany, blad)) {
        const fs::path p = wpis.path();
        if (p.extension() == ".csv" && Male(p.stem().string()) == szukana)
            return true;
    }
    return false;
}

} // namespace murolab
