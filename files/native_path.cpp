#include "files/native_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/text_encoding.h"

namespace veldrane::files {
namespace {

constexpr char16_t kEscapedByteBase = 0xDC00;

void AppendEscapedByte(QString& out, unsigned char byte) {
  switch (byte) {
    case '\n':
      out += QLatin1String("\\n");
      return;
    case '\r':
      out += QLatin1String("\\r");
      return;
    case '\t':
      out += QLatin1String("\\t");
      return;
    default:
      out += QLatin1String("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
  }
}

}  // namespace

QString DisplayPath(QByteArrayView path) { return DisplayText(ArgumentFromNative(path)); }

QString DisplayText(QStringView text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    const bool pair = QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(unit, text[i + 1].unicode()) : char32_t(unit);
    if (c < 0x20 || c == 0x7F) {
      AppendEscapedByte(out, static_cast<unsigned char>(c));
    } else if (c >= 0x80 && c < 0xA0) {
      AppendEscapedByte(out, static_cast<unsigned char>(0xC0 | (c >> 6)));
      AppendEscapedByte(out, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else if (c >= kEscapedByteBase + 0x80 && c <= kEscapedByteBase + 0xFF) {
      AppendEscapedByte(out, static_cast<unsigned char>(c - kEscapedByteBase));
    } else if (QChar::isSurrogate(c) || QChar::category(c) == QChar::Other_Format || c == 0x2028 ||
               c == 0x2029) {
      out += QLatin1String("\\u") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
    } else {
      out += text.sliced(i, pair ? 2 : 1);
    }
    if (pair) ++i;
  }
  return out;
}

QString ArgumentFromNative(QByteArrayView bytes) {
  QString out;
  for (qsizetype i = 0; i < bytes.size();) {
    const qsizetype len = Utf8SequenceLength(bytes, i);
    if (len == 0) {
      out += QChar(char16_t(kEscapedByteBase + static_cast<unsigned char>(bytes[i])));
      ++i;
    } else {
      // QString::fromUtf8 would drop U+FEFF as a byte order mark.
      const QByteArrayView sequence = bytes.sliced(i, len);
      out +=
          sequence == QByteArrayView("\xEF\xBB\xBF") ? QString(QChar(0xFEFF)) : QString::fromUtf8(sequence);
      i += len;
    }
  }
  return out;
}

QByteArray NativeFromArgument(QStringView argument) {
  QByteArray out;
  qsizetype run = 0;  // start of the characters not yet appended
  for (qsizetype i = 0; i < argument.size(); ++i) {
    const char16_t unit = argument[i].unicode();
    if (unit < kEscapedByteBase + 0x80 || unit > kEscapedByteBase + 0xFF) continue;
    out += argument.sliced(run, i - run).toUtf8();
    out += char(unit - kEscapedByteBase);
    run = i + 1;
  }
  out += argument.sliced(run).toUtf8();
  return out;
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  Reset(std::exchange(other.fd_, -1));
  return *this;
}

void UniqueFd::Reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

QString SystemMessage(int error) {
  char buffer[256];
  // The GNU strerror_r returns the message, which need not be in `buffer`.
  return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

OpenedDirectory OpenDirectory(int base, QByteArrayView path, const DirectoryOpening& how) {
  OpenedDirectory out;
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (how.follow_links ? 0 : O_NOFOLLOW);
  UniqueFd current;
  int at = base;
  qsizetype start = 0;
  if (path.startsWith('/')) {
    current.Reset(::open("/", flags));
    at = current.Get();
    start = 1;
  } else {
    current.Reset(::openat(base, ".", flags));
    at = current.Get();
  }
  if (!current.Valid()) {
    out.error = errno;
    out.failed = path.startsWith('/') ? QByteArray("/") : QByteArray(".");
    return out;
  }
  while (start <= path.size()) {
    qsizetype end = path.indexOf('/', start);
    if (end < 0) end = path.size();
    const QByteArray component = path.sliced(start, end - start).toByteArray();
    const QByteArray so_far = path.first(end).toByteArray();
    start = end + 1;
    if (component.isEmpty() || component == ".") continue;
    int fd = ::openat(at, component.constData(), flags);
    if (fd < 0 && errno == ENOENT && how.create) {
      if (::mkdirat(at, component.constData(), 0777) != 0 && errno != EEXIST) {
        out.error = errno;
        out.failed = so_far;
        return out;
      }
      fd = ::openat(at, component.constData(), flags);
    }
    if (fd < 0) {
      out.error = errno;
      out.failed = so_far;
      struct stat st {};
      out.is_link = !how.follow_links &&
                    ::fstatat(at, component.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                    S_ISLNK(st.st_mode);
      return out;
    }
    current.Reset(fd);
    at = fd;
  }
  out.fd = std::move(current);
  return out;
}

int StatPath(const QByteArray& path, bool follow_links, struct stat* st) {
  const auto [directory, name] = SplitPath(path);
  const OpenedDirectory opened = OpenDirectory(AT_FDCWD, directory, {.create = false, .follow_links = true});
  if (!opened.fd.Valid()) return opened.error;
  if (::fstatat(opened.fd.Get(), name.constData(), st, follow_links ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
    return errno;
  return 0;
}

std::pair<QByteArray, QByteArray> SplitPath(const QByteArray& path) {
  QByteArray trimmed = path;
  while (trimmed.size() > 1 && trimmed.endsWith('/')) trimmed.chop(1);
  if (trimmed == "/") return {"/", "."};
  const qsizetype slash = trimmed.lastIndexOf('/');
  if (slash < 0) return {".", trimmed};
  return {slash == 0 ? QByteArray("/") : trimmed.left(slash), trimmed.mid(slash + 1)};
}

QByteArray JoinPath(const QByteArray& directory, const QByteArray& relative) {
  if (directory.isEmpty()) return relative;
  return directory.endsWith('/') ? directory + relative : directory + '/' + relative;
}

}  // namespace veldrane::files
