// The one data record of the calculator: a number, vector, matrix or array.
#pragma once

#include <cstddef>
#include <vector>

namespace zuvo {

// Largest number of rows or columns a value can have.
inline constexpr int kMaxDim = 100;

// Kinds of a value, decided by its shape alone.
enum Kind : int { kEmpty = 0, kNumber = 1, kVector = 2, kMatrix = 3, kArray = 4 };

// A rows x columns grid of doubles stored row by row. Only the cells in use
// are held; a number keeps its single cell inline, so copying one costs no
// heap allocation. A vector is one column, an array one row.
class Value {
 public:
  Value() = default;  // the empty value: 0 x 0, first cell reads 0

  static Value Empty() { return Value(); }
  static Value Number(double x) {
    Value v;
    v.rows_ = v.cols_ = 1;
    v.first_ = x;
    return v;
  }
  static Value Zero() { return Number(0.0); }
  // A zero-filled value of the given shape. Callers keep both counts within
  // 0..kMaxDim (see FitsGrid).
  static Value Shaped(int rows, int cols);

  static bool FitsGrid(long long rows, long long cols) {
    return rows >= 0 && cols >= 0 && rows <= kMaxDim && cols <= kMaxDim;
  }

  int Rows() const { return rows_; }
  int Columns() const { return cols_; }
  std::size_t Size() const { return static_cast<std::size_t>(rows_) * cols_; }
  bool IsEmpty() const { return rows_ == 0 || cols_ == 0; }
  Kind GetKind() const;
  bool IsNumber() const { return rows_ == 1 && cols_ == 1; }

  // Cell i (0-based, row by row over the cells in use). Cell(0) of the empty
  // value reads 0.
  double Cell(std::size_t i) const { return i == 0 ? first_ : many_[i]; }
  double& Cell(std::size_t i) { return i == 0 ? first_ : many_[i]; }
  // Cell in row r, column c, both counted from 1.
  double At(int r, int c) const { return Cell(Index(r, c)); }
  double& At(int r, int c) { return Cell(Index(r, c)); }
  // The first cell: the value of a number.
  double First() const { return first_; }

  // Applies f to every cell in use, rows first, then columns within a row.
  template <class F>
  Value Map(F f) const {
    Value out = *this;
    for (std::size_t i = 0; i < Size(); ++i) out.Cell(i) = f(Cell(i));
    return out;
  }

 private:
  std::size_t Index(int r, int c) const {
    return static_cast<std::size_t>(r - 1) * cols_ + (c - 1);
  }
  unsigned short rows_ = 0;
  unsigned short cols_ = 0;
  double first_ = 0.0;
  // Holds every cell (including a copy slot for cell 0 that is not used) when
  // the value has more than one cell.
  std::vector<double> many_;
};

// ValueKind of the original record: 0 empty, 1 number, 2 vector, 3 matrix, 4 array.
inline int ValueKind(const Value& v) { return static_cast<int>(v.GetKind()); }

// True when x has no fractional part (infinities and NaN are not whole).
bool IsWhole(double x);

}  // namespace zuvo
