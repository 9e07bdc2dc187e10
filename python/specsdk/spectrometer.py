"""The spectrometer: open, integration time, identifier, information block, frames."""

from __future__ import annotations

import ctypes
from typing import Any, Dict, Tuple

import numpy as np

from ._arrays import pointer
from ._errors import BadArgumentError, DeviceNotAvailableError, SpecsdkError
from ._library import library

PIXELS = 2048
DARK_PIXELS = 16
SPECTRUM_POINTS = 400  # 380 to 779 nm at 1 nm
MAX_INTEGRATION_TIME = 6553
INTENSITY_GRID_POINTS = 701  # 300 to 1000 nm at 1 nm
_ID_LENGTH = 14
_INFO_TEXT_BYTES = 16
_INFO_TABLE_VALUES = 60
_INFO_TEXT_KEYS = ("model", "serial", "firmware", "detector", "calibration_date")
_INFO_16BIT_KEYS = ("first_nm", "last_nm", "dark_pixels", "adc_bits", "min_integration_time")


def device_count() -> int:
    """The number of attached devices the USB library lists.

    Raises DeviceNotAvailableError when the USB library is missing or cannot list."""
    count = library().QSP_GetDeviceList()
    if count < 0:
        raise DeviceNotAvailableError("the USB library cannot list devices (missing or incomplete)")
    return int(count)


def _failure(what: str) -> SpecsdkError:
    """The exception for a failed device call: the device is gone, or the exchange failed."""
    if library().QSP_SpectrometerOpen(0) != 0:
        return DeviceNotAvailableError(f"{what}: the spectrometer is not available")
    return SpecsdkError(f"{what}: the device did not answer")


class Spectrometer:
    """One spectrometer, opened by index; use it as a context manager.

        with Spectrometer() as sp:
            print(sp.device_id, sp.integration_time)
            wavelengths, intensities = sp.acquire()

    The library opens the device for every call and keeps no state, so the
    object holds only the index. Use one device from one thread at a time."""

    def __init__(self, index: int = 0) -> None:
        if not isinstance(index, int) or index < 0:
            raise BadArgumentError(f"device index {index!r} must be a non-negative integer")
        self.index = index
        self._open = False

    def open(self) -> "Spectrometer":
        """Opens the device. Raises DeviceNotAvailableError when it cannot be opened."""
        if library().QSP_SpectrometerOpen(self.index) != 0:
            raise DeviceNotAvailableError(f"spectrometer {self.index} is not available")
        self._open = True
        return self

    def close(self) -> None:
        """Closes the device (nothing when it is not open)."""
        if self._open:
            library().QSP_SpectrometerClose()
            self._open = False

    def __enter__(self) -> "Spectrometer":
        return self.open()

    def __exit__(self, *exc: Any) -> None:
        self.close()

    def _require_open(self) -> None:
        if not self._open:
            raise SpecsdkError("the spectrometer is not open (use it in a with block, or open())")

    @property
    def integration_time(self) -> int:
        """The integration time, 1 to 6553 (tenths dropped).

        The library answers 0 for a failed read, so 0 raises SpecsdkError."""
        self._require_open()
        time = library().QSP_GetIntegrationTime()
        if time <= 0:
            raise _failure("reading the integration time")
        return int(time)

    @integration_time.setter
    def integration_time(self, time: int) -> None:
        self._require_open()
        if isinstance(time, bool) or not isinstance(time, (int, np.integer)):
            raise BadArgumentError(f"integration time {time!r} must be an integer")
        if not 0 <= time <= MAX_INTEGRATION_TIME:
            raise BadArgumentError(
                f"integration time {time} is outside 0 to {MAX_INTEGRATION_TIME}")
        if library().QSP_SetIntegrationTime(int(time)) != 0:
            raise _failure(f"setting the integration time to {time}")

    @property
    def device_id(self) -> str:
        """The 14-character device identifier."""
        self._require_open()
        buffer = ctypes.create_string_buffer(_ID_LENGTH + 1)
        if library().GetDeviceId(buffer) != 1:
            raise _failure("reading the device identifier")
        return buffer.raw[:_ID_LENGTH].decode("latin-1")

    def info(self) -> Dict[str, Any]:
        """The instrument information block: texts, counts and the temperature table.

        Keys: model, serial, firmware, detector, calibration_date (str);
        pixel_count, serial_number, first_nm, last_nm, dark_pixels, adc_bits,
        min_integration_time (int); temperature_table (numpy int32 array of 60)."""
        self._require_open()
        texts = [ctypes.create_string_buffer(_INFO_TEXT_BYTES) for _ in _INFO_TEXT_KEYS]
        values32 = [ctypes.c_uint(0), ctypes.c_uint(0)]
        # The 16-bit fields are never negative: -1 left in place means no reply.
        values16 = [ctypes.c_int(-1) for _ in _INFO_16BIT_KEYS]
        table = np.zeros(_INFO_TABLE_VALUES, dtype=np.int32)
        library().ReadSpectroInfo(*texts, *(ctypes.byref(v) for v in values32),
                                  *(ctypes.byref(v) for v in values16), pointer(table, ctypes.c_int))
        if values16[0].value < 0:
            raise _failure("reading the information block")
        info: Dict[str, Any] = {
            key: text.raw.split(b"\0", 1)[0].decode("latin-1")
            for key, text in zip(_INFO_TEXT_KEYS, texts)
        }
        info["pixel_count"], info["serial_number"] = (int(v.value) for v in values32)
        info.update({key: int(v.value) for key, v in zip(_INFO_16BIT_KEYS, values16)})
        info["temperature_table"] = table
        return info

    def _two_int_arrays(self, export: str, first: int, second: int, what: str
                        ) -> Tuple[np.ndarray, np.ndarray]:
        """Calls `export` with two int32 output arrays of the given lengths."""
        self._require_open()
        a = np.zeros(first, dtype=np.int32)
        b = np.zeros(second, dtype=np.int32)
        if getattr(library(), export)(pointer(a, ctypes.c_int), pointer(b, ctypes.c_int)) != 0:
            raise _failure(what)
        return a, b

    def acquire(self) -> Tuple[np.ndarray, np.ndarray]:
        """One calibrated spectrum, exactly as QSP_SpectrometerDataAcquire gives it.

        Returns (wavelengths, intensities), two int32 arrays of 400 values:
        380 to 779 nm, and the spectrum times 10000."""
        return self._two_int_arrays("QSP_SpectrometerDataAcquire", SPECTRUM_POINTS,
                                    SPECTRUM_POINTS, "acquiring a spectrum")

    def raw(self) -> Tuple[np.ndarray, np.ndarray]:
        """One detector frame: (2048 pixel counts, 16 dark counts), int32 arrays."""
        return self._two_int_arrays("GetOrgIntesnsity", PIXELS, DARK_PIXELS,
                                    "reading a detector frame")

    def wavelengths(self) -> np.ndarray:
        """The 2048 pixel wavelengths (nm, float32) from the device's coefficients."""
        self._require_open()
        wavelengths = np.zeros(PIXELS, dtype=np.float32)
        if library().GetLumbda(pointer(wavelengths, ctypes.c_float)) != 0:
            raise _failure("reading the wavelength coefficients")
        return wavelengths

    def intensity(self, scans: int = 1, boxcar: int = 0, cut_low: int = 0, cut_high: int = 0,
                  keep_dark: bool = False) -> Tuple[np.ndarray, np.ndarray]:
        """`scans` frames averaged, less the dark level unless `keep_dark`, through GetIntensity.

        With `boxcar` > 0 the result is resampled onto 300 to 1000 nm at 1 nm
        with that boxcar width: (wavelengths, values) of 701 float32 values.
        With `boxcar` 0 it is the filtered counts at the 2048 pixel wavelengths.
        `cut_high` - `cut_low` wide a band around the Nyquist frequency is
        removed (none when it is 0)."""
        self._require_open()
        for name, value, least in (("scans", scans, 1), ("boxcar", boxcar, 0)):
            if isinstance(value, bool) or not isinstance(value, (int, np.integer)) or value < least:
                raise BadArgumentError(f"{name} {value!r} must be an integer of at least {least}")
        values = np.zeros(PIXELS, dtype=np.float32)
        wavelengths = np.zeros(PIXELS, dtype=np.float32)
        if library().GetIntensity(pointer(values, ctypes.c_float),
                                  pointer(wavelengths, ctypes.c_float), int(scans), 0,
                                  int(boxcar), int(cut_low), int(cut_high),
                                  1 if keep_dark else 0) != 0:
            raise _failure("reading the averaged intensity")
        if boxcar > 0:
            return wavelengths[:INTENSITY_GRID_POINTS].copy(), values[:INTENSITY_GRID_POINTS].copy()
        return wavelengths, values
