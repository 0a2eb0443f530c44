#pragma once
#include "masterdata/ui/PickerChoice.h"

#include <QDialog>
#include <optional>

class DataGrid;
class QLineEdit;
class QStatusBar;
class SqlRows;

// "Buscar": the modal picker of clients, debtors and suppliers, read-only. It exists once for the
// whole run: the main window creates it at start-up and callers reach it through shared().
//
// Calling it (sales register, purchases, deliveries, services, sales reports):
//
//     if (const auto choice = TFBusquedas::shared()->pick(PickerModes::SaleClient))
//         ApplyPickerChoice(PickerModes::SaleClient, *choice, m_ENitCI, m_ENombreC);
//
// pick(mode, debtors) sets PickerMode (and, in mode 3, whether the clients that owe are wanted),
// shows the picker modally and returns the choice, or nothing (Escape, an empty list). Each
// showing refills the list from the database, selects its first row and puts the focus in the
// search edit; a search selects the first row whose name contains the text, ignoring case.
// Double-click or Enter on the grid, or Enter in the search edit, picks the selected row.
//
// Tests run the same logic without exec(): start(mode, debtors) shows the picker non-modally, keys
// and clicks drive it, and choice() reads the pick once it has closed.
class TFBusquedas : public QDialog {
    Q_OBJECT
public:
    explicit TFBusquedas(QWidget* parent = nullptr);
    ~TFBusquedas() override;

    // The picker the main window created, or null before it exists.
    static TFBusquedas* shared();
    static void setShared(TFBusquedas* picker);

    std::optional<PickerChoice> pick(int mode, bool debtors = false);
    void start(int mode, bool debtors = false);
    // The pick of the last showing; nothing while open or after Escape.
    std::optional<PickerChoice> choice() const { return m_choice; }

    enum Column { ColNumero, ColNitCI, ColNombre };

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Source { Grid, SearchEdit };
    QWidget* buildPanel(const char* panelName, const char* gridName, const char* editName, const QString& nameTitle,
                        DataGrid** grid, QLineEdit** search, int* remembered);
    void FormActivate();
    void fill(DataGrid* grid, SqlRows rows);
    void pickRow(DataGrid* grid, Source source);

    QWidget* m_PBuscarC = nullptr;
    QWidget* m_PBuscarP = nullptr;
    DataGrid* m_VecC = nullptr;
    DataGrid* m_VecP = nullptr;
    QLineEdit* m_EBuscarC = nullptr;
    QLineEdit* m_EBuscarP = nullptr;
    QStatusBar* m_SBar1 = nullptr;
    int m_rowC = -1;  // the row last selected in each list; a pick takes it
    int m_rowP = -1;
    std::optional<PickerChoice> m_choice;
};
