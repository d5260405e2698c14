#pragma once

namespace fennimar {

// How a popover goes away: only a transient one closes when the user turns
// to something else.
enum class PopoverBehavior { applicationDefined = 0, transient = 1, semitransient = 2 };

// The status item's popover as the support library handles it.
class Popover {
public:
    virtual ~Popover() = default;

    virtual bool isShown() const = 0;
    virtual PopoverBehavior behavior() const = 0;
    virtual void performClose() = 0;
};

} // namespace fennimar
