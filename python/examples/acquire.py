"""Finds the spectrometer, acquires one spectrum and prints its colour figures."""

import specsdk

print(specsdk.__version__, specsdk.list_devices())  # 1.0.2 [DeviceInfo(index=0, model='SP2048', serial='0000123')]

with specsdk.Spectrometer.from_first_available() as sp:  # or Spectrometer(serial="0000123")
    print(sp)                                   # <specsdk.Spectrometer SP2048 serial 0000123, device 0, open>
    print(sp.integration_time_limits_ms)        # (1, 6553)
    sp.integration_time_ms = 150
    nm, values = sp.spectrum()                  # float64, 400 values each, 380-779 nm
    print("CCT", specsdk.cct(values), "Ra", round(specsdk.cri(values), 1))
    counts = sp.intensities(correct_dark_counts=True)  # float64 counts of the 2048 pixels
    print("saturated:", sp.intensities().max() >= sp.max_intensity)  # saturated: False
    irradiance = specsdk.spectral_irradiance(values, 500.0)  # W·m⁻²·nm⁻¹ at 500 lx measured beside it
