#include "widgets/Dialogi.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace murolab {

namespace {
// The close, minimise and system-menu buttons of a title bar, and its margins.
constexpr int kMiejsceNaPrzyciskiTytulu = 130;

QMessageBox::Icon IkonaQt(TIkona ikona) {
    switch (ikona) {
    case TIkona::Stop:
        return QMessageBox::Critical;
    case TIkona::Pytanie:
        return QMessageBox::Question;
    case TIkona::Wykrzyknik:
        return QMessageBox::Warning;
    case TIkona::Informacja:
        return QMessageBox::Information;
    case TIkona::Brak:
        break;
    }
    return QMessageBox::NoIcon;
}

QString FiltryQt(const TParametryPliku& p) {
    QStringList filtry;
    for (const TFiltrPliku& f : p.Filtry)
        filtry << QStringLiteral("%1 (%2)").arg(f.Opis, f.Wzorzec);
    return filtry.join(QStringLiteral(";;"));
}

QStringList PokazDialogPlikow(QWidget* rodzic, const TParametryPliku& p, QFileDialog::AcceptMode tryb,
                              QFileDialog::FileMode wybor) {
    QFileDialog dialog(rodzic, p.Tytul);
    dialog.setAcceptMode(tryb);
    dialog.setFileMode(wybor);
    // The descriptions are shown as they stand; the patterns in them are only for the filter.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilter(FiltryQt(p));
    dialog.setDefaultSuffix(p.DomyslneRozszerzenie);
    if (!p.NazwaPoczatkowa.isEmpty())
        dialog.selectFile(p.NazwaPoczatkowa);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString PokazDialogPliku(QWidget* rodzic, const TParametryPliku& p, QFileDialog::AcceptMode tryb) {
    const QStringList pliki = PokazDialogPlikow(
        rodzic, p, tryb, tryb == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return pliki.isEmpty() ? QString() : pliki.constFirst();
}
} // namespace

QString TekstOkna(const QString& tekst) {
    QString t = tekst;
    qsizetype koniec = t.size();
    while (koniec > 0 && QStringView(u"!?.").contains(t.at(koniec - 1)))
        --koniec;
    if (koniec == t.size())
        return t;
    for (qsizetype i = koniec - 1; i >= 0 && t.at(i) == u' '; --i)
        t[i] = QChar(0x00A0);
    return t;
}

std::unique_ptr<QMessageBox> OknoKomunikatu(QWidget* rodzic, const QString& tekst, const QString& tytul,
                                            TIkona ikona, TPrzyciski przyciski) {
    QMessageBox::StandardButtons przyciskiQt = QMessageBox::Ok;
    if (przyciski == TPrzyciski::TakNie)
        przyciskiQt = QMessageBox::Yes | QMessageBox::No;
    else if (przyciski == TPrzyciski::TakNieAnuluj)
        przyciskiQt = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    auto pole = std::make_unique<QMessageBox>(IkonaQt(ikona), tytul, QString(), przyciskiQt, rodzic);
    // Set before the text, so that the text is never even looked at as markup.
    pole->setTextFormat(Qt::PlainText);
    pole->setText(TekstOkna(tekst));
    if (przyciski == TPrzyciski::TakNieAnuluj)
        pole->setEscapeButton(QMessageBox::Cancel);
    // A short question under a long caption ("Usunąc warstwę ?", "Murolab -Potwierdź") would cut the
    // caption: the box is made as wide as the caption with the title bar's buttons beside it.
    QFont czcionkaTytulu = QApplication::font("QMdiSubWindowTitleBar");
    czcionkaTytulu.setBold(true);
    const int szerokoscTytulu =
        QFontMetrics(czcionkaTytulu).horizontalAdvance(tytul) + kMiejsceNaPrzyciskiTytulu;
    if (auto* uklad = qobject_cast<QGridLayout*>(pole->layout()))
        uklad->addItem(new QSpacerItem(szerokoscTytulu, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                       uklad->rowCount(), 0, 1, uklad->columnCount());
    return pole;
}

TOdpowiedz TDialogiQt::Komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul, TIkona ikona,
                                 TPrzyciski przyciski) {
    const auto pole = OknoKomunikatu(rodzic, tekst, tytul, ikona, przyciski);
    const int wynik = pole->exec();
    if (przyciski == TPrzyciski::Ok)
        return TOdpowiedz::Ok;
    if (wynik == QMessageBox::Yes)
        return TOdpowiedz::Tak;
    if (wynik == QMessageBox::No)
        return TOdpowiedz::Nie;
    // Cancel, Escape or the close box: with a Cancel button that is Anuluj, without one it is No.
    return przyciski == TPrzyciski::TakNieAnuluj ? TOdpowiedz::Anuluj : TOdpowiedz::Nie;
}

void TDialogiQt::Blad(QWidget* rodzic, const QString& tekst) {
    OknoKomunikatu(rodzic, tekst, QStringLiteral("Murolab"), TIkona::Stop, TPrzyciski::Ok)->exec();
}

QString TDialogiQt::PlikDoOtwarcia(QWidget* rodzic, const TParametryPliku& parametry) {
    return PokazDialogPliku(rodzic, parametry, QFileDialog::AcceptOpen);
}

QString TDialogiQt::PlikDoZapisu(QWidget* rodzic, const TParametryPliku& parametry) {
    return PokazDialogPliku(rodzic, parametry, QFileDialog::AcceptSave);
}

QStringList TDialogiQt::WielePlikowDoOtwarcia(QWidget* rodzic, const TParametryPliku& parametry) {
    return PokazDialogPlikow(rodzic, parametry, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

int TDialogiQt::PokazModalnie(QDialog* okno) {
    return okno->exec();
}

void TDialogiQt::Sygnal() {
    QApplication::beep();
}

} // namespace murolab
