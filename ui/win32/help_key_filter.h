// F1 in any dialog or message box of the program sends the help command to
// the main window.
#pragma once

void InstallHelpKeyFilter();
