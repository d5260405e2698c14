#include "platform/X11KeystrokeSender.h"

#include <optional>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include "platform/Log.h"
#include "platform/XcbReply.h"

namespace platform {

namespace {

struct Chord {
    xcb_keysym_t modifier;
    xcb_keysym_t key;
};

constexpr xcb_keysym_t keysymControlL = 0xffe3;
constexpr xcb_keysym_t keysymAltL = 0xffe9;
constexpr xcb_keysym_t keysymLeft = 0xff51;
constexpr xcb_keysym_t keysymT = 0x0074;
constexpr xcb_keysym_t keysymW = 0x0077;

std::optional<Chord> chordFor(quint16 keyCode)
{
    switch (keyCode) {
    case keycode::leftBracket:
        return Chord{keysymAltL, keysymLeft};
    case keycode::w:
        return Chord{keysymControlL, keysymW};
    case keycode::t:
        return Chord{keysymControlL, keysymT};
    default:
        return std::nullopt;
    }
}

// The first key that produces keysym, unshifted if any does.
std::optional<xcb_keycode_t> keycodeFor(xcb_connection_t *c, xcb_keysym_t keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = xcbReply(xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, xcb_keycode_t(first), uint8_t(count)), nullptr));
    if (!mapping)
        return std::nullopt;
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKey = mapping->keysyms_per_keycode;
    for (int column = 0; column < perKey; ++column) {
        for (int k = 0; k < count; ++k) {
            if (syms[k * perKey + column] == keysym)
                return xcb_keycode_t(first + k);
        }
    }
    return std::nullopt;
}

bool post(xcb_connection_t *c, uint8_t type, xcb_keycode_t key)
{
    return !xcbReply(xcb_request_check(
        c, xcb_test_fake_input_checked(c, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0)));
}

} // namespace

bool X11KeystrokeSender::send(quint16 keyCode, qint32 processIdentifier)
{
    if (!m_isTrusted()) {
        log::triggers().info("keystroke skipped: Accessibility not granted");
        return false;
    }
    QMutexLocker lock(&m_mutex);
    xcb_connection_t *c = m_connection.connection();
    const std::optional<Chord> chord = chordFor(keyCode);
    std::optional<xcb_keycode_t> modifier;
    std::optional<xcb_keycode_t> key;
    if (m_connection.isValid() && chord && xcb_get_extension_data(c, &xcb_test_id) &&
        xcb_get_extension_data(c, &xcb_test_id)->present) {
        modifier = keycodeFor(c, chord->modifier);
        key = keycodeFor(c, chord->key);
    }
    if (!modifier || !key) {
        log::triggers().error("keystroke failed: CGEvent could not be created");
        return false;
    }
    const std::optional<X11Connection::Window> active = m_connection.activeWindow();
    const std::optional<qint32> owner =
        active ? m_connection.processIdentifier(*active) : std::nullopt;
    if (owner != processIdentifier) {
        log::triggers().info("keystroke skipped: process %d does not own the active window",
                             {processIdentifier});
        return false;
    }
    // The modifier is held around the key alone, so the chord carries it
    // and nothing else we add.
    const bool posted = post(c, XCB_KEY_PRESS, *modifier) && post(c, XCB_KEY_PRESS, *key) &&
                        post(c, XCB_KEY_RELEASE, *key);
    const bool released = post(c, XCB_KEY_RELEASE, *modifier);
    return posted && released;
}

} // namespace platform
