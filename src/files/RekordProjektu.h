#pragma once
// The project file: one 1296-byte record, the memory image of the model's stored part
// (15 layer records, the working conditions with the corrections, the layer count).

#include "core/Model.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace murolab {

inline constexpr std::size_t kRozmiarRekordu = 1296;
using TRekordProjektu = std::array<std::uint8_t, kRozmiarRekordu>;
// The longest project file read: the record and at most 1 MiB of extension block after it.
inline constexpr std::size_t kNajwiekszyPlikProjektu = kRozmiarRekordu + (std::size_t{1} << 20);

// What a project file holds, decoded: all 15 layer slots, the working conditions and the count.
struct TZawartoscProjektu {
    TTablica<TWarstwa, 1, kLiczbaSlotow> Warstwy;
    TWarunkiPracy WarunkiPracy;
    std::int32_t LiczbaWarstw = 0;
};

// Encodes the stored part of the model; padding and unused text bytes are zeros.
TRekordProjektu KodujRekord(const TModelProjektu& model);

// Decodes a file's bytes (bytes after the first 1296 are ignored). Refuses, with a Polish message
// and without touching anything, a file shorter than 1296 bytes, a count outside 0..15 and any
// number that is not finite. The result holds either the content or the message.
std::variant<TZawartoscProjektu, std::string> DekodujRekord(std::span<const std::uint8_t> bajty);

// Reads a project file whole. Failure to read gives a message (std::string alternative): a file that
// is not a regular file, one longer than kNajwiekszyPlikProjektu, and a record of nothing but zero
// bytes are refused before decoding.
std::variant<TZawartoscProjektu, std::string> CzytajPlikProjektu(const std::string& sciezka);

// Writes the record through the atomic writer (files/ZapisAtomowy.h): on failure the old file stays
// as it was; a target that is not a regular file or that the user may not write is refused; a
// replaced file keeps its permissions; a link is written through. Returns the error message on
// failure, an empty string on success.
std::string ZapiszPlikProjektu(const std::string& sciezka, const TRekordProjektu& rekord);

} // namespace murolab
