// The air-layer dialog (see FormWarstwaPowietrza.h).
#include "ui/FormWarstwaPowietrza.h"

#include "core/Iso6946.h"
#include "core/Liczby.h"
#include "core/Sprawdzenia.h"
#include "ui/KontekstPomocy.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"
#include "widgets/Nazwy.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

namespace murolab {

namespace {

// The choices in the order of the enumerations.
const std::array<const char*, 3> kWentylacje = {"niewentylowana", "słabo wentylowana", "dobrze wentylowana"};
const std::array<const char*, 3> kKierunki = {"poziomy", "w górę", "w dół"};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A field's number, or false when its text is none (a field still being typed in).
bool Liczba(const TNumEdit* pole, double& wynik) {
    return ProbujNaLiczbe(pole->text().toStdString(), wynik);
}

} // namespace

TFormWarstwaPowietrza::TFormWarstwaPowietrza(TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), dialogi_(dialogi) {
    setObjectName(QStringLiteral("FormWarstwaPowietrza"));
    Zbuduj();
    NazwijKontrolki({{NumEditGrubosc, "NumEditGrubosc"},
                     {ComboBoxWentylacja, "ComboBoxWentylacja"},
                     {NumEditAv, "NumEditAv"},
                     {NumEditEmisyjnosc1, "NumEditEmisyjnosc1"},
                     {NumEditEmisyjnosc2, "NumEditEmisyjnosc2"},
                     {ComboBoxKierunek, "ComboBoxKierunek"},
                     {LabelOpor, "LabelOpor"},
                     {Button1, "Button1"},
                     {Button2, "Button2"}});
    Ustaw(0, TPowietrze{});
}

void TFormWarstwaPowietrza::Zbuduj() {
    setWindowTitle(QStringLiteral("Murolab - warstwa powietrza"));
    UstawKontekstPomocy(this, 7);

    auto pole = [this](int maks) {
        auto* p = new TNumEdit(dialogi_, this);
        p->SetNumType(ntReal);
        p->SetMaxLength(maks);
        p->setFixedWidth(90);
        return p;
    };
    NumEditGrubosc = pole(7);
    NumEditGrubosc->setToolTip(QStringLiteral("Grubość warstwy powietrza, najwyżej 0,3 m"));
    ComboBoxWentylacja = new QComboBox(this);
    for (const char* w : kWentylacje)
        ComboBoxWentylacja->addItem(QString::fromUtf8(w));
    NumEditAv = pole(7);
    NumEditAv->setToolTip(QStringLiteral("Pole otworów wentylacyjnych: na 1 m długości warstwy pionowej, "
                                         "na 1 m² powierzchni warstwy poziomej"));
    NumEditEmisyjnosc1 = pole(6);
    NumEditEmisyjnosc2 = pole(6);
    for (TNumEdit* e : {NumEditEmisyjnosc1, NumEditEmisyjnosc2})
        e->setToolTip(QStringLiteral("Emisyjność powierzchni: zwykłe materiały budowlane 0,9; folia "
                                     "aluminiowa lub powłoka niskoemisyjna np. 0,05"));
    ComboBoxKierunek = new QComboBox(this);
    for (const char* k : kKierunki)
        ComboBoxKierunek->addItem(QString::fromUtf8(k));
    ComboBoxKierunek->setToolTip(QStringLiteral("Poziomy dla ścian, w górę dla dachów i stropów pod "
                                                "nieogrzewanym poddaszem, w dół dla podłóg nad "
                                                "powietrzem zewnętrznym lub przestrzenią nieogrzewaną"));

    auto* siatka = new QGridLayout;
    int w = 0;
    auto wiersz = [&](const QString& opis, QWidget* kontrolka) {
        siatka->addWidget(new QLabel(opis, this), w, 0);
        siatka->addWidget(kontrolka, w, 1, Qt::AlignLeft);
        ++w;
    };
    wiersz(QStringLiteral("Grubość warstwy d [m]"), NumEditGrubosc);
    wiersz(QStringLiteral("Wentylacja warstwy"), ComboBoxWentylacja);
    wiersz(QStringLiteral("Pole otworów wentylacyjnych Av [mm²]"), NumEditAv);
    wiersz(QStringLiteral("Emisyjność powierzchni ε₁ (od strony wewnętrznej)"), NumEditEmisyjnosc1);
    wiersz(QStringLiteral("Emisyjność powierzchni ε₂ (od strony zewnętrznej)"), NumEditEmisyjnosc2);
    wiersz(QStringLiteral("Kierunek strumienia ciepła"), ComboBoxKierunek);
    siatka->setColumnStretch(2, 1);

    auto* objasnienie = new QLabel(
        QStringLiteral("Niewentylowana: otwory do 500 mm² na 1 m długości (warstwa pionowa) lub na 1 m² "
                       "powierzchni (warstwa pozioma). Słabo wentylowana: od 500 do 1500 mm². Dobrze "
                       "wentylowana: ponad 1500 mm² – warstwę i wszystkie warstwy na zewnątrz od niej "
                       "pomija się, a Rse przyjmuje wartość Rsi."),
        this);
    objasnienie->setWordWrap(true);
    LabelOpor = new QLabel(this);
    QFont gruba = LabelOpor->font();
    gruba.setBold(true);
    LabelOpor->setFont(gruba);
    LabelOpor->setWordWrap(true);

    Button1 = new QPushButton(QStringLiteral("&Wprowadź"), this);
    Button2 = new QPushButton(QStringLiteral("&Anuluj"), this);
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setFont(gruba);
        b->setMinimumWidth(100);
    }
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Button1);
    przyciski->addWidget(Button2);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addWidget(objasnienie);
    uklad->addWidget(LabelOpor);
    uklad->addLayout(przyciski);
    setFixedWidth(560);

    for (TNumEdit* e : {NumEditGrubosc, NumEditAv, NumEditEmisyjnosc1, NumEditEmisyjnosc2})
        connect(e, &QLineEdit::textChanged, this, [this] { Odswiez(); });
    for (QComboBox* c : {ComboBoxWentylacja, ComboBoxKierunek})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { Odswiez(); });
    PolaczBezpiecznie(dialogi_, this, Button1, &QPushButton::clicked, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFormWarstwaPowietrza::NazwaWarstwy(TWentylacja wentylacja) {
    return QStringLiteral("Warstwa powietrza ") +
           QString::fromUtf8(kWentylacje[static_cast<std::size_t>(wentylacja)]);
}

bool TFormWarstwaPowietrza::NazwaProgramu(const QString& nazwa) {
    const QString t = nazwa.trimmed();
    if (t == QStringLiteral("Warstwa powietrza"))
        return true;
    for (TWentylacja w : {TWentylacja::Brak, TWentylacja::Slaba, TWentylacja::Dobra})
        if (t == NazwaWarstwy(w))
            return true;
    return false;
}

void TFormWarstwaPowietrza::Ustaw(double grubosc, const TPowietrze& p) {
    NumEditGrubosc->setText(Q(Ogolny(grubosc)));
    ComboBoxWentylacja->setCurrentIndex(static_cast<int>(p.Wentylacja));
    NumEditAv->setText(Q(Ogolny(p.Av)));
    NumEditEmisyjnosc1->setText(Q(Ogolny(p.Emisyjnosc[0])));
    NumEditEmisyjnosc2->setText(Q(Ogolny(p.Emisyjnosc[1])));
    ComboBoxKierunek->setCurrentIndex(static_cast<int>(p.Kierunek));
    Odswiez();
    NumEditGrubosc->setFocus();
    NumEditGrubosc->selectAll();
}

bool TFormWarstwaPowietrza::Czytaj(double& grubosc, TPowietrze& p) const {
    p.Wentylacja = static_cast<TWentylacja>(ComboBoxWentylacja->currentIndex());
    p.Kierunek = static_cast<TKierunekStrumienia>(ComboBoxKierunek->currentIndex());
    // Only a slightly ventilated layer uses its Av; the others keep none, so that an Av typed
    // before the ventilation was changed cannot contradict the choice.
    double av = 0;
    const bool ok = Liczba(NumEditGrubosc, grubosc) && Liczba(NumEditAv, av) &&
                    Liczba(NumEditEmisyjnosc1, p.Emisyjnosc[0]) &&
                    Liczba(NumEditEmisyjnosc2, p.Emisyjnosc[1]);
    p.Av = p.Wentylacja == TWentylacja::Slaba ? av : 0;
    return ok;
}

double TFormWarstwaPowietrza::Grubosc() const {
    double d = 0;
    Liczba(NumEditGrubosc, d);
    return d;
}

TPowietrze TFormWarstwaPowietrza::Powietrze() const {
    double d = 0;
    TPowietrze p;
    Czytaj(d, p);
    return p;
}

void TFormWarstwaPowietrza::Odswiez() {
    const auto wentylacja = static_cast<TWentylacja>(ComboBoxWentylacja->currentIndex());
    NumEditAv->setEnabled(wentylacja == TWentylacja::Slaba);
    double d = 0;
    TPowietrze p;
    const bool liczby = Czytaj(d, p);
    if (wentylacja == TWentylacja::Dobra) {
        LabelOpor->setText(QStringLiteral("Warstwa dobrze wentylowana: w obliczeniu U pomija się ją i "
                                          "warstwy na zewnątrz od niej."));
        return;
    }
    const bool poprawne = liczby && d >= kGraniceGrubosci.Od && d <= kMaksGruboscPowietrza &&
                          p.Emisyjnosc[0] > 0 && p.Emisyjnosc[0] <= 1 && p.Emisyjnosc[1] > 0 &&
                          p.Emisyjnosc[1] <= 1;
    if (!poprawne) {
        LabelOpor->setText(QStringLiteral("Ra: podaj grubość od %1 do 0,3 m i emisyjności od 0 do 1.")
                               .arg(Q(Ogolny(kGraniceGrubosci.Od))));
        return;
    }
    const double ra = OporPowietrza(d, p);
    QString tekst = QStringLiteral("Ra = %1 m²·K/W;  λ zastępcze = d/Ra = %2 W/(m·K)")
                        .arg(Q(Staly(ra, 15, 2)), Q(Staly(d / ra, 15, 3)));
    if (wentylacja == TWentylacja::Slaba)
        tekst += QStringLiteral("\n(jak dla warstwy niewentylowanej; U przegrody uwzględnia Av)");
    LabelOpor->setText(tekst);
}

void TFormWarstwaPowietrza::Button1Click() {
    for (TNumEdit* e : {NumEditGrubosc, NumEditAv, NumEditEmisyjnosc1, NumEditEmisyjnosc2})
        e->NaprawTekst();
    double d = 0;
    TPowietrze p;
    if (!Czytaj(d, p))
        return;
    if (SprawdzWPrzegrodzie) {
        if (const TBlad blad = SprawdzWPrzegrodzie(d, p)) {
            dialogi_.Komunikat(this, Q(*blad), QStringLiteral("Murolab -UWAGA!"), TIkona::Stop,
                               TPrzyciski::Ok);
            return;
        }
    }
    accept();
}

void TFormWarstwaPowietrza::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        WysrodkujWnetrze(this);
}

} // namespace murolab
