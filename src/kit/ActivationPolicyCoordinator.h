#pragma once

#include <memory>
#include <optional>

#include "kit/ActivationPolicy.h"

namespace fennimar {

// A counted switch to the regular activation policy: the application runs as
// a regular one while at least one of its windows holds it, and goes back to
// the policy it had before when the last hold is given back. Each holder
// acquires once when its window shows and releases once when it goes.
// Main thread only.
class ActivationPolicyCoordinator final {
public:
    // Without a backend the coordinator drives the live one of this desktop.
    explicit ActivationPolicyCoordinator(
        std::shared_ptr<ActivationPolicyBackend> backend = nullptr);
    ~ActivationPolicyCoordinator();
    ActivationPolicyCoordinator(const ActivationPolicyCoordinator &) = delete;
    ActivationPolicyCoordinator &operator=(const ActivationPolicyCoordinator &) = delete;

    static ActivationPolicyCoordinator &shared();

    void acquire();
    // A release without a hold outstanding changes nothing.
    void release();

    int refCount() const { return m_refCount; }
    // The policy found when the first outstanding hold was taken.
    const std::optional<ActivationPolicy> &priorPolicy() const { return m_priorPolicy; }
    ActivationPolicyBackend &backend() const { return *m_backend; }

private:
    std::shared_ptr<ActivationPolicyBackend> m_backend;
    int m_refCount = 0;
    std::optional<ActivationPolicy> m_priorPolicy;
};

} // namespace fennimar
