#pragma once
// The two-page A4 report of one calculation and its print preview.

#include "core/Arkusz.h"
#include "core/Model.h"
#include "ui/Dialogi.h"

#include <QDialog>
#include <QString>

namespace murolab {

class TPodgladWydruku : public QDialog {
    Q_OBJECT
public:
    TPodgladWydruku(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic = nullptr);

    // Run at the end of every calculation: copies the tables, the result labels and the project
    // description. typPrzegrody: the text shown in the partition-type list of sheet 0.
    void WypelnijRaport(const TArkuszWynikow& arkusz, const QString& typPrzegrody);
    // Part of the results reset (calculation, New, Open).
    void WyczyscRaport();
    // "Raport": draws both charts afresh and opens the print preview. cieplejWewnatrz as for the charts.
    void PokazRaport(QWidget* rodzic, bool cieplejWewnatrz);

private:
    TModelProjektu& model_;
    TDialogi& dialogi_;
};

} // namespace murolab
