#pragma once
// "Zestawienie przegród": the building's partitions side by side. One row per project file (or the
// project open in the main window, as it stands), computed with its own stored choices; sorted by
// any column (a click on its heading), reordered by dragging a row's number; a double click opens
// the row's project in the main window through the unsaved-changes question. The summary is opened
// and saved as a *.zestawienie.json file, exported as CSV and as a PDF report. Every modal
// interaction goes through the seam. The controls carry objectNames (their member names below).

#include "core/Zestawienie.h"
#include "files/Zestawienie.h"
#include "widgets/Dialogi.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace murolab {

class TFormPrzegroda;

class TFormZestawienie : public QDialog {
    Q_OBJECT
public:
    TFormZestawienie(TFormPrzegroda& okno, TDialogi& dialogi, QWidget* rodzic = nullptr);

    // The handlers of the buttons, by the buttons' names.
    void ButtonDodajClick();        // "Dodaj…": several .pro files at once
    void ButtonDodajBiezacyClick(); // the project of the main window as it stands
    void ButtonUsunClick();         // the selected rows
    void ButtonPrzeliczClick();     // every row again, from the files as they are now
    void ButtonOtworzClick();       // a summary file
    void ButtonZapiszClick();
    void ButtonCsvClick();
    void ButtonPdfClick();
    // The row's project into the main window (a double click).
    void OtworzWiersz(int wiersz);
    // Sorts by a column of the table (a click on its heading): ascending, again descending.
    void Sortuj(int kolumna);
    // The row shown at `z` moves to `na` (a drag of the row's number).
    void PrzesunWiersz(int z, int na);

    // What the table shows, in its order.
    const std::vector<TWierszZestawienia> Wiersze() const;
    TOpisBudynku Budynek() const;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    struct TPozycja {
        QString Sciezka;                       // empty for the main window's project
        std::optional<TModelProjektu> Biezacy; // that project as it stood when added
        TWierszZestawienia Wiersz;
    };

    TObliczanieZestawienia Obliczanie() const;
    void Oblicz(TPozycja& p, TObliczanieZestawienia& obliczanie) const;
    void DodajPliki(const QStringList& pliki);
    void Pokaz();
    // Under the table: what the marks after Uk mean, and in red each row whose U the method cannot give.
    void PokazUwagi();
    void UstawBudynek(const TOpisBudynku& b);

    TFormPrzegroda& okno_;
    TDialogi& dialogi_;
    std::vector<TPozycja> pozycje_;
    int kolumnaSortowania_ = -1;
    bool rosnaco_ = true;
    QString ostatniPlikZestawienia_;

    QLineEdit* EditBudynek = nullptr;
    QLineEdit* EditAdres = nullptr;
    QLineEdit* EditInwestor = nullptr;
    QLineEdit* EditProjektant = nullptr;
    QLineEdit* EditData = nullptr;
    QTableWidget* TabelaZestawienia = nullptr;
    QLabel* LabelPodsumowanie = nullptr;
    QLabel* LabelUwagi = nullptr; // what the marks after Uk mean, and the rows the method cannot give
    QPushButton* ButtonDodaj = nullptr;
    QPushButton* ButtonDodajBiezacy = nullptr;
    QPushButton* ButtonUsun = nullptr;
    QPushButton* ButtonPrzelicz = nullptr;
    QPushButton* ButtonOtworz = nullptr;
    QPushButton* ButtonZapisz = nullptr;
    QPushButton* ButtonCsv = nullptr;
    QPushButton* ButtonPdf = nullptr;
    QPushButton* ButtonZamknij = nullptr;
};

} // namespace murolab
