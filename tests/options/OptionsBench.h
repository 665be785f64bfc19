#pragma once

#include "Controls.h"
#include "TestApp.h"
#include "options/frmOptions.h"

#include <QPointer>

// The options dialog over a private AppDir, with the bar it talks to faked: the opacity the bar
// shows, how often it applied saved settings and how often it reloaded the favorites.
struct OptionsBench {
    TestApp app { false };
    int opacity = 200;
    int applied = 0;
    int reloaded = 0;
    QPointer<frmOptions> dialog;

    ~OptionsBench() { delete dialog.data(); }

    // The dialog shown as the bar opens it (it deletes itself when it closes).
    frmOptions* open()
    {
        const OptionsHost host { [this] { return opacity; },
            [this](bool on, int value) { opacity = on ? value : 255; }, [this] { ++applied; },
            [this] { ++reloaded; } };
        dialog = new frmOptions(app.context, host);
        dialog->show();
        return dialog;
    }
};
