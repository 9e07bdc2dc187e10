"""The Spectrometer class on the simulated spectrometer: every value equals
what the C calls give, and every failure raises."""

import os
import shutil
import subprocess
import sys

import numpy as np
import pytest

import specsdk
from conftest import DEMO, reference_array


def test_acquire_equals_the_c_call(spectrometer):
    wavelengths, intensities = spectrometer.acquire()
    expected = reference_array("acquire").astype(np.int64)
    assert wavelengths.dtype.kind == "i" and intensities.dtype.kind == "i"
    assert wavelengths.shape == intensities.shape == (400,)
    np.testing.assert_array_equal(wavelengths, np.arange(380, 780))
    np.testing.assert_array_equal(wavelengths, expected[:, 0])
    np.testing.assert_array_equal(intensities, expected[:, 1])


def test_raw_frame_and_wavelengths_equal_the_c_calls(spectrometer):
    pixels, dark = spectrometer.raw()
    expected = reference_array("raw")[:, 0]
    assert pixels.shape == (2048,) and dark.shape == (16,)
    np.testing.assert_array_equal(np.concatenate([pixels, dark]), expected)
    np.testing.assert_array_equal(spectrometer.wavelengths(),
                                  reference_array("lumbda")[:, 0].astype(np.float32))


@pytest.mark.parametrize("scans,boxcar,cut_low,cut_high,keep_dark",
                         [(1, 0, 0, 0, False), (3, 5, 0, 0, False), (2, 1, 0, 1600, True)])
def test_intensity_equals_the_c_call(spectrometer, scans, boxcar, cut_low, cut_high, keep_dark):
    wavelengths, values = spectrometer.intensity(scans=scans, boxcar=boxcar, cut_low=cut_low,
                                                 cut_high=cut_high, keep_dark=keep_dark)
    expected = reference_array("intensity", str(scans), str(boxcar), str(cut_low), str(cut_high),
                               "1" if keep_dark else "0").astype(np.float32)
    n = 701 if boxcar else 2048
    assert values.shape == wavelengths.shape == (n,)
    np.testing.assert_array_equal(wavelengths, expected[:n, 0])
    np.testing.assert_array_equal(values, expected[:n, 1])
    if boxcar:
        np.testing.assert_array_equal(wavelengths, np.arange(300, 1001))


def test_identity_time_and_information_block(spectrometer, sim):
    assert spectrometer.device_id == "SP2048-0000123"
    assert len(spectrometer.device_id) == 14
    spectrometer.integration_time = 250
    assert spectrometer.integration_time == 250
    info = spectrometer.info()
    assert (info["model"], info["serial"], info["calibration_date"]) == \
        ("SP2048", "0000123", "2019-03-12")
    assert info["pixel_count"] == 2048 and info["dark_pixels"] == 16 and info["adc_bits"] == 16
    np.testing.assert_array_equal(info["temperature_table"], np.arange(60) * 4 - 120)
    assert specsdk.device_count() == 1


def test_arguments_are_checked_before_the_call(spectrometer):
    for bad in (-1, 6554, 2.5, True):
        with pytest.raises(specsdk.BadArgumentError):
            spectrometer.integration_time = bad
    with pytest.raises(specsdk.BadArgumentError):
        spectrometer.intensity(scans=0)
    with pytest.raises(specsdk.BadArgumentError):
        spectrometer.intensity(boxcar=-1)
    with pytest.raises(specsdk.BadArgumentError):
        specsdk.Spectrometer(index=-1)
    with pytest.raises(specsdk.SpecsdkError):
        specsdk.Spectrometer().acquire()  # not opened


@pytest.mark.parametrize("call", ["acquire", "raw", "intensity"])
def test_a_failing_frame_read_raises(spectrometer, sim, call):
    sim.load({**DEMO, "faults": [{"command": 5}]})
    with pytest.raises(specsdk.SpecsdkError, match="did not answer"):
        getattr(spectrometer, call)()


def test_failing_settings_reads_raise(spectrometer, sim):
    sim.load({**DEMO, "faults": [{"command": 1}, {"command": 14}]})
    with pytest.raises(specsdk.SpecsdkError):
        spectrometer.integration_time
    with pytest.raises(specsdk.SpecsdkError):
        spectrometer.info()


def test_failing_identifier_write_and_coefficient_reads_raise(spectrometer, sim):
    sim.load({**DEMO, "faults": [{"command": 8}, {"command": 10}, {"command": 0, "loc": 1}]})
    with pytest.raises(specsdk.SpecsdkError):
        spectrometer.device_id
    with pytest.raises(specsdk.SpecsdkError):
        spectrometer.wavelengths()
    with pytest.raises(specsdk.SpecsdkError):
        spectrometer.integration_time = 120


def test_no_device_raises_device_not_available(sim):
    with pytest.raises(specsdk.DeviceNotAvailableError):
        specsdk.Spectrometer(index=1).open()  # the simulator has device 0 only
    sim.load({"device": "spectrometer", "device_id": "bad"}, valid=False)  # nothing answers
    with pytest.raises(specsdk.DeviceNotAvailableError):
        specsdk.Spectrometer().open()


def test_without_a_usb_library_nothing_is_available(tmp_path):
    # A copy of the library alone in a folder finds no USB library beside it.
    alone = tmp_path / "libspecsdk.so"
    shutil.copy(specsdk.library_path(), alone)
    script = (
        "import specsdk\n"
        "for call in (specsdk.device_count, lambda: specsdk.Spectrometer().open()):\n"
        "    try:\n"
        "        call()\n"
        "    except specsdk.DeviceNotAvailableError as error:\n"
        "        print('unavailable:', error)\n"
    )
    environment = {**os.environ, "SPECSDK_LIBRARY": str(alone)}
    environment.pop("LD_LIBRARY_PATH", None)
    done = subprocess.run([sys.executable, "-c", script], env=environment, capture_output=True,
                          text=True, check=True)
    assert done.stdout.count("unavailable:") == 2, done.stdout + done.stderr
    assert "libTesselUSB" in done.stderr  # the library's own line on why
