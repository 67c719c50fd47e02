#include "shell/win/report_show.h"

#include "compose/report_types.h"
#include "output/win/viewer.h"
#include "platform/text_device.h"
#include "shell/report_run.h"
#include "shell/report_state.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/win/app.h"
#include "win/dialog_kit.h"
#include "win/gdi.h"

namespace {

void chartHandOff() { app::notAvailableYet(GetActiveWindow(), "Starting the ColorChromagraph chart program"); }

void showReport(HWND dialog) {
    if (reportType == TYPE_COLOR_CHART || reportType == TYPE_COLOR_CHART + 1) return;
    if (settings.viaWordProcessor == 0) {
        openViewer(dialog, app::mainTitle(), folders.reportTextFile);
        return;
    }
    std::string path;
    {
        win::CursorScope wait(LoadCursorA(nullptr, IDC_WAIT));
        const auto screen = platform::screenTextDevice();
        path = saveReportAsRtf(*screen, folders);
    }
    if (path.empty()) return;
    const std::string text = "The report was saved as\n" + path +
                             "\n\nOpening it in the word processor comes with a later version of the program.";
    win::inform(dialog, text.c_str(), "Report saved");
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
