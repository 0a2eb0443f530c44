#pragma once
#include <QWidget>

class DataGrid;

// The strip under a grid's rows that shows each column's footer text, kept aligned with the
// columns as they are resized or scrolled.
class DataGridFooter : public QWidget {
    Q_OBJECT
public:
    explicit DataGridFooter(DataGrid* grid);
    static constexpr int Height = 22;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DataGrid* m_grid;
};
