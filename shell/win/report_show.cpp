#include "shell/win/report_show.h"

#include "compose/report_types.h"
#include "output/win/viewer.h"
#include "platform/text_device.h"
#include "shell/report_run.h"
#include "shell/report_state.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/win/app.h"
#include "shell/win/launchers.h"
#include "win/dialog_kit.h"
#include "win/gdi.h"

namespace {

void chartHandOff() { handChartOver(systemStarter(), folders); }

void showReport(HWND dialog) {
    if (reportType == TYPE_COLOR_CHART || reportType == TYPE_COLOR_CHART + 1) return;
    if (settings.viaWordProcessor == 0) {
        openViewer(dialog, app::mainTitle(), folders.reportTextFile);
        return;
    }
    win::CursorScope wait(LoadCursorA(nullptr, IDC_WAIT));
    const auto screen = platform::screenTextDevice();
    const std::string path = saveReportAsRtf(*screen, folders);
    // The word processor runs on its own; a failure has been said and the
    // document stays in the Reports folder.
    if (!path.empty()) openDocument(systemStarter(), path, folders);
}

}  // namespace

void generateReport(HWND dialog) {
    win::MessageOwnerScope owner(dialog);
    int made;
    {
        win::CursorScope wait(LoadCursorA(nullptr, IDC_WAIT));
        made = makeReport(folders, chartHandOff);
    }
    if (made) showReport(dialog);
}
