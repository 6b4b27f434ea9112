#pragma once
// The project description dialog: investor, object, address, designer and the date of the
// calculation, for the report's header. Shown at start-up and by F5; "&Wprowadz" stores the texts
// into the model's description, the close box stores nothing. Each showing starts from the model's
// description, so it shows what an opened project brought and what is stored, not what was typed
// and then dropped.

#include "core/Model.h"
#include "widgets/Dialogi.h"

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

    void FormActivate();
    void Button1Click();
    // Fills the fields from the model's description (an opened project brings its own); a date
    // the model does not hold leaves the picker as it is.
    void PokazDane();

    // The picker's date as stored: the short Polish date.
    static constexpr const char* kFormatDaty = "dd.MM.yyyy";

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    // The controls; their objectNames are these names (the tests find them by name).
    QGroupBox* GroupBox1 = nullptr; // "Dane projektu:"
    QLineEdit* EditInwestor = nullptr;
    QLineEdit* EditObiekt = nullptr;
    QLineEdit* EditAdres = nullptr;
    QLineEdit* EditRodzajPrze = nullptr; // typed but never stored: the report prints sheet 0's type
    QLineEdit* EditProjektant = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QPushButton* Button1 = nullptr; // "&Wprowadz"

    TModelProjektu& model_;
    TDialogi& dialogi_;
};

} // namespace murolab
