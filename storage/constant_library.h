// The constant library: named pieces of expression text, sorted by name and
// kept in Constants.mqc.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/pair_store.h"

namespace zuvo {

inline constexpr std::u16string_view kConstantStoreName = u"ConstantLibrary";
inline constexpr std::size_t kMaxConstants = 4096;
inline constexpr std::size_t kConstantNameCapacity = 32;
inline constexpr std::size_t kConstantContentCapacity = 16384;

// Messages of the admission checks, in the order they are made.
inline constexpr std::u16string_view kMsgConstantEmpty = u"新的常数名称和常数内容不能为空！";
inline constexpr std::u16string_view kMsgConstantDuplicate =
    u"新的常数名称不能与常数库中原有常数相同，请修改新的常数名称以继续！";
inline constexpr std::u16string_view kMsgConstantInvalidName = u"新的常数名称不合法，请修改新的常数名称以继续！";
inline constexpr std::u16string_view kMsgConstantResultPrefix = u"新的常数名称不能以结果作为开始的字符串！";
inline constexpr std::u16string_view kMsgConstantNameTooLong = u"新的常数名称不能超过32个字符！";
inline constexpr std::u16string_view kMsgConstantContentTooLong = u"新的常数内容不能超过16384个字符！";
inline constexpr std::u16string_view kMsgConstantLibraryFull = u"常数库最多支持4096个常数！";

// (name, content) pairs in library order, the form the calculate flow takes.
using ConstantList = std::vector<std::pair<std::u16string, std::u16string>>;

PairStore NewConstantLibrary();
// Number (from 1) of the constant with exactly this name; 0 when none.
std::size_t FindConstant(const PairStore& library, std::u16string_view name);
// Appends the constant unless the name is present or 4096 are held.
void AddConstant(PairStore& library, std::u16string_view name, std::u16string_view content);
void DeleteConstant(PairStore& library, std::u16string_view name);
void SetConstantContent(PairStore& library, std::u16string_view name, std::u16string_view content);
// Copies of constant i (1..Count); empty outside.
std::u16string ConstantName(const PairStore& library, std::size_t i);
std::u16string ConstantContent(const PairStore& library, std::size_t i);
void ClearConstants(PairStore& library);
void FreeConstantLibrary(PairStore& library);
// Descending order of names by unsigned code units; a name that begins a
// longer one comes after it, so longer names are substituted first.
void SortConstants(PairStore& library);
// False for an empty name, a name starting with a digit, A-F, a-f, O, H, o,
// h, comma, space, minus, full stop, π, ε or τ, or a name holding a bracket.
bool IsValidConstantName(std::u16string_view name);

// The admission checks for a new constant, in order: empty name, empty
// content, name already present, invalid name, name starting with 结果, name
// over 32 characters, content over 16384 characters, library full. Gives
// the message of the first failing check, or nothing when it may be added.
std::optional<std::u16string_view> CheckNewConstant(const PairStore& library, std::u16string_view name,
                                                     std::u16string_view content);
// Runs the checks and, when they pass, adds and sorts (the caller saves).
std::optional<std::u16string_view> AdmitConstant(PairStore& library, std::u16string_view name,
                                                 std::u16string_view content);

ConstantList ConstantsInOrder(const PairStore& library);

std::string SerializeConstants(const PairStore& library);
// Never fails. A file naming another store gives an empty library under this
// store's own name; more than 4096 constants keep the first 4096.
PairStore ParseConstants(std::string_view text);
SaveResult SaveConstants(const PairStore& library, const std::filesystem::path& path);
PairStore LoadConstants(const std::filesystem::path& path);

}  // namespace zuvo
