#include "files/RekordProjektu.h"

#include "core/Bledy.h"

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

struct TZamykaczPliku {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

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
    errno = 0;
    std::unique_ptr<std::FILE, TZamykaczPliku> f(std::fopen(sciezka.c_str(), "rb"));
    if (!f)
        return "Nie można otworzyć pliku „" + sciezka + "”: " + OpisBleduSystemu(errno) + ".";
    // Only the first record matters; anything after it is not read.
    std::array<std::uint8_t, kRozmiarRekordu> bufor{};
    errno = 0;
    const std::size_t ile = std::fread(bufor.data(), 1, bufor.size(), f.get());
    if (ile < bufor.size() && std::ferror(f.get()))
        return "Błąd odczytu pliku „" + sciezka + "”: " + OpisBleduSystemu(errno) + ".";
    auto wynik = DekodujRekord(std::span<const std::uint8_t>(bufor.data(), ile));
    if (auto* blad = std::get_if<std::string>(&wynik))
        return "„" + sciezka + "”: " + *blad;
    return wynik;
}

std::string ZapiszPlikProjektu(const std::string& sciezkaPodana, const TRekordProjektu& rekord) {
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
