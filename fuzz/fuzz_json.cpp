// The JSON of the project file's extension block: any text is either refused with a message or
// parsed into a value that writes out as text which parses again to the same text.

#include "core/Json.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

using namespace murolab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    const auto wynik = ParsujJson(tekst);
    if (const std::string* blad = Niepowodzenie(wynik)) {
        if (blad->empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const std::string zapis = ZapiszJson(std::get<TWartoscJson>(wynik));
    const auto ponownie = ParsujJson(zapis);
    if (!std::holds_alternative<TWartoscJson>(ponownie))
        std::abort(); // what the program writes it must read
    if (ZapiszJson(std::get<TWartoscJson>(ponownie)) != zapis)
        std::abort();
    return 0;
}
