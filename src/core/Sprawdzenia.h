#pragma once
// The checks of the calculate command that do not depend on a window: the layer limits and the
// working conditions of the model. The window and the command line report their messages.

#include "core/Bledy.h"
#include "core/Model.h"

#include <optional>
#include <string>

namespace murolab::komunikaty {
// Captions.
inline constexpr const char* Uwaga = "Murolab -UWAGA !!!";
inline constexpr const char* Przypomnienie = "Murolab -Przypomnienie !!!";
inline constexpr const char* Murolab = "Murolab";

inline constexpr const char* BrakWarstw = "Nie wprowadzono warstw !!";
inline constexpr const char* ZlaLambda =
    "Podana wartość wspł. przwodzenia ciepła jest niepoprawna. Jeżeli nadal będze "
    "pojawiał się taki komunikat zajrzyj do pomocy programu.";
inline constexpr const char* ZleMi =
    "Podana wartość wspł. oporu dyfuzji jest niepoprawna. Jeżeli nadal będze pojawiał "
    "się taki komunikat zajrzyj do pomocy programu.";
inline constexpr const char* ZlaGrubosc =
    "Podana grubość warstwy jest niepoprawna. Jeżeli nadal będze pojawiał się "
    "taki komunikat zajrzyj do pomocy programu.";
inline constexpr const char* BrakWarunkow = "Nie określono warunków pracy !!";
inline constexpr const char* BrakMostkow = "W obliczeniach nie uwzględniono wpływu mostków cieplnych !";
inline constexpr const char* BledneDane = "Błędnie wporwadzone dane !!!";
} // namespace murolab::komunikaty

namespace murolab {

// The limits of a layer in use, bounds inclusive: what the calculate command holds every layer to,
// and so what every form that takes a layer (the grid, the insertion dialog) accepts. A vapour
// barrier foil of 0.2 mm is thicker than the least thickness.
struct TGraniceWarstwy {
    double Od;
    double Do;
};
inline constexpr TGraniceWarstwy kGraniceLambdy{0.01, 1000};
inline constexpr TGraniceWarstwy kGraniceMi{1, 9999999};
inline constexpr TGraniceWarstwy kGraniceGrubosci{0.0001, 10};

// The limits of one layer, tested in the order lambda, mu, d. Returns the message of the first
// failed test, or nothing when the layer passes.
TBlad BladWarstwy(double lambda, double mi, double grubosc);

enum class TStanWarunkow {
    Brak,        // "Nie określono warunków pracy !!": the calculation must not run
    BezPoprawek, // set, but no thermal-bridge correction of any kind: remind, then go on
    Kompletne,
};

TStanWarunkow SprawdzWarunkiModelu(const TModelProjektu& model);

} // namespace murolab
