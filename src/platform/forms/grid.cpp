#include "platform/forms/grid.h"

#include <algorithm>

#include "runtime/errors.h"

namespace quorvel::platform {

namespace {
constexpr int ErrSubscriptOutOfBounds = 381;
constexpr int DefaultColWidth = 960;
constexpr int DefaultRowHeight = 240;
}  // namespace

Grid::Grid(Form& form, std::string name, Place place, int rows, int cols, Control* container)
    : Control(form, ControlKind::Grid, std::move(name), place, container), rows_(std::max(rows, 1)),
      cols_(std::max(cols, 1)) {
    resize();
}

void Grid::resize() {
    std::vector<Cell> cells(static_cast<std::size_t>(rows_ * cols_));
    int oldCols = colWidths_.empty() ? 0 : static_cast<int>(colWidths_.size());
    int oldRows = rowHeights_.empty() ? 0 : static_cast<int>(rowHeights_.size());
    for (int r = 0; r < std::min(rows_, oldRows); ++r)
        for (int c = 0; c < std::min(cols_, oldCols); ++c)
            cells[static_cast<std::size_t>(r * cols_ + c)] = std::move(cells_[static_cast<std::size_t>(r * oldCols + c)]);
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<std::size_t>(cols_), DefaultColWidth);
    rowHeights_.resize(static_cast<std::size_t>(rows_), DefaultRowHeight);
    colAlignments_.resize(static_cast<std::size_t>(cols_), Alignment::Left);
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedCols_ = std::min(fixedCols_, cols_);
    row_ = std::min(row_, rows_ - 1);
    col_ = std::min(col_, cols_ - 1);
    changed();
}

void Grid::setRows(int n) {
    if (n < 1) throw runtime::RunTimeError(ErrSubscriptOutOfBounds);
    rows_ = n;
    resize();
}

void Grid::setCols(int n) {
    if (n < 1) throw runtime::RunTimeError(ErrSubscriptOutOfBounds);
    cols_ = n;
    resize();
}

void Grid::setFixedRows(int n) {
    if (n < 0 || n >= rows_) throw runtime::RunTimeError(ErrSubscriptOutOfBounds);
    fixedRows_ = n;
    changed();
}

void Grid::setFixedCols(int n) {
    if (n < 0 || n >= cols_) throw runtime::RunTimeError(ErrSubscriptOutOfBounds);
    fixedCols_ = n;
    changed();
}

void Grid::check(int r, int c) const {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) throw runtime::RunTimeError(ErrSubscriptOutOfBounds);
}

int Grid::colWidth(int c) const {
    check(0, c);
    return colWidths_[static_cast<std::size_t>(c)];
}

void Grid::setColWidth(int c, int twips) {
    check(0, c);
    colWidths_[static_cast<std::size_t>(c)] = std::max(0, twips);
    changed();
}

int Grid::rowHeight(int r) const {
    check(r, 0);
    return rowHeights_[static_cast<std::size_t>(r)];
}

void Grid::setRowHeight(int r, int twips) {
    check(r, 0);
    rowHeights_[static_cast<std::size_t>(r)] = std::max(0, twips);
    changed();
}

Alignment Grid::colAlignment(int c) const {
    check(0, c);
    return colAlignments_[static_cast<std::size_t>(c)];
}

void Grid::setColAlignment(int c, Alignment a) {
    check(0, c);
    colAlignments_[static_cast<std::size_t>(c)] = a;
    changed();
}

const std::string& Grid::textMatrix(int r, int c) const {
    check(r, c);
    return cells_[static_cast<std::size_t>(r * cols_ + c)].text;
}

void Grid::setTextMatrix(int r, int c, const std::string& t) {
    check(r, c);
    cells_[static_cast<std::size_t>(r * cols_ + c)].text = t;
    changed();
}

const std::string& Grid::cellPicture(int r, int c) const {
    check(r, c);
    return cells_[static_cast<std::size_t>(r * cols_ + c)].picture;
}

void Grid::setCellPicture(int r, int c, const std::string& picture) {
    check(r, c);
    cells_[static_cast<std::size_t>(r * cols_ + c)].picture = picture;
    changed();
}

void Grid::setRow(int r) {
    check(r, 0);
    row_ = r;
}

void Grid::setCol(int c) {
    check(0, c);
    col_ = c;
}

}  // namespace quorvel::platform
