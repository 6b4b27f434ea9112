#include "core/Sprawdzenia.h"

namespace murolab {

namespace {
// Written so that NaN fails as well.
bool WGranicach(double x, const TGraniceWarstwy& g) {
    return x >= g.Od && x <= g.Do;
}
} // namespace

TBlad BladWarstwy(double lambda, double mi, double grubosc) {
    if (!WGranicach(lambda, kGraniceLambdy))
        return std::string(komunikaty::ZlaLambda);
    if (!WGranicach(mi, kGraniceMi))
        return std::string(komunikaty::ZleMi);
    if (!WGranicach(grubosc, kGraniceGrubosci))
        return std::string(komunikaty::ZlaGrubosc);
    return std::nullopt;
}

TStanWarunkow SprawdzWarunkiModelu(const TModelProjektu& model) {
    const TWarunkiPracy& w = model.WarunkiPracy;
    if (w.TempZewn == kTempNieustalonaZewn || w.TempWew == kTempNieustalonaWewn || w.WilgotZewn == 0 ||
        w.WilgotWewn == 0 || w.Rsi == 0 || w.Rse == 0)
        return TStanWarunkow::Brak;
    // DeltaU, Alfa, LiczbaF and PoleF alone do not count as a correction.
    if (w.DeltaUk != 0 || w.NrNieszczelnosci != 0 || w.LambdaF != 0 || w.MostekWlasny != 0)
        return TStanWarunkow::Kompletne;
    return TStanWarunkow::BezPoprawek;
}

} // namespace murolab
