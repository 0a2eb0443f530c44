#include "purchases/ui/StockCountPanel.h"

#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "purchases/ui/PanelControls.h"
#include "purchases/ui/StockFilters.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

StockCountPanel::StockCountPanel(int mode, WindowStatusBar* statusBar, QWidget* parent)
    : StockListPanel(mode, StockGrid::Kind::Count, statusBar, parent)
{
    setObjectName(QStringLiteral("PArqueo"));
    m_SBArquear = PanelControls::Button(this, "SBArquear", QStringLiteral("ARQUEAR STOCK"),
                                        QStringLiteral("El stock de los items listados pasa a ser el fisico contado"));
    m_SBActualizarI = PanelControls::Button(this, "SBActualizarI", QStringLiteral(" ACTUALIZAR INICIAL"),
                                            QStringLiteral("El stock de los items listados pasa a ser su inicial"));
    m_SBReiniciarS = PanelControls::Button(this, "SBReiniciarS", QStringLiteral(" REINICIAR STOCK"),
                                           QStringLiteral("Poner en cero el stock de los items listados"));

    auto* right = new QVBoxLayout;
    for (QGroupBox* box : filters()->boxes())
        right->addWidget(box);
    for (QToolButton* button : {generateButton(), m_SBArquear, m_SBActualizarI, m_SBReiniciarS}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        right->addWidget(button);
    }
    right->addWidget(navigation());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid(), 1);
    layout->addLayout(right);

    connect(generateButton(), &QToolButton::clicked, this, &StockCountPanel::SBGenerarClick);
    connect(m_SBArquear, &QToolButton::clicked, this, &StockCountPanel::SBArquearClick);
    connect(m_SBActualizarI, &QToolButton::clicked, this, &StockCountPanel::SBActualizarIClick);
    connect(m_SBReiniciarS, &QToolButton::clicked, this, &StockCountPanel::SBReiniciarSClick);
}

void StockCountPanel::SBGenerarClick()
{
    grid()->commitPendingEdit();
    generate();
}

void StockCountPanel::SBArquearClick()
{
    StockGrid* vec = grid();
    runOverList(
        QStringLiteral("Arquear Stock"),
        QStringLiteral("Esta Operación actualizara el Stock del Sistema con el Fisico existente, desea continuar? "),
        [vec](const InventoryCount::Progress& progress) {
            QList<CountedStock> rows;
            for (int row = 0; row < vec->rowCount(); ++row)
                rows << CountedStock{vec->listed().value(row), vec->cell(StockGrid::CStock, row),
                                     vec->cell(StockGrid::CFisico, row)};
            return InventoryCount::Count(rows, progress);
        },
        [vec](int row, const ListedStock& stored) { vec->showCounted(row, stored, vec->cell(StockGrid::CFisico, row)); });
}

void StockCountPanel::SBActualizarIClick()
{
    StockGrid* vec = grid();
    runOverList(
        QStringLiteral("Actualizar Inicial de Stock"),
        QStringLiteral("Esta operacion actualizara el Inicial y colocara los Egresos a Cero, desea continuar? "),
        [vec](const InventoryCount::Progress& progress) { return InventoryCount::RollOver(vec->listed(), progress); },
        [vec](int row, const ListedStock& stored) { vec->showRolledOver(row, stored); });
}

void StockCountPanel::SBReiniciarSClick()
{
    StockGrid* vec = grid();
    runOverList(
        QStringLiteral("Reiniciar Stock"), QStringLiteral("Esta operacion colocara en CERO el Stock, desea continuar? "),
        [vec](const InventoryCount::Progress& progress) { return InventoryCount::Reset(vec->listed(), progress); },
        [vec](int row, const ListedStock& stored) { vec->showReset(row, stored); });
}

void StockCountPanel::runOverList(const QString& title, const QString& question, const Operation& operation, const Show& show)
{
    StockGrid* vec = grid();
    vec->commitPendingEdit();
    if (vec->rowCount() == 0)
        return;
    MessageSeam& messages = MessageSeam::current();
    if (!messages.question(title, question))
        return;
    startProgress(vec->rowCount());
    InventoryResult result;
    try {
        result = operation([this](int row) { advanceProgress(row + 1); });
    } catch (const DatabaseError& e) {
        endProgress();
        messages.error(e.text());
        return;
    }
    endProgress();
    if (!result.stored()) {
        messages.information(result.refusal);
        return;
    }
    // Stored: each row shows what it now holds, and the list walks to its end as the counter does.
    for (int row = 0; row < result.items.size(); ++row) {
        if (result.written.value(row))
            show(row, result.items.at(row));
        vec->goToRow(row);
    }
}
