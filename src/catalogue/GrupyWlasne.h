#pragma once
// The shipped catalogue and the user's own materials. The shipped group files lie in the program's
// data directory and are never written; the first own material of a group copies that group into
// the user's data directory, and from then on the group is read and extended there.

#include "catalogue/Material.h"
#include "core/Bledy.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace murolab {

struct TMiejscaGrup {
    std::filesystem::path Katalog; // the shipped catalogue, only read
    std::filesystem::path Wlasne;  // the user's data directory, created when first needed
};

// The group file to read: the user's copy when there is one, else the shipped group.
std::filesystem::path PlikGrupyDoOdczytu(const TMiejscaGrup& miejsca, std::string_view plik);

// Inserts `nowy` at position p (SzukajPozycji) of the user's copy of the group and returns the
// copy's path. When there is no copy yet, the directory is made and the shipped group is copied
// there first, under a scratch name renamed into place, so that a copy cut short never hides the
// shipped group; when the insertion then fails, that fresh copy is removed again. On a
// failure the message, naming the file (a missing shipped group: "Nie znaleziono pliku „…”.").
TWynik<std::filesystem::path> DodajWlasnyMaterial(const TMiejscaGrup& miejsca, std::string_view plik,
                                                  const TMaterial& nowy, std::size_t p);

} // namespace murolab
