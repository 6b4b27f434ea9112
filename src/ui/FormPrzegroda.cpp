// Part of TFormPrzegroda: the frame, the menu, the sheets' pages, the help and calculator
// commands, the charts' pages and the closing questions.
#include "ui/FormPrzegroda.h"

#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "output/PodgladWydruku.h"
#include "output/Wykresy.h"
#include "ui/AboutBox.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/Bezpiecznie.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/Kalkulator.h"
#include "ui/KontekstPomocy.h"
#include "ui/NumEdit.h"
#include "ui/Okna.h"
#include "ui/Pomoc.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace murolab {

namespace {
const QString kTytulOkna = QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej");
const QString kPytanieZapis = QStringLiteral("Czy zapisać zmianny w pliku ..?");

class TStylZakladek : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metryka, const QStyleOption* opcja, const QWidget* w) const override {
        if (metryka == PM_TabBarTabHSpace)
            return 2;
        return QProxyStyle::pixelMetric(metryka, opcja, w);
    }
};

bool WOknie(const QWidget* w, const QWidget* pojemnik) {
    return w && pojemnik && (w == pojemnik || pojemnik->isAncestorOf(w));
}

bool ZapisacZmiany(TFormPrzegroda& f) {
    return f.Dialogi.Komunikat(&f, kPytanieZapis, QStringLiteral("Murolab"), TIkona::Pytanie,
                               TPrzyciski::TakNie) == TOdpowiedz::Tak;
}

// Which side is warmer is read from the sheet's fields: the charts' and the report's captions need it.
bool CieplejWewnatrz(const TFormPrzegroda& f) {
    return NaCalkowita(f.NumEditTempWew->text().toStdString()) >
           NaCalkowita(f.NumEditTempZewn->text().toStdString());
}
} // namespace

TFormPrzegroda::TFormPrzegroda(TDialogi& dialogi, QWidget* rodzic) : QMainWindow(rodzic), Dialogi(dialogi) {
    setWindowTitle(kTytulOkna);
    // A fixed single border: the system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    ZbudujMenu();

    // The client area under the menu: the page control, "&Oblicz" and the status bar, 692 x 454.
    auto* srodek = new QWidget(this);
    srodek->setFixedSize(692, 435);
    PageControlPrzegroda = new QTabWidget(srodek);
    PageControlPrzegroda->setGeometry(0, 0, 692, 398);
    PageControlPrzegroda->tabBar()->setFont(CzcionkaPikseli(font(), 13, true));
    // The captions keep their designed runs of blanks; with the style's usual margin around each
    // caption the five tabs would not fit the window's width in the system's (wide) UI font.
    auto* stylZakladek = new TStylZakladek;
    stylZakladek->setParent(PageControlPrzegroda);
    PageControlPrzegroda->tabBar()->setStyle(stylZakladek);
    PageControlPrzegroda->tabBar()->setElideMode(Qt::ElideNone);
    PageControlPrzegroda->tabBar()->setExpanding(false);
    // Six tabs are wider than the window: the arrows of the tab bar reach the last one.
    PageControlPrzegroda->setUsesScrollButtons(true);
    TabSheetWarPracy = new QWidget;
    TabSheetPrzegroda = new QWidget;
    TabSheetObliczenia = new QWidget;
    TabSheetWykresCisnien = new QWidget;
    TabSheetWykresTemperat = new QWidget;
    PageControlPrzegroda->addTab(TabSheetWarPracy, QStringLiteral("    Warunki pracy  "));
    PageControlPrzegroda->addTab(TabSheetPrzegroda, QStringLiteral("     Przegroda     "));
    PageControlPrzegroda->addTab(TabSheetObliczenia, QStringLiteral("      Obliczenia     "));
    PageControlPrzegroda->addTab(TabSheetWykresCisnien, QStringLiteral("    Wykres ciśnień    "));
    PageControlPrzegroda->addTab(TabSheetWykresTemperat, QStringLiteral(" Wykres temperatur"));
    ArkuszKondensacji = new TArkuszKondensacji(Model, Dialogi);
    TabSheetKondensacja = ArkuszKondensacji;
    PageControlPrzegroda->addTab(TabSheetKondensacja, QStringLiteral("Kondensacja i WT 2021"));
    UstawKontekstPomocy(TabSheetWykresCisnien, 13);
    UstawKontekstPomocy(TabSheetWykresTemperat, 14);

    BitBtnOblicz = new QPushButton(QStringLiteral("&Oblicz"), srodek);
    BitBtnOblicz->setGeometry(5, 401, 681, 33);
    BitBtnOblicz->setFont(CzcionkaPikseli(font(), 16, true));
    connect(BitBtnOblicz, &QPushButton::clicked, this,
            [this] { Bezpiecznie([this] { BitBtnObliczClick(); }); });

    setCentralWidget(srodek);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);
    setStatusBar(StatusBar1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    ZbudujArkuszWarunkow();
    ZbudujSiatke();
    ZbudujArkuszWynikow();
    ZbudujWykresy();
    // "&Oblicz" closes the round of Tab through a sheet's controls, as it stands below the sheets.
    setTabOrder(ChartTemperatura, BitBtnOblicz);

    Kalkulator = new TKalkulator(Dialogi, this);

    // "Exit" and "enter" of the sheets follow the focus moving inside this window; switching to
    // another window (a message box, a dialog) is neither.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* stary, QWidget* nowy) {
        if (!stary || !nowy || stary->window() != this || nowy->window() != this)
            return;
        if (WOknie(stary, StringGridPrzegroda) && !WOknie(nowy, StringGridPrzegroda))
            Bezpiecznie([this] { StringGridPrzegrodaExit(); });
        if (!WOknie(stary, TabSheetWarPracy) && WOknie(nowy, TabSheetWarPracy))
            Bezpiecznie([this] { TabSheetWarPracyEnter(); });
    });

    PokazArkusz(0);
    BitBtnOblicz->setFocus(Qt::OtherFocusReason);
    Bezpiecznie([this] { FormCreate(); });
}

TFormPrzegroda::~TFormPrzegroda() {
    // The forms keep a reference to Model, a member of this window: they go before it does.
    const QList<QDialog*> formy = findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    for (QDialog* f : formy)
        delete f;
}

void TFormPrzegroda::ZbudujMenu() {
    auto polacz = [this](QAction* a, void (TFormPrzegroda::*obsluga)()) {
        connect(a, &QAction::triggered, this,
                [this, obsluga] { Bezpiecznie([this, obsluga] { (this->*obsluga)(); }); });
    };
    auto pozycja = [this](QMenu* menu, const QString& tekst, const QKeySequence& skrot = {}) {
        QAction* a = menu->addAction(tekst);
        a->setShortcut(skrot);
        return a;
    };

    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    Nowy1 = pozycja(plik, QStringLiteral("&Nowy"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Otwrz1 = pozycja(plik, QStringLiteral("Otwórz.."), QKeySequence(Qt::CTRL | Qt::Key_O));
    plik->addSeparator();
    Zapisz1 = pozycja(plik, QStringLiteral("Zapisz"), QKeySequence(Qt::CTRL | Qt::Key_S));
    plik->addSeparator();
    Podgldwydruku1 = pozycja(plik, QStringLiteral("Raport"));
    plik->addSeparator();
    Wyjcie1 = pozycja(plik, QStringLiteral("&Wyjście"));
    Wyjcie1->setIcon(QIcon::fromTheme(QStringLiteral("application-exit"),
                                      style()->standardIcon(QStyle::SP_DialogCloseButton)));

    QMenu* edycja = menuBar()->addMenu(QStringLiteral("Edycja"));
    Edycjaprzegrody1 = pozycja(edycja, QStringLiteral("&Przegroda"), QKeySequence(Qt::Key_F2));
    Warunkipracy1 = pozycja(edycja, QStringLiteral("&Warunki pracy"), QKeySequence(Qt::Key_F3));
    Mostkicieplne1 = pozycja(edycja, QStringLiteral("&Mostki cieplne"), QKeySequence(Qt::Key_F4));
    edycja->addSeparator();
    Projektdane1 = pozycja(edycja, QStringLiteral("Dane projektanta"), QKeySequence(Qt::Key_F5));

    QMenu* obliczenia = menuBar()->addMenu(QStringLiteral("Obliczenia"));
    Obliczenia2 = pozycja(obliczenia, QStringLiteral("Obliczenia"), QKeySequence(Qt::Key_F7));
    Wykresci1 = pozycja(obliczenia, QStringLiteral("Wykres ciśnień"), QKeySequence(Qt::Key_F8));
    Wykrestemperatur1 = pozycja(obliczenia, QStringLiteral("Wykres temperatur"), QKeySequence(Qt::Key_F9));
    Kondensacja1 = pozycja(obliczenia, QStringLiteral("Kondensacja i WT 2021"), QKeySequence(Qt::Key_F10));
    connect(Kondensacja1, &QAction::triggered, this, [this] { PokazArkusz(5); });

    QMenu* pomoc = menuBar()->addMenu(QStringLiteral("P&omoc"));
    Pomoc1 = pozycja(pomoc, QStringLiteral("Pomoc"));
    pomoc->addSeparator();
    Oprogramie2 = pozycja(pomoc, QStringLiteral("O programie"));

    polacz(Nowy1, &TFormPrzegroda::Nowy1Click);
    polacz(Otwrz1, &TFormPrzegroda::Otwrz1Click);
    polacz(Zapisz1, &TFormPrzegroda::Zapisz1Click);
    polacz(Podgldwydruku1, &TFormPrzegroda::Podgldwydruku1Click);
    polacz(Wyjcie1, &TFormPrzegroda::Wyjcie1Click);
    polacz(Edycjaprzegrody1, &TFormPrzegroda::Edycjaprzegrody1Click);
    polacz(Warunkipracy1, &TFormPrzegroda::Warunkipracy1Click);
    polacz(Mostkicieplne1, &TFormPrzegroda::Button3Click);
    polacz(Projektdane1, &TFormPrzegroda::Projektdane1Click);
    polacz(Obliczenia2, &TFormPrzegroda::Obliczenia2Click);
    polacz(Wykresci1, &TFormPrzegroda::Wykresci1Click);
    polacz(Wykrestemperatur1, &TFormPrzegroda::Wykrestemperatur1Click);
    polacz(Pomoc1, &TFormPrzegroda::Pomoc1Click);
    polacz(Oprogramie2, &TFormPrzegroda::Oprogramie2Click);
}

void TFormPrzegroda::UstawFormy(TFormWstawWarstwe* wstaw, TFormMostkiTerm* mostki, TFormDane* dane,
                                TPodgladWydruku* raport, TAboutBox* about) {
    FormWstawWarstwe = wstaw;
    FormMostkiTerm = mostki;
    FormDane = dane;
    PodgladWydruku = raport;
    AboutBox = about;
}

void TFormPrzegroda::UstawPomoc(TPomoc* pomoc) {
    Pomoc = pomoc;
}

void TFormPrzegroda::Bezpiecznie(const std::function<void()>& f) {
    murolab::Bezpiecznie(Dialogi, this, f);
}

void TFormPrzegroda::FormCreate() {
    if (const auto blad = WczytajTabliceNasycenia("ula.dat", Model.TablicaNasycenia))
        Dialogi.Blad(this, QString::fromStdString(*blad));
    // The grid starts with no layers: one empty row, disabled.
    WyczyscSiatke();
}

void TFormPrzegroda::FormActivate() {
    StringGridPrzegroda->setVisible(true);
}

void TFormPrzegroda::changeEvent(QEvent* zdarzenie) {
    QMainWindow::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::ActivationChange && isActiveWindow())
        Bezpiecznie([this] { FormActivate(); });
}

void TFormPrzegroda::PokazArkusz(int k) {
    PageControlPrzegroda->setCurrentIndex(k);
}

void TFormPrzegroda::BitBtnObliczClick() {
    Oblicz();
}
// Nowy1Click, Otwrz1Click and Zapisz1Click live with the project commands (Projekt.cpp).

void TFormPrzegroda::Podgldwydruku1Click() {
    if (PodgladWydruku)
        PodgladWydruku->PokazRaport(this, CieplejWewnatrz(*this));
}

void TFormPrzegroda::Edycjaprzegrody1Click() {
    PokazArkusz(1);
}
// F3: the working-conditions sheet, as the item's name promises.
void TFormPrzegroda::Warunkipracy1Click() {
    PokazArkusz(0);
}

void TFormPrzegroda::Button3Click() {
    if (FormMostkiTerm)
        Dialogi.PokazModalnie(FormMostkiTerm);
}

void TFormPrzegroda::Projektdane1Click() {
    if (FormDane)
        Dialogi.PokazModalnie(FormDane);
}

void TFormPrzegroda::Obliczenia2Click() {
    PokazArkusz(2);
}
void TFormPrzegroda::Wykresci1Click() {
    PokazArkusz(3);
}
void TFormPrzegroda::Wykrestemperatur1Click() {
    PokazArkusz(4);
}

void TFormPrzegroda::Pomoc1Click() {
    if (Pomoc)
        Pomoc->PokazSpis();
}

void TFormPrzegroda::Oprogramie2Click() {
    if (AboutBox)
        Dialogi.PokazModalnie(AboutBox);
}

void TFormPrzegroda::Button5Click() {
    Kalkulator->Uruchom();
}

// ---- closing

void TFormPrzegroda::Wyjcie1Click() {
    if (ZapisacZmiany(*this))
        ZapiszProjekt();
    // Closing the window ends the program, and asks once more (FormDestroy).
    close();
}

void TFormPrzegroda::FormDestroy() {
    if (zamkniety_)
        return;
    zamkniety_ = true;
    if (ZapisacZmiany(*this) && SprawdzWarstwy() && SprawdzWarunki())
        ZapiszProjekt();
}

void TFormPrzegroda::closeEvent(QCloseEvent* zdarzenie) {
    // The window cannot refuse to close: the question only decides about saving.
    Bezpiecznie([this] { FormDestroy(); });
    if (Pomoc)
        Pomoc->close();
    zdarzenie->accept();
}

// ---- sheets 3 and 4

void TFormPrzegroda::ZbudujWykresy() {
    auto strona = [](QWidget* arkusz, QWidget* wykres) {
        auto* uklad = new QVBoxLayout(arkusz);
        uklad->setContentsMargins(0, 0, 0, 0);
        uklad->addWidget(wykres);
    };
    ChartCisnienie = new TWykresCisnien(TabSheetWykresCisnien);
    ChartTemperatura = new TWykresTemperatur(TabSheetWykresTemperat);
    strona(TabSheetWykresCisnien, ChartCisnienie);
    strona(TabSheetWykresTemperat, ChartTemperatura);
    UstawKontekstPomocy(ChartCisnienie, 13);
    UstawKontekstPomocy(ChartTemperatura, 14);
}

void TFormPrzegroda::WyczyscWykresy() {
    WyczyscWykres(*ChartCisnienie);
    WyczyscWykres(*ChartTemperatura);
}

void TFormPrzegroda::RysujWykresy() {
    const bool cieplejWewnatrz = CieplejWewnatrz(*this);
    const auto& analiza = ArkuszKondensacji->Analiza();
    RysujWykresCisnien(*ChartCisnienie, Model, cieplejWewnatrz, analiza ? &analiza->Projektowe : nullptr);
    RysujWykresTemperatur(*ChartTemperatura, Model, cieplejWewnatrz);
}

bool TFormPrzegroda::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (FiltrArkuszaWarunkow(obiekt, zdarzenie) || FiltrSiatki(obiekt, zdarzenie))
        return true;
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

} // namespace murolab
