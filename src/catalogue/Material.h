#pragma once
// One material of the catalogue and its 104-byte record in a group file:
//   0      length of the name (0..60)
//   1..60  name, Windows-1250, only the first "length" bytes count
//   61..63 padding
//   64     LambdaSW, 72 LambdaW, 80 Mi, 88 Gestosc, 96 Cieplo: little-endian binary64
// and the order in which a group file keeps its materials.

#include "core/KrotkiTekst.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace murolab {

inline constexpr std::size_t kRozmiarRekorduMaterialu = 104;
inline constexpr std::size_t kDlugoscNazwyMaterialu = 60;
using TRekordMaterialu = std::array<std::uint8_t, kRozmiarRekorduMaterialu>;

struct TMaterial {
    TKrotkiTekst<kDlugoscNazwyMaterialu> Material; // name, Windows-1250
    double LambdaSW = 0;                           // W/(m K), "Warunki średniowilgotne"
    double LambdaW = 0;                            // W/(m K), "Warunki wilgotne"
    double Mi = 0;                                 // water-vapour diffusion resistance factor
    double Gestosc = 0;                            // dry density, kg/m3
    double Cieplo = 0;                             // dry specific heat, kJ/(kg K)

    // Field by field, the name byte for byte (the numbers as stored, so NaN differs from itself).
    friend bool operator==(const TMaterial&, const TMaterial&) = default;
};

// The writer leaves zeros behind the name and in the padding.
TRekordMaterialu KodujMaterial(const TMaterial& material);
// Bytes behind the name and the padding are ignored; a length byte above 60 is read as 60.
TMaterial DekodujMaterial(std::span<const std::uint8_t, kRozmiarRekorduMaterialu> rekord);

// Catalogue order of two names (Windows-1250 bytes): negative when a comes first, zero when they
// count as the same name, positive otherwise. Only a-z are folded to A-Z; every other byte, the
// Polish letters included, compares by its unsigned value. A name ends at its first zero byte,
// so a name that is a prefix of another comes first.
int PorownajNazwy(std::string_view a, std::string_view b);

} // namespace murolab
