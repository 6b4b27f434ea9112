#include "files/RekordProjektu.h"

#include "core/Bledy.h"
#include "files/PolaRekordu.h"
#include "files/RozszerzenieProjektu.h"

#include <atomic>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace murolab {

namespace {

struct TZamykaczPliku {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

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

std::variant<TZawartoscProjektu, std::string> DekodujRekord(std::span<const std::uint8_t> bajty) {
    if (bajty.size() < kRozmiarRekordu)
        return "Plik nie jest plikiem projektu: ma " + std::to_string(bajty.size()) +
               " bajtów, a plik projektu ma " + std::to_string(kRozmiarRekordu) + ".";
    const std::uint8_t* p = bajty.data();

    std::int32_t liczba = 0;
    for (int b = 3; b >= 0; --b)
        liczba = static_cast<std::int32_t>((static_cast<std::uint32_t>(liczba) << 8) |
                                           p[kPrzesuniecieLiczbyWarstw + static_cast<std::size_t>(b)]);
    if (!Dopuszczalna(kDopuszczalnaLiczbaWarstw, liczba))
        return "Plik projektu jest uszkodzony: liczba warstw " + std::to_string(liczba) +
               " (dozwolone od 0 do " + std::to_string(kLiczbaSlotow) + ").";

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
                return *blad;
        }
    }
    for (const TPoleWarunkow& pole : kPolaWarunkow) {
        CzytajPole(pole, z.WarunkiPracy, p);
        if (auto blad = BladLiczby(pole, z.WarunkiPracy, ""))
            return *blad;
    }
    for (int k = 1; k <= liczba; ++k)
        for (const TPoleWarstwy& pole : kPolaWarstwy)
            if (auto blad = BladWartosci(pole, z.Warstwy[k], " warstwy " + std::to_string(k)))
                return *blad;
    for (const TPoleWarunkow& pole : kPolaWarunkow)
        if (auto blad = BladWartosci(pole, z.WarunkiPracy, ""))
            return *blad;

    auto rozszerzenie = DekodujRozszerzenie(bajty.subspan(kRozmiarRekordu), liczba);
    if (auto* blad = std::get_if<std::string>(&rozszerzenie))
        return *blad;
    if (auto& r = std::get<std::optional<TRozszerzenie>>(rozszerzenie)) {
        z.DaneProjektu = r->DaneProjektu;
        z.Iso13788 = r->Iso13788;
        for (int k = 1; k <= kLiczbaSlotow; ++k) {
            z.Warstwy[k].Gestosc = r->Gestosc[static_cast<std::size_t>(k - 1)];
            z.Warstwy[k].Cieplo = r->Cieplo[static_cast<std::size_t>(k - 1)];
        }
        z.RozszerzenieNieznane = std::move(r->Nieznane);
        z.Rozszerzenie = std::move(r->Calosc);
    }
    return z;
}

void PrzeniesDoModelu(const TZawartoscProjektu& z, TModelProjektu& model) {
    model.Warstwy = z.Warstwy;
    model.WarunkiPracy = z.WarunkiPracy;
    model.LiczbaWarstw = z.LiczbaWarstw;
    if (z.DaneProjektu)
        model.DaneProjektu = *z.DaneProjektu;
    model.Iso13788 = z.Iso13788;
    model.RozszerzenieNieznane = z.RozszerzenieNieznane;
}

std::variant<TZawartoscProjektu, std::string> CzytajPlikProjektu(const std::string& sciezka) {
    errno = 0;
    std::unique_ptr<std::FILE, TZamykaczPliku> f(std::fopen(sciezka.c_str(), "rb"));
    if (!f)
        return "Nie można otworzyć pliku „" + sciezka + "”: " + OpisBleduSystemu(errno) + ".";
    // The record and at most the longest extension block; anything after that is not read.
    std::vector<std::uint8_t> bufor(kRozmiarRekordu + kMaksRozmiarRozszerzenia);
    errno = 0;
    const std::size_t ile = std::fread(bufor.data(), 1, bufor.size(), f.get());
    if (ile < bufor.size() && std::ferror(f.get()))
        return "Błąd odczytu pliku „" + sciezka + "”: " + OpisBleduSystemu(errno) + ".";
    auto wynik = DekodujRekord(std::span<const std::uint8_t>(bufor.data(), ile));
    if (auto* blad = std::get_if<std::string>(&wynik))
        return "„" + sciezka + "”: " + *blad;
    return wynik;
}

std::string ZapiszPlikProjektu(const std::string& sciezkaPodana, std::span<const std::uint8_t> rekord) {
    const std::string poczatekBledu = "Nie można zapisać pliku „" + sciezkaPodana + "”: ";

    // Through a link the save writes the file it points to, and the link stays a link.
    std::string sciezka = sciezkaPodana;
    std::error_code bladSciezki;
    if (std::filesystem::is_symlink(sciezkaPodana, bladSciezki)) {
        const auto cel = std::filesystem::canonical(sciezkaPodana, bladSciezki);
        if (!bladSciezki)
            sciezka = cel.string();
    }
    // The rename would replace even a file the user may not write: such a file is refused, as
    // writing into it would be. A file that is replaced keeps its permissions.
    struct stat stary {};
    const bool istnieje = ::stat(sciezka.c_str(), &stary) == 0 && S_ISREG(stary.st_mode);
    if (istnieje && ::access(sciezka.c_str(), W_OK) != 0)
        return poczatekBledu + OpisBleduSystemu(errno) + ".";

    // The temporary file sits beside the target, so that the final rename stays on one file system
    // and replaces the old file in one step. O_EXCL guards against a stale file of the same name.
    static std::atomic<unsigned> licznik{0};
    std::string tymczasowy;
    int fd = -1;
    for (int proba = 0; proba < 100 && fd < 0; ++proba) {
        tymczasowy = sciezka + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(licznik++);
        fd = ::open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return poczatekBledu + OpisBleduSystemu(errno) + ".";
    }
    if (fd < 0)
        return poczatekBledu + OpisBleduSystemu(EEXIST) + ".";

    if (istnieje)
        ::fchmod(fd, stary.st_mode & 07777);

    auto porzuc = [&](int kod) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tymczasowy.c_str());
        return poczatekBledu + OpisBleduSystemu(kod) + ".";
    };

    // A short write without an error is retried; one that makes no progress counts as a full disk.
    std::size_t zapisane = 0;
    while (zapisane < rekord.size()) {
        const ssize_t w = ::write(fd, rekord.data() + zapisane, rekord.size() - zapisane);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return porzuc(errno);
        }
        if (w == 0)
            return porzuc(ENOSPC);
        zapisane += static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0)
        return porzuc(errno);
    const int wynikZamkniecia = ::close(fd);
    fd = -1;
    if (wynikZamkniecia != 0)
        return porzuc(errno);
    if (::rename(tymczasowy.c_str(), sciezka.c_str()) != 0)
        return porzuc(errno);

    // Make the rename itself durable; a failure here no longer endangers either copy.
    const auto ukosnik = sciezka.rfind('/');
    const std::string katalog =
        ukosnik == std::string::npos ? "." : (ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik));
    const int fdKatalogu = ::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdKatalogu >= 0) {
        ::fsync(fdKatalogu);
        ::close(fdKatalogu);
    }
    return {};
}

} // namespace murolab
