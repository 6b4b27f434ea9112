#include "files/ZapisAtomowy.h"

#include "core/Bledy.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace murolab {

namespace {

// The kernel's own limit of links followed in one path.
constexpr int kNajwiecejOdnosnikow = 40;

std::string Katalog(const std::string& sciezka) {
    const auto ukosnik = sciezka.rfind('/');
    if (ukosnik == std::string::npos)
        return ".";
    return ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

std::string OpisRodzaju(mode_t tryb) {
    if (S_ISDIR(tryb))
        return "to jest katalog, a nie plik";
    if (S_ISFIFO(tryb))
        return "to jest kolejka (FIFO), a nie zwykły plik";
    if (S_ISCHR(tryb) || S_ISBLK(tryb))
        return "to jest urządzenie, a nie zwykły plik";
    if (S_ISSOCK(tryb))
        return "to jest gniazdo, a nie zwykły plik";
    return "to nie jest zwykły plik";
}

// The file a path finally names: links are followed one by one (a link relative to its own
// folder), so that a link to a file that does not exist yet still names where it is to be created.
// Fills `stan` when that file exists; returns errno of the failure, 0 on success.
int RozwiazOdnosniki(std::string& sciezka, struct stat& stan, bool& istnieje) {
    for (int krok = 0; krok <= kNajwiecejOdnosnikow; ++krok) {
        if (::lstat(sciezka.c_str(), &stan) != 0) {
            if (errno != ENOENT)
                return errno;
            istnieje = false;
            return 0;
        }
        if (!S_ISLNK(stan.st_mode)) {
            istnieje = true;
            return 0;
        }
        std::string cel(static_cast<std::size_t>(stan.st_size > 0 ? stan.st_size : 255) + 1, '\0');
        const ssize_t dlugosc = ::readlink(sciezka.c_str(), cel.data(), cel.size());
        if (dlugosc < 0)
            return errno;
        cel.resize(static_cast<std::size_t>(dlugosc));
        if (cel.empty())
            return ENOENT;
        sciezka = cel.front() == '/' ? cel : Katalog(sciezka) + "/" + cel;
    }
    return ELOOP;
}

constexpr std::string_view kPrefiksTymczasowego = ".ml";
constexpr std::size_t kCyfryTymczasowego = 8;
// A temporary file this old is no save in progress: saves take milliseconds.
constexpr int kWiekPorzuconegoSekundy = 60;

// A short name that no other save of this or another process picks at the same moment; O_EXCL
// (or linkat, which never replaces) makes sure of it, the randomness only makes a clash unlikely.
std::string NazwaTymczasowa() {
    static std::atomic<std::uint64_t> licznik{0};
    static const std::uint64_t ziarno = [] {
        std::random_device los;
        return (static_cast<std::uint64_t>(los()) << 32) ^ los();
    }();
    std::uint64_t x = ziarno ^ (static_cast<std::uint64_t>(::getpid()) << 20) ^
                      (licznik.fetch_add(1) * 0x9E3779B97F4A7C15ULL);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 29;
    char nazwa[16];
    std::snprintf(nazwa, sizeof nazwa, ".ml%08x", static_cast<unsigned>(x & 0xFFFFFFFFu));
    return nazwa;
}

void SynchronizujKatalog(const std::string& katalog) {
    const int fd = ::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file behind a descriptor by the path the kernel gives it; linkat follows it even for a file
// that has no name yet.
std::string SciezkaDeskryptora(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// Writes everything, sets the old file's owner and permissions and flushes it to the disk.
// errno of the failure, 0 on success.
int ZapiszIZsynchronizuj(int fd, std::span<const std::uint8_t> bajty, const struct stat* stary) {
    if (stary) {
        // Best effort for the owner (only a privileged process may give a file away); the
        // permission bits are set after it, since a change of owner may clear set-id bits.
        if (stary->st_uid != ::geteuid() || stary->st_gid != ::getegid()) {
            [[maybe_unused]] const int zmieniony = ::fchown(fd, stary->st_uid, stary->st_gid);
        }
        if (::fchmod(fd, stary->st_mode & 07777) != 0)
            return errno;
    }
    // A short write is continued; one that makes no progress counts as a full disk.
    std::size_t zapisane = 0;
    while (zapisane < bajty.size()) {
        const ssize_t w = ::write(fd, bajty.data() + zapisane, bajty.size() - zapisane);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (w == 0)
            return ENOSPC;
        zapisane += static_cast<std::size_t>(w);
    }
    return ::fsync(fd) != 0 ? errno : 0;
}

} // namespace

bool NazwaTymczasowegoPliku(std::string_view nazwa) {
    if (nazwa.size() != kPrefiksTymczasowego.size() + kCyfryTymczasowego ||
        !nazwa.starts_with(kPrefiksTymczasowego))
        return false;
    return std::all_of(nazwa.begin() + static_cast<std::ptrdiff_t>(kPrefiksTymczasowego.size()), nazwa.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

int UsunPorzuconeTymczasowe(const std::string& katalog) {
    DIR* d = ::opendir(katalog.c_str());
    if (!d)
        return 0;
    const int fdKatalogu = ::dirfd(d);
    const std::time_t granica = std::time(nullptr) - kWiekPorzuconegoSekundy;
    int usuniete = 0;
    while (const dirent* wpis = ::readdir(d)) {
        const std::string_view nazwa = wpis->d_name;
        if (!NazwaTymczasowegoPliku(nazwa))
            continue;
        // Never through a link, only this user's regular files, and only old ones: a save that is
        // still writing its temporary file is young.
        const int fd =
            ::openat(fdKatalogu, wpis->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat stan {};
        const bool porzucony = ::fstat(fd, &stan) == 0 && S_ISREG(stan.st_mode) &&
                               stan.st_uid == ::geteuid() && stan.st_mtime < granica;
        // A writer holds its lock until the file has its final name; a locked file is someone's save.
        if (porzucony && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlinkat(fdKatalogu, wpis->d_name, 0) == 0)
            ++usuniete;
        ::close(fd);
    }
    ::closedir(d);
    return usuniete;
}

TBlad ZapiszAtomowo(const std::string& sciezkaPodana, std::span<const std::uint8_t> bajty, bool* juzIstnial) {
    const std::string poczatekBledu = "Nie można zapisać pliku „" + sciezkaPodana + "”: ";
    auto blad = [&](const std::string& powod) { return poczatekBledu + powod + "."; };
    // A full disk is said in so many words: it is the one failure a user can remedy at once.
    auto bladKodu = [&](int kod) -> std::string {
        const std::string brak = "Brak miejsca na dysku przy zapisie pliku „" + sciezkaPodana + "”";
        if (kod == ENOSPC)
            return brak + ".";
        if (kod == EDQUOT || kod == EFBIG)
            return brak + " (" + OpisBleduSystemu(kod) + ").";
        return blad(OpisBleduSystemu(kod));
    };

    std::string sciezka = sciezkaPodana;
    struct stat stary {};
    bool istnieje = false;
    if (const int kod = RozwiazOdnosniki(sciezka, stary, istnieje))
        return bladKodu(kod);
    if (juzIstnial) {
        *juzIstnial = istnieje;
        if (istnieje)
            return {};
    }
    // A device or a FIFO is never replaced by a file, nor a directory by anything.
    if (istnieje && !S_ISREG(stary.st_mode))
        return blad(OpisRodzaju(stary.st_mode));
    // The rename would replace even a file the user may not write: such a file is refused, as
    // writing into it would be.
    if (istnieje && ::faccessat(AT_FDCWD, sciezka.c_str(), W_OK, AT_EACCESS) != 0)
        return bladKodu(errno);

    // Beside the target, so that the final rename stays on one file system and replaces the old
    // file in one step.
    const std::string katalog = Katalog(sciezka);
    // Temporaries that an earlier save left when it was killed in its write window.
    UsunPorzuconeTymczasowe(katalog);
    const struct stat* wzor = istnieje ? &stary : nullptr;

    // First a file without a name: should the process be killed while writing, the kernel removes
    // it, and nothing is left behind. It gets a name only when it is complete and on the disk.
    int fd = ::open(katalog.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) {
        struct TZamknij {
            int fd;
            ~TZamknij() { ::close(fd); }
        } zamknij{fd};
        // Held until the file has its final name, so that no other save takes it for abandoned.
        ::flock(fd, LOCK_EX | LOCK_NB);
        if (const int kod = ZapiszIZsynchronizuj(fd, bajty, wzor))
            return bladKodu(kod);
        const std::string zrodlo = SciezkaDeskryptora(fd);
        if (juzIstnial) {
            // Linked into place only where nothing is yet: another writer that got there first wins.
            if (::linkat(AT_FDCWD, zrodlo.c_str(), AT_FDCWD, sciezka.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                *juzIstnial = false;
                SynchronizujKatalog(katalog);
                return {};
            }
            if (errno == EEXIST) {
                *juzIstnial = true;
                return {};
            }
        } else {
            // linkat never replaces: the file gets a temporary name first, renamed over the target
            // at once; only a kill between these two calls leaves it, for the next save to remove.
            for (int proba = 0; proba < 100; ++proba) {
                const std::string tymczasowy = katalog + "/" + NazwaTymczasowa();
                if (::linkat(AT_FDCWD, zrodlo.c_str(), AT_FDCWD, tymczasowy.c_str(), AT_SYMLINK_FOLLOW) !=
                    0) {
                    if (errno == EEXIST)
                        continue;
                    break;
                }
                if (::rename(tymczasowy.c_str(), sciezka.c_str()) != 0) {
                    const int kod = errno;
                    ::unlink(tymczasowy.c_str());
                    return bladKodu(kod);
                }
                SynchronizujKatalog(katalog);
                return {};
            }
        }
        // No /proc to link through: written again the classic way below.
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return bladKodu(errno);
    }

    // A file system without unnamed files: a named temporary file, removed on every path that fails
    // (and by a later save when this process is killed before it could).
    std::string tymczasowy;
    fd = -1;
    for (int proba = 0; proba < 100 && fd < 0; ++proba) {
        tymczasowy = katalog + "/" + NazwaTymczasowa();
        fd = ::open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return bladKodu(errno);
    }
    if (fd < 0)
        return bladKodu(EEXIST);
    ::flock(fd, LOCK_EX | LOCK_NB);

    auto porzuc = [&](int kod) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tymczasowy.c_str());
        return bladKodu(kod);
    };

    if (const int kod = ZapiszIZsynchronizuj(fd, bajty, wzor))
        return porzuc(kod);
    const int wynikZamkniecia = ::close(fd);
    fd = -1;
    if (wynikZamkniecia != 0)
        return porzuc(errno);
    if (juzIstnial) {
        // Linked into place only where nothing is yet: another writer that got there first wins.
        const bool polaczony = ::link(tymczasowy.c_str(), sciezka.c_str()) == 0;
        const int kod = polaczony ? 0 : errno;
        ::unlink(tymczasowy.c_str());
        if (!polaczony && kod != EEXIST)
            return bladKodu(kod);
        *juzIstnial = !polaczony;
    } else if (::rename(tymczasowy.c_str(), sciezka.c_str()) != 0) {
        return porzuc(errno);
    }

    // Make the rename itself durable; a failure here no longer endangers either copy.
    SynchronizujKatalog(katalog);
    return {};
}

TWynik<std::vector<std::uint8_t>> CzytajPlikRegularny(const std::string& sciezka, std::uint64_t maksimum) {
    auto nieOtwarty = [&](const std::string& powod) {
        return TBladWyniku{"Nie można otworzyć pliku „" + sciezka + "”: " + powod + "."};
    };
    auto zaDuzy = [&](std::uint64_t rozmiar) {
        return TBladWyniku{"Plik „" + sciezka + "” jest za duży: ma " + std::to_string(rozmiar) +
                           " bajtów, a dopuszczalne jest " + std::to_string(maksimum) + "."};
    };
    auto sprawdz = [&](const struct stat& s) -> std::optional<TBladWyniku> {
        if (!S_ISREG(s.st_mode))
            return nieOtwarty(OpisRodzaju(s.st_mode));
        if (static_cast<std::uint64_t>(s.st_size) > maksimum)
            return zaDuzy(static_cast<std::uint64_t>(s.st_size));
        return std::nullopt;
    };

    struct stat stan {};
    if (::stat(sciezka.c_str(), &stan) != 0)
        return nieOtwarty(OpisBleduSystemu(errno));
    if (auto powod = sprawdz(stan))
        return *powod;

    // O_NONBLOCK: should a FIFO take the file's place after the check, the open does not wait for
    // a writer; fstat below then refuses it.
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nieOtwarty(OpisBleduSystemu(errno));
    struct TZamknij {
        int fd;
        ~TZamknij() { ::close(fd); }
    } zamknij{fd};
    if (::fstat(fd, &stan) != 0)
        return nieOtwarty(OpisBleduSystemu(errno));
    if (auto powod = sprawdz(stan))
        return *powod;

    // The size is read again from the file itself: one that grew since fstat is still refused.
    std::vector<std::uint8_t> bajty(static_cast<std::size_t>(stan.st_size));
    std::size_t przeczytane = 0;
    for (;;) {
        if (przeczytane == bajty.size()) {
            if (bajty.size() > maksimum)
                return zaDuzy(bajty.size());
            bajty.resize(bajty.size() + 4096);
        }
        const ssize_t r = ::read(fd, bajty.data() + przeczytane, bajty.size() - przeczytane);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return TBladWyniku{"Błąd odczytu pliku „" + sciezka + "”: " + OpisBleduSystemu(errno) + "."};
        }
        if (r == 0)
            break;
        przeczytane += static_cast<std::size_t>(r);
    }
    if (przeczytane > maksimum)
        return zaDuzy(przeczytane);
    bajty.resize(przeczytane);
    return bajty;
}

bool TenSamPlik(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace murolab
