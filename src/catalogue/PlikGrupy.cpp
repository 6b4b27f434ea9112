#include "catalogue/PlikGrupy.h"

#include "catalogue/Grupy.h"

#include "core/Liczby.h"
#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace murolab {

namespace {

std::string Nazwa(const std::filesystem::path& plik) {
    return "„" + plik.string() + "”";
}

// A missing group (or folder) in the words a user looks for; every other failure of the reader
// already names the file and its cause in Polish.
TBlad BrakPliku(const std::filesystem::path& plik) {
    struct stat stan {};
    if (::stat(plik.c_str(), &stan) == 0)
        return std::nullopt;
    if (errno == ENOENT || errno == ENOTDIR)
        return "Nie znaleziono pliku " + Nazwa(plik) + ".";
    return std::nullopt;
}

struct TLiczbaMaterialu {
    double TMaterial::*Pole;
    const char* Opis;
};
constexpr TLiczbaMaterialu kLiczbyMaterialu[] = {
    {&TMaterial::LambdaSW, "λ w warunkach średniowilgotnych"},
    {&TMaterial::LambdaW, "λ w warunkach wilgotnych"},
    {&TMaterial::Mi, "μ"},
    {&TMaterial::Gestosc, "gęstość"},
    {&TMaterial::Cieplo, "ciepło właściwe"},
};

// A number no material has: such a record would reach the grid and the calculation, and a rebuild
// of the group would write it on.
TBlad BladRekordu(const std::filesystem::path& plik, std::size_t numer, const TMaterial& m) {
    for (const TLiczbaMaterialu& l : kLiczbyMaterialu) {
        const double x = m.*(l.Pole);
        if (std::isfinite(x) && x >= 0)
            continue;
        return "Plik grupy " + Nazwa(plik) + " jest uszkodzony: rekord " + std::to_string(numer) + " („" +
               m.Material.Utf8() + "”) ma " + l.Opis + " = " + Ogolny(x) +
               "; dozwolona jest skończona liczba nieujemna.";
    }
    return std::nullopt;
}

} // namespace

TWynik<std::vector<TMaterial>> WczytajMaterialy(const std::filesystem::path& plik) {
    if (TBlad brak = BrakPliku(plik))
        return TBladWyniku{*brak};
    // Only a regular file, opened without blocking, and never one larger than a catalogue group can
    // sensibly be: a FIFO or a device put in a group's place neither hangs the dialog nor is read.
    auto wynik = CzytajPlikRegularny(plik.string(), kNajwiekszyPlikGrupy);
    if (const std::string* blad = Niepowodzenie(wynik))
        return TBladWyniku{*blad};
    const auto& bajty = std::get<std::vector<std::uint8_t>>(wynik);
    // A fragment of a record means the file is damaged: nothing of it is used.
    if (bajty.size() % kRozmiarRekorduMaterialu != 0)
        return TBladWyniku{"Plik grupy " + Nazwa(plik) + " jest uszkodzony: ma " +
                           std::to_string(bajty.size()) + " bajtów, a to nie jest wielokrotność " +
                           std::to_string(kRozmiarRekorduMaterialu) + " (rozmiaru rekordu materiału)."};
    std::vector<TMaterial> materialy;
    materialy.reserve(bajty.size() / kRozmiarRekorduMaterialu);
    for (std::size_t poczatek = 0; poczatek < bajty.size(); poczatek += kRozmiarRekorduMaterialu) {
        materialy.push_back(DekodujMaterial(std::span<const std::uint8_t, kRozmiarRekorduMaterialu>(
            bajty.data() + poczatek, kRozmiarRekorduMaterialu)));
        if (TBlad blad = BladRekordu(plik, materialy.size(), materialy.back()))
            return TBladWyniku{*blad};
    }
    return materialy;
}

TBlad CzytajGrupe(const std::filesystem::path& plik, const std::function<void(const TMaterial&)>& odbiorca) {
    auto materialy = WczytajMaterialy(plik);
    if (const std::string* blad = Niepowodzenie(materialy))
        return *blad;
    for (const TMaterial& m : std::get<std::vector<TMaterial>>(materialy))
        odbiorca(m);
    return std::nullopt;
}

TWynik<TPozycjaWGrupie> SzukajPozycji(const std::filesystem::path& plikGrupy, const TMaterial& nowy) {
    auto materialy = WczytajMaterialy(plikGrupy);
    if (const std::string* blad = Niepowodzenie(materialy))
        return TBladWyniku{*blad};
    TPozycjaWGrupie wynik;
    for (const TMaterial& material : std::get<std::vector<TMaterial>>(materialy)) {
        const int porownanie = PorownajNazwy(nowy.Material.Cp1250(), material.Material.Cp1250());
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
        const std::string nazwa = katalog.empty() ? std::string(".") : katalog.string();
        fd_ = ::open(nazwa.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            Blad = "Nie można zablokować katalogu „" + nazwa + "”: " + OpisBleduSystemu(errno) + ".";
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                Blad = "Nie można zablokować katalogu „" + nazwa + "”: " + OpisBleduSystemu(errno) + ".";
                return;
            }
        }
    }
    ~TBlokadaKatalogu() {
        if (fd_ >= 0)
            ::close(fd_); // closing releases the lock
    }
    TBlad Blad;
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

TBlad PrzebudujGrupe(const std::filesystem::path& plikGrupy, const TMaterial& nowy, std::size_t p) {
    // The group as a link is rebuilt where it points; its folder is the one to lock.
    std::error_code bladSciezki;
    std::filesystem::path cel = std::filesystem::canonical(plikGrupy, bladSciezki);
    if (bladSciezki)
        cel = plikGrupy;
    const TBlokadaKatalogu blokada(cel.parent_path());
    if (blokada.Blad)
        return blokada.Blad;

    // Read under the lock: another save that finished meanwhile is part of what is rebuilt.
    auto wczytane = WczytajMaterialy(plikGrupy);
    if (const std::string* blad = Niepowodzenie(wczytane))
        return *blad;
    std::vector<TMaterial> materialy = std::get<std::vector<TMaterial>>(std::move(wczytane));
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
            return "Podany materiał już istnieje w bazie!";
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
    return ZapiszAtomowo(plikGrupy.string(), bajty);
}

} // namespace murolab
