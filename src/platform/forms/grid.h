#pragma once
// A grid of text cells with fixed (caption) rows and columns at the top and
// left, column widths and row heights in twips, per-column alignment and a
// picture per cell. Cells are addressed by row and column from 0, or through
// the current cell (row, col) as the windows do.

#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace quorvel::platform {

class Grid : public Control {
public:
    Grid(Form& form, std::string name, Place place, int rows = 2, int cols = 2,
         Control* container = nullptr);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    void setRows(int n);
    void setCols(int n);
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int n);
    void setFixedCols(int n);

    int colWidth(int c) const;
    void setColWidth(int c, int twips);
    int rowHeight(int r) const;
    void setRowHeight(int r, int twips);
    Alignment colAlignment(int c) const;
    void setColAlignment(int c, Alignment a);

    // Cells; an address outside the grid raises error 381.
    const std::string& textMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const std::string& t);
    const std::string& cellPicture(int r, int c) const;
    void setCellPicture(int r, int c, const std::string& picture);

    // The current cell and its text and picture.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int r);
    void setCol(int c);
    const std::string& text() const { return textMatrix(row_, col_); }
    void setText(const std::string& t) { setTextMatrix(row_, col_, t); }
    void setPicture(const std::string& p) { setCellPicture(row_, col_, p); }

private:
    struct Cell {
        std::string text;
        std::string picture;
    };
    void check(int r, int c) const;
    void resize();
    int rows_;
    int cols_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    std::vector<Cell> cells_;  // row-major
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<Alignment> colAlignments_;
};

}  // namespace quorvel::platform
