#include "catalogue/GrupyWlasne.h"

#include "catalogue/PlikGrupy.h"
#include "files/ZapisAtomowy.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace murolab {

namespace fs = std::filesystem;

namespace {

std::string Nazwa(const fs::path& p) {
    return "„" + p.string() + "”";
}

TWynik<std::vector<std::uint8_t>> CzytajBajtyGrupy(const fs::path& plik) {
    std::error_code blad;
    if (!fs::exists(plik, blad))
        return TBladWyniku{"Nie znaleziono pliku " + Nazwa(plik) + "."};
    auto bajty = CzytajPlikRegularny(plik.string(), kNajwiekszyPlikGrupy);
    if (const std::string* komunikat = Niepowodzenie(bajty))
        return TBladWyniku{*komunikat};
    return bajty;
}

// Makes the user's copy of a shipped group unless one exists (another instance may have made it
// meanwhile: then that copy is used). Gives the copied bytes when this call made the copy.
TWynik<std::optional<std::vector<std::uint8_t>>> SkopiujGrupe(const fs::path& zrodlo, const fs::path& cel) {
    // Read and checked as every group is: a damaged shipped group is not copied.
    if (const TBlad blad = CzytajGrupe(zrodlo, [](const TMaterial&) {}))
        return TBladWyniku{*blad};
    auto wczytane = CzytajBajtyGrupy(zrodlo);
    if (const std::string* blad = Niepowodzenie(wczytane))
        return TBladWyniku{*blad};
    const auto& bajty = std::get<std::vector<std::uint8_t>>(wczytane);
    std::error_code blad;
    fs::create_directories(cel.parent_path(), blad);
    if (blad)
        return TBladWyniku{"Nie można utworzyć katalogu " + Nazwa(cel.parent_path()) + ": " +
                           OpisBleduSystemu(blad.value()) + "."};
    bool juzByla = false;
    if (const TBlad komunikat = ZapiszAtomowo(cel.string(), bajty, &juzByla))
        return TBladWyniku{*komunikat};
    if (juzByla)
        return std::optional<std::vector<std::uint8_t>>{};
    return std::optional<std::vector<std::uint8_t>>{bajty};
}

} // namespace

fs::path PlikGrupyDoOdczytu(const TMiejscaGrup& miejsca, std::string_view plik) {
    const fs::path wlasny = miejsca.Wlasne / plik;
    std::error_code blad;
    if (!miejsca.Wlasne.empty() && fs::exists(wlasny, blad))
        return wlasny;
    return miejsca.Katalog / plik;
}

TWynik<fs::path> DodajWlasnyMaterial(const TMiejscaGrup& miejsca, std::string_view plik,
                                     const TMaterial& nowy, std::size_t p) {
    if (miejsca.Wlasne.empty())
        return TBladWyniku{"Nie znaleziono katalogu danych użytkownika (brak HOME i XDG_DATA_HOME): "
                           "własnego materiału nie ma gdzie zapisać."};
    const fs::path wlasny = miejsca.Wlasne / plik;
    std::error_code blad;
    std::optional<std::vector<std::uint8_t>> kopia;
    if (!fs::exists(wlasny, blad)) {
        auto skopiowana = SkopiujGrupe(miejsca.Katalog / plik, wlasny);
        if (const std::string* komunikat = Niepowodzenie(skopiowana))
            return TBladWyniku{*komunikat};
        kopia = std::get<std::optional<std::vector<std::uint8_t>>>(std::move(skopiowana));
    }
    if (const TBlad komunikat = PrzebudujGrupe(wlasny, nowy, p)) {
        // A copy made for nothing would hide later updates of the shipped group; it goes, unless
        // another instance has added a material to it meanwhile.
        if (kopia) {
            const auto teraz = CzytajBajtyGrupy(wlasny);
            if (const auto* bajty = std::get_if<std::vector<std::uint8_t>>(&teraz); bajty && *bajty == *kopia)
                fs::remove(wlasny, blad);
        }
        return TBladWyniku{*komunikat};
    }
    return wlasny;
}

} // namespace murolab
