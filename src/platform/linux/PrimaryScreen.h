#pragma once

#include "platform/Platform.h"

class PrimaryScreen : public Screen {
public:
    QRect geometry() const override;
};
