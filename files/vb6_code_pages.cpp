#include "files/vb6_code_pages.h"

namespace veldrane::files {
namespace {

constexpr Vb6CodePage kCodePages[] = {
    {1252, "windows-1252", 0, nullptr},   {1250, "windows-1250", 238, nullptr},
    {1251, "windows-1251", 204, nullptr}, {1253, "windows-1253", 161, nullptr},
    {1254, "windows-1254", 162, nullptr}, {1255, "windows-1255", 177, nullptr},
    {1256, "windows-1256", 178, nullptr}, {1257, "windows-1257", 186, nullptr},
    {1258, "windows-1258", 163, nullptr}, {932, "Shift_JIS", 128, nullptr},
    {936, "GBK", 134, nullptr},           {950, "Big5", 136, nullptr},
    {949, "windows-949", 129, nullptr},   {874, "windows-874", 222, "tis-620"},
};

}  // namespace

std::span<const Vb6CodePage> Vb6CodePages() { return kCodePages; }

const Vb6CodePage* Vb6CodePageNamed(const QString& name) {
  const QString wanted = name.toLower();
  for (const Vb6CodePage& page : kCodePages) {
    const QString number = QString::number(page.number);
    if (wanted == QString::fromLatin1(page.name).toLower() || wanted == "windows-" + number ||
        wanted == "cp" + number || wanted == "ms" + number ||
        (page.alias && wanted == QLatin1String(page.alias)))
      return &page;
  }
  return nullptr;
}

const Vb6CodePage* Vb6CodePageOfCharset(int charset) {
  for (const Vb6CodePage& page : kCodePages)
    if (page.font_charset != 0 && page.font_charset == charset) return &page;
  return nullptr;
}

}  // namespace veldrane::files
