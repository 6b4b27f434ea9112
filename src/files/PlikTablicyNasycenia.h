#pragma once
// The saturation-pressure table file "ula.dat": read as a regular file of exactly 55 doubles and
// accepted only when its values can be such a table (core/Obliczenia.h, DekodujTabliceNasycenia).

#include "core/Bledy.h"
#include "core/Model.h"

#include <optional>
#include <string>

namespace murolab {

// Reads the table from `plik`. On any failure (missing, not a regular file, wrong size, a value
// that is not finite, not positive or not increasing) returns the Polish message naming the file,
// and the table stays as it was.
TBlad WczytajTabliceNasycenia(const std::string& plik, TTablicaNasycenia& tablica);

} // namespace murolab
