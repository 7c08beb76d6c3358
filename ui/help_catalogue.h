// The help window's catalogue: one entry per data-type rule, number prefix,
// constant sign, operator and function, each a title and a description.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

struct HelpEntry {
  std::u16string_view title;
  std::u16string_view text;
};

inline constexpr std::size_t kHelpEntryCount = 109;

// All entries in catalogue order.
std::span<const HelpEntry> HelpCatalogue();
