#include "files/RozszerzenieProjektu.h"

#include "core/KrotkiTekst.h"
#include "core/Liczby.h"
#include "files/PolaRekordu.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace murolab {

namespace {

constexpr std::string_view kPrefiksNaglowka = "MUROLAB-ROZSZERZENIE ";
constexpr std::string_view kOpis = "Opis";
constexpr std::string_view kIso = "ISO13788";
constexpr std::string_view kWarstwy = "Warstwy";
constexpr std::string_view kLacznik = "Lacznik2017";

constexpr std::array<std::pair<std::string_view, TWentylacja>, 3> kWentylacje = {{
    {"brak", TWentylacja::Brak},
    {"slaba", TWentylacja::Slaba},
    {"dobra", TWentylacja::Dobra},
}};
constexpr std::array<std::pair<std::string_view, TKierunekStrumienia>, 3> kKierunki = {{
    {"poziomy", TKierunekStrumienia::Poziomy},
    {"w_gore", TKierunekStrumienia::WGore},
    {"w_dol", TKierunekStrumienia::WDol},
}};

template <typename T, std::size_t N>
std::string_view KodWyliczenia(const std::array<std::pair<std::string_view, T>, N>& tabela, T wartosc) {
    for (const auto& [kod, w] : tabela)
        if (w == wartosc)
            return kod;
    return tabela[0].first;
}

// The description's members in the order they are written, with the model's field of each.
struct TPoleOpisu {
    std::string_view Klucz;
    std::size_t Pojemnosc;
    std::string (*Czytaj)(const TDaneProjektu&);
    void (*Ustaw)(TDaneProjektu&, std::string_view utf8);
};
const std::array<TPoleOpisu, 5> kPolaOpisu = {{
    {"Obiekt", 40, [](const TDaneProjektu& d) { return d.Obiekt.Utf8(); },
     [](TDaneProjektu& d, std::string_view t) { d.Obiekt.UstawUtf8(t); }},
    {"Adres", 60, [](const TDaneProjektu& d) { return d.Adres.Utf8(); },
     [](TDaneProjektu& d, std::string_view t) { d.Adres.UstawUtf8(t); }},
    {"Inwestor", 40, [](const TDaneProjektu& d) { return d.Inwestor.Utf8(); },
     [](TDaneProjektu& d, std::string_view t) { d.Inwestor.UstawUtf8(t); }},
    {"Projektant", 40, [](const TDaneProjektu& d) { return d.Projektant.Utf8(); },
     [](TDaneProjektu& d, std::string_view t) { d.Projektant.UstawUtf8(t); }},
    {"Data", 10, [](const TDaneProjektu& d) { return d.Data.Utf8(); },
     [](TDaneProjektu& d, std::string_view t) { d.Data.UstawUtf8(t); }},
}};

struct TPoleIso {
    std::string_view Klucz;
    std::string TUstawieniaIso13788::*Pole;
};
const std::array<TPoleIso, 3> kPolaIso = {{
    {"Klimat", &TUstawieniaIso13788::Klimat},
    {"Wnetrze", &TUstawieniaIso13788::Wnetrze},
    {"WierszWT", &TUstawieniaIso13788::WierszWT},
}};

constexpr std::array<std::string_view, 5> kWnetrza = {"stale", "klasa1", "klasa2", "klasa3", "klasa4"};

std::string Blad(const std::string& opis) {
    return "Blok rozszerzenia pliku projektu: " + opis;
}

// The own climate's months under "ISO13788": {"Stacja": text, "Miesiace": [{"Temp", "Wilgot"} x 12]}.
constexpr std::string_view kKlimatWlasny = "KlimatWlasny";

bool DomyslneIso(const TUstawieniaIso13788& u) {
    const TUstawieniaIso13788 domyslne;
    return u.Klimat == domyslne.Klimat && u.Wnetrze == domyslne.Wnetrze && u.WierszWT == domyslne.WierszWT &&
           !u.KlimatZapisany;
}

TWartoscJson JsonKlimatu(const TKlimat& k) {
    TWartoscJson miesiace = TWartoscJson::Tablica();
    for (const TMiesiacKlimatu& m : k.Miesiace) {
        TWartoscJson w = TWartoscJson::Obiekt();
        w.Ustaw("Temp", TWartoscJson(m.Temp));
        w.Ustaw("Wilgot", TWartoscJson(m.Wilgot));
        miesiace.Dodaj(std::move(w));
    }
    TWartoscJson klimat = TWartoscJson::Obiekt();
    klimat.Ustaw("Stacja", TWartoscJson(k.Nazwa));
    klimat.Ustaw("Miesiace", std::move(miesiace));
    return klimat;
}

// The same limits as a climate file's (core/Klimat.h): the stored year must be one a file could give.
TBlad CzytajKlimatWlasny(const TWartoscJson& w, TKlimat& k) {
    const std::string nazwa = "ISO13788." + std::string(kKlimatWlasny);
    if (!w.CzyObiekt())
        return Blad("„" + nazwa + "” musi być obiektem.");
    if (const TWartoscJson* stacja = w.Znajdz("Stacja")) {
        if (!stacja->CzyTekst() || !TekstBezZnakowSterujacych(stacja->Tekst()))
            return Blad("„" + nazwa + ".Stacja” musi być tekstem bez znaków sterujących.");
        k.Nazwa = stacja->Tekst();
    }
    const TWartoscJson* miesiace = w.Znajdz("Miesiace");
    if (!miesiace || !miesiace->CzyTablica() || miesiace->Elementy().size() != kLiczbaMiesiecy)
        return Blad("„" + nazwa + ".Miesiace” musi być tablicą 12 miesięcy.");
    for (std::size_t i = 0; i < kLiczbaMiesiecy; ++i) {
        const TWartoscJson& m = miesiace->Elementy()[i];
        const std::string ktory = nazwa + ".Miesiace[" + std::to_string(i + 1) + "]";
        const TWartoscJson* temp = m.CzyObiekt() ? m.Znajdz("Temp") : nullptr;
        const TWartoscJson* wilgot = m.CzyObiekt() ? m.Znajdz("Wilgot") : nullptr;
        if (!temp || !wilgot || !temp->CzyLiczba() || !wilgot->CzyLiczba())
            return Blad("„" + ktory + "” musi być obiektem z liczbami „Temp” i „Wilgot”.");
        if (!(temp->Liczba() >= -50 && temp->Liczba() <= 50))
            return Blad("„" + ktory + ".Temp” = " + Ogolny(temp->Liczba()) + "; dozwolone: -50 ≤ Temp ≤ 50.");
        if (!(wilgot->Liczba() >= 1 && wilgot->Liczba() <= 100))
            return Blad("„" + ktory + ".Wilgot” = " + Ogolny(wilgot->Liczba()) +
                        "; dozwolone: 1 ≤ Wilgot ≤ 100.");
        k.Miesiace[i] = {temp->Liczba(), wilgot->Liczba()};
    }
    return std::nullopt;
}

bool NiepustyObiekt(const TWartoscJson* w) {
    return w && w->CzyObiekt() && !w->Pola().empty();
}

// A text bound for one of the model's short strings must fit it whole: cutting or replacing
// characters would change the project silently, and the next save would keep the damage. (Any
// character the code page holds is taken: the description is free text, typed or pasted.)
TBlad BladTekstuKrotkiego(const std::string& nazwa, const std::string& utf8, std::size_t pojemnosc) {
    if (Cp1250NaUtf8(Utf8NaCp1250(utf8)) != utf8)
        return Blad("„" + nazwa +
                    "” zawiera znak spoza strony kodowej Windows-1250, której używa plik projektu.");
    const std::size_t znaki = LiczbaZnakow(utf8);
    if (znaki > pojemnosc)
        return Blad("„" + nazwa + "” ma " + std::to_string(znaki) + " znaków, a mieści najwyżej " +
                    std::to_string(pojemnosc) + ".");
    return std::nullopt;
}

TBlad CzytajOpis(const TWartoscJson& opis, TDaneProjektu& d, TWartoscJson& nieznane) {
    if (!opis.CzyObiekt())
        return Blad("„Opis” musi być obiektem.");
    TWartoscJson inne = TWartoscJson::Obiekt();
    for (const auto& [klucz, wartosc] : opis.Pola()) {
        const auto pole = std::find_if(kPolaOpisu.begin(), kPolaOpisu.end(),
                                       [&klucz = klucz](const TPoleOpisu& p) { return p.Klucz == klucz; });
        if (pole == kPolaOpisu.end()) {
            inne.Ustaw(klucz, wartosc);
            continue;
        }
        const std::string nazwa = "Opis." + klucz;
        if (!wartosc.CzyTekst())
            return Blad("„" + nazwa + "” musi być tekstem.");
        if (auto b = BladTekstuKrotkiego(nazwa, wartosc.Tekst(), pole->Pojemnosc))
            return b;
        // As in the record's texts: a control character (a JSON escape such as \u0001, an ESC, a
        // line break) has no place in a one-line field of the report's header.
        if (!TekstBezZnakowSterujacych(wartosc.Tekst()))
            return Blad("„" + nazwa +
                        "” zawiera znak sterujący (np. nowy wiersz, tabulację, ESC); dozwolony jest "
                        "tekst bez znaków sterujących.");
        if (pole->Klucz == "Data" && !wartosc.Tekst().empty() && !PoprawnaData(wartosc.Tekst()))
            return Blad("„Opis.Data” = „" + wartosc.Tekst() + "” nie jest datą w postaci dd.MM.rrrr.");
        pole->Ustaw(d, wartosc.Tekst());
    }
    if (!inne.Pola().empty())
        nieznane.Ustaw(kOpis, std::move(inne));
    return std::nullopt;
}

TBlad CzytajIso(const TWartoscJson& iso, TUstawieniaIso13788& u, TWartoscJson& nieznane) {
    if (!iso.CzyObiekt())
        return Blad("„ISO13788” musi być obiektem.");
    TWartoscJson inne = TWartoscJson::Obiekt();
    for (const auto& [klucz, wartosc] : iso.Pola()) {
        if (klucz == kKlimatWlasny) {
            TKlimat klimat;
            if (auto b = CzytajKlimatWlasny(wartosc, klimat))
                return b;
            u.KlimatZapisany = std::move(klimat);
            continue;
        }
        const auto pole = std::find_if(kPolaIso.begin(), kPolaIso.end(),
                                       [&klucz = klucz](const TPoleIso& p) { return p.Klucz == klucz; });
        if (pole == kPolaIso.end()) {
            inne.Ustaw(klucz, wartosc);
            continue;
        }
        const std::string nazwa = "ISO13788." + klucz;
        if (!wartosc.CzyTekst())
            return Blad("„" + nazwa + "” musi być tekstem.");
        if (pole->Klucz == "Wnetrze" &&
            std::find(kWnetrza.begin(), kWnetrza.end(), wartosc.Tekst()) == kWnetrza.end())
            return Blad("„ISO13788.Wnetrze” = „" + wartosc.Tekst() +
                        "”; dozwolone: „stale”, „klasa1”, „klasa2”, „klasa3” albo „klasa4”.");
        u.*(pole->Pole) = wartosc.Tekst();
    }
    if (!inne.Pola().empty())
        nieznane.Ustaw(kIso, std::move(inne));
    return std::nullopt;
}

bool CalkowitaDodatnia(const TWartoscJson& w) {
    return w.CzyLiczba() && w.Liczba() >= 1 && w.Liczba() <= kLiczbaSlotow &&
           w.Liczba() == std::floor(w.Liczba());
}

// A number of the entry, required or not; `dodatnia` refuses 0 as well.
TBlad CzytajLiczbe(const TWartoscJson& obiekt, std::string_view klucz, const std::string& gdzie,
                   bool wymagana, bool dodatnia, std::optional<double>& wynik) {
    const TWartoscJson* w = obiekt.Znajdz(klucz);
    const std::string nazwa = gdzie + "." + std::string(klucz);
    if (!w || w->CzyNull()) {
        if (wymagana)
            return Blad("„" + nazwa + "” musi być liczbą.");
        return std::nullopt;
    }
    if (!w->CzyLiczba())
        return Blad("„" + nazwa + "” musi być liczbą" + (wymagana ? "." : " albo null."));
    if (dodatnia ? !(w->Liczba() > 0) : w->Liczba() < 0)
        return Blad("„" + nazwa + "” = " + Ogolny(w->Liczba()) + "; dozwolone: liczba " +
                    (dodatnia ? "dodatnia." : "nieujemna."));
    wynik = w->Liczba();
    return std::nullopt;
}

TBlad CzytajMostki(const TWartoscJson& mostki, const std::string& gdzie,
                   std::vector<TMaterialMostka>& wynik) {
    if (!mostki.CzyTablica())
        return Blad("„" + gdzie + "” musi być tablicą.");
    if (mostki.Elementy().size() > static_cast<std::size_t>(kMaksMostkow))
        return Blad("„" + gdzie + "” ma " + std::to_string(mostki.Elementy().size()) +
                    " materiały, a warstwa może mieć najwyżej " + std::to_string(kMaksMostkow) + ".");
    int i = 0;
    for (const TWartoscJson& m : mostki.Elementy()) {
        const std::string ktory = gdzie + "[" + std::to_string(++i) + "]";
        if (!m.CzyObiekt())
            return Blad("„" + ktory + "” musi być obiektem.");
        TMaterialMostka b;
        const TWartoscJson* nazwa = m.Znajdz("Nazwa");
        if (!nazwa || !nazwa->CzyTekst())
            return Blad("„" + ktory + ".Nazwa” musi być tekstem.");
        if (std::any_of(nazwa->Tekst().begin(), nazwa->Tekst().end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
            return Blad("„" + ktory + ".Nazwa” zawiera znak sterujący.");
        b.Nazwa = nazwa->Tekst();
        std::optional<double> lambda, mi, udzial;
        if (auto e = CzytajLiczbe(m, "Lambda", ktory, true, true, lambda))
            return e;
        if (auto e = CzytajLiczbe(m, "Mi", ktory, true, false, mi))
            return e;
        if (auto e = CzytajLiczbe(m, "Gestosc", ktory, false, false, b.Gestosc))
            return e;
        if (auto e = CzytajLiczbe(m, "Cieplo", ktory, false, false, b.Cieplo))
            return e;
        if (auto e = CzytajLiczbe(m, "Udzial", ktory, true, true, udzial))
            return e;
        b.Lambda = *lambda;
        b.Mi = *mi;
        b.Udzial = *udzial;
        wynik.push_back(std::move(b));
    }
    return std::nullopt;
}

template <typename T, std::size_t N>
TBlad CzytajWyliczenie(const TWartoscJson& obiekt, std::string_view klucz, const std::string& gdzie,
                       const std::array<std::pair<std::string_view, T>, N>& tabela, T& wynik) {
    const TWartoscJson* w = obiekt.Znajdz(klucz);
    std::string dozwolone;
    for (const auto& [kod, wartosc] : tabela) {
        dozwolone += (dozwolone.empty() ? "„" : ", „") + std::string(kod) + "”";
        if (w && w->CzyTekst() && w->Tekst() == kod) {
            wynik = wartosc;
            return std::nullopt;
        }
    }
    return Blad("„" + gdzie + "." + std::string(klucz) + "” musi być jednym z tekstów " + dozwolone + ".");
}

TBlad CzytajPowietrze(const TWartoscJson& p, const std::string& gdzie, std::optional<TPowietrze>& wynik) {
    if (!p.CzyObiekt())
        return Blad("„" + gdzie + "” musi być obiektem.");
    TPowietrze powietrze;
    if (auto e = CzytajWyliczenie(p, "Wentylacja", gdzie, kWentylacje, powietrze.Wentylacja))
        return e;
    if (auto e = CzytajWyliczenie(p, "Kierunek", gdzie, kKierunki, powietrze.Kierunek))
        return e;
    std::optional<double> av;
    if (auto e = CzytajLiczbe(p, "Av", gdzie, false, false, av))
        return e;
    powietrze.Av = av.value_or(0);
    if (const TWartoscJson* e = p.Znajdz("Emisyjnosc")) {
        const bool dobra = e->CzyTablica() && e->Elementy().size() == 2 &&
                           std::all_of(e->Elementy().begin(), e->Elementy().end(), [](const TWartoscJson& x) {
                               return x.CzyLiczba() && x.Liczba() > 0 && x.Liczba() <= 1;
                           });
        if (!dobra)
            return Blad("„" + gdzie + ".Emisyjnosc” musi być parą liczb większych od 0 i najwyżej 1.");
        powietrze.Emisyjnosc = {e->Elementy()[0].Liczba(), e->Elementy()[1].Liczba()};
    }
    wynik = powietrze;
    return std::nullopt;
}

TBlad CzytajWarstwy(const TWartoscJson& warstwy, int liczbaWarstw, TRozszerzenie& r) {
    if (!warstwy.CzyTablica())
        return Blad("„Warstwy” musi być tablicą.");
    int k = 0;
    for (const TWartoscJson& w : warstwy.Elementy()) {
        ++k;
        const std::string ktora = "Warstwy[" + std::to_string(k) + "]";
        if (!w.CzyObiekt())
            return Blad("„" + ktora + "” musi być obiektem.");
        for (const TPoleWarstwyRozszerzenia& pole : kPolaWarstwyRozszerzenia) {
            const TWartoscJson* wartosc = w.Znajdz(pole.Nazwa);
            if (!wartosc || wartosc->CzyNull())
                continue;
            const std::string nazwa = ktora + "." + std::string(pole.Nazwa);
            if (!wartosc->CzyLiczba())
                return Blad("„" + nazwa + "” musi być liczbą albo null.");
            if (!WZakresie(pole.Dopuszczalne, wartosc->Liczba()))
                return Blad("„" + nazwa + "” = " + Ogolny(wartosc->Liczba()) + " (" + std::string(pole.Opis) +
                            "); dozwolone: " + OpisDopuszczalnych(pole.Nazwa, pole.Dopuszczalne) + ".");
            if (k <= liczbaWarstw && k <= kLiczbaSlotow)
                r.Warstwy[static_cast<std::size_t>(k - 1)].*(pole.Miejsce) = wartosc->Liczba();
        }
        const bool wUzyciu = k <= liczbaWarstw && k <= kLiczbaSlotow;
        std::vector<TMaterialMostka> mostki;
        if (const TWartoscJson* m = w.Znajdz("Mostki"))
            if (auto b = CzytajMostki(*m, ktora + ".Mostki", mostki))
                return b;
        int wOsi = 0;
        if (const TWartoscJson* o = w.Znajdz("WOsi")) {
            if (!CalkowitaDodatnia(*o))
                return Blad("„" + ktora + ".WOsi” musi być numerem warstwy (liczbą całkowitą od 1).");
            wOsi = static_cast<int>(o->Liczba());
        }
        std::optional<TPowietrze> powietrze;
        if (const TWartoscJson* p = w.Znajdz("Powietrze"))
            if (auto b = CzytajPowietrze(*p, ktora + ".Powietrze", powietrze))
                return b;
        if (wUzyciu) {
            const auto i = static_cast<std::size_t>(k - 1);
            r.Warstwy[i].Mostki = std::move(mostki);
            r.Warstwy[i].WOsi = wOsi;
            r.Warstwy[i].Powietrze = powietrze;
        }
    }
    return std::nullopt;
}

TBlad CzytajLacznik(const TWartoscJson& l, TRozszerzenie& r) {
    if (!l.CzyObiekt())
        return Blad("„Lacznik2017” musi być obiektem.");
    const TWartoscJson* warstwa = l.Znajdz("Warstwa");
    if (!warstwa || !CalkowitaDodatnia(*warstwa))
        return Blad("„Lacznik2017.Warstwa” musi być numerem warstwy (liczbą całkowitą od 1).");
    TLacznik2017 lacznik;
    lacznik.Warstwa = static_cast<int>(warstwa->Liczba());
    if (const TWartoscJson* d1 = l.Znajdz("d1")) {
        if (!d1->CzyLiczba() || !(d1->Liczba() > 0))
            return Blad("„Lacznik2017.d1” musi być liczbą dodatnią (m).");
        lacznik.D1 = d1->Liczba();
    }
    r.Lacznik2017 = lacznik;
    return std::nullopt;
}

TWartoscJson LiczbaLubNull(const std::optional<double>& x) {
    return x ? TWartoscJson(*x) : TWartoscJson();
}

TWartoscJson WpisWarstwy(const TWarstwa& warstwa) {
    TWartoscJson w = TWartoscJson::Obiekt();
    for (const TPoleWarstwyRozszerzenia& pole : kPolaWarstwyRozszerzenia)
        w.Ustaw(pole.Nazwa, LiczbaLubNull(warstwa.*(pole.Miejsce)));
    if (!warstwa.Mostki.empty()) {
        TWartoscJson mostki = TWartoscJson::Tablica();
        for (const TMaterialMostka& b : warstwa.Mostki) {
            TWartoscJson m = TWartoscJson::Obiekt();
            m.Ustaw("Nazwa", b.Nazwa);
            m.Ustaw("Lambda", b.Lambda);
            m.Ustaw("Mi", b.Mi);
            m.Ustaw("Gestosc", LiczbaLubNull(b.Gestosc));
            m.Ustaw("Cieplo", LiczbaLubNull(b.Cieplo));
            m.Ustaw("Udzial", b.Udzial);
            mostki.Dodaj(std::move(m));
        }
        w.Ustaw("Mostki", std::move(mostki));
    }
    if (warstwa.WOsi != 0)
        w.Ustaw("WOsi", warstwa.WOsi);
    if (const auto& p = warstwa.Powietrze) {
        TWartoscJson powietrze = TWartoscJson::Obiekt();
        powietrze.Ustaw("Wentylacja", std::string(KodWyliczenia(kWentylacje, p->Wentylacja)));
        powietrze.Ustaw("Av", p->Av);
        TWartoscJson emisyjnosc = TWartoscJson::Tablica();
        emisyjnosc.Dodaj(p->Emisyjnosc[0]);
        emisyjnosc.Dodaj(p->Emisyjnosc[1]);
        powietrze.Ustaw("Emisyjnosc", std::move(emisyjnosc));
        powietrze.Ustaw("Kierunek", std::string(KodWyliczenia(kKierunki, p->Kierunek)));
        w.Ustaw("Powietrze", std::move(powietrze));
    }
    return w;
}

} // namespace

bool PoprawnaData(std::string_view t) {
    if (t.size() != 10 || t[2] != '.' || t[5] != '.')
        return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (t[i] < '0' || t[i] > '9')
            return false;
    auto liczba = [&](std::size_t od, std::size_t ile) {
        int n = 0;
        for (std::size_t i = od; i < od + ile; ++i)
            n = n * 10 + (t[i] - '0');
        return n;
    };
    const int dzien = liczba(0, 2), miesiac = liczba(3, 2), rok = liczba(6, 4);
    if (rok < 1 || miesiac < 1 || miesiac > 12 || dzien < 1)
        return false;
    static constexpr int kDni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool przestepny = (rok % 4 == 0 && rok % 100 != 0) || rok % 400 == 0;
    return dzien <= kDni[miesiac - 1] + (miesiac == 2 && przestepny ? 1 : 0);
}

std::optional<TWartoscJson> RozszerzenieModelu(const TModelProjektu& model) {
    TWartoscJson blok = TWartoscJson::Obiekt();
    const TWartoscJson& nieznane = model.RozszerzenieNieznane;

    const TDaneProjektu& d = model.DaneProjektu;
    const TWartoscJson* inneOpisu = nieznane.Znajdz(kOpis);
    if (!d.Obiekt.Pusty() || !d.Adres.Pusty() || !d.Inwestor.Pusty() || !d.Projektant.Pusty() ||
        NiepustyObiekt(inneOpisu)) {
        TWartoscJson opis = TWartoscJson::Obiekt();
        for (const TPoleOpisu& p : kPolaOpisu)
            opis.Ustaw(p.Klucz, p.Czytaj(d));
        if (NiepustyObiekt(inneOpisu))
            for (const auto& [k, w] : inneOpisu->Pola())
                opis.Ustaw(k, w);
        blok.Ustaw(kOpis, std::move(opis));
    }

    const TWartoscJson* inneIso = nieznane.Znajdz(kIso);
    if (!DomyslneIso(model.Iso13788) || NiepustyObiekt(inneIso)) {
        TWartoscJson iso = TWartoscJson::Obiekt();
        for (const TPoleIso& p : kPolaIso)
            iso.Ustaw(p.Klucz, model.Iso13788.*(p.Pole));
        if (model.Iso13788.KlimatZapisany)
            iso.Ustaw(kKlimatWlasny, JsonKlimatu(*model.Iso13788.KlimatZapisany));
        if (NiepustyObiekt(inneIso))
            for (const auto& [k, w] : inneIso->Pola())
                iso.Ustaw(k, w);
        blok.Ustaw(kIso, std::move(iso));
    }

    const int n = std::clamp(model.LiczbaWarstw, 0, kLiczbaSlotow);
    bool saDaneWarstw = false;
    for (int k = 1; k <= n; ++k) {
        const TWarstwa& w = model.Warstwy[k];
        for (const TPoleWarstwyRozszerzenia& pole : kPolaWarstwyRozszerzenia)
            saDaneWarstw = saDaneWarstw || (w.*(pole.Miejsce)).has_value();
        saDaneWarstw = saDaneWarstw || !w.Mostki.empty() || w.WOsi != 0 || w.Powietrze;
    }
    if (saDaneWarstw) {
        TWartoscJson warstwy = TWartoscJson::Tablica();
        for (int k = 1; k <= n; ++k)
            warstwy.Dodaj(WpisWarstwy(model.Warstwy[k]));
        blok.Ustaw(kWarstwy, std::move(warstwy));
    }

    if (const auto& l = model.WarunkiPracy.Lacznik2017) {
        TWartoscJson lacznik = TWartoscJson::Obiekt();
        lacznik.Ustaw("Warstwa", l->Warstwa);
        if (l->D1)
            lacznik.Ustaw("d1", *l->D1);
        blok.Ustaw(kLacznik, std::move(lacznik));
    }

    if (nieznane.CzyObiekt())
        for (const auto& [k, w] : nieznane.Pola())
            if (k != kOpis && k != kIso && k != kWarstwy && k != kLacznik)
                blok.Ustaw(k, w);

    if (blok.Pola().empty())
        return std::nullopt;
    return blok;
}

std::string BlokRozszerzenia(const TModelProjektu& model) {
    const auto blok = RozszerzenieModelu(model);
    if (!blok)
        return {};
    return std::string(kNaglowekRozszerzenia) + ZapiszJson(*blok) + "\n";
}

TWynik<std::optional<TRozszerzenie>> DekodujRozszerzenie(std::span<const std::uint8_t> poRekordzie,
                                                         int liczbaWarstw) {
    const std::string_view bajty(reinterpret_cast<const char*>(poRekordzie.data()), poRekordzie.size());
    if (!bajty.starts_with(kNaglowekRozszerzenia)) {
        // Another version of the block is not someone else's bytes: it would be lost on the next
        // save, so it is refused rather than ignored.
        if (bajty.starts_with(kPrefiksNaglowka)) {
            const std::string_view reszta = bajty.substr(kPrefiksNaglowka.size());
            const std::size_t koniec = reszta.find('\n');
            const std::string_view wersja = reszta.substr(0, std::min<std::size_t>(koniec, 20));
            if (koniec != std::string_view::npos && !wersja.empty() &&
                std::all_of(wersja.begin(), wersja.end(), [](char c) { return c >= '0' && c <= '9'; }))
                return TBladWyniku{Blad("wersja " + std::string(wersja) +
                                        " nie jest znana tej wersji programu (zna wersję 1).")};
        }
        return std::optional<TRozszerzenie>{};
    }
    auto json = ParsujJson(bajty.substr(kNaglowekRozszerzenia.size()));
    if (const std::string* blad = Niepowodzenie(json))
        return TBladWyniku{Blad(*blad)};
    TRozszerzenie r;
    r.Calosc = std::move(std::get<TWartoscJson>(json));
    if (!r.Calosc.CzyObiekt())
        return TBladWyniku{Blad("musi być obiektem JSON.")};
    for (const auto& [klucz, wartosc] : r.Calosc.Pola()) {
        TBlad blad;
        if (klucz == kOpis) {
            TDaneProjektu d;
            blad = CzytajOpis(wartosc, d, r.Nieznane);
            r.DaneProjektu = d;
        } else if (klucz == kIso) {
            blad = CzytajIso(wartosc, r.Iso13788, r.Nieznane);
        } else if (klucz == kWarstwy) {
            blad = CzytajWarstwy(wartosc, liczbaWarstw, r);
        } else if (klucz == kLacznik) {
            blad = CzytajLacznik(wartosc, r);
        } else {
            r.Nieznane.Ustaw(klucz, wartosc);
        }
        if (blad)
            return TBladWyniku{*blad};
    }
    return std::optional<TRozszerzenie>(std::move(r));
}

} // namespace murolab
