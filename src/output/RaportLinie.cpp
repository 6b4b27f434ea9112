#include "output/RaportLinie.h"

#include "core/Liczby.h"

#include <algorithm>

namespace murolab {

namespace {

int LiczbaWarstwWTablicach(const TModelProjektu& model) {
    return std::clamp(static_cast<int>(model.LiczbaWarstw), 0, kLiczbaSlotow);
}

void WypelnijTabeleTemperatur(TTabelaTemperatur& t, const TModelProjektu& model, int n) {
    const TWyniki& w = model.Wyniki;
    const TWarunkiPracy& wp = model.WarunkiPracy;

    // Inner side.
    t.Nr.push_back("");
    t.Nazwa.push_back(kStronaWewnetrzna);
    t.Grubosc.push_back("");
    t.Lambda.push_back("");
    t.R.push_back(Ogolny(wp.Rsi));
    t.Spadek.push_back(Staly(w.Temp[0] - w.Temp[1], 4, 1));
    // Layers.
    for (int k = 1; k <= n; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        t.Nr.push_back(Calkowita(k));
        t.Nazwa.push_back("  " + warstwa.Nazwa.Utf8());
        t.Grubosc.push_back(Staly(warstwa.Grubosc, 4, 4));
        t.Lambda.push_back(Staly(warstwa.Lambda, 4, 4));
        t.R.push_back(Staly(w.R[k], 4, 4));
        t.Spadek.push_back(Staly(w.Temp[k] - w.Temp[k + 1], 4, 1));
    }
    // Outer side: "Nr" and λ are left blank (not written), "d" is written empty.
    t.Nazwa.push_back(kStronaZewnetrzna);
    t.Grubosc.push_back("");
    t.R.push_back(Ogolny(wp.Rse));
    t.Spadek.push_back(Staly(w.Temp[n + 1] - w.Temp[n + 2], 4, 1));
    // Sum.
    t.Nazwa.push_back(kSuma);
    t.Grubosc.push_back(Staly(w.SumaGrubosc, 4, 4));
    t.R.push_back(Staly(wp.Rsi + wp.Rse + w.SumaR, 4, 4));

    for (int j = 0; j <= n + 2; ++j)
        t.Temp.push_back(Staly(w.Temp[j], 4, 1));
}

void WypelnijTabeleCisnien(TTabelaCisnien& t, const TModelProjektu& model, int n) {
    const TWyniki& w = model.Wyniki;

    t.Nr.push_back("");
    t.Nazwa.push_back(kStronaWewnetrzna);
    t.Grubosc.push_back("");
    t.Mi.push_back("");
    t.Delta.push_back("");
    for (int k = 1; k <= n; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        t.Nr.push_back(Calkowita(k));
        t.Nazwa.push_back("  " + warstwa.Nazwa.Utf8());
        t.Grubosc.push_back(Staly(warstwa.Grubosc, 4, 4));
        t.Mi.push_back(Ogolny(warstwa.Mi));
        t.Delta.push_back(Ogolny(w.Delta[k]));
    }
    t.Nazwa.push_back(kStronaZewnetrzna);
    t.Grubosc.push_back("");
    t.Mi.push_back("");
    t.Delta.push_back("");
    t.Nazwa.push_back(kSuma);
    t.Grubosc.push_back(Staly(w.SumaGrubosc, 4, 4));
    t.Delta.push_back(Ogolny(w.SumaDelta));

    for (int j = 0; j <= n + 2; ++j)
        t.CisNasy.push_back(Staly(w.CisNasy[j], 4, 1));
    // No partial pressure for the indoor air: its line stays empty so that the values stand on the
    // borders of the planes, level with the saturation pressures.
    t.CisCzast.push_back("");
    for (int i = 0; i <= n; ++i)
        t.CisCzast.push_back(Staly(w.CisCzast[i], 4, 1));
}

} // namespace

std::string SkladnikUkHtml(std::string_view skladnik) {
    std::string html;
    for (char c : skladnik) {
        switch (c) {
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '&':
            html += "&amp;";
            break;
        default:
            html += c;
        }
    }
    for (std::string_view symbol : {"U0", "ΔUg", "ΔUf", "ΔUk"}) {
        const std::size_t gdzie = html.find(symbol);
        if (gdzie != std::string::npos)
            html.replace(gdzie + symbol.size() - 1, 1, "<sub>" + std::string(1, symbol.back()) + "</sub>");
    }
    return html;
}

int WysokoscKolumnyRaportu(int liczbaWarstw) {
    return 18 * liczbaWarstw + 42;
}
int WysokoscKolumnyTempRaportu(int liczbaWarstw) {
    return 18 * liczbaWarstw + 50;
}
int DlugoscLiniiRaportu(int liczbaWarstw) {
    return 16 * liczbaWarstw + 64;
}

void WyczyscRaport(TRaport& raport) {
    raport.Temperatury = {};
    raport.Cisnienia = {};
    raport.Uk = kRaportUkPusty;
    raport.SkladnikiUk = ArkuszPusty().SkladnikiUk;
    raport.I = kRaportIPusty;
    raport.P = kRaportPPusty;
}

void WypelnijRaport(TRaport& raport, const TModelProjektu& model, const TArkuszWynikow& arkusz,
                    std::string_view typPrzegrody) {
    const int n = LiczbaWarstwWTablicach(model);
    raport.WysokoscKolumny = WysokoscKolumnyRaportu(n);
    raport.WysokoscKolumnyTemp = WysokoscKolumnyTempRaportu(n);
    raport.DlugoscLinii = DlugoscLiniiRaportu(n);

    raport.Kondensacja = arkusz.LabeLKomunikat;
    raport.Kondensacja1 = arkusz.PokazKryterium ? kKryterium1 : "";
    raport.Kondensacja2 = arkusz.PokazKryterium ? kKryterium2 : "";

    // The tables are rebuilt rather than appended to, so a fill without the reset before it cannot
    // print the rows twice.
    raport.Temperatury = {};
    raport.Cisnienia = {};
    WypelnijTabeleTemperatur(raport.Temperatury, model, n);
    WypelnijTabeleCisnien(raport.Cisnienia, model, n);

    raport.Uk = arkusz.LabelUk;
    raport.SkladnikiUk = arkusz.SkladnikiUk;
    raport.I = arkusz.LabelI;
    raport.P = arkusz.LabelP;

    const TDaneProjektu& dane = model.DaneProjektu;
    raport.Obiekt = dane.Obiekt.Utf8();
    raport.Adres = dane.Adres.Utf8();
    raport.Inwestor = dane.Inwestor.Utf8();
    raport.Projektant = dane.Projektant.Utf8();
    raport.Data = dane.Data.Utf8();
    raport.Przegroda = dane.Obiekt.Pusty() ? std::string() : std::string(typPrzegrody);
}

} // namespace murolab
