#pragma once
// What the host's windows work with: the add-in opened for the company, the
// host's own session on the company, who is at the desk, and where the
// windows' placement is kept.
#include <QString>

namespace tvx::host_app {
class AddinObject;
class HostSession;
}  // namespace tvx::host_app

namespace tvx::host_gui {

class WindowPositions;

struct HostDesk {
    host_app::AddinObject& addin;
    host_app::HostSession& session;
    QString company;
    QString user;
    const WindowPositions& positions;
};

}  // namespace tvx::host_gui
