#include "files/Zestawienie.h"

#include "core/AnalizaProjektu.h"
#include "core/Iso13788.h"
#include "core/Lato.h"
#include "core/Obliczenia.h"
#include "files/PlikKlimatu.h"
#include "files/RekordProjektu.h"
#include "files/ZapisAtomowy.h"

#include <cmath>
#include <exception>
#include <new>

namespace murolab {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFormat = "Format";
constexpr std::string_view kWersja = "Wersja";
constexpr std::string_view kBudynek = "Budynek";
constexpr std::string_view kProjekty = "Projekty";

struct TPoleBudynku {
    std::string_view Klucz;
    std::string TOpisBudynku::*Pole;
};
constexpr std::array<TPoleBudynku, 5> kPolaBudynku = {{
    {"Nazwa", &TOpisBudynku::Nazwa},
    {"Adres", &TOpisBudynku::Adres},
    {"Inwestor", &TOpisBudynku::Inwestor},
    {"Projektant", &TOpisBudynku::Projektant},
    {"Data", &TOpisBudynku::Data},
}};

std::string BladZestawienia(const std::string& opis) {
    return "Plik zestawienia: " + opis;
}

std::string NazwaPliku(const std::string& sciezka) {
    const std::string nazwa = fs::path(sciezka).filename().string();
    return nazwa.empty() ? sciezka : nazwa;
}

} // namespace

TWynik<TPlikZestawienia> DekodujZestawienie(std::string_view tekst) {
    auto json = ParsujJson(tekst);
    if (const std::string* blad = Niepowodzenie(json))
        return TBladWyniku{BladZestawienia("to nie jest poprawny JSON: " + *blad)};
    const TWartoscJson& j = std::get<TWartoscJson>(json);
    if (!j.CzyObiekt())
        return TBladWyniku{BladZestawienia("oczekiwano obiektu JSON.")};
    const TWartoscJson* format = j.Znajdz(kFormat);
    if (!format || !format->CzyTekst() || format->Tekst() != kFormatZestawienia)
        return TBladWyniku{BladZestawienia("brak klucza „Format” o wartości „" +
                                           std::string(kFormatZestawienia) +
                                           "”: to nie jest zestawienie przegród.")};
    const TWartoscJson* wersja = j.Znajdz(kWersja);
    if (!wersja || !wersja->CzyLiczba() || wersja->Liczba() != std::floor(wersja->Liczba()) ||
        wersja->Liczba() < 1)
        return TBladWyniku{BladZestawienia("„Wersja” musi być liczbą całkowitą ≥ 1.")};
    if (wersja->Liczba() > kWersjaZestawienia)
        return TBladWyniku{BladZestawienia("wersja " + LiczbaJson(wersja->Liczba()) +
                                           " pochodzi z nowszego programu (ten czyta wersję " +
                                           std::to_string(kWersjaZestawienia) + ").")};
    TPlikZestawienia z;
    for (const auto& [klucz, wartosc] : j.Pola()) {
        if (klucz == kFormat || klucz == kWersja)
            continue;
        if (klucz == kBudynek) {
            if (!wartosc.CzyObiekt())
                return TBladWyniku{BladZestawienia("„Budynek” musi być obiektem.")};
            for (const TPoleBudynku& p : kPolaBudynku) {
                if (const TWartoscJson* w = wartosc.Znajdz(p.Klucz)) {
                    if (!w->CzyTekst())
                        return TBladWyniku{
                            BladZestawienia("„Budynek." + std::string(p.Klucz) + "” musi być tekstem.")};
                    z.Budynek.*p.Pole = w->Tekst();
                }
            }
        } else if (klucz == kProjekty) {
            if (!wartosc.CzyTablica())
                return TBladWyniku{BladZestawienia("„Projekty” musi być tablicą ścieżek.")};
            for (std::size_t i = 0; i < wartosc.Elementy().size(); ++i) {
                const TWartoscJson& p = wartosc.Elementy()[i];
                if (!p.CzyTekst() || p.Tekst().empty())
                    return TBladWyniku{BladZestawienia("element " + std::to_string(i + 1) +
                                                       " tablicy „Projekty” musi być niepustą ścieżką.")};
                z.Projekty.push_back(p.Tekst());
            }
        } else {
            z.Nieznane.Ustaw(klucz, wartosc);
        }
    }
    return z;
}

std::string KodujZestawienie(const TPlikZestawienia& z) {
    // One key per line and one project per line: a summary kept under version control diffs well.
    std::string s = "{\n";
    s += "  " + TekstJson(kFormat) + ": " + TekstJson(kFormatZestawienia) + ",\n";
    s += "  " + TekstJson(kWersja) + ": " + std::to_string(kWersjaZestawienia) + ",\n";
    TWartoscJson budynek = TWartoscJson::Obiekt();
    for (const TPoleBudynku& p : kPolaBudynku)
        budynek.Ustaw(p.Klucz, z.Budynek.*p.Pole);
    s += "  " + TekstJson(kBudynek) + ": " + ZapiszJson(budynek) + ",\n";
    s += "  " + TekstJson(kProjekty) + ": [";
    for (std::size_t i = 0; i < z.Projekty.size(); ++i)
        s += std::string(i ? "," : "") + "\n    " + TekstJson(z.Projekty[i]);
    s += z.Projekty.empty() ? "]" : "\n  ]";
    for (const auto& [klucz, wartosc] : z.Nieznane.Pola())
        s += ",\n  " + TekstJson(klucz) + ": " + ZapiszJson(wartosc);
    return s + "\n}\n";
}

TWynik<TPlikZestawienia> WczytajZestawienie(const std::string& sciezka) {
    auto bajty = CzytajPlikRegularny(sciezka, kMaksRozmiarZestawienia);
    if (const std::string* blad = Niepowodzenie(bajty))
        return TBladWyniku{*blad};
    const auto& b = std::get<std::vector<std::uint8_t>>(bajty);
    std::string_view tekst(reinterpret_cast<const char*>(b.data()), b.size());
    // A byte-order mark, as some editors add it, is no reason to refuse the file.
    if (tekst.starts_with("\xEF\xBB\xBF"))
        tekst.remove_prefix(3);
    auto wynik = DekodujZestawienie(tekst);
    if (auto* blad = std::get_if<TBladWyniku>(&wynik))
        blad->Komunikat = "„" + sciezka + "”: " + blad->Komunikat;
    return wynik;
}

TBlad ZapiszZestawienie(const std::string& sciezka, const TPlikZestawienia& z) {
    const std::string tekst = KodujZestawienie(z);
    return ZapiszAtomowo(sciezka,
                         std::span(reinterpret_cast<const std::uint8_t*>(tekst.data()), tekst.size()));
}

std::string SciezkaWZestawieniu(const std::string& projekt, const std::string& plikZestawienia) {
    std::error_code e;
    const fs::path folder = fs::absolute(fs::path(plikZestawienia), e).parent_path();
    const fs::path cel = fs::absolute(fs::path(projekt), e);
    if (e)
        return projekt;
    const fs::path wzgledna = cel.lexically_normal().lexically_relative(folder.lexically_normal());
    return wzgledna.empty() ? cel.lexically_normal().string() : wzgledna.string();
}

std::string SciezkaProjektu(const std::string& zapisana, const std::string& plikZestawienia) {
    const fs::path p(zapisana);
    if (p.is_absolute())
        return zapisana;
    return (fs::path(plikZestawienia).parent_path() / p).lexically_normal().string();
}

TBlad ZapiszCsvZestawienia(const std::string& sciezka, const std::vector<TWierszZestawienia>& wiersze) {
    const std::string csv = CsvZestawienia(wiersze);
    return ZapiszAtomowo(sciezka, std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
}

std::string NazwaPrzegrody(const TModelProjektu& model, bool maOpis, const std::string& plik) {
    if (maOpis && !model.DaneProjektu.Obiekt.Pusty())
        return model.DaneProjektu.Obiekt.Utf8();
    return NazwaPliku(plik);
}

TObliczanieZestawienia::TObliczanieZestawienia(const TTablicaNasycenia& tablica, fs::path katalogDanych,
                                               TNadpisaniaIso13788 nadpisania)
    : tablica_(tablica), nadpisania_(std::move(nadpisania)),
      klimaty_(std::move(katalogDanych), KatalogKlimatuUzytkownika()),
      bladTablicy_(SprawdzTabliceNasycenia(tablica)) {}

TWierszZestawienia TObliczanieZestawienia::Wiersz(const std::string& sciezka, const std::string& plik) {
    std::error_code e;
    if (!fs::exists(fs::symlink_status(sciezka, e)) || !fs::exists(sciezka, e))
        return WierszNieobliczony(plik, NazwaPliku(plik), TStanWiersza::BrakPliku,
                                  "Brak pliku projektu „" + sciezka + "”.");
    const auto zawartosc = WczytajPlikProjektu(sciezka);
    if (const std::string* blad = Niepowodzenie(zawartosc))
        return WierszNieobliczony(plik, NazwaPliku(plik), TStanWiersza::BladPliku, *blad);
    const TZawartoscProjektu& z = std::get<TZawartoscProjektu>(zawartosc);
    TModelProjektu model;
    PrzeniesDoModelu(z, model);
    const std::string przegroda = NazwaPrzegrody(model, z.DaneProjektu.has_value(), plik);
    return Wiersz(std::move(model), plik, przegroda);
}

TWierszZestawienia TObliczanieZestawienia::Wiersz(TModelProjektu model, const std::string& plik,
                                                  const std::string& przegroda) {
    // One project's fault is its row's: whatever a file holds never ends the others' calculation.
    try {
        // Without a sound saturation table every pressure and verdict would look right and be wrong.
        if (bladTablicy_)
            return WierszNieobliczony(plik, przegroda, TStanWiersza::BladPliku,
                                      "Tablica ciśnień nasycenia jest nieprawidłowa: " + *bladTablicy_ + ".");
        model.TablicaNasycenia = tablica_;
        std::vector<std::string> ostrzezenia;
        if (const TBlad blad = SprawdzIOblicz(model, ostrzezenia))
            return WierszNieobliczony(plik, przegroda, TStanWiersza::BladObliczen, *blad);
        const TWyborIso13788 wybor = WyborIso13788(nadpisania_, model, ostrzezenia);
        const TKlimatPrzebiegu klimat = KlimatPrzebiegu(model, nadpisania_.Klimat, klimaty_);
        if (const std::string* blad = klimat.Blad())
            return WierszNieobliczony(plik, przegroda, TStanWiersza::BladPliku, *blad);
        // The same analysis as the window's and the command line's.
        TAnalizaProjektu analiza =
            AnalizujProjekt(model, {klimat.Dane(), klimat.Nazwa, wybor.Wnetrze, wybor.Wiersz});
        if (!analiza.NieskonczoneLato.empty())
            return WierszNieobliczony(plik, przegroda, TStanWiersza::BladObliczen,
                                      "Obliczenia nie dały skończonego wyniku (" + analiza.NieskonczoneLato +
                                          "): dane projektu wykraczają poza zakres, w którym obliczenie "
                                          "ma sens.");
        TWierszZestawienia w = WierszZestawienia(plik, przegroda, model, analiza);
        w.Ostrzezenia = std::move(ostrzezenia);
        return w;
    } catch (const std::bad_alloc&) {
        return WierszNieobliczony(plik, przegroda, TStanWiersza::BladObliczen,
                                  "Brak pamięci: obliczenia przerwano.");
    } catch (const std::exception& e) {
        return WierszNieobliczony(plik, przegroda, TStanWiersza::BladObliczen,
                                  std::string("Nieoczekiwany błąd obliczeń: ") + e.what());
    }
}

} // namespace murolab
