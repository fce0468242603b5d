// The groups of end-to-end cases, each run against fresh program sessions.
#pragma once

#include "suite.h"

// The text a number field of the main dialog should show.
struct FieldText {
    int id;
    const char* name;
    const char* text;
};

void RunStartupCases(Suite& suite);
void RunCalculateCases(Suite& suite);
void RunValidationCases(Suite& suite);
void RunEndingCases(Suite& suite);
void RunNavigationCases(Suite& suite);
void RunSystemMenuAndAboutCases(Suite& suite);
void RunHelpCases(Suite& suite);
void RunCopyCases(Suite& suite);
