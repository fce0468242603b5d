// The quintaro command line: options and subcommands, and what each runs.
#pragma once

// Exit statuses: 0 done; 2 bad input (an unknown option, a bad value, a
// rejected CSV header, or any rejected CSV row, reported after all good rows
// were written); 1 the input could not be read or the output written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitIoFailure = 1;
inline constexpr int kExitBadInput = 2;

int RunQuintaro(int argc, char** argv);
