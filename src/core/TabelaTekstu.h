#pragma once
// A plain-text table for the command line: columns padded by characters (not bytes), a rule of
// box-drawing dashes under the headings, no trailing blanks.

#include <cstddef>
#include <string>
#include <vector>

namespace murolab {

enum class TWyrownanie { DoLewej, DoPrawej };

struct TKolumna {
    std::string Naglowek;
    TWyrownanie Wyrownanie;
    std::vector<std::string> Komorki;
};

std::string Wyrownaj(const std::string& tekst, std::size_t szerokosc, TWyrownanie w);

// The columns side by side, two blanks apart; a shorter column leaves its cells empty. `wciecie`
// stands before each line (the rule's too).
std::string Tabela(const std::vector<TKolumna>& kolumny, const std::string& wciecie = {});

} // namespace murolab
