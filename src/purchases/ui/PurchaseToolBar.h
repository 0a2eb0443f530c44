#pragma once
#include <QToolBar>

class QToolButton;

// The tool bar "TBAcciones" along the foot of a purchase panel: the four arrows that move through
// the list of recent purchases, then "NUEVA ENTRADA", "REGISTRAR ENTRADA", "ANULAR ENTRADA", the
// voucher print and "+" that adds a line. The panels name the buttons that differ between them.
class PurchaseToolBar : public QToolBar {
    Q_OBJECT
public:
    struct Names {
        const char* newEntry;  // "SBNuevoP" / "SBNuevoS"
        const char* store;     // "SBInsertarP" / "SBInsertarS"
        const char* remove;    // "SBEliminarP" / "SBAnularS"
        const char* print;     // "SBImprimir" / "SBImprimirS"
        const char* addHint;   // the hint of "+"
    };

    PurchaseToolBar(const Names& names, QWidget* parent);

    QToolButton* first() const { return m_first; }
    QToolButton* previous() const { return m_previous; }
    QToolButton* next() const { return m_next; }
    QToolButton* last() const { return m_last; }
    QToolButton* newEntry() const { return m_new; }
    QToolButton* store() const { return m_store; }
    QToolButton* remove() const { return m_remove; }
    QToolButton* print() const { return m_print; }
    QToolButton* add() const { return m_add; }

private:
    QToolButton* button(const char* name, const QString& text, const QString& hint, int width);

    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
    QToolButton* m_new;
    QToolButton* m_store;
    QToolButton* m_remove;
    QToolButton* m_print;
    QToolButton* m_add;
};
