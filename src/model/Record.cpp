#include "model/Record.h"

#include "model/ModelContext.h"

namespace halvex {

Record::~Record() = default;

ModelContext *Record::modelContext() const
{
    return m_context.data();
}

void Record::didChange(const char *field)
{
    if (m_context)
        m_context->recordDidChange(*this, field);
}

} // namespace halvex
