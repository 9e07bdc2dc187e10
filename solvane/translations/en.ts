<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Solvane Manager</source>
        <translation>Solvane Manager</translation>
    </message>
    <message>
        <source>Contact Kestra</source>
        <translation>Contact Kestra</translation>
    </message>
    <message>
        <source>Add: Building 3, 88 Qiushi Road, Xihu District, Hangzhou 310013, China</source>
        <translation>Add: Building 3, 88 Qiushi Road, Xihu District, Hangzhou 310013, China</translation>
    </message>
    <message>
        <source>Tel: +86 571 8765 4321</source>
        <translation>Tel: +86 571 8765 4321</translation>
    </message>
    <message>
        <source>Fax: +86 571 8765 4322</source>
        <translation>Fax: +86 571 8765 4322</translation>
    </message>
    <message>
        <source>E-mail: support@kestra-instruments.example</source>
        <translation>E-mail: support@kestra-instruments.example</translation>
    </message>
    <message>
        <source>URL: https://www.kestra-instruments.example</source>
        <translation>URL: https://www.kestra-instruments.example</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Solvane 1.0.2</source>
        <translation>Solvane 1.0.2</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Stored Data</source>
        <translation>Stored Data</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Test Data</source>
        <translation>Test Data</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Test Item:</source>
        <translation>Test Item:</translation>
    </message>
    <message>
        <source>No data selected</source>
        <translation>No data selected</translation>
    </message>
    <message>
        <source>2°</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>10°</source>
        <translation>10°</translation>
    </message>
    <message>
        <source>Iluminance</source>
        <translation>Illuminance</translation>
    </message>
    <message>
        <source>Ev</source>
        <translation>Ev</translation>
    </message>
    <message>
        <source>lx</source>
        <translation>lx</translation>
    </message>
    <message>
        <source>CCT</source>
        <translation>CCT</translation>
    </message>
    <message>
        <source>Tcp</source>
        <translation>Tcp</translation>
    </message>
    <message>
        <source>CRI</source>
        <translation>CRI</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>R3</source>
        <translation>R3</translation>
    </message>
    <message>
        <source>R4</source>
        <translation>R4</translation>
    </message>
    <message>
        <source>R5</source>
        <translation>R5</translation>
    </message>
    <message>
        <source>R6</source>
        <translation>R6</translation>
    </message>
    <message>
        <source>R7</source>
        <translation>R7</translation>
    </message>
    <message>
        <source>R8</source>
        <translation>R8</translation>
    </message>
    <message>
        <source>R9</source>
        <translation>R9</translation>
    </message>
    <message>
        <source>R10</source>
        <translation>R10</translation>
    </message>
    <message>
        <source>R11</source>
        <translation>R11</translation>
    </message>
    <message>
        <source>R12</source>
        <translation>R12</translation>
    </message>
    <message>
        <source>R13</source>
        <translation>R13</translation>
    </message>
    <message>
        <source>R14</source>
        <translation>R14</translation>
    </message>
    <message>
        <source>R15</source>
        <translation>R15</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>λd</source>
        <translation>λd</translation>
    </message>
    <message>
        <source>nm</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>CIE1931</source>
        <translation>CIE1931</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>CIE1976</source>
        <translation>CIE1976</translation>
    </message>
    <message>
        <source>u&apos;</source>
        <translation>u&apos;</translation>
    </message>
    <message>
        <source>v&apos;</source>
        <translation>v&apos;</translation>
    </message>
    <message>
        <source>Tri-stimulus</source>
        <translation>Tri-stimulus</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Chromatism</source>
        <translation>Chromatism</translation>
    </message>
    <message>
        <source>△uv</source>
        <translation>△uv</translation>
    </message>
    <message>
        <source>Spectro</source>
        <translation>Spectro</translation>
    </message>
    <message>
        <source>Intensity Data</source>
        <translation>Intensity Data</translation>
    </message>
    <message>
        <source>WaveLength</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensity</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) read</source>
        <translation>
            <numerusform>%n record read</numerusform>
            <numerusform>%n records read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading stored records: %n read</source>
        <translation>
            <numerusform>Reading stored records: %n read</numerusform>
            <numerusform>Reading stored records: %n read</numerusform>
        </translation>
    </message>
    <message>
        <source>Stored data read</source>
        <translation>Stored data read</translation>
    </message>
    <message>
        <source>Reading stored data failed: %1</source>
        <translation>Reading stored data failed: %1</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1</source>
        <translation>No web browser could be started to open %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started to open the manual %1</source>
        <translation>No PDF viewer could be started to open the manual %1</translation>
    </message>
    <message numerus="yes">
        <source>Reading stopped by a failure after %n record(s)</source>
        <translation>
            <numerusform>Reading stopped by a failure after %n record</numerusform>
            <numerusform>Reading stopped by a failure after %n records</numerusform>
        </translation>
    </message>
    <message>
        <source>Live measurement</source>
        <translation>Live measurement</translation>
    </message>
    <message>
        <source>Open a data file</source>
        <translation>Open a data file</translation>
    </message>
    <message>
        <source>Print the selected record&apos;s test report</source>
        <translation>Print the selected record&apos;s test report</translation>
    </message>
    <message>
        <source>Light quality of the selected record</source>
        <translation>Light quality of the selected record</translation>
    </message>
    <message>
        <source>Open the user manual</source>
        <translation>Open the user manual</translation>
    </message>
    <message>
        <source>Open the maker&apos;s contact page</source>
        <translation>Open the maker&apos;s contact page</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>About Solvane</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) opened from %1</source>
        <translation>
            <numerusform>%n record opened from %1</numerusform>
            <numerusform>%n records opened from %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Measure: %1 added</source>
        <translation>Measure: %1 added</translation>
    </message>
    <message numerus="yes">
        <source>Series: %n record(s) added</source>
        <translation>
            <numerusform>Series: %n record added</numerusform>
            <numerusform>Series: %n records added</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No item is selected</source>
        <translation>No item is selected</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>Successful</translation>
    </message>
    <message>
        <source>Succeeded in exporting data</source>
        <translation>Succeeded in exporting data</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Failure</translation>
    </message>
    <message>
        <source>Fail to export data</source>
        <translation>Fail to export data</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Fail to open the file</source>
        <translation>Fail to open the file</translation>
    </message>
    <message>
        <source>No record is selected</source>
        <translation>No record is selected</translation>
    </message>
    <message>
        <source>The selected record is incomplete: the report needs all 430 fields</source>
        <translation>The selected record is incomplete: the report needs all 430 fields</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Measuring...</translation>
    </message>
    <message>
        <source>Light quality</source>
        <translation>Light quality</translation>
    </message>
    <message>
        <source>The light quality of the selected record cannot be shown: %1</source>
        <translation>The light quality of the selected record cannot be shown: %1</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Select two or more records to compare them with the first selected</source>
        <translation>Select two or more records to compare them with the first selected</translation>
    </message>
    <message>
        <source>Select two or more records to compare</source>
        <translation>Select two or more records to compare</translation>
    </message>
    <message>
        <source>Record %1 cannot be compared: %2</source>
        <translation>Record %1 cannot be compared: %2</translation>
    </message>
    <message>
        <source>The language cannot be changed</source>
        <translation>The language cannot be changed</translation>
    </message>
    <message>
        <source>Spectrum, wavelength and value (*.csv *.txt *.tsv *.dat)</source>
        <translation>Spectrum, wavelength and value (*.csv *.txt *.tsv *.dat)</translation>
    </message>
    <message>
        <source>IES TM-27-14 spectrum (*.spdx *.xml)</source>
        <translation>IES TM-27-14 spectrum (*.spdx *.xml)</translation>
    </message>
    <message>
        <source>UPRtek text export (*.xls *.txt)</source>
        <translation>UPRtek text export (*.xls *.txt)</translation>
    </message>
    <message>
        <source>Sekonic CSV export (*.csv)</source>
        <translation>Sekonic CSV export (*.csv)</translation>
    </message>
    <message>
        <source>Spectrum of %1 added to the records</source>
        <translation>Spectrum of %1 added to the records</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Printing cancelled</translation>
    </message>
    <message>
        <source>The uncertainty page is left out: %1</source>
        <translation>The uncertainty page is left out: %1</translation>
    </message>
    <message>
        <source>Drawing the uncertainties of %1 for the report...</source>
        <translation>Drawing the uncertainties of %1 for the report...</translation>
    </message>
</context>
<context>
    <name>PrintSettingDlg</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Company Information</source>
        <translation>Company Information</translation>
    </message>
    <message>
        <source>Sample Information</source>
        <translation>Sample Information</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Print to PDF</translation>
    </message>
    <message>
        <source>Print to Paper</source>
        <translation>Print to Paper</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add a light quality page</source>
        <translation>Add a light quality page</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The print settings cannot be saved</source>
        <translation>The print settings cannot be saved</translation>
    </message>
    <message>
        <source>Add the uncertainty page</source>
        <translation>Add the uncertainty page</translation>
    </message>
    <message>
        <source>After the light quality page: every figure with its uncertainty, from Monte Carlo draws of the meter&apos;s default error budget</source>
        <translation>After the light quality page: every figure with its uncertainty, from Monte Carlo draws of the meter&apos;s default error budget</translation>
    </message>
</context>
<context>
    <name>LiveSeries</name>
    <message>
        <source>Starting a test on the meter failed</source>
        <translation>Starting a test on the meter failed</translation>
    </message>
    <message>
        <source>Asking the meter for its result failed</source>
        <translation>Asking the meter for its result failed</translation>
    </message>
    <message>
        <source>The meter had no result within %1 seconds</source>
        <translation>The meter had no result within %1 seconds</translation>
    </message>
    <message>
        <source>Reading the test result failed</source>
        <translation>Reading the test result failed</translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>until stopped</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ev (lx)</source>
        <translation>Ev (lx)</translation>
    </message>
    <message>
        <source>CCT (K)</source>
        <translation>CCT (K)</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <source>Elapsed time (s)</source>
        <translation>Elapsed time (s)</translation>
    </message>
    <message>
        <source>Stopping after the reading in progress</source>
        <translation>Stopping after the reading in progress</translation>
    </message>
    <message>
        <source>Reading %1 of %2 taken</source>
        <translation>Reading %1 of %2 taken</translation>
    </message>
    <message>
        <source>Reading %1 taken</source>
        <translation>Reading %1 taken</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) taken</source>
        <translation>
            <numerusform>%n reading taken</numerusform>
            <numerusform>%n readings taken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>solvane::quality::LightQualityDialog</name>
    <message>
        <source>Light quality of %1</source>
        <translation>Light quality of %1</translation>
    </message>
    <message>
        <source>TM-30 colour vector graphic</source>
        <translation>TM-30 colour vector graphic</translation>
    </message>
    <message>
        <source>Export spectrum (SPDX)...</source>
        <translation>Export spectrum (SPDX)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CIE 13.3 special colour rendering indices</source>
        <translation>CIE 13.3 special colour rendering indices</translation>
    </message>
    <message>
        <source>CIE S 026 α-opic quantities at the record&apos;s illuminance</source>
        <translation>CIE S 026 α-opic quantities at the record&apos;s illuminance</translation>
    </message>
    <message>
        <source>Record %1    %2    Ev %3 lx</source>
        <translation>Record %1    %2    Ev %3 lx</translation>
    </message>
    <message>
        <source>Standard figures</source>
        <translation>Standard figures</translation>
    </message>
    <message>
        <source>The record&apos;s own figures (meter&apos;s method)</source>
        <translation>The record&apos;s own figures (meter&apos;s method)</translation>
    </message>
    <message>
        <source>Local chroma shift Rcs,hj (%) by hue bin</source>
        <translation>Local chroma shift Rcs,hj (%) by hue bin</translation>
    </message>
    <message>
        <source>Local hue shift Rhs,hj by hue bin</source>
        <translation>Local hue shift Rhs,hj by hue bin</translation>
    </message>
    <message>
        <source>Export spectrum</source>
        <translation>Export spectrum</translation>
    </message>
    <message>
        <source>IES TM-27-14 spectral data (*.spdx)</source>
        <translation>IES TM-27-14 spectral data (*.spdx)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Colour and α-opic</source>
        <translation>Colour and α-opic</translation>
    </message>
    <message>
        <source>Cinema and photography</source>
        <translation>Cinema and photography</translation>
    </message>
    <message>
        <source>Horticulture</source>
        <translation>Horticulture</translation>
    </message>
    <message>
        <source>Outdoor lighting</source>
        <translation>Outdoor lighting</translation>
    </message>
    <message>
        <source>Spectral Similarity Index (SSI, 0 to 100)</source>
        <translation>Spectral Similarity Index (SSI, 0 to 100)</translation>
    </message>
    <message>
        <source>against Planck at</source>
        <translation>against Planck at</translation>
    </message>
    <message>
        <source>against CIE daylight at</source>
        <translation>against CIE daylight at</translation>
    </message>
    <message>
        <source>The Academy&apos;s Spectral Similarity Index (2020): the record&apos;s spectrum against the reference over 375–675 nm; 100 is the same spectrum.</source>
        <translation>The Academy&apos;s Spectral Similarity Index (2020): the record&apos;s spectrum against the reference over 375–675 nm; 100 is the same spectrum.</translation>
    </message>
    <message>
        <source>Exposure (incident light, C = 250), shutter times in seconds</source>
        <translation>Exposure (incident light, C = 250), shutter times in seconds</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>ISO 2720: EV = log₂(Ev · S / C) for film speed S; an aperture N and time t expose correctly when N²/t = 2^EV. Apertures and times are the camera&apos;s third stops; hover for the exact time.</source>
        <translation>ISO 2720: EV = log₂(Ev · S / C) for film speed S; an aperture N and time t expose correctly when N²/t = 2^EV. Apertures and times are the camera&apos;s third stops; hover for the exact time.</translation>
    </message>
    <message>
        <source>Mired shift to a target</source>
        <translation>Mired shift to a target</translation>
    </message>
    <message>
        <source>Target CCT</source>
        <translation>Target CCT</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>mired</source>
        <translation>mired</translation>
    </message>
    <message>
        <source>10⁶/target − 10⁶/CCT (CIE 15:2018 CCT of the record); negative: a blue, cooling filter; positive: an orange, warming one.</source>
        <translation>10⁶/target − 10⁶/CCT (CIE 15:2018 CCT of the record); negative: a blue, cooling filter; positive: an orange, warming one.</translation>
    </message>
    <message>
        <source>Photon quantities at the record&apos;s illuminance</source>
        <translation>Photon quantities at the record&apos;s illuminance</translation>
    </message>
    <message>
        <source>ANSI/ASABE S640 photon flux densities and the red to far-red ratio of Smith (1982), from the spectrum scaled to the record&apos;s illuminance.</source>
        <translation>ANSI/ASABE S640 photon flux densities and the red to far-red ratio of Smith (1982), from the spectrum scaled to the record&apos;s illuminance.</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Night vision</translation>
    </message>
    <message>
        <source>Scotopic to photopic ratio: 1700.06 lm/W · Σ S·V′ / (683.002 lm/W · Σ S·V), CIE 1951 scotopic function V′.</source>
        <translation>Scotopic to photopic ratio: 1700.06 lm/W · Σ S·V′ / (683.002 lm/W · Σ S·V), CIE 1951 scotopic function V′.</translation>
    </message>
    <message>
        <source>Export spectrum (CSV)...</source>
        <translation>Export spectrum (CSV)...</translation>
    </message>
    <message>
        <source>The spectrum as spectral irradiance in W·m⁻²·nm⁻¹</source>
        <translation>The spectrum as spectral irradiance in W·m⁻²·nm⁻¹</translation>
    </message>
    <message>
        <source>Spectral irradiance, W·m⁻²·nm⁻¹ (*.csv)</source>
        <translation>Spectral irradiance, W·m⁻²·nm⁻¹ (*.csv)</translation>
    </message>
    <message>
        <source>Television lighting (TLCI-2012, TLMF-2013, 0 to 100)</source>
        <translation>Television lighting (TLCI-2012, TLMF-2013, 0 to 100)</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Planckian radiator</source>
        <translation>Planckian radiator</translation>
    </message>
    <message>
        <source>blend of Planck 3400 K and daylight 5000 K</source>
        <translation>blend of Planck 3400 K and daylight 5000 K</translation>
    </message>
    <message>
        <source>CIE daylight</source>
        <translation>CIE daylight</translation>
    </message>
    <message>
        <source>Caution: the light lies further than d = 1 from its reference; its TLCI is less reliable.</source>
        <translation>Caution: the light lies further than d = 1 from its reference; its TLCI is less reliable.</translation>
    </message>
    <message>
        <source>TLMF against a spectrum file...</source>
        <translation>TLMF against a spectrum file...</translation>
    </message>
    <message>
        <source>Reference luminaire</source>
        <translation>Reference luminaire</translation>
    </message>
    <message>
        <source>Spectrum, wavelength and value a line (*.txt *.csv *.tsv);;All files (*)</source>
        <translation>Spectrum, wavelength and value a line (*.txt *.csv *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>EBU Tech 3355: a standard television camera films 18 coloured patches under the light and under a reference of its CCT (TLCI), or 24 patches under the light and under a reference luminaire it is balanced on (TLMF); 100 is no visible difference.</source>
        <translation>EBU Tech 3355: a standard television camera films 18 coloured patches under the light and under a reference of its CCT (TLCI), or 24 patches under the light and under a reference luminaire it is balanced on (TLMF); 100 is no visible difference.</translation>
    </message>
    <message>
        <source>exactly %1</source>
        <translation>exactly %1</translation>
    </message>
</context>
<context>
    <name>solvane::quality::CompareDialog</name>
    <message>
        <source>Compare records against %1</source>
        <translation>Compare records against %1</translation>
    </message>
    <message>
        <source>Against %1 (%2, Ev %3 lx), the first selected record</source>
        <translation>Against %1 (%2, Ev %3 lx), the first selected record</translation>
    </message>
    <message>
        <source>Each record minus the first: illuminance in per cent of the first&apos;s, CIE 15:2018 CCT and Duv, the distance of the CIE 1976 u′v′ points, CIE 13.3 Ra, CIE 2017 Rf; SSI of each spectrum against the first (100: the same spectrum); TLMF of each light with the first as the reference luminaire (100: no visible difference). n/a: the figure is not defined for one of the two records.</source>
        <translation>Each record minus the first: illuminance in per cent of the first&apos;s, CIE 15:2018 CCT and Duv, the distance of the CIE 1976 u′v′ points, CIE 13.3 Ra, CIE 2017 Rf; SSI of each spectrum against the first (100: the same spectrum); TLMF of each light with the first as the reference luminaire (100: no visible difference). n/a: the figure is not defined for one of the two records.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ΔEv (%)</source>
        <translation>ΔEv (%)</translation>
    </message>
    <message>
        <source>ΔCCT (K)</source>
        <translation>ΔCCT (K)</translation>
    </message>
    <message>
        <source>ΔDuv</source>
        <translation>ΔDuv</translation>
    </message>
    <message>
        <source>Δu′v′</source>
        <translation>Δu′v′</translation>
    </message>
    <message>
        <source>ΔRa</source>
        <translation>ΔRa</translation>
    </message>
    <message>
        <source>ΔRf</source>
        <translation>ΔRf</translation>
    </message>
    <message>
        <source>SSI</source>
        <translation>SSI</translation>
    </message>
    <message>
        <source>TLMF</source>
        <translation>TLMF</translation>
    </message>
</context>
<context>
    <name>RecordOverlay</name>
    <message>
        <source>Spectra normalised: each divided by its own peak</source>
        <translation>Spectra normalised: each divided by its own peak</translation>
    </message>
</context>
<context>
    <name>solvane::quality::UncertaintyPanel</name>
    <message>
        <source>Show uncertainty</source>
        <translation>Show uncertainty</translation>
    </message>
    <message numerus="yes">
        <source>Each figure with its 95 % interval, from %n Monte Carlo draws of the meter's error budget</source>
        <translation>
            <numerusform>Each figure with its 95 % interval, from %n Monte Carlo draw of the meter's error budget</numerusform>
            <numerusform>Each figure with its 95 % interval, from %n Monte Carlo draws of the meter's error budget</numerusform>
        </translation>
    </message>
    <message>
        <source>Load budget...</source>
        <translation>Load budget...</translation>
    </message>
    <message>
        <source>%v of %m draws</source>
        <translation>%v of %m draws</translation>
    </message>
    <message>
        <source>default</source>
        <translation>default</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <translation>Budget: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Load budget</source>
        <translation>Load budget</translation>
    </message>
    <message>
        <source>Uncertainty budget (*.json)</source>
        <translation>Uncertainty budget (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>, %n draws; ± is k = 2</source>
        <translation>
            <numerusform>, %n draw; ± is k = 2</numerusform>
            <numerusform>, %n draws; ± is k = 2</numerusform>
        </translation>
    </message>
</context>
</TS>
