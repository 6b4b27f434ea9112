// Part of TFormPrzegroda; see FormPrzegroda.h. "Dobierz grubość…" of the layer grid's menu.
#include "ui/FormPrzegroda.h"

#include "core/Liczby.h"
#include "core/Sprawdzenia.h"
#include "core/WT2021.h"
#include "output/TekstyKondensacji.h"
#include "ui/ArkuszKondensacji.h"

#include <algorithm>

namespace murolab {

namespace {
constexpr int kKolumnaGrubosci = 4;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void TFormPrzegroda::Dobierzgrubosc1Click() {
    if (!SprawdzWarstwy())
        return;
    if (SprawdzWarunkiModelu(Model) == TStanWarunkow::Brak) {
        Dialogi.Komunikat(this, QString::fromUtf8(komunikaty::BrakWarunkow),
                          QString::fromUtf8(komunikaty::Uwaga), TIkona::Stop, TPrzyciski::Ok);
        return;
    }
    const int wiersz = std::clamp(BiezacyWiersz, 0, Model.LiczbaWarstw - 1);
    const int warstwa = wiersz + 1;
    // The calculation on a copy of the grid's layers; the model takes them as a calculation does.
    PobierzWarstwy();
    const TWierszWT& wt = ArkuszKondensacji->WierszWT();
    const std::optional<double> umax = UMaxWT(wt, Model.WarunkiPracy.TempWew);
    const QString nazwa = Komorka(wiersz, 1).trimmed();
    if (!umax) {
        Dialogi.Komunikat(this,
                          QStringLiteral("Wiersz WT 2021 „%1” nie określa Umax przy ti = %2 °C.")
                              .arg(Q(std::string(wt.Etykieta)), Q(Calkowita(Model.WarunkiPracy.TempWew))),
                          QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    const std::optional<TDoborGrubosci> dobor = DobierzGrubosc(Model, warstwa, *umax);
    if (!dobor) {
        Dialogi.Komunikat(
            this,
            QStringLiteral("Żadna grubość warstwy %1 (%2) do 1 m nie daje Uk ≤ Umax = %3 W/(m²·K).")
                .arg(warstwa)
                .arg(nazwa, Q(Staly(*umax, 3, 2))),
            QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    const QString grubosc = Q(Ogolny(dobor->Grubosc));
    const TOdpowiedz odpowiedz = Dialogi.Komunikat(
        this,
        QStringLiteral("Warstwa %1 (%2): grubość d = %3 m daje Uk = %4 W/(m²·K) ≤ Umax = %5 W/(m²·K). "
                       "Ustawić tę grubość?")
            .arg(warstwa)
            .arg(nazwa, grubosc, Q(Staly(dobor->Uk, 4, 3)), Q(Staly(*umax, 3, 2))),
        QStringLiteral("Murolab"), TIkona::Pytanie, TPrzyciski::TakNie);
    if (odpowiedz != TOdpowiedz::Tak)
        return;
    UstawKomorke(wiersz, kKolumnaGrubosci, grubosc);
    Model.Warstwy[warstwa].Grubosc = dobor->Grubosc;
    Model.Zmieniony = true;
}

} // namespace murolab
