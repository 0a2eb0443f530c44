#pragma once
#include "masterdata/CatalogNames.h"
#include "masterdata/ProductStore.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <optional>

class DataGrid;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowStatusBar;
class QTabWidget;
class QToolButton;
class SqlRows;

// "Gestionar Almacen": the catalogue. Four tabs: products and supplies with their photo, the fixed
// categories (name, state, icon), brands and units of measure. Each tab is either taking a new
// entry (after "NUEVO") or editing the row chosen in its list.
class TFProductosC : public QWidget {
    Q_OBJECT
public:
    explicit TFProductosC(QWidget* parent = nullptr);

    enum ProductColumn {
        ColNro,
        ColIdProducto,
        ColInventario,
        ColCategoria,
        ColMarca,
        ColProducto,
        ColPresentacion,
        ColUMedida,
        ColStockM,
        ColPCompra,
        ColPVenta,
        ColPVentaIVA,
        ColCodigoB,
        ColEstado,
        ColBorrar
    };
    enum CategoryColumn { CatColId, CatColInventario, CatColNombre, CatColEstado };
    enum NameColumn { NameColId, NameColNombre, NameColProcedencia, NameColEstado, NameColBorrar };
    static const QColor& EvenCategoryColour();

public slots:
    void SBNuevoPClick();
    void SBInsertarPClick();
    void SBActualizarPClick();
    void SBActualizarClick();  // the category
    void SBImportarPClick();

protected:
    bool event(QEvent* event) override;

private:
    // The brand and the unit tabs work alike.
    struct NameTab {
        explicit NameTab(CatalogNames::Kind k) : kind(k) {}
        CatalogNames::Kind kind;
        DataGrid* grid = nullptr;
        QLineEdit* id = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* origin = nullptr;  // brands only
        QComboBox* state = nullptr;
        QPushButton* nuevo = nullptr;
        QPushButton* insert = nullptr;
        QPushButton* update = nullptr;
        QComboBox* productCombo = nullptr;  // CBMarca or CBUMedida
        int listed = 0;                     // entries of productCombo that come from the table
        QString chosenName;
    };

    QWidget* buildProductTab();
    QWidget* buildCategoryTab();
    QWidget* buildNameTab(NameTab& tab, const char* suffix, const char* gridName, const char* idName, const char* nameName,
                          int nameLength, const char* stateName);
    void buildStatusBar();
    void FormCreate();
    void FormActivate();
    void tabChanged(int index);

    // products
    int nameLimit() const;
    void loadProducts(int inventory, const QString& select = QString());
    void addProductRow(const SqlRows& rows, int number);
    void fillCategoryChoice(int inventory);
    void showSalePrices(bool shown);
    void CBInventarioChange(int index);
    void updatePriceWithVat();
    void Vec0RowSelected(int row);
    void Vec0CellClick(int row, int column);
    // The product as typed; false when a required field is missing or a number is not one.
    bool readProduct(ProductStore::Product& product) const;
    void ImagenPClick();
    void setProductState(bool editing);

    // categories
    void CBInventChange(int index);
    void loadCategories(int selectId = 0);
    void VecCRowSelected(int row);
    void Icono1Click();

    // brands and units
    void loadNames(NameTab& tab, qint64 selectId = 0);
    void fillProductCombo(NameTab& tab, const SqlRows& rows);
    void nameRowSelected(NameTab& tab, int row);
    void nameNew(NameTab& tab);
    void nameInsert(NameTab& tab);
    void nameUpdate(NameTab& tab);
    void nameCellClick(NameTab& tab, int row, int column);

    QTabWidget* m_PageControl1 = nullptr;
    WindowStatusBar* m_SBar1 = nullptr;

    DataGrid* m_Vec0 = nullptr;
    QComboBox* m_CBInventario = nullptr;
    QComboBox* m_CBGrupoP = nullptr;
    QComboBox* m_CBMarca = nullptr;
    QLineEdit* m_ENombreP = nullptr;
    QLineEdit* m_EPresentacion = nullptr;
    QComboBox* m_CBUMedida = nullptr;
    QLineEdit* m_EStockM = nullptr;
    QLineEdit* m_EPCompra = nullptr;
    QLineEdit* m_EPVenta = nullptr;
    QLineEdit* m_EIVA = nullptr;
    QLineEdit* m_EPventaIVA = nullptr;
    QLineEdit* m_ECodigoB = nullptr;
    QLineEdit* m_EIDProducto = nullptr;
    QList<QWidget*> m_salePriceLabels;
    PictureBox* m_ImagenP = nullptr;
    QPushButton* m_SBNuevoP = nullptr;
    QPushButton* m_SBInsertarP = nullptr;
    QPushButton* m_SBActualizarP = nullptr;
    QPushButton* m_SBImportarP = nullptr;
    QString m_chosenName;  // the product's name when it was chosen
    QImage m_newPhoto;     // a photo chosen since; saved with the product
    int m_listedInventory = 0;

    QComboBox* m_CBInvent = nullptr;
    DataGrid* m_VecC = nullptr;
    QLineEdit* m_EIdC = nullptr;
    QLineEdit* m_ENombreC = nullptr;
    QComboBox* m_CBVisibleC = nullptr;
    PictureBox* m_Icono1 = nullptr;
    QPushButton* m_SBActualizar = nullptr;
    std::optional<QByteArray> m_newIcon;

    NameTab m_brands{CatalogNames::Kind::Brand};
    NameTab m_units{CatalogNames::Kind::Unit};
};
