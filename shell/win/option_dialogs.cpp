// Topics, time ranges, preferences, word processor and cover page.
#include "shell/win/option_dialogs.h"

#include "archive/win/language_dialog.h"
#include "compose/report_types.h"
#include "output/page_layout.h"
#include "people/birth_data_form.h"
#include "people/name_reading.h"
#include "people/person.h"
#include "shell/option_checks.h"
#include "shell/report_state.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/win/app.h"
#include "shell/win/char_map_dialog.h"
#include "shell/win/resource.h"
#include "win/dialog_kit.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

namespace {

// Every dialog here: the settings as they were when it opened (what Cancel
// puts back), and its two handlers.
struct SettingsDialog {
    Settings copy = settings;
    HWND dialog = nullptr;
    void (*init)(SettingsDialog&) = nullptr;
    void (*command)(SettingsDialog&, int) = nullptr;
};

void restore(SettingsDialog& state) { settings = state.copy; }

// Saves Vek.ini; a save that fails is said in a box that belongs to the dialog.
void save(HWND dialog) {
    win::MessageOwnerScope owner(dialog);
    saveSettings(folders.settingsFile);
}

unsigned number(HWND dialog, int field) { return dialogNumber(win::fieldText(dialog, field, 16).c_str()); }

bool refused(HWND dialog, const RangeCheck& check) {
    if (!check.message) return false;
    win::refuse(dialog, check.field, check.message);
    return true;
}

void showMonth(HWND dialog, int monthField, int yearField, int index) {
    win::setFieldNumber(dialog, monthField, static_cast<unsigned>(monthOfIndex(index)));
    win::setFieldNumber(dialog, yearField, static_cast<unsigned>(yearOfIndex(index)));
}

bool checkYears(HWND dialog) {
    return !refused(dialog, checkYearRange(number(dialog, IDC_FIRST_YEAR), number(dialog, IDC_LAST_YEAR), IDC_FIRST_YEAR,
                                           IDC_LAST_YEAR, person1.birthYear, settings.firstYear, settings.lastYear));
}

bool checkMonths(HWND dialog, const MonthRangeFields& f, std::int32_t& first, std::int32_t& last) {
    std::int32_t from = first, to = last;
    const RangeCheck check = checkMonthRange(number(dialog, f.firstMonth), number(dialog, f.firstYear),
                                             number(dialog, f.lastMonth), number(dialog, f.lastYear), f,
                                             person1.birthYear, person1.birthMonth, from, to);
    first = from;
    last = to;
    return !refused(dialog, check);
}

const MonthRangeFields PERSONAL_MONTHS = {IDC_FIRST_MONTH, IDC_FIRST_MONTH_YEAR, IDC_LAST_MONTH, IDC_LAST_MONTH_YEAR};
const MonthRangeFields DAY_MONTHS = {IDC_FIRST_DAY_MONTH, IDC_FIRST_DAY_MONTH_YEAR, IDC_LAST_DAY_MONTH,
                                     IDC_LAST_DAY_MONTH_YEAR};

// One procedure for all of them: the state kept at WM_INITDIALOG, then its
// handlers; closing the window is Cancel.
INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        win::keepDialogState(dialog, lParam);
        SettingsDialog& state = *reinterpret_cast<SettingsDialog*>(lParam);
        state.dialog = dialog;
        state.init(state);
        return TRUE;
    }
    SettingsDialog* state = win::dialogState<SettingsDialog>(dialog);
    if (!state || !state->dialog) return FALSE;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        state->command(*state, LOWORD(wParam));
        return TRUE;
    }
    if (message == WM_CLOSE) {
        state->command(*state, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

bool runSettingsDialog(HWND owner, const char* name, SettingsDialog& state, void (*init)(SettingsDialog&),
                       void (*command)(SettingsDialog&, int)) {
    state.init = init;
    state.command = command;
    return win::runDialog(app::instance, name, owner, settingsDialogProc, state) == 1;
}

bool runSettingsDialog(HWND owner, const char* name, void (*init)(SettingsDialog&),
                       void (*command)(SettingsDialog&, int)) {
    SettingsDialog state;
    return runSettingsDialog(owner, name, state, init, command);
}

// ---- topics ----

struct TopicsDialog : SettingsDialog {
    int type = 0;
    TopicMask mask{};
};

TopicBoxes boxesShown(HWND dialog) {
    TopicBoxes boxes{};
    for (int i = 0; i < TOPIC_COUNT; ++i) boxes.on[i] = win::isChecked(dialog, TOPIC_BOX_BASE + i);
    return boxes;
}

void showBoxes(HWND dialog, const TopicBoxes& boxes) {
    for (int i = 0; i < TOPIC_COUNT; ++i)
        if (GetDlgItem(dialog, TOPIC_BOX_BASE + i)) win::setChecked(dialog, TOPIC_BOX_BASE + i, boxes.on[i]);
}

void initTopics(SettingsDialog& base) {
    TopicsDialog& state = static_cast<TopicsDialog&>(base);
    HWND dialog = state.dialog;
    showBoxes(dialog, boxesFromFlags(settings.topicFlags, state.mask));
    // The Short Profiles' dialog shows what it doesn't offer, disabled.
    for (int i = 0; i < TOPIC_COUNT; ++i) win::enableField(dialog, TOPIC_BOX_BASE + i, state.mask.bits[i] != 0);
    if (GetDlgItem(dialog, IDC_FIRST_YEAR)) {
        win::setFieldNumber(dialog, IDC_FIRST_YEAR, static_cast<unsigned>(settings.firstYear));
        win::setFieldNumber(dialog, IDC_LAST_YEAR, static_cast<unsigned>(settings.lastYear));
        showMonth(dialog, IDC_FIRST_MONTH, IDC_FIRST_MONTH_YEAR, settings.firstMonth);
        showMonth(dialog, IDC_LAST_MONTH, IDC_LAST_MONTH_YEAR, settings.lastMonth);
    }
}

void topicsOk(TopicsDialog& state) {
    HWND dialog = state.dialog;
    flagsFromBoxes(boxesShown(dialog), state.mask, settings.topicFlags);
    if (GetDlgItem(dialog, IDC_FIRST_YEAR)) {
        if (!checkYears(dialog) || !checkMonths(dialog, PERSONAL_MONTHS, settings.firstMonth, settings.lastMonth))
            return;
    }
    save(dialog);
    EndDialog(dialog, 1);
}

void topicsCommand(SettingsDialog& base, int command) {
    TopicsDialog& state = static_cast<TopicsDialog&>(base);
    HWND dialog = state.dialog;
    TopicBoxes boxes = boxesShown(dialog);
    switch (command) {
    case IDOK: topicsOk(state); return;
    case IDCANCEL:
        restore(state);
        EndDialog(dialog, 0);
        return;
    case IDC_ALL_ON: allTopicsOn(boxes, state.mask); break;
    case IDC_ALL_OFF: allTopicsOff(boxes); break;
    case IDC_HELP_TOPICS:
    case IDC_HELP_TOPICS_CPT:
    case IDC_HELP_TOPICS_CLC: app::showHelp(dialog, static_cast<unsigned>(command)); return;
    default:
        if (command >= IDC_PRESET_A && command < IDC_PRESET_A + TOPIC_PRESET_COUNT) {
            applyTopicPreset(boxes, command - IDC_PRESET_A, state.mask);
        } else if (command >= IDC_USER_SET_E && command < IDC_USER_SET_E + USER_TOPIC_SETS) {
            recallUserTopics(boxes, settings.userTopicSets[command - IDC_USER_SET_E], state.mask);
        } else if (command >= IDC_SET_E && command < IDC_SET_E + USER_TOPIC_SETS) {
            storeUserTopics(boxes, settings.userTopicSets[command - IDC_SET_E]);
            return;
        } else {
            return;
        }
    }
    showBoxes(dialog, boxes);
}

bool runTopicsDialogOf(HWND owner, int type) {
    const char* name = reportTypes[type].topicsDialog;
    if (!name) return false;
    TopicsDialog state;
    state.type = type;
    state.mask = reportTypes[type].topicMask;
    return runSettingsDialog(owner, name, state, initTopics, topicsCommand);
}

// ---- time ranges ----

struct RangesDialog : SettingsDialog {
    bool ages = false, years = false, months = false, days = false;
};

void enableGroup(HWND dialog, std::initializer_list<int> fields, bool needed) {
    for (int field : fields) win::enableField(dialog, field, needed);
}

void initRanges(SettingsDialog& base) {
    RangesDialog& state = static_cast<RangesDialog&>(base);
    HWND dialog = state.dialog;
    const std::uint8_t* flags = settings.topicFlags;
    state.ages = flags[TOPIC_PHYSICAL_TRANSIT] || flags[TOPIC_MENTAL_TRANSIT] || flags[TOPIC_SPIRITUAL_TRANSIT] ||
                 flags[TOPIC_ESSENCE];
    state.years = flags[TOPIC_PERSONAL_YEARS] != 0;
    state.months = flags[TOPIC_PERSONAL_MONTHS] != 0;
    state.days = flags[TOPIC_PERSONAL_DAYS] != 0;
    if (!GetDlgItem(dialog, IDC_FIRST_AGE)) return;  // the Short Profiles' dialog has no fields
    if (state.ages) {
        settings.firstAge = today.todayYear - typedBirthYear;
        settings.lastAge = settings.firstAge + 2;
        win::setFieldSignedNumber(dialog, IDC_FIRST_AGE, settings.firstAge);
        win::setFieldSignedNumber(dialog, IDC_LAST_AGE, settings.lastAge);
    }
    if (state.years) {
        win::setFieldNumber(dialog, IDC_FIRST_YEAR, static_cast<unsigned>(settings.firstYear));
        win::setFieldNumber(dialog, IDC_LAST_YEAR, static_cast<unsigned>(settings.lastYear));
    }
    if (state.months) {
        showMonth(dialog, IDC_FIRST_MONTH, IDC_FIRST_MONTH_YEAR, settings.firstMonth);
        showMonth(dialog, IDC_LAST_MONTH, IDC_LAST_MONTH_YEAR, settings.lastMonth);
    }
    if (state.days) {
        showMonth(dialog, IDC_FIRST_DAY_MONTH, IDC_FIRST_DAY_MONTH_YEAR, settings.firstDayMonth);
        showMonth(dialog, IDC_LAST_DAY_MONTH, IDC_LAST_DAY_MONTH_YEAR, settings.lastDayMonth);
    }
    enableGroup(dialog, {IDC_FIRST_AGE, IDC_LAST_AGE}, state.ages);
    enableGroup(dialog, {IDC_FIRST_YEAR, IDC_LAST_YEAR}, state.years);
    enableGroup(dialog, {IDC_FIRST_MONTH, IDC_FIRST_MONTH_YEAR, IDC_LAST_MONTH, IDC_LAST_MONTH_YEAR}, state.months);
    enableGroup(dialog,
                {IDC_FIRST_DAY_MONTH, IDC_FIRST_DAY_MONTH_YEAR, IDC_LAST_DAY_MONTH, IDC_LAST_DAY_MONTH_YEAR},
                state.days);
}

void rangesOk(RangesDialog& state) {
    HWND dialog = state.dialog;
    if (state.ages) {
        settings.firstAge = win::fieldSignedNumber(dialog, IDC_FIRST_AGE);
        settings.lastAge = win::fieldSignedNumber(dialog, IDC_LAST_AGE);
        if (refused(dialog, checkAgeRange(settings.firstAge, settings.lastAge, IDC_FIRST_AGE))) return;
    }
    if (state.years && !checkYears(dialog)) return;
    if (state.months && !checkMonths(dialog, PERSONAL_MONTHS, settings.firstMonth, settings.lastMonth)) return;
    if (state.days && !checkMonths(dialog, DAY_MONTHS, settings.firstDayMonth, settings.lastDayMonth)) return;
    save(dialog);
    EndDialog(dialog, 1);
}

void rangesCommand(SettingsDialog& base, int command) {
    RangesDialog& state = static_cast<RangesDialog&>(base);
    HWND dialog = state.dialog;
    switch (command) {
    case IDOK:
        // The Short Profiles have nothing to set: OK is Cancel.
        if (reportType != TYPE_SHORT_PROFILES) {
            rangesOk(state);
            return;
        }
        [[fallthrough]];
    case IDCANCEL:
        restore(state);
        EndDialog(dialog, 0);
        return;
    case IDC_HELP_RANGES: {
        const unsigned topic = reportType == TYPE_COMPATIBILITY ? 1230 : reportType == TYPE_COLOR_CHART ? 1231 : 1229;
        app::showHelp(dialog, topic);
        return;
    }
    default: return;
    }
}

// ---- lucky number ranges ----

void initLuckyRanges(SettingsDialog& state) {
    HWND dialog = state.dialog;
    win::setFieldNumber(dialog, IDC_FIRST_YEAR, static_cast<unsigned>(settings.firstYear));
    win::setFieldNumber(dialog, IDC_LAST_YEAR, static_cast<unsigned>(settings.lastYear));
    showMonth(dialog, IDC_FIRST_MONTH, IDC_FIRST_MONTH_YEAR, settings.firstMonth);
    showMonth(dialog, IDC_LAST_MONTH, IDC_LAST_MONTH_YEAR, settings.lastMonth);
    win::setChecked(dialog, IDC_DAILY, dailyLuckyNumbers != 0);
}

void luckyRangesCommand(SettingsDialog& state, int command) {
    HWND dialog = state.dialog;
    switch (command) {
    case IDOK:
        if (!checkYears(dialog) || !checkMonths(dialog, PERSONAL_MONTHS, settings.firstMonth, settings.lastMonth))
            return;
        dailyLuckyNumbers = win::isChecked(dialog, IDC_DAILY) ? 1 : 0;
        save(dialog);
        EndDialog(dialog, 1);
        return;
    case IDCANCEL:
        restore(state);
        EndDialog(dialog, 0);
        return;
    case IDC_HELP_LUCKY_RANGES: app::showHelp(dialog, IDC_HELP_LUCKY_RANGES); return;
    default: return;
    }
}

// ---- word processor ----

void showWordProcessorPath(HWND dialog) { win::setFieldText(dialog, IDC_WORD_PROCESSOR_PATH, settings.wordProcessorPath); }

void initWordProcessor(SettingsDialog& state) {
    const int mode = settings.wordProcessorMode;
    CheckRadioButton(state.dialog, IDC_MODE_0, IDC_MODE_2, mode == 2 ? IDC_MODE_2 : mode == 1 ? IDC_MODE_1 : IDC_MODE_0);
    showWordProcessorPath(state.dialog);
}

void browseForWordProcessor(HWND dialog) {
    char path[PATH_SIZE];
    std::snprintf(path, sizeof path, "%s", settings.wordProcessorPath);
    OPENFILENAMEA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = app::mainWindow;
    choice.lpstrFilter = "Executable Files (*.exe)\0*.exe\0";
    choice.lpstrFile = path;
    choice.nMaxFile = sizeof path;
    choice.lpstrDefExt = "exe";
    choice.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&choice)) return;
    std::snprintf(settings.wordProcessorPath, sizeof settings.wordProcessorPath, "%s", path);
    showWordProcessorPath(dialog);
}

void wordProcessorCommand(SettingsDialog& state, int command) {
    HWND dialog = state.dialog;
    switch (command) {
    case IDOK:
        settings.wordProcessorMode = win::isChecked(dialog, IDC_MODE_2) ? 2 : win::isChecked(dialog, IDC_MODE_1) ? 1 : 0;
        EndDialog(dialog, 1);
        return;
    case IDCANCEL:
        restore(state);
        EndDialog(dialog, 0);
        return;
    case IDC_BROWSE: browseForWordProcessor(dialog); return;
    case IDC_QUESTION: app::showHelp(dialog, IDC_QUESTION); return;
    default: return;
    }
}

// ---- cover page ----

void initCover(SettingsDialog& state) {
    HWND dialog = state.dialog;
    win::limitField(dialog, IDC_COVER_TEXT, sizeof settings.coverText - 1);
    win::limitField(dialog, IDC_COVER_AUTHOR, sizeof settings.coverAuthor - 1);
    win::limitField(dialog, IDC_LOGO_PATH, sizeof settings.logoPath - 1);
    win::setFieldText(dialog, IDC_COVER_TEXT, settings.coverText);
    win::setFieldText(dialog, IDC_COVER_AUTHOR, settings.coverAuthor);
    win::setFieldText(dialog, IDC_LOGO_PATH, settings.logoPath);
}

void coverCommand(SettingsDialog& state, int command) {
    HWND dialog = state.dialog;
    switch (command) {
    case IDOK:
        std::snprintf(settings.coverText, sizeof settings.coverText, "%s",
                      win::fieldText(dialog, IDC_COVER_TEXT, sizeof settings.coverText).c_str());
        std::snprintf(settings.coverAuthor, sizeof settings.coverAuthor, "%s",
                      win::fieldText(dialog, IDC_COVER_AUTHOR, sizeof settings.coverAuthor).c_str());
        std::snprintf(settings.logoPath, sizeof settings.logoPath, "%s",
                      win::fieldText(dialog, IDC_LOGO_PATH, sizeof settings.logoPath).c_str());
        EndDialog(dialog, 1);
        return;
    case IDCANCEL: EndDialog(dialog, 0); return;
    case IDC_HELP_COVER: app::showHelp(dialog, IDC_HELP_COVER); return;
    default: return;
    }
}

// ---- preferences ----

void showPreferences(HWND dialog) {
    CheckRadioButton(dialog, IDC_VIEW_DIRECT, IDC_VIEW_WORDPAD, settings.viaWordProcessor ? IDC_VIEW_WORDPAD : IDC_VIEW_DIRECT);
    CheckRadioButton(dialog, IDC_USER_DECIDES_YW, IDC_SOFTWARE_DECIDES_YW,
                     settings.autoYW ? IDC_SOFTWARE_DECIDES_YW : IDC_USER_DECIDES_YW);
    const int method = settings.lifePathMethod;
    CheckRadioButton(dialog, IDC_METHOD_A, IDC_METHOD_C,
                     method == 2 ? IDC_METHOD_C : method == 1 ? IDC_METHOD_B : IDC_METHOD_A);
    win::setChecked(dialog, IDC_ALWAYS_SAVE, settings.alwaysSaveBirthData != 0);
    win::setFieldSignedNumber(dialog, IDC_EXTRA_LINES, settings.extraLinesPerPage);
}

void initPreferences(SettingsDialog& state) { showPreferences(state.dialog); }

void preferencesOk(HWND dialog) {
    settings.viaWordProcessor = win::isChecked(dialog, IDC_VIEW_WORDPAD) ? 1 : 0;
    settings.autoYW = win::isChecked(dialog, IDC_USER_DECIDES_YW) ? 0 : 1;
    settings.lifePathMethod = win::isChecked(dialog, IDC_METHOD_C) ? 2 : win::isChecked(dialog, IDC_METHOD_B) ? 1 : 0;
    settings.alwaysSaveBirthData = win::isChecked(dialog, IDC_ALWAYS_SAVE) ? 1 : 0;
    settings.extraLinesPerPage = win::fieldSignedNumber(dialog, IDC_EXTRA_LINES);
    save(dialog);
    EndDialog(dialog, 1);
}

void preferencesCommand(SettingsDialog& state, int command) {
    HWND dialog = state.dialog;
    switch (command) {
    case IDOK: preferencesOk(dialog); return;
    case IDCANCEL:
        restore(state);
        EndDialog(dialog, 0);
        return;
    case IDC_SELECT_FONT:
        app::chooseFont();
        settings.reportFont = activeFont;
        return;
    case IDC_RESTORE_DEFAULTS:
        applySettingsDefaults(reportType, folders.programFolder, today, person1);
        showPreferences(dialog);
        return;
    case IDC_COVER: runSettingsDialog(dialog, "EditBlurbDlg", initCover, coverCommand); return;
    case IDC_CHARS: runCharMapDialog(dialog); return;
    case IDC_LANGUAGE: runLanguageDialog(dialog); return;
    case IDC_WORD_PROCESSOR: runSettingsDialog(dialog, "WPmodeDlg", initWordProcessor, wordProcessorCommand); return;
    case IDC_SELECT_TOPICS: {
        const int kept = reportType;
        reportType = TYPE_PROFILES;
        runTopicsDialogOf(dialog, TYPE_PROFILES);
        reportType = kept;
        return;
    }
    case IDC_QUESTION:
    case IDC_HELP_PREFERENCES_YW:
    case IDC_HELP_PREFERENCES: app::showHelp(dialog, static_cast<unsigned>(command)); return;
    default: return;
    }
}

}  // namespace

bool cycleTopicOn() {
    for (int flag = TOPIC_PHYSICAL_TRANSIT; flag <= TOPIC_PERSONAL_DAYS; ++flag)
        if (settings.topicFlags[flag]) return true;
    return false;
}

bool runTopicsDialog(HWND owner) { return runTopicsDialogOf(owner, reportType); }

bool runRangesDialog(HWND owner) {
    RangesDialog state;
    const char* name = reportType == TYPE_SHORT_PROFILES ? "RangesDummy" : "RangesDlg";
    return runSettingsDialog(owner, name, state, initRanges, rangesCommand);
}

bool runLuckyRangesDialog(HWND owner) {
    return runSettingsDialog(owner, "RangesLDlg", initLuckyRanges, luckyRangesCommand);
}

bool runPreferencesDialog(HWND owner) {
    return runSettingsDialog(owner, "PreferencesDlg", initPreferences, preferencesCommand);
}
