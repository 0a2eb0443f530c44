#pragma once
#include "masterdata/ImportColumns.h"
#include "masterdata/ImportTable.h"

#include <QDialog>
#include <array>

class DataGrid;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Importar Productos": a spreadsheet's product list, its columns matched to the product's fields
// by their titles (the owner may choose others), the first rows as they will be stored, and the
// check of every row. "Importar" stays disabled while any row is bad; it stores the whole list in
// one go.
class TFImportarP : public QDialog {
    Q_OBJECT
public:
    TFImportarP(const QString& path, const ImportTable& table, QWidget* parent = nullptr);

    // Asks for a spreadsheet and opens its import, window-modal and freed when closed (it is
    // accepted when products were imported); nullptr when no file was chosen or it cannot be read.
    static TFImportarP* ChooseAndOpen(QWidget* parent);

    static constexpr int kPreviewRows = 50;

private:
    void refresh();
    void fillPreview();
    void SBImportarClick();
    ImportColumns::Map currentMap() const;

    QString m_path;
    ImportTable m_table;
    std::array<QComboBox*, ImportColumns::FieldCount> m_columns{};
    DataGrid* m_VecVista = nullptr;
    QPlainTextEdit* m_MRevision = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_SBImportar = nullptr;
};
