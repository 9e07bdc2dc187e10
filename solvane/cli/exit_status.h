#pragma once

// solvane-cli's exit statuses, shared by its commands.
enum ExitStatus { kOk = 0, kMeterFailed = 1, kUsage = 2, kFileFailed = 3 };

// A command's return for a usage error it has explained itself on stderr:
// the program exits with kUsage without the usage line.
inline constexpr int kUsageExplained = -kUsage;
