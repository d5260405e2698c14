#include "engine/NotificationHub.h"

namespace halvex {

NotificationHub &NotificationHub::shared()
{
    static NotificationHub hub;
    return hub;
}

} // namespace halvex
