#pragma once
// The command line's report: `murolab --oblicz PLIK.pro --raport RAPORT.pdf`, the same pages as the
// window's print preview (output/StronyRaportu.h), written without a window.

#include "core/Model.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace murolab {

// Takes a calculated model and the whole-degree ti and te that decide the verdict and the warmer
// side, fills the report as a calculation does and writes it as PDF, with the pictures of
// katalogDanych. Needs no display: when no QApplication exists yet, it creates one on the
// "offscreen" platform for the time of the call (so main must not create its own before calling it
// in the command-line mode). Returns 0, or 2 after writing the reason to `err`.
int ZapiszRaportZWierszaPolecen(const TModelProjektu& model, int ti, int te, const std::string& pdf,
                                const std::filesystem::path& katalogDanych, std::ostream& err);

} // namespace murolab
