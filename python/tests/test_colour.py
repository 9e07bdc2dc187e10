"""The colour and processing functions: the same numbers as the C calls,
shapes refused before the call, undefined results raised."""

import math

import numpy as np
import pytest

import specsdk
from conftest import reference


def planck(kelvin, nm):
    metres = nm * 1e-9
    return 3.74177e-16 / (metres ** 5 * (np.exp(0.014388 / (metres * kelvin)) - 1))


@pytest.fixture
def lamp():
    values = planck(2856.0, np.arange(380, 780, dtype=np.float64))
    return (values / values.max()).astype(np.float32)


def test_colour_functions_equal_the_c_calls(lamp):
    text = "\n".join(repr(float(v)) for v in lamp)
    X, Y, Z, x, y, u, v, cct, ra, dominant, purity = reference("colour", stdin=text)[0]
    assert specsdk.xyz(lamp) == (X, Y, Z)
    assert specsdk.chromaticity_xy(lamp) == (x, y)
    assert specsdk.chromaticity_uv(lamp) == (u, v)
    assert specsdk.cct(lamp) == cct == 2855
    assert specsdk.cri(lamp) == ra
    assert specsdk.dominant_wavelength(lamp) == dominant
    assert specsdk.purity(lamp) == purity


def test_every_grid_the_library_knows_is_taken(lamp):
    five_nm = lamp[::5]  # 80 values, 380-775 nm; 780 nm appended
    assert specsdk.xyz(np.append(five_nm, lamp[-1]))[1] > 0
    for bad in (np.ones(100), np.ones((20, 20)), np.ones(0)):
        with pytest.raises(specsdk.BadArgumentError):
            specsdk.xyz(bad)
    with pytest.raises(specsdk.BadArgumentError, match="400"):
        specsdk.cri(np.ones(401))
    with pytest.raises(specsdk.BadArgumentError, match="finite"):
        specsdk.xyz(np.full(81, np.nan))


def test_undefined_results_raise_instead_of_nan():
    with pytest.raises(specsdk.BadArgumentError, match="no light"):
        specsdk.cct(np.zeros(400))
    with pytest.raises(specsdk.BadArgumentError, match="no light"):
        specsdk.cri(np.zeros(400))
    # Deep red plus deep blue: a purple with no dominant wavelength.
    purple = np.zeros(400, dtype=np.float32)
    purple[[20, 379]] = [1.0, 50.0]
    with pytest.raises(specsdk.SpecsdkError, match="dominant wavelength"):
        specsdk.dominant_wavelength(purple)


def test_boxcar_weights_and_checks():
    x = np.arange(0, 10, dtype=np.float32)
    y = np.arange(0, 10, dtype=np.float32) ** 2
    grid, values = specsdk.boxcar(x, y, 1, 8, 2)
    np.testing.assert_array_equal(grid, np.arange(1, 9))
    # Samples i - 1, i, i + 1 weigh 0.5, 1, 0.5.
    expected = (0.5 * (x[:-2] ** 2) + x[1:-1] ** 2 + 0.5 * (x[2:] ** 2)) / 2
    np.testing.assert_allclose(values, expected, rtol=1e-6)
    _, gaps = specsdk.boxcar(x, y, 20, 22, 2)
    assert np.all(np.isnan(gaps))  # no sample near 20 to 22 nm
    same_x, same_y = specsdk.boxcar(x, y, 0, 0, 0)
    np.testing.assert_array_equal(same_y, y)
    for args in ((x, y[:5], 0, 9, 1), (x[::-1], y, 0, 9, 1), (x, y, 5, 4, 1), (x, y, 0, 9, -1)):
        with pytest.raises(specsdk.BadArgumentError):
            specsdk.boxcar(*args)


def test_low_pass_smooths_and_checks():
    t = np.arange(400, dtype=np.float32)
    slow = np.sin(2 * math.pi * t / 100)
    fast = 0.5 * np.sin(2 * math.pi * t * 0.4)
    out = specsdk.low_pass(slow + fast, fs=1.0, df=0.05, fp=0.05, attenuation=50)
    assert out.shape == (400,)
    middle = slice(50, 350)  # away from the zero-padded ends
    assert np.max(np.abs(out[middle] - slow[middle])) < 0.05
    for kwargs in ({"fs": 0.0}, {"df": -1.0}, {"fp": math.nan}):
        arguments = {"fs": 1.0, "df": 0.05, "fp": 0.05, "attenuation": 50, **kwargs}
        with pytest.raises(specsdk.BadArgumentError):
            specsdk.low_pass(slow, **arguments)
    with pytest.raises(specsdk.BadArgumentError, match="too long"):
        specsdk.low_pass(slow, fs=1e9, df=1e-3, fp=0.0, attenuation=80)
