<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Figures</name>
    <message>
        <source>Chromaticity x</source>
        <translation>色度座標 x</translation>
    </message>
    <message>
        <source>Chromaticity y</source>
        <translation>色度座標 y</translation>
    </message>
    <message>
        <source>Chromaticity u′</source>
        <translation>色度座標 u′</translation>
    </message>
    <message>
        <source>Chromaticity v′</source>
        <translation>色度座標 v′</translation>
    </message>
    <message>
        <source>CCT</source>
        <translation>色溫</translation>
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
        <translation>主波長</translation>
    </message>
    <message>
        <source>Duv</source>
        <translation>Duv</translation>
    </message>
    <message>
        <source>Colour rendering index Ra</source>
        <translation>演色指數 Ra</translation>
    </message>
    <message>
        <source>Special colour rendering index</source>
        <translation>特殊演色指數</translation>
    </message>
    <message>
        <source>Fidelity index Rf</source>
        <translation>保真度指數 Rf</translation>
    </message>
    <message>
        <source>Gamut index Rg</source>
        <translation>色域指數 Rg</translation>
    </message>
    <message>
        <source>Local fidelity Rf,hj</source>
        <translation>局部保真度 Rf,hj</translation>
    </message>
    <message>
        <source>Local chroma shift Rcs,hj</source>
        <translation>局部彩度偏移 Rcs,hj</translation>
    </message>
    <message>
        <source>Local hue shift Rhs,hj</source>
        <translation>局部色相偏移 Rhs,hj</translation>
    </message>
    <message>
        <source>Sample fidelity Rf,CES</source>
        <translation>樣本保真度 Rf,CES</translation>
    </message>
    <message>
        <source>Irradiance</source>
        <translation>輻照度</translation>
    </message>
    <message>
        <source>EDI</source>
        <translation>等效日光照度 EDI</translation>
    </message>
    <message>
        <source>DER</source>
        <translation>日光效能比 DER</translation>
    </message>
    <message>
        <source>against Planck 3200 K</source>
        <translation>對比普朗克 3200 K</translation>
    </message>
    <message>
        <source>against CIE daylight 5600 K</source>
        <translation>對比 CIE 日光 5600 K</translation>
    </message>
    <message>
        <source>PPFD (400–700 nm)</source>
        <translation>PPFD（400–700 nm）</translation>
    </message>
    <message>
        <source>PFD-FR (700–750 nm)</source>
        <translation>PFD-FR（700–750 nm）</translation>
    </message>
    <message>
        <source>R:FR (655–665 nm / 725–735 nm)</source>
        <translation>R:FR（655–665 nm / 725–735 nm）</translation>
    </message>
    <message>
        <source>S/P ratio</source>
        <translation>S/P 比</translation>
    </message>
    <message>
        <source>EV at ISO 100</source>
        <translation>ISO 100 時的 EV</translation>
    </message>
    <message>
        <source>meter&apos;s method</source>
        <translation>儀器演算法</translation>
    </message>
    <message>
        <source>The record&apos;s own figures</source>
        <translation>記錄自身的指標</translation>
    </message>
    <message>
        <source>CCT and Duv</source>
        <translation>相關色溫與 Duv</translation>
    </message>
    <message>
        <source>Rf and Rg</source>
        <translation>Rf 與 Rg</translation>
    </message>
    <message>
        <source>α-opic quantities</source>
        <translation>α-opic 量</translation>
    </message>
    <message>
        <source>SSI</source>
        <translation>SSI</translation>
    </message>
    <message>
        <source>Photon quantities</source>
        <translation>光子量</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>%1: n/a, %2</source>
        <translation>%1：無，%2</translation>
    </message>
    <message>
        <source>TLCI (Qa)</source>
        <translation>TLCI (Qa)</translation>
    </message>
    <message>
        <source>Colour difference ΔEa</source>
        <translation>色差 ΔEa</translation>
    </message>
    <message>
        <source>CCT (c₂ = 1.435e-2 m·K)</source>
        <translation>相關色溫（c₂ = 1.435e-2 m·K）</translation>
    </message>
    <message>
        <source>Distance d from the reference</source>
        <translation>與參考光源的距離 d</translation>
    </message>
    <message>
        <source>TLMF against CIE A</source>
        <translation>對比 CIE A 的 TLMF</translation>
    </message>
    <message>
        <source>TLMF against CIE D65</source>
        <translation>對比 CIE D65 的 TLMF</translation>
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
        <translation>%1：無效，%2</translation>
    </message>
    <message>
        <source>The meter&apos;s method builds its references and samples on its own, coarser grids, so its Ra, CCT and R1–R15 differ from those of CIE 13.3 and CIE 15:2018 (daylight record NO.001: Ra 94.2 there, 100 in CIE 13.3).</source>
        <translation>儀器演算法在自己較粗的網格上建構參考光源和色樣，因此其 Ra、色溫和 R1–R15 與 CIE 13.3 和 CIE 15:2018 的結果不同（日光記錄 NO.001：儀器演算法 Ra 94.2，CIE 13.3 為 100）。</translation>
    </message>
    <message>
        <source>the chromaticity lies more than 0.05 from the Planckian locus, where CIE 15:2018 defines no CCT</source>
        <translation>色度點距普朗克軌跡超過 0.05，CIE 15:2018 在此不定義色溫</translation>
    </message>
    <message>
        <source>no correlated colour temperature: %1</source>
        <translation>無色溫：%1</translation>
    </message>
    <message>
        <source>hue bin %1 holds no sample; Rg is undefined</source>
        <translation>色相區 %1 中沒有色樣；Rg 無定義</translation>
    </message>
    <message>
        <source>the chromaticity is not finite</source>
        <translation>色度座標不是有限數</translation>
    </message>
    <message>
        <source>the nearest point of the Planckian locus lies outside 1000-100000 K</source>
        <translation>普朗克軌跡上最近的點在 1000–100000 K 之外</translation>
    </message>
    <message>
        <source>the CCT lies above 25000 K, where CIE daylight is not defined</source>
        <translation>色溫高於 25000 K，CIE 日光在此無定義</translation>
    </message>
    <message>
        <source>the spectrum holds values that are not finite numbers</source>
        <translation>光譜含有非有限數值</translation>
    </message>
    <message>
        <source>the spectrum holds no light (its luminance sum is not positive)</source>
        <translation>光譜中沒有光（其亮度和不為正）</translation>
    </message>
    <message>
        <source>the illuminance is negative or not a finite number</source>
        <translation>照度為負或不是有限數</translation>
    </message>
    <message>
        <source>the spectrum holds no light between 375 and 675 nm, or values that are not finite numbers</source>
        <translation>光譜在 375–675 nm 之間沒有光，或含有非有限數值</translation>
    </message>
    <message>
        <source>the reference holds no light between 375 and 675 nm, or values that are not finite numbers</source>
        <translation>參考光譜在 375–675 nm 之間沒有光，或含有非有限數值</translation>
    </message>
    <message>
        <source>no R:FR at an illuminance of 0</source>
        <translation>照度為 0 時無 R:FR</translation>
    </message>
    <message>
        <source>no R:FR: the spectrum holds no light between 725 and 735 nm</source>
        <translation>無 R:FR：光譜在 725–735 nm 之間沒有光</translation>
    </message>
    <message>
        <source>no exposure value: the illuminance is not a positive number</source>
        <translation>無曝光值：照度不是正數</translation>
    </message>
    <message>
        <source>the reference luminaire: %1</source>
        <translation>參考燈具：%1</translation>
    </message>
    <message>
        <source>the television camera does not see the light in all three channels (380-760 nm at 5 nm)</source>
        <translation>電視攝影機的三個通道未能全部感應到該光（380–760 nm，間隔 5 nm）</translation>
    </message>
    <message>
        <source>the CCT lies outside the daylight locus&apos;s 4000-25000 K</source>
        <translation>相關色溫在日光軌跡的 4000–25000 K 範圍之外</translation>
    </message>
    <message>
        <source>S-cone</source>
        <translation>S 視錐</translation>
    </message>
    <message>
        <source>M-cone</source>
        <translation>M 視錐</translation>
    </message>
    <message>
        <source>L-cone</source>
        <translation>L 視錐</translation>
    </message>
    <message>
        <source>Rhodopic</source>
        <translation>視桿</translation>
    </message>
    <message>
        <source>Melanopic</source>
        <translation>黑視素</translation>
    </message>
</context>
</TS>
