#include "library/applied/combinatorics.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "library/calls.h"
#include "library/core/format.h"

namespace zuvo {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kTwoTo64 = 18446744073709551616.0;

// A non-negative whole number of any size, 32 bits per limb, least
// significant limb first, without leading zero limbs.
class BigWhole {
 public:
  explicit BigWhole(std::uint64_t x = 0) {
    while (x != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(x));
      x >>= 32;
    }
  }
  // A whole, finite, non-negative double, exactly.
  static BigWhole FromDouble(double x) {
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);  // x = mantissa * 2^exponent
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    BigWhole out(bits);
    if (exponent >= 53) {
      out.ShiftLeft(exponent - 53);
    } else {
      out = BigWhole(bits >> (53 - exponent));
    }
    return out;
  }

  int BitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<int>(32 * (limbs_.size() - 1)) + std::bit_width(limbs_.back());
  }

  void MultiplyBy(const BigWhole& other) {
    std::vector<std::uint32_t> product(limbs_.size() + other.limbs_.size(), 0);
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      std::uint64_t carry = 0;
      for (std::size_t j = 0; j < other.limbs_.size(); ++j) {
        const std::uint64_t t = static_cast<std::uint64_t>(limbs_[i]) * other.limbs_[j] +
                                product[i + j] + carry;
        product[i + j] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
      }
      product[i + other.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    limbs_ = std::move(product);
    Trim();
  }

  // Multiplication by a 64-bit factor in place.
  void MultiplyBy(std::uint64_t factor) {
    unsigned __int128 carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const unsigned __int128 t = static_cast<unsigned __int128>(limb) * factor + carry;
      limb = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry));
      carry >>= 32;
    }
    Trim();
  }

  // Exact division by a small divisor; the caller knows it divides.
  void DivideBy(std::uint32_t divisor) {
    std::uint64_t rest = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
      const std::uint64_t t = (rest << 32) | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(t / divisor);
      rest = t % divisor;
    }
    Trim();
  }

  // this - small, for this >= small.
  BigWhole Minus(std::uint64_t small) const {
    BigWhole out = *this;
    std::uint64_t borrow = small;
    for (std::size_t i = 0; i < out.limbs_.size() && borrow != 0; ++i) {
      const std::uint64_t part = borrow & 0xffffffffu;
      borrow >>= 32;
      if (out.limbs_[i] < part) ++borrow;
      out.limbs_[i] = static_cast<std::uint32_t>(out.limbs_[i] - part);
    }
    out.Trim();
    return out;
  }

  // Rounded once to the nearest double (ties to even); infinity when too large.
  double ToDouble() const {
    const int length = BitLength();
    if (length <= 64) return static_cast<double>(Bits(0, length));
    if (length > 1024) return kInfinity;
    const int shift = length - 64;
    std::uint64_t top = Bits(shift, 64);
    if (AnyBitBelow(shift)) top |= 1;  // sticky bit for correct rounding
    return std::ldexp(static_cast<double>(top), shift);
  }

 private:
  void ShiftLeft(int bits) {
    const int whole = bits / 32, part = bits % 32;
    std::vector<std::uint32_t> out(limbs_.size() + whole + 1, 0);
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      const std::uint64_t t = static_cast<std::uint64_t>(limbs_[i]) << part;
      out[i + whole] |= static_cast<std::uint32_t>(t);
      out[i + whole + 1] |= static_cast<std::uint32_t>(t >> 32);
    }
    limbs_ = std::move(out);
    Trim();
  }
  bool Bit(int i) const {
    const std::size_t limb = static_cast<std::size_t>(i) / 32;
    return limb < limbs_.size() && ((limbs_[limb] >> (i % 32)) & 1u);
  }
  std::uint64_t Bits(int from, int count) const {
    std::uint64_t out = 0;
    for (int i = count - 1; i >= 0; --i) out = (out << 1) | (Bit(from + i) ? 1u : 0u);
    return out;
  }
  bool AnyBitBelow(int end) const {
    for (int i = 0; i < end; ++i)
      if (Bit(i)) return true;
    return false;
  }
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<std::uint32_t> limbs_;
};

// The factors n, n - 1, ... of a falling product, for an n of 64 bits or
// one beyond (a whole double).
struct Factors {
  bool small;
  std::uint64_t n;
  BigWhole big;
  void MultiplyInto(BigWhole& result, std::uint64_t j) const {  // times n - j
    if (small)
      result.MultiplyBy(n - j);
    else
      result.MultiplyBy(big.Minus(j));
  }
};

// C(n, k) by the exact recurrence C(n, j) = C(n, j-1) (n-j+1) / j, every step
// a whole number. For k <= n/2 the steps grow, so a step past the double
// range means the coefficient is past it too.
double ExactCombinations(const Factors& n, double n_value, double k) {
  // C(n, k) >= 2^(n H(k/n)) / (n + 1) with the binary entropy H: far past the
  // double range it is infinity at once, without the exact steps.
  const double entropy_bits =
      k * std::log2(n_value / k) - (n_value - k) * std::log1p(-k / n_value) / std::numbers::ln2;
  if (entropy_bits - std::log2(n_value + 1) > 1030) return kInfinity;
  BigWhole result(1);
  for (std::uint64_t j = 1; static_cast<double>(j) <= k; ++j) {
    n.MultiplyInto(result, j - 1);
    result.DivideBy(static_cast<std::uint32_t>(j));
    if (result.BitLength() > 1024) return kInfinity;
  }
  return result.ToDouble();
}

// n (n-1) ... (n-k+1): every factor but possibly the last is at least 2, so
// the loop leaves the double range within about a thousand steps.
double ExactFallingFactorial(const Factors& n, double k) {
  BigWhole result(1);
  for (std::uint64_t j = 0; static_cast<double>(j) < k; ++j) {
    n.MultiplyInto(result, j);
    if (result.BitLength() > 1024) return kInfinity;
  }
  return result.ToDouble();
}

// The product n (n-1) ... (n-count+1) in 64 bits, or false when it wraps.
bool FallingProduct(std::uint64_t n, std::uint64_t count, std::uint64_t& product) {
  product = 1;
  for (std::uint64_t i = 0; i < count; ++i)
    if (__builtin_mul_overflow(product, n - i, &product)) return false;
  return true;
}

// Position of cell i of v: its row and its column, counted from 1.
struct Position {
  long long row;
  long long column;
};
Position PositionOf(const Value& v, std::size_t i) {
  const auto columns = static_cast<std::size_t>(v.Columns());
  return {static_cast<long long>(i / columns) + 1, static_cast<long long>(i % columns) + 1};
}

bool IsCountingNumber(double x) { return IsWhole(x) && x >= 0; }
bool IsPositiveWhole(double x) { return IsWhole(x) && x >= 1; }

// Shared body of 组合数 and 排列数: equal shapes, then every pair of elements
// whole and >= 0; name is the function's name in the messages.
template <class F>
Value PairwiseCount(const Value& x1, const Value& x2, int decimals, std::u16string_view name,
                    F count) {
  const std::u16string n(name);
  if (x1.Rows() != x2.Rows() || x1.Columns() != x2.Columns()) {
    AddError(ValueToText(x1, decimals) + u"和" + ValueToText(x2, decimals) +
             u"不是同一个数据类型，无法进行" + n + u"计算！");
    return Value::Zero();
  }
  Value out = x1;
  for (std::size_t i = 0; i < x1.Size(); ++i) {
    const double a = x1.Cell(i), b = x2.Cell(i);
    const bool bad_a = !IsCountingNumber(a), bad_b = !IsCountingNumber(b);
    if (bad_a || bad_b) {
      const Position p = PositionOf(x1, i);
      const std::u16string where = u"行第" + DecimalText(p.column) + u"列的数字";
      if (bad_a)
        AddError(n + u"第一个参数的第" + DecimalText(p.row) + where + FixedText(a, decimals) +
                 u"不是大于等于0的整数，故无法继续进行计算！");
      if (bad_b)
        AddError(n + u"第二个参数的第" + DecimalText(p.row) + where + FixedText(b, decimals) +
                 u"不是大于等于0的整数，故无法继续进行计算！");
      return Value::Zero();
    }
    out.Cell(i) = count(a, b);
  }
  return out;
}

// The pieces of a sequence's message around the position and the element,
// by the kind of x, and the common ending.
struct SequenceTexts {
  std::u16string_view number;                          // + e
  std::u16string_view vector;                          // + i + 个分量 + e
  std::u16string_view array, array_after;              // + i + array_after + e
  std::u16string_view matrix, matrix_middle, matrix_after;  // + r + middle + s + after + e
  std::u16string_view ending;
};

// Shared body of the three sequences: every element whole and >= 1, the first
// failure reported with its position.
template <class F>
Value Sequence(const Value& x, int decimals, const SequenceTexts& t, F term) {
  Value out = x;
  for (std::size_t i = 0; i < x.Size(); ++i) {
    const double e = x.Cell(i);
    if (IsPositiveWhole(e)) {
      out.Cell(i) = term(e);
      continue;
    }
    const Position p = PositionOf(x, i);
    std::u16string message;
    switch (x.GetKind()) {
      case kNumber:
        message = std::u16string(t.number);
        break;
      case kVector:
        message = std::u16string(t.vector) + DecimalText(p.row) + u"个分量";
        break;
      case kArray:
        message = std::u16string(t.array) + DecimalText(p.column) + std::u16string(t.array_after);
        break;
      default:
        message = std::u16string(t.matrix) + DecimalText(p.row) + std::u16string(t.matrix_middle) +
                  DecimalText(p.column) + std::u16string(t.matrix_after);
        break;
    }
    AddError(message + FixedText(e, decimals) + std::u16string(t.ending));
    return Value::Zero();
  }
  return out;
}

// Catalan numbers C(1), C(2), ... rounded once from exact whole numbers, up
// to the first one past the double range.
const std::vector<double>& CatalanTable() {
  static const std::vector<double> table = [] {
    std::vector<double> out{1.0};  // C(0)
    BigWhole c(1);
    for (std::uint32_t m = 0;; ++m) {  // C(m+1) = C(m) * 2(2m+1) / (m+2)
      c.MultiplyBy(std::uint64_t{2} * (2 * m + 1));
      c.DivideBy(m + 2);
      const double d = c.ToDouble();
      out.push_back(d);
      if (std::isinf(d)) break;
    }
    return out;
  }();
  return table;
}

// F(1), F(2), ... by the recurrence in doubles, up to the first infinity.
const std::vector<double>& FibonacciTable() {
  static const std::vector<double> table = [] {
    std::vector<double> out{0.0, 1.0, 1.0};  // F(0), F(1), F(2)
    while (!std::isinf(out.back())) out.push_back(out[out.size() - 1] + out[out.size() - 2]);
    return out;
  }();
  return table;
}

}  // namespace

double Combinations(std::uint64_t n, std::uint64_t k) {
  if (k > n) return 0.0;
  std::uint64_t falling = 1, factorial = 1;
  if (FallingProduct(n, k, falling) && FallingProduct(k, k, factorial))
    return static_cast<double>(falling) / static_cast<double>(factorial);
  return ExactCombinations(Factors{true, n, BigWhole()}, static_cast<double>(n),
                           static_cast<double>(std::min(k, n - k)));
}

double CombinationsOfWhole(double n, double k) {
  if (k > n) return 0.0;
  if (n < kTwoTo64) return Combinations(static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(k));
  return ExactCombinations(Factors{false, 0, BigWhole::FromDouble(n)}, n, std::min(k, n - k));
}

double PermutationsOfWhole(double n, double k) {
  if (k > n) return 0.0;
  if (n < kTwoTo64) {
    std::uint64_t product = 1;
    if (FallingProduct(static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(k), product))
      return static_cast<double>(product);
    return ExactFallingFactorial(Factors{true, static_cast<std::uint64_t>(n), BigWhole()}, k);
  }
  return ExactFallingFactorial(Factors{false, 0, BigWhole::FromDouble(n)}, k);
}

double FactorialOf(double x) {
  const double m = std::floor(x);
  if (std::isnan(m)) return m;
  if (m > 170) return kInfinity;  // 171! is past the double range
  double product = 1.0;
  for (double i = 2; i <= m; ++i) product *= i;
  return product;
}

Value CombinationsOf(const Value& x1, const Value& x2, int decimals) {
  return PairwiseCount(x1, x2, decimals, u"组合数", CombinationsOfWhole);
}

Value PermutationsOf(const Value& x1, const Value& x2, int decimals) {
  return PairwiseCount(x1, x2, decimals, u"排列数", PermutationsOfWhole);
}

Value HanoiNumbers(const Value& x, int decimals) {
  // The matrix message has no 第 before the column: 矩阵的第2行3列的分量.
  static constexpr SequenceTexts kTexts{u"数字",     u"向量的第", u"数组的第", u"项",
                                        u"矩阵的第", u"行",       u"列的分量",
                                        u"不是大于等于1的正整数，故无法进行汉诺塔计算！"};
  return Sequence(x, decimals, kTexts, [](double e) { return std::pow(2.0, e) - 1.0; });
}

Value CatalanNumbers(const Value& x, int decimals) {
  static constexpr SequenceTexts kTexts{u"数字",     u"向量第", u"数组第", u"个项",
                                        u"矩阵的第", u"行第",   u"列",
                                        u"不是大于等于1的正整数，故无法进行卡特兰数计算！"};
  const std::vector<double>& table = CatalanTable();
  return Sequence(x, decimals, kTexts, [&table](double e) {
    return e < static_cast<double>(table.size()) ? table[static_cast<std::size_t>(e)] : kInfinity;
  });
}

Value FibonacciNumbers(const Value& x, int decimals) {
  static constexpr SequenceTexts kTexts{u"数字",     u"向量第", u"数组第", u"个项",
                                        u"矩阵的第", u"行第",   u"列",
                                        u"不是大于等于1的正整数，故无法进行斐波那契数计算！"};
  const std::vector<double>& table = FibonacciTable();
  return Sequence(x, decimals, kTexts, [&table](double e) {
    return e < static_cast<double>(table.size()) ? table[static_cast<std::size_t>(e)] : kInfinity;
  });
}

// Adapters: the dispatch reads both arguments of 组合数 and 排列数 and the
// single argument of the sequences as literals; no kind checks apply.
std::optional<Value> CallCombinations(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  return CombinationsOf(args.values[0], args.values[1], args.decimals);
}
std::optional<Value> CallPermutations(const CallArgs& args) {
  if (args.values.size() != 2) return std::nullopt;
  return PermutationsOf(args.values[0], args.values[1], args.decimals);
}
std::optional<Value> CallHanoi(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return HanoiNumbers(args.values[0], args.decimals);
}
std::optional<Value> CallCatalan(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return CatalanNumbers(args.values[0], args.decimals);
}
std::optional<Value> CallFibonacci(const CallArgs& args) {
  if (args.values.size() != 1) return std::nullopt;
  return FibonacciNumbers(args.values[0], args.decimals);
}

}  // namespace zuvo
