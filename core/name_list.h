#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace veldrane {

// A growable list of names indexed from 0. A name whose code units all lie below U+0100 is
// kept at one byte a unit: a routine name can run over thousands of lines, and the names
// together can hold more units than the text.
class NameList {
 public:
  NameList() = default;
  NameList(std::initializer_list<std::u16string_view> names);
  NameList(const std::vector<std::u16string>& names);  // NOLINT(google-explicit-constructor)

  std::size_t size() const { return entries_.size(); }
  bool IsEmpty(std::size_t index) const {
    return entries_[index].narrow.empty() && entries_[index].wide.empty();
  }
  // A copy of the name at `index`.
  std::u16string operator[](std::size_t index) const;
  std::vector<std::u16string> Entries() const;

  void Set(std::size_t index, std::u16string_view name);
  void Append(std::u16string_view name);
  void Resize(std::size_t size) { entries_.resize(size); }

  friend bool operator==(const NameList& a, const NameList& b) { return a.Entries() == b.Entries(); }

 private:
  struct Entry {
    std::string narrow;   // the units of a name without one above U+00FF
    std::u16string wide;  // any other name
  };
  std::vector<Entry> entries_;
};

}  // namespace veldrane
