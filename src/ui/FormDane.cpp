#include "ui/FormDane.h"

namespace murolab {

TFormDane::TFormDane(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), model_(model), dialogi_(dialogi) {
    setWindowTitle(QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej"));
}

} // namespace murolab
