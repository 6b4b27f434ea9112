#pragma once
// Group files: a plain run of 104-byte material records, kept in catalogue order. Reading,
// appending one record, finding where a new material belongs, and rebuilding a group with one
// material more through the atomic writer. The program passes bare names (the working directory);
// every function takes the path so that tests can work in a directory of their own.

#include "catalogue/Material.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

namespace murolab {

// An input-output failure on a group file. what() is the message shown in the standard error box,
// worded like the runtime's own: "File not found", "File access denied", "Disk full",
// "Read beyond end of file", "I/O error <n>".
class BladWeWy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest group file read: some 100 000 materials, far beyond any real catalogue.
inline constexpr std::uint64_t kNajwiekszyPlikGrupy = std::uint64_t{10} << 20;

// A group file read for its records, one by one. The whole file is read when it is opened, and
// refused there (BladWeWy) when it is not a regular file, is larger than kNajwiekszyPlikGrupy or
// is not a whole number of records: a damaged group delivers nothing.
class TCzytnikGrupy {
public:
    explicit TCzytnikGrupy(const std::filesystem::path& plik);

    bool Koniec() const { return pozycja_ >= bajty_.size(); }
    TMaterial Czytaj();

private:
    std::vector<std::uint8_t> bajty_;
    std::size_t pozycja_ = 0;
};

// Hands every record to the receiver in file order. On a failure the records read so far have been
// handed over already and the exception follows.
void CzytajGrupe(const std::filesystem::path& plik, const std::function<void(const TMaterial&)>& odbiorca);
std::vector<TMaterial> WczytajMaterialy(const std::filesystem::path& plik);

// Appends one record at the end of an existing file; with utworz the file is first created empty,
// replacing whatever had that name. The file is closed again, so the record is on disk on return.
void DopiszMaterial(const std::filesystem::path& plik, const TMaterial& material, bool utworz);

// Where a new material goes: either the group already holds the name (in catalogue order, so
// without regard to the case of a-z) or its 0-based position among the records.
struct TPozycjaWGrupie {
    bool Istnieje = false;
    std::size_t Pozycja = 0;
};
// Relies on the file being in catalogue order: stops at the first record that sorts after the name.
TPozycjaWGrupie SzukajPozycji(const std::filesystem::path& plikGrupy, const TMaterial& nowy);

// Puts the new material at position p of the group and writes the group anew through the atomic
// writer (files/ZapisAtomowy.h): at every moment either the old or the new group file exists whole,
// a replaced group keeps its permissions, a write-protected one is refused, a link is written
// through, and no scratch file of a fixed name is used or left behind.
// The whole rebuild (reading, merging, renaming) holds an advisory lock on the group's folder, so
// that two programs adding materials at once both end with a group holding every material. p comes
// from SzukajPozycji before the lock; when the group changed meanwhile so that p no longer encloses
// the new name, the position is searched again, and a name that another save has just added is
// refused with "Podany materiał już istnieje w bazie!". On a failure (BladWeWy) the group file is
// as it was.
void PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p);

} // namespace murolab
