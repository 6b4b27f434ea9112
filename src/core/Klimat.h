#pragma once
// A climate for the twelve-month condensation check: the monthly means of the outdoor air
// temperature and relative humidity of one station, read from a small semicolon-separated text.

#include "core/Bledy.h"

#include <array>
#include <string>
#include <string_view>

namespace murolab {

inline constexpr int kLiczbaMiesiecy = 12;

struct TMiesiacKlimatu {
    double Temp = 0;   // monthly mean of the outdoor air, degC
    double Wilgot = 0; // relative humidity, %
    friend bool operator==(const TMiesiacKlimatu&, const TMiesiacKlimatu&) = default;
};

struct TKlimat {
    std::string Nazwa;                                       // the station, from the first comment line
    std::array<TMiesiacKlimatu, kLiczbaMiesiecy> Miesiace{}; // index 0 = January
    friend bool operator==(const TKlimat&, const TKlimat&) = default;
};

// Parses a climate text: UTF-8, lines starting with "#" are comments (the first one names the
// station), then one header line and twelve lines "month;temp;humidity" (further columns ignored),
// decimal comma or point. Blank lines are skipped. A missing or repeated month, a value that is no
// number, a temperature outside -50..+50 or a humidity outside 1..100 is refused with a Polish
// message naming `zrodlo` and the line.
TWynik<TKlimat> CzytajKlimat(std::string_view tekst, std::string_view zrodlo);

} // namespace murolab
