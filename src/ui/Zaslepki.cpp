// TEMPORARY: stand-ins for the results sheet, the calculate command and the project commands,
// which other branches define, so that the window and its tests link on this branch alone.
// Delete this file (and its line in CMakeLists.txt) when those branches are merged.
#include "ui/FormPrzegroda.h"

#include "core/Liczby.h"
#include "core/Sprawdzenia.h"

namespace murolab {

void TFormPrzegroda::ZbudujArkuszWynikow() {}
void TFormPrzegroda::Oblicz() {}

bool TFormPrzegroda::SprawdzWarstwy() {
    auto uwaga = [this](const QString& t) {
        Dialogi.Komunikat(this, t, QString::fromUtf8(komunikaty::Uwaga), TIkona::Stop, TPrzyciski::Ok);
        return false;
    };
    if (Model.LiczbaWarstw <= 0)
        return uwaga(QString::fromUtf8(komunikaty::BrakWarstw));
    for (int r = 0; r < Model.LiczbaWarstw; ++r) {
        const auto blad = BladWarstwy(NaLiczbe(Komorka(r, 2).toStdString()), NaLiczbe(Komorka(r, 3).toStdString()),
                                      NaLiczbe(Komorka(r, 4).toStdString()));
        if (blad)
            return uwaga(QString::fromStdString(*blad));
    }
    return true;
}

bool TFormPrzegroda::SprawdzWarunki() {
    switch (SprawdzWarunkiModelu(Model)) {
    case TStanWarunkow::Brak:
        Dialogi.Komunikat(this, QString::fromUtf8(komunikaty::BrakWarunkow), QString::fromUtf8(komunikaty::Uwaga),
                          TIkona::Stop, TPrzyciski::Ok);
        return false;
    case TStanWarunkow::BezPoprawek:
        Dialogi.Komunikat(this, QString::fromUtf8(komunikaty::BrakMostkow),
                          QString::fromUtf8(komunikaty::Przypomnienie), TIkona::Wykrzyknik, TPrzyciski::Ok);
        return true;
    case TStanWarunkow::Kompletne:
        break;
    }
    return true;
}

void TFormPrzegroda::PobierzWarstwy() {}
void TFormPrzegroda::WyczyscWyniki() {}
void TFormPrzegroda::PokazWyniki() {}
void TFormPrzegroda::NowyProjekt() {}
void TFormPrzegroda::UstawDomyslneKontrolki() {}
void TFormPrzegroda::OtworzProjekt() {}
void TFormPrzegroda::PokazProjekt(const TZawartoscProjektu&) {}

void TFormPrzegroda::ZapiszProjekt() {
    TParametryPliku p;
    p.Tytul = QStringLiteral("Zapisz plik projektu");
    p.Filtry = {{QStringLiteral("Pliki projektu(*.pro)"), QStringLiteral("*.pro")}};
    p.DomyslneRozszerzenie = QStringLiteral("pro");
    Dialogi.PlikDoZapisu(this, p);
}

} // namespace murolab
