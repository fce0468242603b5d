#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "afx_message_box.h"
#include "app_shell.h"
#include "application_title.h"
#include "data_exchange.h"
#include "message_box_rules.h"
#include "resource.h"
#include "support/main_dialog_model.h"
#include "support/recording_windows.h"

namespace {

struct TitleCase {
    std::string path;
    std::string title;
};

TEST(ApplicationTitle, IsTheExecutablesNameWithoutItsExtension) {
    const TitleCase cases[] = {
        {"C:\\Programmi\\QUINTARO.EXE", "QUINTARO"},
        {"C:\\Programmi\\Copia di QUINTARO.exe", "Copia di QUINTARO"},
        {"C:\\Programmi\\quintaro.old.exe", "quintaro.old"},
        {"\\\\server\\share\\Q.EXE", "Q"},
        {"C:/tools/calc/QUINTARO.EXE", "QUINTARO"},
        {"C:QUINTARO.EXE", "QUINTARO"},
        {"QUINTARO.EXE", "QUINTARO"},
        {"C:\\Programmi\\QUINTARO", "QUINTARO"},
        // The last dot of the whole path, even in a folder's name.
        {"C:\\Versione.2\\QUINTARO", "Versione"},
        {"", ""},
        // Only the first 260 characters count: here they end inside the name.
        {"C:\\" + std::string(249, 'a') + "\\QUINTARO.EXE", "QUINTAR"},
        {"C:\\" + std::string(240, 'a') + "\\QUINTARO.EXE", "QUINTARO"},
    };
    for (const TitleCase& c : cases) EXPECT_EQ(ApplicationTitleFromPath(c.path), c.title) << c.path;
}

TEST(ApplicationTitle, HelpFileIsTheExecutablesPathWithHlpForItsExtension) {
    const struct {
        const char* path;
        const char* help;
    } cases[] = {
        {"C:\\Programmi\\QUINTARO.EXE", "C:\\Programmi\\QUINTARO.HLP"},
        {"Z:\\tmp\\KALCOPIA.EXE", "Z:\\tmp\\KALCOPIA.HLP"},
        {"C:\\Versione.2\\QUINTARO", "C:\\Versione.HLP"},  // cut where the title is cut
        {"QUINTARO", "QUINTARO.HLP"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpFilePathFromModulePath(c.path), c.help) << c.path;
}

TEST(ApplicationTitle, AStringTableTitleWinsOverTheExecutablesName) {
    EXPECT_EQ(ChooseApplicationTitle("Calcolatore", "C:\\QUINTARO.EXE"), "Calcolatore");
    EXPECT_EQ(ChooseApplicationTitle("", "C:\\QUINTARO.EXE"), "QUINTARO");
    // The program's own table has no title string.
    EXPECT_EQ(FormApplicationTitle("C:\\Programmi\\Nuovo.exe"), "Nuovo");
}

struct IconCase {
    unsigned requested;
    unsigned shown;
};

TEST(MessageBoxRules, ButtonSetsOfOkCancelAndYesNoGetTheExclamationIcon) {
    const IconCase cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
        {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
        {MB_RETRYCANCEL, MB_RETRYCANCEL},
        {6, 6},
        {0xF, 0xF},
        {MB_OK | 0x10, MB_OK | 0x10},                    // names an icon: kept
        {MB_YESNO | 0x40, MB_YESNO | 0x40},
        {MB_OK | MB_ICONEXCLAMATION, MB_OK | MB_ICONEXCLAMATION},
        {MB_OK | 0x1000, MB_OK | 0x1000 | MB_ICONEXCLAMATION},  // other flags pass through
    };
    for (const IconCase& c : cases) EXPECT_EQ(WithDefaultIcon(c.requested), c.shown) << std::hex << c.requested;
}

// The application with its main dialog, as while the dialog runs.
class MessageBoxes : public ::testing::Test {
protected:
    MessageBoxes() {
        windows.mainWindow = &mainDialog;
        windows.topOfMain = &mainDialog;
        windows.app = &app;
        app.FormTitle("C:\\Programmi\\QUINTARO.EXE");
    }

    FakeWindow mainDialog{"main"};
    RecordingWindows windows;
    AppShell app{windows};
};

TEST_F(MessageBoxes, CarryTheTitleTheIconAndTheMainDialogAsOwner) {
    EXPECT_EQ(AfxMessageBox("Ok!"), 1);
    ASSERT_EQ(windows.boxes.size(), 1u);
    const RecordedBox& box = windows.boxes[0];
    EXPECT_EQ(box.text, "Ok!");
    EXPECT_EQ(box.caption, "QUINTARO");
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(box.owner, &mainDialog);
    EXPECT_EQ(box.helpContext, 0u);  // no help id: no context
    EXPECT_TRUE(windows.enableCalls.empty());
}

TEST_F(MessageBoxes, ARenamedExecutableNamesTheCaption) {
    app.FormTitle("D:\\Copie\\Calcolo sismico.exe");
    AfxMessageBox("Ok!");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].caption, "Calcolo sismico");
}

TEST_F(MessageBoxes, SetTheHelpContextWhileOpenAndRestoreItAfterwards) {
    app.m_dwPromptContext = 0x12345;
    AfxMessageBox("Digitare un numero.", MB_OK, IDS_ENTER_NUMBER);
    AfxMessageBox("Ok!", MB_OK, 0);
    ASSERT_EQ(windows.boxes.size(), 2u);
    EXPECT_EQ(windows.boxes[0].helpContext, 0x3F111u);
    EXPECT_EQ(windows.boxes[1].helpContext, 0x12345u);  // help id 0 leaves it as it was
    EXPECT_EQ(app.m_dwPromptContext, 0x12345u);
}

TEST_F(MessageBoxes, NestedBoxesRestoreEachContextInTurn) {
    windows.duringBox = [this] {
        windows.duringBox = nullptr;
        AfxMessageBox(IDS_HELP_LAUNCH_FAILED);
        EXPECT_EQ(app.m_dwPromptContext, 0x3F111u);
    };
    AfxMessageBox(IDS_ENTER_NUMBER);
    ASSERT_EQ(windows.boxes.size(), 2u);
    EXPECT_EQ(windows.boxes[1].helpContext, 0x3F107u);
    EXPECT_EQ(app.m_dwPromptContext, 0u);
}

struct StringIdCase {
    const char* name;
    int (*show)();
    std::string text;
    unsigned type;
    unsigned helpContext;
};

TEST_F(MessageBoxes, StringIdFormLoadsTheTextAndUsesTheIdAsHelpId) {
    const StringIdCase cases[] = {
        {"defaults", [] { return AfxMessageBox(IDS_HELP_LAUNCH_FAILED); }, "Impossibile avviare la Guida.",
         MB_OK | MB_ICONEXCLAMATION, 0x3F107},
        {"help id given", [] { return AfxMessageBox(IDS_ENTER_NUMBER, MB_OK, 0x77u); }, "Digitare un numero.",
         MB_OK | MB_ICONEXCLAMATION, 0x30077},
        {"no help id", [] { return AfxMessageBox(IDS_ENTER_NUMBER, MB_OK, 0u); }, "Digitare un numero.",
         MB_OK | MB_ICONEXCLAMATION, 0},
        {"own icon and buttons", [] { return AfxMessageBox(IDS_OUT_OF_MEMORY, MB_RETRYCANCEL | 0x10u); },
         "Memoria insufficiente.", MB_RETRYCANCEL | 0x10, 0x3F10A},
        {"missing string", [] { return AfxMessageBox(0x1234u); }, "", MB_OK | MB_ICONEXCLAMATION, 0x31234},
    };
    for (const StringIdCase& c : cases) {
        SCOPED_TRACE(c.name);
        windows.boxes.clear();
        EXPECT_EQ(c.show(), 1);
        ASSERT_EQ(windows.boxes.size(), 1u);
        EXPECT_EQ(windows.boxes[0].text, c.text);
        EXPECT_EQ(windows.boxes[0].type, c.type);
        EXPECT_EQ(windows.boxes[0].helpContext, c.helpContext);
        EXPECT_EQ(windows.boxes[0].caption, "QUINTARO");
        EXPECT_EQ(app.m_dwPromptContext, 0u);
    }
}

TEST_F(MessageBoxes, OwnerIsTheLastActivePopupAndTheTopLevelWindowIsDisabledMeanwhile) {
    FakeWindow popup{"popup"};
    mainDialog.lastActivePopup = &popup;
    AfxMessageBox("Ok!");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].owner, &popup);
    EXPECT_FALSE(windows.boxes[0].ownerTopEnabled);
    EXPECT_TRUE(mainDialog.enabled);
    EXPECT_EQ(windows.enableCalls, (std::vector<std::string>{"disable main", "enable main"}));
}

TEST_F(MessageBoxes, ATopLevelWindowAlreadyDisabledIsLeftDisabled) {
    // A modal pop-up, such as the About box, has disabled the main dialog.
    FakeWindow about{"about"};
    mainDialog.lastActivePopup = &about;
    mainDialog.enabled = false;
    AfxMessageBox("Ok!");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].owner, &about);
    EXPECT_TRUE(windows.enableCalls.empty());
    EXPECT_FALSE(mainDialog.enabled);
}

TEST_F(MessageBoxes, AChildMainWindowIsRaisedToItsTopLevelAncestor) {
    FakeWindow frame{"frame"};
    FakeWindow pane{"pane", true, &frame};
    FakeWindow view{"view", true, &pane};
    FakeWindow popup{"popup"};
    frame.lastActivePopup = &popup;
    windows.mainWindow = &view;
    windows.topOfMain = &frame;
    AfxMessageBox("Ok!");
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].owner, &popup);
    EXPECT_FALSE(windows.boxes[0].ownerTopEnabled);
    EXPECT_EQ(windows.enableCalls, (std::vector<std::string>{"disable frame", "enable frame"}));
}

TEST_F(MessageBoxes, WithoutAMainWindowTheBoxHasNoOwner) {
    windows.mainWindow = nullptr;
    windows.topOfMain = nullptr;
    AfxMessageBox(IDS_HELP_LAUNCH_FAILED);
    ASSERT_EQ(windows.boxes.size(), 1u);
    EXPECT_EQ(windows.boxes[0].owner, nullptr);
    EXPECT_EQ(windows.boxes[0].caption, "QUINTARO");
    EXPECT_TRUE(windows.enableCalls.empty());
}

TEST_F(MessageBoxes, ABoxThatFailsStillRestoresContextAndEnabledWindow) {
    FakeWindow popup{"popup"};
    mainDialog.lastActivePopup = &popup;
    windows.duringBox = [] { throw std::runtime_error("no box"); };
    EXPECT_THROW(AfxMessageBox(IDS_ENTER_NUMBER), std::runtime_error);
    EXPECT_EQ(app.m_dwPromptContext, 0u);
    EXPECT_TRUE(mainDialog.enabled);
}

struct ExchangeBox {
    const char* name;
    int id;
    const char* typed;
    std::string text;
    unsigned helpContext;
};

// The exchange's messages go the whole way: AfxMessageService, the
// application's rules, the recorded box.
TEST_F(MessageBoxes, ExchangeMessagesReachTheBoxWithTheirIconCaptionOwnerAndHelp) {
    const ExchangeBox cases[] = {
        {"not a number", IDC_FK_MAX, "x", "Digitare un numero.", 0x3F111},
        {"T* out of range", IDC_PERIOD, "0", "Digitare un numero compreso tra 1e-005 e 100.", 0x3F113},
        {"Ag out of range", IDC_AG, "11", "Digitare un numero compreso tra 0.0001 e 10.", 0x3F113},
    };
    for (const ExchangeBox& c : cases) {
        SCOPED_TRACE(c.name);
        windows.boxes.clear();
        MainDialogModel dialog;
        AfxMessageService messages;
        ErrorFactorsFormRecord form;
        ASSERT_TRUE(UpdateData(form, ExchangeDirection::Load, dialog, messages));
        dialog.Type(c.id, c.typed);
        EXPECT_FALSE(UpdateData(form, ExchangeDirection::Save, dialog, messages));
        ASSERT_EQ(windows.boxes.size(), 1u);
        const RecordedBox& box = windows.boxes[0];
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(box.caption, "QUINTARO");
        EXPECT_EQ(box.owner, &mainDialog);
        EXPECT_EQ(box.helpContext, c.helpContext);
        EXPECT_EQ(app.m_dwPromptContext, 0u);
        EXPECT_EQ(dialog.FocusedId(), c.id);
    }
}

TEST(MessageBoxesWithoutApplication, ShowNothing) {
    ASSERT_EQ(CurrentAppShell(), nullptr);
    EXPECT_EQ(AfxMessageBox("Ok!"), 0);
    EXPECT_EQ(AfxMessageBox(IDS_ENTER_NUMBER), 0);
}

TEST(MessageBoxesWithoutApplication, TheApplicationIsCurrentForItsLifetime) {
    RecordingWindows windows;
    {
        AppShell app(windows);
        EXPECT_EQ(CurrentAppShell(), &app);
    }
    EXPECT_EQ(CurrentAppShell(), nullptr);
}

}  // namespace
