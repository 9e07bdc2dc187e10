#pragma once

// The nine entry points of the USB access library, with the signatures its
// callers resolve them as (devlink/usb_library.h).

#include "devlink/usb_library.h"

extern "C" {
devlink::Result CmdRead(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *disc,
                        DWORD dwTry);
devlink::Result CmdWrite(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *disc,
                         DWORD dwTry);
devlink::Result CmdCmd(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *disc,
                       DWORD dwTry);
devlink::Result CmdSpeic(DWORD dwID, BYTE *buf, DWORD arg3, DWORD arg4);
devlink::Result OpenDevice(const char *productId, const char *vendorId, DWORD index);
devlink::Result CloseDevice();
devlink::Result GetDeviceList(BYTE *list, DWORD capacity);
devlink::Result ReadData(BYTE *buf, DWORD count, DWORD dwTimeout);
devlink::Result WriteData(BYTE *buf, DWORD count, DWORD dwTimeout);
}
