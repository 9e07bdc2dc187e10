"""The spectrometer and the colour functions of the specsdk shared library.

    import specsdk

    with specsdk.Spectrometer() as sp:
        sp.integration_time = 150
        wavelengths, intensities = sp.acquire()

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
from .colour import cct, chromaticity_uv, chromaticity_xy, cri, dominant_wavelength, purity, xyz
from .processing import boxcar, low_pass
from .spectrometer import Spectrometer, device_count

__all__ = [
    "BadArgumentError",
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
    "low_pass",
    "purity",
    "xyz",
]
