"""Installs the specsdk package: pure Python over the specsdk shared library.

Only setup.py (no pyproject.toml), so that pip builds it with the installed
setuptools and needs no network: `pip install ./python`.
"""

from setuptools import setup

setup(
    name="specsdk",
    version="1.0.2",
    description="The 2048-pixel USB spectrometer and the colour functions of specsdk, with numpy arrays",
    packages=["specsdk"],
    package_data={"specsdk": ["py.typed"]},
    python_requires=">=3.9",
    install_requires=["numpy"],
)
