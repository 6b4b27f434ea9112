#pragma once
// The eight material groups of the catalogue. The caption is what the dialog's group list shows;
// the file name is the only name under which a group is ever opened, written or replaced; the
// marker (caption + ".ath") is how the dialog remembers the current group and is never a file name.

#include <array>
#include <string>
#include <string_view>

namespace murolab {

struct TGrupaMaterialow {
    std::string_view Nazwa;    // caption, UTF-8
    std::string_view Plik;     // file name in the working directory
    std::string_view Znacznik; // marker, UTF-8
};

inline constexpr std::array<TGrupaMaterialow, 8> kGrupyMaterialow{{
    {"Betony", "Betony.ath", "Betony.ath"},
    {"Ceramika", "Ceramika.ath", "Ceramika.ath"},
    {"Drewno i mat. drewnopochodne", "Drewno.ath", "Drewno i mat. drewnopochodne.ath"},
    {"Kamienie naturalne", "Kamienie.ath", "Kamienie naturalne.ath"},
    {"Materiały termoizolacyjne", "MTermo.ath", "Materiały termoizolacyjne.ath"},
    {"Materiały różne", "MRozne.ath", "Materiały różne.ath"},
    {"Stropy", "Stropy.ath", "Stropy.ath"},
    {"Tynki", "Tynki.ath", "Tynki.ath"},
}};

// The catalogue's entry that stands for an air layer: picking it opens the air-layer dialog
// instead of sending its values (an air space has no lambda of its own; its resistance follows
// from its thickness, ventilation, faces and the direction of the heat flow).
inline constexpr std::string_view kNazwaWarstwyPowietrza = "Warstwa powietrza";

// nullptr when no group has that caption / marker.
const TGrupaMaterialow* GrupaPoNazwie(std::string_view nazwa);
const TGrupaMaterialow* GrupaPoZnaczniku(std::string_view znacznik);

// Marker -> file name. An unknown marker throws std::invalid_argument: it would otherwise become
// a file name, which no marker may ever be.
std::string PlikGrupy(std::string_view znacznik);

} // namespace murolab
