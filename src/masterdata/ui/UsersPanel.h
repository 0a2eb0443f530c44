#pragma once
#include <QList>
#include <QWidget>

class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The users mode of "Gestionar Usuarios" (panel PUsuarios): the list of users on the left, their
// data and their rights in two tabs. The user whose data and rights are shown is remembered by
// login, so a reload of the list never sends his rights to somebody else.
class UsersPanel : public QWidget {
    Q_OBJECT
public:
    // Grid columns: the visible ones first, then the row's data.
    enum Column { ColNro, ColLogin, ColEstado, ColEliminar, ColClave, ColNombre, ColOcupacion, ColM1 };

    explicit UsersPanel(QWidget* parent = nullptr);

    // The login whose data and rights the tabs show; empty before any row was chosen.
    QString selectedLogin() const { return m_login; }

public slots:
    void SBNuevoClick();
    void SBInsertarClick();
    void SBActualizarClick();
    void SBActualizarNClick();
    void Vec0CellClick(int row, int column);

private:
    QWidget* buildDataTab();
    QWidget* buildRightsTab();
    void loadUsers();
    void selectRow(int row);
    int rowOf(const QString& login) const;
    void showRights(const QStringList& rights);
    QStringList rightsFromBoxes() const;
    void toggleState(int row);
    void deleteUser(int row);
    void setEditing(bool editing);
    void renumber();

    DataGrid* m_Vec0 = nullptr;
    QLineEdit* m_ELogin = nullptr;
    QLineEdit* m_EClave1 = nullptr;
    QLineEdit* m_EClave2 = nullptr;
    QLineEdit* m_ENombre = nullptr;
    QLineEdit* m_EOcupacion = nullptr;
    QPushButton* m_SBNuevo = nullptr;
    QPushButton* m_SBInsertar = nullptr;
    QPushButton* m_SBActualizar = nullptr;
    QPushButton* m_SBActualizarN = nullptr;
    QCheckBox* m_CBTodo = nullptr;
    // One box per rights string (M1..M5), indexed by position - 1; nullptr where no box exists.
    QList<QList<QCheckBox*>> m_boxes;
    QString m_login;
};
