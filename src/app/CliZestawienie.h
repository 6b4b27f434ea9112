#pragma once
// The command line's summary of a building's partitions:
//   murolab --zestawienie A.pro B.pro … [--csv PLIK.csv] [--raport R.pdf] [--json]
//                         [--klimat …] [--wnetrze …] [--wiersz-wt …]
//   murolab --zestawienie BUDYNEK.zestawienie.json [the same options]
// Prints the table (or one JSON object with "Wiersze"), writes the spreadsheet and the report.
// Exit status: 0 every row computed, 1 a row failed to compute, 2 a file could not be read or
// written, or a wrong command line; every row is printed whatever the others do.

#include "core/Zestawienie.h"
#include "files/Zestawienie.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace murolab {

// Writes the summary's PDF report; returns 0, or 2 after writing the reason to the error stream.
// Needs Qt, so the program passes it in and this library stays plain.
using TZapisRaportuZestawienia = std::function<int(
    const TOpisBudynku& budynek, const std::vector<TWierszZestawienia>& wiersze, const std::string& pdf)>;

// True when the arguments ask for the summary, --zestawienie or --csv (main decides with it before the
// other modes).
bool CzyZestawienie(const std::vector<std::string>& argumenty);

int UruchomZestawienie(const std::vector<std::string>& argumenty, const std::filesystem::path& katalogDanych,
                       std::ostream& out, std::ostream& err,
                       const TZapisRaportuZestawienia& zapiszRaport = {});

} // namespace murolab
