"""The spectrometer as users of other spectrometer packages reach it: the
device list without meters, opening by serial or the first available, float
arrays, the integration time in ms with its limits, the saturation level, a
repr that names the device, and absolute spectra."""

import re
from pathlib import Path

import numpy as np
import pytest

import specsdk
from conftest import DEMO, reference_array

METER = {"device": "meter"}


def test_only_spectrometers_are_listed(sim):
    assert specsdk.list_devices() == [specsdk.DeviceInfo(0, "SP2048", "0000123")]
    assert specsdk.device_count() == 1
    sim.load(METER)
    assert specsdk.list_devices() == [] and specsdk.device_count() == 0
    with pytest.raises(specsdk.DeviceNotAvailableError, match="light meter"):
        specsdk.Spectrometer.from_first_available()
    with pytest.raises(specsdk.DeviceNotAvailableError, match="light meter"):
        specsdk.Spectrometer().open()


def test_opened_by_serial_or_as_the_first_available(sim):
    with specsdk.Spectrometer.from_first_available() as first:
        assert repr(first) == "<specsdk.Spectrometer SP2048 serial 0000123, device 0, open>"
        assert first.max_intensity == 65535
    assert repr(first).endswith(", closed>")
    assert specsdk.Spectrometer(serial="0000123").index == 0
    with pytest.raises(specsdk.DeviceNotAvailableError, match=r"'X1' \(attached: 0000123\)"):
        specsdk.Spectrometer(serial="X1")


def test_float_arrays_equal_the_c_calls(spectrometer):
    frame = reference_array("raw")[:, 0]
    pixels, dark = frame[:2048], frame[2048:]
    counts = spectrometer.intensities()
    assert counts.dtype == np.float64
    np.testing.assert_array_equal(counts, pixels)
    np.testing.assert_allclose(spectrometer.intensities(correct_dark_counts=True),
                               pixels - dark.mean(), rtol=0, atol=1e-9)
    wavelengths = spectrometer.wavelengths()
    assert wavelengths.dtype == np.float64 and wavelengths.shape == (2048,)
    spectrum = spectrometer.spectrum()
    assert spectrum.dtype == np.float64 and spectrum.shape == (2, 400)
    expected = reference_array("acquire")
    np.testing.assert_array_equal(spectrum[0], expected[:, 0])
    np.testing.assert_array_equal(spectrum[1], expected[:, 1] / 10000.0)


def test_integration_time_in_ms_within_its_limits(spectrometer, sim):
    assert spectrometer.integration_time_limits_ms == (1, 6553)
    spectrometer.integration_time_ms = 250
    assert spectrometer.integration_time_ms == spectrometer.integration_time == 250
    # A device that fails every integration-time write shows that refused
    # times never reach it: they fail as bad arguments, not as a silent device.
    sim.load({**DEMO, "faults": [{"command": 0, "loc": 1}]})
    for bad in (0, -5, 6554):
        with pytest.raises(specsdk.BadArgumentError, match="ms is outside 1 to 6553 ms"):
            spectrometer.integration_time_ms = bad
    with pytest.raises(specsdk.BadArgumentError):
        specsdk.Spectrometer().integration_time = 0  # closed: still refused first
    sim.load({**DEMO, "info": {"uint16": [300, 1000, 16, 12, 20]}})
    with specsdk.Spectrometer() as slow:
        assert slow.integration_time_limits_ms == (20, 6553)
        assert slow.max_intensity == 4095
        with pytest.raises(specsdk.BadArgumentError, match="device's 20 to 6553 ms"):
            slow.integration_time_ms = 10


def test_absolute_spectrum_gives_back_its_illuminance():
    flat = np.ones(401)
    irradiance = specsdk.spectral_irradiance(flat, 500.0)
    assert irradiance.dtype == np.float64
    assert specsdk.xyz(irradiance)[1] * 5 * 683.002 == pytest.approx(500.0, rel=1e-6)
    assert specsdk.spectral_irradiance(np.ones(41), 100.0)[0] == pytest.approx(
        100.0 / (683.002 * specsdk.xyz(np.ones(41))[1] * 10), rel=1e-9)
    for bad in (-1.0, float("nan"), "500"):
        with pytest.raises(specsdk.BadArgumentError):
            specsdk.spectral_irradiance(flat, bad)


def test_version_is_the_packages():
    setup = (Path(__file__).parents[1] / "setup.py").read_text()
    assert re.search(r'version="([^"]+)"', setup).group(1) == specsdk.__version__
