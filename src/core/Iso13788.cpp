#include "core/Iso13788.h"

#include "core/Obliczenia.h"

namespace murolab {

TAnalizaIso13788 AnalizujIso13788(const TModelProjektu& model, const TKlimat* klimat,
                                  const std::string& nazwaKlimatu, TWnetrze wnetrze,
                                  const TWierszWT& wiersz) {
    TAnalizaIso13788 a;
    const TWarunkiPracy& wp = model.WarunkiPracy;
    const TPrzegrodaDyfuzji przegroda = PrzegrodaDyfuzji(model);

    TWarunkiDyfuzji projektowe;
    projektowe.TempWewn = wp.TempWew;
    projektowe.CisWewn = wp.WilgotWewn / 100.0 * CisnienieNasyceniaWzor(wp.TempWew);
    projektowe.TempZewn = wp.TempZewn;
    projektowe.CisZewn = wp.WilgotZewn / 100.0 * CisnienieNasyceniaWzor(wp.TempZewn);
    a.Projektowe = StanDyfuzji(przegroda, projektowe);
    a.Wnetrze = wnetrze;

    // The surface factor is a property of the layers: the standard's Rsi, whatever the project's.
    double sumaR = 0;
    for (const TWarstwaDyfuzji& w : przegroda.Warstwy)
        sumaR += w.Grubosc / w.Lambda;
    a.FRsi.Przegrody = 1 - kRsiPowierzchni / (kRsiPowierzchni + sumaR + przegroda.Rse);

    if (klimat) {
        a.Klimat = nazwaKlimatu;
        a.Stacja = klimat->Nazwa;
        a.Rok = RokKondensacji(przegroda, *klimat, wnetrze, wp.TempWew, wp.WilgotWewn);
        for (const TMiesiacRoku& m : a.Rok->Miesiace) {
            if (m.FRsiMin && (!a.FRsi.FRsiMax || *m.FRsiMin > *a.FRsi.FRsiMax)) {
                a.FRsi.FRsiMax = m.FRsiMin;
                a.FRsi.MiesiacKrytyczny = m.Miesiac;
            }
        }
    }

    TOcenaWT& wt = a.WT;
    wt.Wiersz = std::string(wiersz.Id);
    wt.Etykieta = std::string(wiersz.Etykieta);
    wt.UMax = UMaxWT(wiersz, wp.TempWew);
    wt.Uk = Uk(model);
    // Uk and Umax are compared as the designer reads them: a rounding error is no failure.
    wt.SpelniaU = !wt.UMax || wt.Uk <= *wt.UMax + 1e-9;
    wt.SpelniafRsi = a.FRsi.Przegrody >= a.FRsi.Wymagane();
    if (a.Rok)
        wt.SpelniaKondensacja = a.Rok->Werdykt != TWerdyktRoczny::Narasta;
    // A part that fails decides the whole even when the year is unknown.
    if (!wt.SpelniaU || !wt.SpelniafRsi || (wt.SpelniaKondensacja && !*wt.SpelniaKondensacja))
        wt.Spelnia = false;
    else if (wt.SpelniaKondensacja)
        wt.Spelnia = true;
    return a;
}

} // namespace murolab
