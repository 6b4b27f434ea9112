#pragma once
// Group files: a plain run of 104-byte material records, kept in catalogue order. Reading,
// appending one record, finding where a new material belongs, and rebuilding a group with one
// material more through the scratch file. The program passes bare names (the working directory);
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

// A group file open for reading, record by record. The end is reached when the read position is
// at or past the size; a trailing fragment shorter than a record fails with
// "Read beyond end of file" after the whole records before it.
class TCzytnikGrupy {
public:
    explicit TCzytnikGrupy(const std::filesystem::path& plik);
    ~TCzytnikGrupy();
    TCzytnikGrupy(const TCzytnikGrupy&) = delete;
    TCzytnikGrupy& operator=(const TCzytnikGrupy&) = delete;

    bool Koniec() const { return pozycja_ >= rozmiar_; }
    TMaterial Czytaj();

private:
    std::FILE* plik_ = nullptr;
    std::uintmax_t rozmiar_ = 0;
    std::uintmax_t pozycja_ = 0;
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

// Writes the group's records with the new one at position p into the scratch file, one record at a
// time, then renames the scratch file over the group file in one step: at every moment either the
// old or the new group file exists whole. On a failure (BladWeWy) the group file is as it was; a
// partial scratch file may stay behind and is overwritten by the next rebuild.
using TZapisMaterialu = std::function<void(const std::filesystem::path&, const TMaterial&, bool utworz)>;
void PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p);
void PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p,
                    const std::filesystem::path& plikTymczasowy,
                    const TZapisMaterialu& zapis = DopiszMaterial);

} // namespace murolab
