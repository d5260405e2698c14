#pragma once

#include <cstdlib>
#include <memory>

namespace platform {

// xcb hands replies over as malloc'ed memory: this owns one and frees it.
template <class T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> XcbReply<T> xcbReply(T *reply)
{
    return XcbReply<T>(reply, &std::free);
}

} // namespace platform
