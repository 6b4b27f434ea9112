#pragma once
// The calculation pass: thermal resistances, U0 and the temperature profile, interleaved with the
// vapour diffusion (Glaser construction), the flux and the dew point. Nothing here shows anything.

#include "core/Model.h"

#include <optional>
#include <string>

namespace murolab {

// Reads "ula.dat" (little-endian doubles, entry 0 = -24 degC) into the table, from the first entry
// on, until the end of the file or the 55th entry (further records are ignored). Entries not read
// stay as they were (0 at start). Returns the input-output error message when the file cannot be
// opened or read, or ends in a partial record (the whole records before it are kept); else nothing.
// A short file is no error; `liczbaWczytanych`, when given, receives the number of entries read.
std::optional<std::string> WczytajTabliceNasycenia(const std::string& plik, TTablicaNasycenia& tablica,
                                                   int* liczbaWczytanych = nullptr);

// Saturation pressure at t degC in the table's unit (hPa), linear between whole degrees.
// Temperatures outside -24..30 are clamped to the table's ends; entry 55 is never read.
double CisnienieNasycenia(const TTablicaNasycenia& tablica, double t);

// The whole pass of the calculate command: clears every result, then computes them from the
// layer table (LiczbaWarstw records) and the working conditions. The caller has checked the input;
// a count outside 0..15 throws std::out_of_range before anything is changed.
void ObliczPrzegrode(TModelProjektu& model);

// The dew point of air whose partial vapour pressure is `cisnienieCzastkowe` (Pa): the first of
// 0, 0.1, 0.2, ... (by repeated addition) whose saturation pressure exceeds it. Never below 0 degC;
// when no step up to +30 degC exceeds it (an empty table, a humidity above 100 %), the result is 30.
double PunktRosy(const TTablicaNasycenia& tablica, double cisnienieCzastkowe);

// The corrected coefficient and its two computed terms, from the current results and corrections.
double DeltaUg(const TModelProjektu& model);
double DeltaUf(const TModelProjektu& model);
double Uk(const TModelProjektu& model);

enum class TRodzajWerdyktu { Konsultacja, Kondensacja, BrakKondensacji };

struct TWerdykt {
    TRodzajWerdyktu Rodzaj;
    std::string Tekst; // UTF-8
    bool Czerwony;     // red, else the default black
    bool PokazKryterium() const { return Rodzaj == TRodzajWerdyktu::Kondensacja; }
};

// The surface-condensation verdict. ti and te are the whole-degree temperatures that the
// working-conditions sheet shows (not necessarily the stored ones); Ts and Temp[1] come from the model.
TWerdykt WerdyktKondensacji(int ti, int te, const TModelProjektu& model);

} // namespace murolab
