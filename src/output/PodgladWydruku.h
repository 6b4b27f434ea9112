#pragma once
// The A4 report of one calculation (three pages: the results, the charts, the moisture check) and
// its print preview: zoom, page set-up, printing and saving as PDF. The texts are kept as plain data
// (RaportLinie.h), the report charts are drawn afresh from the model each time the report is shown.

#include "core/Arkusz.h"
#include "core/Model.h"
#include "output/Przekroje.h"
#include "output/RaportLinie.h"
#include "output/TekstyKondensacji.h"
#include "widgets/Dialogi.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QLabel;

namespace murolab {

class TWykresTemperatur;
class TWykresCisnien;
class TWykresMa;
struct TTrescRaportu;

class TPodgladWydruku : public QDialog {
    Q_OBJECT
public:
    // katalogDanych: where the pictures are (the chart background "tlo.bmp", the logo "logo1.bmp").
    TPodgladWydruku(TModelProjektu& model, TDialogi& dialogi, const std::filesystem::path& katalogDanych,
                    QWidget* rodzic = nullptr);
    ~TPodgladWydruku() override;

    // Run at the end of every calculation: copies the tables, the result labels and the verdict of
    // the results sheet and the project description. typPrzegrody: the text shown in the
    // partition-type list of sheet 0 (printed only when the description names an object).
    void WypelnijRaport(const TArkuszWynikow& arkusz, const QString& typPrzegrody);
    // The moisture check of the same calculation, for the third page and the diffusion chart's
    // condensation line.
    void WypelnijKondensacje(const std::optional<TAnalizaIso13788>& analiza, const TTekstyKondensacji& teksty,
                             const std::vector<TLiniaWyniku>& lato);
    // For a partition with bridged or air layers, after the two fills above of the same calculation:
    // the first two pages show the sections that RaportPrzekrojow chooses, with their lines. A
    // homogeneous partition's analysis leaves the report as the fills made it. ti, te: as for the
    // results sheet.
    void WypelnijPrzekroje(const TAnalizaProjektu& analiza, int ti, int te, const QString& typPrzegrody);
    const TRaportPrzekrojow* Przekroje() const { return przekroje_ ? &*przekroje_ : nullptr; }
    // The report's pages: 3 after a calculation, 2 before the first one and after a reset.
    int LiczbaStron() const { return kondensacja_ ? 3 : 2; }
    const TTekstyKondensacji* Kondensacja() const { return kondensacja_ ? &*kondensacja_ : nullptr; }
    const std::vector<TLiniaWyniku>& Lato() const { return lato_; }
    // Part of the results reset (calculation, New, Open): empty tables, reset result labels, empty
    // report charts. The description and the verdict stay.
    void WyczyscRaport();
    // "Raport": draws both report charts afresh and opens the print preview. cieplejWewnatrz: ti > te
    // as the working-conditions sheet's fields show them.
    void PokazRaport(QWidget* rodzic, bool cieplejWewnatrz);

    // Draws the report charts from the model and loads the pictures, as showing the report does.
    void PrzygotujWykresy(bool cieplejWewnatrz);
    // Writes what the preview shows to a PDF file; false with the reason in *blad on failure.
    bool ZapiszRaportPdf(const QString& plik, QString* blad = nullptr);

    const TRaport& Raport() const { return raport_; }
    // The report's charts: drawn into the pages, never shown on the screen, so no part of the
    // dialog's widgets.
    TWykresTemperatur* QRChartTemp = nullptr;
    TWykresCisnien* QRChartCisnienie = nullptr;
    TWykresMa* QRChartMa = nullptr;

    // The toolbar's commands (public for the tests and the main window's shortcuts).
    void Drukuj();
    void UstawieniaStrony();
    void ZapiszPdf();

private:
    // The controls; their objectNames are these names (the tests find them by name). The preview is
    // made when the report is first shown.
    QPrintPreviewWidget* Podglad = nullptr;
    QPushButton* PrzyciskDrukuj = nullptr;
    QPushButton* PrzyciskUstawienia = nullptr;
    QPushButton* PrzyciskPdf = nullptr;
    QPushButton* PrzyciskZamknij = nullptr;

    QPrinter& Drukarka();
    TTrescRaportu Tresc();

    TModelProjektu& model_;
    TDialogi& dialogi_;
    std::filesystem::path katalogDanych_;
    TRaport raport_;
    std::optional<TAnalizaIso13788> analiza_;
    std::optional<TTekstyKondensacji> kondensacja_;
    std::vector<TLiniaWyniku> lato_;
    // The sections the first two pages show (empty for a homogeneous partition).
    std::optional<TRaportPrzekrojow> przekroje_;
    std::optional<TModelProjektu> modelTemperatur_;
    std::optional<TModelProjektu> modelCisnien_;
    QImage logo_;
    std::unique_ptr<QPrinter> drukarka_;
    QLabel* powiekszenie_ = nullptr;
    QString ostatniPdf_;
};

} // namespace murolab
