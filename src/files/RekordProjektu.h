#pragma once
// The project file: one 1296-byte record, the memory image of the model's stored part
// (15 layer records, the working conditions with the corrections, the layer count), and when the
// project holds more (its description, the yearly-check choices, the layers' density and specific
// heat) the extension block after it (files/RozszerzenieProjektu.h).

#include "core/Bledy.h"
#include "core/Json.h"
#include "core/Model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace murolab {

inline constexpr std::size_t kRozmiarRekordu = 1296;
using TRekordProjektu = std::array<std::uint8_t, kRozmiarRekordu>;
// The longest project file read: the record and at most 1 MiB of extension block after it.
inline constexpr std::size_t kNajwiekszyPlikProjektu = kRozmiarRekordu + (std::size_t{1} << 20);

// What a project file holds, decoded: all 15 layer slots (with the density and specific heat of
// the layers in use), the working conditions, the count, and what the extension block adds.
struct TZawartoscProjektu {
    TTablica<TWarstwa, 1, kLiczbaSlotow> Warstwy;
    TWarunkiPracy WarunkiPracy;
    std::int32_t LiczbaWarstw = 0;
    std::optional<TDaneProjektu> DaneProjektu; // only when the file carries a description
    TUstawieniaIso13788 Iso13788;
    TWartoscJson RozszerzenieNieznane = TWartoscJson::Obiekt();
    std::optional<TWartoscJson> Rozszerzenie; // the extension block as read, when there is one
};

// Encodes the stored part of the model; padding and unused text bytes are zeros.
TRekordProjektu KodujRekord(const TModelProjektu& model);

// The whole file for the model: the record, and the extension block when there is something to
// put in it (a project with nothing more is exactly the 1296-byte record).
std::vector<std::uint8_t> KodujProjekt(const TModelProjektu& model);

// Decodes a file's bytes: the record, then the extension block if the bytes after the record
// start with its header line (any other bytes there are ignored). Refuses, with a Polish message
// naming the field and its value, and without touching anything: a file shorter than 1296 bytes,
// a count outside 0..15, a number that is not finite, a working condition or correction that is
// neither its "not set" value nor within the limits the window enforces, a layer in use with a
// negative value or a control character in its name, and a damaged extension block.
TWynik<TZawartoscProjektu> DekodujRekord(std::span<const std::uint8_t> bajty);

// Puts a decoded file into the model as a whole: layers, conditions, count, the description (empty
// when the file has none), the yearly-check choices and the unknown part of the block.
void PrzeniesDoModelu(const TZawartoscProjektu& zawartosc, TModelProjektu& model);

// The longest extension block a project file is read with.
inline constexpr std::size_t kMaksRozmiarRozszerzenia = kNajwiekszyPlikProjektu - kRozmiarRekordu;

// Reads a project file whole, or gives the message (naming the file) why not: a file that is not a
// regular file, one longer than kNajwiekszyPlikProjektu, and a record of nothing but zero bytes are
// refused before decoding.
TWynik<TZawartoscProjektu> WczytajPlikProjektu(const std::string& sciezka);

// Writes the file's bytes (KodujProjekt) through the atomic writer (files/ZapisAtomowy.h): on failure
// the old file stays as it was; a target that is not a regular file or that the user may not write is
// refused; a replaced file keeps its permissions; a link is written through. Nothing on success, else
// the message.
TBlad ZapiszBajtyProjektu(const std::string& sciezka, std::span<const std::uint8_t> bajty);

} // namespace murolab
