<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Figures</name>
    <message>
        <source>Chromaticity x</source>
        <translation>色度坐标 x</translation>
    </message>
    <message>
        <source>Chromaticity y</source>
        <translation>色度坐标 y</translation>
    </message>
    <message>
        <source>Chromaticity u′</source>
        <translation>色度坐标 u′</translation>
    </message>
    <message>
        <source>Chromaticity v′</source>
        <translation>色度坐标 v′</translation>
    </message>
    <message>
        <source>CCT</source>
        <translation>相关色温</translation>
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
        <translation>主波长</translation>
    </message>
    <message>
        <source>Duv</source>
        <translation>Duv</translation>
    </message>
    <message>
        <source>Colour rendering index Ra</source>
        <translation>显色指数 Ra</translation>
    </message>
    <message>
        <source>Special colour rendering index</source>
        <translation>特殊显色指数</translation>
    </message>
    <message>
        <source>Fidelity index Rf</source>
        <translation>保真度指数 Rf</translation>
    </message>
    <message>
        <source>Gamut index Rg</source>
        <translation>色域指数 Rg</translation>
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
        <translation>样本保真度 Rf,CES</translation>
    </message>
    <message>
        <source>Irradiance</source>
        <translation>辐照度</translation>
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
        <translation>对比普朗克 3200 K</translation>
    </message>
    <message>
        <source>against CIE daylight 5600 K</source>
        <translation>对比 CIE 日光 5600 K</translation>
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
        <translation>ISO 100 时的 EV</translation>
    </message>
    <message>
        <source>meter&apos;s method</source>
        <translation>仪器算法</translation>
    </message>
    <message>
        <source>The record&apos;s own figures</source>
        <translation>记录自身的指标</translation>
    </message>
    <message>
        <source>CCT and Duv</source>
        <translation>相关色温与 Duv</translation>
    </message>
    <message>
        <source>Rf and Rg</source>
        <translation>Rf 与 Rg</translation>
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
        <translation>%1：无，%2</translation>
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
        <translation>相关色温（c₂ = 1.435e-2 m·K）</translation>
    </message>
    <message>
        <source>Distance d from the reference</source>
        <translation>与参考光源的距离 d</translation>
    </message>
    <message>
        <source>TLMF against CIE A</source>
        <translation>对比 CIE A 的 TLMF</translation>
    </message>
    <message>
        <source>TLMF against CIE D65</source>
        <translation>对比 CIE D65 的 TLMF</translation>
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
        <translation>%1：无效，%2</translation>
    </message>
    <message>
        <source>The meter&apos;s method builds its references and samples on its own, coarser grids, so its Ra, CCT and R1–R15 differ from those of CIE 13.3 and CIE 15:2018 (daylight record NO.001: Ra 94.2 there, 100 in CIE 13.3).</source>
        <translation>仪器算法在自己较粗的网格上构建参考光源和色样，因此其 Ra、相关色温和 R1–R15 与 CIE 13.3 和 CIE 15:2018 的结果不同（日光记录 NO.001：仪器算法 Ra 94.2，CIE 13.3 为 100）。</translation>
    </message>
    <message>
        <source>the chromaticity lies more than 0.05 from the Planckian locus, where CIE 15:2018 defines no CCT</source>
        <translation>色品点距普朗克轨迹超过 0.05，CIE 15:2018 在此不定义相关色温</translation>
    </message>
    <message>
        <source>no correlated colour temperature: %1</source>
        <translation>无相关色温：%1</translation>
    </message>
    <message>
        <source>hue bin %1 holds no sample; Rg is undefined</source>
        <translation>色相区 %1 中没有色样；Rg 无定义</translation>
    </message>
    <message>
        <source>the chromaticity is not finite</source>
        <translation>色品坐标不是有限数</translation>
    </message>
    <message>
        <source>the nearest point of the Planckian locus lies outside 1000-100000 K</source>
        <translation>普朗克轨迹上最近的点在 1000–100000 K 之外</translation>
    </message>
    <message>
        <source>the CCT lies above 25000 K, where CIE daylight is not defined</source>
        <translation>相关色温高于 25000 K，CIE 日光在此无定义</translation>
    </message>
    <message>
        <source>the spectrum holds values that are not finite numbers</source>
        <translation>光谱含有非有限数值</translation>
    </message>
    <message>
        <source>the spectrum holds no light (its luminance sum is not positive)</source>
        <translation>光谱中没有光（其亮度和不为正）</translation>
    </message>
    <message>
        <source>the illuminance is negative or not a finite number</source>
        <translation>照度为负或不是有限数</translation>
    </message>
    <message>
        <source>the spectrum holds no light between 375 and 675 nm, or values that are not finite numbers</source>
        <translation>光谱在 375–675 nm 之间没有光，或含有非有限数值</translation>
    </message>
    <message>
        <source>the reference holds no light between 375 and 675 nm, or values that are not finite numbers</source>
        <translation>参考光谱在 375–675 nm 之间没有光，或含有非有限数值</translation>
    </message>
    <message>
        <source>no R:FR at an illuminance of 0</source>
        <translation>照度为 0 时无 R:FR</translation>
    </message>
    <message>
        <source>no R:FR: the spectrum holds no light between 725 and 735 nm</source>
        <translation>无 R:FR：光谱在 725–735 nm 之间没有光</translation>
    </message>
    <message>
        <source>no exposure value: the illuminance is not a positive number</source>
        <translation>无曝光值：照度不是正数</translation>
    </message>
    <message>
        <source>the reference luminaire: %1</source>
        <translation>参考灯具：%1</translation>
    </message>
    <message>
        <source>the television camera does not see the light in all three channels (380-760 nm at 5 nm)</source>
        <translation>电视摄像机的三个通道未能全部感应到该光（380–760 nm，间隔 5 nm）</translation>
    </message>
    <message>
        <source>the CCT lies outside the daylight locus&apos;s 4000-25000 K</source>
        <translation>相关色温在日光轨迹的 4000–25000 K 范围之外</translation>
    </message>
    <message>
        <source>S-cone</source>
        <translation>S 视锥</translation>
    </message>
    <message>
        <source>M-cone</source>
        <translation>M 视锥</translation>
    </message>
    <message>
        <source>L-cone</source>
        <translation>L 视锥</translation>
    </message>
    <message>
        <source>Rhodopic</source>
        <translation>视杆</translation>
    </message>
    <message>
        <source>Melanopic</source>
        <translation>黑视素</translation>
    </message>
</context>
</TS>
