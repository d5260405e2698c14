#pragma once

#include "platform/SystemAppearance.h"

namespace testing {

class FakeSystemAppearance final : public platform::SystemAppearance {
public:
    explicit FakeSystemAppearance(QString style = {}) : style(std::move(style)) {}
    QString interfaceStyle() const override { return style; }
    QString style;
};

} // namespace testing
