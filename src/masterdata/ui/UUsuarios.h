#pragma once
#include <QWidget>

class ParametersPanel;
class QStatusBar;
class UsersPanel;

// "Gestionar Usuarios": the users and their rights (AdminMode 1) or the system parameters and
// the emptying of the database (AdminMode 2). The mode is fixed when the window is created.
class TFUsuarios : public QWidget {
    Q_OBJECT
public:
    explicit TFUsuarios(QWidget* parent = nullptr);
    int adminMode() const { return m_mode; }

protected:
    bool event(QEvent* event) override;

private:
    void FormActivate();

    int m_mode = 1;
    UsersPanel* m_PUsuarios = nullptr;
    ParametersPanel* m_PParametros = nullptr;
    QStatusBar* m_SBar1 = nullptr;
};
