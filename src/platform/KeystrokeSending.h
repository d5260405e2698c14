#pragma once

#include <QtGlobal>

namespace platform {

// Posts a Command-key shortcut to one process.
class KeystrokeSending {
public:
    virtual ~KeystrokeSending() = default;

    // keyCode is a virtual key code of the keys below; true when both the
    // key-down and the key-up were posted.
    virtual bool send(quint16 keyCode, qint32 processIdentifier) = 0;
};

namespace keycode {
// Command+[ steps a browser tab back.
inline constexpr quint16 leftBracket = 33;
// Command+W closes a browser tab.
inline constexpr quint16 w = 13;
// Command+T opens a new browser tab.
inline constexpr quint16 t = 17;
} // namespace keycode

} // namespace platform
