#include "model/SchemaV1.h"

#include "model/AppSettings.h"
#include "model/BypassUsage.h"
#include "model/Streak.h"
#include "model/Tombstone.h"
#include "model/TriggerEvent.h"
#include "model/UsageSession.h"
#include "model/WhyAnswer.h"

namespace halvex {

const Schema &SchemaV1::schema()
{
    static const Schema s{QStringLiteral("1.0.0"),
                          {&Streak::schema(), &Tombstone::schema(), &TriggerEvent::schema(),
                           &WhyAnswer::schema(), &BypassUsage::schema(), &AppSettings::schema(),
                           &UsageSession::schema()}};
    return s;
}

} // namespace halvex
