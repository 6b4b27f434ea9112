#pragma once
// The air-layer dialog: the thickness of an air space, how much outdoor air reaches it, the
// emissivities of its two faces and the direction of the heat flow through it. It opens for a new
// air layer (the grid's menu, the insertion dialog's catalogue entry) and for an existing one, with
// that layer's values. What it returns is checked against the whole partition by its caller
// (SprawdzWPrzegrodzie) before the dialog closes, so a refused entry changes nothing.

#include "core/Bledy.h"
#include "core/Model.h"

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace murolab {

class TDialogi;
class TNumEdit;

class TFormWarstwaPowietrza : public QDialog {
    Q_OBJECT
public:
    explicit TFormWarstwaPowietrza(TDialogi& dialogi, QWidget* rodzic = nullptr);

    // The fields from a layer's values; grubosc 0 leaves the thickness empty ("0") to be typed.
    void Ustaw(double grubosc, const TPowietrze& powietrze);
    // What the fields hold (valid once the dialog was accepted).
    double Grubosc() const;
    TPowietrze Powietrze() const;

    // The layer's name for its kind of ventilation: "Warstwa powietrza niewentylowana", ...
    static QString NazwaWarstwy(TWentylacja wentylacja);
    // Whether a layer's name is one the program gives air layers (it follows the ventilation then;
    // a name the user typed stays).
    static bool NazwaProgramu(const QString& nazwa);

    // The fault of the layer as it would stand in its partition, or nothing; set by the caller.
    std::function<TBlad(double grubosc, const TPowietrze&)> SprawdzWPrzegrodzie;

    // "&Wprowadź": the fields are read, checked, and the dialog accepted only when they pass.
    void Button1Click();

protected:
    // Every showing puts the dialog in the middle of the screen, as the insertion dialog is.
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void Zbuduj();
    void Odswiez(); // the Av field's state and the line with Ra and the equivalent lambda
    bool Czytaj(double& grubosc, TPowietrze& powietrze) const;

    TDialogi& dialogi_;
    TNumEdit* NumEditGrubosc = nullptr;
    QComboBox* ComboBoxWentylacja = nullptr;
    TNumEdit* NumEditAv = nullptr;
    TNumEdit* NumEditEmisyjnosc1 = nullptr;
    TNumEdit* NumEditEmisyjnosc2 = nullptr;
    QComboBox* ComboBoxKierunek = nullptr;
    QLabel* LabelOpor = nullptr;    // "Ra = 0,18 m²·K/W; λ zastępcze = d/Ra = 0,139 W/(m·K)"
    QPushButton* Button1 = nullptr; // "&Wprowadź"
    QPushButton* Button2 = nullptr; // "&Anuluj"
};

} // namespace murolab
