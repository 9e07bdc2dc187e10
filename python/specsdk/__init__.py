"""The spectrometer and the colour functions of the specsdk shared library.

    import specsdk

    print(specsdk.list_devices())       # [DeviceInfo(index=0, model='SP2048', serial='0000123')]
    with specsdk.Spectrometer.from_first_available() as sp:
        sp.integration_time_ms = 150
        nm, values = sp.spectrum()

Every failure value of the library becomes a SpecsdkError (or one of its
subclasses); nothing fails silently.
"""

from ._errors import (
    BadArgumentError,
    DeviceNotAvailableError,
    LibraryNotFoundError,
    SpecsdkError,
)
from ._library import library_path
from ._version import __version__
from .colour import (
    cct,
    chromaticity_uv,
    chromaticity_xy,
    cri,
    dominant_wavelength,
    purity,
    spectral_irradiance,
    xyz,
)
from .processing import boxcar, low_pass
from .spectrometer import DeviceInfo, Spectrometer, device_count, list_devices

__all__ = [
    "BadArgumentError",
    "DeviceInfo",
    "DeviceNotAvailableError",
    "LibraryNotFoundError",
    "SpecsdkError",
    "Spectrometer",
    "boxcar",
    "cct",
    "chromaticity_uv",
    "chromaticity_xy",
    "cri",
    "device_count",
    "dominant_wavelength",
    "library_path",
    "list_devices",
    "low_pass",
    "purity",
    "spectral_irradiance",
    "xyz",
    "__version__",
]
