#pragma once

class DataGrid;

// Shared habits of the master-data lists: their check cells ("E", enabled) and delete cells act on
// a click anywhere in the cell, and only through the window, which writes the change first.
namespace MasterGrid {

// Appends the delete column (a red cross, value "0") and answers its index.
int AddDeleteColumn(DataGrid* grid);
// The check cell of a row no longer flips by itself when clicked: the window flips it.
void WindowFlipsCheck(DataGrid* grid, int column, int row);

}
