// The main window's project commands: New, Open, Save (see FormPrzegroda.h).
#include "ui/FormPrzegroda.h"

#include "core/Iso6946.h"
#include "core/Liczby.h"
#include "core/Sprawdzenia.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/ArkuszPrzegrody.h"
#include "ui/ArkuszWarunkow.h"
#include "ui/FormMostkiTerm.h"

#include <QFile>

#include <variant>

namespace murolab {

namespace {
// File names go to the file functions in the encoding of the file system, not as UTF-8 by chance.
std::string NazwaSystemowa(const QString& nazwa) {
    return QFile::encodeName(nazwa).toStdString();
}

TParametryPliku ParametryOtwarcia(const QString& ostatni) {
    return {QStringLiteral("Otwórz plik projektu"),
            {{QStringLiteral("Pliki projektu (-.pro)"), QStringLiteral("*.pro")},
             {QStringLiteral("Wszystkie pliki"), QStringLiteral("*.*")}},
            QStringLiteral("pro"),
            ostatni};
}

TParametryPliku ParametryZapisu(const QString& ostatni) {
    return {QStringLiteral("Zapisz plik projektu"),
            {{QStringLiteral("Pliki projektu(*.pro)"), QStringLiteral("*.pro")}},
            QStringLiteral("pro"),
            ostatni};
}
} // namespace

// The menu connects these through Bezpiecznie: a failure ends the command in the standard error box.
// Both replace the project on screen: a changed one is offered for saving first.
void TFormPrzegroda::Nowy1Click() {
    if (ZapytajOZapis())
        NowyProjekt();
}
void TFormPrzegroda::Otwrz1Click() {
    if (ZapytajOZapis())
        OtworzProjekt();
}

void TFormPrzegroda::Zapisz1Click() {
    if (!przegroda_->SprawdzWarstwy())
        return;
    if (!SprawdzWarunki())
        return;
    ZapiszProjekt();
}

void TFormPrzegroda::NowyProjekt() {
    WyczyscWyniki();
    Model.Resetuj();
    UstawDomyslneKontrolki();
    przegroda_->PokazLinieWarunkow();
    saWyniki_ = false;
    wynikiNieaktualne_ = false;
    Model.Zmieniony = false;
    OdswiezStan();
}

void TFormPrzegroda::UstawDomyslneKontrolki() {
    przegroda_->WyczyscSiatke();
    if (FormMostkiTerm)
        FormMostkiTerm->UstawDomyslnePoprawki();
    warunki_->UstawDomyslne();
    // No climate, "Stałe", the WT row from the partition type: the model's reset values.
    kondensacja_->PokazUstawienia();
}

void TFormPrzegroda::OtworzProjekt() {
    const QString nazwa = Dialogi.PlikDoOtwarcia(this, ParametryOtwarcia(OstatniPlikOtwarty));
    if (!nazwa.isEmpty())
        OtworzPlikProjektu(nazwa);
}

void TFormPrzegroda::OtworzPlikProjektu(const QString& nazwa) {
    OstatniPlikOtwarty = nazwa;
    // The file is read and checked whole before anything is reset: a file that cannot be shown
    // costs the user nothing of the project on screen.
    auto wynik = WczytajPlikProjektu(NazwaSystemowa(nazwa));
    if (const std::string* blad = Niepowodzenie(wynik)) {
        Dialogi.Blad(this, QString::fromUtf8(blad->c_str()));
        return;
    }
    NowyProjekt();
    PokazProjekt(std::get<TZawartoscProjektu>(wynik));
    Model.Zmieniony = false;
    OdswiezStan();
}

void TFormPrzegroda::PokazProjekt(const TZawartoscProjektu& zawartosc) {
    // The layers go to the grid only; the layer table takes them from there at the next
    // calculation or save.
    Model.WarunkiPracy = zawartosc.WarunkiPracy;
    Model.LiczbaWarstw = zawartosc.LiczbaWarstw;
    // The model keeps the density and specific heat of every slot as the file gave them; the grid
    // shows those of the layers in use, and the next calculation or save takes them from there.
    // What the grid does not show (the bridging materials, an air layer's ventilation) stays with
    // its slot, so that a save writes it back.
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        TWarstwa& warstwa = Model.Warstwy[k];
        const TWarstwa& zPliku = zawartosc.Warstwy[k];
        warstwa.Gestosc = zPliku.Gestosc;
        warstwa.Cieplo = zPliku.Cieplo;
        warstwa.Mostki = zPliku.Mostki;
        warstwa.WOsi = zPliku.WOsi;
        warstwa.Powietrze = zPliku.Powietrze;
    }
    // A file without a description has none: the one of the project before is not this one's.
    Model.DaneProjektu = zawartosc.DaneProjektu.value_or(TDaneProjektu{});
    Model.Iso13788 = zawartosc.Iso13788;
    Model.RozszerzenieNieznane = zawartosc.RozszerzenieNieznane;

    przegroda_->PokazWarstwy(zawartosc);
    warunki_->PokazWarunki(Model.WarunkiPracy);

    if (FormMostkiTerm)
        FormMostkiTerm->PokazPoprawki();
    przegroda_->PokazLinieWarunkow();
    kondensacja_->PokazUstawienia();
}

bool TFormPrzegroda::SprawdzNiejednorodne() {
    const TBlad blad = SprawdzNiejednorodnosc(Model);
    if (!blad)
        return true;
    Dialogi.Komunikat(this, QString::fromStdString(*blad), QString::fromUtf8(komunikaty::Uwaga), TIkona::Stop,
                      TPrzyciski::Ok);
    return false;
}

bool TFormPrzegroda::ZapiszProjekt() {
    // The file holds the layers shown in the grid, so they are taken first (even if the user then
    // cancels the dialog).
    przegroda_->PobierzWarstwy();
    if (!SprawdzNiejednorodne())
        return false;
    const std::vector<std::uint8_t> bajty = KodujProjekt(Model);
    const QString nazwa = Dialogi.PlikDoZapisu(this, ParametryZapisu(OstatniPlikZapisany));
    if (nazwa.isEmpty())
        return false;
    OstatniPlikZapisany = nazwa;
    // Written beside the target and renamed over it only when complete: a failed save leaves any
    // previous file as it was.
    if (const TBlad blad = ZapiszBajtyProjektu(NazwaSystemowa(nazwa), bajty)) {
        Dialogi.Blad(this, QString::fromUtf8(blad->c_str()));
        return false;
    }
    Model.Zmieniony = false;
    OdswiezStan();
    return true;
}

} // namespace murolab
