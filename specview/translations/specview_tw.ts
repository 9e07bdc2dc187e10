<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>specview</name>
    <message>
        <source>uncertainty from repeated scans needs at least %1 scans, got %2</source>
        <translation>由重複掃描得出不確定度至少需要 %1 次掃描，目前為 %2 次</translation>
    </message>
    <message>
        <source>%1 failed: the spectrometer is no longer available.</source>
        <translation>%1失敗：光譜儀已不可用。</translation>
    </message>
    <message>
        <source>%1 failed: the spectrometer did not answer.</source>
        <translation>%1失敗：光譜儀沒有應答。</translation>
    </message>
    <message>
        <source>The low-pass filter refused its parameters (the filter would be too long).</source>
        <translation>低通濾波器拒絕了這些參數（濾波器會過長）。</translation>
    </message>
    <message>
        <source>Reading the averaged intensity</source>
        <translation>讀取平均強度</translation>
    </message>
    <message>
        <source>The USB access library is missing or incomplete, so no spectrometer can be reached.</source>
        <translation>USB 存取函式庫缺失或不完整，無法連線光譜儀。</translation>
    </message>
    <message>
        <source>No spectrometer is connected.</source>
        <translation>沒有連接光譜儀。</translation>
    </message>
    <message>
        <source>Spectrometer %1 could not be opened.</source>
        <translation>無法開啟光譜儀 %1。</translation>
    </message>
    <message>
        <source>The attached device is a light meter, not a spectrometer: it does not answer as a spectrometer. The hand-held meter is read with Solvane.</source>
        <translation>所連接的裝置是光照計，不是光譜儀：它不按光譜儀應答。手持光照計請用 Solvane 讀取。</translation>
    </message>
    <message>
        <source>Reading the device identifier</source>
        <translation>讀取裝置識別碼</translation>
    </message>
    <message>
        <source>The integration time %1 lies outside 0 to %2.</source>
        <translation>積分時間 %1 超出 0 到 %2 的範圍。</translation>
    </message>
    <message>
        <source>Setting the integration time to %1</source>
        <translation>將積分時間設為 %1</translation>
    </message>
    <message>
        <source>Reading a detector frame</source>
        <translation>讀取偵測器影格</translation>
    </message>
    <message>
        <source>Acquiring the calibrated spectrum</source>
        <translation>擷取校準光譜</translation>
    </message>
    <message>
        <source>The boxcar width %1 was refused.</source>
        <translation>平滑寬度 %1 被拒絕。</translation>
    </message>
    <message>
        <source>The spectrum holds no light.</source>
        <translation>光譜中沒有光。</translation>
    </message>
    <message>
        <source>cannot read the CSV file: %1: %2</source>
        <translation>無法讀取 CSV 檔案：%1：%2</translation>
    </message>
    <message>
        <source>cannot read the CSV file: %1: line %2 does not hold two comma-separated values</source>
        <translation>無法讀取 CSV 檔案：%1：第 %2 行不是兩個以逗號分隔的值</translation>
    </message>
    <message>
        <source>cannot write the CSV file: %1: %2</source>
        <translation>無法寫入 CSV 檔案：%1：%2</translation>
    </message>
    <message>
        <source>cannot write the SPDX file: %1: %2</source>
        <translation>無法寫入 SPDX 檔案：%1：%2</translation>
    </message>
</context>
<context>
    <name>specview::MainWindow</name>
    <message>
        <source>The uncertainty follows with the next frame, from its scans.</source>
        <translation>不確定度將隨下一幀由其各次掃描得出。</translation>
    </message>
    <message>
        <source>specview - Spectrometer</source>
        <translation>specview - 光譜儀 Spectrometer</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>Integration time %1: peak at about 80 % of full scale</source>
        <translation>積分時間 %1：峰值約為滿刻度的 80 %</translation>
    </message>
    <message>
        <source>Integration time %1: 80 % of full scale not reached within the limits</source>
        <translation>積分時間 %1：在限值內未達到滿刻度的 80 %</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>語言將在下次啟動時變更。</translation>
    </message>
    <message>
        <source>The language could not be stored in the settings.</source>
        <translation>無法將語言儲存到設定中。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>識別碼</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Find the time that puts the peak at about 80 % of full scale</source>
        <translation>尋找使峰值約為滿刻度 80 % 的積分時間</translation>
    </message>
    <message>
        <source>Integration time</source>
        <translation>積分時間</translation>
    </message>
    <message>
        <source>Scans to average</source>
        <translation>平均次數</translation>
    </message>
    <message>
        <source>0: the counts at the pixel wavelengths, not resampled to 1 nm</source>
        <translation>0：像素波長處的計數，不重新取樣到 1 nm</translation>
    </message>
    <message>
        <source>Boxcar width (nm)</source>
        <translation>平滑寬度 (nm)</translation>
    </message>
    <message>
        <source>Low-pass filter</source>
        <translation>低通濾波</translation>
    </message>
    <message>
        <source>Pass band (1/nm)</source>
        <translation>通帶 (1/nm)</translation>
    </message>
    <message>
        <source>Transition (1/nm)</source>
        <translation>過渡帶 (1/nm)</translation>
    </message>
    <message>
        <source>Attenuation (dB)</source>
        <translation>衰減 (dB)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>單次</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Dark and reference</source>
        <translation>暗背景與參考</translation>
    </message>
    <message>
        <source>Store dark</source>
        <translation>儲存暗背景</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Store reference</source>
        <translation>儲存參考</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>CSV...</source>
        <translation>CSV...</translation>
    </message>
    <message>
        <source>Save the shown spectrum</source>
        <translation>儲存顯示的光譜</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>SPDX...</source>
        <translation>SPDX...</translation>
    </message>
    <message>
        <source>Save the 380-779 nm spectrum</source>
        <translation>儲存 380-779 nm 光譜</translation>
    </message>
    <message>
        <source>SPDX file (*.spdx *.xml)</source>
        <translation>SPDX 檔案 (*.spdx *.xml)</translation>
    </message>
    <message>
        <source>Plot PNG...</source>
        <translation>圖像 PNG...</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>儲存圖像</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 圖像 (*.png)</translation>
    </message>
    <message>
        <source>Raw counts</source>
        <translation>原始計數</translation>
    </message>
    <message>
        <source>Processed intensity</source>
        <translation>處理後強度</translation>
    </message>
    <message>
        <source>Spectrum 380-779 nm</source>
        <translation>光譜 380-779 nm</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>Transmission (%)</source>
        <translation>穿透率 (%)</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>吸光度</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Dark subtracted</source>
        <translation>已扣除暗背景</translation>
    </message>
    <message>
        <source>The processing changed: the dark and the reference were cleared.</source>
        <translation>處理設定已變更：暗背景和參考已清除。</translation>
    </message>
    <message>
        <source>Spectrometer %1</source>
        <translation>光譜儀 %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>已連線 %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Model %1, serial %2
Firmware %3
Detector %4, %5 pixels, %6 bits
Range %7-%8 nm, %9 dark pixels
Calibrated %10, shortest time %11</source>
        <translation>型號 %1，序號 %2
韌體 %3
偵測器 %4，%5 像素，%6 位元
範圍 %7-%8 nm，%9 個暗像素
校準日期 %10，最短時間 %11</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Continuous acquisition stopped: %1 The last good spectrum stays on screen.</source>
        <translation>連續擷取已停止：%1 螢幕上保留最後一個正常光譜。</translation>
    </message>
    <message>
        <source>Acquisition failed</source>
        <translation>擷取失敗</translation>
    </message>
    <message>
        <source>Store a reference first: transmission and absorbance are measured against it.</source>
        <translation>請先儲存參考：穿透率和吸光度相對於參考量測。</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>波長 (nm)</translation>
    </message>
    <message>
        <source>Intensity (counts)</source>
        <translation>強度（計數）</translation>
    </message>
    <message>
        <source>Pixel (2048-2063: dark pixels)</source>
        <translation>像素（2048-2063：暗像素）</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>計數</translation>
    </message>
    <message>
        <source>Spectral intensity (relative)</source>
        <translation>光譜強度（相對）</translation>
    </message>
    <message numerus="yes">
        <source>Saturated: %n pixel(s) at full scale (%1 counts). Shorten the integration time.</source>
        <translation><numerusform>飽和：%n 個像素達到滿刻度（%1 計數）。請縮短積分時間。</numerusform></translation>
    </message>
    <message>
        <source>No dark</source>
        <translation>無暗背景</translation>
    </message>
    <message>
        <source>No reference</source>
        <translation>無參考</translation>
    </message>
    <message>
        <source>%1  integration time %2, peak %3 counts</source>
        <translation>%1  積分時間 %2，峰值 %3 計數</translation>
    </message>
    <message>
        <source>There is no spectrum to save yet.</source>
        <translation>還沒有可儲存的光譜。</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <source>Dark of integration time %1, subtracted</source>
        <translation>積分時間 %1 的暗背景，正在扣除</translation>
    </message>
    <message>
        <source>Reference of integration time %1</source>
        <translation>積分時間 %1 的參考</translation>
    </message>
    <message>
        <source>cannot write the PNG image: %1: %2</source>
        <translation>無法寫入 PNG 圖像：%1：%2</translation>
    </message>
</context>
<context>
    <name>specview::FiguresPanel</name>
    <message>
        <source>Show uncertainty</source>
        <translation>顯示不確定度</translation>
    </message>
    <message>
        <source>%v of %m draws</source>
        <translation>%v / %m 次抽樣</translation>
    </message>
    <message>
        <source>Each light-quality figure with its 95 % interval, from %1 Monte Carlo draws: the noise from the spread of the scans, the other errors from the default budget</source>
        <translation>每個光品質指標及其 95 % 區間，由 %1 次蒙地卡羅抽樣得出：雜訊取自各次掃描的離散，其他誤差取自預設不確定度預算</translation>
    </message>
    <message numerus="yes">
        <source>Noise from %n scan(s), the other errors from the default budget; %1 draws</source>
        <translation><numerusform>雜訊取自 %n 次掃描，其他誤差取自預設不確定度預算；%1 次抽樣</numerusform></translation>
    </message>
    <message>
        <source>; ± is k = 2</source>
        <translation>；± 為 k = 2</translation>
    </message>
    <message>
        <source>Figures of the frame of %1; the newest frame is drawn next.</source>
        <translation>所示數值屬於 %1 的一幀；最新一幀接著抽樣。</translation>
    </message>
    <message>
        <source>Colour (specsdk)</source>
        <translation>顏色 (specsdk)</translation>
    </message>
    <message>
        <source>Light quality</source>
        <translation>光品質</translation>
    </message>
    <message>
        <source>The frame is saturated: its colour figures are not valid.</source>
        <translation>該幀已飽和：其顏色指標無效。</translation>
    </message>
    <message>
        <source>The two Ra differ: specsdk takes its references at the CCT on its 5 K grid, CIE 13.3 at the exact CCT.</source>
        <translation>兩個 Ra 不同：specsdk 在其 5 K 網格上的色溫處取參考光源，CIE 13.3 在精確的色溫處取。</translation>
    </message>
    <message>
        <source>Caution: the light lies further than d = 1 from its TLCI reference; its TLCI is less reliable.</source>
        <translation>注意：光源與其 TLCI 參考光源的距離超過 d = 1，其 TLCI 的可靠性較低。</translation>
    </message>
</context>
</TS>