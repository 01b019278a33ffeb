// Text conversions on Linux, through glibc's iconv.
#include "platform/text.h"

#include <cerrno>
#include <iconv.h>

namespace tv {
namespace {

// Converts with iconv; an unconvertible or incomplete sequence is replaced by
// `replacement` and its first byte skipped, so garbage never stops the output.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement)
{
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[256];
    while (src_left > 0) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, dst - buffer);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            out.append(replacement);
            ++src;
            --src_left;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string cp936_to_utf8(std::string_view cp936) { return convert("UTF-8", "CP936", cp936, "\xEF\xBF\xBD"); }

std::string utf8_to_cp936(std::string_view utf8) { return convert("CP936", "UTF-8", utf8, "?"); }

} // namespace tv
