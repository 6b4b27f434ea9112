#include "app/Cli.h"
#include "app/CliZestawienie.h"
#include "app/RaportZWierszaPolecen.h"
#include "files/PlikiDanych.h"
#include "ui/Start.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A file-size limit (ulimit -f) would otherwise kill the program in the middle of a save; ignored,
    // it makes the write fail with EFBIG, which the save reports while keeping the old file.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    // Found once, here, and handed to everything that reads the program's files.
    const std::filesystem::path katalogDanych = murolab::KatalogDanych();
    if (murolab::CzyZestawienie(argumenty))
        return murolab::UruchomZestawienie(
            argumenty, katalogDanych, std::cout, std::cerr,
            [](const murolab::TOpisBudynku& budynek, const std::vector<murolab::TWierszZestawienia>& wiersze,
               const std::string& pdf) {
                return murolab::ZapiszZestawienieZWierszaPolecen(budynek, wiersze, pdf, std::cerr);
            });
    if (murolab::CzyWierszPolecen(argumenty)) {
        // No QApplication here: the report creates its own offscreen one when asked for.
        return murolab::UruchomWierszPolecen(
            argumenty, katalogDanych, std::cout, std::cerr,
            [&](const murolab::TModelProjektu& model, int ti, int te,
                const murolab::TAnalizaIso13788& analiza, const std::string& pdf) {
                return murolab::ZapiszRaportZWierszaPolecen(model, ti, te, analiza, pdf, katalogDanych,
                                                            std::cerr);
            });
    }
    return murolab::UruchomOkno(argc, argv, katalogDanych, murolab::KatalogUzytkownika());
}
