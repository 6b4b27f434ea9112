// The main window's calculate command: the checks of the grid and of the working conditions, the
// copying of the grid into the layer table, the calculation pass and the display of its results
// (sheet 2, the moisture check of sheet 5, the report, the charts).
// Sheet 5 computes nothing itself: the analysis after the pass is AnalizujProjekt, the one the
// command line calls, and the sheet, the results sheet and the report only show it.

#include "ui/FormPrzegroda.h"

#include "core/Arkusz.h"
#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "core/Sprawdzenia.h"
#include "output/PodgladWydruku.h"
#include "output/Przekroje.h"
#include "output/TekstyKondensacji.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/ArkuszObliczen.h"
#include "ui/ArkuszPrzegrody.h"
#include "ui/ArkuszWarunkow.h"
#include "ui/ArkuszWykresu.h"
#include "ui/WyborPrzekroju.h"

#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace murolab {

namespace {
QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

bool TFormPrzegroda::SprawdzWarunki() {
    switch (SprawdzWarunkiModelu(Model)) {
    case TStanWarunkow::Brak:
        Dialogi.Komunikat(this, Q(komunikaty::BrakWarunkow), Q(komunikaty::Uwaga), TIkona::Stop,
                          TPrzyciski::Ok);
        // The user is sent to where the conditions are set; harmless while the window closes.
        if (arkusze_)
            PokazArkusz(0);
        return false;
    case TStanWarunkow::BezPoprawek:
        Dialogi.Komunikat(this, Q(komunikaty::BrakMostkow), Q(komunikaty::Przypomnienie), TIkona::Wykrzyknik,
                          TPrzyciski::Ok);
        return true;
    case TStanWarunkow::Kompletne:
        break;
    }
    return true;
}

void TFormPrzegroda::Oblicz() {
    // Without a sound saturation table every pressure and the verdict would be wrong.
    if (const auto blad = SprawdzTabliceNasycenia(Model.TablicaNasycenia)) {
        const QString tekst = !BladTablicyNasycenia.isEmpty()
                                  ? BladTablicyNasycenia
                                  : QStringLiteral("Tablica ciśnień nasycenia jest nieprawidłowa: %1.")
                                        .arg(QString::fromStdString(*blad));
        Dialogi.Komunikat(this, tekst, Q(komunikaty::Uwaga), TIkona::Stop, TPrzyciski::Ok);
        return;
    }
    if (!przegroda_->SprawdzWarstwy())
        return;
    if (!SprawdzWarunki())
        return;
    przegroda_->PobierzWarstwy();
    if (!SprawdzNiejednorodne())
        return;
    ObliczPrzegrode(Model);
    // A number that overflowed is no result: the sheet stays empty and says why.
    if (const auto wynik = NieskonczonyWynik(Model)) {
        Model.Wyniki.Wyzeruj();
        WyczyscWyniki();
        Dialogi.Komunikat(
            this,
            QStringLiteral("Obliczenia nie dały skończonego wyniku (%1): dane projektu wykraczają "
                           "poza zakres, w którym obliczenie ma sens.")
                .arg(QString::fromStdString(*wynik)),
            Q(komunikaty::Uwaga), TIkona::Stop, TPrzyciski::Ok);
        return;
    }
    WyczyscWyniki();
    PokazWyniki();
    if (PodgladWydruku) {
        // PokazWyniki has just converted the same two fields.
        PodgladWydruku->WypelnijRaport(
            ArkuszWynikow(Model, warunki_->TempWewnetrzna(), warunki_->TempZewnetrzna()),
            warunki_->TypPrzegrody());
    }
    // The analysis shows its default section and draws the charts of it.
    ObliczAnalize();
    saWyniki_ = true;
    wynikiNieaktualne_ = false;
    OdswiezStan();
    // Summer figures that overflowed are shown as a message, never as numbers (the other results
    // are sound and stay).
    if (analiza_ && !analiza_->NieskonczoneLato.empty())
        Dialogi.Komunikat(this, QString::fromStdString(TekstNieskonczonegoLata(analiza_->NieskonczoneLato)),
                          Q(komunikaty::Uwaga), TIkona::Stop, TPrzyciski::Ok);
}

void TFormPrzegroda::ObliczAnalize() {
    analiza_ = AnalizujProjekt(Model, kondensacja_->Wybor());
    // A chosen climate that could not be read is said in place of the year.
    const std::string klimatNiedostepny =
        Model.Iso13788.Klimat.empty() || kondensacja_->Klimat() ? std::string() : kondensacja_->BladKlimatu();
    const TTekstyAnalizy teksty = TekstyAnalizy(*analiza_, Model.LiczbaWarstw, klimatNiedostepny);
    kondensacja_->Pokaz(*analiza_, teksty);
    obliczenia_->PokazLiniePodWerdyktem(teksty.Wilgoc.PodWerdyktem);
    if (PodgladWydruku) {
        PodgladWydruku->WypelnijKondensacje(analiza_->Wilgoc, teksty.Wilgoc, teksty.Lato);
        PodgladWydruku->WypelnijPrzekroje(*analiza_, tiObliczenia_, teObliczenia_, warunki_->TypPrzegrody());
    }
    const std::size_t przekrojow = NazwyPrzekrojow(*analiza_).size();
    if (!przekroj_ || *przekroj_ >= std::max<std::size_t>(przekrojow, 1))
        przekroj_ = DomyslnyPrzekroj(*analiza_);
    PokazPrzekroj();
}

void TFormPrzegroda::WybierzPrzekroj(int przekroj) {
    if (!analiza_ || przekroj < 0 || static_cast<std::size_t>(przekroj) >= NazwyPrzekrojow(*analiza_).size())
        return;
    przekroj_ = static_cast<std::size_t>(przekroj);
    PokazPrzekroj();
}

void TFormPrzegroda::PokazPrzekroj() {
    if (!analiza_)
        return;
    const std::size_t k = przekroj_.value_or(DomyslnyPrzekroj(*analiza_));
    const std::vector<std::string> nazwy = NazwyPrzekrojow(*analiza_);
    const int wybrany = static_cast<int>(k);
    obliczenia_->WyborPrzekroju().Ustaw(nazwy, wybrany);
    wykresCisnien_->WyborPrzekroju().Ustaw(nazwy, wybrany);
    wykresTemperatur_->WyborPrzekroju().Ustaw(nazwy, wybrany);
    kondensacja_->WyborPrzekroju().Ustaw(nazwy, wybrany);
    if (analiza_->Niejednorodna) {
        const TModelProjektu& przekroj = ModelPrzekrojuWidoku(Model, *analiza_, k);
        obliczenia_->PokazWyniki(ArkuszWynikowPrzekroju(Model, *analiza_, k, tiObliczenia_, teObliczenia_),
                                 przekroj.LiczbaWarstw);
        const TWilgocPrzekroju wilgoc = WilgocPrzekroju(*analiza_, k);
        kondensacja_->PokazPrzekroj(nazwy.size() > 1 ? &wilgoc : nullptr);
    } else {
        kondensacja_->PokazPrzekroj(nullptr);
    }
    obliczenia_->PokazLinieNiejednorodnej(LinieWynikowNiejednorodnej(Model, *analiza_));
    RysujWykresy();
}

void TFormPrzegroda::WyborAnalizyZmieniony() {
    Model.Zmieniony = true;
    // Current results are brought up to the new choice at once (microseconds); stale ones stay
    // marked until "&Oblicz", and before the first calculation there is nothing to update.
    if (saWyniki_ && !wynikiNieaktualne_ && analiza_)
        ObliczAnalize();
    OdswiezStan();
}

void TFormPrzegroda::WyczyscWyniki() {
    analiza_.reset();
    przekroj_.reset();
    obliczenia_->WyczyscWyniki();
    kondensacja_->WyczyscWyniki();
    WyczyscWykresy();
    wykresCisnien_->WyborPrzekroju().Ustaw({}, 0);
    wykresTemperatur_->WyborPrzekroju().Ustaw({}, 0);
    if (PodgladWydruku)
        PodgladWydruku->WyczyscRaport();
}

void TFormPrzegroda::PokazWyniki() {
    // The verdict compares the temperatures that the working-conditions sheet shows, as whole
    // numbers; a field that does not convert ends the command with the conversion's message.
    tiObliczenia_ = warunki_->TempWewnetrzna();
    teObliczenia_ = warunki_->TempZewnetrzna();
    obliczenia_->PokazWyniki(ArkuszWynikow(Model, tiObliczenia_, teObliczenia_), Model.LiczbaWarstw);
    PokazArkusz(2);
}

} // namespace murolab
