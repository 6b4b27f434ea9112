#pragma once
// The fields of the 1296-byte project record, each once: its name (as in the model and in the
// command line's JSON), its place in the record, its type and the values a file may hold in it.
// The encoder, the decoder, the checks made when a file is opened and the command line's JSON all
// walk these lists, so a field is added here and nowhere else.

#include "core/Bledy.h"
#include "core/Json.h"
#include "core/Model.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace murolab {

inline constexpr std::size_t kRozmiarWarstwyRekordu = 72; // one layer record, at 72 * (k - 1)
inline constexpr std::size_t kPoczatekWarunkow = 1080;
inline constexpr std::size_t kPrzesuniecieLiczbyWarstw = 1288;

// Which values a field may hold in a file that is opened. A value passes when it is the field's
// "not set" value, or lies within the range, or is one of the listed values; a text passes the
// text test. Bounds are exclusive where the checks of the window are (0.01 < Rsi < 0.3).
struct TDopuszczalne {
    std::optional<double> Nieustalona;
    bool MaZakres = false;
    double Od = -std::numeric_limits<double>::infinity();
    bool OdWlacznie = true;
    double Do = std::numeric_limits<double>::infinity();
    bool DoWlacznie = true;
    std::array<double, 2> Wartosci{};
    int LiczbaWartosci = 0;
    // Texts: the test a stored text (UTF-8) must pass, and what it asks for in words.
    bool (*Tekst)(std::string_view utf8) = nullptr;
    std::string_view OpisTekstu;
};

template <typename W> struct TPoleRekordu {
    std::string_view Nazwa;   // "TempZewn"
    std::string_view Opis;    // "temperatura zewnętrzna te", for messages
    std::size_t Przesuniecie; // from the start of the record, or of the layer record
    std::variant<std::int32_t W::*, double W::*, TKrotkiTekst<40> W::*> Miejsce;
    TDopuszczalne Dopuszczalne;
};

using TPoleWarstwy = TPoleRekordu<TWarstwa>;
using TPoleWarunkow = TPoleRekordu<TWarunkiPracy>;

bool TekstBezZnakowSterujacych(std::string_view utf8);

namespace pola_detail {
constexpr TDopuszczalne NieUjemna() {
    TDopuszczalne d;
    d.MaZakres = true;
    d.Od = 0;
    return d;
}
constexpr TDopuszczalne Zakres(std::optional<double> nieustalona, double od, bool odWlacznie, double do_,
                               bool doWlacznie) {
    TDopuszczalne d;
    d.Nieustalona = nieustalona;
    d.MaZakres = true;
    d.Od = od;
    d.OdWlacznie = odWlacznie;
    d.Do = do_;
    d.DoWlacznie = doWlacznie;
    return d;
}
constexpr TDopuszczalne Wartosci(double nieustalona, double a, double b) {
    TDopuszczalne d;
    d.Nieustalona = nieustalona;
    d.Wartosci = {a, b};
    d.LiczbaWartosci = 2;
    return d;
}
constexpr TDopuszczalne Tekst(bool (*test)(std::string_view), std::string_view opis) {
    TDopuszczalne d;
    d.Tekst = test;
    d.OpisTekstu = opis;
    return d;
}
} // namespace pola_detail

// The layer record. Its values are checked for the layers within the count; the slots behind it
// carry whatever the layer table held there and only have to be numbers.
inline const std::array<TPoleWarstwy, 4> kPolaWarstwy = {{
    {"Nazwa", "nazwa materiału", 0, &TWarstwa::Nazwa,
     pola_detail::Tekst(TekstBezZnakowSterujacych, "tekst bez znaków sterujących")},
    {"Grubosc", "grubość d", 48, &TWarstwa::Grubosc, pola_detail::NieUjemna()},
    {"Lambda", "współczynnik przewodzenia ciepła λ", 56, &TWarstwa::Lambda, pola_detail::NieUjemna()},
    {"Mi", "współczynnik oporu dyfuzyjnego μ", 64, &TWarstwa::Mi, pola_detail::NieUjemna()},
}};

// The working conditions and the corrections. The limits are those the window enforces before it
// stores a value ("&Wprowadź" on the working-conditions sheet, the corrections dialog); the "not
// set" values are those of a reset, and of a project saved before the conditions were entered.
inline const std::array<TPoleWarunkow, 17> kPolaWarunkow = {{
    {"TempZewn", "temperatura zewnętrzna te", 1080, &TWarunkiPracy::TempZewn,
     pola_detail::Zakres(kTempNieustalonaZewn, -24, true, 30, false)},
    {"TempWew", "temperatura wewnętrzna ti", 1084, &TWarunkiPracy::TempWew,
     pola_detail::Zakres(kTempNieustalonaWewn, -24, false, 30, true)},
    {"WilgotZewn", "wilgotność zewnętrzna φe", 1088, &TWarunkiPracy::WilgotZewn,
     pola_detail::Zakres(0, 0, false, 100, false)},
    {"WilgotWewn", "wilgotność wewnętrzna φi", 1092, &TWarunkiPracy::WilgotWewn,
     pola_detail::Zakres(0, 0, false, 100, false)},
    {"Rsi", "opór przejmowania ciepła Rsi", 1096, &TWarunkiPracy::Rsi,
     pola_detail::Zakres(0, 0.01, false, 0.3, false)},
    {"Rse", "opór przejmowania ciepła Rse", 1104, &TWarunkiPracy::Rse,
     pola_detail::Zakres(0, 0.01, false, 0.3, false)},
    // The three texts only label the conditions (Rsi, Rse and te are stored as numbers of their
    // own), and files from elsewhere carry texts of their own: they are held to no list.
    {"TypPrzegrody", "typ przegrody", 1112, &TWarunkiPracy::TypPrzegrody,
     pola_detail::Tekst(TekstBezZnakowSterujacych, "tekst bez znaków sterujących")},
    {"StrefaKl", "strefa klimatyczna", 1153, &TWarunkiPracy::StrefaKl,
     pola_detail::Tekst(TekstBezZnakowSterujacych, "tekst bez znaków sterujących")},
    {"WarunkiWilg", "warunki wilgotnościowe", 1194, &TWarunkiPracy::WarunkiWilg,
     pola_detail::Tekst(TekstBezZnakowSterujacych, "tekst bez znaków sterujących")},
    // A correction's layer number is held to the record's slots, not to the layer count: deleting
    // layers used to leave it behind (the calculation gives a layer behind the count no resistance),
    // and a file of more than 10 layers may set it on any of them.
    {"NrNieszczelnosci", "nr warstwy z nieszczelnościami", 1236, &TWarunkiPracy::NrNieszczelnosci,
     pola_detail::Zakres(0, 0, false, kLiczbaSlotow, true)},
    // The air-void level is typed into a list of digits and one separator, at most 7 characters.
    {"DeltaU", "poziom nieszczelności ΔU″", 1240, &TWarunkiPracy::DeltaU,
     pola_detail::Zakres(0, 0, true, 9999999, true)},
    {"LambdaF", "współczynnik przewodzenia ciepła łącznika λf", 1248, &TWarunkiPracy::LambdaF,
     pola_detail::Zakres(0, 0, false, 1000, true)},
    {"Alfa", "współczynnik typu łącznika αf", 1256, &TWarunkiPracy::Alfa,
     pola_detail::Zakres(0, 0, false, 10, true)},
    {"LiczbaF", "liczba łączników nf", 1260, &TWarunkiPracy::LiczbaF,
     pola_detail::Zakres(0, 0, false, 100, false)},
    {"PoleF", "pole przekroju łącznika Af", 1264, &TWarunkiPracy::PoleF,
     pola_detail::Zakres(0, 0, false, 100, false)},
    {"DeltaUk", "dodatek na mostki liniowe ΔUk", 1272, &TWarunkiPracy::DeltaUk,
     pola_detail::Wartosci(0, 0.05, 0.15)},
    {"MostekWlasny", "dodatek własny", 1280, &TWarunkiPracy::MostekWlasny,
     pola_detail::Zakres(0, 0, false, 10, true)},
}};

// What the extension block keeps for each layer beyond the record: its key in a "Warstwy" entry, its
// words for messages, the model's member, and the values a file and the layer grid may hold (the
// physical bounds: no building material is denser than 25 000 kg/m3 or stores more than
// 10 kJ/(kg K); larger values would only overflow the summer figures). The block's reader and writer
// and the grid's check walk this list, so a value of a layer is added here.
struct TPoleWarstwyRozszerzenia {
    std::string_view Nazwa; // "Gestosc", the key in the block
    std::string_view Opis;  // "gęstość ρ [kg/m³]"
    std::optional<double> TWarstwa::*Miejsce;
    TDopuszczalne Dopuszczalne;
};
inline const std::array<TPoleWarstwyRozszerzenia, 2> kPolaWarstwyRozszerzenia = {{
    {"Gestosc", "gęstość ρ [kg/m³]", &TWarstwa::Gestosc,
     pola_detail::Zakres(std::nullopt, 0, true, 25000, true)},
    // In kJ/(kg K), as the catalogue and the grid keep it.
    {"Cieplo", "ciepło właściwe c [kJ/(kg·K)]", &TWarstwa::Cieplo,
     pola_detail::Zakres(std::nullopt, 0, true, 10, true)},
}};

// The extension block's layer value of that name; std::out_of_range for a name that is none.
const TPoleWarstwyRozszerzenia& PoleWarstwyRozszerzenia(std::string_view nazwa);

// The layer count, the one field outside both lists.
inline constexpr TDopuszczalne kDopuszczalnaLiczbaWarstw =
    pola_detail::Zakres(std::nullopt, 0, true, kLiczbaSlotow, true);

// The working-conditions field of that name; std::out_of_range for a name that is none.
const TPoleWarunkow& PoleWarunkow(std::string_view nazwa);

// What a layer in use may hold for the calculation ("Lambda", "Mi", "Grubosc"; bounds inclusive):
// the calculate command's limits (core/Sprawdzenia.h) in the table's terms, for the forms that take
// a layer. A file may hold other non-negative values; the calculation refuses them. Throws
// std::out_of_range for another name.
const TDopuszczalne& GraniceWarstwy(std::string_view nazwa);

// Within the range or one of the listed values; the "not set" value alone does not count. The
// window's checks use this, as they refuse an unset value.
bool WZakresie(const TDopuszczalne& d, double x);
// What a file may hold: the "not set" value or a value within the range.
bool Dopuszczalna(const TDopuszczalne& d, double x);
// "-50 (nieustalona) albo -24 ≤ TempZewn < 30": the allowed values in words, for messages.
std::string OpisDopuszczalnych(std::string_view nazwa, const TDopuszczalne& d);

// Reads and writes one field of a record image at its offset (little-endian).
void ZapiszPole(const TPoleWarstwy& p, const TWarstwa& w, std::uint8_t* obraz);
void ZapiszPole(const TPoleWarunkow& p, const TWarunkiPracy& w, std::uint8_t* obraz);
void CzytajPole(const TPoleWarstwy& p, TWarstwa& w, const std::uint8_t* obraz);
void CzytajPole(const TPoleWarunkow& p, TWarunkiPracy& w, const std::uint8_t* obraz);

// A number field that holds no number (NaN, an infinity); the message names the field.
// `ktora` follows the name in the message, e.g. " warstwy 3".
TBlad BladLiczby(const TPoleWarstwy& p, const TWarstwa& w, std::string_view ktora);
TBlad BladLiczby(const TPoleWarunkow& p, const TWarunkiPracy& w, std::string_view ktora);
// A value outside what the field allows; the message names the field and the value.
TBlad BladWartosci(const TPoleWarstwy& p, const TWarstwa& w, std::string_view ktora);
TBlad BladWartosci(const TPoleWarunkow& p, const TWarunkiPracy& w, std::string_view ktora);

// The field's value for the command line's JSON: numbers, or the text in UTF-8.
TWartoscJson WartoscJson(const TPoleWarstwy& p, const TWarstwa& w);
TWartoscJson WartoscJson(const TPoleWarunkow& p, const TWarunkiPracy& w);

} // namespace murolab
