#include "core/Zestawienie.h"

#include "core/Liczby.h"
#include "core/TabelaTekstu.h"

#include <algorithm>

namespace murolab {

namespace {

constexpr std::array<TKolumnaZestawienia, kLiczbaKolumnZestawienia> kKolumny{
    TKolumnaZestawienia::Przegroda,
    TKolumnaZestawienia::Rodzaj,
    TKolumnaZestawienia::Uk,
    TKolumnaZestawienia::UMax,
    TKolumnaZestawienia::FRsi,
    TKolumnaZestawienia::FRsiWymagane,
    TKolumnaZestawienia::KondensacjaPowierzchniowa,
    TKolumnaZestawienia::Bilans,
    TKolumnaZestawienia::MaMax,
    TKolumnaZestawienia::Opoznienie,
    TKolumnaZestawienia::Tlumienie,
    TKolumnaZestawienia::WT2021,
};

// Fixed decimals whatever the size: the spreadsheet and the table compare numbers column by column.
std::string Dziesietne(double v, int d) {
    return Staly(v, 17, d);
}

std::string Gramy(double kg) {
    return Dziesietne(kg * 1000, 1);
}

std::string PoleCsv(const std::string& tekst) {
    if (tekst.find_first_of(";\"\r\n") == std::string::npos)
        return tekst;
    std::string s = "\"";
    for (char c : tekst)
        s += c == '"' ? std::string("\"\"") : std::string(1, c);
    return s + "\"";
}

std::string_view KodKondensacji(TRodzajWerdyktu w) {
    switch (w) {
    case TRodzajWerdyktu::Konsultacja:
        return "konsultacja";
    case TRodzajWerdyktu::Kondensacja:
        return "wystepuje";
    case TRodzajWerdyktu::BrakKondensacji:
        break;
    }
    return "brak";
}

TWartoscJson LiczbaLubNull(const std::optional<double>& v) {
    return v ? TWartoscJson(*v) : TWartoscJson();
}

} // namespace

int KodWyjsciaWiersza(TStanWiersza stan) {
    switch (stan) {
    case TStanWiersza::Obliczony:
        return 0;
    case TStanWiersza::BladObliczen:
        return 1;
    case TStanWiersza::BladPliku:
    case TStanWiersza::BrakPliku:
        break;
    }
    return 2;
}

int KodWyjsciaZestawienia(const std::vector<TWierszZestawienia>& wiersze) {
    int kod = 0;
    for (const TWierszZestawienia& w : wiersze)
        kod = std::max(kod, KodWyjsciaWiersza(w.Stan));
    return kod;
}

TWierszZestawienia WierszZestawienia(const std::string& plik, const std::string& przegroda,
                                     const TModelProjektu& model, const TAnalizaIso13788& a,
                                     const std::optional<TLato>& lato) {
    TWierszZestawienia w;
    w.Plik = plik;
    w.Przegroda = przegroda;
    w.RodzajPrzegrody = model.WarunkiPracy.TypPrzegrody.Utf8();
    w.WierszWT = a.WT.Wiersz;
    w.Uk = a.WT.Uk;
    w.UMax = a.WT.UMax;
    w.SpelniaU = a.WT.SpelniaU;
    w.FRsi = a.FRsi.Przegrody;
    // The requirement is the stricter of the fixed 0.72 and the year's worst month; the month is
    // named when it is the year's.
    w.FRsiWymagane = a.FRsi.Wymagane();
    if (a.FRsi.FRsiMax && *a.FRsi.FRsiMax > a.FRsi.Wymagane072)
        w.MiesiacFRsi = a.FRsi.MiesiacKrytyczny;
    w.SpelniaFRsi = a.WT.SpelniafRsi;
    w.KondensacjaPowierzchniowa =
        WerdyktKondensacji(model.WarunkiPracy.TempWew, model.WarunkiPracy.TempZewn, model).Rodzaj;
    if (a.Rok) {
        w.Bilans = a.Rok->Werdykt;
        w.MaMax = a.Rok->MaMax;
    }
    if (lato) {
        w.Opoznienie = lato->Opoznienie;
        w.Tlumienie = lato->Tlumienie;
    }
    // Without the year the analysis leaves the whole open only while every part that was checked passes.
    w.SpelniaWT = a.WT.Spelnia;
    if (a.WT.Spelnia)
        w.WT2021 = *a.WT.Spelnia ? TOcenaWT2021::Spelnia : TOcenaWT2021::NieSpelnia;
    else
        w.WT2021 = TOcenaWT2021::NieOceniono;
    return w;
}

TWierszZestawienia WierszZestawienia(const std::string& plik, const std::string& przegroda,
                                     const TModelProjektu& model, const TAnalizaProjektu& analiza) {
    TWierszZestawienia w = WierszZestawienia(plik, przegroda, model, analiza.Wilgoc, analiza.Lato);
    if (!analiza.Niejednorodna)
        return w;
    const TAnalizaNiejednorodna& n = *analiza.Niejednorodna;
    const TMetodaLaczona& m = n.Metoda;
    w.Niejednorodna =
        TWierszZestawienia::TMetodaU{m.RTGorna, m.RTDolna, m.RT, m.Blad, m.Stosowalna, m.Komunikat};
    // The whole partition's verdict is its coldest section's, as on the results sheet.
    if (n.NajgorszaPowierzchnia < n.Przekroje.size())
        w.KondensacjaPowierzchniowa = n.Przekroje[n.NajgorszaPowierzchnia].Powierzchnia.Rodzaj;
    // The analysis leaves WT 2021 open where the method does not apply; the row says so whatever the
    // parts would give.
    if (!m.Stosowalna) {
        w.SpelniaWT.reset();
        w.WT2021 = TOcenaWT2021::NieOceniono;
    }
    return w;
}

TWierszZestawienia WierszNieobliczony(const std::string& plik, const std::string& przegroda,
                                      TStanWiersza stan, std::string blad) {
    TWierszZestawienia w;
    w.Plik = plik;
    w.Przegroda = przegroda;
    w.Stan = stan;
    w.Blad = std::move(blad);
    return w;
}

std::string_view NaglowekKolumny(TKolumnaZestawienia k) {
    switch (k) {
    case TKolumnaZestawienia::Przegroda:
        return "Przegroda";
    case TKolumnaZestawienia::Rodzaj:
        return "Rodzaj przegrody";
    case TKolumnaZestawienia::Uk:
        return "Uk [W/(m²·K)]";
    case TKolumnaZestawienia::UMax:
        return "Umax [W/(m²·K)]";
    case TKolumnaZestawienia::FRsi:
        return "fRsi";
    case TKolumnaZestawienia::FRsiWymagane:
        return "fRsi wymagane";
    case TKolumnaZestawienia::KondensacjaPowierzchniowa:
        return "Kondensacja powierzchniowa";
    case TKolumnaZestawienia::Bilans:
        return "Bilans roczny";
    case TKolumnaZestawienia::MaMax:
        return "Ma,max [g/m²]";
    case TKolumnaZestawienia::Opoznienie:
        return "Przesunięcie fazy [h]";
    case TKolumnaZestawienia::Tlumienie:
        return "Tłumienie";
    case TKolumnaZestawienia::WT2021:
        break;
    }
    return "WT 2021";
}

std::string_view TekstKondensacjiPowierzchniowej(TRodzajWerdyktu w) {
    switch (w) {
    case TRodzajWerdyktu::Konsultacja:
        return "nie oceniono (ti ≤ te)";
    case TRodzajWerdyktu::Kondensacja:
        return "występuje";
    case TRodzajWerdyktu::BrakKondensacji:
        break;
    }
    return "nie występuje";
}

std::string_view TekstBilansu(const std::optional<TWerdyktRoczny>& w) {
    return w ? KodWerdyktuRocznego(*w) : std::string_view("nie sprawdzono");
}

std::string_view TekstOcenyWT2021(TOcenaWT2021 o) {
    switch (o) {
    case TOcenaWT2021::Spelnia:
        return "spełnia";
    case TOcenaWT2021::NieSpelnia:
        return "nie spełnia";
    case TOcenaWT2021::NieOceniono:
        break;
    }
    return "nie oceniono";
}

std::string_view TekstStanu(TStanWiersza s) {
    switch (s) {
    case TStanWiersza::Obliczony:
        return "obliczony";
    case TStanWiersza::BladObliczen:
        return "błąd obliczeń";
    case TStanWiersza::BladPliku:
        return "błąd pliku";
    case TStanWiersza::BrakPliku:
        break;
    }
    return "brak pliku";
}

std::string KomorkaZestawienia(const TWierszZestawienia& w, TKolumnaZestawienia k) {
    if (k == TKolumnaZestawienia::Przegroda)
        return w.Niezapisany ? w.Przegroda + " (niezapisane zmiany)" : w.Przegroda;
    if (!w.Obliczony())
        return {};
    switch (k) {
    case TKolumnaZestawienia::Przegroda:
        break;
    case TKolumnaZestawienia::Rodzaj:
        return w.RodzajPrzegrody;
    case TKolumnaZestawienia::Uk:
        if (w.Niejednorodna)
            return Dziesietne(w.Uk, 3) + " " +
                   std::string(w.Niejednorodna->Stosowalna ? kZnakMetodyU : kZnakNiestosowalnej);
        return Dziesietne(w.Uk, 3);
    case TKolumnaZestawienia::UMax:
        return w.UMax ? Dziesietne(*w.UMax, 3) : std::string("–");
    case TKolumnaZestawienia::FRsi:
        return Dziesietne(w.FRsi, 3);
    case TKolumnaZestawienia::FRsiWymagane:
        return Dziesietne(w.FRsiWymagane, 3) +
               (w.MiesiacFRsi ? " (" + std::string(NazwaMiesiaca(*w.MiesiacFRsi)) + ")" : std::string());
    case TKolumnaZestawienia::KondensacjaPowierzchniowa:
        return std::string(TekstKondensacjiPowierzchniowej(w.KondensacjaPowierzchniowa));
    case TKolumnaZestawienia::Bilans:
        return std::string(TekstBilansu(w.Bilans));
    case TKolumnaZestawienia::MaMax:
        return w.MaMax ? Gramy(*w.MaMax) : std::string("–");
    case TKolumnaZestawienia::Opoznienie:
        return w.Opoznienie ? Dziesietne(*w.Opoznienie, 1) : std::string("–");
    case TKolumnaZestawienia::Tlumienie:
        return w.Tlumienie ? Dziesietne(*w.Tlumienie, 3) : std::string("–");
    case TKolumnaZestawienia::WT2021:
        return std::string(TekstOcenyWT2021(w.WT2021));
    }
    return {};
}

std::optional<bool> OcenaKomorki(const TWierszZestawienia& w, TKolumnaZestawienia k) {
    if (!w.Obliczony())
        return std::nullopt;
    switch (k) {
    case TKolumnaZestawienia::Uk:
        // A U the method cannot give is no figure to meet a limit with.
        if (w.Niejednorodna && !w.Niejednorodna->Stosowalna)
            return false;
        return w.SpelniaU;
    case TKolumnaZestawienia::FRsi:
        return w.SpelniaFRsi;
    case TKolumnaZestawienia::KondensacjaPowierzchniowa:
        if (w.KondensacjaPowierzchniowa == TRodzajWerdyktu::Konsultacja)
            return std::nullopt;
        return w.KondensacjaPowierzchniowa == TRodzajWerdyktu::BrakKondensacji;
    case TKolumnaZestawienia::Bilans:
        if (!w.Bilans)
            return std::nullopt;
        return *w.Bilans != TWerdyktRoczny::Narasta;
    case TKolumnaZestawienia::WT2021:
        if (w.WT2021 == TOcenaWT2021::NieOceniono)
            return std::nullopt;
        return w.WT2021 == TOcenaWT2021::Spelnia;
    default:
        return std::nullopt;
    }
}

std::optional<double> LiczbaKomorki(const TWierszZestawienia& w, TKolumnaZestawienia k) {
    if (!w.Obliczony())
        return std::nullopt;
    switch (k) {
    case TKolumnaZestawienia::Uk:
        return w.Uk;
    case TKolumnaZestawienia::UMax:
        return w.UMax;
    case TKolumnaZestawienia::FRsi:
        return w.FRsi;
    case TKolumnaZestawienia::FRsiWymagane:
        return w.FRsiWymagane;
    case TKolumnaZestawienia::MaMax:
        return w.MaMax;
    case TKolumnaZestawienia::Opoznienie:
        return w.Opoznienie;
    case TKolumnaZestawienia::Tlumienie:
        return w.Tlumienie;
    default:
        return std::nullopt;
    }
}

std::vector<std::string> LegendaZestawienia() {
    return {
        "Uk – współczynnik przenikania ciepła z poprawkami; Umax – największa wartość według WT 2021 dla "
        "rodzaju przegrody i temperatury wewnętrznej.",
        "fRsi – czynnik temperaturowy powierzchni wewnętrznej przegrody (Rsi = 0,25 m²·K/W); wymagane: "
        "max(0,72; największe fRsi,min w roku), w nawiasie miesiąc krytyczny.",
        "Kondensacja powierzchniowa – w warunkach pracy projektu: występuje, gdy ts + 1 °C ≥ temperatura "
        "powierzchni wewnętrznej.",
        "Bilans roczny (PN-EN ISO 13788): brak – bez kondensacji, wysycha – kondensat odparowuje w ciągu "
        "roku, "
        "narasta – kondensat narasta; nie sprawdzono – nie wybrano klimatu. Ma,max – największa ilość "
        "kondensatu.",
        "Przesunięcie fazy i tłumienie (PN-EN ISO 13786, okres 24 h) – gdy wszystkie warstwy mają gęstość i "
        "ciepło właściwe; – gdy nie obliczono.",
        "WT 2021 – przegroda spełnia lub nie spełnia wymagań (U, fRsi, bilans roczny); nie oceniono – bez "
        "klimatu nie sprawdzono roku.",
        "Na czerwono: wymaganie niespełnione lub projekt, którego nie obliczono (z przyczyną); na zielono: "
        "wymaganie spełnione.",
    };
}

std::string_view ObjasnienieZnakuMetodyU() {
    return "¹ Przegroda z warstwami niejednorodnymi (mostki) lub warstwą powietrza: U metodą uproszczoną "
           "PN-EN ISO 6946 (średnia z kresów R'T i R''T).";
}

std::string_view ObjasnienieZnakuNiestosowalnej() {
    return "² metoda uproszczona nie ma zastosowania (R'T/R''T > 1,5 lub mostek metalowy): U tylko "
           "informacyjnie, WT 2021 nie oceniono; potrzebne obliczenie numeryczne wg PN-EN ISO 10211.";
}

std::vector<std::string> UwagiNiestosowalnych(const std::vector<TWierszZestawienia>& wiersze) {
    std::vector<std::string> uwagi;
    for (std::size_t i = 0; i < wiersze.size(); ++i) {
        const TWierszZestawienia& w = wiersze[i];
        if (w.Obliczony() && w.Niejednorodna && !w.Niejednorodna->Stosowalna)
            uwagi.push_back("Poz. " + std::to_string(i + 1) + ", " + w.Przegroda + ": " +
                            w.Niejednorodna->Komunikat);
    }
    return uwagi;
}

std::string TekstZestawienia(const std::vector<TWierszZestawienia>& wiersze) {
    std::vector<TKolumna> kolumny;
    for (TKolumnaZestawienia k : kKolumny) {
        const bool liczba = k == TKolumnaZestawienia::Uk || k == TKolumnaZestawienia::UMax ||
                            k == TKolumnaZestawienia::FRsi || k == TKolumnaZestawienia::MaMax ||
                            k == TKolumnaZestawienia::Opoznienie || k == TKolumnaZestawienia::Tlumienie;
        TKolumna kolumna{
            std::string(NaglowekKolumny(k)), liczba ? TWyrownanie::DoPrawej : TWyrownanie::DoLewej, {}};
        for (const TWierszZestawienia& w : wiersze)
            kolumna.Komorki.push_back(
                w.Obliczony() || k == TKolumnaZestawienia::Przegroda
                    ? KomorkaZestawienia(w, k)
                    : (k == TKolumnaZestawienia::Rodzaj ? std::string(TekstStanu(w.Stan)) : std::string()));
        kolumny.push_back(std::move(kolumna));
    }
    std::string s = Tabela(kolumny);
    bool metodaU = false;
    for (const TWierszZestawienia& w : wiersze)
        metodaU = metodaU || (w.Obliczony() && w.Niejednorodna);
    if (metodaU) {
        s += "\n" + std::string(ObjasnienieZnakuMetodyU()) + "\n";
        const std::vector<std::string> uwagi = UwagiNiestosowalnych(wiersze);
        if (!uwagi.empty()) {
            s += std::string(ObjasnienieZnakuNiestosowalnej()) + "\n";
            for (const std::string& u : uwagi)
                s += "  " + u + "\n";
        }
    }
    bool naglowek = false;
    for (const TWierszZestawienia& w : wiersze) {
        if (w.Obliczony())
            continue;
        if (!naglowek)
            s += "\nNie obliczono:\n";
        naglowek = true;
        s += "  " + w.Plik + ": " + w.Blad + "\n";
    }
    return s;
}

std::string CsvZestawienia(const std::vector<TWierszZestawienia>& wiersze) {
    std::string s = "\xEF\xBB\xBF";
    s += kNaglowekCsv;
    s += ";Tłumienie [-];Miesiąc fRsi wymaganego;Ocena U;Ocena fRsi;Uwagi\r\n";
    s.reserve(s.size() + wiersze.size() * 200);
    auto pole = [&](const std::string& t, bool ostatnie = false) {
        s += PoleCsv(t);
        s += ostatnie ? "\r\n" : ";";
    };
    auto liczba = [&](const std::optional<double>& v, int d) { pole(v ? Dziesietne(*v, d) : std::string()); };
    for (const TWierszZestawienia& w : wiersze) {
        pole(w.Plik);
        pole(w.Przegroda);
        if (!w.Obliczony()) {
            s += std::string(14, ';');
            pole(std::string(TekstStanu(w.Stan)) + ": " + w.Blad, true);
            continue;
        }
        pole(w.RodzajPrzegrody);
        liczba(w.Uk, 3);
        liczba(w.UMax, 3);
        liczba(w.FRsi, 3);
        liczba(w.FRsiWymagane, 3);
        pole(std::string(TekstKondensacjiPowierzchniowej(w.KondensacjaPowierzchniowa)));
        pole(std::string(TekstBilansu(w.Bilans)));
        liczba(w.MaMax ? std::optional<double>(*w.MaMax * 1000) : std::nullopt, 1);
        liczba(w.Opoznienie, 1);
        pole(std::string(TekstOcenyWT2021(w.WT2021)));
        liczba(w.Tlumienie, 3);
        pole(w.MiesiacFRsi ? std::string(NazwaMiesiaca(*w.MiesiacFRsi)) : std::string());
        pole(std::string(TekstSpelnia(w.SpelniaU)));
        pole(std::string(TekstSpelnia(w.SpelniaFRsi)));
        std::string uwagi = w.Niezapisany ? "niezapisane zmiany" : "";
        if (w.Niejednorodna) {
            if (!uwagi.empty())
                uwagi += "; ";
            uwagi += w.Niejednorodna->Stosowalna
                         ? "U metodą uproszczoną PN-EN ISO 6946 (warstwy niejednorodne)"
                         : w.Niejednorodna->Komunikat;
        }
        pole(uwagi, true);
    }
    return s;
}

TWartoscJson JsonWiersza(const TWierszZestawienia& w) {
    TWartoscJson j = TWartoscJson::Obiekt();
    j.Ustaw("Plik", w.Plik);
    j.Ustaw("Przegroda", w.Przegroda);
    j.Ustaw("Stan", std::string(TekstStanu(w.Stan)));
    if (w.Niezapisany)
        j.Ustaw("Niezapisany", true);
    if (!w.Obliczony()) {
        j.Ustaw("Blad", w.Blad);
        j.Ustaw("Kod", KodWyjsciaWiersza(w.Stan));
        return j;
    }
    j.Ustaw("RodzajPrzegrody", w.RodzajPrzegrody);
    j.Ustaw("WierszWT", w.WierszWT);
    j.Ustaw("Uk", w.Uk);
    j.Ustaw("UMax", LiczbaLubNull(w.UMax));
    j.Ustaw("SpelniaU", w.SpelniaU);
    j.Ustaw("fRsi", w.FRsi);
    j.Ustaw("fRsiWymagane", w.FRsiWymagane);
    j.Ustaw("fRsiMiesiac", w.MiesiacFRsi ? TWartoscJson(*w.MiesiacFRsi) : TWartoscJson());
    j.Ustaw("SpelniafRsi", w.SpelniaFRsi);
    j.Ustaw("KondensacjaPowierzchniowa", std::string(KodKondensacji(w.KondensacjaPowierzchniowa)));
    j.Ustaw("Bilans", w.Bilans ? TWartoscJson(std::string(KodWerdyktuRocznego(*w.Bilans))) : TWartoscJson());
    j.Ustaw("MaMax", LiczbaLubNull(w.MaMax));
    j.Ustaw("Opoznienie", LiczbaLubNull(w.Opoznienie));
    j.Ustaw("Tlumienie", LiczbaLubNull(w.Tlumienie));
    j.Ustaw("SpelniaWT2021", w.SpelniaWT ? TWartoscJson(*w.SpelniaWT) : TWartoscJson());
    j.Ustaw("WT2021", std::string(TekstOcenyWT2021(w.WT2021)));
    // As "--oblicz --json" has it, only for bridged or air layers.
    if (const auto& m = w.Niejednorodna) {
        TWartoscJson n = TWartoscJson::Obiekt();
        n.Ustaw("RTGorna", m->RTGorna);
        n.Ustaw("RTDolna", m->RTDolna);
        n.Ustaw("RT", m->RT);
        n.Ustaw("Blad", m->Blad);
        n.Ustaw("Stosowalna", m->Stosowalna);
        if (!m->Stosowalna)
            n.Ustaw("Komunikat", m->Komunikat);
        j.Ustaw("Niejednorodna", std::move(n));
    }
    return j;
}

} // namespace murolab
