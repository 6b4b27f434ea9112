#pragma once
// The readers of the program's files take a path, as the program calls them: each input is written
// to one file in a private temporary directory of this process (in memory where /dev/shm exists)
// and read back through that path. The directory goes when the run ends normally.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace murolab::fuzz {

class TPlikTymczasowy {
public:
    explicit TPlikTymczasowy(const char* nazwa) {
        const char* tmp = std::getenv("TMPDIR");
        if ((!tmp || !*tmp) && ::access("/dev/shm", W_OK) == 0)
            tmp = "/dev/shm";
        katalog_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/murolab_fuzz_XXXXXX";
        if (!::mkdtemp(katalog_.data()))
            std::abort();
        sciezka_ = katalog_ + "/" + nazwa;
    }
    ~TPlikTymczasowy() {
        ::unlink(sciezka_.c_str());
        ::rmdir(katalog_.c_str());
    }
    TPlikTymczasowy(const TPlikTymczasowy&) = delete;
    TPlikTymczasowy& operator=(const TPlikTymczasowy&) = delete;

    // Writes the input whole; a failure here is the machine's, not the reader's, so it aborts.
    const std::string& Zapisz(const std::uint8_t* dane, std::size_t rozmiar) const {
        std::FILE* f = std::fopen(sciezka_.c_str(), "wb");
        if (!f || (rozmiar > 0 && std::fwrite(dane, 1, rozmiar, f) != rozmiar) || std::fclose(f) != 0)
            std::abort();
        return sciezka_;
    }

private:
    std::string katalog_;
    std::string sciezka_;
};

} // namespace murolab::fuzz
