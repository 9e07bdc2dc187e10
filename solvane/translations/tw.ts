<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Solvane Manager</source>
        <translation>Solvane 光譜管理軟體</translation>
    </message>
    <message>
        <source>Contact Kestra</source>
        <translation>聯繫 Kestra</translation>
    </message>
    <message>
        <source>Add: Building 3, 88 Qiushi Road, Xihu District, Hangzhou 310013, China</source>
        <translation>地址：杭州市西湖區求是路88號3號樓（郵遞區號310013）</translation>
    </message>
    <message>
        <source>Tel: +86 571 8765 4321</source>
        <translation>電話：+86 571 8765 4321</translation>
    </message>
    <message>
        <source>Fax: +86 571 8765 4322</source>
        <translation>傳真：+86 571 8765 4322</translation>
    </message>
    <message>
        <source>E-mail: support@kestra-instruments.example</source>
        <translation>電子郵件：support@kestra-instruments.example</translation>
    </message>
    <message>
        <source>URL: https://www.kestra-instruments.example</source>
        <translation>網址：https://www.kestra-instruments.example</translation>
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
        <translation>開啟</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>聯繫我們</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Stored Data</source>
        <translation>儲存資料</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Test Data</source>
        <translation>測試資料</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Test Item:</source>
        <translation>測試項目：</translation>
    </message>
    <message>
        <source>No data selected</source>
        <translation>未選擇資料</translation>
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
        <translation>照度</translation>
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
        <translation>色溫</translation>
    </message>
    <message>
        <source>Tcp</source>
        <translation>Tcp</translation>
    </message>
    <message>
        <source>CRI</source>
        <translation>顯色指數</translation>
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
        <translation>主波長</translation>
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
        <translation>三刺激值</translation>
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
        <translation>色偏差</translation>
    </message>
    <message>
        <source>△uv</source>
        <translation>△uv</translation>
    </message>
    <message>
        <source>Spectro</source>
        <translation>光譜圖</translation>
    </message>
    <message>
        <source>Intensity Data</source>
        <translation>光譜資料</translation>
    </message>
    <message>
        <source>WaveLength</source>
        <translation>波長</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>強度</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) read</source>
        <translation>
            <numerusform>已讀取 %n 筆記錄</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading stored records: %n read</source>
        <translation>
            <numerusform>正在讀取儲存資料：已讀取 %n 筆</numerusform>
        </translation>
    </message>
    <message>
        <source>Stored data read</source>
        <translation>讀取儲存資料完成</translation>
    </message>
    <message>
        <source>Reading stored data failed: %1</source>
        <translation>讀取儲存資料失敗：%1</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1</source>
        <translation>無法啟動網頁瀏覽器開啟 %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started to open the manual %1</source>
        <translation>無法啟動 PDF 閱讀器開啟說明書 %1</translation>
    </message>
    <message numerus="yes">
        <source>Reading stopped by a failure after %n record(s)</source>
        <translation>
            <numerusform>讀取在 %n 筆記錄後因故障停止</numerusform>
        </translation>
    </message>
    <message>
        <source>Live measurement</source>
        <translation>即時測量</translation>
    </message>
    <message>
        <source>Open a data file</source>
        <translation>開啟資料檔</translation>
    </message>
    <message>
        <source>Print the selected record&apos;s test report</source>
        <translation>列印所選記錄的測試報告</translation>
    </message>
    <message>
        <source>Light quality of the selected record</source>
        <translation>所選記錄的光品質</translation>
    </message>
    <message>
        <source>Open the user manual</source>
        <translation>開啟使用手冊</translation>
    </message>
    <message>
        <source>Open the maker&apos;s contact page</source>
        <translation>開啟廠商的聯絡網頁</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>關於 Solvane</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) opened from %1</source>
        <translation>
            <numerusform>已從 %1 開啟 %n 筆記錄</numerusform>
        </translation>
    </message>
    <message>
        <source>Measure: %1 added</source>
        <translation>測量：已加入 %1</translation>
    </message>
    <message numerus="yes">
        <source>Series: %n record(s) added</source>
        <translation>
            <numerusform>連續測量：已加入 %n 筆記錄</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>No item is selected</source>
        <translation>沒有選中任何資料</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Succeeded in exporting data</source>
        <translation>資料匯出成功</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Fail to export data</source>
        <translation>資料匯出失敗</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Fail to open the file</source>
        <translation>開啟檔案失敗</translation>
    </message>
    <message>
        <source>No record is selected</source>
        <translation>沒有選中的記錄</translation>
    </message>
    <message>
        <source>The selected record is incomplete: the report needs all 430 fields</source>
        <translation>選中的記錄不完整：測試報告需要全部 430 個欄位</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>測量</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>連續測量</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>正在測量...</translation>
    </message>
    <message>
        <source>Light quality</source>
        <translation>光品質</translation>
    </message>
    <message>
        <source>The light quality of the selected record cannot be shown: %1</source>
        <translation>無法顯示所選記錄的光品質：%1</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Select two or more records to compare them with the first selected</source>
        <translation>選擇兩筆或更多記錄，與第一筆選取的記錄比較</translation>
    </message>
    <message>
        <source>Select two or more records to compare</source>
        <translation>請選擇兩筆或更多記錄進行比較</translation>
    </message>
    <message>
        <source>Record %1 cannot be compared: %2</source>
        <translation>記錄 %1 無法比較：%2</translation>
    </message>
    <message>
        <source>The language cannot be changed</source>
        <translation>無法變更語言</translation>
    </message>
    <message>
        <source>Spectrum, wavelength and value (*.csv *.txt *.tsv *.dat)</source>
        <translation>光譜，波長與數值 (*.csv *.txt *.tsv *.dat)</translation>
    </message>
    <message>
        <source>IES TM-27-14 spectrum (*.spdx *.xml)</source>
        <translation>IES TM-27-14 光譜 (*.spdx *.xml)</translation>
    </message>
    <message>
        <source>UPRtek text export (*.xls *.txt)</source>
        <translation>UPRtek 文字匯出 (*.xls *.txt)</translation>
    </message>
    <message>
        <source>Sekonic CSV export (*.csv)</source>
        <translation>Sekonic CSV 匯出 (*.csv)</translation>
    </message>
    <message>
        <source>Spectrum of %1 added to the records</source>
        <translation>已將 %1 的光譜加入記錄</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>已取消列印</translation>
    </message>
    <message>
        <source>The uncertainty page is left out: %1</source>
        <translation>不確定度頁未列印：%1</translation>
    </message>
    <message>
        <source>Drawing the uncertainties of %1 for the report...</source>
        <translation>正在為報告抽樣計算 %1 的不確定度...</translation>
    </message>
</context>
<context>
    <name>PrintSettingDlg</name>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Company Information</source>
        <translation>公司資訊</translation>
    </message>
    <message>
        <source>Sample Information</source>
        <translation>樣品資訊</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>列印到PDF檔案</translation>
    </message>
    <message>
        <source>Print to Paper</source>
        <translation>列印到紙張</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add a light quality page</source>
        <translation>加入光品質頁</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The print settings cannot be saved</source>
        <translation>無法儲存列印設定</translation>
    </message>
    <message>
        <source>Add the uncertainty page</source>
        <translation>加入不確定度頁</translation>
    </message>
    <message>
        <source>After the light quality page: every figure with its uncertainty, from Monte Carlo draws of the meter&apos;s default error budget</source>
        <translation>位於光品質頁之後：每個數值及其不確定度，由儀器預設誤差預算的蒙地卡羅抽樣得出</translation>
    </message>
</context>
<context>
    <name>LiveSeries</name>
    <message>
        <source>Starting a test on the meter failed</source>
        <translation>啟動儀器測試失敗</translation>
    </message>
    <message>
        <source>Asking the meter for its result failed</source>
        <translation>查詢儀器測試結果失敗</translation>
    </message>
    <message>
        <source>The meter had no result within %1 seconds</source>
        <translation>儀器在 %1 秒內沒有測試結果</translation>
    </message>
    <message>
        <source>Reading the test result failed</source>
        <translation>讀取測試結果失敗</translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <source>Series</source>
        <translation>連續測量</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>直到停止</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>測量次數</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Ev (lx)</source>
        <translation>Ev (lx)</translation>
    </message>
    <message>
        <source>CCT (K)</source>
        <translation>色溫 (K)</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <source>Elapsed time (s)</source>
        <translation>經過時間 (秒)</translation>
    </message>
    <message>
        <source>Stopping after the reading in progress</source>
        <translation>當前測量完成後停止</translation>
    </message>
    <message>
        <source>Reading %1 of %2 taken</source>
        <translation>已完成第 %1 次測量，共 %2 次</translation>
    </message>
    <message>
        <source>Reading %1 taken</source>
        <translation>已完成第 %1 次測量</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) taken</source>
        <translation>
            <numerusform>已完成 %n 次測量</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>solvane::quality::LightQualityDialog</name>
    <message>
        <source>Light quality of %1</source>
        <translation>光品質 - %1</translation>
    </message>
    <message>
        <source>TM-30 colour vector graphic</source>
        <translation>TM-30 顏色向量圖</translation>
    </message>
    <message>
        <source>Export spectrum (SPDX)...</source>
        <translation>匯出光譜 (SPDX)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>CIE 13.3 special colour rendering indices</source>
        <translation>CIE 13.3 特殊演色指數</translation>
    </message>
    <message>
        <source>CIE S 026 α-opic quantities at the record&apos;s illuminance</source>
        <translation>記錄照度下的 CIE S 026 α-opic 量</translation>
    </message>
    <message>
        <source>Record %1    %2    Ev %3 lx</source>
        <translation>記錄 %1    %2    Ev %3 lx</translation>
    </message>
    <message>
        <source>Standard figures</source>
        <translation>標準指標</translation>
    </message>
    <message>
        <source>The record&apos;s own figures (meter&apos;s method)</source>
        <translation>記錄自身的指標（儀器演算法）</translation>
    </message>
    <message>
        <source>Local chroma shift Rcs,hj (%) by hue bin</source>
        <translation>各色相區局部彩度偏移 Rcs,hj (%)</translation>
    </message>
    <message>
        <source>Local hue shift Rhs,hj by hue bin</source>
        <translation>各色相區局部色相偏移 Rhs,hj</translation>
    </message>
    <message>
        <source>Export spectrum</source>
        <translation>匯出光譜</translation>
    </message>
    <message>
        <source>IES TM-27-14 spectral data (*.spdx)</source>
        <translation>IES TM-27-14 光譜資料 (*.spdx)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>Colour and α-opic</source>
        <translation>顏色與 α-opic</translation>
    </message>
    <message>
        <source>Cinema and photography</source>
        <translation>影視與攝影</translation>
    </message>
    <message>
        <source>Horticulture</source>
        <translation>園藝</translation>
    </message>
    <message>
        <source>Outdoor lighting</source>
        <translation>戶外照明</translation>
    </message>
    <message>
        <source>Spectral Similarity Index (SSI, 0 to 100)</source>
        <translation>光譜相似度指數（SSI，0 至 100）</translation>
    </message>
    <message>
        <source>against Planck at</source>
        <translation>對比普朗克</translation>
    </message>
    <message>
        <source>against CIE daylight at</source>
        <translation>對比 CIE 日光</translation>
    </message>
    <message>
        <source>The Academy&apos;s Spectral Similarity Index (2020): the record&apos;s spectrum against the reference over 375–675 nm; 100 is the same spectrum.</source>
        <translation>美國電影藝術與科學學院的光譜相似度指數（2020）：記錄的光譜在 375–675 nm 範圍內與參考光譜比較；100 表示光譜相同。</translation>
    </message>
    <message>
        <source>Exposure (incident light, C = 250), shutter times in seconds</source>
        <translation>曝光（入射光，C = 250），快門時間以秒為單位</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>ISO 2720: EV = log₂(Ev · S / C) for film speed S; an aperture N and time t expose correctly when N²/t = 2^EV. Apertures and times are the camera&apos;s third stops; hover for the exact time.</source>
        <translation>ISO 2720：感光度 S 時 EV = log₂(Ev · S / C)；光圈 N 與快門時間 t 滿足 N²/t = 2^EV 時曝光正確。光圈和快門時間均為相機的 1/3 檔；滑鼠懸停可查看精確時間。</translation>
    </message>
    <message>
        <source>Mired shift to a target</source>
        <translation>到目標色溫的邁爾德偏移</translation>
    </message>
    <message>
        <source>Target CCT</source>
        <translation>目標色溫</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>mired</source>
        <translation>邁爾德</translation>
    </message>
    <message>
        <source>10⁶/target − 10⁶/CCT (CIE 15:2018 CCT of the record); negative: a blue, cooling filter; positive: an orange, warming one.</source>
        <translation>10⁶/目標 − 10⁶/CCT（記錄的 CIE 15:2018 相關色溫）；負值：藍色濾鏡，提高色溫（冷調）；正值：橙色濾鏡，降低色溫（暖調）。</translation>
    </message>
    <message>
        <source>Photon quantities at the record&apos;s illuminance</source>
        <translation>記錄照度下的光子量</translation>
    </message>
    <message>
        <source>ANSI/ASABE S640 photon flux densities and the red to far-red ratio of Smith (1982), from the spectrum scaled to the record&apos;s illuminance.</source>
        <translation>ANSI/ASABE S640 光子通量密度與 Smith（1982）的紅光/遠紅光比，由按記錄照度縮放的光譜計算。</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>夜間視覺</translation>
    </message>
    <message>
        <source>Scotopic to photopic ratio: 1700.06 lm/W · Σ S·V′ / (683.002 lm/W · Σ S·V), CIE 1951 scotopic function V′.</source>
        <translation>暗視覺與明視覺之比：1700.06 lm/W · Σ S·V′ / (683.002 lm/W · Σ S·V)，V′ 為 CIE 1951 暗視覺函數。</translation>
    </message>
    <message>
        <source>Export spectrum (CSV)...</source>
        <translation>匯出光譜 (CSV)...</translation>
    </message>
    <message>
        <source>The spectrum as spectral irradiance in W·m⁻²·nm⁻¹</source>
        <translation>以光譜輻照度 W·m⁻²·nm⁻¹ 表示的光譜</translation>
    </message>
    <message>
        <source>Spectral irradiance, W·m⁻²·nm⁻¹ (*.csv)</source>
        <translation>光譜輻照度，W·m⁻²·nm⁻¹ (*.csv)</translation>
    </message>
    <message>
        <source>Television lighting (TLCI-2012, TLMF-2013, 0 to 100)</source>
        <translation>電視照明（TLCI-2012、TLMF-2013，0 至 100）</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>參考光源</translation>
    </message>
    <message>
        <source>Planckian radiator</source>
        <translation>普朗克輻射體</translation>
    </message>
    <message>
        <source>blend of Planck 3400 K and daylight 5000 K</source>
        <translation>普朗克 3400 K 與日光 5000 K 的混合</translation>
    </message>
    <message>
        <source>CIE daylight</source>
        <translation>CIE 日光</translation>
    </message>
    <message>
        <source>Caution: the light lies further than d = 1 from its reference; its TLCI is less reliable.</source>
        <translation>注意：光源與其參考光源的距離超過 d = 1，其 TLCI 的可靠性較低。</translation>
    </message>
    <message>
        <source>TLMF against a spectrum file...</source>
        <translation>對比光譜檔案的 TLMF...</translation>
    </message>
    <message>
        <source>Reference luminaire</source>
        <translation>參考燈具</translation>
    </message>
    <message>
        <source>Spectrum, wavelength and value a line (*.txt *.csv *.tsv);;All files (*)</source>
        <translation>光譜，每行一個波長和數值 (*.txt *.csv *.tsv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>EBU Tech 3355: a standard television camera films 18 coloured patches under the light and under a reference of its CCT (TLCI), or 24 patches under the light and under a reference luminaire it is balanced on (TLMF); 100 is no visible difference.</source>
        <translation>EBU Tech 3355：標準電視攝影機在該光源下和在相同相關色溫的參考光源下拍攝 18 個彩色色塊（TLCI），或在該光源下和在攝影機據以白平衡的參考燈具下拍攝 24 個色塊（TLMF）；100 表示沒有可見差異。</translation>
    </message>
    <message>
        <source>exactly %1</source>
        <translation>精確值 %1</translation>
    </message>
</context>
<context>
    <name>solvane::quality::CompareDialog</name>
    <message>
        <source>Compare records against %1</source>
        <translation>比較記錄，參考 %1</translation>
    </message>
    <message>
        <source>Against %1 (%2, Ev %3 lx), the first selected record</source>
        <translation>參考 %1（%2，Ev %3 lx），第一筆選取的記錄</translation>
    </message>
    <message>
        <source>Each record minus the first: illuminance in per cent of the first&apos;s, CIE 15:2018 CCT and Duv, the distance of the CIE 1976 u′v′ points, CIE 13.3 Ra, CIE 2017 Rf; SSI of each spectrum against the first (100: the same spectrum); TLMF of each light with the first as the reference luminaire (100: no visible difference). n/a: the figure is not defined for one of the two records.</source>
        <translation>每筆記錄減去第一筆：照度以第一筆的百分比表示，CIE 15:2018 相關色溫與 Duv，CIE 1976 u′v′ 點的距離，CIE 13.3 Ra，CIE 2017 Rf；各光譜相對第一筆的 SSI（100：光譜相同）；以第一筆為參考燈具的各光源 TLMF（100：沒有可見差異）。n/a：兩筆記錄之一沒有該值。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
        <translation>光譜已正規化：各自除以自身的峰值</translation>
    </message>
</context>
<context>
    <name>solvane::quality::UncertaintyPanel</name>
    <message>
        <source>Show uncertainty</source>
        <translation>顯示不確定度</translation>
    </message>
    <message numerus="yes">
        <source>Each figure with its 95 % interval, from %n Monte Carlo draws of the meter's error budget</source>
        <translation>
            <numerusform>每個數值及其 95 % 區間，由儀器誤差預算的 %n 次蒙地卡羅抽樣得出</numerusform>
        </translation>
    </message>
    <message>
        <source>Load budget...</source>
        <translation>載入預算...</translation>
    </message>
    <message>
        <source>%v of %m draws</source>
        <translation>%v / %m 次抽樣</translation>
    </message>
    <message>
        <source>default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <translation>不確定度預算：%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Load budget</source>
        <translation>載入不確定度預算</translation>
    </message>
    <message>
        <source>Uncertainty budget (*.json)</source>
        <translation>不確定度預算 (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>, %n draws; ± is k = 2</source>
        <translation>
            <numerusform>，%n 次抽樣；± 為 k = 2</numerusform>
        </translation>
    </message>
</context>
</TS>
