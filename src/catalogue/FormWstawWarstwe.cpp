#include "catalogue/FormWstawWarstwe.h"

#include "catalogue/Grupy.h"
#include "catalogue/GrupyWlasne.h"
#include "catalogue/PlikGrupy.h"
#include "core/KrotkiTekst.h"
#include "core/Liczby.h"
#include "core/TabeleWarunkow.h"
#include "files/PolaRekordu.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Nazwy.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"
#include "widgets/Tytul.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QValidator>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace murolab {

namespace {

// A failure of the catalogue's files ends the handler, as every failure a handler does not catch:
// the exception wrapper shows the message (which names the file) in the standard error box.
void Przerwij(const TBlad& blad) {
    if (blad)
        throw std::runtime_error(*blad);
}
template <typename T> T Przerwij(TWynik<T> wynik) {
    if (const std::string* blad = Niepowodzenie(wynik))
        throw std::runtime_error(*blad);
    return std::get<T>(std::move(wynik));
}

const QString kUwaga = QStringLiteral("Murolab -UWAGA !!!");
const QString kWybierzMaterial = QStringLiteral("Wybierz materiał:");
const QString kWprowadzMaterial = QStringLiteral("Wprowadz materiał:");
const QString kPodajLambde = QStringLiteral("Podaj wsp. przewodzenia ciepła:");
const QString kPodajOpor = QStringLiteral("Podaj wsp. oporu dyfuzji:");
const QColor kTloListy(216, 222, 220);
constexpr int kWierszeListy = 10;
constexpr int kKontekstPomocy = 10;
// A layer's name holds 40 characters (the model and the project file), a group file's 60.
constexpr int kSzerokoscNazwyWarstwy = 40;
constexpr int kSzerokoscNazwyMaterialu = 60;

// A limit on what the user types, not on what the program writes: a name shown from the catalogue
// may be longer than the limit and stays whole; typing only never makes a text longer than it.
class TLimitPisania : public QValidator {
public:
    TLimitPisania(QLineEdit* pole, int limit) : QValidator(pole), pole_(pole), limit_(limit) {}
    State validate(QString& tekst, int&) const override {
        return (tekst.size() > limit_ && tekst.size() > pole_->text().size()) ? Invalid : Acceptable;
    }

private:
    QLineEdit* pole_;
    int limit_;
};

double Liczba(const QLineEdit* pole) {
    return NaLiczbe(pole->text().toStdString());
}

QString Tekst(double wartosc) {
    return QString::fromStdString(Ogolny(wartosc));
}

// The field's background: the system's window colour (QPalette::Base, a field that takes part in
// the calculation) or its menu colour (QPalette::Window, a value that is kept but not used).
void UstawTlo(QWidget* pole, QPalette::ColorRole kolorSystemu) {
    const QPalette systemowa = QApplication::palette();
    QPalette paleta = pole->palette();
    for (auto grupa : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        paleta.setColor(grupa, QPalette::Base, systemowa.color(grupa, kolorSystemu));
    pole->setPalette(paleta);
}

QLabel* Etykieta(QWidget* rodzic, const QString& tekst, int x, int y) {
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->move(x, y);
    etykieta->adjustSize();
    return etykieta;
}

} // namespace

TFormWstawWarstwe::TFormWstawWarstwe(TOknoWarstw& okno, TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), okno_(okno), dialogi_(dialogi) {
    Zbuduj();

    PolaczBezpiecznie(dialogi_, this, CheckBoxWybor, &QCheckBox::toggled, [this] { CheckBoxWyborClick(); });
    PolaczBezpiecznie(dialogi_, this, ComboBoxPliki, &QComboBox::activated,
                      [this] { ComboBoxPlikiChange(); });
    PolaczBezpiecznie(dialogi_, this, SG2, &QTableWidget::currentCellChanged,
                      [this](int wiersz, int, int, int) {
                          if (wiersz >= 0)
                              SG2SelectCell(wiersz);
                      });
    // A click on the cell that is already current moves nothing, yet it is a pick all the same.
    PolaczBezpiecznie(dialogi_, this, SG2, &QTableWidget::cellPressed, [this](int wiersz, int) {
        if (wiersz == wierszPrzedKliknieciem_)
            SG2SelectCell(wiersz);
    });
    PolaczBezpiecznie(dialogi_, this, Button1, &QPushButton::clicked, [this] { Button1Click(); });
    PolaczBezpiecznie(dialogi_, this, Button2, &QPushButton::clicked, [this] { Button2Click(); });
    PolaczBezpiecznie(dialogi_, this, ButtonDodaj, &QPushButton::clicked, [this] { ButtonDodajClick(); });
    NazwijKontrolki({{EditMaterial, "EditMaterial"},
                     {NumEditLambdaSW, "NumEditLambdaSW"},
                     {NumEditLambdaW, "NumEditLambdaW"},
                     {NumEditMi, "NumEditMi"},
                     {NumEditGestosc, "NumEditGestosc"},
                     {NumEditCieplo, "NumEditCieplo"},
                     {NumEditGrubosc, "NumEditGrubosc"},
                     {ComboBoxPliki, "ComboBoxPliki"},
                     {SG2, "SG2"},
                     {CheckBoxWybor, "CheckBoxWybor"},
                     {Button1, "Button1"},
                     {Button2, "Button2"},
                     {ButtonDodaj, "ButtonDodaj"},
                     {StatusBar1, "StatusBar1"},
                     {LabelWiersz, "LabelWiersz"}});
}

void TFormWstawWarstwe::Zbuduj() {
    setWindowTitle(TytulProgramu());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(692, 473);

    auto numEdit = [this](int maks, int x, int y, int szerokosc) {
        auto* pole = new TNumEdit(dialogi_, this);
        pole->SetNumType(ntReal);
        pole->SetMaxLength(maks);
        pole->setGeometry(x, y, szerokosc, 22);
        pole->setProperty("kontekstPomocy", kKontekstPomocy);
        return pole;
    };

    // ---- group, mode, name
    Etykieta(this, QStringLiteral("Grupa materiałów:"), 16, 20);
    ComboBoxPliki = new QComboBox(this);
    ComboBoxPliki->setGeometry(140, 16, 280, 24);
    for (const auto& grupa : kGrupyMaterialow)
        ComboBoxPliki->addItem(
            QString::fromUtf8(grupa.Nazwa.data(), static_cast<qsizetype>(grupa.Nazwa.size())));
    ComboBoxPliki->setMaxVisibleItems(8);
    ComboBoxPliki->installEventFilter(this);

    CheckBoxWybor = new QCheckBox(QStringLiteral("edytuj własny materiał"), this);
    CheckBoxWybor->setGeometry(16, 50, 220, 22);

    ButtonDodaj = new QPushButton(QStringLiteral("&Zapisz do bazy"), this);
    ButtonDodaj->setGeometry(290, 48, 130, 26);
    ButtonDodaj->hide();

    Etykieta(this, QStringLiteral("Wybrany materiał:"), 16, 80);
    EditMaterial = new QLineEdit(this);
    EditMaterial->setGeometry(16, 98, 405, 24);
    // Typing may go past the layer's width, so that a long name is refused with a message
    // (SprawdzNazweWlasna) rather than cut without a word; the group file's width is the hard limit.
    EditMaterial->setValidator(new TLimitPisania(EditMaterial, kSzerokoscNazwyMaterialu));
    EditMaterial->setToolTip(QStringLiteral("Podaj nazwę materiału:"));
    EditMaterial->setProperty("kontekstPomocy", kKontekstPomocy);
    EditMaterial->setEnabled(false);
    EditMaterial->setReadOnly(true);

    LabelWiersz = new QLabel(this);
    LabelWiersz->hide();

    // ---- the picture, in a frame of its own
    ramkaLogo_ = new QFrame(this);
    ramkaLogo_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ramkaLogo_->setGeometry(433, 23, 254, 104);

    // ---- the material list
    SG2 = new QTableWidget(kWierszeListy, 1, this);
    SG2->horizontalHeader()->hide();
    SG2->verticalHeader()->hide();
    SG2->verticalHeader()->setMinimumSectionSize(18);
    SG2->verticalHeader()->setDefaultSectionSize(18);
    SG2->setColumnWidth(0, 640);
    SG2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SG2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG2->setSelectionMode(QAbstractItemView::SingleSelection);
    SG2->setTabKeyNavigation(false);
    const int szerokoscPaska = SG2->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    SG2->setGeometry(16, 134, 640 + szerokoscPaska + 2 * SG2->frameWidth(),
                     kWierszeListy * 18 + 2 * SG2->frameWidth());
    for (int i = 0; i < kWierszeListy; ++i)
        SG2->setItem(i, 0, new QTableWidgetItem());
    {
        // The list starts with a current cell, so that the first focus does not pick a material.
        const QSignalBlocker cisza(SG2);
        SG2->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    }
    SG2->viewport()->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(ComboBoxPliki), static_cast<QWidget*>(SG2)}) {
        QPalette paleta = w->palette();
        paleta.setColor(QPalette::Base, kTloListy);
        paleta.setColor(QPalette::Button, kTloListy);
        w->setPalette(paleta);
    }

    // ---- values
    auto* naglowek = Etykieta(this, QStringLiteral("Współczynnik przewodzenia cieła"), 16, 326);
    Etykieta(this, QStringLiteral("λ  [W/(m•K)]"), naglowek->x() + naglowek->width() + 8, 326);
    Etykieta(this, QStringLiteral("warunki średniowilgotne"), 16, 350);
    NumEditLambdaSW = numEdit(6, 180, 346, 70);
    Etykieta(this, QStringLiteral("warunki wilgotne"), 16, 376);
    NumEditLambdaW = numEdit(6, 180, 372, 70);
    Etykieta(this, QStringLiteral("Grubość warstwy d[m]"), 16, 402);
    NumEditGrubosc = numEdit(6, 180, 398, 70);
    NumEditGrubosc->setToolTip(QStringLiteral("Podaj grubość warstwy:"));

    Etykieta(this, QStringLiteral("Współczynnik oporu dyfuzji pary wodnej"), 290, 350);
    Etykieta(this, QStringLiteral("μ"), 578, 350);
    NumEditMi = numEdit(7, 592, 346, 88);
    Etykieta(this, QStringLiteral("Gęstość objętościowa w stanie suchym [kg/m³]"), 290, 376);
    Etykieta(this, QStringLiteral("ρ"), 578, 376);
    NumEditGestosc = numEdit(7, 592, 372, 88);
    Etykieta(this, QStringLiteral("Ciepło właściwe w stanie suchym [kJ/kg•K]"), 290, 402);
    NumEditCieplo = numEdit(7, 592, 398, 88);

    NumEditLambdaSW->setToolTip(kPodajLambde);
    NumEditLambdaW->setToolTip(kPodajLambde);
    for (TNumEdit* pole : {NumEditMi, NumEditGestosc, NumEditCieplo})
        pole->setToolTip(kPodajOpor);
    for (TNumEdit* pole : {NumEditLambdaSW, NumEditLambdaW, NumEditMi, NumEditGestosc, NumEditCieplo}) {
        pole->setEnabled(false);
        pole->setReadOnly(true);
    }
    // In catalogue mode the fields are locked but show the chosen material: its name and values
    // are read like any text, not greyed out.
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{EditMaterial, NumEditLambdaSW, NumEditLambdaW,
                                                             NumEditMi, NumEditGestosc, NumEditCieplo}) {
        QPalette paleta = pole->palette();
        paleta.setColor(QPalette::Disabled, QPalette::Text, paleta.color(QPalette::Active, QPalette::Text));
        pole->setPalette(paleta);
    }
    // Kept for the catalogue, reachable by the mouse only.
    NumEditGestosc->setFocusPolicy(Qt::ClickFocus);
    NumEditCieplo->setFocusPolicy(Qt::ClickFocus);

    // ---- buttons
    QFont gruba = font();
    gruba.setBold(true);
    Button1 = new QPushButton(QStringLiteral("&Wprowadź"), this);
    Button1->setGeometry(470, 424, 100, 26);
    Button1->setToolTip(QStringLiteral("Wprowadź wybraną warstwę do projektowanej przegrody."));
    Button2 = new QPushButton(QStringLiteral("&Anuluj"), this);
    Button2->setGeometry(580, 424, 100, 26);
    for (QPushButton* b : {Button1, Button2}) {
        b->setFont(gruba);
    }
    // Enter in a field must not send the layer: no button answers Enter on its own.
    for (QPushButton* b : {Button1, Button2, ButtonDodaj}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 473 - 20, 692, 20);

    QWidget* kolejnosc[] = {EditMaterial,   NumEditLambdaSW, NumEditLambdaW, NumEditMi, NumEditGrubosc,
                            NumEditGestosc, NumEditCieplo,   ComboBoxPliki,  SG2,       Button1,
                            Button2,        CheckBoxWybor,   ButtonDodaj};
    for (std::size_t i = 1; i < std::size(kolejnosc); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
}

std::string TFormWstawWarstwe::PlikDoOdczytu(std::string_view grupa) const {
    return PlikGrupyDoOdczytu({KatalogDanych, KatalogUzytkownika}, grupa).string();
}

void TFormWstawWarstwe::Bezpiecznie(const std::function<void()>& f) {
    murolab::Bezpiecznie(dialogi_, this, f);
}

// ---------------------------------------------------------------- opening and closing

void TFormWstawWarstwe::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (zdarzenie->spontaneous()) // restored from the task bar: not a new showing
        return;
    WysrodkujWnetrze(this);
    Bezpiecznie([this] { FormActivate(); });
}

void TFormWstawWarstwe::hideEvent(QHideEvent* zdarzenie) {
    QDialog::hideEvent(zdarzenie);
    // However the dialog closes ("&Wprowadź", "&Anuluj", the close box, Escape) the main window comes
    // back; minimising is not closing.
    if (!zdarzenie->spontaneous())
        if (QWidget* glowne = okno_.OknoGlowne())
            glowne->show();
}

void TFormWstawWarstwe::FormActivate() {
    NumEditGrubosc->setFocus();
    // Choosing a bridging material, the dialog that asked for it stays over the main window.
    if (QWidget* glowne = okno_.OknoGlowne(); glowne && !TrybWyboruMostka)
        glowne->hide();
    NumEditGrubosc->setEnabled(!TrybWyboruMostka);
    Button1->setToolTip(TrybWyboruMostka
                            ? QStringLiteral("Przenieś wybrany materiał do okna mostków.")
                            : QStringLiteral("Wprowadź wybraną warstwę do projektowanej przegrody."));
    ButtonDodaj->hide();
    CheckBoxWybor->setChecked(false);
    NumEditGrubosc->setText(QStringLiteral("0"));
    ComboBoxPliki->setCurrentIndex(0);
    WczytajGrupe(PlikDoOdczytu(kGrupyMaterialow[0].Plik));
    LabelWiersz->setText(QString::fromUtf8(kGrupyMaterialow[0].Znacznik.data(),
                                           static_cast<qsizetype>(kGrupyMaterialow[0].Znacznik.size())));
    EditMaterial->setText(kWybierzMaterial);
    for (TNumEdit* pole : {NumEditLambdaSW, NumEditLambdaW, NumEditMi, NumEditGestosc, NumEditCieplo})
        pole->setText(QStringLiteral("0"));
    PolaTrybuKatalogu();
}

void TFormWstawWarstwe::PolaTrybuKatalogu() {
    ComboBoxPliki->setEnabled(true);
    SG2->setEnabled(true);
    for (QLineEdit* pole : {static_cast<QLineEdit*>(NumEditLambdaSW), static_cast<QLineEdit*>(NumEditLambdaW),
                            EditMaterial, static_cast<QLineEdit*>(NumEditMi)})
        pole->setReadOnly(true);
    for (QLineEdit* pole : {static_cast<QLineEdit*>(NumEditGestosc), static_cast<QLineEdit*>(NumEditCieplo),
                            static_cast<QLineEdit*>(NumEditLambdaSW), static_cast<QLineEdit*>(NumEditLambdaW),
                            EditMaterial, static_cast<QLineEdit*>(NumEditMi)})
        pole->setEnabled(false);
    for (TNumEdit* pole : {NumEditLambdaSW, NumEditLambdaW, NumEditGestosc, NumEditCieplo})
        UstawTlo(pole, QPalette::Base);
}

void TFormWstawWarstwe::paintEvent(QPaintEvent* zdarzenie) {
    QDialog::paintEvent(zdarzenie);
    // Read on every paint; without the file nothing is drawn and nothing said.
    const QPixmap logo(QString::fromStdString((KatalogDanych / "logo.bmp").string()));
    if (!logo.isNull()) {
        QPainter malarz(this);
        malarz.drawPixmap(QPoint(435, 25), logo, QRect(0, 0, 250, 100));
    }
}

bool TFormWstawWarstwe::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ComboBoxPliki && zdarzenie->type() == QEvent::KeyPress) {
        // A group is changed only by picking it: typed characters other than Enter are dropped
        // (the list would otherwise jump to a group by its first letter).
        auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        const bool enter = klawisz->key() == Qt::Key_Return || klawisz->key() == Qt::Key_Enter;
        if (!enter && !klawisz->text().isEmpty() && klawisz->text().front().isPrint())
            return true;
    }
    if (obiekt == SG2->viewport() && zdarzenie->type() == QEvent::MouseButtonPress)
        wierszPrzedKliknieciem_ = SG2->currentRow();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

// ---------------------------------------------------------------- modes and groups

void TFormWstawWarstwe::CheckBoxWyborClick() {
    const QList<TNumEdit*> wartosci = {NumEditLambdaSW, NumEditLambdaW, NumEditMi, NumEditGestosc,
                                       NumEditCieplo};
    if (CheckBoxWybor->isChecked()) {
        ButtonDodaj->show();
        EditMaterial->setText(kWprowadzMaterial);
        for (TNumEdit* pole : wartosci)
            pole->setText(QStringLiteral("0"));
        ComboBoxPliki->setEnabled(false);
        SG2->setEnabled(false);
        EditMaterial->setEnabled(true);
        EditMaterial->setReadOnly(false);
        for (TNumEdit* pole : wartosci) {
            pole->setEnabled(true);
            pole->setReadOnly(false);
        }
        // Only the λ of the main window's humidity class enters the calculation.
        TNumEdit* lambda =
            CzyWarunkiWilgotne(okno_.KlasaWilgotnosci().toStdString()) ? NumEditLambdaW : NumEditLambdaSW;
        TNumEdit* drugaLambda = lambda == NumEditLambdaW ? NumEditLambdaSW : NumEditLambdaW;
        UstawTlo(lambda, QPalette::Base);
        for (TNumEdit* pole : {drugaLambda, NumEditGestosc, NumEditCieplo})
            UstawTlo(pole, QPalette::Window);
    } else {
        ButtonDodaj->hide();
        EditMaterial->setText(kWybierzMaterial);
        for (TNumEdit* pole : {NumEditLambdaSW, NumEditLambdaW, NumEditMi})
            pole->setText(QStringLiteral("0"));
        PolaTrybuKatalogu();
    }
}

void TFormWstawWarstwe::ComboBoxPlikiChange() {
    const std::string nazwa = ComboBoxPliki->currentText().toStdString();
    const TGrupaMaterialow* grupa = GrupaPoNazwie(nazwa);
    if (grupa == nullptr)
        return;
    LabelWiersz->setText(ComboBoxPliki->currentText() + QStringLiteral(".ath"));
    WczytajGrupe(PlikDoOdczytu(grupa->Plik));
}

void TFormWstawWarstwe::WczytajGrupe(const std::string& plik) {
    auto ustaw = [this](int wiersz, const QString& tekst) {
        QTableWidgetItem* komorka = SG2->item(wiersz, 0);
        if (komorka == nullptr) {
            komorka = new QTableWidgetItem();
            SG2->setItem(wiersz, 0, komorka);
        }
        komorka->setText(tekst);
    };
    auto tekst = [this](int wiersz) {
        const QTableWidgetItem* komorka = SG2->item(wiersz, 0);
        return komorka != nullptr ? komorka->text() : QString();
    };

    // The file keeps its catalogue order (the order a new material is merged by); the list is in
    // the reader's order: Polish alphabetical, numbers by value.
    std::vector<std::string> nazwy;
    Przerwij(
        CzytajGrupe(plik, [&](const TMaterial& material) { nazwy.push_back(material.Material.Utf8()); }));
    std::stable_sort(nazwy.begin(), nazwy.end(),
                     [](const std::string& a, const std::string& b) { return PorownajPolsku(a, b) < 0; });
    int n = 0;
    for (const std::string& nazwa : nazwy) {
        if (n >= SG2->rowCount())
            SG2->setRowCount(n + 1);
        ustaw(n, QString::fromStdString(nazwa));
        ++n;
    }
    for (int wiersz = n; wiersz < SG2->rowCount() && (wiersz < kWierszeListy || !tekst(wiersz).isEmpty());
         ++wiersz)
        ustaw(wiersz, QString());
    // A highlight left from the previous group or opening would mark a material the fields do not show.
    SG2->clearSelection();
    SG2->scrollToTop();
}

void TFormWstawWarstwe::SG2SelectCell(int wiersz) {
    const QTableWidgetItem* komorka = SG2->item(wiersz, 0);
    const QString nazwa = komorka != nullptr ? komorka->text() : QString();
    PokazMaterial(PlikDoOdczytu(PlikGrupy(LabelWiersz->text().toStdString())),
                  Utf8NaCp1250(nazwa.toStdString()));
    SG2->selectionModel()->select(SG2->model()->index(wiersz, 0), QItemSelectionModel::ClearAndSelect);
    if (CzyWarstwaPowietrza())
        StatusBar1->showMessage(
            QStringLiteral("„Wprowadź” otwiera okno warstwy powietrza (wentylacja, emisyjności, kierunek)."));
    else
        StatusBar1->clearMessage();
}

void TFormWstawWarstwe::PokazMaterial(const std::string& plik, const std::string& nazwaCp1250) {
    Przerwij(CzytajGrupe(plik, [&](const TMaterial& material) {
        if (material.Material.Cp1250() != nazwaCp1250)
            return;
        EditMaterial->setText(QString::fromStdString(material.Material.Utf8()));
        NumEditLambdaSW->setText(Tekst(material.LambdaSW));
        NumEditLambdaW->setText(Tekst(material.LambdaW));
        NumEditMi->setText(Tekst(material.Mi));
        NumEditGestosc->setText(Tekst(material.Gestosc));
        NumEditCieplo->setText(Tekst(material.Cieplo));
    }));
    SG2->clearSelection();
}

// ---------------------------------------------------------------- checks

void TFormWstawWarstwe::Ostrzez(const QString& tekst, const QString& tytul, QWidget* pole) {
    dialogi_.Komunikat(this, tekst, tytul, TIkona::Stop, TPrzyciski::Ok);
    if (pole != nullptr && pole->isEnabled())
        pole->setFocus();
}

TNumEdit* TFormWstawWarstwe::PoleLambdyKlasy() const {
    // The check's message points at the medium-humid field only for that class; any other text
    // (an unknown one included) points at the humid field.
    const TKlasaWilgotnosci* klasa = ZnajdzKlase(okno_.KlasaWilgotnosci().toStdString());
    return klasa && !klasa->Wilgotna ? NumEditLambdaSW : NumEditLambdaW;
}

bool TFormWstawWarstwe::SprawdzNazweWlasna() {
    const qsizetype dlugosc = EditMaterial->text().size();
    if (!CheckBoxWybor->isChecked() || dlugosc <= kSzerokoscNazwyWarstwy)
        return true;
    Ostrzez(QStringLiteral("Nazwa materiału może mieć najwyżej %1 znaków (wpisano %2). Skróć nazwę.")
                .arg(kSzerokoscNazwyWarstwy)
                .arg(dlugosc),
            kUwaga, EditMaterial);
    return false;
}

bool TFormWstawWarstwe::SprawdzNowaWarstwe() {
    if (!SprawdzNazweWlasna())
        return false;
    const double d = Liczba(NumEditGrubosc);
    // The limits of the grid and of the calculation, so that a 0.2 mm foil goes in as it is.
    const TDopuszczalne& granice = GraniceWarstwy("Grubosc");
    if (!WZakresie(granice, d)) {
        if (d == 0)
            dialogi_.Komunikat(this, QStringLiteral("Nie podano grubości warstwy !!"), kUwaga, TIkona::Stop,
                               TPrzyciski::Ok);
        else
            dialogi_.Komunikat(
                this,
                QStringLiteral("Podana grubość warstwy jest niepoprawna (dopuszczalna od %1 do %2 m). Jeżeli "
                               "nadal będze pojawiał się taki komunikat zajrzyj do pomocy programu.")
                    .arg(Tekst(granice.Od), Tekst(granice.Do)),
                QStringLiteral("Murolab-UWAGA !!!"), TIkona::Stop, TPrzyciski::Ok);
        NumEditGrubosc->setText(QStringLiteral("0"));
        if (NumEditGrubosc->isEnabled())
            NumEditGrubosc->setFocus();
        return false;
    }
    return SprawdzLambdeIMi(GraniceWarstwy("Mi").Do, true);
}

bool TFormWstawWarstwe::SprawdzMaterial() {
    return SprawdzNazweWlasna() && SprawdzLambdeIMi(1000000, false);
}

bool TFormWstawWarstwe::SprawdzLambdeIMi(double granicaMi, bool granicaWlacznie) {
    if (NumEditLambdaSW->text().isEmpty() && NumEditLambdaW->text().isEmpty()) {
        Ostrzez(QStringLiteral("Nie wprowadzono wsp. przewodzenia ciepła"), kUwaga, PoleLambdyKlasy());
        return false;
    }
    auto wZakresie = [](double lambda) { return WZakresie(GraniceWarstwy("Lambda"), lambda); };
    // Either value will do; the humid one is read only when the medium-humid one fails.
    if (!wZakresie(Liczba(NumEditLambdaSW)) && !wZakresie(Liczba(NumEditLambdaW))) {
        Ostrzez(QStringLiteral("Podana wartość wsp. przewodzenia ciepła jest niepoprawna. Jeżeli nadal będze "
                               "pojawiał się taki komunikat zajrzyj do pomocy programu."),
                kUwaga, PoleLambdyKlasy());
        return false;
    }
    if (NumEditMi->text().isEmpty()) {
        Ostrzez(QStringLiteral("Nie wprowadzono wsp. oporu dyfuzji"), kUwaga, NumEditMi);
        return false;
    }
    const double mi = Liczba(NumEditMi);
    if (!(mi >= GraniceWarstwy("Mi").Od && (granicaWlacznie ? mi <= granicaMi : mi < granicaMi))) {
        Ostrzez(
            QStringLiteral("Podany wsp. oporu dyfuzji jest niepoprawny. Jeżeli nadal będze pojawiał się taki "
                           "komunikat zajrzyj do pomocy programu."),
            kUwaga, NumEditMi);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- sending the layer

bool TFormWstawWarstwe::CzyWarstwaPowietrza() const {
    return !CheckBoxWybor->isChecked() &&
           EditMaterial->text() == QString::fromUtf8(kNazwaWarstwyPowietrza.data(),
                                                     static_cast<qsizetype>(kNazwaWarstwyPowietrza.size()));
}

void TFormWstawWarstwe::WybierzMostek() {
    if (CzyWarstwaPowietrza()) {
        Ostrzez(QStringLiteral("Warstwa powietrza nie może być mostkiem. Szczelinę powietrzną między łatami "
                               "wprowadza się jako warstwę powietrza, a łaty jako jej mostki."),
                kUwaga, SG2);
        return;
    }
    if (!SprawdzNazweWlasna() || !SprawdzLambdeIMi(GraniceWarstwy("Mi").Do, true))
        return;
    const TNumEdit* lambda =
        CzyWarunkiWilgotne(okno_.KlasaWilgotnosci().toStdString()) ? NumEditLambdaW : NumEditLambdaSW;
    TMaterialMostka m;
    m.Nazwa = EditMaterial->text().trimmed().toStdString();
    m.Lambda = Liczba(lambda);
    m.Mi = Liczba(NumEditMi);
    // The catalogue's 0 is "unknown", as a layer's empty cell.
    if (const double gestosc = Liczba(NumEditGestosc); gestosc > 0)
        m.Gestosc = gestosc;
    if (const double cieplo = Liczba(NumEditCieplo); cieplo > 0)
        m.Cieplo = cieplo;
    WybranyMostek = m;
    accept();
}

void TFormWstawWarstwe::Button1Click() {
    if (TrybWyboruMostka) {
        WybierzMostek();
        return;
    }
    if (CzyWarstwaPowietrza() && (TrybWstawiania == kDopisz || TrybWstawiania == kWstaw)) {
        // The air-layer dialog asks for the rest and is the confirmation; a thickness typed here
        // is its starting value.
        double d = 0;
        if (!ProbujNaLiczbe(NumEditGrubosc->text().toStdString(), d) || d < 0)
            d = 0;
        if (okno_.WstawWarstwePowietrza(TrybWstawiania == kWstaw, WierszDocelowy, d))
            accept();
        return;
    }
    if (!SprawdzNowaWarstwe())
        return;
    if (dialogi_.Komunikat(this, QStringLiteral("Przeslanie kompletnych danych"), QStringLiteral("Potwierdź"),
                           TIkona::Informacja, TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    if (TrybWstawiania == kDopisz) {
        DodajWiersz();
        WpiszWarstwe(okno_.LiczbaWarstw() - 1);
    } else if (TrybWstawiania == kWstaw) {
        DodajWiersz();
        WstawWiersz(okno_.LiczbaWarstw(), WierszDocelowy);
    }
    accept();
}

void TFormWstawWarstwe::Button2Click() {
    reject();
}

void TFormWstawWarstwe::DodajWiersz() {
    okno_.DodajWiersz();
}

void TFormWstawWarstwe::WstawWiersz(int liczba, int wiersz) {
    okno_.PrzesunWierszeWDol(liczba, wiersz);
    WpiszWarstwe(wiersz);
}

void TFormWstawWarstwe::WpiszWarstwe(int wiersz) {
    // The layer takes the humid lambda for "Warunki wilgotne" only.
    const TNumEdit* lambda =
        CzyWarunkiWilgotne(okno_.KlasaWilgotnosci().toStdString()) ? NumEditLambdaW : NumEditLambdaSW;
    // Density and specific heat go with the layer: the catalogue's values, or what an own
    // material's fields hold.
    okno_.WpiszWiersz(wiersz, EditMaterial->text(), lambda->text(), NumEditMi->text(), NumEditGrubosc->text(),
                      NumEditGestosc->text(), NumEditCieplo->text());
}

// ---------------------------------------------------------------- catalogue maintenance

TMaterial TFormWstawWarstwe::PobierzMaterial() const {
    TMaterial material;
    material.Material.UstawUtf8(EditMaterial->text().toStdString());
    material.LambdaSW = Liczba(NumEditLambdaSW);
    material.LambdaW = Liczba(NumEditLambdaW);
    material.Mi = Liczba(NumEditMi);
    material.Gestosc = Liczba(NumEditGestosc);
    material.Cieplo = Liczba(NumEditCieplo);
    return material;
}

void TFormWstawWarstwe::ButtonDodajClick() {
    if (!SprawdzMaterial())
        return;
    if (dialogi_.Komunikat(this, QStringLiteral("Czy wprowadzić materiał do bazy..?"),
                           QStringLiteral("Murolab"), TIkona::Pytanie, TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    const TMaterial nowy = PobierzMaterial();
    const std::string grupa = PlikGrupy(LabelWiersz->text().toStdString());
    std::string plik = PlikDoOdczytu(grupa);
    const TPozycjaWGrupie pozycja = Przerwij(SzukajPozycji(plik, nowy));
    if (pozycja.Istnieje) {
        dialogi_.Komunikat(this, QStringLiteral("Podany materiał już istnieje w bazie!"),
                           QStringLiteral("Murolab"), TIkona::Wykrzyknik, TPrzyciski::Ok);
    } else {
        // Never into the shipped catalogue: into the user's copy of the group, made now if needed.
        plik =
            Przerwij(DodajWlasnyMaterial({KatalogDanych, KatalogUzytkownika}, grupa, nowy, pozycja.Pozycja))
                .string();
        WczytajGrupe(plik);
        CheckBoxWybor->setChecked(false);
        // The list shows where the new material went, without highlighting it.
        const QList<QTableWidgetItem*> znalezione =
            SG2->findItems(QString::fromStdString(nowy.Material.Utf8()), Qt::MatchExactly);
        if (!znalezione.isEmpty())
            SG2->scrollToItem(znalezione.front());
    }
    PokazMaterial(plik, std::string(nowy.Material.Cp1250()));
}

} // namespace murolab
