#include "app/RaportZWierszaPolecen.h"

#include "core/Arkusz.h"
#include "output/RaportLinie.h"
#include "output/StronyRaportu.h"
#include "output/Wykresy.h"

#include <QApplication>
#include <QImage>
#include <QString>

#include <memory>

namespace murolab {

int ZapiszRaportZWierszaPolecen(const TModelProjektu& model, int ti, int te, const std::string& pdf,
                                const std::filesystem::path& katalogDanych, std::ostream& err) {
    // The charts are widgets: a QApplication must exist. Made here, without a display, when the
    // command line runs without one; destroyed last, after the charts below.
    std::unique_ptr<QApplication> aplikacja;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nazwa[] = "murolab";
        static char* argv[] = {nazwa, nullptr};
        aplikacja = std::make_unique<QApplication>(argc, argv);
    } else if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        err << "Raport wymaga aplikacji okienkowej Qt (QApplication).\n";
        return 2;
    }

    TRaport raport;
    WypelnijRaport(raport, model, ArkuszWynikow(model, ti, te), model.WarunkiPracy.TypPrzegrody.Utf8());
    TWykresTemperatur temperatury(nullptr, TWykres::TWersja::Raport);
    TWykresCisnien cisnienia(nullptr, TWykres::TWersja::Raport);
    RysujWykresTemperatur(temperatury, model, ti > te);
    RysujWykresCisnien(cisnienia, model, ti > te);
    temperatury.WczytajTlo(PlikObrazuRaportu(katalogDanych, "tlo.bmp"));
    const QImage logo = WczytajTloILogo(cisnienia, katalogDanych);

    QString blad;
    if (!ZapiszRaportPdf(QString::fromStdString(pdf), TTrescRaportu{raport, temperatury, cisnienia, logo},
                         &blad)) {
        err << blad.toStdString() << "\n";
        return 2;
    }
    return 0;
}

} // namespace murolab
