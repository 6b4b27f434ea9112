#pragma once
// Shared by the command-line tests: a temporary directory, a project written to it, one run.

#include "app/Cli.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace test {

struct TUruchomienie {
    int Kod = -1;
    std::string Wyjscie;
    std::string Bledy;
};

inline TUruchomienie Uruchom(const std::vector<std::string>& argumenty) {
    std::ostringstream out, err;
    TUruchomienie u;
    u.Kod = murolab::UruchomWierszPolecen(argumenty, out, err);
    u.Wyjscie = out.str();
    u.Bledy = err.str();
    return u;
}

class TKatalogTymczasowy {
public:
    explicit TKatalogTymczasowy(const std::string& nazwa)
        : sciezka_(std::filesystem::temp_directory_path() / (nazwa + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(sciezka_);
        std::filesystem::create_directories(sciezka_);
    }
    ~TKatalogTymczasowy() { std::filesystem::remove_all(sciezka_); }
    std::string Plik(const std::string& nazwa) const { return (sciezka_ / nazwa).string(); }

    std::string Projekt(const std::string& nazwa, const murolab::TModelProjektu& m) const {
        const std::string p = Plik(nazwa);
        EXPECT_EQ(murolab::ZapiszPlikProjektu(p, murolab::KodujRekord(m)), "");
        return p;
    }

private:
    std::filesystem::path sciezka_;
};

} // namespace test
