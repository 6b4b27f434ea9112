#pragma once
// The program's number notations, always in the Polish format (decimal comma, no grouping),
// whatever the machine's locale, and the program's own text-to-number conversions.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace murolab {

// A text that does not convert. what() is the message shown to the user, e.g.
// "„abc” nie jest poprawną liczbą rzeczywistą".
class BladKonwersji : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "general": the shortest decimal form with at most 15 significant digits; scientific notation
// only below 0.00001 or with more than 15 digits before the separator. 0.13 -> "0,13", 1e-6 -> "1E-6".
std::string Ogolny(double wartosc);

// "fixed(p, d)": rounded to p significant digits and to d decimals, whichever keeps fewer digits,
// written with exactly d decimals ("0,0450", "12,3500", "2339,0"); more than p digits before the
// separator give scientific notation. A value that rounds to zero is written without a sign.
std::string Staly(double wartosc, int p, int d);

// Text to number as the program accepts it: optional blanks, an optional sign, digits with at most
// one decimal comma (",5" and "5," included), an optional exponent. Nothing else: no full stop, no
// grouping, no "nan"/"inf". Throws BladKonwersji with "„%s” nie jest poprawną liczbą rzeczywistą".
double NaLiczbe(std::string_view tekst);
bool ProbujNaLiczbe(std::string_view tekst, double& wynik);

// Text to a 32-bit integer: optional sign and decimal digits. Throws BladKonwersji with
// "„%s” nie jest poprawną liczbą całkowitą".
std::int32_t NaCalkowita(std::string_view tekst);
bool ProbujNaCalkowita(std::string_view tekst, std::int32_t& wynik);

// Plain decimal integer ("-5", "20").
std::string Calkowita(std::int64_t wartosc);

// The quick way to the 15 significant digits every notation starts from: for a finite value
// 0 < a < 10^40 (about), `cyfry` (10^14 <= cyfry < 10^15) and `wykladnik` such that a rounded to 15
// digits is 0.cyfry * 10^wykladnik. False where the quick way cannot be sure (beyond its range, or a
// value too near half a unit of the last digit): the exact conversion then decides.
bool Cyfry15Szybko(double a, std::uint64_t& cyfry, int& wykladnik);

} // namespace murolab
