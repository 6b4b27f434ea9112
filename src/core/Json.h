#pragma once
// A small JSON value for the project file's extension block and the command line's output.
// Objects keep their keys in the order written, so a file read and written back keeps its order.
// The parser is strict (RFC 8259: no comments, no trailing commas, valid UTF-8 only, no duplicate
// keys, no numbers outside the range of a double) and reports in Polish with the line and column;
// the writer gives compact text whose numbers read back as the same double.

#include "core/Bledy.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace murolab {

class TWartoscJson {
public:
    enum class TRodzaj { Null, Logiczna, Liczba, Tekst, Tablica, Obiekt };
    using TElementy = std::vector<TWartoscJson>;
    using TPola = std::vector<std::pair<std::string, TWartoscJson>>;

    TWartoscJson() = default; // null
    TWartoscJson(std::nullptr_t) {}
    TWartoscJson(bool b) : v_(b) {}
    TWartoscJson(double x) : v_(x) {}
    TWartoscJson(int x) : v_(static_cast<double>(x)) {}
    TWartoscJson(std::string s) : v_(std::move(s)) {}
    TWartoscJson(const char* s) : v_(std::string(s)) {}
    static TWartoscJson Tablica() { return TWartoscJson(TElementy{}); }
    static TWartoscJson Obiekt() { return TWartoscJson(TPola{}); }

    TRodzaj Rodzaj() const { return static_cast<TRodzaj>(v_.index()); }
    bool CzyNull() const { return Rodzaj() == TRodzaj::Null; }
    bool CzyLogiczna() const { return Rodzaj() == TRodzaj::Logiczna; }
    bool CzyLiczba() const { return Rodzaj() == TRodzaj::Liczba; }
    bool CzyTekst() const { return Rodzaj() == TRodzaj::Tekst; }
    bool CzyTablica() const { return Rodzaj() == TRodzaj::Tablica; }
    bool CzyObiekt() const { return Rodzaj() == TRodzaj::Obiekt; }

    // The accessors throw std::bad_variant_access on a value of another kind.
    bool Logiczna() const { return std::get<bool>(v_); }
    double Liczba() const { return std::get<double>(v_); }
    const std::string& Tekst() const { return std::get<std::string>(v_); }
    const TElementy& Elementy() const { return std::get<TElementy>(v_); }
    TElementy& Elementy() { return std::get<TElementy>(v_); }
    const TPola& Pola() const { return std::get<TPola>(v_); }
    TPola& Pola() { return std::get<TPola>(v_); }

    // Objects: the member of that key, or nullptr (also for a value that is not an object).
    const TWartoscJson* Znajdz(std::string_view klucz) const;
    // Objects: replaces the member of that key in its place, or appends it.
    void Ustaw(std::string_view klucz, TWartoscJson wartosc);
    // Objects: removes the member of that key, if any.
    void Usun(std::string_view klucz);
    // Arrays: appends (built in place from whatever makes a value).
    template <typename T> void Dodaj(T&& wartosc) { Elementy().emplace_back(std::forward<T>(wartosc)); }

    friend bool operator==(const TWartoscJson& a, const TWartoscJson& b) { return a.v_ == b.v_; }

private:
    explicit TWartoscJson(TElementy e) : v_(std::move(e)) {}
    explicit TWartoscJson(TPola p) : v_(std::move(p)) {}
    std::variant<std::nullptr_t, bool, double, std::string, TElementy, TPola> v_;
};

// The compact text of a value. Numbers are the shortest text that reads back as the same double,
// with a full stop; a number that is not finite has no JSON form and is written as null. Texts are
// written as UTF-8 with ", \ and the control characters escaped; a byte that is not part of valid
// UTF-8 (a file name in another encoding) is written as the escape of its Latin-1 reading, byte
// 0xE9 as \u00e9, so that the output is always valid UTF-8.
std::string ZapiszJson(const TWartoscJson& wartosc);
// The same text appended to `cel`, for a writer that reuses its buffer.
void DopiszJson(const TWartoscJson& wartosc, std::string& cel);

// The text of a number as ZapiszJson writes it ("0.13", "3", "1e-06"); "null" when not finite.
std::string LiczbaJson(double x);

// The text of a string as ZapiszJson writes it, quotes included.
std::string TekstJson(std::string_view utf8);

// Reads one JSON value; blanks around it are allowed, anything else after it is not. The message of
// a refusal says what is wrong and where: "... (wiersz 2, kolumna 7)". Nesting deeper than
// kMaksGlebokoscJson is refused, so a hostile file cannot exhaust the stack.
inline constexpr int kMaksGlebokoscJson = 64;
TWynik<TWartoscJson> ParsujJson(std::string_view tekst);

} // namespace murolab
