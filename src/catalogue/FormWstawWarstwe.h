#pragma once
// The layer insertion dialog: a layer enters the partition from a catalogue group or from the
// user's own data, and an own material can be saved into the current group. It reaches the main
// window only through TOknoWarstw (grid, layer count, humidity class) and the user only through
// TDialogi; the main window sets TrybWstawiania and WierszDocelowy and shows it modally.

#include "catalogue/Material.h"
#include "core/Model.h"
#include "widgets/Dialogi.h"
#include "widgets/OknoWarstw.h"

#include <QDialog>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace murolab {

class TNumEdit;

class TFormWstawWarstwe : public QDialog {
    Q_OBJECT
public:
    TFormWstawWarstwe(TOknoWarstw& okno, TDialogi& dialogi, QWidget* rodzic = nullptr);

    // Set by the main window before it shows the dialog.
    static constexpr int kDopisz = 1; // append at the end
    static constexpr int kWstaw = 2;  // insert at WierszDocelowy
    int TrybWstawiania = kDopisz;
    int WierszDocelowy = 0; // 0-based row of the layer grid
    // Choosing a bridging material instead of sending a layer (set by the bridged-layer dialog):
    // "&Wprowadź" keeps the chosen material's values in WybranyMostek and closes the dialog; no
    // thickness is asked and the main window stays on screen.
    bool TrybWyboruMostka = false;
    std::optional<TMaterialMostka> WybranyMostek;
    // The program's data directory, with the shipped group files and "logo.bmp" (only read), and the
    // user's data directory, where own materials go: a group is read from the user's copy when
    // there is one, and the first own material of a group makes that copy. Set at start-up.
    std::filesystem::path KatalogDanych;
    std::filesystem::path KatalogUzytkownika;

    // ---- reading the catalogue
    // Fills the list from a group file; the list never gets fewer rows, blank rows follow the names.
    void WczytajGrupe(const std::string& plik);
    // Shows the values of every material whose name equals nazwa byte for byte; the last one wins.
    void PokazMaterial(const std::string& plik, const std::string& nazwaCp1250);

    // ---- sending a layer to the grid
    // Own-material mode: a name longer than a layer holds (40) is refused with a message.
    bool SprawdzNazweWlasna();
    bool SprawdzNowaWarstwe();
    // The chosen catalogue entry is the air layer (own-material mode never is).
    bool CzyWarstwaPowietrza() const;
    void DodajWiersz();
    void WstawWiersz(int liczba, int wiersz);
    void WpiszWarstwe(int wiersz);

    // ---- catalogue maintenance
    bool SprawdzMaterial();
    TMaterial PobierzMaterial() const;

    // ---- handlers
    void FormActivate();        // every showing
    void CheckBoxWyborClick();  // own-material mode on / off
    void ComboBoxPlikiChange(); // the user picked a group
    void SG2SelectCell(int wiersz);
    void Button1Click();
    void WybierzMostek(); // "&Wprowadź" while choosing a bridging material
    void Button2Click();
    void ButtonDodajClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void hideEvent(QHideEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // The controls; their objectNames are these names (the tests find them by name).
    QLineEdit* EditMaterial = nullptr;
    TNumEdit* NumEditLambdaSW = nullptr;
    TNumEdit* NumEditLambdaW = nullptr;
    TNumEdit* NumEditMi = nullptr;
    TNumEdit* NumEditGestosc = nullptr;
    TNumEdit* NumEditCieplo = nullptr;
    TNumEdit* NumEditGrubosc = nullptr;
    QComboBox* ComboBoxPliki = nullptr;
    QTableWidget* SG2 = nullptr; // the material list of the current group
    QCheckBox* CheckBoxWybor = nullptr;
    QPushButton* Button1 = nullptr;     // "&Wprowadź"
    QPushButton* Button2 = nullptr;     // "&Anuluj"
    QPushButton* ButtonDodaj = nullptr; // "&Zapisz do bazy"
    QStatusBar* StatusBar1 = nullptr;
    // Hidden; holds the marker (caption + ".ath") of the current group, never used as a file name.
    QLabel* LabelWiersz = nullptr;

    void Zbuduj();
    // What opening and leaving own-material mode share: group and list usable, the values locked.
    void PolaTrybuKatalogu();
    // Steps of the λ and μ check shared by a new layer and a material for the catalogue.
    bool SprawdzLambdeIMi(double granicaMi, bool granicaWlacznie);
    TNumEdit* PoleLambdyKlasy() const; // the λ field of the humidity class set on the main window
    std::string PlikDoOdczytu(std::string_view grupa) const; // the user's copy, else the shipped group
    void Ostrzez(const QString& tekst, const QString& tytul, QWidget* pole);
    void Bezpiecznie(const std::function<void()>& f);

    TOknoWarstw& okno_;
    TDialogi& dialogi_;
    QFrame* ramkaLogo_ = nullptr;
    int wierszPrzedKliknieciem_ = -1;
};

} // namespace murolab
