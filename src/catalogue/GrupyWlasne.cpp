#include "catalogue/GrupyWlasne.h"

#include "catalogue/PlikGrupy.h"
#include "files/ZapisAtomowy.h"

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

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

std::vector<std::uint8_t> CzytajGrupe(const fs::path& plik) {
    std::error_code blad;
    if (!fs::exists(plik, blad))
        Zglos(blad ? blad : std::make_error_code(std::errc::no_such_file_or_directory));
    auto bajty = CzytajPlikRegularny(plik.string(), kNajwiekszyPlikGrupy);
    if (const std::string* blad = Niepowodzenie(bajty))
        throw BladWeWy(*blad);
    return std::get<std::vector<std::uint8_t>>(std::move(bajty));
}

// Makes the user's copy of a shipped group unless one exists (another instance may have made it
// meanwhile: then that copy is used). Returns the copied bytes when this call made the copy.
std::optional<std::vector<std::uint8_t>> SkopiujGrupe(const fs::path& zrodlo, const fs::path& cel) {
    const std::vector<std::uint8_t> bajty = CzytajGrupe(zrodlo);
    std::error_code blad;
    fs::create_directories(cel.parent_path(), blad);
    if (blad)
        Zglos(blad);
    bool juzByla = false;
    if (const TBlad komunikat = ZapiszAtomowo(cel.string(), bajty, &juzByla))
        throw BladWeWy(*komunikat);
    if (juzByla)
        return std::nullopt;
    return bajty;
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
    std::optional<std::vector<std::uint8_t>> kopia;
    if (!fs::exists(wlasny, blad))
        kopia = SkopiujGrupe(miejsca.Katalog / plik, wlasny);
    try {
        PrzebudujGrupe(wlasny, nowy, p);
    } catch (...) {
        // A copy made for nothing would hide later updates of the shipped group; it goes, unless
        // another instance has added a material to it meanwhile.
        if (kopia) {
            try {
                if (CzytajGrupe(wlasny) == *kopia)
                    fs::remove(wlasny, blad);
            } catch (const BladWeWy&) {
            }
        }
        throw;
    }
    return wlasny;
}

} // namespace murolab
