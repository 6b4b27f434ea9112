#include "core/Model.h"

namespace murolab {

void TWarunkiPracy::Resetuj() {
    *this = TWarunkiPracy{};
    TempZewn = kTempNieustalonaZewn;
    TempWew = kTempNieustalonaWewn;
}

void TModelProjektu::Resetuj() {
    LiczbaWarstw = 0;
    Warstwy.Wyzeruj();
    WarunkiPracy.Resetuj();
    DaneProjektu = TDaneProjektu{};
    Iso13788 = TUstawieniaIso13788{};
    RozszerzenieNieznane = TWartoscJson::Obiekt();
}

int NumerPoPrzeciagnieciu(int numer, int skad, int dokad) {
    const int r = numer - 1;
    if (r == skad)
        return dokad + 1;
    if (skad < dokad && r > skad && r <= dokad)
        return numer - 1;
    if (skad > dokad && r >= dokad && r < skad)
        return numer + 1;
    return numer;
}

int NumerPoUsunieciu(int numer, int wiersz) {
    if (numer == wiersz + 1)
        return 0;
    return numer > wiersz + 1 ? numer - 1 : numer;
}

int NumerPoWstawieniu(int numer, int liczba, int wiersz) {
    const int r = numer - 1;
    if (r >= wiersz && r <= liczba - 2)
        return numer + 1;
    return r == liczba - 1 && r > wiersz ? 0 : numer;
}

int NumerPoZamianie(int numer, int wiersz) {
    return numer == wiersz + 1 ? 0 : numer;
}

std::optional<int> PrzeniesPoprawke(TWarunkiPracy& warunki, int nowyNumer) {
    const int stary = warunki.NrNieszczelnosci;
    if (stary <= 0 || nowyNumer == stary)
        return std::nullopt;
    if (nowyNumer <= 0) {
        warunki.NrNieszczelnosci = 0;
        warunki.DeltaU = 0;
    } else {
        warunki.NrNieszczelnosci = nowyNumer;
    }
    return stary;
}

std::optional<int> PrzeniesLacznik(TWarunkiPracy& warunki, int nowyNumer) {
    if (!warunki.Lacznik2017)
        return std::nullopt;
    const int stary = warunki.Lacznik2017->Warstwa;
    if (nowyNumer == stary)
        return std::nullopt;
    if (nowyNumer <= 0) {
        warunki.Lacznik2017.reset();
        warunki.LambdaF = 0;
        warunki.Alfa = 0;
        warunki.LiczbaF = 0;
        warunki.PoleF = 0;
    } else {
        warunki.Lacznik2017->Warstwa = nowyNumer;
    }
    return stary;
}

void PrzeniesDaneNiejednorodne(TModelProjektu& model, const std::function<int(int)>& nowyNumer) {
    const auto numer = [&](int k) {
        const int n = k >= 1 && k <= kLiczbaSlotow ? nowyNumer(k) : 0;
        return n >= 1 && n <= kLiczbaSlotow ? n : 0;
    };
    const auto stare = model.Warstwy;
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        TWarstwa& w = model.Warstwy[k];
        w.Mostki.clear();
        w.WOsi = 0;
        w.Powietrze.reset();
    }
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        const int n = numer(k);
        if (n == 0)
            continue;
        TWarstwa& w = model.Warstwy[n];
        w.Mostki = stare[k].Mostki;
        w.WOsi = stare[k].WOsi != 0 ? numer(stare[k].WOsi) : 0;
        w.Powietrze = stare[k].Powietrze;
    }
    if (const auto& lacznik = model.WarunkiPracy.Lacznik2017)
        PrzeniesLacznik(model.WarunkiPracy, numer(lacznik->Warstwa));
}

} // namespace murolab
