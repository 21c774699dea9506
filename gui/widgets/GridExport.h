#pragma once
// "导出Excel": the list on screen into a new spreadsheet file, opened with the
// desktop's spreadsheet program.
#include <QString>

namespace velbrisk {

class DataGrid;
struct Platform;
class TFormProgress;

// Writes the grid's visible columns, titles and rows into a new file
// in the venue's "导出" folder and opens it. Returns the file written, empty
// when nothing was written (no open list, or a failure already shown).
QString ExportGridToExcel(DataGrid& grid, const QString& venueFolder, const Platform& platform,
                          TFormProgress* progress = nullptr);

// The folder exports go to, created when missing.
QString exportFolder(const QString& venueFolder);

}  // namespace velbrisk
