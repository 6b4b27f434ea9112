#include "app/Cli.h"
#include "files/PlikiDanych.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    if (murolab::CzyWierszPolecen(argumenty))
        return murolab::UruchomWierszPolecen(argumenty, std::cout, std::cerr);

    std::cerr << "Okno programu nie jest jeszcze zbudowane; obliczam przykładowy projekt.\n";
    return murolab::UruchomWierszPolecen({"--oblicz", murolab::ZnajdzPlikDanych("przyklad.pro")}, std::cout,
                                         std::cerr);
}
