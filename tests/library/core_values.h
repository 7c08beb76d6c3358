// Small builders and readers shared by the library tests.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "engine/call_args.h"
#include "engine/errors.h"
#include "engine/value.h"
#include "tests/engine/engine_test_support.h"

namespace zuvo::test {

inline Value Num(double x) { return Value::Number(x); }

// <a,b,...>: one column.
inline Value Vec(std::initializer_list<double> cells) {
  Value v = Value::Shaped(static_cast<int>(cells.size()), 1);
  std::size_t i = 0;
  for (double c : cells) v.Cell(i++) = c;
  return v;
}

// {a,b,...}: one row.
inline Value Arr(std::initializer_list<double> cells) {
  Value v = Value::Shaped(1, static_cast<int>(cells.size()));
  std::size_t i = 0;
  for (double c : cells) v.Cell(i++) = c;
  return v;
}

// [a b,c d]: rows of equal length.
inline Value Mat(std::initializer_list<std::initializer_list<double>> rows) {
  Value v = Value::Shaped(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
  std::size_t i = 0;
  for (const auto& row : rows)
    for (double c : row) v.Cell(i++) = c;
  return v;
}

inline std::vector<double> CellsOf(const Value& v) {
  std::vector<double> cells(v.Size());
  for (std::size_t i = 0; i < v.Size(); ++i) cells[i] = v.Cell(i);
  return cells;
}

// Shape and cells, for comparing a result with an expected value in one go.
struct Shape {
  int rows, columns;
  std::vector<double> cells;
  bool operator==(const Shape&) const = default;
};
inline Shape ShapeOf(const Value& v) { return {v.Rows(), v.Columns(), CellsOf(v)}; }

inline void PrintTo(const Shape& s, std::ostream* os) {
  *os << s.rows << "x" << s.columns << " {";
  for (double c : s.cells) *os << " " << c;
  *os << " }";
}

// Arguments as the dispatch hands them over: read values, empty texts.
inline CallArgs Args(std::vector<Value> values, int decimals = 2) {
  CallArgs args;
  args.values = std::move(values);
  args.texts.resize(args.values.size());
  args.decimals = decimals;
  return args;
}

}  // namespace zuvo::test
