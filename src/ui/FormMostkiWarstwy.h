#pragma once
// The dialog of a bridged layer: up to kMaksMostkow materials that bridge the layer (studs, rafters,
// battens, mortar joints), each with its values and its share of the layer's area, typed as a
// percentage or as the members' width and spacing, and whether the members lie on those of an
// earlier bridged layer. The layer's own material takes the rest of the area. The caller checks
// the result against the whole partition (SprawdzWPrzegrodzie) before the dialog closes.

#include "core/Bledy.h"
#include "core/Model.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace murolab {

class TDialogi;
class TNumEdit;

class TFormMostkiWarstwy : public QDialog {
    Q_OBJECT
public:
    explicit TFormMostkiWarstwy(TDialogi& dialogi, QWidget* rodzic = nullptr);

    // The layer (1-based) with its name, its bridging and "w osi" link, and the earlier bridged
    // layers it may lie on (number, name).
    void Ustaw(int warstwa, const QString& nazwa, const std::vector<TMaterialMostka>& mostki, int wOsi,
               const std::vector<std::pair<int, QString>>& wczesniejsze);
    // What the dialog was closed with: accepted with the materials below, or with the bridging removed.
    const std::vector<TMaterialMostka>& Mostki() const { return mostki_; }
    int WOsi() const { return wOsi_; }
    bool Usunieto() const { return usunieto_; }

    // The fault of the layer's bridging as it would stand in its partition, or nothing; set by the caller.
    std::function<TBlad(const std::vector<TMaterialMostka>&, int wOsi)> SprawdzWPrzegrodzie;
    // A material chosen in the catalogue (its share left to be typed), nothing when the user
    // cancelled; set by the caller, the "Z katalogu…" buttons hidden while it is not.
    std::function<std::optional<TMaterialMostka>()> ZKatalogu;

    void Button1Click();            // "&Wprowadź"
    void ButtonUsunClick();         // "&Usuń mostki"
    void ButtonKatalogClick(int i); // "Z katalogu…" of material i (0-based)

    // Sposob: how a member's share is typed.
    static constexpr int kProcent = 0;
    static constexpr int kRozstaw = 1;

protected:
    // Every showing puts the dialog in the middle of the screen, as the insertion dialog is.
    void showEvent(QShowEvent* zdarzenie) override;

private:
    struct TPolaMostka {
        QGroupBox* Ramka = nullptr;
        QLineEdit* Nazwa = nullptr;
        QPushButton* Katalog = nullptr; // "Z katalogu…"
        TNumEdit* Lambda = nullptr;
        TNumEdit* Mi = nullptr;
        TNumEdit* Gestosc = nullptr;
        TNumEdit* Cieplo = nullptr;
        QComboBox* Sposob = nullptr;
        TNumEdit* Udzial = nullptr;    // %
        TNumEdit* Szerokosc = nullptr; // cm
        TNumEdit* Rozstaw = nullptr;   // cm
        QLabel* EtykietaUdzialu = nullptr;
        QLabel* EtykietaSzerokosci = nullptr;
        QLabel* EtykietaRozstawu = nullptr;
        QLabel* Wynik = nullptr;    // "= 8,89 % powierzchni"
        QString TekstPierwotny;     // the percentage shown for a stored share
        double UdzialPierwotny = 0; // that share, kept exactly while its text is not changed
    };

    void Zbuduj();
    void Odswiez();
    bool Uzywany(const TPolaMostka& p) const;
    // The share a material's fields give, or nothing while they give none.
    std::optional<double> Udzial(const TPolaMostka& p) const;
    bool Czytaj(std::vector<TMaterialMostka>& mostki);
    void Ostrzez(const QString& tekst, QWidget* pole);

    TDialogi& dialogi_;
    QLabel* LabelWarstwa = nullptr;
    std::array<TPolaMostka, kMaksMostkow> pola_;
    QComboBox* ComboBoxWOsi = nullptr;
    QLabel* LabelReszta = nullptr; // the share the layer's own material keeps
    QPushButton* Button1 = nullptr;
    QPushButton* ButtonUsun = nullptr;
    QPushButton* Button2 = nullptr;
    QString nazwaWarstwy_;
    std::vector<TMaterialMostka> mostki_;
    int wOsi_ = 0;
    bool usunieto_ = false;
};

} // namespace murolab
