#include "core/JsonAnalizy.h"

#include <type_traits>

namespace murolab {

namespace {

template <typename Wektor> TWartoscJson Wszystkie(const Wektor& v) {
    TWartoscJson a = TWartoscJson::Tablica();
    a.Elementy().reserve(v.size());
    for (const auto& x : v)
        a.Dodaj(static_cast<double>(x));
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

} // namespace

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

} // namespace murolab
