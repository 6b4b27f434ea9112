#include "files/WyborKlimatu.h"

#include "files/PlikKlimatu.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace murolab {

namespace fs = std::filesystem;

namespace {

// The Polish letters and their plain forms, lower case.
struct TLitera {
    char32_t Znak;
    char Zwykla;
};
constexpr std::array<TLitera, 18> kPolskie = {{
    {U'ą', 'a'},
    {U'Ą', 'a'},
    {U'ć', 'c'},
    {U'Ć', 'c'},
    {U'ę', 'e'},
    {U'Ę', 'e'},
    {U'ł', 'l'},
    {U'Ł', 'l'},
    {U'ń', 'n'},
    {U'Ń', 'n'},
    {U'ó', 'o'},
    {U'Ó', 'o'},
    {U'ś', 's'},
    {U'Ś', 's'},
    {U'ź', 'z'},
    {U'Ź', 'z'},
    {U'ż', 'z'},
    {U'Ż', 'z'},
}};

// The station of a climate file: its first line when that is a comment, up to " (".
std::string StacjaZTekstu(const std::string& tekst) {
    if (!tekst.starts_with("#"))
        return {};
    std::string linia = tekst.substr(1, tekst.find('\n') - 1);
    if (!linia.empty() && linia.back() == '\r')
        linia.pop_back();
    if (const auto nawias = linia.find(" ("); nawias != std::string::npos)
        linia.resize(nawias);
    const auto od = linia.find_first_not_of(' ');
    const auto do_ = linia.find_last_not_of(' ');
    return od == std::string::npos ? std::string() : linia.substr(od, do_ - od + 1);
}

bool BezpiecznaNazwa(const std::string& nazwa) {
    return !nazwa.empty() && nazwa != "." && nazwa != ".." && nazwa.find('/') == std::string::npos &&
           nazwa.find('\0') == std::string::npos;
}

bool Istnieje(const std::string& sciezka) {
    std::error_code blad;
    return !sciezka.empty() && fs::exists(fs::symlink_status(sciezka, blad));
}

} // namespace

std::string KluczNazwyKlimatu(std::string_view nazwa) {
    std::string k;
    k.reserve(nazwa.size());
    for (std::size_t i = 0; i < nazwa.size();) {
        const auto b = static_cast<unsigned char>(nazwa[i]);
        if (b < 0x80) {
            char c = static_cast<char>(b);
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            else if (c == ' ' || c == '_')
                c = '-';
            k += c;
            ++i;
            continue;
        }
        // Two-byte sequences hold every Polish letter; anything else is kept as it is.
        if ((b & 0xE0) == 0xC0 && i + 1 < nazwa.size()) {
            const char32_t znak =
                (static_cast<char32_t>(b & 0x1F) << 6) | (static_cast<unsigned char>(nazwa[i + 1]) & 0x3F);
            const auto l = std::find_if(kPolskie.begin(), kPolskie.end(),
                                        [znak](const TLitera& x) { return x.Znak == znak; });
            if (l != kPolskie.end()) {
                k += l->Zwykla;
                i += 2;
                continue;
            }
        }
        k += nazwa[i];
        ++i;
    }
    return k;
}

TKlimaty::TKlimaty(fs::path katalogDanych, std::string katalogUzytkownika)
    : katalogDanych_(std::move(katalogDanych)), katalogUzytkownika_(std::move(katalogUzytkownika)) {}

const std::vector<TKlimatWFolderze>& TKlimaty::Dostepne() {
    if (dostepne_)
        return *dostepne_;
    dostepne_.emplace();
    for (const std::string& katalog : {katalogUzytkownika_, KatalogKlimatuZainstalowany(katalogDanych_)}) {
        if (katalog.empty())
            continue;
        std::vector<TKlimatWFolderze> tutaj;
        std::error_code blad;
        for (fs::directory_iterator it(katalog, blad), koniec; !blad && it != koniec; it.increment(blad)) {
            const fs::path& p = it->path();
            if (p.extension() != ".csv" || !it->is_regular_file(blad))
                continue;
            TKlimatWFolderze k;
            k.Plik = p.string();
            k.Nazwa = p.stem().string();
            const bool juz = std::any_of(dostepne_->begin(), dostepne_->end(),
                                         [&](const TKlimatWFolderze& x) { return x.Nazwa == k.Nazwa; });
            if (juz)
                continue;
            const auto tekst = CzytajTekstKlimatu(k.Plik);
            if (const auto* t = std::get_if<std::string>(&tekst))
                k.Stacja = StacjaZTekstu(*t);
            if (k.Stacja.empty())
                k.Stacja = k.Nazwa;
            tutaj.push_back(std::move(k));
        }
        std::sort(tutaj.begin(), tutaj.end(),
                  [](const TKlimatWFolderze& a, const TKlimatWFolderze& b) { return a.Nazwa < b.Nazwa; });
        dostepne_->insert(dostepne_->end(), tutaj.begin(), tutaj.end());
    }
    return *dostepne_;
}

std::string TKlimaty::Sciezka(const std::string& nazwa) {
    if (CzySciezkaKlimatu(nazwa))
        return nazwa;
    // The file's own name first: whatever stands there (a folder, a FIFO) is reported as it is.
    if (BezpiecznaNazwa(nazwa)) {
        for (const std::string& katalog :
             {katalogUzytkownika_, KatalogKlimatuZainstalowany(katalogDanych_)}) {
            const std::string p = katalog.empty() ? std::string() : katalog + "/" + nazwa + ".csv";
            if (Istnieje(p))
                return p;
        }
    }
    const std::string klucz = KluczNazwyKlimatu(nazwa);
    for (const TKlimatWFolderze& k : Dostepne())
        if (KluczNazwyKlimatu(k.Nazwa) == klucz || KluczNazwyKlimatu(k.Stacja) == klucz)
            return k.Plik;
    // A name that is no climate but something in the working directory is taken as its path, so
    // that a folder or a FIFO given by mistake gets its own message.
    if (Istnieje(nazwa))
        return nazwa;
    return {};
}

const TWynik<TKlimat>& TKlimaty::Wczytaj(const std::string& nazwaLubSciezka) {
    if (const auto it = wczytane_.find(nazwaLubSciezka); it != wczytane_.end())
        return it->second;
    const std::string sciezka = Sciezka(nazwaLubSciezka);
    TWynik<TKlimat> wynik = TBladWyniku{};
    if (sciezka.empty()) {
        std::string lista;
        for (const TKlimatWFolderze& k : Dostepne())
            lista += (lista.empty() ? "" : ", ") + k.Stacja;
        wynik = TBladWyniku{
            "Nie znaleziono klimatu „" + nazwaLubSciezka +
            "” (ani w katalogu klimatów użytkownika, ani w danych programu). " +
            (lista.empty() ? std::string("Nie ma żadnego pliku klimatu.") : "Dostępne: " + lista + ".")};
    } else if (auto tekst = CzytajTekstKlimatu(sciezka); const std::string* blad = Niepowodzenie(tekst)) {
        wynik = TBladWyniku{*blad};
    } else {
        wynik = CzytajKlimat(std::get<std::string>(tekst), sciezka);
    }
    return wczytane_.emplace(nazwaLubSciezka, std::move(wynik)).first->second;
}

const TKlimat* TKlimatPrzebiegu::Dane() const {
    if (Zapisany)
        return &*Zapisany;
    return Klimat ? std::get_if<TKlimat>(Klimat) : nullptr;
}

const std::string* TKlimatPrzebiegu::Blad() const {
    return !Zapisany && Klimat ? Niepowodzenie(*Klimat) : nullptr;
}

TKlimatPrzebiegu KlimatPrzebiegu(const TModelProjektu& model, const std::string& nadrzedny,
                                 TKlimaty& klimaty) {
    TKlimatPrzebiegu k;
    k.Nazwa = nadrzedny.empty() ? model.Iso13788.Klimat : nadrzedny;
    if (k.Nazwa.empty())
        return k;
    if (nadrzedny.empty() && model.Iso13788.KlimatZapisany)
        k.Zapisany = model.Iso13788.KlimatZapisany;
    else
        k.Klimat = &klimaty.Wczytaj(k.Nazwa);
    return k;
}

} // namespace murolab
