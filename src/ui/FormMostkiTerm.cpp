#include "ui/FormMostkiTerm.h"

#include "core/Liczby.h"
#include "files/PolaRekordu.h"
#include "ui/KontekstPomocy.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/ListaLiczb.h"
#include "widgets/Nazwy.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"
#include "widgets/Tytul.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace murolab {

namespace {
constexpr int kSzerokosc = 692;
constexpr int kWysokosc = 473;
constexpr int kKontekstPomocy = 9;
constexpr int kLimitList = 7;
constexpr int kDlugoscPolaF = 12;
// The most characters the user may type into ComboBoxDeltaU and ComboBoxAlfa.

const QString kTytulUwagi = QStringLiteral("Murolab -UWAGA !!!");
const QString kDomyslneDeltaU = QStringLiteral("0,00");
const QString kDomyslneAlfa = QStringLiteral("6");

// Whether a value passes the check of its field in the project record's table: the dialog stores
// nothing that opening the saved file would refuse.
bool Dozwolona(const char* pole, double wartosc) {
    return WZakresie(PoleWarunkow(pole).Dopuszczalne, wartosc);
}

// A symbol label (λf, ΔU″ ...): rich text for the sub- and superscripts, a little larger than the
// text beside it so that the small Greek letters read well.
QLabel* Etykieta(const QString& tekst, QWidget* rodzic) {
    auto* e = new QLabel(tekst, rodzic);
    e->setTextFormat(Qt::RichText);
    QFont f = e->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    e->setFont(f);
    return e;
}

QFont Pogrubiona(QFont f) {
    f.setBold(true);
    return f;
}

QFont Pochylona(QFont f) {
    f.setItalic(true);
    return f;
}

QString Tekst(const std::string& s) {
    return QString::fromStdString(s);
}
std::string Tekst(const QString& s) {
    return s.toStdString();
}
} // namespace

TFormMostkiTerm::TFormMostkiTerm(TModelProjektu& model, TDialogi& dialogi, QWidget* okno, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      model_(model), dialogi_(dialogi), okno_(okno) {
    setWindowTitle(TytulProgramu());
    // While the dialog is open the main window is hidden; closing the dialog must never look like
    // closing the program's last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    Zbuduj();
    UstawKolejnoscTab();
    setFixedSize(kSzerokosc, kWysokosc);
    NazwijKontrolki({{CheckBoxDeltaUg, "CheckBoxDeltaUg"},
                     {NumEditNrNieszczelnosci, "NumEditNrNieszczelnosci"},
                     {ComboBoxDeltaU, "ComboBoxDeltaU"},
                     {CheckBoxDeltaUf, "CheckBoxDeltaUf"},
                     {NumEditLambdaF, "NumEditLambdaF"},
                     {ComboBoxAlfa, "ComboBoxAlfa"},
                     {NumEditLiczbaF, "NumEditLiczbaF"},
                     {NumEditPoleF, "NumEditPoleF"},
                     {RadioButtonUk000, "RadioButtonUk000"},
                     {RadioButtonUk005, "RadioButtonUk005"},
                     {RadioButtonUk015, "RadioButtonUk015"},
                     {CheckBoxMostekWlasny, "CheckBoxMostekWlasny"},
                     {NumEditMostekWlasny, "NumEditMostekWlasny"},
                     {Button1, "Button1"},
                     {Button2, "Button2"},
                     {StatusBar1, "StatusBar1"}});
}

void TFormMostkiTerm::Zbuduj() {
    const QString jednostkaU = QStringLiteral("[W/(m²·K)]");

    // ---- upper left: mechanical fasteners
    auto* grupaF = new QGroupBox(this);
    auto* naglowek = new QLabel(
        QStringLiteral("Poprawki w oddniesieniu do<br>współczynnika przenikania ciepła z uwagi na:"), grupaF);
    naglowek->setTextFormat(Qt::RichText);
    naglowek->setFont(Pogrubiona(font()));
    naglowek->setAlignment(Qt::AlignCenter);

    CheckBoxDeltaUf =
        new QCheckBox(QStringLiteral("łączniki mechaniczne przebijające warstwę izolacyjną"), grupaF);
    CheckBoxDeltaUf->setFont(Pochylona(font()));
    CheckBoxDeltaUf->setToolTip(
        QStringLiteral("Wprowadź poprwakę z uwagi na łączniki mechaniczne przebijające warstwę izolacyjną."));

    NumEditLambdaF = new TNumEdit(dialogi_, grupaF);
    NumEditLambdaF->SetNumType(ntReal);
    NumEditLambdaF->SetMaxLength(7);
    NumEditLambdaF->setToolTip(QStringLiteral("Podaj wsp. przewodzenia ciepła łącznika"));

    ComboBoxAlfa = new TListaLiczb(dialogi_, grupaF);
    ComboBoxAlfa->UstawZasady(false, kLimitList, true);
    ComboBoxAlfa->addItems({QStringLiteral("6"), QStringLiteral("5")});
    ComboBoxAlfa->setEditText(kDomyslneAlfa);
    ComboBoxAlfa->setToolTip(QStringLiteral("Podaj wsp. typu łącznika"));

    NumEditLiczbaF = new TNumEdit(dialogi_, grupaF);
    NumEditLiczbaF->SetNumType(ntNatural);
    NumEditLiczbaF->SetMaxLength(2);
    NumEditLiczbaF->setToolTip(QStringLiteral("Podaj liczbę łączników na metr kwadratowy"));

    NumEditPoleF = new TNumEdit(dialogi_, grupaF);
    NumEditPoleF->SetNumType(ntReal);
    // A small fastener's cross-section needs its digits: 4 mm across is 0,00001257 m².
    NumEditPoleF->SetMaxLength(kDlugoscPolaF);
    NumEditPoleF->setToolTip(QStringLiteral("Podaj pole przekroju łącznika"));

    auto* siatkaF = new QGridLayout;
    siatkaF->setColumnStretch(1, 1);
    siatkaF->setHorizontalSpacing(6);
    const struct {
        QString symbol;
        QString opis;
        QWidget* pole;
    } wierszeF[] = {
        {QStringLiteral("λ<sub>f</sub>"), QStringLiteral("-współ. przewodzenia ciepła łącznika"),
         NumEditLambdaF},
        {QStringLiteral("α<sub>f</sub>"), QStringLiteral("-współ. ze względu na typ łącznika"), ComboBoxAlfa},
        {QStringLiteral("n<sub>f</sub>"), QStringLiteral("-liczba łączników na metr kwadratowy"),
         NumEditLiczbaF},
        {QStringLiteral("A<sub>f</sub> [m²]"), QStringLiteral("-pole przekroju poprzecznego łącznika"),
         NumEditPoleF},
    };
    int wiersz = 0;
    for (const auto& w : wierszeF) {
        siatkaF->addWidget(Etykieta(w.symbol, grupaF), wiersz, 0);
        siatkaF->addWidget(new QLabel(w.opis, grupaF), wiersz, 1);
        siatkaF->addWidget(w.pole, wiersz, 2);
        ++wiersz;
    }
    auto* ukladF = new QVBoxLayout(grupaF);
    ukladF->addWidget(naglowek);
    ukladF->addSpacing(4);
    ukladF->addWidget(CheckBoxDeltaUf);
    ukladF->addLayout(siatkaF);
    ukladF->addStretch(1);

    // ---- lower left: air voids
    auto* grupaG = new QGroupBox(this);
    CheckBoxDeltaUg = new QCheckBox(QStringLiteral("nieszczelności w warstwie izolacji"), grupaG);
    CheckBoxDeltaUg->setFont(Pochylona(font()));
    CheckBoxDeltaUg->setToolTip(
        QStringLiteral("Wprowadź poprwakę z uwagi na nieszczelności w warstwie izolacji."));

    NumEditNrNieszczelnosci = new TNumEdit(dialogi_, grupaG);
    NumEditNrNieszczelnosci->SetNumType(ntNatural);
    NumEditNrNieszczelnosci->SetMaxLength(2);
    NumEditNrNieszczelnosci->setToolTip(QStringLiteral("Podaj nr warstwy zawierającej nieszczelność"));

    ComboBoxDeltaU = new TListaLiczb(dialogi_, grupaG);
    ComboBoxDeltaU->UstawZasady(true, kLimitList, true);
    ComboBoxDeltaU->addItems({QStringLiteral("0,00"), QStringLiteral("0,01"), QStringLiteral("0,04")});
    ComboBoxDeltaU->setEditText(kDomyslneDeltaU);
    ComboBoxDeltaU->setToolTip(QStringLiteral("Podaj poziom nieczczelności"));

    auto* siatkaG = new QGridLayout;
    siatkaG->setColumnStretch(1, 1);
    siatkaG->addWidget(new QLabel(QStringLiteral("Nr warstwy zawierającej nieszczelność"), grupaG), 0, 0, 1,
                       2);
    siatkaG->addWidget(NumEditNrNieszczelnosci, 0, 2);
    siatkaG->addWidget(Etykieta(QStringLiteral("ΔU″ ") + jednostkaU, grupaG), 1, 0);
    siatkaG->addWidget(new QLabel(QStringLiteral("-poziom nieszczelności"), grupaG), 1, 1);
    siatkaG->addWidget(ComboBoxDeltaU, 1, 2);
    auto* ukladG = new QVBoxLayout(grupaG);
    ukladG->addWidget(CheckBoxDeltaUg);
    ukladG->addLayout(siatkaG);
    ukladG->addStretch(1);

    // ---- upper right: linear thermal bridges
    auto* grupaUk = new QGroupBox(this);
    auto* naglowekUk = new QLabel(
        QStringLiteral("Wartości dodatku ΔU<sub>k</sub> wyrażającego wpływ mostków liniowych:"), grupaUk);
    naglowekUk->setTextFormat(Qt::RichText);
    naglowekUk->setFont(Pogrubiona(font()));
    naglowekUk->setWordWrap(true);

    const QString podpowiedzUk = QStringLiteral("Wartość dodatku wyrażającego wpłw mostków liniowych");
    RadioButtonUk000 = new QRadioButton(QStringLiteral("0,00"), grupaUk);
    RadioButtonUk005 = new QRadioButton(QStringLiteral("0,05"), grupaUk);
    RadioButtonUk015 = new QRadioButton(QStringLiteral("0,15"), grupaUk);
    grupaUk_ = new QButtonGroup(this);
    grupaUk_->setExclusive(true);
    const struct {
        QString opis;
        QRadioButton* przycisk;
    } wierszeUk[] = {
        {QStringLiteral("Ściany zewnętrzne pełne, stropy podddasza, stropodachy, stropy nad piwnicami"),
         RadioButtonUk000},
        {QStringLiteral("Ściany zewnętrzne z otworami okiennymi i drzwiowymi"), RadioButtonUk005},
        {QStringLiteral(
             "Ściany zewnętrzne z otworami okiennymi i drzwiowymi oraz płytami balkonów lub loggii "
             "przenikającymi przez ścianę"),
         RadioButtonUk015},
    };
    auto* siatkaUk = new QGridLayout;
    siatkaUk->setColumnStretch(0, 1);
    siatkaUk->setVerticalSpacing(10);
    wiersz = 0;
    for (const auto& w : wierszeUk) {
        auto* opis = new QLabel(w.opis, grupaUk);
        opis->setWordWrap(true);
        opis->setBuddy(w.przycisk);
        w.przycisk->setToolTip(podpowiedzUk);
        grupaUk_->addButton(w.przycisk);
        siatkaUk->addWidget(opis, wiersz, 0);
        siatkaUk->addWidget(w.przycisk, wiersz, 1);
        ++wiersz;
    }
    RadioButtonUk000->setChecked(true);
    auto* ukladUk = new QVBoxLayout(grupaUk);
    ukladUk->addWidget(naglowekUk);
    ukladUk->addSpacing(6);
    ukladUk->addLayout(siatkaUk);
    ukladUk->addStretch(1);

    // ---- lower right: own addition
    auto* grupaW = new QGroupBox(this);
    CheckBoxMostekWlasny = new QCheckBox(QStringLiteral("dodatek własny "), grupaW);
    CheckBoxMostekWlasny->setFont(Pochylona(font()));
    NumEditMostekWlasny = new TNumEdit(dialogi_, grupaW);
    NumEditMostekWlasny->SetNumType(ntReal);
    NumEditMostekWlasny->SetMaxLength(4);
    auto* siatkaW = new QGridLayout;
    siatkaW->setColumnStretch(1, 1);
    siatkaW->addWidget(new QLabel(QStringLiteral("Wartość dodatku"), grupaW), 0, 0);
    siatkaW->addWidget(new QLabel(jednostkaU, grupaW), 0, 1);
    siatkaW->addWidget(NumEditMostekWlasny, 0, 2);
    auto* ukladW = new QVBoxLayout(grupaW);
    ukladW->addWidget(CheckBoxMostekWlasny);
    ukladW->addLayout(siatkaW);
    ukladW->addStretch(1);

    // ---- buttons and the status bar
    Button1 = new QPushButton(QStringLiteral("&Wprowadź"), this);
    Button2 = new QPushButton(QStringLiteral("&Anuluj"), this);
    for (QPushButton* p : {Button1, Button2}) {
        p->setFont(Pogrubiona(font()));
        p->setMinimumSize(150, 30);
        // No default button: Enter in a field confirms nothing (see keyPressEvent).
        p->setAutoDefault(false);
    }
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Button1);
    przyciski->addSpacing(20);
    przyciski->addWidget(Button2);
    przyciski->addStretch(1);

    auto* grupy = new QGridLayout;
    grupy->addWidget(grupaF, 0, 0);
    grupy->addWidget(grupaUk, 0, 1);
    grupy->addWidget(grupaG, 1, 0);
    grupy->addWidget(grupaW, 1, 1);
    // The left groups carry the long row labels; the right ones wrap their texts.
    grupy->setColumnStretch(0, 4);
    grupy->setColumnStretch(1, 3);
    grupy->setRowStretch(0, 2);
    grupy->setRowStretch(1, 1);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    auto* srodek = new QVBoxLayout;
    srodek->setContentsMargins(8, 8, 8, 6);
    srodek->setSpacing(8);
    srodek->addLayout(grupy, 1);
    srodek->addLayout(przyciski);
    uklad->addLayout(srodek, 1);
    uklad->addWidget(StatusBar1);

    // Every field, list, box and button of the choice carries help topic 9 (F1 is the main
    // window's business).
    for (QWidget* w : std::initializer_list<QWidget*>{
             CheckBoxDeltaUg, NumEditNrNieszczelnosci, ComboBoxDeltaU, CheckBoxDeltaUf, NumEditLambdaF,
             ComboBoxAlfa, NumEditLiczbaF, NumEditPoleF, RadioButtonUk000, RadioButtonUk005, RadioButtonUk015,
             CheckBoxMostekWlasny, NumEditMostekWlasny})
        UstawKontekstPomocy(w, kKontekstPomocy);

    PolaczBezpiecznie(dialogi_, this, ComboBoxDeltaU, &TListaLiczb::Wyjscie,
                      [this] { ComboBoxDeltaUExit(); });
    PolaczBezpiecznie(dialogi_, this, ComboBoxAlfa, &TListaLiczb::Wyjscie, [this] { ComboBoxAlfaExit(); });

    for (QWidget* pole :
         std::initializer_list<QWidget*>{NumEditNrNieszczelnosci, ComboBoxDeltaU, NumEditLambdaF,
                                         ComboBoxAlfa, NumEditLiczbaF, NumEditPoleF, NumEditMostekWlasny})
        pole->setEnabled(false);
    for (QWidget* pole : std::initializer_list<QWidget*>{NumEditNrNieszczelnosci, NumEditLambdaF,
                                                         NumEditLiczbaF, NumEditPoleF, NumEditMostekWlasny})
        pole->setFixedWidth(72);
    for (QComboBox* lista : {ComboBoxDeltaU, ComboBoxAlfa})
        lista->setFixedWidth(72);

    // toggled, not clicked: a box ticked by the program enables its fields as a click does.
    PolaczBezpiecznie(dialogi_, this, CheckBoxDeltaUg, &QCheckBox::toggled,
                      [this] { CheckBoxDeltaUgClick(); });
    PolaczBezpiecznie(dialogi_, this, CheckBoxDeltaUf, &QCheckBox::toggled,
                      [this] { CheckBoxDeltaUfClick(); });
    PolaczBezpiecznie(dialogi_, this, CheckBoxMostekWlasny, &QCheckBox::toggled,
                      [this] { CheckBoxMostekWlasnyClick(); });
    PolaczBezpiecznie(dialogi_, this, RadioButtonUk000, &QRadioButton::clicked,
                      [this] { RadioButtonUk000Click(); });
    PolaczBezpiecznie(dialogi_, this, RadioButtonUk005, &QRadioButton::clicked,
                      [this] { RadioButtonUk005Click(); });
    PolaczBezpiecznie(dialogi_, this, RadioButtonUk015, &QRadioButton::clicked,
                      [this] { RadioButtonUk015Click(); });
    PolaczBezpiecznie(dialogi_, this, Button1, &QPushButton::clicked, [this] { Button1Click(); });
    PolaczBezpiecznie(dialogi_, this, Button2, &QPushButton::clicked, [this] { Button2Click(); });
}

void TFormMostkiTerm::UstawKolejnoscTab() {
    // Tab positions 0 .. 15 of the design (12 belongs to no control).
    const QList<QWidget*> kolejnosc{CheckBoxDeltaUg,
                                    NumEditNrNieszczelnosci,
                                    ComboBoxDeltaU,
                                    CheckBoxDeltaUf,
                                    NumEditLambdaF,
                                    ComboBoxAlfa,
                                    NumEditLiczbaF,
                                    NumEditPoleF,
                                    RadioButtonUk000,
                                    RadioButtonUk005,
                                    RadioButtonUk015,
                                    Button1,
                                    Button2,
                                    CheckBoxMostekWlasny,
                                    NumEditMostekWlasny};
    for (qsizetype i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
    CheckBoxDeltaUg->setFocus();
}

// ---- opening and closing

void TFormMostkiTerm::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    WysrodkujWnetrze(this);
    // FormActivate: the main window steps aside while the corrections are edited.
    if (okno_ && okno_ != this && okno_->isVisible()) {
        okno_->hide();
        ukryteOkno_ = true;
    }
}

void TFormMostkiTerm::PokazOknoGlowne() {
    // Only a window that the dialog itself hid is shown again.
    if (!ukryteOkno_)
        return;
    ukryteOkno_ = false;
    if (okno_ && !okno_->isVisible())
        okno_->show();
}

void TFormMostkiTerm::done(int wynik) {
    // FormClose: the main window comes back before the dialog goes, whichever way it is closed
    // ("&Wprowadź", "&Anuluj", the close box, Escape).
    PokazOknoGlowne();
    // Whatever was typed and not confirmed goes: the next showing starts from what the calculation
    // uses.
    if (wynik != QDialog::Accepted)
        PrzywrocZModelu();
    QDialog::done(wynik);
}

void TFormMostkiTerm::hideEvent(QHideEvent* zdarzenie) {
    QDialog::hideEvent(zdarzenie);
    PokazOknoGlowne();
}

void TFormMostkiTerm::keyPressEvent(QKeyEvent* zdarzenie) {
    // Enter presses only a button that has the focus; in a field it confirms nothing (the dialog has
    // no default button). Escape keeps its usual meaning: close, storing nothing.
    if (zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter) {
        if (auto* przycisk = qobject_cast<QPushButton*>(focusWidget()))
            przycisk->click();
        zdarzenie->accept();
        return;
    }
    QDialog::keyPressEvent(zdarzenie);
}

// ---- check boxes and radio buttons

void TFormMostkiTerm::CheckBoxDeltaUgClick() {
    const bool wl = CheckBoxDeltaUg->isChecked();
    NumEditNrNieszczelnosci->setEnabled(wl);
    ComboBoxDeltaU->setEnabled(wl);
}

void TFormMostkiTerm::CheckBoxDeltaUfClick() {
    const bool wl = CheckBoxDeltaUf->isChecked();
    NumEditLambdaF->setEnabled(wl);
    ComboBoxAlfa->setEnabled(wl);
    NumEditLiczbaF->setEnabled(wl);
    NumEditPoleF->setEnabled(wl);
}

void TFormMostkiTerm::CheckBoxMostekWlasnyClick() {
    NumEditMostekWlasny->setEnabled(CheckBoxMostekWlasny->isChecked());
}

void TFormMostkiTerm::RadioButtonUk000Click() {
    RadioButtonUk000->setChecked(true);
}
void TFormMostkiTerm::RadioButtonUk005Click() {
    RadioButtonUk005->setChecked(true);
}
void TFormMostkiTerm::RadioButtonUk015Click() {
    RadioButtonUk015->setChecked(true);
}

// ---- buttons

void TFormMostkiTerm::NaprawPoleZFokusem() {
    QWidget* f = focusWidget();
    if (auto* pole = qobject_cast<TNumEdit*>(f))
        pole->NaprawTekst();
    else if (f == ComboBoxDeltaU || f == ComboBoxDeltaU->lineEdit())
        ComboBoxDeltaUExit();
    else if (f == ComboBoxAlfa || f == ComboBoxAlfa->lineEdit())
        ComboBoxAlfaExit();
}

void TFormMostkiTerm::Button1Click() {
    Bezpiecznie(dialogi_, this, [this] {
        NaprawPoleZFokusem();
        if (!SprawdzPoprawki())
            return;
        ZapiszPoprawki();
        accept();
    });
}

void TFormMostkiTerm::Button2Click() {
    reject();
}

// ---- checks and storing

bool TFormMostkiTerm::SprawdzPoprawki() {
    // Each test says when a value passes, so that anything else (NaN included) fails.
    const auto odrzuc = [this](TNumEdit* pole, const QString& tekst) {
        dialogi_.Komunikat(this, tekst, kTytulUwagi, TIkona::Stop, TPrzyciski::Ok);
        pole->setText(QStringLiteral("0"));
        return false;
    };

    if (CheckBoxDeltaUg->isChecked()) {
        const std::int32_t n = NaCalkowita(Tekst(NumEditNrNieszczelnosci->text()));
        // A loaded project may hold more layers than the grid allows; the correction stays within those.
        if (!(Dozwolona("NrNieszczelnosci", n) && n <= model_.LiczbaWarstw && n <= kLimitWarstw))
            return odrzuc(
                NumEditNrNieszczelnosci,
                QStringLiteral("Nr. podanej warstwy jest niepoprawny. Jeżeli nadal będze pojawial się taki "
                               "komunikat zajrzyj do pomocy programu."));
    }
    if (CheckBoxDeltaUf->isChecked()) {
        const double lambda = NaLiczbe(Tekst(NumEditLambdaF->text()));
        if (!Dozwolona("LambdaF", lambda))
            return odrzuc(
                NumEditLambdaF,
                QStringLiteral("Podana wartść wspł. przewodzenia ciepła łącznika jest niepoprawna ! Jeżeli "
                               "nadal będze pojawial się taki komunikat zajrzyj do pomocy programu"));
        const std::int32_t alfa = NaCalkowita(Tekst(ComboBoxAlfa->currentText()));
        if (!Dozwolona("Alfa", alfa)) {
            // The list's text stays for correcting; the focus goes where the fault is.
            dialogi_.Komunikat(this,
                               QStringLiteral("Podana wartość współczynnika αf jest niepoprawna (0 < αf ≤ 10 "
                                              "m⁻¹) ! Jeżeli nadal będzie pojawiał się taki komunikat "
                                              "zajrzyj do pomocy programu"),
                               kTytulUwagi, TIkona::Stop, TPrzyciski::Ok);
            ComboBoxAlfa->setFocus(Qt::OtherFocusReason);
            ComboBoxAlfa->lineEdit()->selectAll();
            return false;
        }
        const std::int32_t liczba = NaCalkowita(Tekst(NumEditLiczbaF->text()));
        if (!Dozwolona("LiczbaF", liczba))
            return odrzuc(
                NumEditLiczbaF,
                QStringLiteral("Wprowadzona ilość łączników jest niepoprawna! Jeżeli nadal będze pojawial "
                               "się taki komunikat zajrzyj do pomocy programu"));
        const double pole = NaLiczbe(Tekst(NumEditPoleF->text()));
        if (!Dozwolona("PoleF", pole))
            return odrzuc(
                NumEditPoleF,
                QStringLiteral("Wprowadzone pole powierzchni łączników jest niepoprawne! Jeżeli nadal będze "
                               "pojawial się taki komunikat zajrzyj do pomocy programu"));
    }
    if (CheckBoxMostekWlasny->isChecked()) {
        const double v = NaLiczbe(Tekst(NumEditMostekWlasny->text()));
        if (!Dozwolona("MostekWlasny", v))
            return odrzuc(
                NumEditMostekWlasny,
                QStringLiteral("Podana wartść dodatku własnego jest niepoprawna ! Jeżeli nadal będze "
                               "pojawial się taki komunikat zajrzyj do pomocy programu"));
    }
    return true;
}

void TFormMostkiTerm::ZapiszPoprawki() {
    TWarunkiPracy w = model_.WarunkiPracy;
    if (CheckBoxDeltaUg->isChecked()) {
        w.NrNieszczelnosci = NaCalkowita(Tekst(NumEditNrNieszczelnosci->text()));
        w.DeltaU = NaLiczbe(Tekst(ComboBoxDeltaU->currentText()));
    } else {
        w.NrNieszczelnosci = 0;
        w.DeltaU = 0;
    }
    if (CheckBoxDeltaUf->isChecked()) {
        w.LambdaF = NaLiczbe(Tekst(NumEditLambdaF->text()));
        w.Alfa = NaCalkowita(Tekst(ComboBoxAlfa->currentText()));
        w.LiczbaF = NaCalkowita(Tekst(NumEditLiczbaF->text()));
        w.PoleF = NaLiczbe(Tekst(NumEditPoleF->text()));
    } else {
        w.LambdaF = 0;
        w.Alfa = 0;
        w.LiczbaF = 0;
        w.PoleF = 0;
    }
    const QAbstractButton* wybrany = grupaUk_->checkedButton();
    w.DeltaUk = wybrany ? NaLiczbe(Tekst(wybrany->text())) : 0.0;
    w.MostekWlasny = CheckBoxMostekWlasny->isChecked() ? NaLiczbe(Tekst(NumEditMostekWlasny->text())) : 0.0;
    model_.WarunkiPracy = w;
}

void TFormMostkiTerm::UstawDomyslnePoprawki() {
    CheckBoxDeltaUg->setChecked(false);
    CheckBoxDeltaUf->setChecked(false);
    CheckBoxMostekWlasny->setChecked(false);
    NumEditNrNieszczelnosci->setText(QStringLiteral("0"));
    NumEditLambdaF->setText(QStringLiteral("0"));
    NumEditMostekWlasny->setText(QStringLiteral("0"));
    ComboBoxDeltaU->setEditText(kDomyslneDeltaU);
    ComboBoxAlfa->setEditText(kDomyslneAlfa);
    RadioButtonUk000->setChecked(true);
}

void TFormMostkiTerm::PrzywrocZModelu() {
    UstawDomyslnePoprawki();
    PokazPoprawki();
}

void TFormMostkiTerm::PokazPoprawki() {
    const TWarunkiPracy& w = model_.WarunkiPracy;
    if (w.NrNieszczelnosci != 0) {
        CheckBoxDeltaUg->setChecked(true);
        NumEditNrNieszczelnosci->setText(Tekst(Calkowita(w.NrNieszczelnosci)));
        ComboBoxDeltaU->setEditText(Tekst(Ogolny(w.DeltaU)));
    }
    if (w.LambdaF != 0 && w.Alfa != 0 && w.LiczbaF != 0) {
        CheckBoxDeltaUf->setChecked(true);
        NumEditLambdaF->setText(Tekst(Ogolny(w.LambdaF)));
        ComboBoxAlfa->setEditText(Tekst(Calkowita(w.Alfa)));
        NumEditLiczbaF->setText(Tekst(Calkowita(w.LiczbaF)));
        NumEditPoleF->setText(Tekst(Ogolny(w.PoleF)));
    }
    if (w.DeltaUk < 0.01)
        RadioButtonUk000->setChecked(true);
    else if (w.DeltaUk < 0.06)
        RadioButtonUk005->setChecked(true);
    else if (w.DeltaUk < 0.16)
        RadioButtonUk015->setChecked(true);
    if (w.MostekWlasny != 0) {
        CheckBoxMostekWlasny->setChecked(true);
        NumEditMostekWlasny->setText(Tekst(Ogolny(w.MostekWlasny)));
    }
}

// ---- the two lists: tidied on leaving

void TFormMostkiTerm::ComboBoxDeltaUExit() {
    const QString t = ComboBoxDeltaU->currentText();
    const QString nowy = t.isEmpty() ? kDomyslneDeltaU : Tekst(Ogolny(NaLiczbe(Tekst(t))));
    if (nowy != t)
        ComboBoxDeltaU->setEditText(nowy);
}

void TFormMostkiTerm::ComboBoxAlfaExit() {
    const QString t = ComboBoxAlfa->currentText();
    const QString nowy = t.isEmpty() ? kDomyslneAlfa : Tekst(Ogolny(NaLiczbe(Tekst(t))));
    if (nowy != t)
        ComboBoxAlfa->setEditText(nowy);
}

} // namespace murolab
