#pragma once

// The contract of the USB access library that the desktop program and the
// SDK load at run time: its file name, its entry-point names and the types
// they are called through. Our simulated instrument library exports exactly
// these entry points.

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#define DEVLINK_CDECL __cdecl
#else
#define DEVLINK_CDECL
// The Windows integer names the entry points are declared with.
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
#endif

namespace devlink {

// Signed 32-bit result of every entry point: above 0 is success.
using Result = std::int32_t;

// The command frame: one call with seven 32-bit arguments (dwID command code,
// loc parameter, count bytes in buf, dwTimeout, disc, dwTry).
using CommandEntry = Result(DEVLINK_CDECL *)(DWORD dwID, DWORD loc, DWORD count, BYTE *buf,
                                             DWORD dwTimeout, char *disc, DWORD dwTry);
// The special command: (8, 128-byte reply buffer, 0, 0) reads the device identifier.
using SpecialEntry = Result(DEVLINK_CDECL *)(DWORD dwID, BYTE *buf, DWORD arg3, DWORD arg4);
using OpenDeviceEntry = Result(DEVLINK_CDECL *)(const char *productId, const char *vendorId,
                                                DWORD index);
using CloseDeviceEntry = Result(DEVLINK_CDECL *)();
using DeviceListEntry = Result(DEVLINK_CDECL *)(BYTE *list, DWORD capacity);
using DataEntry = Result(DEVLINK_CDECL *)(BYTE *buf, DWORD count, DWORD dwTimeout);

// File name passed to the platform loader, without a directory.
#if defined(_WIN32)
inline constexpr const char *kUsbLibraryName = "TesselUSB.dll";
#else
inline constexpr const char *kUsbLibraryName = "libTesselUSB.so";
#endif

inline constexpr const char *kProductId = "085F";
inline constexpr const char *kVendorId = "0483";

// Arguments every caller passes with a command frame.
inline constexpr DWORD kTries = 3;

// Sizes of the device-list call.
inline constexpr DWORD kDeviceListBytes = 200;
inline constexpr DWORD kDeviceListCapacity = 5;
// Reply buffer of the special command and the identifier it carries.
inline constexpr DWORD kSpecialReplyBytes = 128;
inline constexpr DWORD kDeviceIdBytes = 14;
inline constexpr DWORD kDeviceIdCommand = 8;

} // namespace devlink
