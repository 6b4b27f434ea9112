#pragma once
// The program's help window. The help file "POMOC.HLP" keeps its traditional name but is one HTML
// document of ours: a table of contents (anchor "spis") and one section per help context
// (anchors "kontekst7", "kontekst9", ...). F1 is answered here for every window of the program:
// the focused control, or the nearest of its parents that has a context (KontekstPomocy.h),
// opens its topic; a control without one opens nothing.

#include <QString>
#include <QWidget>

#include <QTextBrowser>
#include <QUrl>

namespace murolab {

// The help window's browser: it loads only what belongs to the help, whatever the document names.
// A picture or style sheet is read only from a regular file inside the help file's folder (links
// resolved) and only up to kNajwiekszyZasobPomocy bytes; anything else is not loaded.
class TPrzegladarkaPomocy : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr qint64 kNajwiekszyZasobPomocy = 4 << 20;

    TPrzegladarkaPomocy(const QString& katalog, QWidget* rodzic = nullptr);
    QVariant loadResource(int typ, const QUrl& nazwa) override;

    // What a click on a link does: a link within the document moves to its anchor; an http(s)
    // link goes to the desktop's browser; anything else (file:, a program, another scheme) does
    // nothing. Returns true when the link was followed.
    static bool CzyLinkZewnetrzny(const QUrl& adres);

private:
    QString katalog_; // canonical path of the help file's folder
};

class TDialogi;

class TPomoc : public QWidget {
    Q_OBJECT
public:
    // plik: the help file's absolute path, fixed at start-up.
    TPomoc(TDialogi& dialogi, const QString& plik, QWidget* rodzic = nullptr);
    ~TPomoc() override;

    const QString& Plik() const { return plik_; }
    // The table of contents ("Pomoc" in the menu).
    void PokazSpis();
    // The topic of one help context.
    void PokazTemat(int kontekst);
    // The anchor last shown ("spis", "kontekst18"); empty while nothing was shown.
    const QString& BiezacaKotwica() const { return kotwica_; }
    TPrzegladarkaPomocy* Przegladarka() const { return przegladarka_; }

    // The context F1 opens for a focused control: its own, else its parents'; on a page control
    // the page in front counts. 0 = none.
    static int KontekstDlaF1(QWidget* fokus);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Pokaz(const QString& kotwica);
    // Places the help window centred over the window that asked for it, fully on its screen.
    void UmiescNad(QWidget* pytajacy);
    bool Wczytaj();

    TDialogi& dialogi_;
    QString plik_;
    QString kotwica_;
    TPrzegladarkaPomocy* przegladarka_;
};

} // namespace murolab
