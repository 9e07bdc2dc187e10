<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>specview</name>
    <message>
        <source>uncertainty from repeated scans needs at least %1 scans, got %2</source>
        <translation>由重复扫描得出不确定度至少需要 %1 次扫描，当前为 %2 次</translation>
    </message>
    <message>
        <source>%1 failed: the spectrometer is no longer available.</source>
        <translation>%1失败：光谱仪已不可用。</translation>
    </message>
    <message>
        <source>%1 failed: the spectrometer did not answer.</source>
        <translation>%1失败：光谱仪没有应答。</translation>
    </message>
    <message>
        <source>The low-pass filter refused its parameters (the filter would be too long).</source>
        <translation>低通滤波器拒绝了这些参数（滤波器会过长）。</translation>
    </message>
    <message>
        <source>Reading the averaged intensity</source>
        <translation>读取平均强度</translation>
    </message>
    <message>
        <source>The USB access library is missing or incomplete, so no spectrometer can be reached.</source>
        <translation>USB 访问库缺失或不完整，无法连接光谱仪。</translation>
    </message>
    <message>
        <source>No spectrometer is connected.</source>
        <translation>没有连接光谱仪。</translation>
    </message>
    <message>
        <source>Spectrometer %1 could not be opened.</source>
        <translation>无法打开光谱仪 %1。</translation>
    </message>
    <message>
        <source>The attached device is a light meter, not a spectrometer: it does not answer as a spectrometer. The hand-held meter is read with Solvane.</source>
        <translation>所连接的设备是光照计，不是光谱仪：它不按光谱仪应答。手持光照计请用 Solvane 读取。</translation>
    </message>
    <message>
        <source>Reading the device identifier</source>
        <translation>读取设备标识</translation>
    </message>
    <message>
        <source>The integration time %1 lies outside 0 to %2.</source>
        <translation>积分时间 %1 超出 0 到 %2 的范围。</translation>
    </message>
    <message>
        <source>Setting the integration time to %1</source>
        <translation>将积分时间设为 %1</translation>
    </message>
    <message>
        <source>Reading a detector frame</source>
        <translation>读取探测器帧</translation>
    </message>
    <message>
        <source>Acquiring the calibrated spectrum</source>
        <translation>采集校准光谱</translation>
    </message>
    <message>
        <source>The boxcar width %1 was refused.</source>
        <translation>平滑宽度 %1 被拒绝。</translation>
    </message>
    <message>
        <source>The spectrum holds no light.</source>
        <translation>光谱中没有光。</translation>
    </message>
    <message>
        <source>cannot read the CSV file: %1: %2</source>
        <translation>无法读取 CSV 文件：%1：%2</translation>
    </message>
    <message>
        <source>cannot read the CSV file: %1: line %2 does not hold two comma-separated values</source>
        <translation>无法读取 CSV 文件：%1：第 %2 行不是两个以逗号分隔的值</translation>
    </message>
    <message>
        <source>cannot write the CSV file: %1: %2</source>
        <translation>无法写入 CSV 文件：%1：%2</translation>
    </message>
    <message>
        <source>cannot write the SPDX file: %1: %2</source>
        <translation>无法写入 SPDX 文件：%1：%2</translation>
    </message>
</context>
<context>
    <name>specview::MainWindow</name>
    <message>
        <source>The uncertainty follows with the next frame, from its scans.</source>
        <translation>不确定度将随下一帧由其各次扫描得出。</translation>
    </message>
    <message>
        <source>specview - Spectrometer</source>
        <translation>specview - 光谱仪 Spectrometer</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Integration time %1: peak at about 80 % of full scale</source>
        <translation>积分时间 %1：峰值约为满量程的 80 %</translation>
    </message>
    <message>
        <source>Integration time %1: 80 % of full scale not reached within the limits</source>
        <translation>积分时间 %1：在限值内未达到满量程的 80 %</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>语言将在下次启动时更改。</translation>
    </message>
    <message>
        <source>The language could not be stored in the settings.</source>
        <translation>无法将语言保存到设置中。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>采集</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Find the time that puts the peak at about 80 % of full scale</source>
        <translation>寻找使峰值约为满量程 80 % 的积分时间</translation>
    </message>
    <message>
        <source>Integration time</source>
        <translation>积分时间</translation>
    </message>
    <message>
        <source>Scans to average</source>
        <translation>平均次数</translation>
    </message>
    <message>
        <source>0: the counts at the pixel wavelengths, not resampled to 1 nm</source>
        <translation>0：像素波长处的计数，不重采样到 1 nm</translation>
    </message>
    <message>
        <source>Boxcar width (nm)</source>
        <translation>平滑宽度 (nm)</translation>
    </message>
    <message>
        <source>Low-pass filter</source>
        <translation>低通滤波</translation>
    </message>
    <message>
        <source>Pass band (1/nm)</source>
        <translation>通带 (1/nm)</translation>
    </message>
    <message>
        <source>Transition (1/nm)</source>
        <translation>过渡带 (1/nm)</translation>
    </message>
    <message>
        <source>Attenuation (dB)</source>
        <translation>衰减 (dB)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Dark and reference</source>
        <translation>暗背景与参考</translation>
    </message>
    <message>
        <source>Store dark</source>
        <translation>保存暗背景</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Store reference</source>
        <translation>保存参考</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CSV...</source>
        <translation>CSV...</translation>
    </message>
    <message>
        <source>Save the shown spectrum</source>
        <translation>保存显示的光谱</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>SPDX...</source>
        <translation>SPDX...</translation>
    </message>
    <message>
        <source>Save the 380-779 nm spectrum</source>
        <translation>保存 380-779 nm 光谱</translation>
    </message>
    <message>
        <source>SPDX file (*.spdx *.xml)</source>
        <translation>SPDX 文件 (*.spdx *.xml)</translation>
    </message>
    <message>
        <source>Plot PNG...</source>
        <translation>图像 PNG...</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>保存图像</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Raw counts</source>
        <translation>原始计数</translation>
    </message>
    <message>
        <source>Processed intensity</source>
        <translation>处理后强度</translation>
    </message>
    <message>
        <source>Spectrum 380-779 nm</source>
        <translation>光谱 380-779 nm</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>Transmission (%)</source>
        <translation>透射率 (%)</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>吸光度</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Dark subtracted</source>
        <translation>已扣除暗背景</translation>
    </message>
    <message>
        <source>The processing changed: the dark and the reference were cleared.</source>
        <translation>处理设置已更改：暗背景和参考已清除。</translation>
    </message>
    <message>
        <source>Spectrometer %1</source>
        <translation>光谱仪 %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>已连接 %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Model %1, serial %2
Firmware %3
Detector %4, %5 pixels, %6 bits
Range %7-%8 nm, %9 dark pixels
Calibrated %10, shortest time %11</source>
        <translation>型号 %1，序列号 %2
固件 %3
探测器 %4，%5 像素，%6 位
范围 %7-%8 nm，%9 个暗像素
校准日期 %10，最短时间 %11</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Continuous acquisition stopped: %1 The last good spectrum stays on screen.</source>
        <translation>连续采集已停止：%1 屏幕上保留最后一个正常光谱。</translation>
    </message>
    <message>
        <source>Acquisition failed</source>
        <translation>采集失败</translation>
    </message>
    <message>
        <source>Store a reference first: transmission and absorbance are measured against it.</source>
        <translation>请先保存参考：透射率和吸光度相对于参考测量。</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>波长 (nm)</translation>
    </message>
    <message>
        <source>Intensity (counts)</source>
        <translation>强度（计数）</translation>
    </message>
    <message>
        <source>Pixel (2048-2063: dark pixels)</source>
        <translation>像素（2048-2063：暗像素）</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>计数</translation>
    </message>
    <message>
        <source>Spectral intensity (relative)</source>
        <translation>光谱强度（相对）</translation>
    </message>
    <message numerus="yes">
        <source>Saturated: %n pixel(s) at full scale (%1 counts). Shorten the integration time.</source>
        <translation><numerusform>饱和：%n 个像素达到满量程（%1 计数）。请缩短积分时间。</numerusform></translation>
    </message>
    <message>
        <source>No dark</source>
        <translation>无暗背景</translation>
    </message>
    <message>
        <source>No reference</source>
        <translation>无参考</translation>
    </message>
    <message>
        <source>%1  integration time %2, peak %3 counts</source>
        <translation>%1  积分时间 %2，峰值 %3 计数</translation>
    </message>
    <message>
        <source>There is no spectrum to save yet.</source>
        <translation>还没有可保存的光谱。</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Dark of integration time %1, subtracted</source>
        <translation>积分时间 %1 的暗背景，正在扣除</translation>
    </message>
    <message>
        <source>Reference of integration time %1</source>
        <translation>积分时间 %1 的参考</translation>
    </message>
    <message>
        <source>cannot write the PNG image: %1: %2</source>
        <translation>无法写入 PNG 图像：%1：%2</translation>
    </message>
</context>
<context>
    <name>specview::FiguresPanel</name>
    <message>
        <source>Show uncertainty</source>
        <translation>显示不确定度</translation>
    </message>
    <message>
        <source>%v of %m draws</source>
        <translation>%v / %m 次抽样</translation>
    </message>
    <message>
        <source>Each light-quality figure with its 95 % interval, from %1 Monte Carlo draws: the noise from the spread of the scans, the other errors from the default budget</source>
        <translation>每个光品质指标及其 95 % 区间，由 %1 次蒙特卡罗抽样得出：噪声取自各次扫描的离散，其他误差取自默认不确定度预算</translation>
    </message>
    <message numerus="yes">
        <source>Noise from %n scan(s), the other errors from the default budget; %1 draws</source>
        <translation><numerusform>噪声取自 %n 次扫描，其他误差取自默认不确定度预算；%1 次抽样</numerusform></translation>
    </message>
    <message>
        <source>; ± is k = 2</source>
        <translation>；± 为 k = 2</translation>
    </message>
    <message>
        <source>Colour (specsdk)</source>
        <translation>颜色 (specsdk)</translation>
    </message>
    <message>
        <source>Light quality</source>
        <translation>光品质</translation>
    </message>
    <message>
        <source>The frame is saturated: its colour figures are not valid.</source>
        <translation>该帧已饱和：其颜色指标无效。</translation>
    </message>
    <message>
        <source>The two Ra differ: specsdk takes its references at the CCT on its 5 K grid, CIE 13.3 at the exact CCT.</source>
        <translation>两个 Ra 不同：specsdk 在其 5 K 网格上的相关色温处取参考光源，CIE 13.3 在精确的相关色温处取。</translation>
    </message>
    <message>
        <source>Caution: the light lies further than d = 1 from its TLCI reference; its TLCI is less reliable.</source>
        <translation>注意：光源与其 TLCI 参考光源的距离超过 d = 1，其 TLCI 的可靠性较低。</translation>
    </message>
</context>
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
</context>
</TS>