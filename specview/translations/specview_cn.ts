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
        <source>Figures of the frame of %1; the newest frame is drawn next.</source>
        <translation>所示数值属于 %1 的一帧；最新一帧接着抽样。</translation>
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
</TS>