#pragma once
// Appending one record to a group file in place, without the atomic writer: only for the catalogue
// generator, which builds each group in a scratch file of its own and renames it when complete (and
// for the tests' fixtures). The program never writes a group this way.

#include "catalogue/Material.h"
#include "core/Bledy.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

namespace murolab {

// Appends one record at the end of an existing file; with `utworz` the file is first created empty,
// replacing whatever had that name. The file is closed again, so the record is on disk on return.
// Nothing on success, else the Polish message naming the file.
inline TBlad DopiszMaterial(const std::filesystem::path& plik, const TMaterial& material, bool utworz) {
    const std::string nazwa = "„" + plik.string() + "”";
    auto blad = [&](int kod) -> TBlad {
        if (kod == ENOENT)
            return "Nie znaleziono pliku " + nazwa + ".";
        return "Nie można dopisać materiału do pliku " + nazwa + ": " + OpisBleduSystemu(kod) + ".";
    };
    errno = 0;
    // "r+b" refuses a missing file, as appending to a file that is not there must.
    std::FILE* f = std::fopen(plik.c_str(), utworz ? "wb" : "r+b");
    if (f == nullptr)
        return blad(errno != 0 ? errno : EIO);
    const TRekordMaterialu rekord = KodujMaterial(material);
    bool dobrze = std::fseek(f, 0, SEEK_END) == 0 &&
                  std::fwrite(rekord.data(), 1, rekord.size(), f) == rekord.size() && std::fflush(f) == 0;
    int kod = dobrze ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(f) != 0 && dobrze) {
        dobrze = false;
        kod = errno != 0 ? errno : EIO;
    }
    return dobrze ? TBlad{} : blad(kod);
}

} // namespace murolab
