#pragma once
// The desktop of a run: a recording message box, a counting message loop,
// progress windows that log what they are told, and a viewer that keeps the
// log it was given.
#include "runs/run_desktop.h"
#include "support/fake_message_box.h"
#include "support/fake_message_loop.h"

#include <QStringList>

namespace tvx::testing {

struct RunDesktopFake {
    FakeMessageBox messages;
    FakeMessageLoop loop;
    QStringList progresso;  // what the progress windows were told
    int viewerShows = 0;
    // The log as the viewer got it, one "Linha|Estado|Descrição" per row; "Nothing" for no log.
    QStringList linhasNoViewer;

    RunDesktop desktop();
};

}  // namespace tvx::testing
