#include "app/RaportZWierszaPolecen.h"

#include "app/AplikacjaRaportu.h"

#include "core/Arkusz.h"
#include "output/Przekroje.h"
#include "output/RaportLinie.h"
#include "output/RaportZestawienia.h"
#include "output/StronyRaportu.h"
#include "output/TekstyKondensacji.h"
#include "output/WykresMa.h"
#include "output/Wykresy.h"

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

namespace murolab {

namespace {

QtMessageHandler poprzedniaObsluga = nullptr;

// Qt warns on stderr that XDG_RUNTIME_DIR is not set whenever a batch run has no desktop session
// (a cron job, a container): nothing is wrong with the report then, so that one line is dropped.
void BezOstrzezeniaOKataloguSesji(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst) {
    if (typ == QtWarningMsg && tekst.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (poprzedniaObsluga)
        poprzedniaObsluga(typ, kontekst, tekst);
}

// For the life of the object.
class TFiltrKomunikatowQt {
public:
    TFiltrKomunikatowQt() { poprzedniaObsluga = qInstallMessageHandler(BezOstrzezeniaOKataloguSesji); }
    ~TFiltrKomunikatowQt() { qInstallMessageHandler(poprzedniaObsluga); }
    TFiltrKomunikatowQt(const TFiltrKomunikatowQt&) = delete;
    TFiltrKomunikatowQt& operator=(const TFiltrKomunikatowQt&) = delete;
};

} // namespace

namespace {

// Fills the report as a calculation in the window does and writes it. `analiza`: the whole analysis
// when the command line has it (the sections of a bridged partition), else only its moisture check.
int ZapiszRaport(const TModelProjektu& model, int ti, int te, const TAnalizaIso13788& wilgoc,
                 const TAnalizaProjektu* analiza, const std::string& pdf,
                 const std::filesystem::path& katalogDanych, std::ostream& err) {
    const TFiltrKomunikatowQt filtr;
    // The charts are widgets: a QApplication must exist. Made here, without a display, when the
    // command line runs without one; destroyed last, after the charts below.
    bool mozna = true;
    const std::unique_ptr<QApplication> aplikacja = AplikacjaRaportu(err, mozna);
    if (!mozna)
        return 2;

    // What a calculation in the window hands to its report: the results sheet and the texts of
    // the moisture sheet. A climate that cannot be read never gets here (the command line stops
    // before), so no "climate unavailable" line is needed.
    TRaport raport;
    TTekstyKondensacji kondensacja;
    std::vector<TLiniaWyniku> lato;
    std::optional<TRaportPrzekrojow> przekroje;
    const TModelProjektu* modelTemperatur = &model;
    const TModelProjektu* modelCisnien = &model;
    if (analiza) {
        WypelnijRaportPrzekrojow(raport, model, *analiza, ti, te, model.WarunkiPracy.TypPrzegrody.Utf8());
        TTekstyAnalizy teksty = TekstyAnalizy(*analiza, model.LiczbaWarstw);
        kondensacja = std::move(teksty.Wilgoc);
        lato = std::move(teksty.Lato);
        if (analiza->Niejednorodna) {
            przekroje = RaportPrzekrojow(model, *analiza->Niejednorodna);
            modelTemperatur = &ModelPrzekrojuWidoku(model, *analiza, przekroje->Strona1);
            modelCisnien = &ModelPrzekrojuWidoku(model, *analiza, przekroje->Strona2);
        }
    } else {
        WypelnijRaport(raport, model, ArkuszWynikow(model, ti, te), model.WarunkiPracy.TypPrzegrody.Utf8());
        kondensacja = TekstyKondensacji(wilgoc, model.LiczbaWarstw);
        lato = TekstyLata(model);
    }
    TWykresTemperatur temperatury(nullptr, TWykres::TWersja::Raport);
    TWykresCisnien cisnienia(nullptr, TWykres::TWersja::Raport);
    TWykresMa ma(nullptr, TWykresMa::TWersja::Raport);
    const QImage logo = PrzygotujWykresyRaportu(temperatury, cisnienia, ma, *modelTemperatur, *modelCisnien,
                                                ti > te, &wilgoc, &kondensacja, katalogDanych);
    TTrescRaportu tresc{raport, temperatury, cisnienia, logo};
    tresc.Kondensacja = &kondensacja;
    tresc.Lato = &lato;
    tresc.WykresMa = &ma;
    tresc.Przekroje = przekroje ? &*przekroje : nullptr;

    QString blad;
    if (!ZapiszRaportPdf(QString::fromStdString(pdf), tresc, &blad)) {
        err << blad.toStdString() << "\n";
        return 2;
    }
    return 0;
}

} // namespace

int ZapiszRaportZWierszaPolecen(const TModelProjektu& model, int ti, int te, const TAnalizaIso13788& analiza,
                                const std::string& pdf, const std::filesystem::path& katalogDanych,
                                std::ostream& err) {
    return ZapiszRaport(model, ti, te, analiza, nullptr, pdf, katalogDanych, err);
}

int ZapiszRaportZWierszaPolecen(const TModelProjektu& model, int ti, int te, const TAnalizaProjektu& analiza,
                                const std::string& pdf, const std::filesystem::path& katalogDanych,
                                std::ostream& err) {
    return ZapiszRaport(model, ti, te, analiza.Wilgoc, &analiza, pdf, katalogDanych, err);
}

} // namespace murolab

namespace murolab {

int ZapiszZestawienieZWierszaPolecen(const TOpisBudynku& budynek,
                                     const std::vector<TWierszZestawienia>& wiersze, const std::string& pdf,
                                     std::ostream& err) {
    bool mozna = true;
    const std::unique_ptr<QApplication> aplikacja = AplikacjaRaportu(err, mozna);
    if (!mozna)
        return 2;
    TTrescZestawienia tresc{budynek, wiersze, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))};
    QString blad;
    if (!ZapiszZestawieniePdf(QString::fromStdString(pdf), tresc, &blad)) {
        err << blad.toStdString() << "\n";
        return 2;
    }
    return 0;
}

} // namespace murolab
