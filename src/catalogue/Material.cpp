#include "catalogue/Material.h"

#include <bit>

namespace murolab {

namespace {

constexpr std::size_t kPoczatekLiczb = 64;

// Little-endian whatever the machine, so the files travel between machines unchanged.
void ZapiszLiczbe(std::uint8_t* cel, double wartosc) {
    auto bity = std::bit_cast<std::uint64_t>(wartosc);
    for (int i = 0; i < 8; ++i)
        cel[i] = static_cast<std::uint8_t>(bity >> (8 * i));
}

double CzytajLiczbe(const std::uint8_t* zrodlo) {
    std::uint64_t bity = 0;
    for (int i = 0; i < 8; ++i)
        bity |= static_cast<std::uint64_t>(zrodlo[i]) << (8 * i);
    return std::bit_cast<double>(bity);
}

unsigned char Zloz(unsigned char znak) {
    return (znak >= 'a' && znak <= 'z') ? static_cast<unsigned char>(znak - ('a' - 'A')) : znak;
}

} // namespace

TRekordMaterialu KodujMaterial(const TMaterial& material) {
    TRekordMaterialu rekord{};
    material.Material.ZapiszObraz(rekord.data());
    std::uint8_t* liczby = rekord.data() + kPoczatekLiczb;
    ZapiszLiczbe(liczby + 0, material.LambdaSW);
    ZapiszLiczbe(liczby + 8, material.LambdaW);
    ZapiszLiczbe(liczby + 16, material.Mi);
    ZapiszLiczbe(liczby + 24, material.Gestosc);
    ZapiszLiczbe(liczby + 32, material.Cieplo);
    return rekord;
}

TMaterial DekodujMaterial(std::span<const std::uint8_t, kRozmiarRekorduMaterialu> rekord) {
    TMaterial material;
    material.Material.UstawObraz(rekord.data());
    const std::uint8_t* liczby = rekord.data() + kPoczatekLiczb;
    material.LambdaSW = CzytajLiczbe(liczby + 0);
    material.LambdaW = CzytajLiczbe(liczby + 8);
    material.Mi = CzytajLiczbe(liczby + 16);
    material.Gestosc = CzytajLiczbe(liczby + 24);
    material.Cieplo = CzytajLiczbe(liczby + 32);
    return material;
}

int PorownajNazwy(std::string_view a, std::string_view b) {
    // Past its end a name reads as the terminating zero.
    for (std::size_t i = 0;; ++i) {
        auto znakA = static_cast<unsigned char>(i < a.size() ? a[i] : '\0');
        auto znakB = static_cast<unsigned char>(i < b.size() ? b[i] : '\0');
        unsigned char zA = Zloz(znakA);
        unsigned char zB = Zloz(znakB);
        if (zA != zB)
            return zA < zB ? -1 : 1;
        if (zA == 0)
            return 0;
    }
}

} // namespace murolab
