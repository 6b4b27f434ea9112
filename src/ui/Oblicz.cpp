// Part of TFormPrzegroda; see FormPrzegroda.h. The calculate command: the checks of the grid and of
// the working conditions, the copying of the grid into the layer table, the calculation pass and the
// display of its results (sheet 2, the report, the charts).

#include "ui/FormPrzegroda.h"

#include "core/Arkusz.h"
#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "core/Sprawdzenia.h"
#include "output/PodgladWydruku.h"
#include "ui/ArkuszKondensacji.h"
#include "widgets/NumEdit.h"

#include <QComboBox>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace murolab {

namespace {

// Grid columns of the three numbers.
constexpr int kKolumnaNazwy = 1;
constexpr int kKolumnaLambdy = 2;
constexpr int kKolumnaMi = 3;
constexpr int kKolumnaGrubosci = 4;
// Density and specific heat: empty means unknown.
constexpr int kKolumnaGestosci = 5;
constexpr int kKolumnaCiepla = 6;

// Values inside the limits, standing in for the numbers of a row not converted yet: a row is
// converted and tested one cell at a time, so that the first failure (a limit or a text that is no
// number) is the one reported.
constexpr double kMiWGranicach = 1;
constexpr double kGruboscWGranicach = 1;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Rows the commands may read: never more than the model has slots for.
int LiczbaWierszyWarstw(const TModelProjektu& model) {
    return std::clamp(model.LiczbaWarstw, 0, kLiczbaSlotow);
}

// A density or specific heat cell: empty is unknown (true, nothing); otherwise the number, false
// when the text is no number.
bool ProbujOpcjonalna(const QString& tekst, std::optional<double>& wartosc) {
    if (tekst.isEmpty()) {
        wartosc.reset();
        return true;
    }
    double liczba = 0;
    if (!ProbujNaLiczbe(tekst.toStdString(), liczba))
        return false;
    wartosc = liczba;
    return true;
}

} // namespace

bool TFormPrzegroda::SprawdzWarstwy() {
    if (Model.LiczbaWarstw <= 0) {
        Dialogi.Komunikat(this, Q(komunikaty::BrakWarstw), Q(komunikaty::Uwaga), TIkona::Stop,
                          TPrzyciski::Ok);
        return false;
    }
    // The offending cell is made current before the message, so the user sees which layer it is.
    int wiersz = 0;
    int kolumna = kKolumnaLambdy;
    try {
        for (; wiersz < LiczbaWierszyWarstw(Model); ++wiersz) {
            kolumna = kKolumnaLambdy;
            const double lambda = NaLiczbe(Komorka(wiersz, kKolumnaLambdy).toStdString());
            std::optional<std::string> blad = BladWarstwy(lambda, kMiWGranicach, kGruboscWGranicach);
            if (!blad) {
                kolumna = kKolumnaMi;
                const double mi = NaLiczbe(Komorka(wiersz, kKolumnaMi).toStdString());
                blad = BladWarstwy(lambda, mi, kGruboscWGranicach);
                if (!blad) {
                    kolumna = kKolumnaGrubosci;
                    blad = BladWarstwy(lambda, mi, NaLiczbe(Komorka(wiersz, kKolumnaGrubosci).toStdString()));
                }
            }
            // Density and specific heat are not needed here; one that is given must be a number
            // no less than zero.
            const std::pair<int, const char*> opcjonalne[] = {
                {kKolumnaGestosci, "Podana wartość gęstości warstwy nr %1 jest niepoprawna."},
                {kKolumnaCiepla, "Podana wartość ciepła właściwego warstwy nr %1 jest niepoprawna."}};
            for (const auto& [kolumna, komunikat] : opcjonalne) {
                if (blad)
                    break;
                const QString t = Komorka(wiersz, kolumna);
                if (t.isEmpty())
                    continue;
                const double v = NaLiczbe(t.toStdString());
                if (!std::isfinite(v) || v < 0)
                    blad = Q(komunikat).arg(wiersz + 1).toStdString();
            }
            if (blad) {
                ZaznaczKomorke(wiersz, kolumna);
                Dialogi.Komunikat(this, QString::fromStdString(*blad), Q(komunikaty::Uwaga), TIkona::Stop,
                                  TPrzyciski::Ok);
                return false;
            }
        }
    } catch (const BladKonwersji& e) {
        // A cell that is no number fails like a limit, with the parser's own message; the check is
        // also run by saving and closing, which must see a plain "no".
        ZaznaczKomorke(wiersz, kolumna);
        Dialogi.Blad(this, QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

void TFormPrzegroda::ZaznaczKomorke(int wiersz, int kolumna) {
    PokazArkusz(1);
    StringGridPrzegroda->setCurrentCell(wiersz, kolumna);
    // With the focus the grid shows its editor in that cell, the grid's way of marking it.
    StringGridPrzegroda->setFocus(Qt::OtherFocusReason);
}

bool TFormPrzegroda::SprawdzWarunki() {
    switch (SprawdzWarunkiModelu(Model)) {
    case TStanWarunkow::Brak:
        Dialogi.Komunikat(this, Q(komunikaty::BrakWarunkow), Q(komunikaty::Uwaga), TIkona::Stop,
                          TPrzyciski::Ok);
        // The user is sent to where the conditions are set; harmless while the window closes.
        if (PageControlPrzegroda && TabSheetWarPracy)
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

void TFormPrzegroda::PobierzWarstwy() {
    for (int wiersz = 0; wiersz < LiczbaWierszyWarstw(Model); ++wiersz) {
        double lambda = 0;
        double mi = 0;
        double grubosc = 0;
        if (!ProbujNaLiczbe(Komorka(wiersz, kKolumnaLambdy).toStdString(), lambda) ||
            !ProbujNaLiczbe(Komorka(wiersz, kKolumnaMi).toStdString(), mi) ||
            !ProbujNaLiczbe(Komorka(wiersz, kKolumnaGrubosci).toStdString(), grubosc)) {
            // The rows before this one are copied; this one and those after it keep what they held.
            Dialogi.Komunikat(this, Q(komunikaty::BledneDane), Q(komunikaty::Murolab), TIkona::Wykrzyknik,
                              TPrzyciski::Ok);
            return;
        }
        std::optional<double> gestosc;
        std::optional<double> cieplo;
        if (!ProbujOpcjonalna(Komorka(wiersz, kKolumnaGestosci), gestosc) ||
            !ProbujOpcjonalna(Komorka(wiersz, kKolumnaCiepla), cieplo)) {
            Dialogi.Komunikat(this, Q(komunikaty::BledneDane), Q(komunikaty::Murolab), TIkona::Wykrzyknik,
                              TPrzyciski::Ok);
            return;
        }
        TWarstwa& warstwa = Model.Warstwy[wiersz + 1];
        warstwa.Nazwa.UstawUtf8(Komorka(wiersz, kKolumnaNazwy).toStdString());
        warstwa.Lambda = lambda;
        warstwa.Mi = mi;
        warstwa.Grubosc = grubosc;
        warstwa.Gestosc = gestosc;
        warstwa.Cieplo = cieplo;
    }
}

namespace {

void WypelnijRaport(TFormPrzegroda& okno) {
    if (!okno.PodgladWydruku)
        return;
    // PokazWyniki has just converted the same two fields.
    const int ti = NaCalkowita(okno.NumEditTempWew->text().toStdString());
    const int te = NaCalkowita(okno.NumEditTempZewn->text().toStdString());
    okno.PodgladWydruku->WypelnijRaport(ArkuszWynikow(okno.Model, ti, te),
                                        okno.ComboBoxTypPrzegrody->currentText());
    const TArkuszKondensacji& k = *okno.ArkuszKondensacji;
    okno.PodgladWydruku->WypelnijKondensacje(k.Analiza(), k.Teksty(), k.Lato());
}

} // namespace

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
    if (!SprawdzWarstwy())
        return;
    if (!SprawdzWarunki())
        return;
    PobierzWarstwy();
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
    // The moisture check of sheet 5 reads the same results; its lines join the verdict of sheet 2.
    ArkuszKondensacji->Oblicz();
    PokazLiniePodWerdyktem();
    WypelnijRaport(*this);
    RysujWykresy();
    saWyniki_ = true;
    wynikiNieaktualne_ = false;
    OdswiezStan();
}

} // namespace murolab
