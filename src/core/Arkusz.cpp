#include "core/Arkusz.h"

#include "core/Liczby.h"

namespace murolab {

namespace {
const char* kStronaWewnetrzna = "      Wewnętrzna strona przegrody";
const char* kStronaZewnetrzna = "      Zewnętrzna strona przegrody";
const char* kSuma = "suma:";

std::vector<std::string> SkladnikiUk(double u0, double deltaUg, double deltaUf, double deltaUk) {
    return {"U0 = " + Staly(u0, 4, 3), "ΔUg = " + Staly(deltaUg, 4, 3), "ΔUf = " + Staly(deltaUf, 4, 3),
            "ΔUk + dodatek własny = " + Staly(deltaUk, 4, 3)};
}
} // namespace

TLinieWarunkow LinieWarunkow(const TWarunkiPracy& w) {
    auto tekst = [](std::int32_t wartosc, bool ustalona) {
        return ustalona ? Calkowita(wartosc) : std::string();
    };
    return {tekst(w.TempWew, w.TempWew != kTempNieustalonaWewn), tekst(w.WilgotWewn, w.WilgotWewn != 0),
            tekst(w.TempZewn, w.TempZewn != kTempNieustalonaZewn), tekst(w.WilgotZewn, w.WilgotZewn != 0)};
}

TArkuszWynikow ArkuszPusty() {
    TArkuszWynikow a;
    a.LabelUk = LabelUkPusty;
    a.LabelI = LabelIPusty;
    a.LabelP = LabelPPusty;
    a.SkladnikiUk = SkladnikiUk(0, 0, 0, 0);
    return a;
}

TArkuszWynikow ArkuszWynikow(const TModelProjektu& model, int ti, int te) {
    TArkuszWynikow a;
    const int n = model.LiczbaWarstw;
    const TWyniki& r = model.Wyniki;
    const TWarunkiPracy& w = model.WarunkiPracy;

    const TWerdykt werdykt = WerdyktKondensacji(ti, te, model);
    a.LabeLKomunikat = werdykt.Tekst;
    a.KomunikatCzerwony = werdykt.Czerwony;
    a.PokazKryterium = werdykt.PokazKryterium();

    // Rows of the first seven columns: inner side, the layers, outer side, sum (shorter columns end early).
    // Every column holds at most n + 3 rows: reserved once, as a batch fills one sheet per project.
    for (auto* kolumna : {&a.RichEditNr, &a.RichEditMaterial, &a.RichEditLambda, &a.RichEditMi,
                          &a.RichEditGrubosc, &a.RichEditR, &a.RichEditDelta, &a.RichEditSpadek,
                          &a.RichEditTemp, &a.RichEditCisNasy, &a.RichEditCisCzast})
        kolumna->reserve(static_cast<std::size_t>(n) + 3);
    a.RichEditNr.push_back("");
    a.RichEditMaterial.push_back(kStronaWewnetrzna);
    a.RichEditLambda.push_back("");
    a.RichEditMi.push_back("");
    a.RichEditGrubosc.push_back("");
    a.RichEditR.push_back(Ogolny(w.Rsi));
    a.RichEditDelta.push_back("");
    for (int k = 1; k <= n; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        a.RichEditNr.push_back(Calkowita(k));
        a.RichEditMaterial.push_back(warstwa.Nazwa.Utf8());
        a.RichEditLambda.push_back(Staly(warstwa.Lambda, 4, 4));
        a.RichEditMi.push_back(Ogolny(warstwa.Mi));
        a.RichEditGrubosc.push_back(Staly(warstwa.Grubosc, 4, 4));
        a.RichEditR.push_back(Staly(r.R[k], 4, 4));
        a.RichEditDelta.push_back(Ogolny(r.Delta[k]));
    }
    a.RichEditMaterial.push_back(kStronaZewnetrzna);
    a.RichEditMi.push_back("");
    a.RichEditGrubosc.push_back("");
    a.RichEditR.push_back(Ogolny(w.Rse));
    a.RichEditDelta.push_back("");
    a.RichEditMaterial.push_back(kSuma);
    a.RichEditGrubosc.push_back(Staly(r.SumaGrubosc, 4, 4));
    a.RichEditR.push_back(Staly(w.Rsi + w.Rse + r.SumaR, 4, 4));
    a.RichEditDelta.push_back(Ogolny(r.SumaDelta));

    for (int j = 0; j <= n + 1; ++j)
        a.RichEditSpadek.push_back(Staly(r.Temp[j] - r.Temp[j + 1], 4, 1));
    for (int j = 0; j <= n + 2; ++j) {
        a.RichEditTemp.push_back(Staly(r.Temp[j], 4, 1));
        a.RichEditCisNasy.push_back(Staly(r.CisNasy[j], 4, 1));
    }
    a.RichEditCisCzast.push_back("");
    for (int i = 0; i <= n; ++i)
        a.RichEditCisCzast.push_back(Staly(r.CisCzast[i], 4, 1));

    a.LabelUk = "U  = " + Staly(Uk(model), 4, 3);
    a.SkladnikiUk = SkladnikiUk(r.U0, DeltaUg(model), DeltaUf(model), w.DeltaUk + w.MostekWlasny);
    a.LabelI = "i = " + Staly(r.I, 4, 3);
    a.LabelP = "p = " + Staly(r.P, 4, 1);
    return a;
}

} // namespace murolab
