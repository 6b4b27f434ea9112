#pragma once
// The command line's report: `murolab --oblicz PLIK.pro --raport RAPORT.pdf`, the same pages as the
// window's print preview (output/StronyRaportu.h), written without a window.

#include "core/AnalizaProjektu.h"
#include "core/Iso13788.h"
#include "core/Model.h"
#include "core/Zestawienie.h"
#include "files/Zestawienie.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace murolab {

// Takes a calculated model, the whole-degree ti and te that decide the verdict and the warmer side,
// and the moisture check of the same calculation (the one the command line prints), fills the
// report as a calculation in the window does and writes its three pages as PDF, with the pictures
// of katalogDanych. Needs no display: when no QApplication exists yet, it creates one on the
// "offscreen" platform for the time of the call (so main must not create its own before calling it
// in the command-line mode). Returns 0, or 2 after writing the reason to `err`.
int ZapiszRaportZWierszaPolecen(const TModelProjektu& model, int ti, int te, const TAnalizaIso13788& analiza,
                                const std::string& pdf, const std::filesystem::path& katalogDanych,
                                std::ostream& err);
// The same from the whole analysis the command line printed: a partition with bridged or air layers
// gets the pages of its sections, as in the window.
int ZapiszRaportZWierszaPolecen(const TModelProjektu& model, int ti, int te, const TAnalizaProjektu& analiza,
                                const std::string& pdf, const std::filesystem::path& katalogDanych,
                                std::ostream& err);

// The summary of projects as its PDF report (output/RaportZestawienia.h), dated today, without a window
// as above. Returns 0, or 2 after writing the reason to `err`.
int ZapiszZestawienieZWierszaPolecen(const TOpisBudynku& budynek,
                                     const std::vector<TWierszZestawienia>& wiersze, const std::string& pdf,
                                     std::ostream& err);

} // namespace murolab
