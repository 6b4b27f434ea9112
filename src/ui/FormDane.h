#pragma once
// The project description dialog: investor, object, address, designer and the date of the
// calculation, for the report's header.

#include "core/Model.h"
#include "ui/Dialogi.h"

#include <QDialog>

namespace murolab {

class TFormDane : public QDialog {
    Q_OBJECT
public:
    TFormDane(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic = nullptr);

private:
    TModelProjektu& model_;
    TDialogi& dialogi_;
};

} // namespace murolab
