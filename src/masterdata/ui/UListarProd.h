#pragma once
#include <QDialog>
#include <QHash>
#include <QStringList>
#include <optional>

class DataGrid;
class QColor;
class QToolButton;
class SqlRows;

// The product the purchases window appends as a new line.
struct ListedProduct {
    QString IdProducto;
    int IdCategoria = 0;
    QString Marca;
    QString Producto;
    QString Presentacion;
    QString UMedida;
    double Stock = 0;    // Ingreso - Egreso, as the list shows it (0.3 - 0.1 is 0.2)
    double PCompra = 0;  // last purchase cost
};

// "Lista de Productos": the modal picker of the enabled products (purchase mode 10) or supplies
// (purchase mode 11) of one category, with their stock; exhausted stock shows red, stock under the
// minimum yellow. It exists once for the whole run: the main window creates it at start-up and the
// purchases window reaches it through shared().
//
// Calling it (the "+" button of the purchases window):
//
//     if (const auto product = TFListarProd::shared()->choose(s.PurchaseMode, idsOfTheLines))
//         appendLine(*product);
//
// choose() shows the list of the category chosen last (SalesListGroup / SupplyListGroup; a
// category button lists another and is remembered) and returns the product picked by double-click
// or Enter. It returns nothing on Escape, and when the product is already among the ids passed
// (the caller's lines); with an empty list the picking keys do nothing.
//
// Tests run the same logic without exec(): start(mode, ids) shows the list non-modally, keys and
// clicks drive it, and chosen() reads the pick once it has closed.
class TFListarProd : public QDialog {
    Q_OBJECT
public:
    explicit TFListarProd(QWidget* parent = nullptr);
    ~TFListarProd() override;

    static TFListarProd* shared();
    static void setShared(TFListarProd* list);

    std::optional<ListedProduct> choose(int purchaseMode, const QStringList& idsInLines);
    void start(int purchaseMode, const QStringList& idsInLines);
    std::optional<ListedProduct> chosen() const { return m_chosen; }

    enum Column {
        ColNumero,
        ColIdProducto,
        ColCategoria,
        ColMarca,
        ColProducto,
        ColPresentacion,
        ColUMedida,
        ColStockM,
        ColPCompra,
        ColCodigoB,
        ColIngreso,
        ColEgreso,
        ColStock
    };
    static const QColor& ExhaustedColour();
    static const QColor& LowColour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPanel(const char* panelName, const char* gridName, int firstCategory, DataGrid** grid);
    void FormActivate();
    void setUpButtons(bool supplies);
    void listCategory(int category);
    void addProduct(DataGrid* grid, const SqlRows& rows, int number);
    void buttonClicked(int category);
    void chooseRow();
    bool suppliesShown() const { return m_purchaseMode == 11; }
    DataGrid* grid() const;

    QWidget* m_PListarPV = nullptr;
    QWidget* m_PListarPI = nullptr;
    DataGrid* m_VecP = nullptr;
    DataGrid* m_VecI = nullptr;
    QHash<int, QToolButton*> m_buttons;  // by IdCategoria
    int m_purchaseMode = 0;
    QStringList m_idsInLines;
    std::optional<ListedProduct> m_chosen;
};
