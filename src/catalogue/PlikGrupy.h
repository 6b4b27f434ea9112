#pragma once
// Group files: a plain run of 104-byte material records, kept in catalogue order. Reading, finding
// where a new material belongs, and rebuilding a group with one material more through the atomic
// writer. Every function takes the path, so that tests can work in a directory of their own.
//
// Failures are values with a Polish message that names the file (core/Bledy.h), as in files/.

#include "catalogue/Material.h"
#include "core/Bledy.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace murolab {

// The largest group file read: some 100 000 materials, far beyond any real catalogue.
inline constexpr std::uint64_t kNajwiekszyPlikGrupy = std::uint64_t{10} << 20;

// Every record of a group file in file order. The whole file is read and checked first, and refused
// when it is missing ("Nie znaleziono pliku „…”."), not a regular file, larger than
// kNajwiekszyPlikGrupy, not a whole number of records, or holds a record with a number that is not
// finite or is negative (the message names the record's number): a damaged group delivers nothing,
// and no rebuild writes such a record on.
TWynik<std::vector<TMaterial>> WczytajMaterialy(const std::filesystem::path& plik);

// Hands every record to the receiver in file order, after the whole group was read as above.
TBlad CzytajGrupe(const std::filesystem::path& plik, const std::function<void(const TMaterial&)>& odbiorca);

// Where a new material goes: either the group already holds the name (in catalogue order, so
// without regard to the case of a-z) or its 0-based position among the records.
struct TPozycjaWGrupie {
    bool Istnieje = false;
    std::size_t Pozycja = 0;
};
// Relies on the file being in catalogue order: stops at the first record that sorts after the name.
TWynik<TPozycjaWGrupie> SzukajPozycji(const std::filesystem::path& plikGrupy, const TMaterial& nowy);

// Puts the new material at position p of the group and writes the group anew through the atomic
// writer (files/ZapisAtomowy.h): at every moment either the old or the new group file exists whole,
// a replaced group keeps its permissions, a write-protected one is refused, a link is written
// through, and no scratch file of a fixed name is used or left behind.
// The whole rebuild (reading, merging, renaming) holds an advisory lock on the group's folder, so
// that two programs adding materials at once both end with a group holding every material. p comes
// from SzukajPozycji before the lock; when the group changed meanwhile so that p no longer encloses
// the new name, the position is searched again, and a name that another save has just added is
// refused with "Podany materiał już istnieje w bazie!". On a failure the group file is as it was.
TBlad PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p);

} // namespace murolab
