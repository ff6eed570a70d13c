#include <cmath>
#include <cstdlib>
#include <string>

#include "vb/parser_impl.h"

namespace veldrane::vb {
namespace {

// &H / &O digits as an unsigned value; saturates instead of overflowing.
std::uint64_t RadixValue(std::u16string_view digits, int radix) {
  std::uint64_t v = 0;
  for (char16_t c : digits) {
    const int d = c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
    if (v > (UINT64_MAX >> 4)) return UINT64_MAX;
    v = v * radix + d;
  }
  return v;
}

}  // namespace

ExprPtr NumberLiteral(const Token& t) {
  auto e = std::make_unique<LiteralExpr>(t.line);
  e->source = t.text;
  if (t.suffix) e->source.push_back(t.suffix);
  const std::u16string_view text = t.text;
  const bool prefixed = !text.empty() && text[0] == u'&';
  LiteralKind kind;
  if (prefixed) {
    // &H and &O literals are Integer up to FFFF and Long up to FFFFFFFF, their bits taken
    // as two's complement (&HFFFF is -1); the & suffix makes &HFFFF& Long 65535.
    const bool hex = text.size() > 1 && (text[1] | 0x20) == u'h';
    const bool octal_marked = text.size() > 1 && (text[1] | 0x20) == u'o';
    const std::uint64_t v = RadixValue(text.substr(hex || octal_marked ? 2 : 1), hex ? 16 : 8);
    if (t.suffix == u'&' || (t.suffix == 0 && v > 0xFFFF)) {
      kind = LiteralKind::kLong;
      e->integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    } else {
      kind = LiteralKind::kInteger;
      e->integer = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    }
    e->number = static_cast<double>(e->integer);
    switch (t.suffix) {
      case u'!':
        kind = LiteralKind::kSingle;
        break;
      case u'#':
        kind = LiteralKind::kDouble;
        break;
      case u'@':
        kind = LiteralKind::kCurrency;
        break;
      default:
        break;
    }
  } else {
    std::string ascii;
    bool fraction = false;
    for (char16_t c : text) {
      if (c == u'.' || (c | 0x20) == u'e' || (c | 0x20) == u'd') fraction = true;
      ascii.push_back((c | 0x20) == u'd' ? 'e' : static_cast<char>(c));
    }
    e->number = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(e->number)) e->number = 0;
    if (fraction) {
      kind = LiteralKind::kDouble;
    } else if (e->number <= 32767) {
      kind = LiteralKind::kInteger;
    } else if (e->number <= 2147483647.0) {
      kind = LiteralKind::kLong;
    } else {
      kind = LiteralKind::kDouble;
    }
    switch (t.suffix) {
      case u'%':
        kind = LiteralKind::kInteger;
        break;
      case u'&':
        kind = LiteralKind::kLong;
        break;
      case u'!':
        kind = LiteralKind::kSingle;
        break;
      case u'#':
        kind = LiteralKind::kDouble;
        break;
      case u'@':
        kind = LiteralKind::kCurrency;
        break;
      default:
        break;
    }
    if (std::fabs(e->number) < 9.2e18) e->integer = static_cast<std::int64_t>(e->number);
  }
  e->literal_kind = kind;
  return e;
}

}  // namespace veldrane::vb
