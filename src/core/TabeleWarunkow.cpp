#include "core/TabeleWarunkow.h"

namespace murolab {

namespace {
template <typename Tablica>
auto Znajdz(const Tablica& tablica, std::string_view nazwa) -> decltype(&tablica[0]) {
    for (const auto& wiersz : tablica)
        if (wiersz.Nazwa == nazwa)
            return &wiersz;
    return nullptr;
}

} // namespace

const TTypPrzegrody* ZnajdzTypPrzegrody(std::string_view nazwa) {
    return Znajdz(kTypyPrzegrod, nazwa);
}

const TStrefaKlimatyczna* ZnajdzStrefe(std::string_view nazwa) {
    return Znajdz(kStrefyKlimatyczne, nazwa);
}

const TKlasaWilgotnosci* ZnajdzKlase(std::string_view nazwa) {
    return Znajdz(kKlasyWilgotnosci, nazwa);
}

const TStrefaKlimatyczna& StrefaDlaTe(int te) {
    for (const auto& s : kStrefyKlimatyczne)
        if (s.WybieranaPrzezTe && s.Te == te)
            return s;
    return kStrefyKlimatyczne[0];
}

const TKlasaWilgotnosci& KlasaDlaFi(int fi) {
    const TKlasaWilgotnosci* wynik = &kKlasyWilgotnosci[0];
    for (const auto& k : kKlasyWilgotnosci)
        if (fi >= k.FiIOd)
            wynik = &k;
    return *wynik;
}

bool CzyWarunkiWilgotne(std::string_view klasa) {
    const TKlasaWilgotnosci* k = ZnajdzKlase(klasa);
    return k && k->Wilgotna;
}

} // namespace murolab
