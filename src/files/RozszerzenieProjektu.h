#pragma once
// The project file's extension block: what a project holds beyond the 1296-byte record (the
// description, the yearly-check choices, the layers' density and specific heat). It follows the
// record as the line "MUROLAB-ROZSZERZENIE 1" and one UTF-8 JSON object:
//   "Opis":     {"Obiekt", "Adres", "Inwestor", "Projektant", "Data" ("dd.MM.yyyy")}
//   "ISO13788": {"Klimat", "Wnetrze", "WierszWT",
//                "KlimatWlasny": {"Stacja", "Miesiace": [{"Temp", "Wilgot"} x 12]} for an own climate}
//   "Warstwy":  [{"Gestosc": number|null, "Cieplo": number|null, ...}, ...] one per layer in use
//               (the numbers are the keys of files/PolaRekordu.h, kPolaWarstwyRozszerzenia), a
//               bridged layer adding "Mostki": [{"Nazwa", "Lambda", "Mi", "Gestosc", "Cieplo",
//               "Udzial"}] and optionally "WOsi": k, an air layer "Powietrze": {"Wentylacja":
//               "brak"|"slaba"|"dobra", "Av": mm2, "Emisyjnosc": [e1, e2], "Kierunek":
//               "poziomy"|"w_gore"|"w_dol"}
//   "Lacznik2017": {"Warstwa": k, "d1": m}  the 2017 fastener form (d1 only for a recessed one)
// A project with none of these is saved without a block, as the bare record.

#include "core/Bledy.h"
#include "core/Json.h"
#include "core/Model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace murolab {

inline constexpr std::string_view kNaglowekRozszerzenia = "MUROLAB-ROZSZERZENIE 1\n";

struct TRozszerzenie {
    std::optional<TDaneProjektu> DaneProjektu; // present when the block has "Opis"
    TUstawieniaIso13788 Iso13788;              // the defaults when the block has no "ISO13788"
    // Per layer slot (index k - 1): what "Warstwy" holds for the layers in use, in the layer's members
    // of files/PolaRekordu.h, kPolaWarstwyRozszerzenia, and its bridging materials, "WOsi" and air
    // layer (the rest of each TWarstwa stays empty).
    std::array<TWarstwa, kLiczbaSlotow> Warstwy{};
    std::optional<TLacznik2017> Lacznik2017;
    TWartoscJson Nieznane = TWartoscJson::Obiekt(); // see TModelProjektu::RozszerzenieNieznane
    TWartoscJson Calosc;                            // the block's object as read
};

// The block's object for the model, or nothing when there is nothing to store.
std::optional<TWartoscJson> RozszerzenieModelu(const TModelProjektu& model);

// The bytes that follow the record in a file for the model: empty, or the header line, the
// object and a line end.
std::string BlokRozszerzenia(const TModelProjektu& model);

// Reads the bytes after the record. Bytes that do not start with the header line are not a block
// (files from elsewhere may carry anything there): no result. A block that is not valid JSON, not
// an object, or has a known key of the wrong type or an impossible value is refused with a Polish
// message. `liczbaWarstw` is the record's layer count: "Warstwy" entries behind it are ignored.
TWynik<std::optional<TRozszerzenie>> DekodujRozszerzenie(std::span<const std::uint8_t> poRekordzie,
                                                         int liczbaWarstw);

// "dd.MM.yyyy" naming a real day.
bool PoprawnaData(std::string_view tekst);

} // namespace murolab
