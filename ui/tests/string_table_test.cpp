#include <gtest/gtest.h>

#include "resource.h"
#include "string_resources.h"

namespace {

struct StringCase {
    unsigned id;
    const char* text;
};

TEST(StringTable, HoldsTheProgramsTextsExactly) {
    const StringCase cases[] = {
        {IDS_ABOUT_MENU, "Infor&mazioni su QUINTARO..."},
        {IDS_HELP_LAUNCH_FAILED, "Impossibile avviare la Guida."},
        {IDS_INTERNAL_FAILURE, "Errore interno dell'applicazione."},
        {IDS_OUT_OF_MEMORY, "Memoria insufficiente."},
        {IDS_ENTER_NUMBER, "Digitare un numero."},
        {IDS_ENTER_NUMBER_RANGE, "Digitare un numero compreso tra %1 e %2."},
    };
    for (const StringCase& c : cases) EXPECT_EQ(LoadResourceString(c.id), c.text) << c.id;
}

TEST(StringTable, AnIdWithoutAStringGivesEmptyText) {
    // No title of its own: the executable's name is the application title.
    EXPECT_EQ(LoadResourceString(AFX_IDS_APP_TITLE), "");
    EXPECT_EQ(LoadResourceString(0), "");
    EXPECT_EQ(LoadResourceString(IDD_MAIN), "");
}

}  // namespace
