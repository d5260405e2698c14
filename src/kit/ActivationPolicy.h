#pragma once

namespace fennimar {

// How the application presents itself on the desktop. A regular application
// shows in the task bar and may take the focus like any other; an accessory
// keeps out of the task bar and lives in its status item.
enum class ActivationPolicy { regular, accessory, prohibited };

// The desktop's side of the activation policy.
class ActivationPolicyBackend {
public:
    virtual ~ActivationPolicyBackend() = default;
    virtual ActivationPolicy activationPolicy() const = 0;
    virtual void setActivationPolicy(ActivationPolicy policy) = 0;
};

} // namespace fennimar
