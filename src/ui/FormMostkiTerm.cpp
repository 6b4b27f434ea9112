#include "ui/FormMostkiTerm.h"

#include "core/Iso6946.h"
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
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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
constexpr int kForma2017 = 0; // the items of ComboBoxFormaLacznika
constexpr int kFormaStarsza = 1;
const QString kOpisAlfy = QStringLiteral("-współ. ze względu na typ łącznika");
const QString kDoPomocy =
    QStringLiteral(" Jeżeli nadal będzie pojawiał się taki komunikat zajrzyj do pomocy programu");

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
    warstwa_ = [this](int k) { return model_.Warstwy[k]; };
    setWindowTitle(TytulProgramu());
    // While the dialog is open the main window is hidden; closing the dialog must never look like
    // closing the program's last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    Zbuduj();
    UstawKolejnoscTab();
    UstawWidokLacznika();
    setFixedSize(kSzerokosc, kWysokosc);
    NazwijKontrolki({{CheckBoxDeltaUg, "CheckBoxDeltaUg"},
                     {NumEditNrNieszczelnosci, "NumEditNrNieszczelnosci"},
                     {ComboBoxDeltaU, "ComboBoxDeltaU"},
                     {CheckBoxDeltaUf, "CheckBoxDeltaUf"},
                     {NumEditLambdaF, "NumEditLambdaF"},
                     {ComboBoxAlfa, "ComboBoxAlfa"},
                     {NumEditLiczbaF, "NumEditLiczbaF"},
                     {NumEditPoleF, "NumEditPoleF"},
                     {ComboBoxFormaLacznika, "ComboBoxFormaLacznika"},
                     {LabelFormaLacznika, "LabelFormaLacznika"},
                     {ComboBoxWarstwaF, "ComboBoxWarstwaF"},
                     {LabelWarstwaF, "LabelWarstwaF"},
                     {CheckBoxWpuszczony, "CheckBoxWpuszczony"},
                     {NumEditD1, "NumEditD1"},
                     {LabelAlfa, "LabelAlfa"},
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

    // The 2017 form: the form itself, the layer crossed (its d0 and R1 follow) and a recessed
    // fastener's d1. New projects get it; a project with the older correction keeps its own.
    ComboBoxFormaLacznika = new QComboBox(grupaF);
    ComboBoxFormaLacznika->addItems(
        {QStringLiteral("wg PN-EN ISO 6946:2017"), QStringLiteral("starsza postać: αf = 6 lub 5 m⁻¹")});
    ComboBoxFormaLacznika->setToolTip(QStringLiteral("Postać poprawki z uwagi na łączniki mechaniczne"));
    LabelFormaLacznika = new QLabel(grupaF);
    LabelFormaLacznika->setWordWrap(true);
    LabelFormaLacznika->setStyleSheet(QStringLiteral("color: #a00000"));

    ComboBoxWarstwaF = new QComboBox(grupaF);
    ComboBoxWarstwaF->setPlaceholderText(QStringLiteral("– wybierz warstwę –"));
    ComboBoxWarstwaF->setToolTip(
        QStringLiteral("Wybierz warstwę izolacyjną, przez którą przechodzą łączniki"));
    LabelWarstwaF = new QLabel(grupaF);
    LabelWarstwaF->setTextFormat(Qt::RichText);
    CheckBoxWpuszczony = new QCheckBox(QStringLiteral("-łącznik wpuszczony na głębokość"), grupaF);
    CheckBoxWpuszczony->setToolTip(
        QStringLiteral("Zaznacz, gdy łącznik nie przechodzi przez całą grubość warstwy izolacyjnej"));
    NumEditD1 = new TNumEdit(dialogi_, grupaF);
    NumEditD1->SetNumType(ntReal);
    NumEditD1->SetMaxLength(7);
    NumEditD1->setToolTip(
        QStringLiteral("Podaj głębokość, na jaką łącznik wchodzi w warstwę izolacyjną [m]"));
    LabelAlfa = new QLabel(kOpisAlfy, grupaF);
    LabelAlfa->setTextFormat(Qt::RichText);

    auto* siatkaF = new QGridLayout;
    siatkaF->setColumnStretch(1, 1);
    siatkaF->setHorizontalSpacing(6);
    siatkaF->setVerticalSpacing(3);
    int wiersz = 0;
    const auto dodaj = [&](QWidget* symbol, QWidget* opis, QWidget* pole) {
        if (symbol)
            siatkaF->addWidget(symbol, wiersz, 0);
        if (pole) {
            siatkaF->addWidget(opis, wiersz, 1);
            siatkaF->addWidget(pole, wiersz, 2);
        } else {
            siatkaF->addWidget(opis, wiersz, 1, 1, 2);
        }
        ++wiersz;
    };
    dodaj(Etykieta(QStringLiteral("ΔU<sub>f</sub>"), grupaF), ComboBoxFormaLacznika, nullptr);
    dodaj(Etykieta(QStringLiteral("λ<sub>f</sub>"), grupaF),
          new QLabel(QStringLiteral("-współ. przewodzenia ciepła łącznika"), grupaF), NumEditLambdaF);
    LabelWarstwa = Etykieta(QStringLiteral("warstwa"), grupaF);
    dodaj(LabelWarstwa, ComboBoxWarstwaF, nullptr);
    dodaj(nullptr, LabelWarstwaF, nullptr);
    LabelD1 = Etykieta(QStringLiteral("d<sub>1</sub> [m]"), grupaF);
    dodaj(LabelD1, CheckBoxWpuszczony, NumEditD1);
    dodaj(Etykieta(QStringLiteral("α<sub>f</sub>"), grupaF), LabelAlfa, ComboBoxAlfa);
    dodaj(Etykieta(QStringLiteral("n<sub>f</sub>"), grupaF),
          new QLabel(QStringLiteral("-liczba łączników na metr kwadratowy"), grupaF), NumEditLiczbaF);
    dodaj(Etykieta(QStringLiteral("A<sub>f</sub> [m²]"), grupaF),
          new QLabel(QStringLiteral("-pole przekroju poprzecznego łącznika"), grupaF), NumEditPoleF);
    auto* ukladF = new QVBoxLayout(grupaF);
    ukladF->addWidget(naglowek);
    ukladF->addWidget(CheckBoxDeltaUf);
    ukladF->addLayout(siatkaF);
    // Under the rows, where a wrapped note gets the height it needs.
    ukladF->addWidget(LabelFormaLacznika);
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
    // The fastener group has the most rows; the lower groups keep what they need.
    grupy->setRowStretch(0, 1);
    grupy->setRowStretch(1, 0);

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
             CheckBoxDeltaUg, NumEditNrNieszczelnosci, ComboBoxDeltaU, CheckBoxDeltaUf, ComboBoxFormaLacznika,
             NumEditLambdaF, ComboBoxWarstwaF, CheckBoxWpuszczony, NumEditD1, ComboBoxAlfa, NumEditLiczbaF,
             NumEditPoleF, RadioButtonUk000, RadioButtonUk005, RadioButtonUk015, CheckBoxMostekWlasny,
             NumEditMostekWlasny})
        UstawKontekstPomocy(w, kKontekstPomocy);

    PolaczBezpiecznie(dialogi_, this, ComboBoxDeltaU, &TListaLiczb::Wyjscie,
                      [this] { ComboBoxDeltaUExit(); });
    PolaczBezpiecznie(dialogi_, this, ComboBoxAlfa, &TListaLiczb::Wyjscie, [this] { ComboBoxAlfaExit(); });

    for (QWidget* pole :
         std::initializer_list<QWidget*>{NumEditNrNieszczelnosci, ComboBoxDeltaU, NumEditLambdaF,
                                         ComboBoxAlfa, NumEditLiczbaF, NumEditPoleF, NumEditMostekWlasny})
        pole->setEnabled(false);
    for (QWidget* pole : std::initializer_list<QWidget*>{NumEditNrNieszczelnosci, NumEditLambdaF, NumEditD1,
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
    PolaczBezpiecznie(dialogi_, this, ComboBoxFormaLacznika, &QComboBox::currentIndexChanged,
                      [this] { ComboBoxFormaLacznikaChange(); });
    PolaczBezpiecznie(dialogi_, this, ComboBoxWarstwaF, &QComboBox::currentIndexChanged,
                      [this] { ComboBoxWarstwaFChange(); });
    PolaczBezpiecznie(dialogi_, this, CheckBoxWpuszczony, &QCheckBox::toggled,
                      [this] { CheckBoxWpuszczonyClick(); });
    // alpha follows d1 as it is typed; a text that is no number yet shows the formula alone.
    PolaczBezpiecznie(dialogi_, this, NumEditD1, &QLineEdit::textChanged, [this] { UstawWidokLacznika(); });
    PolaczBezpiecznie(dialogi_, this, Button1, &QPushButton::clicked, [this] { Button1Click(); });
    PolaczBezpiecznie(dialogi_, this, Button2, &QPushButton::clicked, [this] { Button2Click(); });
}

void TFormMostkiTerm::UstawKolejnoscTab() {
    // The design's tab positions 0 .. 15 (12 belongs to no control), with the 2017 form's controls
    // among the fastener fields.
    const QList<QWidget*> kolejnosc{CheckBoxDeltaUg,
                                    NumEditNrNieszczelnosci,
                                    ComboBoxDeltaU,
                                    CheckBoxDeltaUf,
                                    ComboBoxFormaLacznika,
                                    NumEditLambdaF,
                                    ComboBoxWarstwaF,
                                    CheckBoxWpuszczony,
                                    NumEditD1,
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
    // The grid may have gained, lost or renamed layers since the last showing.
    OdswiezWarstwy();
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
    UstawWidokLacznika();
}

void TFormMostkiTerm::ComboBoxFormaLacznikaChange() {
    UstawWidokLacznika();
}

void TFormMostkiTerm::ComboBoxWarstwaFChange() {
    UstawWidokLacznika();
}

void TFormMostkiTerm::CheckBoxWpuszczonyClick() {
    UstawWidokLacznika();
}

bool TFormMostkiTerm::Forma2017() const {
    return ComboBoxFormaLacznika->currentIndex() == kForma2017;
}

int TFormMostkiTerm::WybranaWarstwa() const {
    return ComboBoxWarstwaF->currentIndex() < 0 ? 0 : ComboBoxWarstwaF->currentData().toInt();
}

void TFormMostkiTerm::UstawZrodloWarstw(std::function<TWarstwa(int)> zrodlo) {
    warstwa_ = std::move(zrodlo);
    OdswiezWarstwy();
}

void TFormMostkiTerm::OdswiezWarstwy() {
    const int wybrana = WybranaWarstwa();
    const QSignalBlocker blokada(ComboBoxWarstwaF);
    ComboBoxWarstwaF->clear();
    const int n = std::clamp(model_.LiczbaWarstw, 0, kLiczbaSlotow);
    for (int k = 1; k <= n; ++k)
        ComboBoxWarstwaF->addItem(QStringLiteral("%1. %2").arg(k).arg(Tekst(warstwa_(k).Nazwa.Utf8())), k);
    ComboBoxWarstwaF->setCurrentIndex(ComboBoxWarstwaF->findData(wybrana));
    UstawWidokLacznika();
}

void TFormMostkiTerm::UstawWidokLacznika() {
    const bool wl = CheckBoxDeltaUf->isChecked();
    const bool nowa = Forma2017();
    ComboBoxFormaLacznika->setEnabled(wl);
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWarstwa, ComboBoxWarstwaF, LabelWarstwaF, LabelD1,
                                                      CheckBoxWpuszczony, NumEditD1})
        w->setVisible(nowa);
    ComboBoxAlfa->setVisible(!nowa);
    ComboBoxWarstwaF->setEnabled(wl);
    CheckBoxWpuszczony->setEnabled(wl);
    NumEditD1->setEnabled(wl && CheckBoxWpuszczony->isChecked());

    // What the project holds now, whatever the controls show: an older correction stays until the
    // user chooses the 2017 form and confirms.
    const TWarunkiPracy& m = model_.WarunkiPracy;
    const bool starszaWModelu = m.LambdaF != 0 && m.Alfa != 0 && !m.Lacznik2017;
    // A no-break space keeps a number with its unit.
    const QString alfa = QStringLiteral("αf\u00a0=\u00a0%1\u00a0m⁻¹").arg(m.Alfa);
    if (!starszaWModelu || !wl)
        LabelFormaLacznika->clear();
    else if (nowa)
        LabelFormaLacznika->setText(
            QStringLiteral("Postać wg PN-EN ISO 6946:2017 zastąpi dotychczasową (%1) po „Wprowadź”.")
                .arg(alfa));
    else
        LabelFormaLacznika->setText(QStringLiteral("Projekt ma poprawkę w starszej postaci (%1). Zostaje, "
                                                   "dopóki nie wybierzesz postaci wg PN-EN ISO 6946:2017.")
                                        .arg(alfa));
    LabelFormaLacznika->setVisible(!LabelFormaLacznika->text().isEmpty());

    const int k = WybranaWarstwa();
    double d0 = 0;
    if (k > 0 && k <= kLiczbaSlotow) {
        const TWarstwa w = warstwa_(k);
        d0 = w.Grubosc;
        const bool znany = std::isfinite(d0) && d0 > 0 && (w.Powietrze || w.Lambda > 0);
        LabelWarstwaF->setText(
            znany ? QStringLiteral("d<sub>0</sub> = %1 m;  R<sub>1</sub> = %2 m²·K/W")
                        .arg(Tekst(Ogolny(d0)), Tekst(Staly(OporWarstwy(w), 15, 3)))
                  : QStringLiteral("grubość lub λ tej warstwy w tabeli warstw są niepoprawne"));
        if (!znany)
            d0 = 0;
    } else {
        LabelWarstwaF->setText(
            QStringLiteral("d<sub>0</sub>, R<sub>1</sub>: grubość i opór wybranej warstwy"));
    }
    if (!nowa) {
        LabelAlfa->setText(kOpisAlfy);
        return;
    }
    if (!CheckBoxWpuszczony->isChecked()) {
        LabelAlfa->setText(QStringLiteral("= 0,8 (łącznik przez całą warstwę)"));
        return;
    }
    double d1 = 0;
    if (d0 > 0 && ProbujNaLiczbe(Tekst(NumEditD1->text()), d1) && d1 > 0 && d1 <= d0)
        LabelAlfa->setText(
            QStringLiteral("= 0,8·d<sub>1</sub>/d<sub>0</sub> = 0,8·%1/%2 = %3")
                .arg(Tekst(Ogolny(d1)), Tekst(Ogolny(d0)), Tekst(Staly(0.8 * d1 / d0, 15, 3))));
    else
        LabelAlfa->setText(QStringLiteral("= 0,8·d<sub>1</sub>/d<sub>0</sub>"));
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
        if (Forma2017()) {
            if (!SprawdzLacznik2017())
                return false;
        } else {
            const std::int32_t alfa = NaCalkowita(Tekst(ComboBoxAlfa->currentText()));
            if (!Dozwolona("Alfa", alfa)) {
                // The list's text stays for correcting; the focus goes where the fault is.
                dialogi_.Komunikat(
                    this,
                    QStringLiteral("Podana wartość współczynnika αf jest niepoprawna (0 < αf ≤ "
                                   "10 m⁻¹) !") +
                        kDoPomocy,
                    kTytulUwagi, TIkona::Stop, TPrzyciski::Ok);
                ComboBoxAlfa->setFocus(Qt::OtherFocusReason);
                ComboBoxAlfa->lineEdit()->selectAll();
                return false;
            }
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

bool TFormMostkiTerm::SprawdzLacznik2017() {
    const auto wskazWarstwe = [this](const QString& tekst) {
        dialogi_.Komunikat(this, tekst, kTytulUwagi, TIkona::Stop, TPrzyciski::Ok);
        ComboBoxWarstwaF->setFocus(Qt::OtherFocusReason);
        return false;
    };
    const int k = WybranaWarstwa();
    if (k <= 0)
        return wskazWarstwe(QStringLiteral("Wybierz warstwę izolacyjną, przez którą przechodzą łączniki "
                                           "mechaniczne."));
    // The list is made when the dialog opens; the layers may have changed since without it.
    const int n = std::clamp(model_.LiczbaWarstw, 0, kLiczbaSlotow);
    if (k > n)
        return wskazWarstwe(
            n == 0 ? QStringLiteral("Warstwa nr %1 nie istnieje: przegroda nie ma warstw.").arg(k)
                   : QStringLiteral("Warstwa nr %1 nie istnieje: przegroda ma warstwy od 1 "
                                    "do %2. Wybierz warstwę ponownie.")
                         .arg(k)
                         .arg(n));
    const TWarstwa w = warstwa_(k);
    const double d0 = w.Grubosc;
    if (!(std::isfinite(d0) && d0 > 0 && (w.Powietrze || w.Lambda > 0)))
        return wskazWarstwe(QStringLiteral("Grubość lub współczynnik λ warstwy nr %1 w tabeli warstw są "
                                           "niepoprawne: popraw je, zanim podasz łączniki przechodzące przez "
                                           "tę warstwę.")
                                .arg(k));
    if (CheckBoxWpuszczony->isChecked()) {
        const double d1 = NaLiczbe(Tekst(NumEditD1->text()));
        if (!(d1 > 0 && d1 <= d0)) {
            dialogi_.Komunikat(this,
                               QStringLiteral("Podana głębokość d1 łącznika w warstwie izolacyjnej jest "
                                              "niepoprawna (0 < d1 ≤ d0 = %1 m) !")
                                       .arg(Tekst(Ogolny(d0))) +
                                   kDoPomocy,
                               kTytulUwagi, TIkona::Stop, TPrzyciski::Ok);
            NumEditD1->setText(QStringLiteral("0"));
            return false;
        }
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
        w.LiczbaF = NaCalkowita(Tekst(NumEditLiczbaF->text()));
        w.PoleF = NaLiczbe(Tekst(NumEditPoleF->text()));
        if (Forma2017()) {
            // The 2017 form has no alpha of the older kind: the record's field stays 0, so a reader
            // of the record alone sees no older correction to compute.
            w.Alfa = 0;
            TLacznik2017 lacznik{WybranaWarstwa(), std::nullopt};
            if (CheckBoxWpuszczony->isChecked())
                lacznik.D1 = NaLiczbe(Tekst(NumEditD1->text()));
            w.Lacznik2017 = lacznik;
        } else {
            w.Alfa = NaCalkowita(Tekst(ComboBoxAlfa->currentText()));
            w.Lacznik2017.reset();
        }
    } else {
        w.LambdaF = 0;
        w.Alfa = 0;
        w.LiczbaF = 0;
        w.PoleF = 0;
        w.Lacznik2017.reset();
    }
    const QAbstractButton* wybrany = grupaUk_->checkedButton();
    w.DeltaUk = wybrany ? NaLiczbe(Tekst(wybrany->text())) : 0.0;
    w.MostekWlasny = CheckBoxMostekWlasny->isChecked() ? NaLiczbe(Tekst(NumEditMostekWlasny->text())) : 0.0;
    model_.WarunkiPracy = w;
    UstawWidokLacznika(); // the form note follows what the project now holds
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
    // Fasteners entered anew are computed in the 2017 form.
    ComboBoxFormaLacznika->setCurrentIndex(kForma2017);
    ComboBoxWarstwaF->setCurrentIndex(-1);
    CheckBoxWpuszczony->setChecked(false);
    NumEditD1->setText(QStringLiteral("0"));
    RadioButtonUk000->setChecked(true);
    UstawWidokLacznika();
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
    if (w.LambdaF != 0 && (w.Alfa != 0 || w.Lacznik2017) && w.LiczbaF != 0) {
        CheckBoxDeltaUf->setChecked(true);
        NumEditLambdaF->setText(Tekst(Ogolny(w.LambdaF)));
        NumEditLiczbaF->setText(Tekst(Calkowita(w.LiczbaF)));
        NumEditPoleF->setText(Tekst(Ogolny(w.PoleF)));
        if (const auto& l = w.Lacznik2017) {
            ComboBoxFormaLacznika->setCurrentIndex(kForma2017);
            OdswiezWarstwy();
            ComboBoxWarstwaF->setCurrentIndex(ComboBoxWarstwaF->findData(l->Warstwa));
            CheckBoxWpuszczony->setChecked(l->D1.has_value());
            if (l->D1)
                NumEditD1->setText(Tekst(Ogolny(*l->D1)));
        } else {
            // A project of the older form opens on it; switching is the user's choice.
            ComboBoxFormaLacznika->setCurrentIndex(kFormaStarsza);
            ComboBoxAlfa->setEditText(Tekst(Calkowita(w.Alfa)));
        }
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
    UstawWidokLacznika();
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
