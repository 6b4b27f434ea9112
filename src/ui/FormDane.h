#pragma once
// The project description dialog: investor, object, address, designer and the date of the
// calculation, for the report's header. Shown at start-up and by F5; "&Wprowadz" stores the texts
// into the model's description, the close box stores nothing. The typed texts stay in the fields
// between showings.

#include "core/Model.h"
#include "ui/Dialogi.h"

#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace murolab {

class TFormDane : public QDialog {
    Q_OBJECT
public:
    TFormDane(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic = nullptr);

    QGroupBox* GroupBox1 = nullptr; // "Dane projektu:"
    QLineEdit* EditInwestor = nullptr;
    QLineEdit* EditObiekt = nullptr;
    QLineEdit* EditAdres = nullptr;
    QLineEdit* EditRodzajPrze = nullptr; // typed but never stored: the report prints sheet 0's type
    QLineEdit* EditProjektant = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QPushButton* Button1 = nullptr; // "&Wprowadz"

    void FormActivate();
    void Button1Click();

    // The picker's date as stored: the short Polish date.
    static constexpr const char* kFormatDaty = "dd.MM.yyyy";

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    TModelProjektu& model_;
    TDialogi& dialogi_;
};

} // namespace murolab
