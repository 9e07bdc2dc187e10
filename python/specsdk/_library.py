"""Finds and loads the specsdk shared library and declares its exports.

The library is looked for, in this order:
  1. the path in the environment variable SPECSDK_LIBRARY, when it is set;
  2. the folder that `cmake --install` put it in (recorded in _installed.py
     when the package's sources are installed);
  3. the folder of this package.
"""

from __future__ import annotations

import ctypes
import os
import sys
from pathlib import Path
from typing import List, Optional

from ._errors import LibraryNotFoundError

ENVIRONMENT_VARIABLE = "SPECSDK_LIBRARY"

if sys.platform == "win32":
    _FILE_NAMES = ["specsdk.dll"]
elif sys.platform == "darwin":
    _FILE_NAMES = ["libspecsdk.1.dylib", "libspecsdk.dylib"]
else:
    _FILE_NAMES = ["libspecsdk.so.1", "libspecsdk.so"]

_c_int_p = ctypes.POINTER(ctypes.c_int)
_c_uint_p = ctypes.POINTER(ctypes.c_uint)
_c_float_p = ctypes.POINTER(ctypes.c_float)
_c_double_p = ctypes.POINTER(ctypes.c_double)

# name: (result type, argument types), as specsdk.h declares them.
_EXPORTS = {
    "QSP_SpectrometerOpen": (ctypes.c_int, [ctypes.c_int]),
    "QSP_SpectrometerClose": (ctypes.c_int, []),
    "QSP_SetIntegrationTime": (ctypes.c_int, [ctypes.c_int]),
    "QSP_GetIntegrationTime": (ctypes.c_int, []),
    "QSP_GetDeviceList": (ctypes.c_int, []),
    "GetDeviceId": (ctypes.c_int, [ctypes.c_char_p]),
    "ReadSpectroInfo": (
        None,
        [ctypes.c_char_p] * 5 + [_c_uint_p] * 2 + [_c_int_p] * 5 + [_c_int_p],
    ),
    "QSP_SpectrometerDataAcquire": (ctypes.c_int, [_c_int_p, _c_int_p]),
    "GetOrgIntesnsity": (ctypes.c_int, [_c_int_p, _c_int_p]),
    "GetIntensity": (
        ctypes.c_int,
        [_c_float_p, _c_float_p] + [ctypes.c_int] * 6,
    ),
    "GetLumbda": (ctypes.c_int, [_c_float_p]),
    "LowPassIntensity": (
        ctypes.c_int,
        [ctypes.c_float, ctypes.c_float, ctypes.c_float, ctypes.c_int, _c_float_p, _c_float_p,
         ctypes.c_int],
    ),
    "CalceBoxcar": (
        ctypes.c_bool,
        [ctypes.c_int] * 4 + [_c_float_p] * 4,
    ),
    "QSP_ColorGetXYZ": (None, [_c_float_p, ctypes.c_int, _c_double_p, _c_double_p, _c_double_p]),
    "GetCIE1931XY": (None, [ctypes.c_double] * 3 + [_c_double_p] * 2),
    "GetCIE1960XY": (None, [ctypes.c_double] * 3 + [_c_double_p] * 2),
    "QSP_ColorGetCCT": (ctypes.c_int, [ctypes.c_double, ctypes.c_double, _c_double_p]),
    "QSP_ColorGetCRI": (None, [_c_float_p, _c_double_p]),
    "QSP_ColorGetDominantWavelength": (None, [ctypes.c_double, ctypes.c_double, _c_double_p]),
    "QSP_ColorGetPurity": (None, [ctypes.c_double, ctypes.c_double, _c_double_p]),
}

_loaded: Optional[ctypes.CDLL] = None
_loaded_path: Optional[str] = None


def _installed_folder() -> Optional[Path]:
    try:
        from . import _installed  # written by `cmake --install`
    except ImportError:
        return None
    return Path(_installed.LIBRARY_DIR)


def candidate_paths() -> List[Path]:
    """Where the library is looked for, in order (see the module's description)."""
    explicit = os.environ.get(ENVIRONMENT_VARIABLE)
    if explicit:
        return [Path(explicit)]
    folders = [f for f in (_installed_folder(), Path(__file__).resolve().parent) if f]
    return [folder / name for folder in folders for name in _FILE_NAMES]


def library() -> ctypes.CDLL:
    """The loaded library with its exports declared; loaded on first use."""
    global _loaded, _loaded_path
    if _loaded is not None:
        return _loaded
    tried = []
    for path in candidate_paths():
        if not path.exists():
            tried.append(f"{path}: No such file")
            continue
        try:
            handle = ctypes.CDLL(str(path))
        except OSError as error:
            tried.append(f"{path}: {error}")
            continue
        for name, (result, arguments) in _EXPORTS.items():
            function = getattr(handle, name)
            function.restype = result
            function.argtypes = arguments
        _loaded, _loaded_path = handle, str(path)
        return handle
    raise LibraryNotFoundError(
        "cannot load the specsdk library (set " + ENVIRONMENT_VARIABLE + " to its path): "
        + "; ".join(tried)
    )


def library_path() -> str:
    """The file the library was loaded from (loading it if need be)."""
    library()
    assert _loaded_path is not None
    return _loaded_path
