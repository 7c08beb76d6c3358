#include "text/text_routines.h"

namespace zuvo {
namespace {

template <class S, class V>
std::optional<S> Slice(V text, std::size_t first, std::size_t last) {
  if (last < first || first < 1 || last > text.size()) return std::nullopt;
  return S(text.substr(first - 1, last - first + 1));
}

template <class S, class V>
std::optional<S> Mid(V text, std::size_t first, std::size_t count) {
  if (first < 1 || text.size() + 1 < first + count) return std::nullopt;
  return S(text.substr(first - 1, count));
}

template <class V>
std::size_t Find(V text, V pattern, std::size_t from) {
  if (from < 1) from = 1;
  if (from > text.size() + 1) return 0;
  const auto p = text.find(pattern, from - 1);
  return p == V::npos ? 0 : p + 1;
}

template <class V>
std::size_t Count(V text, V pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return 0;
  std::size_t n = 0;
  for (std::size_t p = text.find(pattern); p != V::npos; p = text.find(pattern, p + pattern.size())) ++n;
  return n;
}

}  // namespace

std::optional<std::u16string> TextSlice(std::u16string_view t, std::size_t f, std::size_t l) {
  return Slice<std::u16string>(t, f, l);
}
std::optional<std::u16string> TextMid(std::u16string_view t, std::size_t f, std::size_t c) {
  return Mid<std::u16string>(t, f, c);
}
void TextDelete(std::u16string& text, std::size_t first, std::size_t last) {
  if (last < first || first < 1 || last > text.size()) return;
  text.erase(first - 1, last - first + 1);
}
void TextInsert(std::u16string& text, std::size_t position, std::u16string_view source) {
  if (position < 1 || position > text.size() + 1) return;
  text.insert(position - 1, source);
}
int TextCompare(std::u16string_view a, std::u16string_view b) {
  const int c = a.compare(b);  // char16_t compares as unsigned
  return c == 0 ? 0 : (c > 0 ? 1 : 255);
}
std::size_t TextFind(std::u16string_view t, std::u16string_view p, std::size_t from) { return Find(t, p, from); }
std::size_t TextCount(std::u16string_view t, std::u16string_view p) { return Count(t, p); }

std::optional<std::string> TextSlice8(std::string_view t, std::size_t f, std::size_t l) {
  return Slice<std::string>(t, f, l);
}
std::optional<std::string> TextMid8(std::string_view t, std::size_t f, std::size_t c) {
  return Mid<std::string>(t, f, c);
}
int TextCompare8(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x != y) return x > y ? 1 : 255;
  }
  return 0;
}
std::size_t TextFind8(std::string_view t, std::string_view p, std::size_t from) { return Find(t, p, from); }
std::size_t TextCount8(std::string_view t, std::string_view p) { return Count(t, p); }

}  // namespace zuvo
