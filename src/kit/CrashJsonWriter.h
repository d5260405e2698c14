#pragma once

#include <cstddef>

#include <QtGlobal>

namespace fennimar {

// Writes compact JSON into a buffer it is given, without allocating, so
// that a crash record can be written from inside a signal handler. Strings
// are escaped; bytes that are not valid UTF-8 become U+FFFD. Once a write
// would not fit, the writer fails and writes nothing more.
class CrashJsonWriter final {
public:
    CrashJsonWriter(char *buffer, std::size_t capacity);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // An object's key; the value follows.
    void key(const char *name);
    void string(const char *text, std::size_t length);
    void string(const char *text);
    void number(qint64 value);
    void unsignedNumber(quint64 value);

    bool ok() const { return m_ok; }
    std::size_t size() const { return m_size; }
    const char *data() const { return m_buffer; }

private:
    void separate();
    void put(char c);
    void put(const char *text, std::size_t length);
    void putUnsigned(quint64 value);
    void putEscape(unsigned codeUnit);

    static constexpr int maxDepth = 8;
    char *m_buffer;
    std::size_t m_capacity;
    std::size_t m_size = 0;
    bool m_ok = true;
    int m_depth = 0;
    // Per nesting level: whether the container has an element yet.
    bool m_hasElement[maxDepth] = {};
    bool m_afterKey = false;
};

} // namespace fennimar
