#include "catalogue/GrupyWlasne.h"

#include "catalogue/PlikGrupy.h"
#include "files/ZapisAtomowy.h"

#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <unistd.h>
#include <vector>

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

std::vector<std::uint8_t> CzytajGrupe(const fs::path& plik) {
    std::error_code blad;
    if (!fs::exists(plik, blad))
        Zglos(blad ? blad : std::make_error_code(std::errc::no_such_file_or_directory));
    auto bajty = CzytajPlikRegularny(plik.string(), kNajwiekszyPlikGrupy);
    if (auto* blad = std::get_if<std::string>(&bajty))
        throw BladWeWy(*blad);
    return std::get<std::vector<std::uint8_t>>(std::move(bajty));
}

// Makes the user's copy of a shipped group unless one exists: the copy is written whole under a
// unique name and then linked into place, which fails when another instance got there first (then
// that copy is used). Returns the copied bytes when this call made the copy.
std::optional<std::vector<std::uint8_t>> SkopiujGrupe(const fs::path& zrodlo, const fs::path& cel) {
    const std::vector<std::uint8_t> bajty = CzytajGrupe(zrodlo);
    std::error_code blad;
    fs::create_directories(cel.parent_path(), blad);
    if (blad)
        Zglos(blad);
    std::random_device los;
    int fd = -1;
    fs::path roboczy;
    for (int proba = 0; proba < 20 && fd < 0; ++proba) {
        char nazwa[16];
        std::snprintf(nazwa, sizeof nazwa, ".mlk%08x", static_cast<unsigned>(los()));
        roboczy = cel.parent_path() / nazwa;
        fd = ::open(roboczy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            Zglos(std::error_code(errno, std::generic_category()));
    }
    if (fd < 0)
        Zglos(std::make_error_code(std::errc::file_exists));
    std::size_t zapisane = 0;
    int kod = 0;
    while (kod == 0 && zapisane < bajty.size()) {
        const ssize_t w = ::write(fd, bajty.data() + zapisane, bajty.size() - zapisane);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            kod = w < 0 ? errno : ENOSPC;
        else
            zapisane += static_cast<std::size_t>(w);
    }
    if (kod == 0 && ::fsync(fd) != 0)
        kod = errno;
    if (::close(fd) != 0 && kod == 0)
        kod = errno;
    const bool polaczono = kod == 0 && ::link(roboczy.c_str(), cel.c_str()) == 0;
    if (kod == 0 && !polaczono && errno != EEXIST)
        kod = errno;
    ::unlink(roboczy.c_str());
    if (kod != 0)
        Zglos(std::error_code(kod, std::generic_category()));
    if (!polaczono)
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
