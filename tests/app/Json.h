#pragma once
// A small strict JSON reader for the tests: enough to check the command line's output key by key,
// written apart from the program's writer so that a malformed object is caught.

#include <charconv>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace murolab::test {

struct TJson {
    enum class Typ { Null, Logiczna, Liczba, Tekst, Tablica, Obiekt } Rodzaj = Typ::Null;
    bool Logiczna = false;
    double Liczba = 0;
    std::string Tekst;
    std::vector<TJson> Elementy;
    std::vector<std::pair<std::string, TJson>> Pola; // in the order written

    const TJson& operator[](std::string_view klucz) const {
        for (const auto& [k, v] : Pola)
            if (k == klucz)
                return v;
        throw std::out_of_range("brak klucza " + std::string(klucz));
    }
    const TJson& operator[](std::size_t i) const { return Elementy.at(i); }
    std::vector<std::string> Klucze() const {
        std::vector<std::string> k;
        for (const auto& p : Pola)
            k.push_back(p.first);
        return k;
    }
    std::vector<double> Liczby() const {
        std::vector<double> w;
        for (const auto& e : Elementy) {
            if (e.Rodzaj != Typ::Liczba)
                throw std::runtime_error("nie liczba");
            w.push_back(e.Liczba);
        }
        return w;
    }
    std::vector<std::string> Teksty() const {
        std::vector<std::string> w;
        for (const auto& e : Elementy) {
            if (e.Rodzaj != Typ::Tekst)
                throw std::runtime_error("nie tekst");
            w.push_back(e.Tekst);
        }
        return w;
    }
};

class TCzytnikJson {
public:
    explicit TCzytnikJson(std::string_view s) : s_(s) {}

    TJson Calosc() {
        TJson w = Wartosc();
        Odstepy();
        if (i_ != s_.size())
            Blad("smieci po obiekcie");
        return w;
    }

private:
    [[noreturn]] void Blad(const std::string& co) {
        throw std::runtime_error("JSON: " + co + " @" + std::to_string(i_));
    }
    void Odstepy() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }
    char Znak() {
        if (i_ >= s_.size())
            Blad("koniec");
        return s_[i_];
    }
    void Oczekuj(char c) {
        Odstepy();
        if (Znak() != c)
            Blad(std::string("oczekiwano ") + c);
        ++i_;
    }
    bool Slowo(std::string_view w) {
        if (s_.substr(i_, w.size()) == w) {
            i_ += w.size();
            return true;
        }
        return false;
    }

    TJson Wartosc() {
        Odstepy();
        TJson w;
        const char c = Znak();
        if (c == '{') {
            w.Rodzaj = TJson::Typ::Obiekt;
            ++i_;
            Odstepy();
            if (Znak() == '}') {
                ++i_;
                return w;
            }
            for (;;) {
                Odstepy();
                std::string k = Tekst();
                Oczekuj(':');
                w.Pola.emplace_back(std::move(k), Wartosc());
                Odstepy();
                if (Znak() == ',') {
                    ++i_;
                    continue;
                }
                Oczekuj('}');
                return w;
            }
        }
        if (c == '[') {
            w.Rodzaj = TJson::Typ::Tablica;
            ++i_;
            Odstepy();
            if (Znak() == ']') {
                ++i_;
                return w;
            }
            for (;;) {
                w.Elementy.push_back(Wartosc());
                Odstepy();
                if (Znak() == ',') {
                    ++i_;
                    continue;
                }
                Oczekuj(']');
                return w;
            }
        }
        if (c == '"') {
            w.Rodzaj = TJson::Typ::Tekst;
            w.Tekst = Tekst();
            return w;
        }
        if (Slowo("null"))
            return w;
        if (Slowo("true") || Slowo("false")) {
            w.Rodzaj = TJson::Typ::Logiczna;
            w.Logiczna = s_[i_ - 1] == 'e' && s_[i_ - 2] == 'u';
            return w;
        }
        // Number: the JSON grammar checked here, the conversion by from_chars (full stop, any locale).
        const std::size_t poczatek = i_;
        if (Znak() == '-')
            ++i_;
        auto cyfry = [&] {
            const std::size_t p = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            if (i_ == p)
                Blad("brak cyfr");
        };
        if (Znak() == '0')
            ++i_;
        else
            cyfry();
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            cyfry();
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (Znak() == '+' || Znak() == '-')
                ++i_;
            cyfry();
        }
        w.Rodzaj = TJson::Typ::Liczba;
        const auto [k, e] = std::from_chars(s_.data() + poczatek, s_.data() + i_, w.Liczba);
        if (e != std::errc() || k != s_.data() + i_)
            Blad("liczba");
        return w;
    }

    static void DopiszUtf8(std::string& s, unsigned kod) {
        if (kod < 0x80) {
            s += static_cast<char>(kod);
        } else if (kod < 0x800) {
            s += static_cast<char>(0xC0 | (kod >> 6));
            s += static_cast<char>(0x80 | (kod & 0x3F));
        } else if (kod < 0x10000) {
            s += static_cast<char>(0xE0 | (kod >> 12));
            s += static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (kod & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (kod >> 18));
            s += static_cast<char>(0x80 | ((kod >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (kod & 0x3F));
        }
    }

    unsigned Hex4() {
        if (i_ + 4 > s_.size())
            Blad("\\u");
        unsigned v = 0;
        const auto [k, e] = std::from_chars(s_.data() + i_, s_.data() + i_ + 4, v, 16);
        if (e != std::errc() || k != s_.data() + i_ + 4)
            Blad("\\u");
        i_ += 4;
        return v;
    }

    std::string Tekst() {
        if (Znak() != '"')
            Blad("oczekiwano tekstu");
        ++i_;
        std::string w;
        for (;;) {
            const char c = Znak();
            ++i_;
            if (c == '"')
                return w;
            if (static_cast<unsigned char>(c) < 0x20)
                Blad("znak sterujacy w tekscie");
            if (c != '\\') {
                w += c;
                continue;
            }
            const char e = Znak();
            ++i_;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                w += e;
                break;
            case 'b':
                w += '\b';
                break;
            case 'f':
                w += '\f';
                break;
            case 'n':
                w += '\n';
                break;
            case 'r':
                w += '\r';
                break;
            case 't':
                w += '\t';
                break;
            case 'u': {
                unsigned kod = Hex4();
                if (kod >= 0xD800 && kod < 0xDC00 && Slowo("\\u")) {
                    const unsigned niski = Hex4();
                    kod = 0x10000 + ((kod - 0xD800) << 10) + (niski - 0xDC00);
                }
                DopiszUtf8(w, kod);
                break;
            }
            default:
                Blad("zla sekwencja");
            }
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

inline TJson CzytajJson(std::string_view s) {
    return TCzytnikJson(s).Calosc();
}

} // namespace murolab::test
