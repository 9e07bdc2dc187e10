"""Opens the spectrometer, acquires one spectrum and prints its colour figures."""

import specsdk

with specsdk.Spectrometer() as sp:              # opens device 0, closes at the end
    print(sp.device_id, sp.info()["model"])     # SP2048-0000123 SP2048
    sp.integration_time = 150
    nm, counts = sp.acquire()                   # 400 int32 values each, 380-779 nm
    spectrum = counts / 10000.0                 # delivered as the spectrum x 10000
    print("CCT", specsdk.cct(spectrum), "Ra", round(specsdk.cri(spectrum), 1))
    pixels, dark = sp.raw()                     # 2048 + 16 detector counts
    grid, averaged = sp.intensity(scans=8, boxcar=3)
