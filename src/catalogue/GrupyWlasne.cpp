#include "catalogue/GrupyWlasne.h"

#include "catalogue/PlikGrupy.h"

#include <cerrno>
#include <string>
#include <system_error>

namespace murolab {

namespace fs = std::filesystem;

namespace {

// Worded as the group files' other failures are.
[[noreturn]] void Zglos(const std::error_code& blad) {
    switch (blad.value()) {
    case ENOENT:
        throw BladWeWy("File not found");
    case ENOTDIR:
        throw BladWeWy("Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        throw BladWeWy("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        throw BladWeWy("Disk full");
    default:
        throw BladWeWy("I/O error " + std::to_string(blad.value()));
    }
}

void SkopiujGrupe(const fs::path& zrodlo, const fs::path& cel) {
    std::error_code blad;
    if (!fs::is_regular_file(zrodlo, blad))
        Zglos(blad ? blad : std::make_error_code(std::errc::no_such_file_or_directory));
    fs::create_directories(cel.parent_path(), blad);
    if (blad)
        Zglos(blad);
    fs::path roboczy = cel;
    roboczy += ".kopia";
    fs::copy_file(zrodlo, roboczy, fs::copy_options::overwrite_existing, blad);
    if (!blad) // an installed file may be read-only; the user's copy is the user's to extend
        fs::permissions(roboczy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, blad);
    if (!blad)
        fs::rename(roboczy, cel, blad);
    if (blad) {
        std::error_code pominiety;
        fs::remove(roboczy, pominiety);
        Zglos(blad);
    }
}

} // namespace

fs::path PlikGrupyDoOdczytu(const TMiejscaGrup& miejsca, std::string_view plik) {
    const fs::path wlasny = miejsca.Wlasne / plik;
    std::error_code blad;
    if (!miejsca.Wlasne.empty() && fs::exists(wlasny, blad))
        return wlasny;
    return miejsca.Katalog / plik;
}

fs::path DodajWlasnyMaterial(const TMiejscaGrup& miejsca, std::string_view plik, const TMaterial& nowy,
                             std::size_t p) {
    if (miejsca.Wlasne.empty())
        throw BladWeWy("Path not found");
    const fs::path wlasny = miejsca.Wlasne / plik;
    std::error_code blad;
    const bool nowaKopia = !fs::exists(wlasny, blad);
    if (nowaKopia)
        SkopiujGrupe(miejsca.Katalog / plik, wlasny);
    try {
        PrzebudujGrupe(wlasny, nowy, p);
    } catch (...) {
        if (nowaKopia)
            fs::remove(wlasny, blad);
        throw;
    }
    return wlasny;
}

} // namespace murolab
