#pragma once
#include "widgets/UnsavedWork.h"

#include <QWidget>

class StockWindowPanel;
class WindowStatusBar;

// The purchases window: purchases of products (mode 10) and supplies (mode 11), the stock query
// (20, 21) and the inventory count (30, 31), each family a panel of its own. Each opening serves
// one mode, the one the command that opened it set (PurchaseMode for the purchase commands,
// MasterMode for the stock ones), given by the main window's dispatcher from the route that opened
// it: a mode left in the other field by an earlier command plays no part. The window keeps that
// mode until it is closed.
class TFCompras : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit TFCompras(int mode, QWidget* parent = nullptr);

    // Whether a panel serves the mode; the commands of other modes stay unwired.
    static bool Serves(int mode);

    int mode() const { return m_mode; }
    // The panel of the mode, or null for a mode no panel serves.
    StockWindowPanel* panel() const { return m_panel; }

    QSize sizeHint() const override;
    bool holdsUnsavedWork() const override;

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormActivate();

    int m_mode;
    WindowStatusBar* m_SBar1 = nullptr;
    StockWindowPanel* m_panel = nullptr;
};
