// Array functions: merge, slice, delete, insert, take, copy, reverse, sort.
#pragma once

#include <string_view>
#include <vector>

#include "engine/value.h"

namespace zuvo {

// Positions count the items from 1 and arrive as whole numbers. Every result
// is one row of items, so one item is a number and no items the empty value.
// Every failure gives one message and the zero number. No result may hold
// more than 100 items (the width of the grid).

// 数组合并: the items of every argument in order; a number counts as one item.
Value ArrayMerge(const std::vector<Value>& values, int decimals);
// 数组截取: the items first..last (both included).
Value ArraySlice(const Value& a, double first, double last, int decimals);
// 数组删除: a without the items first..last.
Value ArrayDelete(const Value& a, double first, double last, int decimals);
// 数组插入: b's items (b an array or a number) put in front of a's item at
// `position`; position n + 1 appends.
Value ArrayInsert(const Value& a, double position, const Value& b, int decimals);
// 数组取项: the item at `position`.
Value ArrayItem(const Value& a, double position, int decimals);
// 数组复制: `count` items starting at `start`.
Value ArrayCopy(const Value& a, double start, double count, int decimals);
// 数组反向: the items in reverse order.
Value ArrayReverse(const Value& a, int decimals);
// 数组排序: ascending for the word 是 or 真, descending for 否 or 假; any other
// word gives a message and the zero number.
Value ArraySort(const Value& a, std::u16string_view order, int decimals);

}  // namespace zuvo
