#include "shell/report_run.h"

#include "archive/language_list.h"
#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "output/rtf_writer.h"
#include "people/user_log.h"
#include "platform/platform.h"
#include "shell/report_state.h"
#include "shell/settings.h"

#include <cstdio>

namespace {

void showError(const std::string& text) {
    platform::messageBox(text.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONSTOP);
}

// A language index that no archive answers would make every report fail
// without a word; say why instead.
bool languageAvailable(const ProgramFolders& where) {
    if (languageCount == 0) {
        showError("No report language is installed: there is no text archive (Text_*.arc) in " +
                  where.dataFolder + ".");
        return false;
    }
    if (settings.languageIndex < 0 || settings.languageIndex >= languageCount) {
        showError("The report language chosen earlier is no longer installed. Choose a language with the "
                  "Language button of the Preferences.");
        return false;
    }
    return true;
}

}  // namespace

bool canWriteFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    return std::fclose(file) == 0;
}

int makeReport(const ProgramFolders& where, void (*chartHandOff)()) {
    const bool chart = reportType == TYPE_COLOR_CHART || reportType == TYPE_COLOR_CHART + 1;
    if (chart) {
        chartHandOff();
    } else {
        if (!languageAvailable(where) || !openTextArchive()) return 0;
        // A folder that refuses the temporary files (read-only, full) is
        // something the user can mend: say so and keep the dialog open.
        const char* refused = !canWriteFile(where.listFile)         ? "Can't open ListFile"
                              : !canWriteFile(where.reportTextFile) ? "Can't open OutFile"
                                                                    : nullptr;
        if (refused) {
            closeTextArchive();
            showError(refused);
            return 0;
        }
        currentReportFile = where.listFile;
        reportTypes[reportType].composer();
        expandListFile(where.listFile, where.reportTextFile);
        currentReportFile = where.reportTextFile;
        closeTextArchive();
    }
    const bool nameReport = reportType == TYPE_NAME || reportType == TYPE_NAME + 1;
    if (!nameReport && settings.alwaysSaveBirthData == 1 && person1.birthFirst[0] != '\0')
        addPersonToUserLog(where.userLog, person1, false);
    return 1;
}

std::string saveReportAsRtf(platform::TextDevice& screen, const ProgramFolders& where) {
    platform::makeDirectory(where.dataFolder);
    platform::makeDirectory(platform::joinPath(where.dataFolder, "Reports"));
    const std::string rtfPath = reportFileName(where.dataFolder, reportType, person1, "rtf");
    if (!canWriteFile(rtfPath)) {
        showError("Can't open .rtf file");
        return "";
    }
    writeRtfReport(screen, where.reportTextFile, rtfPath, reportType);
    currentReportFile = rtfPath;
    return rtfPath;
}
