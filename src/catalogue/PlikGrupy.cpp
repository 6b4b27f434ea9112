#include "catalogue/PlikGrupy.h"

#include "catalogue/Grupy.h"

#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace murolab {

namespace {

std::string KomunikatBledu(int kod) {
    switch (kod) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
        return "Path not found";
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return "File access denied";
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(kod);
    }
}

[[noreturn]] void ZglosBlad(int kod) {
    throw BladWeWy(KomunikatBledu(kod));
}

// errno after a failed stdio call; 0 would hide the failure, so it becomes a generic error.
int KodBledu() {
    return errno != 0 ? errno : EIO;
}

} // namespace

TCzytnikGrupy::TCzytnikGrupy(const std::filesystem::path& plik) {
    // A missing file or folder keeps the runtime's own words; a directory is refused as a file
    // the user may not read, as it always was.
    struct stat stan {};
    if (::stat(plik.c_str(), &stan) != 0)
        ZglosBlad(KodBledu());
    if (S_ISDIR(stan.st_mode))
        ZglosBlad(EISDIR);
    // Only a regular file, opened without blocking, and never one larger than a catalogue group can
    // sensibly be: a FIFO or a device put in a group's place neither hangs the dialog nor is read.
    auto wynik = CzytajPlikRegularny(plik.string(), kNajwiekszyPlikGrupy);
    if (const std::string* blad = Niepowodzenie(wynik))
        throw BladWeWy(*blad);
    bajty_ = std::move(std::get<std::vector<std::uint8_t>>(wynik));
    // A fragment of a record means the file is damaged: nothing of it is used.
    if (bajty_.size() % kRozmiarRekorduMaterialu != 0)
        throw BladWeWy("Plik grupy „" + plik.string() + "” jest uszkodzony: ma " +
                       std::to_string(bajty_.size()) + " bajtów, a to nie jest wielokrotność " +
                       std::to_string(kRozmiarRekorduMaterialu) + " (rozmiaru rekordu materiału).");
}

TMaterial TCzytnikGrupy::Czytaj() {
    if (Koniec())
        throw BladWeWy("Read beyond end of file");
    TRekordMaterialu rekord{};
    std::copy_n(bajty_.begin() + static_cast<std::ptrdiff_t>(pozycja_), rekord.size(), rekord.begin());
    pozycja_ += rekord.size();
    return DekodujMaterial(rekord);
}

void CzytajGrupe(const std::filesystem::path& plik, const std::function<void(const TMaterial&)>& odbiorca) {
    TCzytnikGrupy czytnik(plik);
    while (!czytnik.Koniec())
        odbiorca(czytnik.Czytaj());
}

std::vector<TMaterial> WczytajMaterialy(const std::filesystem::path& plik) {
    std::vector<TMaterial> materialy;
    CzytajGrupe(plik, [&](const TMaterial& m) { materialy.push_back(m); });
    return materialy;
}

void DopiszMaterial(const std::filesystem::path& plik, const TMaterial& material, bool utworz) {
    errno = 0;
    // "r+b" refuses a missing file, as appending to a file that is not there must.
    std::FILE* f = std::fopen(plik.c_str(), utworz ? "wb" : "r+b");
    if (f == nullptr)
        ZglosBlad(KodBledu());
    TRekordMaterialu rekord = KodujMaterial(material);
    bool dobrze = std::fseek(f, 0, SEEK_END) == 0 &&
                  std::fwrite(rekord.data(), 1, rekord.size(), f) == rekord.size() && std::fflush(f) == 0;
    int kod = dobrze ? 0 : KodBledu();
    if (std::fclose(f) != 0 && dobrze) {
        dobrze = false;
        kod = KodBledu();
    }
    if (!dobrze)
        ZglosBlad(kod);
}

TPozycjaWGrupie SzukajPozycji(const std::filesystem::path& plikGrupy, const TMaterial& nowy) {
    TPozycjaWGrupie wynik;
    TCzytnikGrupy czytnik(plikGrupy);
    while (!czytnik.Koniec()) {
        TMaterial material = czytnik.Czytaj();
        int porownanie = PorownajNazwy(nowy.Material.Cp1250(), material.Material.Cp1250());
        if (porownanie == 0) {
            wynik.Istnieje = true;
            return wynik;
        }
        if (porownanie < 0)
            break;
        ++wynik.Pozycja;
    }
    return wynik;
}

namespace {

// An advisory lock on the folder that holds a group, for the time of one rebuild. The folder and
// not the group file: the rename replaces the group's inode, so a lock on the file would be lost
// with it, while the folder stays the same object; and unlike a lock file it leaves nothing behind.
class TBlokadaKatalogu {
public:
    explicit TBlokadaKatalogu(const std::filesystem::path& katalog) {
        fd_ = ::open(katalog.empty() ? "." : katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0)
            ZglosBlad(KodBledu());
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                const int kod = KodBledu();
                ::close(fd_);
                ZglosBlad(kod);
            }
        }
    }
    ~TBlokadaKatalogu() { ::close(fd_); } // closing releases the lock
    TBlokadaKatalogu(const TBlokadaKatalogu&) = delete;
    TBlokadaKatalogu& operator=(const TBlokadaKatalogu&) = delete;

private:
    int fd_ = -1;
};

// Where the search of SzukajPozycji puts `nowy` among these records; nullopt when it finds the name.
std::optional<std::size_t> MiejsceWedlugKolejnosci(const std::vector<TMaterial>& materialy,
                                                   const TMaterial& nowy) {
    std::size_t p = 0;
    for (const TMaterial& m : materialy) {
        const int porownanie = PorownajNazwy(nowy.Material.Cp1250(), m.Material.Cp1250());
        if (porownanie == 0)
            return std::nullopt;
        if (porownanie < 0)
            break;
        ++p;
    }
    return p;
}

} // namespace

void PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p) {
    // The group as a link is rebuilt where it points; its folder is the one to lock.
    std::error_code bladSciezki;
    std::filesystem::path cel = std::filesystem::canonical(plikGrupy, bladSciezki);
    if (bladSciezki)
        cel = plikGrupy;
    const TBlokadaKatalogu blokada(cel.parent_path());

    // Read under the lock: another save that finished meanwhile is part of what is rebuilt.
    std::vector<TMaterial> materialy = WczytajMaterialy(plikGrupy);
    // The position comes from a search made before the lock. It still holds when the records
    // around it enclose the new name; otherwise the group changed and the search is repeated.
    auto przed = [&](const TMaterial& a, const TMaterial& b) {
        return PorownajNazwy(a.Material.Cp1250(), b.Material.Cp1250()) < 0;
    };
    const bool aktualna = p <= materialy.size() && (p == 0 || przed(materialy[p - 1], nowy)) &&
                          (p == materialy.size() || przed(nowy, materialy[p]));
    if (!aktualna) {
        const auto miejsce = MiejsceWedlugKolejnosci(materialy, nowy);
        if (!miejsce)
            throw BladWeWy("Podany materiał już istnieje w bazie!");
        p = *miejsce;
    }
    materialy.insert(materialy.begin() + static_cast<std::ptrdiff_t>(p), nowy);

    std::vector<std::uint8_t> bajty;
    bajty.reserve(materialy.size() * kRozmiarRekorduMaterialu);
    for (const TMaterial& m : materialy) {
        const TRekordMaterialu rekord = KodujMaterial(m);
        bajty.insert(bajty.end(), rekord.begin(), rekord.end());
    }
    // One atomic replacement: at every moment the old or the new group exists whole.
    if (const TBlad blad = ZapiszAtomowo(plikGrupy.string(), bajty))
        throw BladWeWy(*blad);
}

} // namespace murolab
