#include "shell/startup.h"

#include <algorithm>
#include <cctype>

ProgramFolders folders;

namespace {
// Paths of the Windows programs are joined the Windows way on every build.
std::string join(const std::string& folder, const char* name) { return folder + "\\" + name; }
}  // namespace

ProgramFolders resolveFolders(const std::string& windowsFolder, const std::string& modulePath) {
    ProgramFolders f;
    f.windowsFolder = windowsFolder;
    f.dataFolder = windowsFolder.substr(0, 2) + "\\Tamsi";
    const std::size_t cut = modulePath.find_last_of("\\:");
    f.programFolder = cut == std::string::npos ? std::string() : modulePath.substr(0, cut);
    f.programPath = modulePath;
    f.settingsFile = join(f.dataFolder, "Vek.ini");
    f.userLog = join(f.dataFolder, "Users.vek");
    f.helpFile = join(f.programFolder, "Vek.hlp");
    f.listFile = join(f.dataFolder, "vekTemp1");
    f.reportTextFile = join(f.dataFolder, "vekTemp2");
    return f;
}

void useDataFolderAsProgramFolder(ProgramFolders& f) { f.programFolder = f.dataFolder; }

StartMode decideStartMode(const std::string& modulePath, const std::string& commandLine) {
    const std::size_t cut = modulePath.find_last_of("\\/:");
    std::string fileName = cut == std::string::npos ? modulePath : modulePath.substr(cut + 1);
    std::transform(fileName.begin(), fileName.end(), fileName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (fileName.find("setup") != std::string::npos || commandLine.find("-i") != std::string::npos)
        return StartMode::Install;
    if (commandLine.find("-r") != std::string::npos) return StartMode::Remove;
    return StartMode::Program;
}
