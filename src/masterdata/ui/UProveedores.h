#pragma once
#include "masterdata/VoucherStore.h"

#include <QWidget>

class DataGrid;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowStatusBar;

// "Proveedores", "Clientes", "Comprobantes de Venta", "Comprobantes de Compra": one window for the
// suppliers, the clients and the numbers of the voucher kinds, one panel per MasterMode (1 to 4),
// fixed when the window is created. Suppliers and clients are created, edited, enabled or
// disabled and deleted; a stored NIT/CI never changes. Voucher kinds only get their number edited.
class TFProveedores : public QWidget {
    Q_OBJECT
public:
    explicit TFProveedores(QWidget* parent = nullptr);
    int masterMode() const { return m_mode; }

    enum SupplierColumn {
        PColNro,
        PColNitCI,
        PColRSocial,
        PColTelefono,
        PColCelular,
        PColCBancaria,
        PColRepresentante,
        PColDireccion,
        PColEmail,
        PColUsuario,
        PColEstado,
        PColBorrar
    };
    enum ClientColumn {
        CColNro,
        CColNitCI,
        CColCliente,
        CColDireccion,
        CColTelefono,
        CColCelular,
        CColEmpresa,
        CColVentas,
        CColCreditos,
        CColUsuario,
        CColEstado,
        CColBorrar
    };
    enum VoucherColumn { VColNro, VColId, VColComprobante, VColNumero };

public slots:
    void SBNuevoClick();
    void SBInsertarClick();
    void SBActualizarClick();
    void SBNuevoCClick();
    void SBInsertarCClick();
    void SBActualizarCClick();
    void SBActualizarCVClick();
    void SBActualizarCCClick();

protected:
    bool event(QEvent* event) override;

private:
    struct VoucherPanel {
        VoucherStore::Kind kind;
        QWidget* panel = nullptr;
        DataGrid* grid = nullptr;
        QLineEdit* id = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* number = nullptr;
        QPushButton* update = nullptr;
    };

    void buildSupplierPanel();
    void buildClientPanel();
    void buildVoucherPanel(VoucherPanel& v, const char* suffix, const char* gridName);
    void buildStatusBar();
    void FormCreate();
    void FormActivate();

    void loadSuppliers();
    void VecPRowSelected(int row);
    void VecPCellClick(int row, int column);
    void addSupplierRow(const QStringList& cells, bool enabled);

    void loadClients();
    void VecCRowSelected(int row);
    void VecCCellClick(int row, int column);
    void addClientRow(const QStringList& cells, bool enabled);

    void loadVouchers(VoucherPanel& v);
    void voucherRowSelected(VoucherPanel& v, int row);
    void updateVoucherNumber(VoucherPanel& v);

    // Flips the "E" cell of a row and writes the state; on failure it flips back.
    void flipEnabled(DataGrid* grid, int column, int row, const QString& nitCI, bool (*write)(const QString&, bool),
                     const QString& gone);
    static int rowOfNit(const DataGrid* grid, int column, const QString& nitCI);

    int m_mode = 1;
    QWidget* m_PProveedores = nullptr;
    DataGrid* m_VecP = nullptr;
    QLineEdit* m_ENitCI = nullptr;
    QLineEdit* m_ERSocial = nullptr;
    QLineEdit* m_ETelefono = nullptr;
    QLineEdit* m_ERepresentante = nullptr;
    QLineEdit* m_ECelular = nullptr;
    QLineEdit* m_EDireccion = nullptr;
    QLineEdit* m_EEmail = nullptr;
    QLineEdit* m_ECBancaria = nullptr;
    QComboBox* m_CBEstado = nullptr;
    QPushButton* m_SBNuevo = nullptr;
    QPushButton* m_SBInsertar = nullptr;
    QPushButton* m_SBActualizar = nullptr;

    QWidget* m_PClientes = nullptr;
    DataGrid* m_VecC = nullptr;
    QLineEdit* m_ENitCIC = nullptr;
    QLineEdit* m_ECliente = nullptr;
    QLineEdit* m_ETelefonoC = nullptr;
    QLineEdit* m_EDireccionC = nullptr;
    QLineEdit* m_ECelularC = nullptr;
    QLineEdit* m_EEmpresa = nullptr;
    QComboBox* m_CBCreditos = nullptr;
    QPushButton* m_SBNuevoC = nullptr;
    QPushButton* m_SBInsertarC = nullptr;
    QPushButton* m_SBActualizarC = nullptr;

    VoucherPanel m_sales{VoucherStore::Kind::Sales};
    VoucherPanel m_purchases{VoucherStore::Kind::Purchases};

    WindowStatusBar* m_SBar1 = nullptr;
};
