#pragma once
// The calculation pass: thermal resistances, U0 and the temperature profile, interleaved with the
// vapour diffusion (Glaser construction), the flux and the dew point. Nothing here shows anything.

#include "core/Bledy.h"
#include "core/Model.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace murolab {

// The bytes of "ula.dat" (55 little-endian doubles, entry 0 = -24 degC) into the table. Only a
// table that can be a saturation-pressure table is accepted: exactly 55 values, each finite,
// positive, at most 1000 hPa and greater than the one before. Otherwise the reason (Polish, without
// the file's name) is returned and the table is left as it was. The file itself is read by
// files/PlikTablicyNasycenia.h.
TBlad DekodujTabliceNasycenia(std::span<const std::uint8_t> bajty, TTablicaNasycenia& tablica);
// The value checks of DekodujTabliceNasycenia on a table in memory: the reason, or nothing when the
// table can be used. An empty table (all 0, never loaded) fails at its first entry.
TBlad SprawdzTabliceNasycenia(const TTablicaNasycenia& tablica);

// The first result of the last calculation that is not a finite number, by its name ("U0",
// "Temp[3]"), or nothing when all are finite. Checked after every calculation: such a result is
// never shown as if it were one.
TBlad NieskonczonyWynik(const TModelProjektu& model);

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
