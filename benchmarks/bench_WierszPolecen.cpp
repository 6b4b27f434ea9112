// The command line at batch speed: generates N ten-layer projects (with density and heat capacity,
// so the summer figures are computed too), runs the real program once on all of them with the
// twelve-month check and JSON output, and prints projects per second and the program's peak memory.
// Run by hand:
//
//     build/benchmarks/bench_wiersz [N ...]        (default: 1000 20000)
//
// Several N show whether the memory stays flat as the batch grows (100000 fits in one command
// line: the files have five-character names and the program runs in their folder).
#include "core/Model.h"
#include "files/RekordProjektu.h"

#include "WarunkiBenchmarku.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Ten layers whose outer ones are tighter, so that planes form in winter and the balance runs; the
// thicknesses vary with `i` so that no two files are the same.
murolab::TModelProjektu DziesiecWarstw(int i) {
    murolab::TModelProjektu m = murolab::benchmarki::DziesiecWarstw("", 0.001 * (i % 10));
    for (int k = 1; k <= murolab::kLimitWarstw; ++k)
        m.Warstwy[k].Nazwa.UstawUtf8("Warstwa materiału " + std::to_string(k));
    return m;
}

std::string Nazwa(int i) {
    char s[16];
    std::snprintf(s, sizeof s, "%05d", i);
    return s;
}

struct TPrzebieg {
    int Kod = -1;
    double Sekundy = 0;    // wall clock
    double SekundyCpu = 0; // the program's user and system time: what a busy machine does not inflate
    long SzczytKiB = 0;    // peak resident memory of the program
};

// The program on files 0..n-1 of `katalog`, its output to `wyjscie`.
TPrzebieg Uruchom(const std::string& program, const fs::path& katalog, int n, const std::string& wyjscie) {
    std::vector<std::string> argumenty = {program, "--oblicz"};
    for (int i = 0; i < n; ++i)
        argumenty.push_back(Nazwa(i));
    for (const char* a : {"--klimat", "Warszawa-Okęcie", "--json"})
        argumenty.emplace_back(a);
    std::vector<char*> argv;
    for (std::string& a : argumenty)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_addopen(&akcje, 1, wyjscie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&akcje, katalog.c_str());
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (const int blad = posix_spawn(&pid, program.c_str(), &akcje, nullptr, argv.data(), environ))
        throw std::runtime_error(std::string("posix_spawn: ") + std::strerror(blad));
    posix_spawn_file_actions_destroy(&akcje);
    int stan = 0;
    rusage zuzycie{};
    while (::wait4(pid, &stan, 0, &zuzycie) < 0)
        if (errno != EINTR)
            throw std::runtime_error("wait4");
    TPrzebieg p;
    p.Sekundy = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    p.Kod = WIFEXITED(stan) ? WEXITSTATUS(stan) : 128 + WTERMSIG(stan);
    p.SzczytKiB = zuzycie.ru_maxrss;
    const auto sekundy = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    p.SekundyCpu = sekundy(zuzycie.ru_utime) + sekundy(zuzycie.ru_stime);
    return p;
}

long Linie(const std::string& plik) {
    std::ifstream f(plik);
    long n = 0;
    for (std::string l; std::getline(f, l);)
        n += l.starts_with("{\"LiczbaWarstw\":10,") ? 1 : 0;
    return n;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> liczby;
    for (int i = 1; i < argc; ++i)
        liczby.push_back(std::atoi(argv[i]));
    if (liczby.empty())
        liczby = {1000, 20000};
    int najwiecej = 0;
    for (int n : liczby) {
        if (n < 1 || n > 100000) {
            std::fprintf(stderr, "N: 1 … 100000\n");
            return 2;
        }
        najwiecej = std::max(najwiecej, n);
    }

    char wzor[] = "/tmp/murolab-bench-XXXXXX";
    if (!::mkdtemp(wzor))
        return 2;
    const fs::path katalog = wzor;
    for (int i = 0; i < najwiecej; ++i) {
        const auto bajty = murolab::KodujProjekt(DziesiecWarstw(i));
        std::ofstream(katalog / Nazwa(i), std::ios::binary)
            .write(reinterpret_cast<const char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
    }

    // The results once on disk, to see that every project gave its line; then timed to /dev/null.
    int kod = 0;
    const TPrzebieg proba = Uruchom(MUROLAB_PROGRAM, katalog, 100, (katalog / "wynik.jsonl").string());
    const long linie = Linie((katalog / "wynik.jsonl").string());
    if (proba.Kod != 0 || linie != std::min(100, najwiecej)) {
        std::fprintf(stderr, "the trial run gave status %d and %ld lines\n", proba.Kod, linie);
        kod = 1;
    }
    for (int n : liczby) {
        if (kod != 0)
            break;
        const TPrzebieg p = Uruchom(MUROLAB_PROGRAM, katalog, n, "/dev/null");
        if (p.Kod != 0) {
            std::fprintf(stderr, "status %d for %d files\n", p.Kod, n);
            kod = 1;
            break;
        }
        std::printf("%6d projects: %.3f s, %.0f projects/s (CPU %.3f s, %.0f projects per CPU second), "
                    "peak memory %ld KiB\n",
                    n, p.Sekundy, n / p.Sekundy, p.SekundyCpu, n / p.SekundyCpu, p.SzczytKiB);
    }
    std::error_code blad;
    fs::remove_all(katalog, blad);
    return kod;
}
