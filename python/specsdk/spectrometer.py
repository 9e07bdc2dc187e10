"""The spectrometer: the device list, open, integration time, identifier,
information block, frames and spectra."""

from __future__ import annotations

import ctypes
from typing import Any, Dict, List, NamedTuple, Optional, Tuple

import numpy as np

from ._arrays import pointer
from ._errors import BadArgumentError, DeviceNotAvailableError, SpecsdkError
from ._library import library

PIXELS = 2048
DARK_PIXELS = 16
SPECTRUM_POINTS = 400  # 380 to 779 nm at 1 nm
MAX_INTEGRATION_TIME = 6553  # ms: the device stores tenths in 16 bits, the library whole ms
INTEGRATION_TIME_UNIT = "ms"
INTENSITY_GRID_POINTS = 701  # 300 to 1000 nm at 1 nm
_ID_LENGTH = 14
_INFO_TEXT_BYTES = 16
_INFO_TABLE_VALUES = 60
_INFO_TEXT_KEYS = ("model", "serial", "firmware", "detector", "calibration_date")
_INFO_16BIT_KEYS = ("first_nm", "last_nm", "dark_pixels", "adc_bits", "min_integration_time")


class DeviceInfo(NamedTuple):
    """One attached spectrometer as list_devices() gives it."""

    index: int
    model: str
    serial: str


def _listed_count() -> int:
    """The number of devices the USB library lists, meters included."""
    count = library().QSP_GetDeviceList()
    if count < 0:
        raise DeviceNotAvailableError("the USB library cannot list devices (missing or incomplete)")
    return int(count)


def _read_info() -> Dict[str, Any]:
    """The information block of the device the library opens; SpecsdkError
    when it does not answer (a light meter never does)."""
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


def list_devices() -> List[DeviceInfo]:
    """The attached spectrometers with their index, model and serial number.

    Every device the USB library lists is opened and asked for the
    spectrometer's information block; one that does not answer it (the
    hand-held light meter shares the USB library) is not a spectrometer and
    is left out. Raises DeviceNotAvailableError when the USB library is
    missing or cannot list."""
    devices = []
    for index in range(_listed_count()):
        if library().QSP_SpectrometerOpen(index) != 0:
            continue
        try:
            info = _read_info()
        except SpecsdkError:
            continue
        finally:
            library().QSP_SpectrometerClose()
        devices.append(DeviceInfo(index, info["model"], info["serial"]))
    return devices


def device_count() -> int:
    """The number of attached spectrometers (a light meter is not one).

    Raises DeviceNotAvailableError when the USB library is missing or cannot list."""
    return len(list_devices())


def _none_attached() -> DeviceNotAvailableError:
    """Why no spectrometer can be had: none attached, or only a meter."""
    if _listed_count() > 0:
        return DeviceNotAvailableError(
            "no spectrometer is attached: the attached device does not answer as a spectrometer "
            "(it is the light meter, or it is not ready)")
    return DeviceNotAvailableError("no spectrometer is attached")


def _failure(what: str) -> SpecsdkError:
    """The exception for a failed device call: the device is gone, or the exchange failed."""
    if library().QSP_SpectrometerOpen(0) != 0:
        return DeviceNotAvailableError(f"{what}: the spectrometer is not available")
    return SpecsdkError(f"{what}: the device did not answer")


class Spectrometer:
    """One spectrometer, by index or serial number; use it as a context manager.

        with Spectrometer.from_first_available() as sp:
            print(sp)                        # <specsdk.Spectrometer SP2048 serial 0000123, device 0, open>
            sp.integration_time_ms = 100
            nm, values = sp.spectrum()

    The library opens the device for every call and keeps no state, so the
    object holds the index and, once open, the device's information block.
    Use one device from one thread at a time."""

    def __init__(self, index: int = 0, *, serial: Optional[str] = None) -> None:
        if serial is not None:
            index = self._index_of(serial)
        if isinstance(index, bool) or not isinstance(index, int) or index < 0:
            raise BadArgumentError(f"device index {index!r} must be a non-negative integer")
        self.index = index
        self._open = False
        self._info: Optional[Dict[str, Any]] = None

    @staticmethod
    def _index_of(serial: str) -> int:
        devices = list_devices()
        for device in devices:
            if device.serial == serial:
                return device.index
        attached = ", ".join(d.serial for d in devices) or "none"
        raise DeviceNotAvailableError(
            f"no spectrometer with serial number {serial!r} (attached: {attached})")

    @classmethod
    def from_first_available(cls) -> "Spectrometer":
        """The first spectrometer of list_devices(), opened.

        Raises DeviceNotAvailableError, saying so when the only device is a meter."""
        devices = list_devices()
        if not devices:
            raise _none_attached()
        return cls(devices[0].index).open()

    def open(self) -> "Spectrometer":
        """Opens the device and reads its information block (nothing when it
        is open). Raises DeviceNotAvailableError when it cannot be opened or
        does not answer as a spectrometer."""
        if self._open:
            return self
        if library().QSP_SpectrometerOpen(self.index) != 0:
            raise DeviceNotAvailableError(f"spectrometer {self.index} is not available")
        try:
            self._info = _read_info()
        except SpecsdkError:
            library().QSP_SpectrometerClose()
            raise DeviceNotAvailableError(
                f"device {self.index} does not answer as a spectrometer (it is the light meter, "
                "or it is not ready)") from None
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

    def __repr__(self) -> str:
        which = f"{self._info['model']} serial {self._info['serial']}, " if self._info else ""
        return (f"<specsdk.Spectrometer {which}device {self.index}, "
                f"{'open' if self._open else 'closed'}>")

    def _require_open(self) -> Dict[str, Any]:
        """The device's information block; SpecsdkError when it is not open."""
        if not self._open or self._info is None:
            raise SpecsdkError("the spectrometer is not open (use it in a with block, or open())")
        return self._info

    @property
    def integration_time_limits_ms(self) -> Tuple[int, int]:
        """The shortest and longest integration time the device takes, in ms."""
        shortest = max(1, self._require_open()["min_integration_time"])
        return shortest, MAX_INTEGRATION_TIME

    @property
    def integration_time_ms(self) -> int:
        """The integration time in milliseconds (whole ms; the device's tenths are dropped).

        Set it to a whole number within integration_time_limits_ms, at most
        1 to 6553; a time outside them, 0 among them, is refused with
        BadArgumentError before the device is asked. The library answers 0
        for a failed read, so 0 raises SpecsdkError."""
        self._require_open()
        time = library().QSP_GetIntegrationTime()
        if time <= 0:
            raise _failure("reading the integration time")
        return int(time)

    @integration_time_ms.setter
    def integration_time_ms(self, time: int) -> None:
        if isinstance(time, bool) or not isinstance(time, (int, np.integer)):
            raise BadArgumentError(f"integration time {time!r} must be a whole number of ms")
        if not 1 <= time <= MAX_INTEGRATION_TIME:
            raise BadArgumentError(
                f"integration time {time} ms is outside 1 to {MAX_INTEGRATION_TIME} ms")
        shortest, longest = self.integration_time_limits_ms
        if not shortest <= time <= longest:
            raise BadArgumentError(
                f"integration time {time} ms is outside this device's {shortest} to {longest} ms")
        if library().QSP_SetIntegrationTime(int(time)) != 0:
            raise _failure(f"setting the integration time to {time} ms")

    # The name the package has always had, in milliseconds as well.
    integration_time = integration_time_ms

    @property
    def max_intensity(self) -> int:
        """The saturation level: the largest count the detector's converter gives."""
        return (1 << self._require_open()["adc_bits"]) - 1

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
        return _read_info()

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
        """The 2048 pixel wavelengths in nm (float64) from the device's coefficients."""
        self._require_open()
        wavelengths = np.zeros(PIXELS, dtype=np.float32)
        if library().GetLumbda(pointer(wavelengths, ctypes.c_float)) != 0:
            raise _failure("reading the wavelength coefficients")
        return wavelengths.astype(np.float64)

    def intensities(self, correct_dark_counts: bool = False) -> np.ndarray:
        """One detector frame: the 2048 pixels' counts (float64), at wavelengths().

        With `correct_dark_counts` the mean of the device's 16 covered (dark)
        pixels of the same frame is subtracted."""
        pixels, dark = self.raw()
        counts = pixels.astype(np.float64)
        if correct_dark_counts:
            counts -= dark.mean()
        return counts

    def spectrum(self) -> np.ndarray:
        """One calibrated spectrum as a (2, 400) float64 array: wavelengths
        380 to 779 nm, and the values in the calibrated unit (the dark-corrected
        counts divided by the device's intensity coefficients, a relative
        spectral distribution) as acquire() gives them times 10000."""
        wavelengths, values = self.acquire()
        return np.vstack([wavelengths, values / 10000.0]).astype(np.float64)

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
