#include "AfxCodePage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One iconv conversion; an input sequence that cannot be converted is replaced
// by `replacement` and skipped (`skip` tells how many input bytes it has).
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
        if (m_cd == iconv_t(-1))
            throw std::invalid_argument(std::string("unknown code page: ") + to + " / " + from);
    }
    ~Converter() { iconv_close(m_cd); }

    template <class Skip>
    std::string run(const std::string& input, const std::string& replacement, Skip skip)
    {
        std::string out;
        char* in = const_cast<char*>(input.data());
        size_t left = input.size();
        char buffer[4096];
        while (left > 0) {
            char* o = buffer;
            size_t room = sizeof buffer;
            const size_t r = iconv(m_cd, &in, &left, &o, &room);
            out.append(buffer, size_t(o - buffer));
            if (r == size_t(-1) && errno != E2BIG) {
                out += replacement; // EILSEQ or EINVAL: an unconvertible or cut sequence
                const size_t n = std::min(left, skip(static_cast<unsigned char>(*in)));
                in += n;
                left -= n;
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t m_cd;
};

size_t utf8Length(unsigned char lead)
{
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

} // namespace

std::string AfxToCodePage(const CString& text, const char* codePage)
{
    Converter c(codePage, "UTF-8");
    return c.run(text.ToStdString(), "?", utf8Length);
}

CString AfxFromCodePage(const std::string& bytes, const char* codePage)
{
    Converter c("UTF-8", codePage);
    return CString(c.run(bytes, "\xEF\xBF\xBD", [](unsigned char) { return size_t(1); }));
}
