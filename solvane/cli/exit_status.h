#pragma once

// solvane-cli's exit statuses, shared by its commands.
enum ExitStatus { kOk = 0, kMeterFailed = 1, kUsage = 2, kFileFailed = 3 };
