#pragma once
// The lookup tables of the working conditions: partition types with their surface resistances,
// climate zones with their outdoor design temperature, humidity classes of the indoor environment
// with their indoor humidity. The sheet proposes values from them and the insertion dialog takes the
// humid or the medium-humid lambda by the class.

#include <array>
#include <optional>
#include <string_view>

namespace murolab {

struct TTypPrzegrody {
    std::string_view Nazwa; // the list text, UTF-8
    double Rsi;             // m2 K/W
    double Rse;
};

inline constexpr std::array<TTypPrzegrody, 6> kTypyPrzegrod = {{
    {"Ściana zewnętrzna", 0.13, 0.04},
    {"Dachy, stropodachy, tarasy przy przepływie ciepła z dołu do góry", 0.10, 0.04},
    {"Dachy, stropodachy, tarasy przy przepływie ciepła z góry do dołu", 0.17, 0.04},
    {"Ściany wewnętrzne", 0.13, 0.08},
    {"Strop nad piwnicą przy przepływie ciepła z góry do dołu", 0.17, 0.04},
    {"Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry", 0.10, 0.04},
}};

struct TStrefaKlimatyczna {
    std::string_view Nazwa;
    int Te;                // degC, written into te when the zone is picked
    bool WybieranaPrzezTe; // false for "nieokreślona": its -5 never selects it back
};

// "nieokreślona" comes first, as in the list.
inline constexpr std::array<TStrefaKlimatyczna, 6> kStrefyKlimatyczne = {{
    {"nieokreślona", -5, false},
    {"Strefa I", -16, true},
    {"Strefa II", -18, true},
    {"Strefa III", -20, true},
    {"Strefa IV", -22, true},
    {"Strefa V", -24, true},
}};

struct TKlasaWilgotnosci {
    std::string_view Nazwa;
    int FiI;       // phi_i written when the class is picked, %
    int FiIOd;     // the smallest phi_i that selects this class when the field is left
    bool Wilgotna; // the insertion dialog takes the humid lambda
};

inline constexpr std::array<TKlasaWilgotnosci, 2> kKlasyWilgotnosci = {{
    {"Warunki średniowilgotne", 55, 0, false},
    {"Warunki wilgotne", 75, 75, true},
}};

// The row of that exact text, or nothing.
const TTypPrzegrody* ZnajdzTypPrzegrody(std::string_view nazwa);
const TStrefaKlimatyczna* ZnajdzStrefe(std::string_view nazwa);
const TKlasaWilgotnosci* ZnajdzKlase(std::string_view nazwa);

// The zone that a typed te selects: a zone whose te it is, else "nieokreślona".
const TStrefaKlimatyczna& StrefaDlaTe(int te);
// The class that an indoor humidity selects.
const TKlasaWilgotnosci& KlasaDlaFi(int fi);
// The humid lambda is taken for "Warunki wilgotne" only; any other text means medium-humid.
bool CzyWarunkiWilgotne(std::string_view klasa);

} // namespace murolab
