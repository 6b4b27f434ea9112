#pragma once
// The layer grid's widget: a QTableWidget that behaves as the program's string grid. Column 0 is
// the fixed number column: it never becomes the current cell, and a row is dragged to another
// place by its number cell. Right-clicking does not move the current cell (the pop-up menu works
// on the cell last selected). The cell editor writes through to the cell as the user types.

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <functional>

namespace murolab {

// A cell's note, drawn small and grey at its right end (the name cell of an air layer or a
// bridged layer says so); not part of the cell's text.
inline constexpr int kRolaNotatki = Qt::UserRole + 1;

class TSiatkaWarstw : public QTableWidget {
    Q_OBJECT
public:
    explicit TSiatkaWarstw(QWidget* rodzic = nullptr);
    using QTableWidget::edit;

    // Moves row z to row doWiersza with all its cells; the rows between close up.
    void PrzesunWiersz(int z, int doWiersza);
    // Run after the user has dragged a row: (from, to).
    std::function<void(int, int)> PoPrzeciagnieciu;
    // Every cell editor the grid opens is handed to this filter (the form's key filter).
    QObject* FiltrEdytora = nullptr;

    // The open cell editor, if any.
    QLineEdit* Edytor() const { return edytor_; }
    // Writes the open editor's text into its cell and closes it.
    void ZatwierdzEdytor();
    void UstawEdytor(QLineEdit* e) { edytor_ = e; }

    // The row being dragged (-1 when none) and the row it would land on.
    int WierszPrzeciagany() const { return zrodlo_; }

protected:
    QModelIndex moveCursor(CursorAction akcja, Qt::KeyboardModifiers modyfikatory) override;
    bool edit(const QModelIndex& indeks, EditTrigger wyzwalacz, QEvent* zdarzenie) override;
    void closeEditor(QWidget* edytor, QAbstractItemDelegate::EndEditHint wskazowka) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int WierszPod(int y) const;
    QPointer<QLineEdit> edytor_;
    int zrodlo_ = -1;
    int cel_ = -1;
};

// Paints the number column as the grid's fixed column and opens line editors that write through.
class TDelegatSiatki : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TDelegatSiatki(TSiatkaWarstw* siatka);
    QWidget* createEditor(QWidget* rodzic, const QStyleOptionViewItem& opcje,
                          const QModelIndex& indeks) const override;
    void setEditorData(QWidget* edytor, const QModelIndex& indeks) const override;
    void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;

private:
    TSiatkaWarstw* siatka_;
};

} // namespace murolab
