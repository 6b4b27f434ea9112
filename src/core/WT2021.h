#pragma once
// The technical conditions' (WT 2021) maximum heat-transfer coefficient of a partition, by the kind
// of partition and the indoor temperature, and the overall verdict that joins it to the surface
// factor and to the yearly condensation check.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

// One row of the table. Ids are stored in project files: never change one.
struct TWierszWT {
    std::string_view Id;
    std::string_view Etykieta; // Polish, UTF-8
    // Umax for ti >= 16, 8 <= ti < 16 and ti < 8 degC; empty = no requirement in that column.
    std::array<std::optional<double>, 3> UMax;
};

const std::vector<TWierszWT>& WierszeWT();
const TWierszWT* ZnajdzWierszWT(std::string_view id); // nullptr for an unknown id
// The row that follows the partition type text of the working conditions (which may be cut to 40
// characters); the external-wall row for a text that names no known type.
const TWierszWT& DomyslnyWierszWT(std::string_view typPrzegrodyUtf8);
std::optional<double> UMaxWT(const TWierszWT& wiersz, double ti);

struct TOcenaWT {
    std::string Wiersz;   // the row's id
    std::string Etykieta; // the row's label
    std::optional<double> UMax;
    double Uk = 0;
    bool SpelniaU = false; // also true where the row sets no requirement at this ti
    bool SpelniafRsi = false;
    std::optional<bool> SpelniaKondensacja; // empty when the year was not checked (no climate)
    // The whole verdict: false as soon as one part that was checked fails, with or without a year;
    // empty only when U and fRsi pass and the year was not checked.
    std::optional<bool> Spelnia;
    // Why the partition could not be judged at all (its U comes from a method that does not apply to
    // it); Spelnia is then empty whatever the parts say. Empty for a partition that was judged.
    std::string Nieoceniona;
};

std::string_view TekstSpelnia(bool spelnia); // "spełnia" / "nie spełnia"

} // namespace murolab
