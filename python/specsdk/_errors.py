"""The exceptions that every failure value of the library becomes."""


class SpecsdkError(Exception):
    """A call of the specsdk library failed; the message says which and why."""


class LibraryNotFoundError(SpecsdkError, OSError):
    """The specsdk shared library could not be found or loaded."""


class DeviceNotAvailableError(SpecsdkError):
    """The spectrometer cannot be opened: none attached, or no USB library."""


class BadArgumentError(SpecsdkError, ValueError):
    """An argument was refused before (or by) the library: wrong shape, range or value."""
