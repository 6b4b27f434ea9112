// The dialog of a bridged layer (see FormMostkiWarstwy.h).
#include "ui/FormMostkiWarstwy.h"

#include "core/Iso6946.h"
#include "core/Liczby.h"
#include "files/PolaRekordu.h"
#include "ui/KontekstPomocy.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>

namespace murolab {

namespace {

constexpr int kSzerokoscNazwy = 40; // as a layer's name: the results and the report print it

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

bool Liczba(const QLineEdit* pole, double& wynik) {
    return ProbujNaLiczbe(pole->text().toStdString(), wynik);
}

// A percentage as the dialog shows a stored share: two decimals, no trailing zeros.
QString Procent(double udzial) {
    return Q(Ogolny(std::round(udzial * 10000) / 100));
}

} // namespace

TFormMostkiWarstwy::TFormMostkiWarstwy(TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), dialogi_(dialogi) {
    setObjectName(QStringLiteral("FormMostkiWarstwy"));
    Zbuduj();
}

void TFormMostkiWarstwy::Zbuduj() {
    setWindowTitle(QStringLiteral("Murolab - mostki w warstwie"));
    UstawKontekstPomocy(this, 7);
    auto* uklad = new QVBoxLayout(this);
    LabelWarstwa = new QLabel(this);
    LabelWarstwa->setObjectName(QStringLiteral("LabelWarstwa"));
    LabelWarstwa->setWordWrap(true);
    uklad->addWidget(LabelWarstwa);

    auto pole = [this](int maks, const char* nazwa, int i) {
        auto* p = new TNumEdit(dialogi_, this);
        p->SetNumType(ntReal);
        p->SetMaxLength(maks);
        p->setFixedWidth(80);
        p->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(nazwa)).arg(i));
        return p;
    };
    for (int i = 1; i <= kMaksMostkow; ++i) {
        TPolaMostka& p = pola_[static_cast<std::size_t>(i - 1)];
        p.Ramka = new QGroupBox(QStringLiteral("Materiał mostka %1").arg(i), this);
        auto* s = new QGridLayout(p.Ramka);
        p.Nazwa = new QLineEdit(this);
        p.Nazwa->setObjectName(QStringLiteral("EditNazwa%1").arg(i));
        p.Nazwa->setMaxLength(kSzerokoscNazwy);
        p.Nazwa->setPlaceholderText(i == 1 ? QStringLiteral("np. Krokiew sosnowa")
                                           : QStringLiteral("(puste = brak drugiego materiału)"));
        p.Lambda = pole(7, "NumEditLambda", i);
        p.Mi = pole(7, "NumEditMi", i);
        p.Gestosc = pole(7, "NumEditGestosc", i);
        p.Cieplo = pole(6, "NumEditCieplo", i);
        p.Gestosc->setToolTip(QStringLiteral("Gęstość materiału (0 = nieznana)"));
        p.Cieplo->setToolTip(QStringLiteral("Ciepło właściwe materiału (0 = nieznane)"));
        p.Sposob = new QComboBox(this);
        p.Sposob->setObjectName(QStringLiteral("ComboBoxSposob%1").arg(i));
        p.Sposob->addItem(QStringLiteral("procent powierzchni"));
        p.Sposob->addItem(QStringLiteral("szerokość i rozstaw"));
        // Room for the longer choice and the arrow, whatever the style.
        p.Sposob->setMinimumWidth(
            p.Sposob->fontMetrics().horizontalAdvance(QStringLiteral("procent powierzchni")) + 48);
        // Room for the longer choice and the arrow, whatever the style.
        p.Sposob->setMinimumWidth(
            p.Sposob->fontMetrics().horizontalAdvance(QStringLiteral("procent powierzchni")) + 48);
        p.Udzial = pole(7, "NumEditUdzial", i);
        p.Szerokosc = pole(7, "NumEditSzerokosc", i);
        p.Rozstaw = pole(7, "NumEditRozstaw", i);
        p.Rozstaw->setToolTip(QStringLiteral("Rozstaw osiowy elementów, np. krokwie co 90 cm"));
        p.EtykietaUdzialu = new QLabel(QStringLiteral("udział [%]"), this);
        p.EtykietaSzerokosci = new QLabel(QStringLiteral("szerokość [cm]"), this);
        p.EtykietaRozstawu = new QLabel(QStringLiteral("co [cm]"), this);
        p.Wynik = new QLabel(this);
        p.Wynik->setObjectName(QStringLiteral("LabelUdzial%1").arg(i));

        s->addWidget(new QLabel(QStringLiteral("Nazwa"), this), 0, 0);
        s->addWidget(p.Nazwa, 0, 1, 1, 6);
        p.Katalog = new QPushButton(QStringLiteral("Z katalogu…"), this);
        p.Katalog->setObjectName(QStringLiteral("ButtonKatalog%1").arg(i));
        p.Katalog->setAutoDefault(false);
        p.Katalog->setMinimumWidth(p.Katalog->fontMetrics().horizontalAdvance(p.Katalog->text()) + 24);
        p.Katalog->setToolTip(
            QStringLiteral("Nazwa, λ, μ, ρ i c materiału z katalogu; udział podaje się tutaj"));
        s->addWidget(p.Katalog, 0, 7);
        PolaczBezpiecznie(dialogi_, this, p.Katalog, &QPushButton::clicked,
                          [this, i] { ButtonKatalogClick(i - 1); });
        s->addWidget(new QLabel(QStringLiteral("λ [W/(m·K)]"), this), 1, 0);
        s->addWidget(p.Lambda, 1, 1);
        s->addWidget(new QLabel(QStringLiteral("μ"), this), 1, 2, Qt::AlignRight);
        s->addWidget(p.Mi, 1, 3);
        s->addWidget(new QLabel(QStringLiteral("ρ [kg/m³]"), this), 1, 4, Qt::AlignRight);
        s->addWidget(p.Gestosc, 1, 5);
        s->addWidget(new QLabel(QStringLiteral("c [kJ/(kg·K)]"), this), 1, 6, Qt::AlignRight);
        s->addWidget(p.Cieplo, 1, 7);
        s->addWidget(new QLabel(QStringLiteral("Udział"), this), 2, 0);
        s->addWidget(p.Sposob, 2, 1, 1, 2);
        s->addWidget(p.EtykietaUdzialu, 2, 3, Qt::AlignRight);
        s->addWidget(p.Udzial, 2, 4);
        s->addWidget(p.EtykietaSzerokosci, 2, 3, Qt::AlignRight);
        s->addWidget(p.Szerokosc, 2, 4);
        s->addWidget(p.EtykietaRozstawu, 2, 5, Qt::AlignRight);
        s->addWidget(p.Rozstaw, 2, 6);
        s->addWidget(p.Wynik, 3, 1, 1, 7);
        uklad->addWidget(p.Ramka);

        for (TNumEdit* e : {p.Lambda, p.Udzial, p.Szerokosc, p.Rozstaw})
            connect(e, &QLineEdit::textChanged, this, [this] { Odswiez(); });
        connect(p.Nazwa, &QLineEdit::textChanged, this, [this] { Odswiez(); });
        connect(p.Sposob, &QComboBox::currentIndexChanged, this, [this] { Odswiez(); });
    }

    auto* os = new QHBoxLayout;
    os->addWidget(new QLabel(QStringLiteral("Położenie mostków"), this));
    ComboBoxWOsi = new QComboBox(this);
    ComboBoxWOsi->setObjectName(QStringLiteral("ComboBoxWOsi"));
    ComboBoxWOsi->setToolTip(
        QStringLiteral("„w osi warstwy k”: elementy leżą na elementach wcześniejszej warstwy "
                       "z mostkami (np. łaty na krokwiach); udziały muszą być te same"));
    os->addWidget(ComboBoxWOsi, 1);
    uklad->addLayout(os);
    LabelReszta = new QLabel(this);
    LabelReszta->setObjectName(QStringLiteral("LabelReszta"));
    QFont gruba = LabelReszta->font();
    gruba.setBold(true);
    LabelReszta->setFont(gruba);
    uklad->addWidget(LabelReszta);

    Button1 = new QPushButton(QStringLiteral("&Wprowadź"), this);
    ButtonUsun = new QPushButton(QStringLiteral("&Usuń mostki"), this);
    Button2 = new QPushButton(QStringLiteral("&Anuluj"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    ButtonUsun->setObjectName(QStringLiteral("ButtonUsun"));
    Button2->setObjectName(QStringLiteral("Button2"));
    ButtonUsun->setToolTip(QStringLiteral("Warstwa staje się jednorodna (tylko materiał warstwy)"));
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(ButtonUsun);
    przyciski->addStretch(1);
    for (QPushButton* b : {Button1, Button2}) {
        b->setFont(gruba);
        przyciski->addWidget(b);
    }
    for (QPushButton* b : {Button1, ButtonUsun, Button2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumWidth(100);
    }
    uklad->addLayout(przyciski);

    PolaczBezpiecznie(dialogi_, this, Button1, &QPushButton::clicked, [this] { Button1Click(); });
    PolaczBezpiecznie(dialogi_, this, ButtonUsun, &QPushButton::clicked, [this] { ButtonUsunClick(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormMostkiWarstwy::Ustaw(int warstwa, const QString& nazwa, const std::vector<TMaterialMostka>& mostki,
                               int wOsi, const std::vector<std::pair<int, QString>>& wczesniejsze) {
    nazwaWarstwy_ = nazwa.trimmed();
    usunieto_ = false;
    mostki_ = mostki;
    wOsi_ = wOsi;
    LabelWarstwa->setText(QStringLiteral("Warstwa %1: %2 – materiał warstwy zajmuje powierzchnię, której nie "
                                         "zajmują mostki.")
                              .arg(warstwa)
                              .arg(nazwaWarstwy_));
    auto liczba = [](double x) { return Q(Ogolny(x)); };
    for (std::size_t i = 0; i < pola_.size(); ++i) {
        TPolaMostka& p = pola_[i];
        const TMaterialMostka* m = i < mostki.size() ? &mostki[i] : nullptr;
        p.Nazwa->setText(m ? Q(m->Nazwa) : QString());
        p.Lambda->setText(liczba(m ? m->Lambda : 0));
        p.Mi->setText(liczba(m ? m->Mi : 0));
        p.Gestosc->setText(liczba(m && m->Gestosc ? *m->Gestosc : 0));
        p.Cieplo->setText(liczba(m && m->Cieplo ? *m->Cieplo : 0));
        p.Sposob->setCurrentIndex(kProcent);
        p.UdzialPierwotny = m ? m->Udzial : 0;
        p.TekstPierwotny = m ? Procent(m->Udzial) : QStringLiteral("0");
        p.Udzial->setText(p.TekstPierwotny);
        p.Szerokosc->setText(QStringLiteral("0"));
        p.Rozstaw->setText(QStringLiteral("0"));
    }
    ComboBoxWOsi->clear();
    ComboBoxWOsi->addItem(QStringLiteral("niezależne od innych warstw"), 0);
    bool jest = wOsi == 0;
    for (const auto& [k, n] : wczesniejsze) {
        ComboBoxWOsi->addItem(QStringLiteral("w osi warstwy %1 (%2)").arg(k).arg(n.trimmed()), k);
        jest = jest || k == wOsi;
    }
    if (!jest)
        ComboBoxWOsi->addItem(QStringLiteral("w osi warstwy %1").arg(wOsi), wOsi);
    ComboBoxWOsi->setCurrentIndex(ComboBoxWOsi->findData(wOsi));
    ButtonUsun->setEnabled(!mostki.empty());
    for (TPolaMostka& p : pola_)
        p.Katalog->setVisible(static_cast<bool>(ZKatalogu));
    Odswiez();
    pola_[0].Nazwa->setFocus();
}

bool TFormMostkiWarstwy::Uzywany(const TPolaMostka& p) const {
    double x = 0;
    auto niezero = [&x](const QLineEdit* e) { return Liczba(e, x) && x != 0; };
    return !p.Nazwa->text().trimmed().isEmpty() || niezero(p.Lambda) || niezero(p.Udzial) ||
           niezero(p.Szerokosc) || niezero(p.Rozstaw);
}

std::optional<double> TFormMostkiWarstwy::Udzial(const TPolaMostka& p) const {
    if (p.Sposob->currentIndex() == kProcent) {
        if (p.Udzial->text() == p.TekstPierwotny && p.UdzialPierwotny > 0)
            return p.UdzialPierwotny;
        double procent = 0;
        if (!Liczba(p.Udzial, procent) || !(procent > 0 && procent < 100))
            return std::nullopt;
        return procent / 100;
    }
    double szerokosc = 0;
    double rozstaw = 0;
    if (!Liczba(p.Szerokosc, szerokosc) || !Liczba(p.Rozstaw, rozstaw) || !(szerokosc > 0) ||
        !(rozstaw > szerokosc))
        return std::nullopt;
    return UdzialZRozstawu(szerokosc, rozstaw);
}

void TFormMostkiWarstwy::Odswiez() {
    double suma = 0;
    bool wszystkie = true;
    for (TPolaMostka& p : pola_) {
        const bool procent = p.Sposob->currentIndex() == kProcent;
        p.EtykietaUdzialu->setVisible(procent);
        p.Udzial->setVisible(procent);
        for (QWidget* w : std::initializer_list<QWidget*>{p.EtykietaSzerokosci, p.Szerokosc,
                                                          p.EtykietaRozstawu, p.Rozstaw})
            w->setVisible(!procent);
        if (!Uzywany(p)) {
            p.Wynik->setText(QString());
            continue;
        }
        const std::optional<double> u = Udzial(p);
        if (!u) {
            wszystkie = false;
            p.Wynik->setText(
                procent ? QStringLiteral("udział: większy od 0 i mniejszy od 100 %")
                        : QStringLiteral("udział: szerokość większa od 0, rozstaw większy od szerokości"));
            continue;
        }
        suma += *u;
        QString opis = QStringLiteral("zajmuje %1 % powierzchni warstwy").arg(Q(Staly(*u * 100, 15, 2)));
        // A metal bridge is accepted; the results will say that the method does not apply to it.
        if (double lambda = 0; Liczba(p.Lambda, lambda) && lambda >= kLambdaMetalu)
            opis +=
                QStringLiteral("; mostek metalowy (λ ≥ 10 W/(m·K)) – metoda uproszczona nie ma zastosowania");
        p.Wynik->setText(opis);
    }
    if (!wszystkie)
        LabelReszta->setText(QString());
    else if (suma >= 1)
        LabelReszta->setText(QStringLiteral("Mostki zajmują %1 % – materiałowi warstwy nic nie zostaje.")
                                 .arg(Q(Staly(suma * 100, 15, 2))));
    else
        LabelReszta->setText(QStringLiteral("Materiał warstwy (%1) zajmuje %2 % powierzchni.")
                                 .arg(nazwaWarstwy_, Q(Staly((1 - suma) * 100, 15, 2))));
}

void TFormMostkiWarstwy::Ostrzez(const QString& tekst, QWidget* pole) {
    dialogi_.Komunikat(this, tekst, QStringLiteral("Murolab -UWAGA!"), TIkona::Stop, TPrzyciski::Ok);
    if (pole && pole->isVisible())
        pole->setFocus();
}

bool TFormMostkiWarstwy::Czytaj(std::vector<TMaterialMostka>& mostki) {
    mostki.clear();
    for (std::size_t i = 0; i < pola_.size(); ++i) {
        TPolaMostka& p = pola_[i];
        for (TNumEdit* e : {p.Lambda, p.Mi, p.Gestosc, p.Cieplo, p.Udzial, p.Szerokosc, p.Rozstaw})
            e->NaprawTekst();
        if (!Uzywany(p))
            continue;
        const int nr = static_cast<int>(i) + 1;
        TMaterialMostka m;
        m.Nazwa = p.Nazwa->text().trimmed().toStdString();
        if (m.Nazwa.empty()) {
            Ostrzez(QStringLiteral("Podaj nazwę materiału mostka %1.").arg(nr), p.Nazwa);
            return false;
        }
        // The limits of a layer's own values, as the grid and the insertion dialog hold them.
        const TDopuszczalne& granicaLambdy = GraniceWarstwy("Lambda");
        const TDopuszczalne& granicaMi = GraniceWarstwy("Mi");
        Liczba(p.Lambda, m.Lambda);
        if (!WZakresie(granicaLambdy, m.Lambda)) {
            Ostrzez(QStringLiteral(
                        "Współczynnik przewodzenia ciepła λ mostka %1 musi wynosić od %2 do %3 W/(m·K).")
                        .arg(nr)
                        .arg(Q(Ogolny(granicaLambdy.Od)), Q(Ogolny(granicaLambdy.Do))),
                    p.Lambda);
            return false;
        }
        Liczba(p.Mi, m.Mi);
        if (!WZakresie(granicaMi, m.Mi)) {
            Ostrzez(QStringLiteral("Współczynnik oporu dyfuzji μ mostka %1 musi wynosić od %2 do %3.")
                        .arg(nr)
                        .arg(Q(Ogolny(granicaMi.Od)), Q(Ogolny(granicaMi.Do))),
                    p.Mi);
            return false;
        }
        // Density and specific heat are only needed for the summer figures: 0 is "unknown".
        const std::pair<TNumEdit*, const char*> opcjonalne[] = {{p.Gestosc, "Gestosc"}, {p.Cieplo, "Cieplo"}};
        for (const auto& [e, nazwa] : opcjonalne) {
            double x = 0;
            Liczba(e, x);
            const TPoleWarstwyRozszerzenia& pole = PoleWarstwyRozszerzenia(nazwa);
            if (!WZakresie(pole.Dopuszczalne, x)) {
                Ostrzez(QStringLiteral("Mostek %1: %2 poza zakresem (od %3 do %4).")
                            .arg(nr)
                            .arg(Q(std::string(pole.Opis)), Q(Ogolny(pole.Dopuszczalne.Od)),
                                 Q(Ogolny(pole.Dopuszczalne.Do))),
                        e);
                return false;
            }
            (nazwa == std::string_view("Gestosc") ? m.Gestosc : m.Cieplo) =
                x > 0 ? std::optional<double>(x) : std::nullopt;
        }
        const std::optional<double> u = Udzial(p);
        if (!u) {
            if (p.Sposob->currentIndex() == kProcent)
                Ostrzez(QStringLiteral("Udział mostka %1 musi być większy od 0 i mniejszy od 100 %.").arg(nr),
                        p.Udzial);
            else
                Ostrzez(QStringLiteral("Mostek %1: szerokość musi być większa od 0, a rozstaw większy od "
                                       "szerokości.")
                            .arg(nr),
                        p.Szerokosc);
            return false;
        }
        m.Udzial = *u;
        mostki.push_back(std::move(m));
    }
    if (mostki.empty()) {
        Ostrzez(QStringLiteral("Nie podano materiału mostka. Mostki usuwa przycisk „Usuń mostki”."),
                pola_[0].Nazwa);
        return false;
    }
    return true;
}

void TFormMostkiWarstwy::Button1Click() {
    std::vector<TMaterialMostka> mostki;
    if (!Czytaj(mostki))
        return;
    const int wOsi = ComboBoxWOsi->currentData().toInt();
    if (SprawdzWPrzegrodzie)
        if (const TBlad blad = SprawdzWPrzegrodzie(mostki, wOsi)) {
            Ostrzez(Q(*blad), nullptr);
            return;
        }
    mostki_ = std::move(mostki);
    wOsi_ = wOsi;
    usunieto_ = false;
    accept();
}

void TFormMostkiWarstwy::ButtonKatalogClick(int i) {
    if (!ZKatalogu)
        return;
    const std::optional<TMaterialMostka> m = ZKatalogu();
    if (!m)
        return;
    TPolaMostka& p = pola_[static_cast<std::size_t>(i)];
    p.Nazwa->setText(Q(m->Nazwa));
    p.Lambda->setText(Q(Ogolny(m->Lambda)));
    p.Mi->setText(Q(Ogolny(m->Mi)));
    p.Gestosc->setText(Q(Ogolny(m->Gestosc.value_or(0))));
    p.Cieplo->setText(Q(Ogolny(m->Cieplo.value_or(0))));
    (p.Sposob->currentIndex() == kProcent ? p.Udzial : p.Szerokosc)->setFocus();
}

void TFormMostkiWarstwy::ButtonUsunClick() {
    mostki_.clear();
    wOsi_ = 0;
    usunieto_ = true;
    accept();
}

void TFormMostkiWarstwy::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        WysrodkujWnetrze(this);
}

} // namespace murolab
