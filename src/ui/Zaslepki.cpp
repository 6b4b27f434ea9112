// TEMPORARY: stand-ins for the results sheet, the calculate command and the project commands,
// which other branches define, so that the window and its tests link on this branch alone.
// Delete this file (and its line in CMakeLists.txt) when those branches are merged.
#include "ui/FormPrzegroda.h"

namespace murolab {

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
