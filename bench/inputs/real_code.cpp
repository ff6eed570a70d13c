#include "inputs/real_code.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string_view>

#include "inputs/utf8.h"

namespace veldrane::bench {

namespace {

bool IsNameUnit(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

// The words of a text: runs of letters, digits and "_"; `visit(begin, end)` for each.
template <typename Visit>
void ForEachWord(std::u16string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    if (!IsNameUnit(text[i])) {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    while (i < text.size() && IsNameUnit(text[i])) ++i;
    visit(begin, i);
  }
}

// The names that follow "Sub", "Function" or "Property Get/Let/Set" outside Declare and
// End or Exit lines: the routines the text declares.
std::set<std::u16string, std::less<>> DeclaredRoutines(std::u16string_view text) {
  std::set<std::u16string, std::less<>> names;
  std::vector<std::u16string_view> words;
  ForEachWord(text,
              [&](std::size_t begin, std::size_t end) { words.push_back(text.substr(begin, end - begin)); });
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    const std::u16string_view previous = i > 0 ? words[i - 1] : u"";
    if (previous == u"Declare" || previous == u"End" || previous == u"Exit") continue;
    std::size_t name = i + 1;
    if (words[i] == u"Property" && i + 2 < words.size()) {
      if (words[i + 1] != u"Get" && words[i + 1] != u"Let" && words[i + 1] != u"Set") continue;
      name = i + 2;
    } else if (words[i] != u"Sub" && words[i] != u"Function") {
      continue;
    }
    names.emplace(words[name]);
  }
  return names;
}

}  // namespace

std::u16string WithCrLf(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) out += u'\r';
    out += text[i];
  }
  return out;
}

namespace {

bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (NextUtf8(bytes, i) == 0xFFFD) return false;
  }
  return true;
}

}  // namespace

std::u16string GenerateRealCode(std::size_t target_units, const std::vector<std::u16string>& modules) {
  std::u16string joined;
  for (const std::u16string& module : modules) {
    joined += module;
    if (!joined.empty() && !joined.ends_with(u"\r\n")) joined += u"\r\n";
  }
  if (joined.empty()) return {};
  const auto routines = DeclaredRoutines(joined);
  std::u16string out;
  out.reserve(target_units + joined.size() + joined.size() / 8);
  for (std::size_t copy = 0; out.size() < target_units; ++copy) {
    std::u16string suffix = u"_";
    for (char c : std::to_string(copy)) suffix += static_cast<char16_t>(c);
    std::size_t done = 0;
    ForEachWord(joined, [&](std::size_t begin, std::size_t end) {
      if (!routines.contains(std::u16string_view(joined).substr(begin, end - begin))) return;
      out.append(joined, done, end - done);
      out += suffix;
      done = end;
    });
    out.append(joined, done);
  }
  return out;
}

std::vector<std::u16string> ReadModules(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    std::string extension = it->path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (it->is_regular_file() &&
        (extension == ".bas" || extension == ".cls" || extension == ".frm" || extension == ".ctl")) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  std::vector<std::u16string> modules;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    std::u16string units;
    if (IsUtf8(text)) {
      units = FromUtf8(text);
    } else {
      for (unsigned char byte : text) units += static_cast<char16_t>(byte);
    }
    modules.push_back(WithCrLf(units));
  }
  return modules;
}

}  // namespace veldrane::bench
