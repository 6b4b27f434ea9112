#include "ui/Pomoc.h"

#include "files/ZapisAtomowy.h"
#include "ui/KontekstPomocy.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace murolab {

TPrzegladarkaPomocy::TPrzegladarkaPomocy(const QString& katalog, QWidget* rodzic)
    : QTextBrowser(rodzic), katalog_(QFileInfo(katalog).canonicalFilePath()) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant TPrzegladarkaPomocy::loadResource(int typ, const QUrl& nazwa) {
    Q_UNUSED(typ);
    if (katalog_.isEmpty())
        return {};
    // Only a file name, relative to the help's folder, or a local file URL.
    QString sciezka;
    if (nazwa.isRelative() && nazwa.scheme().isEmpty())
        sciezka = QDir(katalog_).filePath(nazwa.path());
    else if (nazwa.isLocalFile())
        sciezka = nazwa.toLocalFile();
    else
        return {};
    const QFileInfo info(sciezka);
    const QString kanoniczna = info.canonicalFilePath();
    if (kanoniczna.isEmpty() || !kanoniczna.startsWith(katalog_ + QLatin1Char('/')))
        return {};
    const QFileInfo cel(kanoniczna);
    if (!cel.isFile() || cel.size() > kNajwiekszyZasobPomocy)
        return {};
    const auto bajty = CzytajPlikRegularny(QFile::encodeName(kanoniczna).toStdString(),
                                           static_cast<std::uint64_t>(kNajwiekszyZasobPomocy));
    if (const auto* dane = std::get_if<std::vector<std::uint8_t>>(&bajty))
        return QByteArray(reinterpret_cast<const char*>(dane->data()), static_cast<qsizetype>(dane->size()));
    return {};
}

bool TPrzegladarkaPomocy::CzyLinkZewnetrzny(const QUrl& adres) {
    const QString schemat = adres.scheme().toLower();
    return adres.isValid() && (schemat == QLatin1String("http") || schemat == QLatin1String("https")) &&
           !adres.host().isEmpty();
}

TPomoc::TPomoc(TDialogi& dialogi, const QString& plik, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window), dialogi_(dialogi), plik_(plik),
      przegladarka_(new TPrzegladarkaPomocy(QFileInfo(plik).absolutePath(), this)) {
    setWindowTitle(QStringLiteral("Murolab - pomoc"));
    // Help is read beside the program's windows; closing it must never end the program, even while
    // a dialog has hidden the main window and help is the only window left on screen.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(660, 540);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(przegladarka_);
    // Links inside the file only move within it; web links go to the desktop's browser; nothing
    // else is opened, so that the help can never start a program or open a local file.
    PolaczBezpiecznie(dialogi_, this, przegladarka_, &QTextBrowser::anchorClicked, [this](const QUrl& adres) {
        if (adres.isRelative() && adres.path().isEmpty() && !adres.fragment().isEmpty()) {
            kotwica_ = adres.fragment();
            przegladarka_->scrollToAnchor(kotwica_);
        } else if (TPrzegladarkaPomocy::CzyLinkZewnetrzny(adres)) {
            QDesktopServices::openUrl(adres);
        }
    });
    qApp->installEventFilter(this);
}

TPomoc::~TPomoc() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void TPomoc::PokazSpis() {
    Pokaz(QStringLiteral("spis"));
}

void TPomoc::PokazTemat(int kontekst) {
    Pokaz(QStringLiteral("kontekst%1").arg(kontekst));
}

bool TPomoc::Wczytaj() {
    // A regular file of reasonable size only: a FIFO or a device in its place must not hang or
    // flood the window.
    const auto bajty =
        CzytajPlikRegularny(QFile::encodeName(plik_).toStdString(),
                            static_cast<std::uint64_t>(TPrzegladarkaPomocy::kNajwiekszyZasobPomocy));
    if (const std::string* blad = Niepowodzenie(bajty)) {
        dialogi_.Komunikat(QApplication::activeWindow(),
                           QStringLiteral("Nie można otworzyć pliku pomocy:\n%1\n\n%2")
                               .arg(QDir::toNativeSeparators(plik_), QString::fromStdString(*blad)),
                           QStringLiteral("Murolab - pomoc"), TIkona::Wykrzyknik, TPrzyciski::Ok);
        return false;
    }
    const auto& dane = std::get<std::vector<std::uint8_t>>(bajty);
    przegladarka_->setHtml(
        QString::fromUtf8(reinterpret_cast<const char*>(dane.data()), static_cast<qsizetype>(dane.size())));
    przegladarka_->document()->setDocumentMargin(12);
    return true;
}

void TPomoc::Pokaz(const QString& kotwica) {
    // The file is read afresh each time: it is small, and a file replaced meanwhile is shown as it is.
    if (!Wczytaj())
        return;
    kotwica_ = kotwica;
    // While a modal dialog is open every other window is blocked; the help window then becomes
    // modal itself, so it can be read and closed before going back to the dialog.
    QWidget* modalny = QApplication::activeModalWidget();
    const Qt::WindowModality tryb = (modalny && modalny != this) ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != tryb) {
        hide();
        setWindowModality(tryb);
    }
    if (!isVisible())
        UmiescNad(modalny && modalny != this ? modalny : QApplication::activeWindow());
    show();
    raise();
    activateWindow();
    przegladarka_->scrollToAnchor(kotwica_);
}

void TPomoc::UmiescNad(QWidget* pytajacy) {
    if (pytajacy == this)
        pytajacy = nullptr;
    if (pytajacy)
        pytajacy = pytajacy->window();
    QScreen* ekran = pytajacy ? pytajacy->screen() : QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    // Centred over the window that asked, then pushed inside the screen whole.
    const QRect obszar = ekran->availableGeometry();
    QRect r(QPoint(), size().boundedTo(obszar.size()));
    r.moveCenter(pytajacy && pytajacy->isVisible() ? pytajacy->geometry().center() : obszar.center());
    r.moveRight(std::min(r.right(), obszar.right()));
    r.moveBottom(std::min(r.bottom(), obszar.bottom()));
    r.moveLeft(std::max(r.left(), obszar.left()));
    r.moveTop(std::max(r.top(), obszar.top()));
    setGeometry(r);
}

int TPomoc::KontekstDlaF1(QWidget* fokus) {
    for (QWidget* w = fokus; w; w = w->parentWidget()) {
        if (int k = KontekstPomocy(w))
            return k;
        // The tabs of a page control answer for the page in front.
        if (auto* zakladki = qobject_cast<QTabBar*>(w)) {
            if (auto* strony = qobject_cast<QTabWidget*>(zakladki->parentWidget()))
                if (int k = KontekstPomocy(strony->currentWidget()))
                    return k;
        }
        if (w->isWindow())
            break;
    }
    return 0;
}

bool TPomoc::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::KeyPress) {
        auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        if (klawisz->key() == Qt::Key_F1 && klawisz->modifiers() == Qt::NoModifier &&
            obiekt->isWidgetType()) {
            QWidget* fokus = QApplication::focusWidget();
            if (!fokus)
                fokus = static_cast<QWidget*>(obiekt);
            if (const int kontekst = KontekstDlaF1(fokus)) {
                Bezpiecznie(dialogi_, fokus, [this, kontekst] { PokazTemat(kontekst); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

} // namespace murolab
