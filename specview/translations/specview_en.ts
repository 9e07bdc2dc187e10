<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>specview</name>
    <message>
        <source>uncertainty from repeated scans needs at least %1 scans, got %2</source>
        <translation>uncertainty from repeated scans needs at least %1 scans, got %2</translation>
    </message>
    <message>
        <source>%1 failed: the spectrometer is no longer available.</source>
        <translation>%1 failed: the spectrometer is no longer available.</translation>
    </message>
    <message>
        <source>%1 failed: the spectrometer did not answer.</source>
        <translation>%1 failed: the spectrometer did not answer.</translation>
    </message>
    <message>
        <source>The low-pass filter refused its parameters (the filter would be too long).</source>
        <translation>The low-pass filter refused its parameters (the filter would be too long).</translation>
    </message>
    <message>
        <source>Reading the averaged intensity</source>
        <translation>Reading the averaged intensity</translation>
    </message>
    <message>
        <source>The USB access library is missing or incomplete, so no spectrometer can be reached.</source>
        <translation>The USB access library is missing or incomplete, so no spectrometer can be reached.</translation>
    </message>
    <message>
        <source>No spectrometer is connected.</source>
        <translation>No spectrometer is connected.</translation>
    </message>
    <message>
        <source>Spectrometer %1 could not be opened.</source>
        <translation>Spectrometer %1 could not be opened.</translation>
    </message>
    <message>
        <source>The attached device is a light meter, not a spectrometer: it does not answer as a spectrometer. The hand-held meter is read with Solvane.</source>
        <translation>The attached device is a light meter, not a spectrometer: it does not answer as a spectrometer. The hand-held meter is read with Solvane.</translation>
    </message>
    <message>
        <source>Reading the device identifier</source>
        <translation>Reading the device identifier</translation>
    </message>
    <message>
        <source>The integration time %1 lies outside 0 to %2.</source>
        <translation>The integration time %1 lies outside 0 to %2.</translation>
    </message>
    <message>
        <source>Setting the integration time to %1</source>
        <translation>Setting the integration time to %1</translation>
    </message>
    <message>
        <source>Reading a detector frame</source>
        <translation>Reading a detector frame</translation>
    </message>
    <message>
        <source>Acquiring the calibrated spectrum</source>
        <translation>Acquiring the calibrated spectrum</translation>
    </message>
    <message>
        <source>The boxcar width %1 was refused.</source>
        <translation>The boxcar width %1 was refused.</translation>
    </message>
    <message>
        <source>The spectrum holds no light.</source>
        <translation>The spectrum holds no light.</translation>
    </message>
    <message>
        <source>cannot read the CSV file: %1: %2</source>
        <translation>cannot read the CSV file: %1: %2</translation>
    </message>
    <message>
        <source>cannot read the CSV file: %1: line %2 does not hold two comma-separated values</source>
        <translation>cannot read the CSV file: %1: line %2 does not hold two comma-separated values</translation>
    </message>
    <message>
        <source>cannot write the CSV file: %1: %2</source>
        <translation>cannot write the CSV file: %1: %2</translation>
    </message>
    <message>
        <source>cannot write the SPDX file: %1: %2</source>
        <translation>cannot write the SPDX file: %1: %2</translation>
    </message>
</context>
<context>
    <name>specview::MainWindow</name>
    <message>
        <source>The uncertainty follows with the next frame, from its scans.</source>
        <translation>The uncertainty follows with the next frame, from its scans.</translation>
    </message>
    <message>
        <source>specview - Spectrometer</source>
        <translation>specview - Spectrometer</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Integration time %1: peak at about 80 % of full scale</source>
        <translation>Integration time %1: peak at about 80 % of full scale</translation>
    </message>
    <message>
        <source>Integration time %1: 80 % of full scale not reached within the limits</source>
        <translation>Integration time %1: 80 % of full scale not reached within the limits</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>The language changes at the next start.</translation>
    </message>
    <message>
        <source>The language could not be stored in the settings.</source>
        <translation>The language could not be stored in the settings.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Find the time that puts the peak at about 80 % of full scale</source>
        <translation>Find the time that puts the peak at about 80 % of full scale</translation>
    </message>
    <message>
        <source>Integration time</source>
        <translation>Integration time</translation>
    </message>
    <message>
        <source>Scans to average</source>
        <translation>Scans to average</translation>
    </message>
    <message>
        <source>0: the counts at the pixel wavelengths, not resampled to 1 nm</source>
        <translation>0: the counts at the pixel wavelengths, not resampled to 1 nm</translation>
    </message>
    <message>
        <source>Boxcar width (nm)</source>
        <translation>Boxcar width (nm)</translation>
    </message>
    <message>
        <source>Low-pass filter</source>
        <translation>Low-pass filter</translation>
    </message>
    <message>
        <source>Pass band (1/nm)</source>
        <translation>Pass band (1/nm)</translation>
    </message>
    <message>
        <source>Transition (1/nm)</source>
        <translation>Transition (1/nm)</translation>
    </message>
    <message>
        <source>Attenuation (dB)</source>
        <translation>Attenuation (dB)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Dark and reference</source>
        <translation>Dark and reference</translation>
    </message>
    <message>
        <source>Store dark</source>
        <translation>Store dark</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Store reference</source>
        <translation>Store reference</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>CSV...</source>
        <translation>CSV...</translation>
    </message>
    <message>
        <source>Save the shown spectrum</source>
        <translation>Save the shown spectrum</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>SPDX...</source>
        <translation>SPDX...</translation>
    </message>
    <message>
        <source>Save the 380-779 nm spectrum</source>
        <translation>Save the 380-779 nm spectrum</translation>
    </message>
    <message>
        <source>SPDX file (*.spdx *.xml)</source>
        <translation>SPDX file (*.spdx *.xml)</translation>
    </message>
    <message>
        <source>Plot PNG...</source>
        <translation>Plot PNG...</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Save the plot</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Raw counts</source>
        <translation>Raw counts</translation>
    </message>
    <message>
        <source>Processed intensity</source>
        <translation>Processed intensity</translation>
    </message>
    <message>
        <source>Spectrum 380-779 nm</source>
        <translation>Spectrum 380-779 nm</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Transmission (%)</source>
        <translation>Transmission (%)</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorbance</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Dark subtracted</source>
        <translation>Dark subtracted</translation>
    </message>
    <message>
        <source>The processing changed: the dark and the reference were cleared.</source>
        <translation>The processing changed: the dark and the reference were cleared.</translation>
    </message>
    <message>
        <source>Spectrometer %1</source>
        <translation>Spectrometer %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Model %1, serial %2
Firmware %3
Detector %4, %5 pixels, %6 bits
Range %7-%8 nm, %9 dark pixels
Calibrated %10, shortest time %11</source>
        <translation>Model %1, serial %2
Firmware %3
Detector %4, %5 pixels, %6 bits
Range %7-%8 nm, %9 dark pixels
Calibrated %10, shortest time %11</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Continuous acquisition stopped: %1 The last good spectrum stays on screen.</source>
        <translation>Continuous acquisition stopped: %1 The last good spectrum stays on screen.</translation>
    </message>
    <message>
        <source>Acquisition failed</source>
        <translation>Acquisition failed</translation>
    </message>
    <message>
        <source>Store a reference first: transmission and absorbance are measured against it.</source>
        <translation>Store a reference first: transmission and absorbance are measured against it.</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wavelength (nm)</translation>
    </message>
    <message>
        <source>Intensity (counts)</source>
        <translation>Intensity (counts)</translation>
    </message>
    <message>
        <source>Pixel (2048-2063: dark pixels)</source>
        <translation>Pixel (2048-2063: dark pixels)</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Counts</translation>
    </message>
    <message>
        <source>Spectral intensity (relative)</source>
        <translation>Spectral intensity (relative)</translation>
    </message>
    <message numerus="yes">
        <source>Saturated: %n pixel(s) at full scale (%1 counts). Shorten the integration time.</source>
        <translation><numerusform>Saturated: %n pixel at full scale (%1 counts). Shorten the integration time.</numerusform><numerusform>Saturated: %n pixels at full scale (%1 counts). Shorten the integration time.</numerusform></translation>
    </message>
    <message>
        <source>No dark</source>
        <translation>No dark</translation>
    </message>
    <message>
        <source>No reference</source>
        <translation>No reference</translation>
    </message>
    <message>
        <source>%1  integration time %2, peak %3 counts</source>
        <translation>%1  integration time %2, peak %3 counts</translation>
    </message>
    <message>
        <source>There is no spectrum to save yet.</source>
        <translation>There is no spectrum to save yet.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Dark of integration time %1, subtracted</source>
        <translation>Dark of integration time %1, subtracted</translation>
    </message>
    <message>
        <source>Reference of integration time %1</source>
        <translation>Reference of integration time %1</translation>
    </message>
    <message>
        <source>cannot write the PNG image: %1: %2</source>
        <translation>cannot write the PNG image: %1: %2</translation>
    </message>
</context>
<context>
    <name>specview::FiguresPanel</name>
    <message>
        <source>Show uncertainty</source>
        <translation>Show uncertainty</translation>
    </message>
    <message>
        <source>%v of %m draws</source>
        <translation>%v of %m draws</translation>
    </message>
    <message>
        <source>Each light-quality figure with its 95 % interval, from %1 Monte Carlo draws: the noise from the spread of the scans, the other errors from the default budget</source>
        <translation>Each light-quality figure with its 95 % interval, from %1 Monte Carlo draws: the noise from the spread of the scans, the other errors from the default budget</translation>
    </message>
    <message numerus="yes">
        <source>Noise from %n scan(s), the other errors from the default budget; %1 draws</source>
        <translation><numerusform>Noise from %n scan, the other errors from the default budget; %1 draws</numerusform><numerusform>Noise from %n scans, the other errors from the default budget; %1 draws</numerusform></translation>
    </message>
    <message>
        <source>; ± is k = 2</source>
        <translation>; ± is k = 2</translation>
    </message>
    <message>
        <source>Figures of the frame of %1; the newest frame is drawn next.</source>
        <translation>Figures of the frame of %1; the newest frame is drawn next.</translation>
    </message>
    <message>
        <source>Colour (specsdk)</source>
        <translation>Colour (specsdk)</translation>
    </message>
    <message>
        <source>Light quality</source>
        <translation>Light quality</translation>
    </message>
    <message>
        <source>The frame is saturated: its colour figures are not valid.</source>
        <translation>The frame is saturated: its colour figures are not valid.</translation>
    </message>
    <message>
        <source>The two Ra differ: specsdk takes its references at the CCT on its 5 K grid, CIE 13.3 at the exact CCT.</source>
        <translation>The two Ra differ: specsdk takes its references at the CCT on its 5 K grid, CIE 13.3 at the exact CCT.</translation>
    </message>
    <message>
        <source>Caution: the light lies further than d = 1 from its TLCI reference; its TLCI is less reliable.</source>
        <translation>Caution: the light lies further than d = 1 from its TLCI reference; its TLCI is less reliable.</translation>
    </message>
</context>
</TS>