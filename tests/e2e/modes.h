// The driver's other two jobs besides the cases.
#pragma once

#include <string>

// Times launch-to-visible-dialog of each program, alternating, `repetitions`
// times each; prints the medians and their ratio. Returns the exit status.
int RunStartupBenchmark(const std::wstring& program, const std::wstring& reference, int repetitions);

// Starts the program and poses it for a screenshot: "main" (after a
// calculation) or "about" (the About box open). Writes "left top width
// height" of the window to pose into `rectFile`, then keeps it open until
// `doneFile` exists (bounded).
int PoseForScreenshot(const std::wstring& program, const std::string& pose, const std::wstring& rectFile,
                      const std::wstring& doneFile);
