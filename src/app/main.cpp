#include "app/Cli.h"
#include "app/CliZestawienie.h"
#include "app/RaportZWierszaPolecen.h"
#include "files/PlikiDanych.h"
#include "ui/Start.h"

#include <cerrno>
#include <csignal>
#include <iostream>
#include <streambuf>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Standard output in large blocks: a batch of thousands of projects writes each result into the
// buffer and the buffer to the descriptor when full, not a system call per piece. A failed write
// (a full disk, a closed pipe) makes the stream fail, which the run reports.
class TWyjscieBuforowane : public std::streambuf {
public:
    explicit TWyjscieBuforowane(int fd) : fd_(fd), bufor_(1 << 16) {
        setp(bufor_.data(), bufor_.data() + bufor_.size());
    }
    ~TWyjscieBuforowane() override { sync(); }

protected:
    int_type overflow(int_type c) override {
        if (!Oproznij())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n > epptr() - pptr()) {
            // Larger than what is left: what is buffered goes first, then a large piece at once.
            if (!Oproznij())
                return 0;
            if (n >= static_cast<std::streamsize>(bufor_.size()))
                return Zapisz(s, static_cast<std::size_t>(n)) ? n : 0;
        }
        traits_type::copy(pptr(), s, static_cast<std::size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    int sync() override { return Oproznij() ? 0 : -1; }

private:
    bool Zapisz(const char* s, std::size_t n) {
        while (n > 0) {
            const ssize_t w = ::write(fd_, s, n);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false;
            s += w;
            n -= static_cast<std::size_t>(w);
        }
        return true;
    }
    bool Oproznij() {
        const bool dobrze = Zapisz(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(bufor_.data(), bufor_.data() + bufor_.size());
        return dobrze;
    }
    int fd_;
    std::vector<char> bufor_;
};

} // namespace

int main(int argc, char** argv) {
    // A file-size limit (ulimit -f) would otherwise kill the program in the middle of a save; ignored,
    // it makes the write fail with EFBIG, which the save reports while keeping the old file.
    std::signal(SIGXFSZ, SIG_IGN);
    // The summary of projects has options of its own (--zestawienie, --csv).
    if (murolab::CzyZestawienie(std::vector<std::string>(argv + 1, argv + argc)))
        return murolab::UruchomZestawienie(
            std::vector<std::string>(argv + 1, argv + argc), murolab::KatalogDanych(), std::cout, std::cerr,
            [](const murolab::TOpisBudynku& budynek, const std::vector<murolab::TWierszZestawienia>& wiersze,
               const std::string& pdf) {
                return murolab::ZapiszZestawienieZWierszaPolecen(budynek, wiersze, pdf, std::cerr);
            });
    // Decided before any Qt object exists: a misspelt option gets its message and status 2 without a
    // window, and without a display being needed. (The copy of the arguments lives only for this
    // line: a batch of 100 000 file names is held once, in the options.)
    const murolab::TWywolanie wywolanie =
        murolab::RozpoznajWywolanie(std::vector<std::string>(argv + 1, argv + argc));
    // Found once, here, and handed to everything that reads the program's files.
    const std::filesystem::path katalogDanych = murolab::KatalogDanych();
    if (wywolanie.Rodzaj == murolab::TRodzajWywolania::Okno)
        return murolab::UruchomOkno(argc, argv, katalogDanych, murolab::KatalogUzytkownika());

    // No QApplication here: the report creates its own offscreen one when asked for.
    TWyjscieBuforowane bufor(STDOUT_FILENO);
    std::ostream wyjscie(&bufor);
    return murolab::UruchomWywolanie(wywolanie, katalogDanych, wyjscie, std::cerr,
                                     [&](const murolab::TModelProjektu& model, int ti, int te,
                                         const murolab::TAnalizaProjektu& analiza, const std::string& pdf) {
                                         return murolab::ZapiszRaportZWierszaPolecen(
                                             model, ti, te, analiza, pdf, katalogDanych, std::cerr);
                                     });
}
