#include "engine/operators.h"

#include <string>
#include <vector>

#include "engine/char_sets.h"
#include "engine/errors.h"
#include "engine/literals.h"
#include "library/core/arithmetic.h"
#include "library/core/division_power.h"

namespace zuvo {
namespace {

enum Code : int { kAdd = 1, kSub = 2, kDot = 3, kMul = 4, kDiv = 5, kRem = 6, kPow = 7 };

// What the scan read last; decides whether "-" subtracts or is a sign, and
// where a product is implied.
enum class Last { kNothing, kOperand, kPostfix, kBinary, kRoot };

struct Operand {
  Value value;
  bool negate = false;  // a sign "-" negates the power run that starts here
};

class OperatorScan {
 public:
  OperatorScan(std::u16string_view text, int decimals) : t_(text), d_(decimals) {}

  Value Run() {
    if (!Scan()) return Value::Zero();
    Finish();
    return Combine();
  }

 private:
  char16_t NextNonSpace(std::size_t p) const {
    for (std::size_t i = p + 1; i < t_.size(); ++i)
      if (t_[i] != u' ') return t_[i];
    return 0;
  }
  char16_t PendingEnd() const {
    const auto p = pending_.find_last_not_of(u' ');
    return p == std::u16string::npos ? 0 : pending_[p];
  }
  bool AfterValue() const { return last_ == Last::kOperand || last_ == Last::kPostfix; }

  // Reads the pending operand text and applies the roots waiting for it.
  void Finish() {
    if (TrimSpaces(pending_).empty()) {
      pending_.clear();
      return;
    }
    Value v = ParseLiteral(pending_);
    pending_.clear();
    if (negate_inner_) v = Negate(v);
    for (; roots_ > 0; --roots_) v = SquareRootSign(v, d_);
    operands_.push_back({std::move(v), negate_outer_});
    negate_inner_ = negate_outer_ = false;
    last_ = Last::kOperand;
  }
  // A new operand right after a value multiplies it.
  void StartOperand() {
    if (pending_.empty() && AfterValue()) ops_.push_back(kMul);
  }
  void Binary(int code) {
    Finish();
    ops_.push_back(code);
    last_ = Last::kBinary;
  }
  void Postfix(char16_t sign) {
    Finish();
    if (!AfterValue() || operands_.empty()) {
      AddError(u"运算符" + std::u16string(1, sign) + u"前面没有运算对象，无法计算！");
      return;
    }
    Value& v = operands_.back().value;
    switch (sign) {
      case u'!': v = FactorialSign(v, d_); break;
      case u'°': v = DegreeSign(v, d_); break;
      case u'‰': v = PerMille(v); break;
      case u'%': v = Percent(v); break;
      case u'²': v = Product(v, v, d_); break;
      case u'³': v = Product(Product(v, v, d_), v, d_); break;
    }
    last_ = Last::kPostfix;
  }
  bool Word(std::size_t p, std::u16string_view word) const { return t_.substr(p, word.size()) == word; }

  // Returns false when the scan stops with an error.
  bool Scan() {
    const std::size_t n = t_.size();
    for (std::size_t p = 0; p < n; ++p) {
      const char16_t ch = t_[p];
      if (in_literal_) {
        if (ch == closer_) {
          pending_ += ch;
          in_literal_ = false;
          Finish();
          continue;
        }
        if (ch == opener_) {
          AddError(u"数据变量不能在里面嵌套数据变量！");
          return false;
        }
        const bool wrong = (opener_ == u'<' && (ch == u']' || ch == u'}')) ||
                           (opener_ == u'[' && (ch == u'>' || ch == u'}')) ||
                           (opener_ == u'{' && (ch == u']' || ch == u'>'));
        if (wrong || p + 1 == n) {
          AddError(opener_ == u'<'   ? u"向量括号<>没有对应！"
                   : opener_ == u'[' ? u"矩阵括号[]没有对应！"
                                     : u"数组括号{}没有对应！");
          return false;
        }
        pending_ += ch;
        continue;
      }
      if ((ch == u'N' && Word(p, u"Nan")) || (ch == u'I' && Word(p, u"Inf"))) {
        StartOperand();
        pending_ += t_.substr(p, 3);
        p += 2;
        continue;
      }
      if (ch == u'-') {
        if (NextNonSpace(p) == 0) {
          AddError(u"减号没有减数！");
          return false;
        }
        if (!pending_.empty()) {
          if (PendingEnd() == u'(') pending_ += ch;  // the negative number (-x)
          else Binary(kSub);
        } else if (last_ == Last::kNothing) {
          const char16_t next = NextNonSpace(p);
          if (next == u'<' || next == u'[' || next == u'{') {
            pending_ += ch;  // a negated data literal
          } else {
            operands_.push_back({Value::Zero(), false});  // a leading minus subtracts from 0
            Binary(kSub);
          }
        } else if (last_ == Last::kBinary || last_ == Last::kRoot) {
          // The sign of what follows: under a pending root it is the sign of
          // the radicand, otherwise of the power run that follows.
          if (roots_ > 0) negate_inner_ = !negate_inner_;
          else negate_outer_ = !negate_outer_;
        } else {
          Binary(kSub);
        }
        continue;
      }
      if (In(kOperandChars, ch)) {
        if (ch == u' ') {
          if (!pending_.empty()) pending_ += ch;
          continue;
        }
        if (!pending_.empty()) {
          const char16_t end = PendingEnd();
          const bool opens = ch == u'(' || ch == u'<' || ch == u'[' || ch == u'{';
          if ((opens && In(kValueEndChars, end)) || (end == u')' && ch != u')' && ch != u',' && ch != u' '))
            Finish();
        }
        StartOperand();
        pending_ += ch;
        if (ch == u'<' || ch == u'[' || ch == u'{') {
          const std::u16string_view rest = TrimSpaces(pending_);
          if (rest.size() == 1 || (rest.size() == 2 && rest[0] == u'-')) {
            in_literal_ = true;
            opener_ = ch;
            closer_ = ch == u'<' ? u'>' : ch == u'[' ? u']' : u'}';
            if (p + 1 == n) {
              AddError(opener_ == u'<'   ? u"向量括号<>没有对应！"
                       : opener_ == u'[' ? u"矩阵括号[]没有对应！"
                                         : u"数组括号{}没有对应！");
              return false;
            }
          }
        }
        continue;
      }
      switch (ch) {
        case u'+':
          if (pending_.empty() && !AfterValue()) {
            if (Word(p + 1, u"Inf")) {
              StartOperand();
              pending_ += u"+Inf";
              p += 3;
            }
            continue;  // a plus sign in front of an operand changes nothing
          }
          Binary(kAdd);
          break;
        case u'·': Binary(kDot); break;
        case u'*': case u'×': Binary(kMul); break;
        case u'/': case u'÷': Binary(kDiv); break;
        case u'^': Binary(kPow); break;
        case u'%':
          if (In(kOperandChars, NextNonSpace(p)) && NextNonSpace(p) != 0) Binary(kRem);
          else Postfix(ch);
          break;
        case u'!': case u'°': case u'‰': case u'²': case u'³':
          Postfix(ch);
          break;
        case u'√':
          Finish();
          if (AfterValue()) ops_.push_back(kMul);
          ++roots_;
          last_ = Last::kRoot;
          break;
        default: {
          Finish();
          std::u16string sign(1, ch);
          if (ch >= 0xD800 && ch <= 0xDBFF && p + 1 < n && t_[p + 1] >= 0xDC00 && t_[p + 1] <= 0xDFFF)
            sign += t_[++p];
          AddError(u"运算符" + sign + u"不存在。");
          break;
        }
      }
    }
    return true;
  }

  Value Apply(int code, const Value& a, const Value& b) const {
    switch (code) {
      case kDot: return DotProduct(a, b, d_);
      case kMul: return Product(a, b, d_);
      case kDiv: return Divide(a, b, d_);
      case kRem: return Remainder(a, b, d_);
      default: return a;
    }
  }

  Value Combine() {
    if (operands_.empty()) return Value::Empty();
    if (operands_.size() == 1) {
      const Operand& o = operands_[0];
      return o.negate ? Negate(o.value) : o.value;
    }
    const std::size_t n = ops_.size();
    auto operand = [&](std::size_t i) { return i < operands_.size() ? operands_[i] : Operand{}; };
    // Powers first: each run a^b^c is folded from the right; a sign applies
    // to the run that starts at its operand.
    std::vector<Value> terms;
    std::vector<int> term_ops;
    for (std::size_t i = 0; i <= n;) {
      std::size_t j = i;
      while (j < n && ops_[j] == kPow) ++j;
      Operand top = operand(j);
      Value acc = top.negate ? Negate(top.value) : top.value;
      for (std::size_t k = j; k-- > i;) {
        const Operand o = operand(k);
        acc = Power(o.value, acc, d_);
        if (o.negate) acc = Negate(acc);
      }
      terms.push_back(std::move(acc));
      if (j < n) term_ops.push_back(ops_[j]);
      i = j + 1;
    }
    // Then products and quotients, left to right, each product taking the
    // sign in front of it; then sums, in which an empty term is absent.
    std::vector<Value> sums;
    std::vector<int> sum_ops;
    Value current = terms[0];
    for (std::size_t k = 0; k < term_ops.size(); ++k) {
      const int code = term_ops[k];
      if (code == kAdd || code == kSub) {
        sums.push_back(std::move(current));
        sum_ops.push_back(code);
        current = terms[k + 1];
      } else {
        current = Apply(code, current, terms[k + 1]);
      }
    }
    sums.push_back(std::move(current));
    Value result = sums[0];
    bool present = !result.IsEmpty();
    for (std::size_t k = 0; k < sum_ops.size(); ++k) {
      const Value& next = sums[k + 1];
      if (present) {
        result = AddOrSubtract(result, next, sum_ops[k] == kAdd ? AddOp::kAdd : AddOp::kMin, d_);
      } else if (!next.IsEmpty()) {
        result = sum_ops[k] == kSub ? Negate(next) : next;
        present = true;
      }
    }
    return result;
  }

  std::u16string_view t_;
  int d_;
  std::vector<Operand> operands_;
  std::vector<int> ops_;
  std::u16string pending_;
  int roots_ = 0;
  bool negate_inner_ = false, negate_outer_ = false;
  bool in_literal_ = false;
  char16_t opener_ = 0, closer_ = 0;
  Last last_ = Last::kNothing;
};

}  // namespace

Value EvaluateOperators(std::u16string_view text, int decimals) {
  if (text.empty()) return Value::Empty();
  return OperatorScan(text, decimals).Run();
}

}  // namespace zuvo
