#pragma once

#include "platform/Platform.h"

class MessageDialogs : public Dialogs {
public:
    void message(Icon icon, const QString& title, const QString& text) override;
    bool askYesNo(Icon icon, const QString& title, const QString& text) override;
    QString getOpenFileName(
        const QString& title, const QString& folder, const QString& filter) override;
};
