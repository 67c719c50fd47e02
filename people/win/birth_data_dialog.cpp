// The birth-data dialogs: filling the fields from the records, the checks
// with their messages, Recall and Save, Set Cycles, and Generate Report.
#include "people/win/birth_data_dialog.h"

#include "compose/report_types.h"
#include "engine/letters.h"
#include "people/birth_data_form.h"
#include "people/name_reading.h"
#include "people/person.h"
#include "people/user_log.h"
#include "people/win/user_list_dialog.h"
#include "shell/report_state.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "archive/win/language_dialog.h"
#include "shell/win/app.h"
#include "shell/win/char_map_dialog.h"
#include "shell/win/option_dialogs.h"
#include "shell/win/report_show.h"
#include "shell/win/resource.h"
#include "win/dialog_kit.h"

#include <cstring>

namespace {

enum { BIRTH_FIRST, BIRTH_MIDDLE, BIRTH_LAST, CURRENT_FIRST, CURRENT_LAST, MONTH, DAY, YEAR };

struct BirthDataDialog {
    int type;
    HWND dialog = nullptr;
};

const char* const NO_CYCLES_TEXT =
    "No cycles have been selected. Go to Select Topics and turn on one or more cycles before clicking Set Cycles "
    "to choose duration of selected cycles.";

bool isType(int type, int row) { return type == row || type == row + 1; }

// ---- the Y and W warning ----

INT_PTR CALLBACK ywWarningProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_YW_ACCEPT: EndDialog(dialog, IDC_YW_ACCEPT); return TRUE;
        case IDC_YW_EDIT:
        case IDCANCEL: EndDialog(dialog, IDC_YW_EDIT); return TRUE;
        case IDC_YW_HELP: app::showHelp(dialog, IDC_YW_HELP); return TRUE;
        }
        break;
    }
    return FALSE;
}

YwDecision askAboutYw(void* owner) {
    const INT_PTR answer = DialogBoxParamA(app::instance, "y_WarningDlg", static_cast<HWND>(owner), ywWarningProc, 0);
    return answer == IDC_YW_ACCEPT ? YwDecision::Accept : YwDecision::Edit;
}

// ---- reading and checking ----

// One name field into its record field; false after a refusal, or when the
// user chose to edit the names.
bool readName(HWND dialog, int field, char (&into)[NAME_SIZE], bool required, YwReading& reading,
              bool commasAllowed = false) {
    const std::string typed = win::fieldText(dialog, field, NAME_SIZE);
    const NameReadResult result = readNameField(typed.c_str(), into, required, settings.autoYW != 0, reading);
    if (result == NameReadResult::Edit) return false;
    if (result == NameReadResult::Comma && commasAllowed) return true;
    if (const char* message = nameReadMessage(result)) {
        win::refuse(dialog, field, message);
        return false;
    }
    return true;
}

unsigned fieldValue(HWND dialog, int field) { return dialogNumber(win::fieldText(dialog, field, 16).c_str()); }

bool checkPerson(HWND dialog, int first, PersonRecord& person) {
    YwReading reading;
    reading.ask = askAboutYw;
    reading.context = dialog;
    if (!readName(dialog, first + BIRTH_FIRST, person.birthFirst, true, reading) ||
        !readName(dialog, first + BIRTH_MIDDLE, person.birthMiddle, false, reading) ||
        !readName(dialog, first + BIRTH_LAST, person.birthLast, false, reading) ||
        !readName(dialog, first + CURRENT_FIRST, person.currentFirst, true, reading) ||
        !readName(dialog, first + CURRENT_LAST, person.currentLast, false, reading))
        return false;
    const DateCheck date = checkBirthDate(fieldValue(dialog, first + MONTH), fieldValue(dialog, first + DAY),
                                          fieldValue(dialog, first + YEAR), today, person);
    if (!date.message) return true;
    const int field = date.field == DateField::Month ? MONTH : date.field == DateField::Day ? DAY : YEAR;
    win::refuse(dialog, first + field, date.message);
    return false;
}

bool checkDiamondAge(HWND dialog) {
    if (diamondAgeAllowed(static_cast<unsigned>(settings.firstAge))) return true;
    win::refuse(dialog, IDC_AGE, MSG_DIAMOND_AGE);
    return false;
}

// ---- filling ----

void fillPerson(HWND dialog, int first, const PersonRecord& person) {
    win::setFieldText(dialog, first + BIRTH_FIRST, person.birthFirst);
    win::setFieldText(dialog, first + BIRTH_MIDDLE, person.birthMiddle);
    win::setFieldText(dialog, first + BIRTH_LAST, person.birthLast);
    win::setFieldText(dialog, first + CURRENT_FIRST, person.currentFirst);
    win::setFieldText(dialog, first + CURRENT_LAST, person.currentLast);
    win::setFieldNumber(dialog, first + MONTH, static_cast<unsigned>(person.birthMonth));
    win::setFieldNumber(dialog, first + DAY, static_cast<unsigned>(person.birthDay));
    win::setFieldNumber(dialog, first + YEAR, static_cast<unsigned>(person.birthYear));
}

void showDiamondAge(HWND dialog, unsigned month, unsigned day, unsigned year) {
    // No birth year yet gives no age rather than the year itself.
    const int age = year == 0 ? 0 : completedAge(today, static_cast<int>(month), static_cast<int>(day),
                                                 static_cast<int>(year));
    SetDlgItemInt(dialog, IDC_AGE, static_cast<UINT>(age), TRUE);
}

void fill(HWND dialog, int type) {
    if (isType(type, TYPE_NAME)) {
        for (int i = 0; i < PHRASE_COUNT; ++i)
            win::setFieldText(dialog, IDC_FIRST_PERSON + IDC_PHRASE_STEP * i, phraseList[i]);
        win::setChecked(dialog, IDC_INCLUDE_INTRO, settings.topicFlags[TOPIC_INTRO] != 0);
        return;
    }
    if (type == TYPE_EVERYDAY) {
        win::setFieldText(dialog, IDC_ADDRESS, phraseList[0]);
        win::setFieldText(dialog, IDC_PHONE, phraseList[1]);
        win::setFieldText(dialog, IDC_NINE_DIGITS, phraseList[2]);
        return;
    }
    fillPerson(dialog, IDC_FIRST_PERSON, person1);
    if (isType(type, TYPE_COMPATIBILITY)) {
        fillPerson(dialog, IDC_SECOND_PERSON, person2);
        settings.firstYear = today.todayYear;
        settings.lastYear = today.todayYear + 2;
    } else if (isType(type, TYPE_COLOR_CHART)) {
        settings.firstYear = today.todayYear;
        settings.firstAge = 0;
        win::setFieldNumber(dialog, IDC_CHART_YEAR, static_cast<unsigned>(settings.firstYear));
        win::setFieldNumber(dialog, IDC_AGE, 0);
        CheckRadioButton(dialog, IDC_COLOR_OFF, IDC_COLOR_ON, chartInColor ? IDC_COLOR_ON : IDC_COLOR_OFF);
    } else if (isType(type, TYPE_DIAMOND)) {
        showDiamondAge(dialog, static_cast<unsigned>(person1.birthMonth), static_cast<unsigned>(person1.birthDay),
                       static_cast<unsigned>(person1.birthYear));
    }
}

void limitFields(HWND dialog, int type) {
    for (int field = IDC_FIRST_PERSON; field <= IDC_FIRST_PERSON + IDC_PHRASE_STEP * PHRASE_COUNT; ++field)
        if (GetDlgItem(dialog, field)) win::limitField(dialog, field, NAME_SIZE - 1);
    if (!isType(type, TYPE_NAME) && type != TYPE_EVERYDAY)
        for (int first : {IDC_FIRST_PERSON, IDC_SECOND_PERSON})
            for (int part = MONTH; part <= YEAR; ++part)
                if (GetDlgItem(dialog, first + part)) win::limitField(dialog, first + part, part == YEAR ? 5 : 2);
}

void setTitle(HWND dialog, const std::string& title) {
    app::setMainTitle(title);
    SetWindowTextA(dialog, app::mainTitle());
}

// ---- commands ----

void onRecall(BirthDataDialog& state, bool second) {
    HWND dialog = state.dialog;
    if (!second) {
        if (runUserList(dialog)) fillPerson(dialog, IDC_FIRST_PERSON, person1);
        win::focusField(dialog, IDOK);
        return;
    }
    const PersonRecord kept = person1;
    if (runUserList(dialog)) {
        person2 = person1;
        // Only the second block is filled: what was typed for the first stays.
        fillPerson(dialog, IDC_SECOND_PERSON, person2);
    }
    person1 = kept;
}

// The checks of Generate Report for the people of the type; true when they pass.
bool checkPeople(BirthDataDialog& state) {
    HWND dialog = state.dialog;
    if (!checkPerson(dialog, IDC_FIRST_PERSON, person1)) return false;
    if (isType(state.type, TYPE_COMPATIBILITY) && !checkPerson(dialog, IDC_SECOND_PERSON, person2)) return false;
    if (isType(state.type, TYPE_DIAMOND)) {
        settings.firstAge = static_cast<std::int32_t>(fieldValue(dialog, IDC_AGE));
        return checkDiamondAge(dialog);
    }
    return true;
}

void onSave(BirthDataDialog& state, bool second) {
    win::focusField(state.dialog, IDOK);
    win::MessageOwnerScope owner(state.dialog);
    if (checkPeople(state)) addPersonToUserLog(folders.userLog, second ? person2 : person1, true);
}

void setLuckyRanges() {
    settings.firstYear = today.todayYear;
    settings.lastYear = today.todayYear + 2;
    settings.firstMonth = monthIndex(today.todayYear, today.todayMonth);
    settings.lastMonth = settings.firstMonth + 11;
}

void onSetCycles(BirthDataDialog& state) {
    cyclesChosen = 1;
    if (isType(state.type, TYPE_LUCKY)) {
        setLuckyRanges();
        runLuckyRangesDialog(state.dialog);
    } else if (state.type == TYPE_SHORT_PROFILES) {
        runRangesDialog(state.dialog);
    } else if (!cycleTopicOn()) {
        MessageBoxA(state.dialog, NO_CYCLES_TEXT, "No cycles needed", MB_OK | MB_ICONINFORMATION);
    } else {
        runRangesDialog(state.dialog);
    }
}

void generatePersonReport(BirthDataDialog& state) {
    HWND dialog = state.dialog;
    const char* title = reportTypes[state.type].title;
    if (!checkPerson(dialog, IDC_FIRST_PERSON, person1)) return;
    if (isType(state.type, TYPE_COMPATIBILITY)) {
        if (!checkPerson(dialog, IDC_SECOND_PERSON, person2)) return;
        setTitle(dialog, reportWindowTitle(title, person1.currentLast, person2.currentLast));
    } else {
        setTitle(dialog, reportWindowTitle(title, person1.currentLast));
    }
    // Unless the user set the cycles, the time ranges are asked for before
    // each report that has any; whatever the answer, the report runs.
    if (!cyclesChosen && isType(state.type, TYPE_LUCKY)) {
        setLuckyRanges();
        runLuckyRangesDialog(dialog);
    } else if (!cyclesChosen && (isType(state.type, TYPE_PROFILES) || state.type == TYPE_CHART_CALCULATOR) &&
               cycleTopicOn()) {
        runRangesDialog(dialog);
    }
    generateReport(dialog);
}

void generateChart(BirthDataDialog& state) {
    HWND dialog = state.dialog;
    if (!checkPerson(dialog, IDC_FIRST_PERSON, person1)) return;
    setTitle(dialog, reportWindowTitle(reportTypes[state.type].title, person1.currentLast));
    chartInColor = win::isChecked(dialog, IDC_COLOR_ON) ? 1 : 0;
    settings.firstYear = static_cast<std::int32_t>(fieldValue(dialog, IDC_CHART_YEAR));
    settings.firstAge = static_cast<std::int32_t>(fieldValue(dialog, IDC_AGE));
    generateReport(dialog);
}

void generateNameReport(BirthDataDialog& state) {
    HWND dialog = state.dialog;
    std::memset(phraseList, 0, sizeof phraseList);
    YwReading reading;
    reading.ask = askAboutYw;
    reading.context = dialog;
    // A name report's phrases never reach the user log, so commas are fine.
    for (int i = 0; i < PHRASE_COUNT; ++i)
        if (!readName(dialog, IDC_FIRST_PERSON + IDC_PHRASE_STEP * i, phraseList[i], false, reading, true)) return;
    setTitle(dialog, reportWindowTitle(reportTypes[state.type].title, phraseList[0]));
    settings.topicFlags[TOPIC_INTRO] = win::isChecked(dialog, IDC_INCLUDE_INTRO) ? 1 : 0;
    generateReport(dialog);
}

void generateDiamond(BirthDataDialog& state) {
    HWND dialog = state.dialog;
    if (!checkPerson(dialog, IDC_FIRST_PERSON, person1)) return;
    setTitle(dialog, reportWindowTitle(reportTypes[state.type].title, person1.currentLast));
    settings.firstAge = static_cast<std::int32_t>(fieldValue(dialog, IDC_AGE));
    settings.lastAge = 0;
    if (!checkDiamondAge(dialog)) return;
    generateReport(dialog);
}

void generateEveryday(BirthDataDialog& state) {
    HWND dialog = state.dialog;
    std::memset(phraseList, 0, sizeof phraseList);
    const int fields[] = {IDC_ADDRESS, IDC_PHONE, IDC_NINE_DIGITS};
    for (int i = 0; i < 3; ++i) {
        const std::string typed = win::fieldText(dialog, fields[i], NAME_SIZE);
        const std::size_t start = typed.find_first_not_of(' ');
        copyName(phraseList[i], start == std::string::npos ? "" : typed.c_str() + start);
    }
    const EverydayCheck check = checkEverydayFields(phraseList[1], phraseList[2]);
    if (check.message) {
        win::refuse(dialog, check.field == EverydayField::Phone ? IDC_PHONE : IDC_NINE_DIGITS, check.message);
        return;
    }
    generateReport(dialog);
}

void onGenerate(BirthDataDialog& state) {
    win::MessageOwnerScope owner(state.dialog);
    const int type = state.type;
    if (isType(type, TYPE_PROFILES) || isType(type, TYPE_COMPATIBILITY) || isType(type, TYPE_LUCKY) ||
        type == TYPE_CHART_CALCULATOR || type == TYPE_SHORT_PROFILES)
        generatePersonReport(state);
    else if (isType(type, TYPE_COLOR_CHART))
        generateChart(state);
    else if (isType(type, TYPE_NAME))
        generateNameReport(state);
    else if (isType(type, TYPE_DIAMOND))
        generateDiamond(state);
    else if (type == TYPE_EVERYDAY)
        generateEveryday(state);
    else
        EndDialog(state.dialog, 0);
}

void onFieldChange(BirthDataDialog& state, int field) {
    HWND dialog = state.dialog;
    if (isType(state.type, TYPE_DIAMOND)) {
        if (field >= IDC_FIRST_PERSON + MONTH && field <= IDC_FIRST_PERSON + YEAR)
            showDiamondAge(dialog, fieldValue(dialog, IDC_FIRST_PERSON + MONTH),
                           fieldValue(dialog, IDC_FIRST_PERSON + DAY), fieldValue(dialog, IDC_FIRST_PERSON + YEAR));
    } else if (field == IDC_FIRST_PERSON + YEAR && state.type != TYPE_EVERYDAY && !isType(state.type, TYPE_NAME)) {
        typedBirthYear = static_cast<int>(fieldValue(dialog, field));
    }
}

void onCommand(BirthDataDialog& state, int command, int notification) {
    HWND dialog = state.dialog;
    if (notification == EN_CHANGE) {
        onFieldChange(state, command);
        return;
    }
    switch (command) {
    case IDOK: onGenerate(state); break;
    case IDCANCEL: EndDialog(dialog, 0); break;
    case IDC_RECALL: onRecall(state, false); break;
    case IDC_RECALL_SECOND: onRecall(state, true); break;
    case IDC_SAVE: onSave(state, false); break;
    case IDC_SAVE_SECOND: onSave(state, true); break;
    case IDC_SET_CYCLES: onSetCycles(state); break;
    case IDC_CLEAR_NAMES:
        std::memset(phraseList, 0, sizeof phraseList);
        fill(dialog, state.type);
        break;
    case IDM_PREFERENCES: runPreferencesDialog(dialog); break;
    case IDC_CHARS: runCharMapDialog(dialog); break;
    case IDC_LANGUAGE: runLanguageDialog(dialog); break;
    case IDC_SELECT_TOPICS:
        runTopicsDialog(dialog);
        win::focusField(dialog, IDOK);
        break;
    case IDC_SET_FONT: app::chooseFont(); break;
    case IDC_DIRECT: settings.viaWordProcessor = 0; break;
    case IDC_WORDPAD: settings.viaWordProcessor = 1; break;
    case IDC_QUESTION:
    case IDC_HELP_STD:
    case IDC_HELP_CPT:
    case IDC_HELP_MAP:
    case IDC_HELP_LUK:
    case IDC_HELP_NAM:
    case IDC_HELP_DMD:
        app::showHelp(dialog, static_cast<unsigned>(command));
        break;
    default: break;
    }
}

void onInit(HWND dialog, BirthDataDialog& state) {
    state.dialog = dialog;
    setTitle(dialog, reportTypes[state.type].title);
    loadSettingsOrDefaults(folders.settingsFile, reportType, folders.programFolder);
    limitFields(dialog, state.type);
    fill(dialog, state.type);
}

INT_PTR CALLBACK birthDataProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        win::keepDialogState(dialog, lParam);
        onInit(dialog, *reinterpret_cast<BirthDataDialog*>(lParam));
        return TRUE;
    }
    BirthDataDialog* state = win::dialogState<BirthDataDialog>(dialog);
    if (!state || !state->dialog) return FALSE;
    switch (message) {
    case WM_COMMAND:
        onCommand(*state, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void runBirthDataDialog(HWND owner) {
    BirthDataDialog state{reportType};
    win::runDialog(app::instance, reportTypes[reportType].dataDialog, owner, birthDataProc, state);
}
