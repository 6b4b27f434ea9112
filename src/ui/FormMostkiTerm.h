#pragma once
// The corrections dialog: air voids, mechanical fasteners, linear thermal bridges and an own
// addition to the heat-transfer coefficient. The controls are the only home of unconfirmed values;
// the model changes only on "&Wprowadź" after every check has passed.

#include "core/Model.h"
#include "widgets/Dialogi.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace murolab {

class TListaLiczb;
class TNumEdit;

class TFormMostkiTerm : public QDialog {
    Q_OBJECT
public:
    // okno: the main window, hidden while the dialog is open. A dialog is a window of its own even
    // when the main window is its parent, so hiding the main window does not take it along.
    TFormMostkiTerm(TModelProjektu& model, TDialogi& dialogi, QWidget* okno, QWidget* rodzic = nullptr);

    void CheckBoxDeltaUgClick();
    void CheckBoxDeltaUfClick();
    void CheckBoxMostekWlasnyClick();
    void RadioButtonUk000Click();
    void RadioButtonUk005Click();
    void RadioButtonUk015Click();
    void Button1Click();
    void Button2Click();
    void ComboBoxDeltaUExit();
    void ComboBoxAlfaExit();
    // The fastener correction's form (0: PN-EN ISO 6946:2017, 1: the older one with alpha 6 or 5),
    // the layer the fasteners cross and whether they are recessed: each shows what it changes.
    void ComboBoxFormaLacznikaChange();
    void ComboBoxWarstwaFChange();
    void CheckBoxWpuszczonyClick();

    // Where the dialog reads the layer k the fasteners may cross (its name, d and lambda as the grid
    // holds them now, typed since the last calculation included); by default the model's layer table.
    void UstawZrodloWarstw(std::function<TWarstwa(int)> zrodlo);
    // The list of layers anew from the layers in use, keeping the chosen layer number.
    void OdswiezWarstwy();

    // Checks the ticked groups in their order; the first failure shows its message, resets the
    // offending field to "0" and gives false. Throws BladKonwersji for a text that is no number.
    bool SprawdzPoprawki();
    // Stores the corrections into the model, zeros for the groups whose box is clear. All texts are
    // converted before anything is stored, so a text that is no number stores nothing at all.
    void ZapiszPoprawki();
    // The command New: boxes clear, defaults in the fields (nf and Af keep their texts).
    void UstawDomyslnePoprawki();
    // After a project load: ticks and fills the groups that the model's corrections use.
    void PokazPoprawki();
    // The controls as the model holds the corrections (after Anuluj, or when the model changed
    // while the dialog was closed): unused groups cleared, used ones filled.
    void PrzywrocZModelu();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void hideEvent(QHideEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

public slots:
    void done(int wynik) override;

private:
    // The controls; their objectNames are these names (the tests find them by name).
    // Lower left group: air voids in the insulation layer.
    QCheckBox* CheckBoxDeltaUg = nullptr;
    TNumEdit* NumEditNrNieszczelnosci = nullptr;
    TListaLiczb* ComboBoxDeltaU = nullptr;
    // Upper left group: mechanical fasteners.
    QCheckBox* CheckBoxDeltaUf = nullptr;
    TNumEdit* NumEditLambdaF = nullptr;
    TListaLiczb* ComboBoxAlfa = nullptr;
    TNumEdit* NumEditLiczbaF = nullptr;
    TNumEdit* NumEditPoleF = nullptr;
    // The 2017 form of the fastener correction.
    QComboBox* ComboBoxFormaLacznika = nullptr;
    QLabel* LabelFormaLacznika = nullptr; // an older project's form: that it stays until switched
    QLabel* LabelWarstwa = nullptr;
    QComboBox* ComboBoxWarstwaF = nullptr; // "k. name", the layer number as the item's data
    QLabel* LabelWarstwaF = nullptr;       // d0 and R1 of the chosen layer
    QLabel* LabelD1 = nullptr;
    QCheckBox* CheckBoxWpuszczony = nullptr;
    TNumEdit* NumEditD1 = nullptr;
    QLabel* LabelAlfa = nullptr; // the alpha row's text: the list's meaning, or the 2017 alpha
    // Upper right group: linear thermal bridges.
    QRadioButton* RadioButtonUk000 = nullptr;
    QRadioButton* RadioButtonUk005 = nullptr;
    QRadioButton* RadioButtonUk015 = nullptr;
    // Lower right group: the user's own addition.
    QCheckBox* CheckBoxMostekWlasny = nullptr;
    TNumEdit* NumEditMostekWlasny = nullptr;
    QPushButton* Button1 = nullptr; // "&Wprowadź"
    QPushButton* Button2 = nullptr; // "&Anuluj"
    QStatusBar* StatusBar1 = nullptr;

    void Zbuduj();
    void UstawKolejnoscTab();
    // The field with the focus is tidied as if it had been left, so that "&Wprowadź" reached by
    // its shortcut reads the same text as a click would.
    void NaprawPoleZFokusem();
    // Shows the main window again (FormClose).
    void PokazOknoGlowne();
    bool Forma2017() const;
    // The 2017 form's part of SprawdzPoprawki: a layer chosen and in use, its d0 known, d1 within
    // 0 < d1 <= d0 for a recessed fastener.
    bool SprawdzLacznik2017();
    // The chosen layer's number, 0 when none is chosen.
    int WybranaWarstwa() const;
    // The rows of the 2017 form shown or hidden, the fields enabled with the box, and the texts
    // of the layer's d0 and R1, of alpha and of the form note brought up to date.
    void UstawWidokLacznika();

    std::function<TWarstwa(int)> warstwa_;
    TModelProjektu& model_;
    TDialogi& dialogi_;
    QWidget* okno_;
    QButtonGroup* grupaUk_ = nullptr;
    bool ukryteOkno_ = false; // the main window was hidden by this dialog's opening
};

} // namespace murolab
