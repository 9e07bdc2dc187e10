"""The library's two general filters: boxcar resampling and a FIR low-pass."""

from __future__ import annotations

import ctypes
import math
from typing import Tuple

import numpy as np
import numpy.typing as npt

from ._arrays import float_vector, pointer
from ._errors import BadArgumentError
from ._library import library


def boxcar(x: npt.ArrayLike, y: npt.ArrayLike, start: int, end: int, width: int
           ) -> Tuple[np.ndarray, np.ndarray]:
    """Weighted boxcar resampling of the points (x, y) onto start..end at 1 nm (CalceBoxcar).

    A sample within width/2 of a grid point weighs from 1 at its centre to
    0.5 at the window's edges. Returns (grid, values) as float32 arrays of
    end - start + 1 values; a grid point with no sample in its window is NaN.
    Width 0 returns x and y unchanged. `x` must be ascending."""
    xs = float_vector(x, "x")
    ys = float_vector(y, "y")
    if xs.shape != ys.shape:
        raise BadArgumentError(f"x has {xs.shape[0]} values and y {ys.shape[0]}; they must match")
    if np.any(np.diff(xs) < 0):
        raise BadArgumentError("x must be ascending")
    if not all(isinstance(v, (int, np.integer)) and not isinstance(v, bool)
               for v in (start, end, width)):
        raise BadArgumentError("start, end and width must be integers")
    if end < start:
        raise BadArgumentError(f"end {end} lies before start {start}")
    if width < 0:
        raise BadArgumentError(f"width {width} is negative")
    count = xs.shape[0]
    outputs = count if width == 0 else end - start + 1
    out_x = np.zeros(max(count, 1), dtype=np.float32)
    out_y = np.full(max(outputs, 1), np.nan, dtype=np.float32)
    if not library().CalceBoxcar(int(start), int(end), int(width), count,
                                 pointer(xs, ctypes.c_float), pointer(ys, ctypes.c_float),
                                 pointer(out_x, ctypes.c_float), pointer(out_y, ctypes.c_float)):
        raise BadArgumentError(f"CalceBoxcar refused start {start}, end {end}, width {width}")
    if width == 0:
        return out_x[:count], out_y[:count]
    return np.arange(start, end + 1, dtype=np.float32), out_y


def low_pass(signal: npt.ArrayLike, fs: float, df: float, fp: float, attenuation: int
             ) -> np.ndarray:
    """Window-method FIR low-pass filter of `signal` (LowPassIntensity).

    `fs` the sampling rate, `fp` the end of the pass band and `df` the
    transition width (same unit as fs), `attenuation` the stop-band
    attenuation in dB, which chooses the window. Returns float32 values of the
    signal's length."""
    values = float_vector(signal, "signal")
    for name, value in (("fs", fs), ("df", df)):
        if not math.isfinite(value) or value <= 0:
            raise BadArgumentError(f"{name} {value!r} must be a positive finite number")
    if not math.isfinite(fp) or fp < 0:
        raise BadArgumentError(f"fp {fp!r} must be a finite number of at least 0")
    out = np.zeros(values.shape[0], dtype=np.float32)
    if library().LowPassIntensity(float(fs), float(df), float(fp), int(attenuation),
                                  pointer(values, ctypes.c_float), pointer(out, ctypes.c_float),
                                  values.shape[0]) != 0:
        raise BadArgumentError(
            f"LowPassIntensity refused fs {fs}, df {df} (the filter would be too long)")
    return out
