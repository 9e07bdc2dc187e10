"""The package's version: the SDK's own, which the build checks."""

__version__ = "1.0.2"
