#pragma once
// The moisture and summer checks of a partition with bridged or air layers: every check runs on each
// section as a one-dimensional partition of its own (a stud section condenses less but has the lower
// fRsi), and each verdict is the worst over the sections, naming the section it comes from.

#include "core/Iso13788.h"
#include "core/Iso6946.h"
#include "core/Json.h"
#include "core/Lato.h"
#include "core/Model.h"
#include "core/Obliczenia.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace murolab {

struct TAnalizaPrzekroju {
    TPrzekroj Przekroj;
    TModelProjektu Model; // the section's partition, with the results of the calculation pass
    TWerdykt Powierzchnia;
    TAnalizaIso13788 Iso13788; // its WT verdict is the section's own; the partition's is below
    std::optional<TLato> Lato;
};

struct TAnalizaNiejednorodna {
    TMetodaLaczona Metoda;
    std::vector<TAnalizaPrzekroju> Przekroje; // in the order of Metoda.Przekroje
    // Indices into Przekroje: the section shown by default, and where each worst verdict comes from.
    std::size_t Najwiekszy = 0;
    std::size_t NajgorszaPowierzchnia = 0;   // the coldest inner surface
    std::size_t NajgorszaKondensacja = 0;    // the most condensing at the design condition
    std::size_t NajgorszeFRsi = 0;           // the lowest fRsi
    std::optional<std::size_t> NajgorszyRok; // growing before drying, then the largest Ma; with a climate
    // The WT 2021 verdict of the partition: its Uk with the worst section's fRsi and year. Not given
    // ("nie oceniono", the reason in Nieoceniona) when the combined method does not apply.
    TOcenaWT WT;
};

// `model` must hold the results of ObliczPrzegrode and pass SprawdzNiejednorodnosc; the other
// arguments are those of AnalizujIso13788. The surface verdicts use the working conditions' ti and te.
TAnalizaNiejednorodna AnalizujNiejednorodna(const TModelProjektu& model, const TKlimat* klimat,
                                            const std::string& nazwaKlimatu, TWnetrze wnetrze,
                                            const TWierszWT& wiersz);

// One line per section for the report: its name, then the surface, the design condition, the year
// (with a climate) and fRsi, e.g. "przez Krokiew 12 %: na powierzchni brak kondensacji; wewnątrz brak
// kondensacji; w roku brak kondensacji; fRsi = 0,912".
std::string WerdyktyPrzekroju(const TAnalizaPrzekroju& przekroj);
// What a worst verdict adds to name its section: "przekrój „przez Krokiew 12 %”".
std::string ZrodloWerdyktu(const TAnalizaNiejednorodna& analiza, std::size_t przekroj);

// The "Niejednorodna" object of the command line's JSON: "RTGorna", "RTDolna", "RT", "Blad" (e as a
// fraction), "Stosowalna" and "Przekroje", each with "Udzial", "RT", "U", "Warstwy" (the names of its
// layers), "Kondensacja", "Roczny", "fRsi" and "Letnie" shaped as the top-level keys of those names.
TWartoscJson JsonNiejednorodnej(const TAnalizaNiejednorodna& analiza);

} // namespace murolab
