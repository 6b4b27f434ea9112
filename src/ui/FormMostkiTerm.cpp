#include "ui/FormMostkiTerm.h"

namespace murolab {

TFormMostkiTerm::TFormMostkiTerm(TModelProjektu& model, TDialogi& dialogi, QWidget* okno, QWidget* rodzic)
    : QDialog(rodzic), model_(model), dialogi_(dialogi), okno_(okno) {
    setWindowTitle(QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej"));
}

void TFormMostkiTerm::UstawDomyslnePoprawki() {}
void TFormMostkiTerm::PokazPoprawki() {}

} // namespace murolab
