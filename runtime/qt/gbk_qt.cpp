// Conversions through iconv between code page 936 and UTF-8.
#include "runtime/qt/gbk_qt.h"

#include <iconv.h>

#include <QByteArray>
#include <cerrno>

namespace kestrune::qt {
namespace {

// Converts all of input. What cannot be converted (a character the target lacks, a broken
// sequence) becomes '?': one UTF-8 character, or one byte of GBK.
std::string Convert(const char* to, const char* from, std::string_view input) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  std::string output(input.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t done = 0;
  const bool fromUtf8 = std::string_view(from) == "UTF-8";
  while (inLeft > 0) {
    char* out = output.data() + done;
    std::size_t outLeft = output.size() - done;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    done = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      output.resize(output.size() * 2);
    } else {  // EILSEQ or EINVAL: a character the other side cannot take, or a cut one
      std::size_t skip = 1;
      while (fromUtf8 && skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) {
        ++skip;
      }
      in += skip;
      inLeft -= skip;
      if (done == output.size()) output.resize(output.size() * 2);
      output[done++] = '?';
    }
  }
  iconv_close(converter);
  output.resize(done);
  return output;
}

}  // namespace

QString FromGbk(std::string_view gbk) {
  const std::string utf8 = Convert("UTF-8", "CP936", gbk);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToGbk(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Convert("CP936", "UTF-8", std::string_view(utf8.constData(), utf8.size()));
}

}  // namespace kestrune::qt
