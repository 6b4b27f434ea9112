#pragma once
// The corrections dialog: air voids, mechanical fasteners, linear thermal bridges and an own
// addition to the heat-transfer coefficient.

#include "core/Model.h"
#include "ui/Dialogi.h"

#include <QDialog>

namespace murolab {

class TFormMostkiTerm : public QDialog {
    Q_OBJECT
public:
    // okno: the main window, hidden while the dialog is open.
    TFormMostkiTerm(TModelProjektu& model, TDialogi& dialogi, QWidget* okno, QWidget* rodzic = nullptr);

    void UstawDomyslnePoprawki();
    void PokazPoprawki();

private:
    TModelProjektu& model_;
    TDialogi& dialogi_;
    QWidget* okno_;
};

} // namespace murolab
