#pragma once
// A prepared report as a spreadsheet (.xlsx) or a CSV file, made from what
// was printed: the data tables of each rendered document (those drawn with
// a border, as the house style's table.grid is), with the column heads the
// template prints, title and section rows (one cell across the table) kept
// as such, bold and italic values as cell formats, dates as dates and
// running times ("152:15") as the text printed. The heading lines above the
// first table (title, as of when, operator, what the report covers) head
// the sheet. A preview that holds several documents gives one sheet each.
#include <QString>
#include <QStringList>
#include <vector>

namespace plan {

struct SheetCell {
    QString text;      // as printed; line breaks as "\n"
    int column = 0;    // where the cell starts
    int rowSpan = 1;
    int columnSpan = 1;
    bool bold = false;   // the whole text is bold
    bool italic = false; // the whole text is italic
};

struct SheetTable {
    int columns = 0;
    int headRows = 0;  // the rows of <thead>, repeated on every printed page
    // Each row holds the cells that start in it, left to right.
    std::vector<std::vector<SheetCell>> rows;
    // A row of one cell across the whole table (a title or section row).
    bool isBanner(int row) const;
};

struct SheetDocument {
    QStringList heading; // the heading lines, the report's title first
    std::vector<SheetTable> tables;
};

// The data tables and heading lines of one rendered document.
SheetDocument sheetDocument(const QString& html);

// How a printed value goes into a cell.
struct SheetValue {
    enum Kind { Text, Number, Date } kind = Text;
    double number = 0;
    int year = 0, month = 0, day = 0;
    QString dateFormat; // "dd.mm.yyyy" or "dd.mm.yy", as printed
};
SheetValue sheetValue(const QString& text);

// Writes the documents, a sheet each; throws std::runtime_error naming the
// file when it cannot be written.
void exportXlsx(const std::vector<SheetDocument>& docs, const QString& path);
// Writes the tables of the documents one after another (a blank line
// between tables), each with its head rows; UTF-8 with a byte-order mark so
// that a spreadsheet program reads the letters right.
void exportTablesCsv(const std::vector<SheetDocument>& docs, const QString& path);

} // namespace plan
