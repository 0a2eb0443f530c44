#pragma once
#include <QDialog>
#include <QPointer>

class DataGrid;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Which list the search dialog searches, and so which of its columns hold the NIT/CI, the number
// and the name.
enum class SearchDialogMode {
    SalesBook = 1,        // books window, sales: columns 6, 3, 7
    SalesManagement = 2,  // sales management: 6, 3, 7
    PurchasesBook = 4,    // books window, purchases: 3, 5, 4
    Deliveries = 5,       // supply deliveries: 3, 1 (order number "E" + 9 digits), 4
};

// "Buscar": finds the next row of the caller's list whose NIT/CI, number or name contains the
// typed text, ignoring letter case, and selects it in the list. It reads no database.
//
// How a window uses it (one dialog per window, kept while the window lives):
//     m_buscar = new TFBuscar2(this);
//     ...on its "Buscar" button:
//     m_buscar->showFor(SearchDialogMode::SalesBook, m_VecV);
// showFor() shows the dialog without blocking, so the cashier sees the list move while typing;
// Enter runs "Buscar Sgte", Escape or "Cancelar" closes it. Its logic runs without showing it
// too: setMode(), setGrid(), setOption(), setSearchText(), then findNext() (tests do this).
class TFBuscar2 : public QDialog {
    Q_OBJECT
public:
    enum Option { ByNitCI = 0, ByNumber = 1, ByName = 2 };

    explicit TFBuscar2(QWidget* parent = nullptr);

    void showFor(SearchDialogMode mode, DataGrid* grid);

    void setMode(SearchDialogMode mode);
    SearchDialogMode mode() const { return m_mode; }
    void setGrid(DataGrid* grid) { m_grid = grid; }
    void setOption(Option option);
    Option option() const;
    void setSearchText(const QString& text);

    // The list column an option searches in a mode.
    static int SearchColumn(SearchDialogMode mode, Option option);

public slots:
    // "Buscar Sgte": true when a row was found and selected.
    bool findNext();

private:
    void optionChosen();

    SearchDialogMode m_mode = SearchDialogMode::SalesBook;
    QPointer<DataGrid> m_grid;
    QLineEdit* m_EBuscar;
    QRadioButton* m_RBNitCI;
    QRadioButton* m_RBNumero;
    QRadioButton* m_RBNombre;
    QPushButton* m_BBuscar;
    QPushButton* m_BCancelar;
};
