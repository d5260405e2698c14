#include "kit/ActivationPolicyCoordinator.h"

#include "kit/TaskbarActivationPolicy.h"

namespace fennimar {

ActivationPolicyCoordinator::ActivationPolicyCoordinator(
    std::shared_ptr<ActivationPolicyBackend> backend)
    : m_backend(backend ? std::move(backend) : std::make_shared<TaskbarActivationPolicy>())
{}

ActivationPolicyCoordinator::~ActivationPolicyCoordinator() = default;

ActivationPolicyCoordinator &ActivationPolicyCoordinator::shared()
{
    static ActivationPolicyCoordinator coordinator;
    return coordinator;
}

void ActivationPolicyCoordinator::acquire()
{
    if (++m_refCount != 1)
        return;
    const ActivationPolicy current = m_backend->activationPolicy();
    m_priorPolicy = current;
    if (current != ActivationPolicy::regular)
        m_backend->setActivationPolicy(ActivationPolicy::regular);
}

void ActivationPolicyCoordinator::release()
{
    if (m_refCount <= 0)
        return;
    if (--m_refCount != 0)
        return;
    if (m_priorPolicy && *m_priorPolicy != ActivationPolicy::regular)
        m_backend->setActivationPolicy(*m_priorPolicy);
    m_priorPolicy.reset();
}

} // namespace fennimar
