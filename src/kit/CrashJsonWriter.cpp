#include "kit/CrashJsonWriter.h"

#include <cstring>

namespace fennimar {

namespace {

// The length of the valid UTF-8 sequence at `s`, or 0 when it is not one.
std::size_t utf8SequenceLength(const unsigned char *s, std::size_t available)
{
    const unsigned char lead = s[0];
    std::size_t length;
    unsigned minimum;
    unsigned code;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (length > available)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (s[i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

CrashJsonWriter::CrashJsonWriter(char *buffer, std::size_t capacity)
    : m_buffer(buffer)
    , m_capacity(capacity)
{}

void CrashJsonWriter::put(char c)
{
    if (!m_ok || m_size >= m_capacity) {
        m_ok = false;
        return;
    }
    m_buffer[m_size++] = c;
}

void CrashJsonWriter::put(const char *text, std::size_t length)
{
    if (!m_ok || length > m_capacity - m_size) {
        m_ok = false;
        return;
    }
    std::memcpy(m_buffer + m_size, text, length);
    m_size += length;
}

void CrashJsonWriter::putUnsigned(quint64 value)
{
    char digits[20];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value);
    while (n)
        put(digits[--n]);
}

void CrashJsonWriter::putEscape(unsigned codeUnit)
{
    static const char hex[] = "0123456789abcdef";
    const char text[6] = {'\\',
                          'u',
                          hex[(codeUnit >> 12) & 0xF],
                          hex[(codeUnit >> 8) & 0xF],
                          hex[(codeUnit >> 4) & 0xF],
                          hex[codeUnit & 0xF]};
    put(text, sizeof text);
}

void CrashJsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_depth > 0) {
        if (m_hasElement[m_depth - 1])
            put(',');
        m_hasElement[m_depth - 1] = true;
    }
}

void CrashJsonWriter::beginObject()
{
    separate();
    put('{');
    if (m_depth >= maxDepth) {
        m_ok = false;
        return;
    }
    m_hasElement[m_depth++] = false;
}

void CrashJsonWriter::endObject()
{
    put('}');
    if (m_depth > 0)
        --m_depth;
}

void CrashJsonWriter::beginArray()
{
    separate();
    put('[');
    if (m_depth >= maxDepth) {
        m_ok = false;
        return;
    }
    m_hasElement[m_depth++] = false;
}

void CrashJsonWriter::endArray()
{
    put(']');
    if (m_depth > 0)
        --m_depth;
}

void CrashJsonWriter::key(const char *name)
{
    string(name);
    put(':');
    m_afterKey = true;
}

void CrashJsonWriter::string(const char *text)
{
    string(text, text ? std::strlen(text) : 0);
}

void CrashJsonWriter::string(const char *text, std::size_t length)
{
    separate();
    put('"');
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char c = bytes[i];
        if (c == '"' || c == '\\') {
            put('\\');
            put(char(c));
            ++i;
        } else if (c < 0x20) {
            switch (c) {
            case '\n':
                put("\\n", 2);
                break;
            case '\t':
                put("\\t", 2);
                break;
            case '\r':
                put("\\r", 2);
                break;
            default:
                putEscape(c);
            }
            ++i;
        } else {
            const std::size_t n = utf8SequenceLength(bytes + i, length - i);
            if (n == 0) {
                putEscape(0xFFFD);
                ++i;
            } else {
                put(text + i, n);
                i += n;
            }
        }
    }
    put('"');
}

void CrashJsonWriter::number(qint64 value)
{
    separate();
    if (value < 0) {
        put('-');
        // Negating in unsigned arithmetic is defined for the smallest value too.
        putUnsigned(0 - quint64(value));
    } else {
        putUnsigned(quint64(value));
    }
}

void CrashJsonWriter::unsignedNumber(quint64 value)
{
    separate();
    putUnsigned(value);
}

} // namespace fennimar
