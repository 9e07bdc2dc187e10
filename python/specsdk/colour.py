"""Colour quantities of a spectrum through the library's colour exports.

Spectra are one-dimensional numpy arrays whose length gives the wavelength
grid: 81 (380-780 nm, 5 nm), 41 (380-780 nm, 10 nm), 400 (380-779 nm,
1 nm), 401 (380-780 nm, 1 nm) or 701 (300-1000 nm, 1 nm). Where the library
would answer with a value that is not a number (no light, a purple colour)
a SpecsdkError says so instead."""

from __future__ import annotations

import ctypes
import math
from typing import Tuple

import numpy as np
import numpy.typing as npt

from ._arrays import float_vector, pointer
from ._errors import BadArgumentError, SpecsdkError
from ._library import library

SPECTRUM_LENGTHS = (81, 41, 400, 401, 701)
CRI_LENGTH = 400


def _finite(value: float, what: str) -> float:
    if not math.isfinite(value):
        raise SpecsdkError(f"{what} is undefined for this spectrum (the library gives {value})")
    return value


def xyz(spectrum: npt.ArrayLike) -> Tuple[float, float, float]:
    """CIE 1931 2° tristimulus sums (X, Y, Z), without a normalising factor."""
    values = float_vector(spectrum, "spectrum", SPECTRUM_LENGTHS)
    X, Y, Z = ctypes.c_double(), ctypes.c_double(), ctypes.c_double()
    library().QSP_ColorGetXYZ(pointer(values, ctypes.c_float), values.shape[0],
                              ctypes.byref(X), ctypes.byref(Y), ctypes.byref(Z))
    if X.value + Y.value + Z.value <= 0:
        raise BadArgumentError("the spectrum holds no light (X + Y + Z is not positive)")
    return X.value, Y.value, Z.value


def _pair(function_name: str, spectrum: npt.ArrayLike, what: str) -> Tuple[float, float]:
    X, Y, Z = xyz(spectrum)
    a, b = ctypes.c_double(), ctypes.c_double()
    getattr(library(), function_name)(X, Y, Z, ctypes.byref(a), ctypes.byref(b))
    return _finite(a.value, what), _finite(b.value, what)


def chromaticity_xy(spectrum: npt.ArrayLike) -> Tuple[float, float]:
    """CIE 1931 (x, y) of the spectrum."""
    return _pair("GetCIE1931XY", spectrum, "the CIE 1931 chromaticity")


def chromaticity_uv(spectrum: npt.ArrayLike) -> Tuple[float, float]:
    """CIE 1960 (u, v) of the spectrum."""
    return _pair("GetCIE1960XY", spectrum, "the CIE 1960 chromaticity")


def cct(spectrum: npt.ArrayLike) -> int:
    """Correlated colour temperature in K, a multiple of 5 from 1995 to 50000
    (the range ends stand for anything beyond them)."""
    u, v = chromaticity_uv(spectrum)
    kelvin = ctypes.c_double()
    return int(library().QSP_ColorGetCCT(u, v, ctypes.byref(kelvin)))


def cri(spectrum: npt.ArrayLike) -> float:
    """General colour rendering index Ra of a spectrum of 400 values, 380-779 nm."""
    values = float_vector(spectrum, "spectrum", (CRI_LENGTH,))
    xyz(values)  # refuses a spectrum without light, for which Ra is undefined
    ra = ctypes.c_double()
    library().QSP_ColorGetCRI(pointer(values, ctypes.c_float), ctypes.byref(ra))
    return _finite(ra.value, "Ra")


def _of_xy(function_name: str, spectrum: npt.ArrayLike, what: str) -> float:
    x, y = chromaticity_xy(spectrum)
    value = ctypes.c_double()
    getattr(library(), function_name)(x, y, ctypes.byref(value))
    return _finite(value.value, what)


def dominant_wavelength(spectrum: npt.ArrayLike) -> float:
    """Dominant wavelength in nm relative to the white point (0.3333, 0.3333).

    Purple colours have none: SpecsdkError."""
    return _of_xy("QSP_ColorGetDominantWavelength", spectrum, "the dominant wavelength")


def purity(spectrum: npt.ArrayLike) -> float:
    """Excitation purity as a fraction (1 on the spectral locus).

    Purple colours have none: SpecsdkError."""
    return _of_xy("QSP_ColorGetPurity", spectrum, "the excitation purity")


# Maximum luminous efficacy K_m, lm/W.
MAX_LUMINOUS_EFFICACY = 683.002


def spectral_irradiance(spectrum: npt.ArrayLike, illuminance_lux: float) -> np.ndarray:
    """The spectrum made absolute: spectral irradiance in W·m⁻²·nm⁻¹ (float64).

    Ee(λ) = Ev·S(λ) / (K_m·Σ S·V·Δλ), K_m = 683.002 lm/W, Ev the illuminance
    measured beside the spectrum (a spectrometer gives none of its own). The
    luminous sum is the library's Y (xyz()), which takes the 5 nm rows of the
    colour-matching table (every fifth value of a 1 nm spectrum), times their
    step: 10 nm for 41 values, 5 nm otherwise."""
    if not isinstance(illuminance_lux, (int, float, np.floating, np.integer)) or \
            isinstance(illuminance_lux, bool) or not 0 <= illuminance_lux < math.inf:
        raise BadArgumentError(f"illuminance {illuminance_lux!r} must be a finite number from 0 lx")
    values = np.asarray(spectrum, dtype=np.float64)
    step_nm = 10.0 if values.shape == (41,) else 5.0
    luminous_sum = xyz(values)[1] * step_nm  # also checks the spectrum's shape and values
    if luminous_sum <= 0:
        raise BadArgumentError("the spectrum holds no visible light (its Y sum is not positive)")
    return values * (illuminance_lux / (MAX_LUMINOUS_EFFICACY * luminous_sum))
