#include "app/JsonWiersza.h"

#include "core/JsonAnalizy.h"
#include "core/Obliczenia.h"
#include "files/PolaRekordu.h"

namespace murolab {

namespace {

template <typename Tablica> TWartoscJson Liczby(const Tablica& t, int od, int do_) {
    TWartoscJson a = TWartoscJson::Tablica();
    if (do_ >= od)
        a.Elementy().reserve(static_cast<std::size_t>(do_ - od + 1));
    for (int i = od; i <= do_; ++i)
        a.Dodaj(static_cast<double>(t[i]));
    return a;
}

TWartoscJson Teksty(std::vector<std::string>& linie) {
    TWartoscJson a = TWartoscJson::Tablica();
    a.Elementy().reserve(linie.size());
    for (std::string& l : linie)
        a.Dodaj(std::move(l));
    return a;
}

} // namespace

TWartoscJson JsonArkusza(const TModelProjektu& model, TArkuszWynikow a,
                         std::optional<TWartoscJson> rozszerzenie) {
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
        Pole(j, "Rozszerzenie", std::move(*rozszerzenie));
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
