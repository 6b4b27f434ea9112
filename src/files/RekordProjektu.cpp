#include "files/RekordProjektu.h"

#include "core/Bledy.h"
#include "core/Iso6946.h"
#include "files/PolaRekordu.h"
#include "files/RozszerzenieProjektu.h"
#include "files/ZapisAtomowy.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace murolab {

TRekordProjektu KodujRekord(const TModelProjektu& model) {
    TRekordProjektu r{};
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        std::uint8_t* warstwa = r.data() + kRozmiarWarstwyRekordu * static_cast<std::size_t>(k - 1);
        for (const TPoleWarstwy& p : kPolaWarstwy)
            ZapiszPole(p, model.Warstwy[k], warstwa);
    }
    for (const TPoleWarunkow& p : kPolaWarunkow)
        ZapiszPole(p, model.WarunkiPracy, r.data());
    const auto liczba = static_cast<std::uint32_t>(model.LiczbaWarstw);
    for (int b = 0; b < 4; ++b)
        r[kPrzesuniecieLiczbyWarstw + static_cast<std::size_t>(b)] =
            static_cast<std::uint8_t>(liczba >> (8 * b));
    return r;
}

std::vector<std::uint8_t> KodujProjekt(const TModelProjektu& model) {
    const TRekordProjektu rekord = KodujRekord(model);
    std::vector<std::uint8_t> bajty(rekord.begin(), rekord.end());
    const std::string blok = BlokRozszerzenia(model);
    bajty.insert(bajty.end(), blok.begin(), blok.end());
    return bajty;
}

TWynik<TZawartoscProjektu> DekodujRekord(std::span<const std::uint8_t> bajty) {
    if (bajty.size() < kRozmiarRekordu)
        return TBladWyniku{"Plik nie jest plikiem projektu: ma " + std::to_string(bajty.size()) +
                           " bajtów, a plik projektu ma " + std::to_string(kRozmiarRekordu) + "."};
    const std::uint8_t* p = bajty.data();

    std::int32_t liczba = 0;
    for (int b = 3; b >= 0; --b)
        liczba = static_cast<std::int32_t>((static_cast<std::uint32_t>(liczba) << 8) |
                                           p[kPrzesuniecieLiczbyWarstw + static_cast<std::size_t>(b)]);
    if (!Dopuszczalna(kDopuszczalnaLiczbaWarstw, liczba))
        return TBladWyniku{"Plik projektu jest uszkodzony: liczba warstw " + std::to_string(liczba) +
                           " (dozwolone od 0 do " + std::to_string(kLiczbaSlotow) + ")."};

    TZawartoscProjektu z;
    z.LiczbaWarstw = liczba;
    // Every number of every slot must be a number; the values of the layers in use must also be
    // possible ones.
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        TWarstwa& w = z.Warstwy[k];
        const std::uint8_t* warstwa = p + kRozmiarWarstwyRekordu * static_cast<std::size_t>(k - 1);
        const std::string ktora = " warstwy " + std::to_string(k);
        for (const TPoleWarstwy& pole : kPolaWarstwy) {
            CzytajPole(pole, w, warstwa);
            if (auto blad = BladLiczby(pole, w, ktora))
                return TBladWyniku{*blad};
        }
    }
    for (const TPoleWarunkow& pole : kPolaWarunkow) {
        CzytajPole(pole, z.WarunkiPracy, p);
        if (auto blad = BladLiczby(pole, z.WarunkiPracy, ""))
            return TBladWyniku{*blad};
    }
    for (int k = 1; k <= liczba; ++k)
        for (const TPoleWarstwy& pole : kPolaWarstwy)
            if (auto blad = BladWartosci(pole, z.Warstwy[k], " warstwy " + std::to_string(k)))
                return TBladWyniku{*blad};
    for (const TPoleWarunkow& pole : kPolaWarunkow)
        if (auto blad = BladWartosci(pole, z.WarunkiPracy, ""))
            return TBladWyniku{*blad};

    auto rozszerzenie = DekodujRozszerzenie(bajty.subspan(kRozmiarRekordu), liczba);
    if (auto* blad = std::get_if<TBladWyniku>(&rozszerzenie))
        return *blad;
    if (auto& r = std::get<std::optional<TRozszerzenie>>(rozszerzenie)) {
        z.DaneProjektu = r->DaneProjektu;
        z.Iso13788 = r->Iso13788;
        for (int k = 1; k <= kLiczbaSlotow; ++k) {
            TWarstwa& w = z.Warstwy[k];
            TWarstwa& zBloku = r->Warstwy[static_cast<std::size_t>(k - 1)];
            for (const TPoleWarstwyRozszerzenia& pole : kPolaWarstwyRozszerzenia)
                w.*(pole.Miejsce) = zBloku.*(pole.Miejsce);
            w.Mostki = std::move(zBloku.Mostki);
            w.WOsi = zBloku.WOsi;
            w.Powietrze = zBloku.Powietrze;
        }
        z.WarunkiPracy.Lacznik2017 = r->Lacznik2017;
        // The bridges and air layers are checked against the record's layers they belong to.
        TModelProjektu sprawdzany;
        sprawdzany.Warstwy = z.Warstwy;
        sprawdzany.LiczbaWarstw = z.LiczbaWarstw;
        sprawdzany.WarunkiPracy = z.WarunkiPracy;
        if (auto blad = SprawdzNiejednorodnosc(sprawdzany))
            return TBladWyniku{"Blok rozszerzenia pliku projektu: " + *blad};
        // The block describes an air layer; the record's lambda is only its equivalent for readers
        // that know the record alone, and follows the block.
        for (int k = 1; k <= z.LiczbaWarstw; ++k)
            UzgodnijWarstwePowietrza(z.Warstwy[k]);
        z.RozszerzenieNieznane = std::move(r->Nieznane);
        z.Rozszerzenie = std::move(r->Calosc);
    }
    return z;
}

void PrzeniesDoModelu(const TZawartoscProjektu& z, TModelProjektu& model) {
    model.Warstwy = z.Warstwy;
    model.WarunkiPracy = z.WarunkiPracy;
    model.LiczbaWarstw = z.LiczbaWarstw;
    model.DaneProjektu = z.DaneProjektu.value_or(TDaneProjektu{});
    model.Iso13788 = z.Iso13788;
    model.RozszerzenieNieznane = z.RozszerzenieNieznane;
}

TWynik<TZawartoscProjektu> WczytajPlikProjektu(const std::string& sciezka) {
    // A regular file only, and not larger than the record with its extension block: a FIFO, a
    // device or a huge sparse file is refused before anything is read.
    auto plik = CzytajPlikRegularny(sciezka, kNajwiekszyPlikProjektu);
    if (auto* blad = std::get_if<TBladWyniku>(&plik))
        return *blad;
    const auto& bajty = std::get<std::vector<std::uint8_t>>(plik);
    // A record of nothing but zeros (an empty file grown by truncate, a zero-filled image) would
    // decode as a valid empty project and hide the fault behind "no layers".
    const std::size_t dlugoscRekordu = std::min(bajty.size(), kRozmiarRekordu);
    if (dlugoscRekordu == kRozmiarRekordu &&
        std::all_of(bajty.begin(), bajty.begin() + static_cast<std::ptrdiff_t>(dlugoscRekordu),
                    [](std::uint8_t b) { return b == 0; }))
        return TBladWyniku{"„" + sciezka +
                           "”: Plik nie jest plikiem projektu: jego rekord zawiera same zera."};
    auto wynik = DekodujRekord(bajty);
    if (auto* blad = std::get_if<TBladWyniku>(&wynik))
        blad->Komunikat = "„" + sciezka + "”: " + blad->Komunikat;
    return wynik;
}

TBlad ZapiszBajtyProjektu(const std::string& sciezka, std::span<const std::uint8_t> bajty) {
    return ZapiszAtomowo(sciezka, bajty);
}

} // namespace murolab
