<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Figures</name>
    <message>
        <source>Chromaticity x</source>
        <translation>Chromaticity x</translation>
    </message>
    <message>
        <source>Chromaticity y</source>
        <translation>Chromaticity y</translation>
    </message>
    <message>
        <source>Chromaticity u′</source>
        <translation>Chromaticity u′</translation>
    </message>
    <message>
        <source>Chromaticity v′</source>
        <translation>Chromaticity v′</translation>
    </message>
    <message>
        <source>CCT</source>
        <translation>CCT</translation>
    </message>
    <message>
        <source>Δuv</source>
        <translation>Δuv</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <source>Dominant wavelength</source>
        <translation>Dominant wavelength</translation>
    </message>
    <message>
        <source>Duv</source>
        <translation>Duv</translation>
    </message>
    <message>
        <source>Colour rendering index Ra</source>
        <translation>Colour rendering index Ra</translation>
    </message>
    <message>
        <source>Special colour rendering index</source>
        <translation>Special colour rendering index</translation>
    </message>
    <message>
        <source>Fidelity index Rf</source>
        <translation>Fidelity index Rf</translation>
    </message>
    <message>
        <source>Gamut index Rg</source>
        <translation>Gamut index Rg</translation>
    </message>
    <message>
        <source>Local fidelity Rf,hj</source>
        <translation>Local fidelity Rf,hj</translation>
    </message>
    <message>
        <source>Local chroma shift Rcs,hj</source>
        <translation>Local chroma shift Rcs,hj</translation>
    </message>
    <message>
        <source>Local hue shift Rhs,hj</source>
        <translation>Local hue shift Rhs,hj</translation>
    </message>
    <message>
        <source>Sample fidelity Rf,CES</source>
        <translation>Sample fidelity Rf,CES</translation>
    </message>
    <message>
        <source>Irradiance</source>
        <translation>Irradiance</translation>
    </message>
    <message>
        <source>EDI</source>
        <translation>EDI</translation>
    </message>
    <message>
        <source>DER</source>
        <translation>DER</translation>
    </message>
    <message>
        <source>against Planck 3200 K</source>
        <translation>against Planck 3200 K</translation>
    </message>
    <message>
        <source>against CIE daylight 5600 K</source>
        <translation>against CIE daylight 5600 K</translation>
    </message>
    <message>
        <source>PPFD (400–700 nm)</source>
        <translation>PPFD (400–700 nm)</translation>
    </message>
    <message>
        <source>PFD-FR (700–750 nm)</source>
        <translation>PFD-FR (700–750 nm)</translation>
    </message>
    <message>
        <source>R:FR (655–665 nm / 725–735 nm)</source>
        <translation>R:FR (655–665 nm / 725–735 nm)</translation>
    </message>
    <message>
        <source>S/P ratio</source>
        <translation>S/P ratio</translation>
    </message>
    <message>
        <source>EV at ISO 100</source>
        <translation>EV at ISO 100</translation>
    </message>
    <message>
        <source>meter&apos;s method</source>
        <translation>meter&apos;s method</translation>
    </message>
    <message>
        <source>The record&apos;s own figures</source>
        <translation>The record&apos;s own figures</translation>
    </message>
    <message>
        <source>CCT and Duv</source>
        <translation>CCT and Duv</translation>
    </message>
    <message>
        <source>Rf and Rg</source>
        <translation>Rf and Rg</translation>
    </message>
    <message>
        <source>α-opic quantities</source>
        <translation>α-opic quantities</translation>
    </message>
    <message>
        <source>SSI</source>
        <translation>SSI</translation>
    </message>
    <message>
        <source>Photon quantities</source>
        <translation>Photon quantities</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>%1: n/a, %2</source>
        <translation>%1: n/a, %2</translation>
    </message>
    <message>
        <source>TLCI (Qa)</source>
        <translation>TLCI (Qa)</translation>
    </message>
    <message>
        <source>Colour difference ΔEa</source>
        <translation>Colour difference ΔEa</translation>
    </message>
    <message>
        <source>CCT (c₂ = 1.435e-2 m·K)</source>
        <translation>CCT (c₂ = 1.435e-2 m·K)</translation>
    </message>
    <message>
        <source>Distance d from the reference</source>
        <translation>Distance d from the reference</translation>
    </message>
    <message>
        <source>TLMF against CIE A</source>
        <translation>TLMF against CIE A</translation>
    </message>
    <message>
        <source>TLMF against CIE D65</source>
        <translation>TLMF against CIE D65</translation>
    </message>
    <message>
        <source>TLCI</source>
        <translation>TLCI</translation>
    </message>
    <message>
        <source>TLMF</source>
        <translation>TLMF</translation>
    </message>
    <message>
        <source>%1: not valid, %2</source>
        <translation>%1: not valid, %2</translation>
    </message>
    <message>
        <source>The meter&apos;s method builds its references and samples on its own, coarser grids, so its Ra, CCT and R1–R15 differ from those of CIE 13.3 and CIE 15:2018 (daylight record NO.001: Ra 94.2 there, 100 in CIE 13.3).</source>
        <translation>The meter&apos;s method builds its references and samples on its own, coarser grids, so its Ra, CCT and R1–R15 differ from those of CIE 13.3 and CIE 15:2018 (daylight record NO.001: Ra 94.2 there, 100 in CIE 13.3).</translation>
    </message>
    <message>
        <source>the chromaticity lies more than 0.05 from the Planckian locus, where CIE 15:2018 defines no CCT</source>
        <translation>the chromaticity lies more than 0.05 from the Planckian locus, where CIE 15:2018 defines no CCT</translation>
    </message>
    <message>
        <source>no correlated colour temperature: %1</source>
        <translation>no correlated colour temperature: %1</translation>
    </message>
    <message>
        <source>hue bin %1 holds no sample; Rg is undefined</source>
        <translation>hue bin %1 holds no sample; Rg is undefined</translation>
    </message>
    <message>
        <source>the chromaticity is not finite</source>
        <translation>the chromaticity is not finite</translation>
    </message>
    <message>
        <source>the nearest point of the Planckian locus lies outside 1000-100000 K</source>
        <translation>the nearest point of the Planckian locus lies outside 1000-100000 K</translation>
    </message>
    <message>
        <source>the CCT lies above 25000 K, where CIE daylight is not defined</source>
        <translation>the CCT lies above 25000 K, where CIE daylight is not defined</translation>
    </message>
    <message>
        <source>the spectrum holds values that are not finite numbers</source>
        <translation>the spectrum holds values that are not finite numbers</translation>
    </message>
    <message>
        <source>the spectrum holds no light (its luminance sum is not positive)</source>
        <translation>the spectrum holds no light (its luminance sum is not positive)</translation>
    </message>
    <message>
        <source>the illuminance is negative or not a finite number</source>
        <translation>the illuminance is negative or not a finite number</translation>
    </message>
    <message>
        <source>the spectrum holds no light between 375 and 675 nm, or values that are not finite numbers</source>
        <translation>the spectrum holds no light between 375 and 675 nm, or values that are not finite numbers</translation>
    </message>
    <message>
        <source>the reference holds no light between 375 and 675 nm, or values that are not finite numbers</source>
        <translation>the reference holds no light between 375 and 675 nm, or values that are not finite numbers</translation>
    </message>
    <message>
        <source>no R:FR at an illuminance of 0</source>
        <translation>no R:FR at an illuminance of 0</translation>
    </message>
    <message>
        <source>no R:FR: the spectrum holds no light between 725 and 735 nm</source>
        <translation>no R:FR: the spectrum holds no light between 725 and 735 nm</translation>
    </message>
    <message>
        <source>no exposure value: the illuminance is not a positive number</source>
        <translation>no exposure value: the illuminance is not a positive number</translation>
    </message>
    <message>
        <source>the reference luminaire: %1</source>
        <translation>the reference luminaire: %1</translation>
    </message>
    <message>
        <source>the television camera does not see the light in all three channels (380-760 nm at 5 nm)</source>
        <translation>the television camera does not see the light in all three channels (380-760 nm at 5 nm)</translation>
    </message>
    <message>
        <source>the CCT lies outside the daylight locus&apos;s 4000-25000 K</source>
        <translation>the CCT lies outside the daylight locus&apos;s 4000-25000 K</translation>
    </message>
    <message>
        <source>S-cone</source>
        <translation>S-cone</translation>
    </message>
    <message>
        <source>M-cone</source>
        <translation>M-cone</translation>
    </message>
    <message>
        <source>L-cone</source>
        <translation>L-cone</translation>
    </message>
    <message>
        <source>Rhodopic</source>
        <translation>Rhodopic</translation>
    </message>
    <message>
        <source>Melanopic</source>
        <translation>Melanopic</translation>
    </message>
</context>
</TS>
