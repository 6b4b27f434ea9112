// The layer grid's widget and its cell delegate (see SiatkaWarstw.h).
#include "ui/SiatkaWarstw.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace murolab {

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
        const QString notatka = indeks.data(kRolaNotatki).toString();
        if (notatka.isEmpty()) {
            QStyledItemDelegate::paint(p, opcje, indeks);
            return;
        }
        // The note keeps the right end of the cell; a long text gives way to it.
        QFont f = opcje.font;
        f.setItalic(true);
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * 0.85);
        const QFontMetrics miara(f);
        const QRect r = opcje.rect.adjusted(2, 0, -3, 0);
        const QString tekst = miara.elidedText(notatka, Qt::ElideRight, r.width() / 2);
        const int szerokosc = miara.horizontalAdvance(tekst);
        QStyleOptionViewItem reszta(opcje);
        reszta.rect.setRight(r.right() - szerokosc - 6);
        QStyledItemDelegate::paint(p, reszta, indeks);
        p->save();
        p->setFont(f);
        p->setPen(QColor(0x30, 0x60, 0xa0));
        p->drawText(QRect(r.right() - szerokosc, r.top(), szerokosc, r.height()),
                    Qt::AlignRight | Qt::AlignVCenter, tekst);
        p->restore();
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

} // namespace murolab
