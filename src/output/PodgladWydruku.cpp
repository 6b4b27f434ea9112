#include "output/PodgladWydruku.h"

#include "output/StronyRaportu.h"
#include "output/WykresMa.h"
#include "output/Wykresy.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Nazwy.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace murolab {

TPodgladWydruku::TPodgladWydruku(TModelProjektu& model, TDialogi& dialogi,
                                 const std::filesystem::path& katalogDanych, QWidget* rodzic)
    : QDialog(rodzic), model_(model), dialogi_(dialogi), katalogDanych_(katalogDanych) {
    setWindowTitle(QString::fromUtf8(kTytulRaportu));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    // The report's charts are never shown on the screen: they are rendered into the pages.
    QRChartTemp = new TWykresTemperatur(nullptr, TWykres::TWersja::Raport);
    QRChartCisnienie = new TWykresCisnien(nullptr, TWykres::TWersja::Raport);
    QRChartMa = new TWykresMa(nullptr, TWykresMa::TWersja::Raport);

    auto* uklad = new QVBoxLayout(this);
    auto* pasek = new QHBoxLayout;
    auto przycisk = [&](const QString& tekst, const QString& podpowiedz) {
        auto* b = new QPushButton(tekst, this);
        b->setToolTip(podpowiedz);
        b->setAutoDefault(false);
        pasek->addWidget(b);
        return b;
    };
    QPushButton* pomniejsz = przycisk(QStringLiteral("−"), QStringLiteral("Pomniejsz"));
    QPushButton* powieksz = przycisk(QStringLiteral("+"), QStringLiteral("Powiększ"));
    QPushButton* szerokosc =
        przycisk(QStringLiteral("Szerokość strony"), QStringLiteral("Dopasuj do szerokości"));
    QPushButton* cala = przycisk(QStringLiteral("Cała strona"), QStringLiteral("Pokaż całą stronę"));
    pasek->addSpacing(12);
    PrzyciskUstawienia =
        przycisk(QStringLiteral("&Ustawienia strony..."), QStringLiteral("Ustawienia strony"));
    PrzyciskDrukuj = przycisk(QStringLiteral("&Drukuj..."), QStringLiteral("Drukuj raport"));
    PrzyciskPdf = przycisk(QStringLiteral("&Zapisz PDF..."), QStringLiteral("Zapisz raport jako plik PDF"));
    pasek->addStretch(1);
    PrzyciskZamknij = przycisk(QStringLiteral("Za&mknij"), QStringLiteral("Zamknij podgląd"));
    uklad->addLayout(pasek);

    PolaczBezpiecznie(dialogi_, this, pomniejsz, &QPushButton::clicked, [this] {
        if (Podglad)
            Podglad->zoomOut();
    });
    PolaczBezpiecznie(dialogi_, this, powieksz, &QPushButton::clicked, [this] {
        if (Podglad)
            Podglad->zoomIn();
    });
    PolaczBezpiecznie(dialogi_, this, szerokosc, &QPushButton::clicked, [this] {
        if (Podglad)
            Podglad->fitToWidth();
    });
    PolaczBezpiecznie(dialogi_, this, cala, &QPushButton::clicked, [this] {
        if (Podglad)
            Podglad->fitInView();
    });
    PolaczBezpiecznie(dialogi_, this, PrzyciskUstawienia, &QPushButton::clicked,
                      [this] { UstawieniaStrony(); });
    PolaczBezpiecznie(dialogi_, this, PrzyciskDrukuj, &QPushButton::clicked, [this] { Drukuj(); });
    PolaczBezpiecznie(dialogi_, this, PrzyciskPdf, &QPushButton::clicked, [this] { ZapiszPdf(); });
    connect(PrzyciskZamknij, &QPushButton::clicked, this, &QDialog::accept);
    NazwijKontrolki({{PrzyciskDrukuj, "PrzyciskDrukuj"},
                     {PrzyciskUstawienia, "PrzyciskUstawienia"},
                     {PrzyciskPdf, "PrzyciskPdf"},
                     {PrzyciskZamknij, "PrzyciskZamknij"}});
}

TPodgladWydruku::~TPodgladWydruku() {
    // The preview goes before the printer it draws on (a member, destroyed before the children).
    delete Podglad;
    delete QRChartTemp;
    delete QRChartCisnienie;
    delete QRChartMa;
}

QPrinter& TPodgladWydruku::Drukarka() {
    // Made when first needed: asking the printing system for its printers is not for start-up.
    if (!drukarka_) {
        drukarka_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drukarka_->setPageLayout(UkladStronyRaportu());
        drukarka_->setDocName(QString::fromUtf8(kTytulRaportu));
        drukarka_->setCreator(QStringLiteral("Murolab"));
    }
    return *drukarka_;
}

void TPodgladWydruku::WypelnijRaport(const TArkuszWynikow& arkusz, const QString& typPrzegrody) {
    murolab::WypelnijRaport(raport_, model_, arkusz, typPrzegrody.toStdString());
    if (Podglad && isVisible())
        Podglad->updatePreview();
}

void TPodgladWydruku::WypelnijKondensacje(const std::optional<TAnalizaIso13788>& analiza,
                                          const TTekstyKondensacji& teksty,
                                          const std::vector<TLiniaWyniku>& lato) {
    analiza_ = analiza;
    kondensacja_ = teksty;
    lato_ = lato;
    if (Podglad && isVisible())
        Podglad->updatePreview();
}

void TPodgladWydruku::WypelnijPrzekroje(const TAnalizaProjektu& analiza, int ti, int te,
                                        const QString& typPrzegrody) {
    przekroje_.reset();
    modelTemperatur_.reset();
    modelCisnien_.reset();
    if (analiza.Niejednorodna) {
        WypelnijRaportPrzekrojow(raport_, model_, analiza, ti, te, typPrzegrody.toStdString());
        przekroje_ = RaportPrzekrojow(model_, *analiza.Niejednorodna);
        modelTemperatur_ = ModelPrzekrojuWidoku(model_, analiza, przekroje_->Strona1);
        modelCisnien_ = ModelPrzekrojuWidoku(model_, analiza, przekroje_->Strona2);
    }
    if (Podglad && isVisible())
        Podglad->updatePreview();
}

TTrescRaportu TPodgladWydruku::Tresc() {
    TTrescRaportu t{raport_, *QRChartTemp, *QRChartCisnienie, logo_};
    if (kondensacja_) {
        t.Kondensacja = &*kondensacja_;
        t.Lato = &lato_;
        t.WykresMa = QRChartMa;
    }
    if (przekroje_)
        t.Przekroje = &*przekroje_;
    return t;
}

void TPodgladWydruku::WyczyscRaport() {
    murolab::WyczyscRaport(raport_);
    analiza_.reset();
    kondensacja_.reset();
    lato_.clear();
    przekroje_.reset();
    modelTemperatur_.reset();
    modelCisnien_.reset();
    QRChartMa->Wyczysc();
    WyczyscWykres(*QRChartTemp);
    WyczyscWykres(*QRChartCisnienie);
    if (Podglad && isVisible())
        Podglad->updatePreview();
}

void TPodgladWydruku::PrzygotujWykresy(bool cieplejWewnatrz) {
    if (QImage logo = PrzygotujWykresyRaportu(
            *QRChartTemp, *QRChartCisnienie, *QRChartMa, modelTemperatur_ ? *modelTemperatur_ : model_,
            modelCisnien_ ? *modelCisnien_ : model_, cieplejWewnatrz, analiza_ ? &*analiza_ : nullptr,
            kondensacja_ ? &*kondensacja_ : nullptr, katalogDanych_);
        !logo.isNull())
        logo_ = logo;
}

void TPodgladWydruku::PokazRaport(QWidget* rodzic, bool cieplejWewnatrz) {
    PrzygotujWykresy(cieplejWewnatrz);
    if (!Podglad) {
        Podglad = new QPrintPreviewWidget(&Drukarka(), this);
        Podglad->setObjectName(QStringLiteral("Podglad"));
        PolaczBezpiecznie(dialogi_, this, Podglad, &QPrintPreviewWidget::paintRequested,
                          [this](QPrinter* drukarka) { DrukujRaport(*drukarka, Tresc()); });
        layout()->addWidget(Podglad);
        QWidget* wzgledem = rodzic ? rodzic : parentWidget();
        const QScreen* ekran = wzgledem ? wzgledem->screen() : QApplication::primaryScreen();
        const QRect dostepne = ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
        resize(std::min(860, dostepne.width() - 40), std::min(1000, dostepne.height() - 60));
    }
    Podglad->updatePreview();
    // Each showing starts at the first page, the whole page in the window.
    Podglad->setZoomMode(QPrintPreviewWidget::FitInView);
    Podglad->setCurrentPage(1);
    dialogi_.PokazModalnie(this);
}

bool TPodgladWydruku::ZapiszRaportPdf(const QString& plik, QString* blad) {
    const QPageLayout uklad = drukarka_ ? drukarka_->pageLayout() : UkladStronyRaportu();
    return murolab::ZapiszRaportPdf(plik, Tresc(), blad, uklad);
}

void TPodgladWydruku::Drukuj() {
    QPrintDialog dialog(&Drukarka(), this);
    dialog.setWindowTitle(QStringLiteral("Drukuj raport"));
    if (dialogi_.PokazModalnie(&dialog) == QDialog::Accepted && Podglad)
        Podglad->print();
}

void TPodgladWydruku::UstawieniaStrony() {
    QPageSetupDialog dialog(&Drukarka(), this);
    if (dialogi_.PokazModalnie(&dialog) == QDialog::Accepted && Podglad)
        Podglad->updatePreview();
}

void TPodgladWydruku::ZapiszPdf() {
    TParametryPliku parametry;
    parametry.Tytul = QStringLiteral("Zapisz raport jako PDF");
    parametry.Filtry = {{QStringLiteral("Dokument PDF (*.pdf)"), QStringLiteral("*.pdf")}};
    parametry.DomyslneRozszerzenie = QStringLiteral("pdf");
    parametry.NazwaPoczatkowa = ostatniPdf_;
    const QString plik = dialogi_.PlikDoZapisu(this, parametry);
    if (plik.isEmpty())
        return;
    ostatniPdf_ = plik;
    QString blad;
    if (!ZapiszRaportPdf(plik, &blad))
        dialogi_.Blad(this, blad);
}

} // namespace murolab
