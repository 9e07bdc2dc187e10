"""Installs the specsdk package: pure Python over the specsdk shared library.

Only setup.py (no pyproject.toml), so that pip builds it with the installed
setuptools and needs no network: `pip install ./python`. The build writes
its scratch files to a temporary folder, not beside the sources, which may
be installed read-only.
"""

import atexit
import shutil
import tempfile

from setuptools import setup

scratch = tempfile.mkdtemp(prefix="specsdk-python-build-")
atexit.register(shutil.rmtree, scratch, ignore_errors=True)

setup(
    name="specsdk",
    version="1.0.2",
    description="The 2048-pixel USB spectrometer and the colour functions of specsdk, with numpy arrays",
    packages=["specsdk"],
    package_data={"specsdk": ["py.typed"]},
    python_requires=">=3.9",
    install_requires=["numpy"],
    options={"build": {"build_base": scratch}, "egg_info": {"egg_base": scratch}},
)
