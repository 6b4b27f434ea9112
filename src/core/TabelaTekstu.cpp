#include "core/TabelaTekstu.h"

#include "core/KrotkiTekst.h"

#include <algorithm>

namespace murolab {

std::string Wyrownaj(const std::string& tekst, std::size_t szerokosc, TWyrownanie w) {
    const std::size_t dlugosc = LiczbaZnakow(tekst);
    const std::string odstep(szerokosc > dlugosc ? szerokosc - dlugosc : 0, ' ');
    return w == TWyrownanie::DoLewej ? tekst + odstep : odstep + tekst;
}

std::string Tabela(const std::vector<TKolumna>& kolumny, const std::string& wciecie) {
    std::size_t wiersze = 0;
    std::vector<std::size_t> szerokosci;
    for (const auto& k : kolumny) {
        std::size_t s = LiczbaZnakow(k.Naglowek);
        for (const auto& c : k.Komorki)
            s = std::max(s, LiczbaZnakow(c));
        szerokosci.push_back(s);
        wiersze = std::max(wiersze, k.Komorki.size());
    }
    auto linia = [&](auto komorka) {
        std::string l = wciecie;
        for (std::size_t k = 0; k < kolumny.size(); ++k) {
            if (k > 0)
                l += "  ";
            l += Wyrownaj(komorka(k), szerokosci[k], kolumny[k].Wyrownanie);
        }
        while (!l.empty() && l.back() == ' ')
            l.pop_back();
        return l + "\n";
    };
    std::string s = linia([&](std::size_t k) { return kolumny[k].Naglowek; });
    std::size_t calosc = 0;
    for (std::size_t k = 0; k < szerokosci.size(); ++k)
        calosc += szerokosci[k] + (k > 0 ? 2 : 0);
    std::string kreska;
    for (std::size_t i = 0; i < calosc; ++i)
        kreska += "─";
    s += wciecie + kreska + "\n";
    for (std::size_t w = 0; w < wiersze; ++w)
        s += linia([&](std::size_t k) {
            const auto& c = kolumny[k].Komorki;
            return w < c.size() ? c[w] : std::string();
        });
    return s;
}

} // namespace murolab
