#include "files/RekordProjektu.h"

#include "core/Bledy.h"
#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace murolab {

namespace {

// Offsets of the record (little-endian throughout).
constexpr std::size_t kRozmiarWarstwy = 72;
constexpr std::size_t kWarstwaNazwa = 0;
constexpr std::size_t kWarstwaGrubosc = 48;
constexpr std::size_t kWarstwaLambda = 56;
constexpr std::size_t kWarstwaMi = 64;
constexpr std::size_t kTempZewn = 1080;
constexpr std::size_t kTempWew = 1084;
constexpr std::size_t kWilgotZewn = 1088;
constexpr std::size_t kWilgotWewn = 1092;
constexpr std::size_t kRsi = 1096;
constexpr std::size_t kRse = 1104;
constexpr std::size_t kTypPrzegrody = 1112;
constexpr std::size_t kStrefaKl = 1153;
constexpr std::size_t kWarunkiWilg = 1194;
constexpr std::size_t kNrNieszczelnosci = 1236;
constexpr std::size_t kDeltaU = 1240;
constexpr std::size_t kLambdaF = 1248;
constexpr std::size_t kAlfa = 1256;
constexpr std::size_t kLiczbaF = 1260;
constexpr std::size_t kPoleF = 1264;
constexpr std::size_t kDeltaUk = 1272;
constexpr std::size_t kMostekWlasny = 1280;
constexpr std::size_t kLiczbaWarstw = 1288;

void ZapiszI32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int b = 0; b < 4; ++b)
        p[b] = static_cast<std::uint8_t>(u >> (8 * b));
}

void ZapiszF64(std::uint8_t* p, double v) {
    const auto u = std::bit_cast<std::uint64_t>(v);
    for (int b = 0; b < 8; ++b)
        p[b] = static_cast<std::uint8_t>(u >> (8 * b));
}

std::int32_t CzytajI32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int b = 3; b >= 0; --b)
        u = (u << 8) | p[b];
    return static_cast<std::int32_t>(u);
}

double CzytajF64(const std::uint8_t* p) {
    std::uint64_t u = 0;
    for (int b = 7; b >= 0; --b)
        u = (u << 8) | p[b];
    return std::bit_cast<double>(u);
}

} // namespace

TRekordProjektu KodujRekord(const TModelProjektu& model) {
    TRekordProjektu r{};
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        const TWarstwa& w = model.Warstwy[k];
        std::uint8_t* p = r.data() + kRozmiarWarstwy * static_cast<std::size_t>(k - 1);
        w.Nazwa.ZapiszObraz(p + kWarstwaNazwa);
        ZapiszF64(p + kWarstwaGrubosc, w.Grubosc);
        ZapiszF64(p + kWarstwaLambda, w.Lambda);
        ZapiszF64(p + kWarstwaMi, w.Mi);
    }
    const TWarunkiPracy& w = model.WarunkiPracy;
    std::uint8_t* p = r.data();
    ZapiszI32(p + kTempZewn, w.TempZewn);
    ZapiszI32(p + kTempWew, w.TempWew);
    ZapiszI32(p + kWilgotZewn, w.WilgotZewn);
    ZapiszI32(p + kWilgotWewn, w.WilgotWewn);
    ZapiszF64(p + kRsi, w.Rsi);
    ZapiszF64(p + kRse, w.Rse);
    w.TypPrzegrody.ZapiszObraz(p + kTypPrzegrody);
    w.StrefaKl.ZapiszObraz(p + kStrefaKl);
    w.WarunkiWilg.ZapiszObraz(p + kWarunkiWilg);
    ZapiszI32(p + kNrNieszczelnosci, w.NrNieszczelnosci);
    ZapiszF64(p + kDeltaU, w.DeltaU);
    ZapiszF64(p + kLambdaF, w.LambdaF);
    ZapiszI32(p + kAlfa, w.Alfa);
    ZapiszI32(p + kLiczbaF, w.LiczbaF);
    ZapiszF64(p + kPoleF, w.PoleF);
    ZapiszF64(p + kDeltaUk, w.DeltaUk);
    ZapiszF64(p + kMostekWlasny, w.MostekWlasny);
    ZapiszI32(p + kLiczbaWarstw, model.LiczbaWarstw);
    return r;
}

std::variant<TZawartoscProjektu, std::string> DekodujRekord(std::span<const std::uint8_t> bajty) {
    if (bajty.size() < kRozmiarRekordu)
        return "Plik nie jest plikiem projektu: ma " + std::to_string(bajty.size()) +
               " bajtów, a plik projektu ma " + std::to_string(kRozmiarRekordu) + ".";
    const std::uint8_t* p = bajty.data();

    const std::int32_t liczba = CzytajI32(p + kLiczbaWarstw);
    if (liczba < 0 || liczba > kLiczbaSlotow)
        return "Plik projektu jest uszkodzony: liczba warstw " + std::to_string(liczba) +
               " (dozwolone od 0 do " + std::to_string(kLiczbaSlotow) + ").";

    std::string blad;
    auto liczbaF64 = [&](std::size_t przesuniecie, const std::string& pole) {
        const double v = CzytajF64(p + przesuniecie);
        if (!std::isfinite(v) && blad.empty())
            blad = "Plik projektu jest uszkodzony: pole " + pole + " nie zawiera poprawnej liczby.";
        return v;
    };

    TZawartoscProjektu z;
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        TWarstwa& w = z.Warstwy[k];
        const std::size_t poczatek = kRozmiarWarstwy * static_cast<std::size_t>(k - 1);
        const std::string ktora = " warstwy " + std::to_string(k);
        w.Nazwa.UstawObraz(p + poczatek + kWarstwaNazwa);
        w.Grubosc = liczbaF64(poczatek + kWarstwaGrubosc, "Grubosc" + ktora);
        w.Lambda = liczbaF64(poczatek + kWarstwaLambda, "Lambda" + ktora);
        w.Mi = liczbaF64(poczatek + kWarstwaMi, "Mi" + ktora);
    }
    TWarunkiPracy& w = z.WarunkiPracy;
    w.TempZewn = CzytajI32(p + kTempZewn);
    w.TempWew = CzytajI32(p + kTempWew);
    w.WilgotZewn = CzytajI32(p + kWilgotZewn);
    w.WilgotWewn = CzytajI32(p + kWilgotWewn);
    w.Rsi = liczbaF64(kRsi, "Rsi");
    w.Rse = liczbaF64(kRse, "Rse");
    w.TypPrzegrody.UstawObraz(p + kTypPrzegrody);
    w.StrefaKl.UstawObraz(p + kStrefaKl);
    w.WarunkiWilg.UstawObraz(p + kWarunkiWilg);
    w.NrNieszczelnosci = CzytajI32(p + kNrNieszczelnosci);
    w.DeltaU = liczbaF64(kDeltaU, "DeltaU");
    w.LambdaF = liczbaF64(kLambdaF, "LambdaF");
    w.Alfa = CzytajI32(p + kAlfa);
    w.LiczbaF = CzytajI32(p + kLiczbaF);
    w.PoleF = liczbaF64(kPoleF, "PoleF");
    w.DeltaUk = liczbaF64(kDeltaUk, "DeltaUk");
    w.MostekWlasny = liczbaF64(kMostekWlasny, "MostekWlasny");
    z.LiczbaWarstw = liczba;
    if (!blad.empty())
        return blad;
    return z;
}

std::variant<TZawartoscProjektu, std::string> CzytajPlikProjektu(const std::string& sciezka) {
    // A regular file only, and not larger than the record with its extension block: a FIFO, a
    // device or a huge sparse file is refused before anything is read.
    auto plik = CzytajPlikRegularny(sciezka, kNajwiekszyPlikProjektu);
    if (auto* blad = std::get_if<std::string>(&plik))
        return *blad;
    const auto& bajty = std::get<std::vector<std::uint8_t>>(plik);
    // A record of nothing but zeros (an empty file grown by truncate, a zero-filled image) would
    // decode as a valid empty project and hide the fault behind "no layers".
    const std::size_t dlugoscRekordu = std::min(bajty.size(), kRozmiarRekordu);
    if (dlugoscRekordu == kRozmiarRekordu &&
        std::all_of(bajty.begin(), bajty.begin() + static_cast<std::ptrdiff_t>(dlugoscRekordu),
                    [](std::uint8_t b) { return b == 0; }))
        return "„" + sciezka + "”: Plik nie jest plikiem projektu: jego rekord zawiera same zera.";
    auto wynik = DekodujRekord(bajty);
    if (auto* blad = std::get_if<std::string>(&wynik))
        return "„" + sciezka + "”: " + *blad;
    return wynik;
}

std::string ZapiszPlikProjektu(const std::string& sciezka, const TRekordProjektu& rekord) {
    return ZapiszAtomowo(sciezka, rekord);
}

} // namespace murolab
