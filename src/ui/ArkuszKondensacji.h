#pragma once
// The sheet "Kondensacja i WT 2021": the climate, the indoor air and the WT 2021 row chosen for the
// project, and the results of the moisture check (the design-condition planes, the twelve months,
// fRsi, Uk against Umax and the WT verdict, the Ma chart, the summer figures). It owns its controls
// and computes nothing: the main window's calculate command runs AnalizujProjekt with the choices
// made here and hands the result to Pokaz; a change of a choice is signalled (Zmieniono) and the
// window decides whether to compute again. Controls carry objectNames for the tests. A partition with
// bridged or air layers adds the section selector ("ComboBoxPrzekrojKondensacji") with the chosen
// section's verdicts ("LabelWerdyktyPrzekroju"): the monthly table and the Ma chart are that
// section's, every verdict stays the worst section's and names it.

#include "core/AnalizaProjektu.h"
#include "core/Iso13788.h"
#include "core/Klimat.h"
#include "core/Model.h"
#include "output/Przekroje.h"
#include "output/TekstyKondensacji.h"

#include <QString>
#include <QWidget>

#include <filesystem>

#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace murolab {

class TDialogi;
class TWyborPrzekroju;
class TWykresMa;

// One climate on offer: its key (the file's name without ".csv", stored with the project), the
// station as the file names it (with Polish letters), and its file.
struct TKlimatNaLiscie {
    QString Nazwa;
    QString Stacja;
    QString Plik;
    bool Wlasny = false; // from the user's own folder
};

class TArkuszKondensacji : public QWidget {
    Q_OBJECT
public:
    // `katalogDanych`: the program's data directory, whose "klimat" folder holds the shipped climates.
    TArkuszKondensacji(TModelProjektu& model, TDialogi& dialogi, const std::filesystem::path& katalogDanych,
                       QWidget* rodzic = nullptr);
    ~TArkuszKondensacji() override;

    // The folders of the climates: the installed ones and the user's own (where "Własny…" saves).
    // By default the installed data's "klimat" and the user's ~/.local/share/murolab/klimat.
    void UstawKatalogiKlimatow(const QString& wbudowany, const QString& wlasny);
    static QString DomyslnyKatalogWlasny();
    QList<TKlimatNaLiscie> Klimaty() const;

    // Shows the model's stored choices (after New and Open); reads the chosen climate's file.
    void PokazUstawienia();
    // The choices as AnalizujProjekt takes them; the climate points into this sheet (valid until the
    // next choice).
    TWyborAnalizy Wybor() const;
    // Why the chosen climate could not be read (empty when it was, or when none is chosen).
    const std::string& BladKlimatu() const { return bladKlimatu_; }
    // Shows an analysis computed by the calculate command with Wybor(), and its texts.
    void Pokaz(const TAnalizaProjektu& analiza, const TTekstyAnalizy& teksty);
    void WyczyscWyniki();
    // The chosen section of a partition with bridged or air layers (null: none, a homogeneous one).
    void PokazPrzekroj(const TWilgocPrzekroju* przekroj);
    TWyborPrzekroju& WyborPrzekroju() { return *wyborPrzekroju_; }
    // The last analysis (empty before the first calculation and after a reset).
    const std::optional<TAnalizaIso13788>& Analiza() const { return analiza_; }
    const TTekstyKondensacji& Teksty() const { return teksty_; }
    std::vector<TLiniaWyniku> Lato() const { return lato_; }
    // The chosen climate as read, if any.
    const std::optional<TKlimat>& Klimat() const { return klimat_; }
    // The WT row in force: the chosen one, or the one that follows the partition type.
    const TWierszWT& WierszWT() const;

signals:
    // The user changed a stored choice (the project is then unsaved).
    void Zmieniono();

private:
    void ZbudujKontrolki();
    void WypelnijListeKlimatow();
    void KlimatWybrany(int indeks);
    void OtworzEdytor();
    bool WczytajKlimat(const QString& nazwa, QString* blad);
    static QString NazwaStacji(const QString& plik, const QString& nazwa);
    void PokazKlimat();
    void WnetrzeWybrane(int indeks);
    void WierszWybrany(int indeks);
    void OdswiezWierszDomyslny();
    void PokazTeksty();

    TModelProjektu& model_;
    TDialogi& dialogi_;
    QString katalogWbudowany_;
    QString katalogWlasny_;
    std::optional<TKlimat> klimat_;
    bool klimatZProjektu_ = false; // klimat_ is the project's stored year, not the local file of that name
    std::string bladKlimatu_;
    std::optional<TAnalizaIso13788> analiza_;
    TTekstyKondensacji teksty_;
    std::vector<TLiniaWyniku> lato_;
    std::optional<TWilgocPrzekroju> przekroj_;
    bool wypelnianie_ = false; // the program fills the lists: no change handling

    QComboBox* klimaty_ = nullptr;
    QPushButton* wlasny_ = nullptr;
    QTableWidget* tabelaKlimatu_ = nullptr;
    QComboBox* wnetrze_ = nullptr;
    QComboBox* wiersze_ = nullptr;
    TWyborPrzekroju* wyborPrzekroju_ = nullptr;
    QLabel* werdyktyPrzekroju_ = nullptr;
    QLabel* projektowe_ = nullptr;
    QTableWidget* miesiace_ = nullptr;
    QLabel* rok_ = nullptr;
    QLabel* podpowiedzKlimatu_ = nullptr;
    QLabel* frsi_ = nullptr;
    QLabel* wt_ = nullptr;
    TWykresMa* wykresMa_ = nullptr;
    QGroupBox* grupaLato_ = nullptr;
    QLabel* lato_etykieta_ = nullptr;
};

} // namespace murolab
