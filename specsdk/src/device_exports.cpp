// The exported device functions: argument checks and result values over
// the operations of device.h.

#include "specsdk.h"

#include "device.h"
#include "usb_binding.h"

#include <algorithm>

namespace {

namespace protocol = devlink::spectrometer;

constexpr int kNotAvailable = -1;
// A device exchange failed (the device was there).
constexpr int kFailed = -1;

} // namespace

extern "C" {

int SPECSDK_CALL QSP_SpectrometerOpen(int index) {
  return specsdk::openDevice(index) ? 0 : kNotAvailable;
}

int SPECSDK_CALL QSP_SpectrometerClose(void) {
  const specsdk::UsbEntries *usb = specsdk::usbEntries();
  return usb ? usb->closeDevice() : kNotAvailable;
}

int SPECSDK_CALL QSP_SetIntegrationTime(int time) {
  return specsdk::writeIntegrationTime(time) ? 0 : kFailed;
}

int SPECSDK_CALL QSP_GetIntegrationTime(void) {
  return std::max(specsdk::readIntegrationTime(), 0);
}

#if !defined(_WIN32)
// One function under two names; the Windows build names it in specsdk.def.
int SPECSDK_CALL ReadIntegrationTime(void) __attribute__((alias("QSP_GetIntegrationTime")));
#endif

int SPECSDK_CALL QSP_GetDeviceList(void) {
  const specsdk::UsbEntries *usb = specsdk::usbEntries();
  if (usb == nullptr || usb->getDeviceList == nullptr) {
    return kNotAvailable;
  }
  BYTE list[devlink::kDeviceListBytes] = {};
  return usb->getDeviceList(list, devlink::kDeviceListCapacity);
}

int SPECSDK_CALL GetDeviceId(char *id) {
  if (id == nullptr) {
    return kNotAvailable;
  }
  return specsdk::readDeviceId(id) ? 1 : kFailed;
}

void SPECSDK_CALL ReadSpectroInfo(char *text1, char *text2, char *text3, char *text4, char *text5,
                                  unsigned int *value1, unsigned int *value2, int *short1,
                                  int *short2, int *short3, int *short4, int *short5, int *table) {
  protocol::InstrumentInfo info;
  if (!specsdk::readInstrumentInfo(info)) {
    return;
  }
  char *texts[] = {text1, text2, text3, text4, text5};
  for (int k = 0; k < protocol::kInfoTexts; ++k) {
    if (texts[k] != nullptr) {
      std::copy(info.texts[k].begin(), info.texts[k].end(), texts[k]);
    }
  }
  unsigned int *longs[] = {value1, value2};
  for (int k = 0; k < protocol::kInfoUint32Values; ++k) {
    if (longs[k] != nullptr) {
      *longs[k] = info.uint32Values[k];
    }
  }
  int *shorts[] = {short1, short2, short3, short4, short5};
  for (int k = 0; k < protocol::kInfoUint16Values; ++k) {
    if (shorts[k] != nullptr) {
      *shorts[k] = info.uint16Values[k];
    }
  }
  if (table != nullptr) {
    std::copy(info.int32Values.begin(), info.int32Values.end(), table);
  }
}

void SPECSDK_CALL ReadQD(float *table) {
  if (table != nullptr) {
    specsdk::readQdTable(table);
  }
}

int SPECSDK_CALL QSP_SpectrometerDataAcquire(int *wavelengths, int *intensities) {
  protocol::RawFrame frame;
  if (!wavelengths || !intensities || !specsdk::openDevice() || !specsdk::readRawFrame(frame)) {
    return kNotAvailable;
  }
  // Without the wavelength polynomial every pixel would sit at 0 nm and
  // the resampling would produce no spectrum at all; without the whole
  // intensity table the spectrum would keep the detector's response (or
  // part of it) and so the wrong colour. Either fails the acquisition,
  // outputs untouched.
  float coefficients[specsdk::kPolynomialTerms] = {};
  if (!specsdk::readWavelengthCoefficients(coefficients)) {
    return kFailed;
  }
  double intensityCoefficients[specsdk::kIntensityCoefficients];
  if (specsdk::readIntensityCoefficients(intensityCoefficients) !=
      specsdk::kIntensityCoefficients) {
    return kFailed;
  }
  specsdk::acquisitionSpectrum(frame, coefficients, intensityCoefficients, wavelengths,
                               intensities);
  return 0;
}

} // extern "C"
