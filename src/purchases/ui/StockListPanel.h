#pragma once
#include "purchases/ui/StockGrid.h"
#include "purchases/ui/StockWindowPanel.h"

class QToolButton;
class StockFilters;

// What the stock query and the inventory count panels share: the mode's texts, the three filters,
// the item grid, "GENERAR" and the four navigation buttons, and the progress bar of the window's
// status bar while a list is generated or the listed items are written.
class StockListPanel : public StockWindowPanel {
    Q_OBJECT
public:
    StockListPanel(int mode, StockGrid::Kind kind, WindowStatusBar* statusBar, QWidget* parent = nullptr);

    // Productos.Inventario of the mode: 1 products, 2 supplies.
    int inventory() const;
    StockGrid* grid() const { return m_grid; }

    QString caption() const override;
    QString statusText() const override;
    QString openingOperation() const override;
    QString activeOperation() const override;

public slots:
    // Lists the items the filters allow; false when the list could not be read (the reason shown).
    bool generate();

protected:
    StockFilters* filters() const { return m_filters; }
    // "GENERAR"; each panel wires it to its own handler.
    QToolButton* generateButton() const { return m_generate; }
    // The navigation buttons, in a row.
    QWidget* navigation() const { return m_navigation; }

    void startProgress(int maximum);
    void advanceProgress(int done);
    void endProgress();

private:
    StockFilters* m_filters;
    StockGrid* m_grid;
    QToolButton* m_generate;
    QWidget* m_navigation;
};
