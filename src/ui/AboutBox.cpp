#include "ui/AboutBox.h"

#include "widgets/Bezpiecznie.h"
#include "widgets/Nazwy.h"
#include "widgets/Okna.h"
#include "widgets/Tytul.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace murolab {

TAboutBox::TAboutBox(TDialogi& dialogi, const std::filesystem::path& katalogDanych, QWidget* rodzic)
    : QDialog(rodzic), obraz_(QString::fromStdString((katalogDanych / "Auto.bmp").string())) {
    setWindowTitle(TytulProgramu());
    setFixedSize(371, 255);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(12, 5, 345, 209);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    LabelAutorzy = new QLabel(QStringLiteral("Murolab, wersja 0.1\nAutorzy: zespół programu Murolab"), this);
    LabelAutorzy->setGeometry(150, 152, 195, 49);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    LabelAutorzy->setFont(CzcionkaPikseli(courier, 13, true));
    LabelAutorzy->setWordWrap(true);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(118, 220, 135, 30);
    QFont gruba = OKButton->font();
    gruba.setBold(true);
    OKButton->setFont(gruba);
    OKButton->setDefault(true);
    PolaczBezpiecznie(dialogi, this, OKButton, &QPushButton::clicked, [this] { OKButtonClick(); });
    // Centred on the screen, not over the main window (a placed dialog is not moved by Qt).
    WysrodkujNaEkranie(this);
    NazwijKontrolki({{Panel1, "Panel1"}, {LabelAutorzy, "LabelAutorzy"}, {OKButton, "OKButton"}});
}

void TAboutBox::OKButtonClick() {
    accept();
}

bool TAboutBox::FormPaint(QPainter& p) {
    return RysujObrazZPliku(p, obraz_, QPoint(20, 10));
}

void TAboutBox::paintEvent(QPaintEvent* zdarzenie) {
    QDialog::paintEvent(zdarzenie);
    QPainter p(this);
    FormPaint(p);
}

void TAboutBox::closeEvent(QCloseEvent* zdarzenie) {
    FormClose();
    QDialog::closeEvent(zdarzenie);
}

} // namespace murolab
