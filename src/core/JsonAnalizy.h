#pragma once
// The JSON of the moisture check and the summer figures: one shape for the top-level keys of the
// command line's output and for each section of a partition with bridged or air layers.

#include "core/Iso13788.h"
#include "core/Json.h"
#include "core/Lato.h"

#include <optional>

namespace murolab {

// {"Plaszczyzny", "Strumien", "CisNasy", "CisCzast"} of the design condition.
TWartoscJson JsonKondensacji(const TStanDyfuzji& stan);
// The year with its twelve months; null without a climate.
TWartoscJson JsonRoku(const TAnalizaIso13788& analiza);
TWartoscJson JsonFRsi(const TFRsi& frsi);
TWartoscJson JsonWT(const TOcenaWT& wt);
// The seven summer figures; null when they are not known.
TWartoscJson JsonLata(const std::optional<TLato>& lato);

// Objects built here have each key once, so a member is appended without Ustaw's search.
inline void Pole(TWartoscJson& o, std::string_view klucz, TWartoscJson wartosc) {
    o.Pola().emplace_back(std::string(klucz), std::move(wartosc));
}
inline TWartoscJson Obiekt(std::size_t pola) {
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Pola().reserve(pola);
    return o;
}

} // namespace murolab
