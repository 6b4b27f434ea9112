#include "app/Cli.h"
#include "files/PlikiDanych.h"
#include "output/PodgladWydruku.h"
#include "ui/Start.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    // Found once, here, and handed to everything that reads the program's files.
    const std::filesystem::path katalogDanych = murolab::KatalogDanych();
    if (murolab::CzyWierszPolecen(argumenty)) {
        // No QApplication here: the report creates its own offscreen one when asked for.
        return murolab::UruchomWierszPolecen(
            argumenty, katalogDanych, std::cout, std::cerr,
            [&](const murolab::TModelProjektu& model, int ti, int te, const std::string& pdf) {
                return murolab::ZapiszRaportZWierszaPolecen(model, ti, te, pdf, katalogDanych, std::cerr);
            });
    }
    return murolab::UruchomOkno(argc, argv, katalogDanych, murolab::KatalogUzytkownika());
}
