// What the main program settles before its window exists: its folders and
// fixed paths, and whether it runs as itself, as setup or as removal.
#pragma once

#include <string>

struct ProgramFolders {
    std::string windowsFolder;
    std::string dataFolder;      // the Windows folder's drive and "\Tamsi"
    std::string programFolder;   // the data folder, once a normal start replaced it
    std::string programPath;     // the running program file, which may carry archives
    std::string settingsFile;    // Vek.ini
    std::string userLog;         // Users.vek
    std::string helpFile;        // Vek.hlp beside the program file as started
    std::string listFile;        // vekTemp1
    std::string reportTextFile;  // vekTemp2
};

// The folders of a program started from modulePath on a system whose Windows
// folder is windowsFolder; the program folder is still that of the file.
ProgramFolders resolveFolders(const std::string& windowsFolder, const std::string& modulePath);

// At a normal start the data folder takes the place of the program folder:
// the companion programs, the word processor and the logo are looked for there.
void useDataFolderAsProgramFolder(ProgramFolders& folders);

enum class StartMode { Program, Install, Remove };

// Setup when the program file's name contains "setup" (any letter case) or
// the command line holds "-i"; removal when it holds "-r".
StartMode decideStartMode(const std::string& modulePath, const std::string& commandLine);

extern ProgramFolders folders;
