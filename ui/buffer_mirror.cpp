#include "ui/buffer_mirror.h"

#include <QStringEncoder>
#include <QStringView>
#include <algorithm>
#include <string>
#include <string_view>

#include "buffer/source_buffer.h"
#include "ui/text_area.h"

namespace veldrane {
namespace {

// The buffer's first units the control holds at least: a screenful of lines, usually.
constexpr int64_t kStartUnits = 8 * 1024;
// The whole text goes into the control in pieces of this many units.
constexpr int32_t kPieceUnits = 64 * 1024;
constexpr int32_t kPiecesBetween = 16;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }

}  // namespace

void BufferMirror::Begin() {
  if (active_) return;
  active_ = true;
  event_mask_ = control_.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
  control_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
  // The buffer holds the text now: the control's large document goes for the run.
  control_.NewDocument();
  control_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
  buffer_.SetEditListener([this](int32_t offset, int32_t, std::u16string_view) {
    if (offset < held_) outdated_ = true;
  });
  generation_ = buffer_.Generation();
  HoldStart(kStartUnits);
  Flush();
}

void BufferMirror::Flush() {
  if (!active_) return;
  if (buffer_.Generation() != generation_) {
    generation_ = buffer_.Generation();
    outdated_ = true;
  }
  if (outdated_) HoldStart(held_);
  while (held_ < buffer_.Length() && !CoversView()) HoldStart(std::max(2 * held_, kStartUnits));
}

void BufferMirror::End(const std::function<void()>& between) {
  if (!active_) return;
  active_ = false;
  buffer_.SetEditListener(nullptr);
  control_.NewDocument();
  control_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
  // Room for the text's UTF-8 at once, with some to spare for characters of several bytes: a
  // store grown at the end would hold the whole text twice while it is copied over.
  control_.SendScintilla(QsciScintillaBase::SCI_ALLOCATE,
                         static_cast<unsigned long>(buffer_.Length() + buffer_.Length() / 16));
  QStringEncoder encoder(QStringEncoder::Utf8);  // keeps a surrogate pair cut between pieces
  QByteArray bytes;
  const uint64_t generation = buffer_.Generation();
  for (int32_t at = 0; at < buffer_.Length() && buffer_.Generation() == generation; at += kPieceUnits) {
    const std::u16string units = buffer_.Substr(at + 1, kPieceUnits);
    bytes = encoder.encode(QStringView(units.data(), static_cast<qsizetype>(units.size())));
    control_.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uintptr_t>(bytes.size()),
                           bytes.constData());
    if (between && (at / kPieceUnits) % kPiecesBetween == kPiecesBetween - 1) between();
  }
  control_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1UL);
  control_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, static_cast<unsigned long>(event_mask_));
  held_ = 0;
  outdated_ = false;
}

void BufferMirror::HoldStart(int64_t units) {
  outdated_ = false;
  held_ = std::min<int64_t>(units, buffer_.Length());
  const auto held = static_cast<int32_t>(held_);
  // A cut between the halves of a CR LF or of a surrogate pair would leave the control a
  // different last line or a broken character.
  const bool divides_cr_lf = buffer_.At(held) == u'\r' && buffer_.At(held + 1) == u'\n';
  if (held > 0 && (divides_cr_lf || IsHighSurrogate(buffer_.At(held)))) ++held_;
  const std::u16string start = buffer_.Substr(1, static_cast<int32_t>(held_));
  const QByteArray bytes = QStringView(start.data(), static_cast<qsizetype>(start.size())).toUtf8();
  // Only the lines that differ are replaced: the control then lays out and paints only
  // those again.
  const std::string_view wanted(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const std::string_view shown = control_.Utf8();
  if (shown == wanted) return;
  const std::size_t common = std::min(shown.size(), wanted.size());
  const std::size_t same_front = static_cast<std::size_t>(
      std::mismatch(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(common), wanted.begin())
          .first -
      shown.begin());
  std::size_t same_back = 0;
  while (same_back < common - same_front &&
         shown[shown.size() - 1 - same_back] == wanted[wanted.size() - 1 - same_back])
    ++same_back;
  // Whole lines are replaced: the range starts behind a line break and ends behind one.
  const std::size_t front = shown.substr(0, same_front).rfind('\n') + 1;  // 0 without one
  const std::size_t back_break = shown.find('\n', std::max<std::size_t>(shown.size() - same_back, 1) - 1);
  const std::size_t back = back_break == std::string_view::npos ? 0 : shown.size() - back_break - 1;
  control_.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(front),
                         static_cast<long>(shown.size() - back));
  control_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                         static_cast<uintptr_t>(wanted.size() - back - front), bytes.constData() + front);
}

bool BufferMirror::CoversView() const {
  const long last_in_view = control_.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE) +
                            control_.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
  return control_.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) > last_in_view + 1;
}

}  // namespace veldrane
