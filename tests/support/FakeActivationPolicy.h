#pragma once

#include <QList>

#include "kit/ActivationPolicy.h"

namespace testing {

// An activation policy that only remembers what it was told.
class FakeActivationPolicy final : public fennimar::ActivationPolicyBackend {
public:
    explicit FakeActivationPolicy(
        fennimar::ActivationPolicy policy = fennimar::ActivationPolicy::accessory)
        : policy(policy)
    {}
    fennimar::ActivationPolicy activationPolicy() const override { return policy; }
    void setActivationPolicy(fennimar::ActivationPolicy p) override
    {
        policy = p;
        changes << p;
    }

    fennimar::ActivationPolicy policy;
    // Every policy set, in order.
    QList<fennimar::ActivationPolicy> changes;
};

} // namespace testing
