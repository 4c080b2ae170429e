#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lesson::web {

// The messages that cross between the lesson's C++ and the page, declared
// once with named fields. A message crosses as numbers, its fields in the
// order declared here; the page's packing and unpacking are written from
// these declarations as the lesson is built (tools/Contract.cpp), and the
// C++ reads and writes fields by name through Record and Received, so that
// no side lists the order by hand.

enum class FieldType {
  kNumber,     // any number
  kFlag,       // true or false, as 1 or 0
  kMaybe,      // a number, or nothing (NaN)
  kMaybeFlag,  // true, false or nothing
  kText,       // a text: from the C++, its address (0 for nothing); to the C++, its
               // length in UTF-8 bytes, the texts following the numbers one after
               // another
};

struct Field {
  std::string_view name;
  FieldType type = FieldType::kNumber;
};

struct Message {
  std::string_view name;
  int id;  // its number where it is one of a family (operations, events)
  std::span<const Field> fields;
};

// A field's name as a template argument: Record<kStroke>::Set<"x1">.
template <std::size_t N>
struct FieldName {
  char text[N];
  consteval FieldName(const char (&name)[N]) { std::copy_n(name, N, text); }
  constexpr std::string_view View() const { return {text, N - 1}; }
};

// The field's place in the message. A name the message lacks is no
// constant: the build fails.
consteval std::size_t SlotOf(const Message& m, std::string_view name) {
  for (std::size_t i = 0; i < m.fields.size(); ++i) {
    if (m.fields[i].name == name)
      return i;
  }
  throw "no such field";
}

consteval FieldType TypeOf(const Message& m, std::string_view name) {
  return m.fields[SlotOf(m, name)].type;
}

// A message the C++ writes, field by field.
template <const Message& M>
class Record {
 public:
  template <FieldName N>
  void Set(double value) {
    static_assert(TypeOf(M, N.View()) == FieldType::kNumber ||
                  TypeOf(M, N.View()) == FieldType::kMaybe);
    values_[SlotOf(M, N.View())] = value;
  }
  template <FieldName N>
  void Set(bool value) {
    static_assert(TypeOf(M, N.View()) == FieldType::kFlag ||
                  TypeOf(M, N.View()) == FieldType::kMaybeFlag);
    values_[SlotOf(M, N.View())] = value ? 1 : 0;
  }
  template <FieldName N, class T>
  void Set(const std::optional<T>& value) {
    static_assert(TypeOf(M, N.View()) == FieldType::kMaybe ||
                  TypeOf(M, N.View()) == FieldType::kMaybeFlag);
    if (value)
      Set<N>(*value);
    else
      values_[SlotOf(M, N.View())] = std::nan("");
  }
  // A text stays where it is until the page has taken the record.
  template <FieldName N>
  void Set(const char* text) {
    static_assert(TypeOf(M, N.View()) == FieldType::kText);
    values_[SlotOf(M, N.View())] = static_cast<double>(reinterpret_cast<std::uintptr_t>(text));
  }

  const double* data() const { return values_.data(); }
  // An operation of a list: its number, then its fields.
  void AppendTo(std::vector<double>& list) const {
    list.push_back(M.id);
    list.insert(list.end(), values_.begin(), values_.end());
  }

 private:
  // Every field starts as nothing, or 0.
  static constexpr std::array<double, M.fields.size()> Empty() {
    std::array<double, M.fields.size()> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
      const FieldType t = M.fields[i].type;
      values[i] = t == FieldType::kMaybe || t == FieldType::kMaybeFlag
                      ? std::numeric_limits<double>::quiet_NaN()
                      : 0;
    }
    return values;
  }
  std::array<double, M.fields.size()> values_ = Empty();
};

// A message the page wrote: its numbers, and its texts one after another.
template <const Message& M>
class Received {
 public:
  Received(std::span<const double> numbers, std::string_view texts)
      : numbers_(numbers), texts_(texts) {}

  template <FieldName N>
  double Number() const {
    static_assert(TypeOf(M, N.View()) == FieldType::kNumber);
    return At(SlotOf(M, N.View()));
  }
  template <FieldName N>
  bool Flag() const {
    static_assert(TypeOf(M, N.View()) == FieldType::kFlag);
    return At(SlotOf(M, N.View())) != 0;
  }
  template <FieldName N>
  std::string_view Text() const {
    static_assert(TypeOf(M, N.View()) == FieldType::kText);
    std::size_t start = 0;
    for (std::size_t i = 0; i < SlotOf(M, N.View()); ++i) {
      if (M.fields[i].type == FieldType::kText)
        start += Length(i);
    }
    start = std::min(start, texts_.size());
    return texts_.substr(start, Length(SlotOf(M, N.View())));
  }

 private:
  double At(std::size_t slot) const {
    return slot < numbers_.size() && std::isfinite(numbers_[slot]) ? numbers_[slot] : 0;
  }
  std::size_t Length(std::size_t slot) const {
    const double n = At(slot);
    return n > 0 && n < 1e9 ? static_cast<std::size_t>(n) : 0;
  }

  std::span<const double> numbers_;
  std::string_view texts_;
};

}  // namespace lesson::web
