#include "app/Cli.h"
#include "ui/Start.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    if (murolab::CzyWierszPolecen(argumenty))
        return murolab::UruchomWierszPolecen(argumenty, std::cout, std::cerr);
    return murolab::UruchomOkno(argc, argv);
}
