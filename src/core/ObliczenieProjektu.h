#pragma once
// The way from a loaded project to its results that the command line and the summary of projects
// share, so that a project computes alike wherever it is computed: the checks of the calculate
// command on the stored numbers, the calculation pass, and the three choices of the moisture check
// (climate, indoor air, WT 2021 row), where options given by the user beat the stored ones.

#include "core/Bledy.h"
#include "core/Kondensacja.h"
#include "core/Model.h"
#include "core/WT2021.h"

#include <string>
#include <vector>

namespace murolab {

// What the user chose instead of the project's stored choices; an empty text keeps the stored one.
struct TNadpisaniaIso13788 {
    std::string Klimat;   // a climate's name or a path
    std::string Wnetrze;  // "stale", "klasa1".."klasa4"
    std::string WierszWT; // a row id of WT2021.h
};

// Refuses values that can never be right, before any file is read: the message, or nothing.
TBlad BladNadpisanIso13788(const TNadpisaniaIso13788& nadpisania);

struct TWyborIso13788 {
    std::string Klimat; // empty = no climate
    TWnetrze Wnetrze;
    const TWierszWT* Wiersz = nullptr; // never null
};

// The choices for `model`: an unknown stored indoor mode falls back to "stale" and an unknown stored
// row to the partition type's, each with a warning line ("Ostrzeżenie: ...") appended to `ostrzezenia`.
TWyborIso13788 WyborIso13788(const TNadpisaniaIso13788& nadpisania, const TModelProjektu& model,
                             std::vector<std::string>& ostrzezenia);

// The checks of the calculate command on the model's stored numbers (layers, their limits, the
// working conditions), then the calculation pass and the test that every result is finite.
// Nothing when the model holds its results; otherwise the message of the failed check (the
// command line's exit status 1). A missing thermal-bridge correction is a warning line only.
TBlad SprawdzIOblicz(TModelProjektu& model, std::vector<std::string>& ostrzezenia);

} // namespace murolab
