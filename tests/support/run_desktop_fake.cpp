#include "support/run_desktop_fake.h"

#include "support/linhas_do_log.h"
#include "support/recording_progress_window.h"

namespace tvx::testing {

RunDesktop RunDesktopFake::desktop() {
    return RunDesktop{.messages = messages,
                      .messageLoop = loop,
                      .newProgressWindow = [this] { return std::make_unique<RecordingProgressWindow>(progresso); },
                      .viewDiagnostico =
                          [this](std::shared_ptr<ado::Recordset> log) {
                              ++viewerShows;
                              linhasNoViewer = log ? linhasDoLog(*log) : QStringList{QStringLiteral("Nothing")};
                          }};
}

}  // namespace tvx::testing
