#pragma once
// A fresh directory under the system's temporary directory, removed with everything in it at the
// end of the test; small helpers for the bytes of a group file; the message of a failed group-file
// operation.

#include "catalogue/PlikGrupy.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace murolab::test {

class TKatalogTymczasowy {
public:
    TKatalogTymczasowy() {
        std::string wzor = (std::filesystem::temp_directory_path() / "murolab-katalog-XXXXXX").string();
        if (mkdtemp(wzor.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        sciezka_ = wzor;
    }
    ~TKatalogTymczasowy() {
        std::error_code blad;
        std::filesystem::permissions(sciezka_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, blad);
        std::filesystem::remove_all(sciezka_, blad);
    }
    TKatalogTymczasowy(const TKatalogTymczasowy&) = delete;
    TKatalogTymczasowy& operator=(const TKatalogTymczasowy&) = delete;

    const std::filesystem::path& Sciezka() const { return sciezka_; }
    std::filesystem::path operator/(const std::string& nazwa) const { return sciezka_ / nazwa; }

private:
    std::filesystem::path sciezka_;
};

inline std::vector<std::uint8_t> CzytajBajty(const std::filesystem::path& plik) {
    std::ifstream wej(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(wej), std::istreambuf_iterator<char>()};
}

inline void ZapiszBajty(const std::filesystem::path& plik, const std::vector<std::uint8_t>& bajty) {
    std::ofstream wyj(plik, std::ios::binary | std::ios::trunc);
    wyj.write(reinterpret_cast<const char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
}

// The message of a failed group-file operation, "" when it succeeded.
inline std::string KomunikatBledu(const TBlad& blad) {
    return blad.value_or("");
}
template <typename T> std::string KomunikatBledu(const TWynik<T>& wynik) {
    const std::string* blad = Niepowodzenie(wynik);
    return blad ? *blad : std::string();
}

// The value of an operation that has to succeed; its failure ends the test with its message.
template <typename T> T Wartosc(TWynik<T> wynik) {
    if (const std::string* blad = Niepowodzenie(wynik))
        throw std::runtime_error(*blad);
    return std::get<T>(std::move(wynik));
}

} // namespace murolab::test
