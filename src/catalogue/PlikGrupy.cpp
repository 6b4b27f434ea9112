#include "catalogue/PlikGrupy.h"

#include "catalogue/Grupy.h"

#include <cerrno>
#include <string>
#include <system_error>

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
    errno = 0;
    plik_ = std::fopen(plik.c_str(), "rb");
    if (plik_ == nullptr)
        ZglosBlad(KodBledu());
    // A directory opens for reading on POSIX; its size is where it is refused.
    std::error_code blad;
    rozmiar_ = std::filesystem::file_size(plik, blad);
    if (blad) {
        std::fclose(plik_);
        ZglosBlad(blad.value());
    }
}

TCzytnikGrupy::~TCzytnikGrupy() {
    if (plik_ != nullptr)
        std::fclose(plik_);
}

TMaterial TCzytnikGrupy::Czytaj() {
    TRekordMaterialu rekord{};
    errno = 0;
    std::size_t przeczytane = std::fread(rekord.data(), 1, rekord.size(), plik_);
    if (przeczytane != rekord.size()) {
        if (std::ferror(plik_))
            ZglosBlad(KodBledu());
        pozycja_ = rozmiar_;
        throw BladWeWy("Read beyond end of file");
    }
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

void PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p) {
    PrzebudujGrupe(plikGrupy, nowy, p, plikGrupy.parent_path() / kPlikTymczasowy);
}

void PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p,
                    const std::filesystem::path& plikTymczasowy, const TZapisMaterialu& zapis) {
    bool pierwszy = true;
    auto dopisz = [&](const TMaterial& material) {
        zapis(plikTymczasowy, material, pierwszy);
        pierwszy = false;
    };

    bool nowyZapisany = false;
    if (p == 0) {
        dopisz(nowy);
        nowyZapisany = true;
    }
    {
        TCzytnikGrupy czytnik(plikGrupy);
        for (std::size_t i = 0; !czytnik.Koniec(); ++i) {
            TMaterial material = czytnik.Czytaj();
            if (!nowyZapisany && i == p) {
                dopisz(nowy);
                nowyZapisany = true;
            }
            dopisz(material);
        }
    }
    // A group that shrank since the search still gets the new material, at its end.
    if (!nowyZapisany)
        dopisz(nowy);

    // One rename replaces the old file; deleting it first would leave no group at all if the
    // rename then failed.
    std::error_code blad;
    std::filesystem::rename(plikTymczasowy, plikGrupy, blad);
    if (blad)
        ZglosBlad(blad.value());
}

} // namespace murolab
