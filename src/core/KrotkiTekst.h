#pragma once
// Short strings: the program's text fields are held as the files hold them, one length byte and a
// fixed number of Windows-1250 bytes. Display code works in UTF-8 and converts at the edge.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace murolab {

// Windows-1250 <-> UTF-8. Characters that the code page cannot hold become '?'; bytes of the
// code page that have no character (0x81, 0x83, 0x88, 0x90, 0x98) decode to U+FFFD.
std::string Cp1250NaUtf8(std::string_view cp1250);
std::string Utf8NaCp1250(std::string_view utf8);

// Number of characters (not bytes) in a UTF-8 text; used to compare lengths the way the user counts.
std::size_t LiczbaZnakow(std::string_view utf8);

// The order of names in the program's lists (the materials of a catalogue group): Polish
// alphabetical order, letters without regard to case (a ą b c ć … ł … ó … ś … ź ż), and a run of
// digits compared by the number it writes ("EPS 50" < "EPS 70" < "EPS 100" < "EPS 200"; "0,5" with
// its comma as the decimal separator). Blanks and punctuation come before digits, digits before
// letters. Names equal by these rules are ordered by their bytes, so the order is total.
// Negative when a comes first, zero for the same text, positive otherwise. Both in UTF-8.
int PorownajPolsku(std::string_view a, std::string_view b);

// The noun that goes with a count in Polish: 1 wiersz, 2-4 wiersze (also 22-24, but not 12-14),
// otherwise wierszy.
std::string_view Odmiana(long long liczba, std::string_view jeden, std::string_view kilka,
                         std::string_view wiele);

template <std::size_t N> class TKrotkiTekst {
public:
    static constexpr std::size_t Pojemnosc = N;

    TKrotkiTekst() = default;

    // Stores the text cut to its first N characters (after conversion to the code page).
    void UstawUtf8(std::string_view utf8) { UstawCp1250(Utf8NaCp1250(utf8)); }
    void UstawCp1250(std::string_view bajty) {
        dlugosc_ = static_cast<std::uint8_t>(std::min(bajty.size(), N));
        znaki_.fill(0);
        std::copy_n(bajty.begin(), dlugosc_, znaki_.begin());
    }

    // Reads a stored image: a length byte above N is taken as N, never as a licence to read on.
    void UstawObraz(const std::uint8_t* obraz) {
        std::size_t n = std::min<std::size_t>(obraz[0], N);
        UstawCp1250(std::string_view(reinterpret_cast<const char*>(obraz + 1), n));
    }
    // Writes the N + 1 byte image; unused bytes are zeros.
    void ZapiszObraz(std::uint8_t* obraz) const {
        obraz[0] = dlugosc_;
        std::copy(znaki_.begin(), znaki_.end(), obraz + 1);
    }

    std::string_view Cp1250() const { return {znaki_.data(), dlugosc_}; }
    std::string Utf8() const { return Cp1250NaUtf8(Cp1250()); }
    std::size_t Dlugosc() const { return dlugosc_; }
    bool Pusty() const { return dlugosc_ == 0; }
    void Wyczysc() { UstawCp1250({}); }

    friend bool operator==(const TKrotkiTekst& a, const TKrotkiTekst& b) { return a.Cp1250() == b.Cp1250(); }

private:
    std::uint8_t dlugosc_ = 0;
    std::array<char, N> znaki_{};
};

} // namespace murolab
