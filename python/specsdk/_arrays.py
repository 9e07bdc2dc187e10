"""Shape checks and ctypes views of numpy arrays."""

from __future__ import annotations

import ctypes
from typing import Iterable, Optional

import numpy as np
import numpy.typing as npt

from ._errors import BadArgumentError


def float_vector(values: npt.ArrayLike, name: str, lengths: Optional[Iterable[int]] = None
                 ) -> np.ndarray:
    """`values` as a contiguous one-dimensional float32 array of finite values.

    Raises BadArgumentError when it is not one-dimensional, when its length is
    not one of `lengths` (if given), or when a value is NaN or infinite."""
    array = np.ascontiguousarray(values, dtype=np.float32)
    if array.ndim != 1:
        raise BadArgumentError(f"{name} must be one-dimensional, not of shape {array.shape}")
    allowed = list(lengths) if lengths is not None else None
    if allowed is not None and array.shape[0] not in allowed:
        expected = " or ".join(str(n) for n in allowed)
        raise BadArgumentError(f"{name} has {array.shape[0]} values, expected {expected}")
    if not np.all(np.isfinite(array)):
        raise BadArgumentError(f"{name} holds a value that is not a finite number")
    return array


def pointer(array: np.ndarray, c_type: type) -> ctypes._Pointer:  # type: ignore[name-defined]
    """A pointer to the first element of a contiguous array of `c_type`."""
    return array.ctypes.data_as(ctypes.POINTER(c_type))
