#pragma once

#include "model/EntitySchema.h"

namespace halvex {

// The first (and so far only) version of the store's schema.
struct SchemaV1 {
    static const Schema &schema();
};

} // namespace halvex
