#pragma once
#include <QDialog>

// "Acerca de ...": the program's name, version and where to ask for help.
class TFAcercaDe : public QDialog {
    Q_OBJECT
public:
    explicit TFAcercaDe(QWidget* parent = nullptr);
};
