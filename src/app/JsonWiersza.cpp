#include "app/JsonWiersza.h"

#include "core/Obliczenia.h"
#include "files/PolaRekordu.h"

namespace murolab {

namespace {

// Every key of these objects is written once, so a member is appended without Ustaw's search.
void Pole(TWartoscJson& o, std::string_view klucz, TWartoscJson wartosc) {
    o.Pola().emplace_back(std::string(klucz), std::move(wartosc));
}

TWartoscJson Obiekt(std::size_t pola) {
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Pola().reserve(pola);
    return o;
}

template <typename Tablica> TWartoscJson Liczby(const Tablica& t, int od, int do_) {
    TWartoscJson a = TWartoscJson::Tablica();
    if (do_ >= od)
        a.Elementy().reserve(static_cast<std::size_t>(do_ - od + 1));
    for (int i = od; i <= do_; ++i)
        a.Dodaj(static_cast<double>(t[i]));
    return a;
}

template <typename Wektor> TWartoscJson Wszystkie(const Wektor& v) {
    return Liczby(v, 0, static_cast<int>(v.size()) - 1);
}

TWartoscJson Teksty(std::vector<std::string>& linie) {
    TWartoscJson a = TWartoscJson::Tablica();
    a.Elementy().reserve(linie.size());
    for (std::string& l : linie)
        a.Dodaj(std::move(l));
    return a;
}

template <typename T> TWartoscJson LubNull(const std::optional<T>& v) {
    if (!v)
        return nullptr;
    if constexpr (std::is_same_v<T, bool>)
        return TWartoscJson(*v);
    else
        return TWartoscJson(static_cast<double>(*v));
}

TWartoscJson JsonKondensacji(const TStanDyfuzji& s) {
    TWartoscJson k = Obiekt(4);
    TWartoscJson plaszczyzny = TWartoscJson::Tablica();
    for (const TPlaszczyzna& p : s.Plaszczyzny) {
        TWartoscJson o = Obiekt(3);
        Pole(o, "Styk", p.Styk);
        Pole(o, "Temp", p.Temp);
        Pole(o, "Strumien", p.Strumien);
        plaszczyzny.Dodaj(std::move(o));
    }
    Pole(k, "Plaszczyzny", std::move(plaszczyzny));
    Pole(k, "Strumien", LubNull(s.Strumien));
    Pole(k, "CisNasy", Wszystkie(s.CisNasy));
    Pole(k, "CisCzast", Wszystkie(s.CisCzast));
    return k;
}

TWartoscJson JsonRoku(const TAnalizaIso13788& a) {
    if (!a.Rok)
        return nullptr;
    const TRokKondensacji& r = *a.Rok;
    TWartoscJson o = Obiekt(9);
    Pole(o, "Klimat", a.Klimat);
    Pole(o, "Wnetrze", TekstWnetrza(a.Wnetrze));
    Pole(o, "MiesiacStartu", LubNull(r.MiesiacStartu));
    Pole(o, "Werdykt", std::string(KodWerdyktuRocznego(r.Werdykt)));
    Pole(o, "MaMax", r.MaMax);
    Pole(o, "MaMaxMiesiac", LubNull(r.MaMaxMiesiac));
    Pole(o, "MaMaxStyk", LubNull(r.MaMaxStyk));
    Pole(o, "MaKoniec", r.MaKoniec);
    TWartoscJson miesiace = TWartoscJson::Tablica();
    miesiace.Elementy().reserve(r.Miesiace.size());
    for (const TMiesiacRoku& m : r.Miesiace) {
        TWartoscJson mo = Obiekt(8);
        Pole(mo, "Miesiac", m.Miesiac);
        Pole(mo, "TempZewn", m.TempZewn);
        Pole(mo, "WilgotZewn", m.WilgotZewn);
        Pole(mo, "CisZewn", m.CisZewn);
        Pole(mo, "TempWewn", m.TempWewn);
        Pole(mo, "CisWewn", m.CisWewn);
        Pole(mo, "fRsiMin", LubNull(m.FRsiMin));
        TWartoscJson plaszczyzny = TWartoscJson::Tablica();
        for (const TPlaszczyznaMiesiaca& p : m.Plaszczyzny) {
            TWartoscJson po = Obiekt(4);
            Pole(po, "Styk", p.Styk);
            Pole(po, "Strumien", p.Strumien);
            Pole(po, "Ilosc", p.Ilosc);
            Pole(po, "Ma", p.Ma);
            plaszczyzny.Dodaj(std::move(po));
        }
        Pole(mo, "Plaszczyzny", std::move(plaszczyzny));
        miesiace.Dodaj(std::move(mo));
    }
    Pole(o, "Miesiace", std::move(miesiace));
    return o;
}

TWartoscJson JsonFRsi(const TFRsi& f) {
    TWartoscJson o = Obiekt(4);
    Pole(o, "Przegrody", f.Przegrody);
    Pole(o, "Wymagane072", f.Wymagane072);
    Pole(o, "MiesiacKrytyczny", LubNull(f.MiesiacKrytyczny));
    Pole(o, "fRsiMax", LubNull(f.FRsiMax));
    return o;
}

TWartoscJson JsonWT(const TOcenaWT& wt) {
    TWartoscJson o = Obiekt(7);
    Pole(o, "Wiersz", wt.Wiersz);
    Pole(o, "UMax", LubNull(wt.UMax));
    Pole(o, "Uk", wt.Uk);
    Pole(o, "SpelniaU", LubNull(std::optional<bool>(wt.SpelniaU)));
    Pole(o, "SpelniafRsi", LubNull(std::optional<bool>(wt.SpelniafRsi)));
    Pole(o, "SpelniaKondensacja", LubNull(wt.SpelniaKondensacja));
    Pole(o, "Spelnia", LubNull(wt.Spelnia));
    return o;
}

TWartoscJson JsonLata(const std::optional<TLato>& lato) {
    if (!lato)
        return nullptr;
    TWartoscJson o = Obiekt(7);
    Pole(o, "U", lato->U);
    Pole(o, "Y12", lato->Y12);
    Pole(o, "Tlumienie", lato->Tlumienie);
    Pole(o, "Opoznienie", lato->Opoznienie);
    Pole(o, "Kappa1", lato->Kappa1);
    Pole(o, "Kappa2", lato->Kappa2);
    Pole(o, "Y11", lato->Y11);
    return o;
}

} // namespace

TWartoscJson JsonArkusza(const TModelProjektu& model, TArkuszWynikow a, const TWartoscJson* rozszerzenie) {
    const int n = model.LiczbaWarstw;
    const TWyniki& r = model.Wyniki;
    TWartoscJson j = Obiekt(32);
    Pole(j, "LiczbaWarstw", n);
    // The inputs follow the project record's field lists, in the record's order.
    TWartoscJson warstwy = TWartoscJson::Tablica();
    warstwy.Elementy().reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int k = 1; k <= n; ++k) {
        TWartoscJson w = Obiekt(kPolaWarstwy.size());
        for (const TPoleWarstwy& pole : kPolaWarstwy)
            Pole(w, pole.Nazwa, WartoscJson(pole, model.Warstwy[k]));
        warstwy.Dodaj(std::move(w));
    }
    Pole(j, "Warstwy", std::move(warstwy));
    TWartoscJson warunki = Obiekt(kPolaWarunkow.size());
    for (const TPoleWarunkow& pole : kPolaWarunkow)
        Pole(warunki, pole.Nazwa, WartoscJson(pole, model.WarunkiPracy));
    Pole(j, "WarunkiPracy", std::move(warunki));

    Pole(j, "R", Liczby(r.R, 1, n));
    Pole(j, "SumaR", r.SumaR);
    Pole(j, "NarastR", Liczby(r.NarastR, 0, n));
    Pole(j, "U0", r.U0);
    Pole(j, "DeltaUg", DeltaUg(model));
    Pole(j, "DeltaUf", DeltaUf(model));
    Pole(j, "Uk", Uk(model));
    Pole(j, "Temp", Liczby(r.Temp, 0, n + 2));
    Pole(j, "SumaGrubosc", r.SumaGrubosc);
    Pole(j, "NarastGrubosc", Liczby(r.NarastGrubosc, 1, n));
    Pole(j, "Delta", Liczby(r.Delta, 1, n));
    Pole(j, "SumaDelta", r.SumaDelta);
    Pole(j, "NarastDelta", Liczby(r.NarastDelta, 1, n));
    Pole(j, "CisCzastWewn", r.CisCzastWewn);
    Pole(j, "CisCzastZewn", r.CisCzastZewn);
    Pole(j, "P", r.P);
    Pole(j, "CisCzast", Liczby(r.CisCzast, 0, n));
    Pole(j, "CisNasy", Liczby(r.CisNasy, 0, n + 2));
    Pole(j, "I", r.I);
    Pole(j, "Ts", r.Ts);

    TWartoscJson arkusz = Obiekt(16);
    Pole(arkusz, "RichEditNr", Teksty(a.RichEditNr));
    Pole(arkusz, "RichEditMaterial", Teksty(a.RichEditMaterial));
    Pole(arkusz, "RichEditLambda", Teksty(a.RichEditLambda));
    Pole(arkusz, "RichEditMi", Teksty(a.RichEditMi));
    Pole(arkusz, "RichEditGrubosc", Teksty(a.RichEditGrubosc));
    Pole(arkusz, "RichEditR", Teksty(a.RichEditR));
    Pole(arkusz, "RichEditDelta", Teksty(a.RichEditDelta));
    Pole(arkusz, "RichEditSpadek", Teksty(a.RichEditSpadek));
    Pole(arkusz, "RichEditTemp", Teksty(a.RichEditTemp));
    Pole(arkusz, "RichEditCisNasy", Teksty(a.RichEditCisNasy));
    Pole(arkusz, "RichEditCisCzast", Teksty(a.RichEditCisCzast));
    Pole(arkusz, "LabelUk", std::move(a.LabelUk));
    Pole(arkusz, "SkladnikiUk", Teksty(a.SkladnikiUk));
    Pole(arkusz, "LabelI", std::move(a.LabelI));
    Pole(arkusz, "LabelP", std::move(a.LabelP));
    Pole(arkusz, "LabeLKomunikat", std::move(a.LabeLKomunikat));
    Pole(j, "Arkusz", std::move(arkusz));

    if (rozszerzenie)
        Pole(j, "Rozszerzenie", *rozszerzenie);
    return j;
}

void DopiszJsonWilgotnosci(TWartoscJson& obiekt, const std::string& plik, const TAnalizaIso13788& analiza,
                           const std::optional<TLato>& lato) {
    Pole(obiekt, "Plik", plik);
    Pole(obiekt, "Kondensacja", JsonKondensacji(analiza.Projektowe));
    Pole(obiekt, "Roczny", JsonRoku(analiza));
    Pole(obiekt, "fRsi", JsonFRsi(analiza.FRsi));
    Pole(obiekt, "WT2021", JsonWT(analiza.WT));
    Pole(obiekt, "Letnie", JsonLata(lato));
}

TWartoscJson JsonBledu(const std::string& plik, const std::string& blad, int kod) {
    TWartoscJson o = Obiekt(3);
    Pole(o, "Plik", plik);
    Pole(o, "Blad", blad);
    Pole(o, "Kod", kod);
    return o;
}

} // namespace murolab
