#pragma once
// Sheet 0 of the main window, "Warunki pracy": the partition type with Rsi and Rse, the climate zone
// and the humidity class, the four temperatures and humidities, and "&Wprowadź". The lists only
// propose values (a type proposes Rsi and Rse, a zone te, a class φi, and backwards); the model takes
// them only on "&Wprowadź", after the six checks. The sheet owns its controls; they carry
// objectNames (their names below) for the tests.

#include "core/Model.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QPushButton;

namespace murolab {

class TDialogi;
class TListaLiczb;
class TNumEdit;

class TArkuszWarunkow : public QWidget {
    Q_OBJECT
public:
    TArkuszWarunkow(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic = nullptr);

    // The handlers of the sheet's controls.
    void ComboBoxTypPrzegrodyChange();
    void ComboBoxTypPrzegrodyExit();
    void ComboBoxRsiExit();
    void ComboBoxRseExit();
    void NumEditTempZewnChange();
    void ComboBoxStrefaKlChange();
    void ComboBoxStrefaKlExit();
    void NumEditWilgotWewnExit();
    void ComboBoxWarunkiWilgChange();
    void TabSheetWarPracyEnter();
    // "&Wprowadź": the checks, then the model takes the fields (Wprowadzono follows).
    void Button6Click();
    bool SprawdzPolaWarunkow();
    void ZapamietajWarunki();

    // Writes a text into one of the lists as the program does: no change handling runs.
    static void UstawTekstListy(QComboBox* lista, const QString& tekst);

    // The fields as a new project starts them.
    void UstawDomyslne();
    // The fields showing stored working conditions (a project opened).
    void PokazWarunki(const TWarunkiPracy& w);
    // The temperatures as the fields show them, as whole numbers (the verdict and the captions of
    // the charts and the report compare these); a field that does not convert throws BladKonwersji.
    int TempWewnetrzna() const;
    int TempZewnetrzna() const;
    // The humidity class and the partition type as the lists show them.
    QString KlasaWilgotnosci() const;
    QString TypPrzegrody() const;

signals:
    // "&Wprowadź" passed its checks and the model holds the fields; `zmiana`: they differ from what
    // it held before.
    void Wprowadzono(bool zmiana);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void Zbuduj();

    TModelProjektu& model_;
    TDialogi& dialogi_;
    QComboBox* typPrzegrody_ = nullptr;
    QComboBox* strefaKl_ = nullptr;
    QComboBox* warunkiWilg_ = nullptr;
    TListaLiczb* rsi_ = nullptr;
    TListaLiczb* rse_ = nullptr;
    TNumEdit* tempWew_ = nullptr;
    TNumEdit* tempZewn_ = nullptr;
    TNumEdit* wilgotWewn_ = nullptr;
    TNumEdit* wilgotZewn_ = nullptr;
    QPushButton* wprowadz_ = nullptr;
    QWidget* ramkaTypu_ = nullptr;
    QWidget* ramkaWarunkow_ = nullptr;
    QWidget* ramkaOtoczenia_ = nullptr;
    QWidget* obrazek_ = nullptr;
};

} // namespace murolab
