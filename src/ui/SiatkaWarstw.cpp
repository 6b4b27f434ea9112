// Part of TFormPrzegroda: sheet 1, the layer grid with the summary of the working conditions, and
// what the layer insertion dialog needs of the main window (TOknoWarstw).
#include "ui/SiatkaWarstw.h"

#include "catalogue/FormWstawWarstwe.h"

#include "core/Arkusz.h"
#include "core/Liczby.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormPrzegroda.h"
#include "ui/KontekstPomocy.h"
#include "ui/Okna.h"
#include "widgets/NumEdit.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace murolab {

namespace {
// The grid's columns: number, name, lambda, mu, d, density, specific heat. Each also takes the
// 1-pixel line that separates it from the next, so the widths below are one more than the drawn
// ones and the columns sit under the heading panels (45, 325, 60, 60, 60, 60, 60); the last column
// gives up the pixel of the grid's right edge.
constexpr int kLiczbaKolumn = 7;
constexpr int kKolumnaGestosci = 5;
constexpr int kKolumnaCiepla = 6;
constexpr std::array<int, kLiczbaKolumn> kSzerokosciKolumn = {45, 325, 60, 60, 60, 60, 59};
constexpr int kSzerokoscSiatki = 669;
// A row of 22 pixels and its line: 23 pixels per layer.
constexpr int kWysokoscWiersza = 23;
constexpr int kLewaSiatki = 7;
constexpr int kGoraSiatki = 63;

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

QString Numer(int wiersz) {
    return QStringLiteral("  %1.").arg(wiersz + 1);
}

TSiatkaWarstw* Siatka(QTableWidget* t) {
    return static_cast<TSiatkaWarstw*>(t);
}

// The height shows every row; past the 10 layers that the commands allow (a loaded project may
// hold 15) the grid keeps the height of 10 and scrolls, so the outdoor line stays visible.
void UstawWysokosc(QTableWidget* siatka, int wysokoscWierszy) {
    const int limit = kLimitWarstw * kWysokoscWiersza;
    siatka->setVerticalScrollBarPolicy(wysokoscWierszy > limit ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
    siatka->resize(kSzerokoscSiatki, std::min(wysokoscWierszy, limit));
}
} // namespace

// ---- the grid widget

TSiatkaWarstw::TSiatkaWarstw(QWidget* rodzic) : QTableWidget(rodzic) {
    setItemDelegate(new TDelegatSiatki(this));
}

QModelIndex TSiatkaWarstw::moveCursor(CursorAction akcja, Qt::KeyboardModifiers modyfikatory) {
    QModelIndex i = QTableWidget::moveCursor(akcja, modyfikatory);
    if (i.isValid() && i.column() == 0)
        i = model()->index(i.row(), 1);
    return i;
}

bool TSiatkaWarstw::edit(const QModelIndex& indeks, EditTrigger wyzwalacz, QEvent* zdarzenie) {
    // A current cell moved by a command (a row removed, a layer written) opens no editor and must
    // not pull the focus into the grid.
    if (wyzwalacz == CurrentChanged && !hasFocus() && !(edytor_ && edytor_->hasFocus()))
        return false;
    return QTableWidget::edit(indeks, wyzwalacz, zdarzenie);
}

int TSiatkaWarstw::WierszPod(int y) const {
    const int r = rowAt(y);
    if (r >= 0)
        return r;
    return y < 0 ? 0 : rowCount() - 1;
}

void TSiatkaWarstw::mousePressEvent(QMouseEvent* z) {
    if (z->button() == Qt::RightButton) {
        z->accept();
        return;
    }
    const QModelIndex i = indexAt(z->position().toPoint());
    if (z->button() == Qt::LeftButton && i.isValid() && i.column() == 0) {
        ZatwierdzEdytor();
        zrodlo_ = i.row();
        cel_ = zrodlo_;
        viewport()->setCursor(Qt::SizeVerCursor);
        z->accept();
        return;
    }
    QTableWidget::mousePressEvent(z);
}

void TSiatkaWarstw::mouseMoveEvent(QMouseEvent* z) {
    if (zrodlo_ < 0) {
        QTableWidget::mouseMoveEvent(z);
        return;
    }
    cel_ = WierszPod(z->position().toPoint().y());
    viewport()->update();
    z->accept();
}

void TSiatkaWarstw::mouseReleaseEvent(QMouseEvent* z) {
    if (zrodlo_ < 0 || z->button() != Qt::LeftButton) {
        QTableWidget::mouseReleaseEvent(z);
        return;
    }
    const int skad = zrodlo_;
    const int dokad = WierszPod(z->position().toPoint().y());
    zrodlo_ = -1;
    cel_ = -1;
    viewport()->unsetCursor();
    viewport()->update();
    z->accept();
    if (dokad != skad) {
        PrzesunWiersz(skad, dokad);
        if (PoPrzeciagnieciu)
            PoPrzeciagnieciu(skad, dokad);
    }
}

void TSiatkaWarstw::PrzesunWiersz(int z, int doWiersza) {
    if (z == doWiersza || z < 0 || doWiersza < 0 || z >= rowCount() || doWiersza >= rowCount())
        return;
    ZatwierdzEdytor();
    auto tekst = [this](int r, int k) {
        const QTableWidgetItem* e = item(r, k);
        return e ? e->text() : QString();
    };
    auto wpisz = [this](int r, int k, const QString& t) {
        if (QTableWidgetItem* e = item(r, k))
            e->setText(t);
        else
            setItem(r, k, new QTableWidgetItem(t));
    };
    QStringList przenoszony;
    for (int k = 0; k < columnCount(); ++k)
        przenoszony << tekst(z, k);
    const int krok = z < doWiersza ? 1 : -1;
    for (int r = z; r != doWiersza; r += krok)
        for (int k = 0; k < columnCount(); ++k)
            wpisz(r, k, tekst(r + krok, k));
    for (int k = 0; k < columnCount(); ++k)
        wpisz(doWiersza, k, przenoszony.at(k));
    // The current cell stays on the layer it was on: with the dragged layer, or one row further
    // for a layer between the two places.
    int biezacy = currentRow();
    if (biezacy == z || biezacy < 0)
        biezacy = doWiersza;
    else if (biezacy >= std::min(z, doWiersza) && biezacy <= std::max(z, doWiersza))
        biezacy -= krok;
    setCurrentCell(biezacy, std::max(1, currentColumn()));
}

void TSiatkaWarstw::ZatwierdzEdytor() {
    if (!edytor_)
        return;
    QLineEdit* e = edytor_;
    commitData(e);
    closeEditor(e, QAbstractItemDelegate::NoHint);
}

void TSiatkaWarstw::closeEditor(QWidget* edytor, QAbstractItemDelegate::EndEditHint wskazowka) {
    // Qt deletes a closed editor later; from now on it is no longer the grid's editor.
    if (edytor == edytor_)
        edytor_ = nullptr;
    QTableWidget::closeEditor(edytor, wskazowka);
}

void TSiatkaWarstw::focusInEvent(QFocusEvent* z) {
    QTableWidget::focusInEvent(z);
    // The cell editor is always shown in the current cell while the grid has the focus.
    const QModelIndex i = currentIndex();
    if (!edytor_ && i.isValid() && i.column() > 0)
        edit(i);
}

void TSiatkaWarstw::paintEvent(QPaintEvent* z) {
    QTableWidget::paintEvent(z);
    if (zrodlo_ < 0 || cel_ < 0 || cel_ == zrodlo_)
        return;
    // Where the dragged row will land: a line above the target row when moving up, below it when down.
    QPainter p(viewport());
    const int y =
        cel_ < zrodlo_ ? rowViewportPosition(cel_) : rowViewportPosition(cel_) + rowHeight(cel_) - 1;
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawLine(0, y, viewport()->width(), y);
}

TDelegatSiatki::TDelegatSiatki(TSiatkaWarstw* siatka) : QStyledItemDelegate(siatka), siatka_(siatka) {}

QWidget* TDelegatSiatki::createEditor(QWidget* rodzic, const QStyleOptionViewItem&,
                                      const QModelIndex& indeks) const {
    auto* e = new QLineEdit(rodzic);
    e->setFrame(false);
    if (siatka_->FiltrEdytora)
        e->installEventFilter(siatka_->FiltrEdytora);
    // The cell holds what the editor shows, at every keystroke, as a string grid's cell does.
    const QPersistentModelIndex komorka(indeks);
    QAbstractItemModel* model = siatka_->model();
    connect(e, &QLineEdit::textChanged, e, [model, komorka](const QString& t) {
        if (komorka.isValid())
            model->setData(komorka, t, Qt::EditRole);
    });
    // A right-click on the cell being edited opens the grid's own menu ("Dodaj warstwę",
    // "Usuń warstwę"), not the editor's clipboard menu: the editor always stands in the current cell.
    e->setContextMenuPolicy(Qt::CustomContextMenu);
    TSiatkaWarstw* siatka = siatka_;
    connect(e, &QWidget::customContextMenuRequested, siatka, [siatka, e](const QPoint& gdzie) {
        emit siatka->customContextMenuRequested(siatka->viewport()->mapFromGlobal(e->mapToGlobal(gdzie)));
    });
    siatka_->UstawEdytor(e);
    return e;
}

void TDelegatSiatki::setEditorData(QWidget* edytor, const QModelIndex& indeks) const {
    auto* e = static_cast<QLineEdit*>(edytor);
    const QString t = indeks.data(Qt::EditRole).toString();
    // The cell follows the editor; writing the same text back would only move the caret.
    if (e->text() != t)
        e->setText(t);
}

void TDelegatSiatki::paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const {
    if (indeks.column() != 0) {
        QStyledItemDelegate::paint(p, opcje, indeks);
        return;
    }
    // The fixed number column: button face with its lines, the only lines of the grid.
    const QRect r = opcje.rect;
    const QPalette& pal = opcje.palette;
    p->save();
    p->fillRect(r, pal.color(QPalette::Button));
    p->setPen(pal.color(QPalette::Light));
    p->drawLine(r.topLeft(), r.topRight());
    p->setPen(pal.color(QPalette::Dark));
    p->drawLine(r.topRight(), r.bottomRight());
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->setPen(pal.color(QPalette::ButtonText));
    p->drawText(r.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                QString(indeks.data(Qt::DisplayRole).toString()).replace(u' ', QChar(0x2007)));
    p->restore();
}

// ---- sheet 1 of the main window

void TFormPrzegroda::ZbudujSiatke() {
    QWidget* ark = TabSheetPrzegroda;

    // Headings above the grid (the grid itself has no heading row).
    const std::array<QString, kLiczbaKolumn> naglowki = {
        QStringLiteral("    Nr warstwy"),  QStringLiteral("Nazwa materiału"),
        QStringLiteral("λ<br>[W/(m·K)]"),  QStringLiteral("μ"),
        QStringLiteral("d<br>[m]"),        QStringLiteral("ρ<br>[kg/m³]"),
        QStringLiteral("c<br>[kJ/(kg·K)]")};
    const std::array<int, kLiczbaKolumn> szerokosci = {45, 325, 60, 60, 60, 60, 60};
    const std::array<QString, kLiczbaKolumn> podpowiedzi = {
        QString(),
        QString(),
        QStringLiteral("Współczynnik przewodzenia ciepła"),
        QStringLiteral("Współczynnik oporu dyfuzji pary wodnej"),
        QStringLiteral("Grubość warstwy"),
        QStringLiteral("Gęstość materiału (puste = nieznana)"),
        QStringLiteral("Ciepło właściwe materiału (puste = nieznane)")};
    int x = kLewaSiatki;
    for (std::size_t k = 0; k < naglowki.size(); ++k) {
        auto* panel = new QLabel(naglowki[k], ark);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAlignment(Qt::AlignCenter);
        panel->setWordWrap(true);
        panel->setGeometry(x, 2, szerokosci[k], 40);
        panel->setToolTip(podpowiedzi[k]);
        // The narrow number heading wraps into two lines; its longer word must fit the panel. So
        // must the unit of the specific heat, the widest of the units.
        if (k == 0 || k == kKolumnaCiepla) {
            const QString slowo = k == 0 ? QStringLiteral("warstwy") : QStringLiteral("[kJ/(kg·K)]");
            QFont f = panel->font();
            if (f.pixelSize() <= 0)
                f.setPixelSize(QFontInfo(f).pixelSize());
            while (f.pixelSize() > 8 &&
                   QFontMetrics(f).horizontalAdvance(slowo) > szerokosci[k] - 2 * panel->frameWidth())
                f.setPixelSize(f.pixelSize() - 1);
            panel->setFont(f);
        }
        x += szerokosci[k];
    }
    // The summary lines: indoor above the grid, outdoor below it.
    auto linia = [ark](int y, const QString& temperatura, QLabel*& wartoscT, const QString& tekstT,
                       const QString& wilgotnosc, QLabel*& wartoscF, const QString& tekstF) {
        auto etykieta = [ark, y](const QString& t, int x0, int szer) {
            auto* e = new QLabel(t, ark);
            e->setGeometry(x0, y, szer, 19);
            return e;
        };
        etykieta(temperatura, 40, 130);
        wartoscT = etykieta(tekstT, 172, 80);
        etykieta(QStringLiteral("[°C]"), 254, 40);
        etykieta(wilgotnosc, 360, 130);
        wartoscF = etykieta(tekstF, 492, 80);
        etykieta(QStringLiteral("[%]"), 574, 40);
    };
    linia(44, QStringLiteral("Temperatura wewn."), LabelTi,
          ZIndeksem(QStringLiteral("t"), QStringLiteral("i"), QStringLiteral(" = ")),
          QStringLiteral("Wilgotność wewn."), LabelFi,
          ZIndeksem(QStringLiteral("Φ"), QStringLiteral("i"), QStringLiteral(" = ")));
    linia(299, QStringLiteral("Temperatura zewn."), LabelTe,
          ZIndeksem(QStringLiteral("t"), QStringLiteral("e"), QStringLiteral(" = ")),
          QStringLiteral("Wilgotność zewn."), LabelFe,
          ZIndeksem(QStringLiteral("Φ"), QStringLiteral("e"), QStringLiteral(" = ")));

    auto* siatka = new TSiatkaWarstw(ark);
    StringGridPrzegroda = siatka;
    siatka->setGeometry(kLewaSiatki, kGoraSiatki, kSzerokoscSiatki, kWysokoscWiersza);
    siatka->setColumnCount(kLiczbaKolumn);
    siatka->setRowCount(1);
    siatka->horizontalHeader()->hide();
    siatka->verticalHeader()->hide();
    siatka->verticalHeader()->setMinimumSectionSize(1);
    siatka->verticalHeader()->setDefaultSectionSize(kWysokoscWiersza);
    siatka->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    siatka->horizontalHeader()->setMinimumSectionSize(1);
    siatka->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int k = 0; k < kLiczbaKolumn; ++k)
        siatka->setColumnWidth(k, kSzerokosciKolumn[static_cast<std::size_t>(k)]);
    siatka->setShowGrid(false);
    siatka->setFrameShape(QFrame::NoFrame);
    siatka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    siatka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A string grid marks its current cell by the editor shown in it, not by a selection.
    siatka->setSelectionMode(QAbstractItemView::NoSelection);
    siatka->setTabKeyNavigation(false);
    siatka->setWordWrap(false);
    siatka->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    siatka->viewport()->setCursor(Qt::ArrowCursor);
    siatka->FiltrEdytora = this;
    siatka->PoPrzeciagnieciu = [this](int skad, int dokad) {
        Bezpiecznie([this, skad, dokad] {
            StringGridPrzegrodaRowMoved();
            // The dragged layer takes its number along; those it passed move by one the other way.
            PrzeniesPoprawke([skad, dokad](int k) {
                const int r = k - 1;
                if (r == skad)
                    return dokad + 1;
                if (skad < dokad && r > skad && r <= dokad)
                    return k - 1;
                if (skad > dokad && r >= dokad && r < skad)
                    return k + 1;
                return k;
            });
        });
    };
    // Every change of a cell is an edit of the project: typed, inserted, deleted, dragged.
    connect(siatka, &QTableWidget::itemChanged, this, [this] { ZaznaczZmiane(); });
    connect(siatka, &QTableWidget::currentCellChanged, this, [this](int wiersz, int kolumna, int, int) {
        if (wiersz >= 0 && kolumna >= 0)
            StringGridPrzegrodaSelectCell(kolumna, wiersz);
    });

    PopupMenuStrPrzegroda = new QMenu(this);
    Dodajwarstw1 = PopupMenuStrPrzegroda->addAction(QStringLiteral("Dodaj warstwę"));
    PopupMenuStrPrzegroda->addSeparator();
    Usuwarstw1 = PopupMenuStrPrzegroda->addAction(QStringLiteral("Usuń warstwę"));
    siatka->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(siatka, &QWidget::customContextMenuRequested, this, [this, siatka](const QPoint& gdzie) {
        PopupMenuStrPrzegroda->popup(siatka->viewport()->mapToGlobal(gdzie));
    });
    connect(Dodajwarstw1, &QAction::triggered, this,
            [this] { Bezpiecznie([this] { Dodajwarstw1Click(); }); });
    connect(Usuwarstw1, &QAction::triggered, this, [this] { Bezpiecznie([this] { Usuwarstw1Click(); }); });
    PopupMenuStrPrzegroda->addSeparator();
    Dobierzgrubosc1 = PopupMenuStrPrzegroda->addAction(QStringLiteral("Dobierz grubość…"));
    connect(Dobierzgrubosc1, &QAction::triggered, this,
            [this] { Bezpiecznie([this] { Dobierzgrubosc1Click(); }); });

    auto* opcje = new QLabel(QStringLiteral("Opcje:"), ark);
    QFont gruba = opcje->font();
    gruba.setBold(true);
    opcje->setFont(gruba);
    opcje->setGeometry(10, 318, 100, 16);

    auto przycisk = [ark](const QString& tekst, int i) {
        auto* b = new QPushButton(tekst, ark);
        b->setGeometry(3 + i * 171, 336, 170, 30);
        b->setFont(CzcionkaPikseli(b->font(), 13, true));
        return b;
    };
    Button1 = przycisk(QStringLiteral("&Dodaj"), 0);
    Button2 = przycisk(QStringLiteral("&Usuń"), 1);
    Button3 = przycisk(QStringLiteral("&Mostki cieplne"), 2);
    Button5 = przycisk(QStringLiteral("&Kalkulator"), 3);
    UstawKontekstPomocy(Button1, 7);
    connect(Button1, &QPushButton::clicked, this, [this] { Bezpiecznie([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Bezpiecznie([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { Bezpiecznie([this] { Button3Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { Bezpiecznie([this] { Button5Click(); }); });

    WyczyscSiatke();
}

QString TFormPrzegroda::Komorka(int wiersz, int kolumna) const {
    const QTableWidgetItem* e = StringGridPrzegroda->item(wiersz, kolumna);
    return e ? e->text() : QString();
}

void TFormPrzegroda::UstawKomorke(int wiersz, int kolumna, const QString& tekst) {
    if (wiersz < 0 || wiersz >= StringGridPrzegroda->rowCount() || kolumna < 0 || kolumna >= kLiczbaKolumn)
        return;
    QTableWidgetItem* e = StringGridPrzegroda->item(wiersz, kolumna);
    if (!e) {
        e = new QTableWidgetItem;
        if (kolumna == 0)
            e->setFlags(Qt::ItemIsEnabled);
        StringGridPrzegroda->setItem(wiersz, kolumna, e);
    }
    e->setText(tekst);
}

void TFormPrzegroda::WyczyscSiatke() {
    Siatka(StringGridPrzegroda)->ZatwierdzEdytor();
    for (int r = 0; r < StringGridPrzegroda->rowCount(); ++r)
        for (int k = 0; k < kLiczbaKolumn; ++k)
            UstawKomorke(r, k, QString());
    StringGridPrzegroda->setRowCount(1);
    for (int k = 0; k < kLiczbaKolumn; ++k)
        UstawKomorke(0, k, QString());
    UstawWysokosc(StringGridPrzegroda, kWysokoscWiersza);
    StringGridPrzegroda->setEnabled(false);
    if (StringGridPrzegroda->currentRow() < 0)
        StringGridPrzegroda->setCurrentCell(0, std::max(1, BiezacaKolumna));
}

void TFormPrzegroda::UstawLiczbeWierszy(int n) {
    StringGridPrzegroda->setRowCount(std::max(n, 1));
    for (int r = 0; r < StringGridPrzegroda->rowCount(); ++r)
        if (!StringGridPrzegroda->item(r, 0))
            UstawKomorke(r, 0, QString());
    UstawWysokosc(StringGridPrzegroda, kWysokoscWiersza * std::max(n, 0));
    StringGridPrzegroda->setEnabled(true);
    StringGridPrzegroda->setVisible(true);
}

void TFormPrzegroda::StringGridPrzegrodaSelectCell(int kolumna, int wiersz) {
    BiezacaKolumna = kolumna;
    BiezacyWiersz = wiersz;
}

bool TFormPrzegroda::FiltrSiatki(QObject* obiekt, QEvent* zdarzenie) {
    auto* siatka = Siatka(StringGridPrzegroda);
    if (!siatka || obiekt != siatka->Edytor() || zdarzenie->type() != QEvent::KeyPress)
        return false;
    auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    const QChar znak = ZnakKlawisza(klawisz);
    const int kolumna = StringGridPrzegroda->currentColumn();
    if (znak.isNull() || kolumna < 2 || kolumna >= kLiczbaKolumn)
        return false;
    // Lambda, mu, d, density and specific heat hold unsigned numbers with at most one decimal
    // separator.
    const char16_t c = znak.unicode();
    if (c == kSeparatorDziesietny) {
        if (siatka->Edytor()->text().contains(QChar(kSeparatorDziesietny))) {
            Dialogi.Sygnal();
            return true;
        }
        if (klawisz->text() != QString(znak)) {
            siatka->Edytor()->insert(QString(znak));
            return true;
        }
        return false;
    }
    if (c == kBackspace || c == kEnter || (c >= u'0' && c <= u'9'))
        return false;
    Dialogi.Sygnal();
    return true;
}

void TFormPrzegroda::StringGridPrzegrodaExit() {
    Siatka(StringGridPrzegroda)->ZatwierdzEdytor();
    for (int r = 0; r < Model.LiczbaWarstw; ++r) {
        for (int k = 2; k < kLiczbaKolumn; ++k) {
            const QString t = Komorka(r, k);
            // An empty density or specific heat means "unknown" and stays empty.
            if (t.isEmpty() && (k == kKolumnaGestosci || k == kKolumnaCiepla))
                continue;
            UstawKomorke(r, k,
                         t.isEmpty() ? QStringLiteral("0")
                                     : QString::fromStdString(Ogolny(NaLiczbe(t.toStdString()))));
        }
        if (Komorka(r, 1).isEmpty())
            UstawKomorke(r, 1, QStringLiteral("Jakaś warstwa ?"));
    }
}

void TFormPrzegroda::StringGridPrzegrodaRowMoved() {
    for (int r = 0; r < Model.LiczbaWarstw; ++r)
        UstawKomorke(r, 0, Numer(r));
}

namespace {
bool ZgodaNaZamiane(TFormPrzegroda& f) {
    return f.Dialogi.Komunikat(
               &f,
               QStringLiteral("W programie nałożono ograniczenie co do ilości warstw (<=10). Każda "
                              "następna wprowadzona warstwa zamieni ostatnią!!!"),
               QStringLiteral("Murolab -UWAGA!"), TIkona::Brak, TPrzyciski::TakNie) == TOdpowiedz::Tak;
}

void PokazWstawianie(TFormPrzegroda& f) {
    if (!f.FormWstawWarstwe)
        return;
    f.FormWstawWarstwe->TrybWstawiania = f.TrybWstawiania;
    f.FormWstawWarstwe->WierszDocelowy = f.WierszDocelowy;
    f.Dialogi.PokazModalnie(f.FormWstawWarstwe);
}
} // namespace

void TFormPrzegroda::Button1Click() {
    // A loaded project may hold more than 10 layers: the grid is full from 10 on.
    if (Model.LiczbaWarstw >= kLimitWarstw && !ZgodaNaZamiane(*this))
        return;
    TrybWstawiania = 1;
    WierszDocelowy = Model.LiczbaWarstw;
    PokazWstawianie(*this);
}

void TFormPrzegroda::Dodajwarstw1Click() {
    if (Model.LiczbaWarstw >= kLimitWarstw && !ZgodaNaZamiane(*this))
        return;
    TrybWstawiania = 2;
    WierszDocelowy = BiezacyWiersz;
    PokazWstawianie(*this);
}

void TFormPrzegroda::Button2Click() {
    UsunWarstwe(false);
}
void TFormPrzegroda::Usuwarstw1Click() {
    UsunWarstwe(true);
}

void TFormPrzegroda::UsunWarstwe(bool biezacyWiersz) {
    if (Model.LiczbaWarstw <= 0) {
        Dialogi.Komunikat(this, QStringLiteral("Nie wprowadzono warstw."), QStringLiteral("Murolab -Uwaga!"),
                          TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    if (Dialogi.Komunikat(this, QStringLiteral("Usunąc warstwę ?"), QStringLiteral("Murolab -Potwierdź"),
                          TIkona::Pytanie, TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    Siatka(StringGridPrzegroda)->ZatwierdzEdytor();
    const int r =
        biezacyWiersz ? std::clamp(BiezacyWiersz, 0, Model.LiczbaWarstw - 1) : Model.LiczbaWarstw - 1;
    PrzesunWierszeWGore(r);
    ZmniejszSiatke();
    PrzeniesPoprawke([r](int k) { return k == r + 1 ? 0 : (k > r + 1 ? k - 1 : k); });
}

void TFormPrzegroda::PrzeniesPoprawke(const std::function<int(int)>& nowyNumer) {
    std::int32_t& nr = Model.WarunkiPracy.NrNieszczelnosci;
    if (nr <= 0)
        return;
    const int nowy = nowyNumer(nr);
    if (nowy == nr)
        return;
    const int stary = nr;
    nr = nowy;
    if (nowy <= 0) {
        nr = 0;
        Model.WarunkiPracy.DeltaU = 0;
    }
    ZaznaczZmiane();
    if (FormMostkiTerm)
        FormMostkiTerm->PrzywrocZModelu();
    if (nowy <= 0)
        Dialogi.Komunikat(this,
                          QStringLiteral("Usunięto warstwę nr %1, dla której wprowadzono poprawkę z uwagi na "
                                         "nieszczelności w warstwie izolacji. Poprawkę wyłączono – w razie "
                                         "potrzeby wprowadź ją ponownie (Mostki cieplne).")
                              .arg(stary),
                          QStringLiteral("Murolab -Uwaga!"), TIkona::Informacja, TPrzyciski::Ok);
}

void TFormPrzegroda::PrzesunWierszeWGore(int wiersz) {
    const int ostatni = Model.LiczbaWarstw - 1;
    for (int r = wiersz; r < ostatni; ++r)
        for (int k = 1; k < kLiczbaKolumn; ++k)
            UstawKomorke(r, k, Komorka(r + 1, k));
    for (int k = 1; k < kLiczbaKolumn; ++k)
        UstawKomorke(ostatni, k, QString());
}

void TFormPrzegroda::ZmniejszSiatke() {
    if (Model.LiczbaWarstw == 1) {
        UstawKomorke(0, 0, QString());
        StringGridPrzegroda->setRowCount(1);
        UstawWysokosc(StringGridPrzegroda, kWysokoscWiersza);
        Model.LiczbaWarstw = 0;
        StringGridPrzegroda->setEnabled(false);
    } else {
        --Model.LiczbaWarstw;
        StringGridPrzegroda->setRowCount(Model.LiczbaWarstw);
        UstawWysokosc(StringGridPrzegroda, kWysokoscWiersza * Model.LiczbaWarstw);
    }
    // The current cell stays inside the grid, and the stored one follows it.
    const int ostatni = StringGridPrzegroda->rowCount() - 1;
    if (BiezacyWiersz > ostatni || StringGridPrzegroda->currentRow() < 0)
        StringGridPrzegroda->setCurrentCell(std::min(BiezacyWiersz, ostatni), std::max(1, BiezacaKolumna));
    if (BiezacyWiersz > ostatni)
        StringGridPrzegrodaSelectCell(std::max(1, BiezacaKolumna), ostatni);
}

// ---- TOknoWarstw

QString TFormPrzegroda::KlasaWilgotnosci() const {
    return ComboBoxWarunkiWilg->currentText();
}

void TFormPrzegroda::DodajWiersz() {
    if (Model.LiczbaWarstw >= kLimitWarstw)
        return;
    const int n = ++Model.LiczbaWarstw;
    StringGridPrzegroda->setVisible(true);
    StringGridPrzegroda->setEnabled(true);
    UstawWysokosc(StringGridPrzegroda, kWysokoscWiersza * n);
    StringGridPrzegroda->setRowCount(n);
    UstawKomorke(n - 1, 0, Numer(n - 1));
    wolnyWiersz_ = n - 1;
}

void TFormPrzegroda::PrzesunWierszeWDol(int liczba, int wiersz) {
    // Layers from the target row down move one place; the last row's layer, if any, is overwritten.
    PrzeniesPoprawke([liczba, wiersz](int k) {
        const int r = k - 1;
        if (r >= wiersz && r <= liczba - 2)
            return k + 1;
        return r == liczba - 1 && r > wiersz ? 0 : k;
    });
    wolnyWiersz_ = wiersz;
    for (int r = std::min(liczba, StringGridPrzegroda->rowCount()) - 1; r > wiersz; --r)
        for (int k = 1; k < kLiczbaKolumn; ++k)
            UstawKomorke(r, k, Komorka(r - 1, k));
}

void TFormPrzegroda::WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                                 const QString& grubosc, const QString& gestosc, const QString& cieplo) {
    // A row that was not made free for it holds a layer, which the new one replaces (the full grid).
    if (wiersz != wolnyWiersz_ && wiersz < Model.LiczbaWarstw)
        PrzeniesPoprawke([wiersz](int k) { return k == wiersz + 1 ? 0 : k; });
    wolnyWiersz_ = -1;
    UstawKomorke(wiersz, 1, nazwa);
    UstawKomorke(wiersz, 2, lambda);
    UstawKomorke(wiersz, 3, mi);
    UstawKomorke(wiersz, 4, grubosc);
    UstawKomorke(wiersz, kKolumnaGestosci, gestosc);
    UstawKomorke(wiersz, kKolumnaCiepla, cieplo);
    PokazArkusz(1);
}

void TFormPrzegroda::PokazLinieWarunkow() {
    const TLinieWarunkow l = LinieWarunkow(Model.WarunkiPracy);
    auto wartosc = [](const std::string& tekst) {
        return QStringLiteral(" = %1").arg(QString::fromStdString(tekst));
    };
    LabelTi->setText(ZIndeksem(QStringLiteral("t"), QStringLiteral("i"), wartosc(l.TempWew)));
    LabelFi->setText(ZIndeksem(QStringLiteral("Φ"), QStringLiteral("i"), wartosc(l.WilgotWewn)));
    LabelTe->setText(ZIndeksem(QStringLiteral("t"), QStringLiteral("e"), wartosc(l.TempZewn)));
    LabelFe->setText(ZIndeksem(QStringLiteral("Φ"), QStringLiteral("e"), wartosc(l.WilgotZewn)));
}

} // namespace murolab
