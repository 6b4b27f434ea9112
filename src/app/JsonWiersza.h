#pragma once
// The command line's JSON: one TWartoscJson tree per project, written by the one writer
// (core/Json.h, DopiszJson). Keys in a fixed order, numbers read back as the very doubles computed.

#include "core/Arkusz.h"
#include "core/Iso13788.h"
#include "core/Json.h"
#include "core/Lato.h"
#include "core/Model.h"

#include <optional>
#include <string>

namespace murolab {

// The results sheet of a calculated model: the inputs, every result and, under "Arkusz", the sheet's
// texts (moved from `arkusz`, which is no longer needed then); "Rozszerzenie" (the project file's
// extension block, moved in as well) when `rozszerzenie` is given.
TWartoscJson JsonArkusza(const TModelProjektu& model, TArkuszWynikow arkusz,
                         std::optional<TWartoscJson> rozszerzenie = std::nullopt);

// Appends to the object `obiekt` "Plik", then the moisture check and the summer figures:
// "Kondensacja", "Roczny", "fRsi", "WT2021", "Letnie" (null when `lato` is empty).
void DopiszJsonWilgotnosci(TWartoscJson& obiekt, const std::string& plik, const TAnalizaIso13788& analiza,
                           const std::optional<TLato>& lato);

// The object printed instead of the results for a file that fails with --json: {"Plik","Blad","Kod"}.
TWartoscJson JsonBledu(const std::string& plik, const std::string& blad, int kod);

} // namespace murolab
