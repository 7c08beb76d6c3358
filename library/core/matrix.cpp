#include "library/core/matrix.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/arithmetic.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

bool IsSquare(const Value& a) { return a.Rows() == a.Columns(); }

// Cofactor expansion of the square sub-grid of a picked out by the given rows
// and columns (1-based, in order), along its first column, row by row from
// the top, each term added to a running sum that starts at 0. Every
// sub-determinant is expanded the same way, so the rounding is exactly that
// of the hand method.
double CofactorDeterminant(const Value& a, const int* rows, const int* cols, int n) {
  if (n == 0) return 0.0;
  if (n == 1) return a.At(rows[0], cols[0]);
  int sub_rows[kCofactorMaxSize];
  double sum = 0.0;
  for (int k = 0; k < n; ++k) {
    int m = 0;
    for (int i = 0; i < n; ++i)
      if (i != k) sub_rows[m++] = rows[i];
    double term = a.At(rows[k], cols[0]);
    if (k % 2 == 1) term = -term;
    sum += term * CofactorDeterminant(a, sub_rows, cols + 1, n - 1);
  }
  return sum;
}

double CofactorDeterminant(const Value& a) {
  int all[kCofactorMaxSize];
  for (int i = 0; i < a.Rows(); ++i) all[i] = i + 1;
  return CofactorDeterminant(a, all, all, a.Rows());
}

// The minor of a for row r and column c (1-based), expanded by cofactors.
double CofactorMinor(const Value& a, int r, int c) {
  int rows[kCofactorMaxSize];
  int cols[kCofactorMaxSize];
  int n = 0;
  for (int i = 1; i <= a.Rows(); ++i)
    if (i != r) rows[n++] = i;
  n = 0;
  for (int j = 1; j <= a.Columns(); ++j)
    if (j != c) cols[n++] = j;
  return CofactorDeterminant(a, rows, cols, n);
}

Value CofactorAdjugate(const Value& a) {
  const int n = a.Rows();
  Value out = Value::Shaped(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      double cofactor = CofactorMinor(a, i, j);
      if ((i + j) % 2 == 1) cofactor = -cofactor;
      out.At(j, i) = cofactor;
    }
  return out;
}

// Gaussian elimination with full pivoting: P·A·Q = L·U, with L (unit lower
// triangle, below the diagonal) and U (on and above it) stored in one grid.
// Elimination stops when the remaining block is exactly zero; rank counts
// the pivots found.
struct Elimination {
  int n = 0;
  std::vector<double> lu;     // n x n, row by row
  std::vector<int> row_of;    // row_of[i]: original row now at position i
  std::vector<int> col_of;    // col_of[j]: original column now at position j
  int rank = 0;
  bool odd_swaps = false;

  double& At(int i, int j) { return lu[static_cast<std::size_t>(i) * n + j]; }
  double At(int i, int j) const { return lu[static_cast<std::size_t>(i) * n + j]; }
};

Elimination Eliminate(const Value& a) {
  Elimination e;
  const int n = e.n = a.Rows();
  e.lu.resize(static_cast<std::size_t>(n) * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) e.At(i, j) = a.At(i + 1, j + 1);
  e.row_of.resize(n);
  e.col_of.resize(n);
  for (int i = 0; i < n; ++i) e.row_of[i] = e.col_of[i] = i;

  for (int k = 0; k < n; ++k) {
    // Largest remaining entry; a not-a-number entry is taken at once so that
    // it spreads into the result instead of being skipped.
    int pr = k, pc = k;
    double best = -1.0;
    for (int i = k; i < n && !std::isnan(best); ++i)
      for (int j = k; j < n; ++j) {
        const double m = std::fabs(e.At(i, j));
        if (std::isnan(m)) {
          pr = i, pc = j, best = m;
          break;
        }
        if (m > best) pr = i, pc = j, best = m;
      }
    if (best == 0.0) break;  // the rest of the matrix is zero
    if (pr != k) {
      for (int j = 0; j < n; ++j) std::swap(e.At(k, j), e.At(pr, j));
      std::swap(e.row_of[k], e.row_of[pr]);
      e.odd_swaps = !e.odd_swaps;
    }
    if (pc != k) {
      for (int i = 0; i < n; ++i) std::swap(e.At(i, k), e.At(i, pc));
      std::swap(e.col_of[k], e.col_of[pc]);
      e.odd_swaps = !e.odd_swaps;
    }
    const double pivot = e.At(k, k);
    for (int i = k + 1; i < n; ++i) {
      const double l = e.At(i, k) / pivot;
      e.At(i, k) = l;
      if (l == 0.0) continue;
      for (int j = k + 1; j < n; ++j) e.At(i, j) -= l * e.At(k, j);
    }
    e.rank = k + 1;
  }
  return e;
}

double EliminationDeterminant(const Elimination& e) {
  if (e.rank < e.n) return 0.0;
  double det = e.odd_swaps ? -1.0 : 1.0;
  for (int k = 0; k < e.n; ++k) det *= e.At(k, k);
  return det;
}

// The inverse of a matrix of full rank, column by column: A·x = e_c solved as
// L·U·(Q⁻¹x) = P·e_c.
Value EliminationInverse(const Elimination& e) {
  const int n = e.n;
  Value out = Value::Shaped(n, n);
  std::vector<double> w(n);
  for (int c = 0; c < n; ++c) {
    for (int i = 0; i < n; ++i) w[i] = e.row_of[i] == c ? 1.0 : 0.0;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < i; ++j) w[i] -= e.At(i, j) * w[j];
    for (int i = n - 1; i >= 0; --i) {
      for (int j = i + 1; j < n; ++j) w[i] -= e.At(i, j) * w[j];
      w[i] /= e.At(i, i);
    }
    for (int j = 0; j < n; ++j) out.At(e.col_of[j] + 1, c + 1) = w[j];
  }
  return out;
}

// The adjugate from the elimination. Full rank: det·A⁻¹. Rank n − 1: with
// A = Pᵀ·L·U·Qᵀ, adj A = ±Q·adj(U)·L⁻¹·P, where adj(U) = c·z·e_nᵀ (z spans
// the null space of U, c the product of its first n − 1 pivots), so adj A is
// the outer product of Q·z and the last row of L⁻¹ moved by P. Lower rank:
// every minor of size n − 1 vanishes.
Value EliminationAdjugate(const Elimination& e) {
  const int n = e.n;
  if (e.rank == n) {
    const double det = EliminationDeterminant(e);
    Value inverse = EliminationInverse(e);
    return inverse.Map([det](double x) { return det * x; });
  }
  Value out = Value::Shaped(n, n);
  if (e.rank < n - 1) return out;
  std::vector<double> z(n), w(n);
  z[n - 1] = 1.0;
  for (int i = n - 2; i >= 0; --i) {
    double s = 0.0;
    for (int j = i + 1; j < n; ++j) s += e.At(i, j) * z[j];
    z[i] = -s / e.At(i, i);
  }
  w[n - 1] = 1.0;
  for (int i = n - 2; i >= 0; --i) {
    double s = 0.0;
    for (int j = i + 1; j < n; ++j) s += e.At(j, i) * w[j];
    w[i] = -s;
  }
  double c = e.odd_swaps ? -1.0 : 1.0;
  for (int k = 0; k < n - 1; ++k) c *= e.At(k, k);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) out.At(e.col_of[j] + 1, e.row_of[i] + 1) = c * z[j] * w[i];
  return out;
}

void ReportNotSquareDeterminant() { AddError(u"行列式的宽和高不相同，无法计算！"); }

void ReportNotSquareAdjugate(const Value& a, int decimals) {
  AddError(u"矩阵" + ValueToText(a, decimals) + u"不符合转换为伴随矩阵的条件，无法计算。");
}

}  // namespace

Value Determinant(const Value& a, int /*decimals*/) {
  if (!IsSquare(a)) {
    ReportNotSquareDeterminant();
    return Value::Empty();
  }
  if (a.Rows() <= kCofactorMaxSize) return Value::Number(CofactorDeterminant(a));
  return Value::Number(EliminationDeterminant(Eliminate(a)));
}

Value IdentityMatrix(const Value& x, int decimals) {
  const double first = x.First();
  if (!IsWhole(first)) {
    AddError(u"单位矩阵(x)中的参数x必须为正整数，" + ValueToText(x, decimals) + u"不是正整数。");
    return Value::Empty();
  }
  if (x.Rows() >= 2 || x.Columns() >= 2) {
    AddError(u"单位矩阵(x)中的参数x必须为正整数，不能是向量或者矩阵" + ValueToText(x, decimals) +
             u"不是正整数。");
    return Value::Empty();
  }
  if (first < 0) {
    AddError(u"单位矩阵(x)中的参数x必须为正整数，" + ValueToText(x, decimals) + u"不是正整数。");
    return Value::Empty();
  }
  if (first > kMaxDim) {
    AddError(u"单位矩阵(x)中的参数x不能大于100，" + ValueToText(x, decimals) +
             u"超出了矩阵最多100行100列的范围。");
    return Value::Empty();
  }
  const int n = static_cast<int>(first);
  Value out = Value::Shaped(n, n);
  for (int i = 1; i <= n; ++i) out.At(i, i) = 1.0;
  return out;
}

Value Transpose(const Value& a) {
  Value out = Value::Shaped(a.Columns(), a.Rows());
  for (int i = 1; i <= a.Columns(); ++i)
    for (int j = 1; j <= a.Rows(); ++j) out.At(i, j) = a.At(j, i);
  return out;
}

Value Adjugate(const Value& a, int decimals) {
  if (!IsSquare(a)) {
    ReportNotSquareAdjugate(a, decimals);
    return Value::Empty();
  }
  // The cofactor of the single entry of a 1 x 1 matrix is the determinant of
  // the 0 x 0 matrix, which is 1 (an empty product).
  if (a.IsNumber()) return Value::Number(1.0);
  if (a.Rows() <= kCofactorMaxSize) return CofactorAdjugate(a);
  return EliminationAdjugate(Eliminate(a));
}

Value Inverse(const Value& a, int decimals) {
  if (!IsSquare(a) || a.Rows() <= kCofactorMaxSize) {
    // Adjugate first, then the determinant: a value that is not square
    // reports both, then the missing inverse.
    const Value adjugate = Adjugate(a, decimals);
    const double det = Determinant(a, decimals).First();
    if (det == 0.0) {
      AddError(u"矩阵" + ValueToText(a, decimals) + u"没有逆矩阵，无法计算。");
      return Value::Empty();
    }
    return Product(adjugate, Value::Number(1.0 / det), decimals);
  }
  // Singular means a pivot of exactly zero; a determinant that merely
  // underflows does not stop a well-conditioned inverse.
  const Elimination e = Eliminate(a);
  if (e.rank < e.n) {
    AddError(u"矩阵" + ValueToText(a, decimals) + u"没有逆矩阵，无法计算。");
    return Value::Empty();
  }
  return EliminationInverse(e);
}

std::optional<Value> CallDeterminant(const CallArgs& args) {
  return Determinant(args.values.at(0), args.decimals);
}
std::optional<Value> CallIdentityMatrix(const CallArgs& args) {
  return IdentityMatrix(args.values.at(0), args.decimals);
}
std::optional<Value> CallTranspose(const CallArgs& args) { return Transpose(args.values.at(0)); }
std::optional<Value> CallAdjugate(const CallArgs& args) {
  return Adjugate(args.values.at(0), args.decimals);
}
std::optional<Value> CallInverse(const CallArgs& args) {
  return Inverse(args.values.at(0), args.decimals);
}

}  // namespace zuvo
