<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Solvane Manager</source>
        <translation>Solvane 光谱管理软件</translation>
    </message>
    <message>
        <source>Contact Kestra</source>
        <translation>联系 Kestra</translation>
    </message>
    <message>
        <source>Add: Building 3, 88 Qiushi Road, Xihu District, Hangzhou 310013, China</source>
        <translation>地址：杭州市西湖区求是路88号3号楼（邮编310013）</translation>
    </message>
    <message>
        <source>Tel: +86 571 8765 4321</source>
        <translation>电话：+86 571 8765 4321</translation>
    </message>
    <message>
        <source>Fax: +86 571 8765 4322</source>
        <translation>传真：+86 571 8765 4322</translation>
    </message>
    <message>
        <source>E-mail: support@kestra-instruments.example</source>
        <translation>邮箱：support@kestra-instruments.example</translation>
    </message>
    <message>
        <source>URL: https://www.kestra-instruments.example</source>
        <translation>网址：https://www.kestra-instruments.example</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Stored Data</source>
        <translation>存储数据</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Test Data</source>
        <translation>测试数据</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Test Item:</source>
        <translation>测试项目：</translation>
    </message>
    <message>
        <source>No data selected</source>
        <translation>未选择数据</translation>
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
        <translation>色温</translation>
    </message>
    <message>
        <source>Tcp</source>
        <translation>Tcp</translation>
    </message>
    <message>
        <source>CRI</source>
        <translation>显色指数</translation>
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
        <translation>主波长</translation>
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
        <translation>光谱图</translation>
    </message>
    <message>
        <source>Intensity Data</source>
        <translation>光谱数据</translation>
    </message>
    <message>
        <source>WaveLength</source>
        <translation>波长</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>强度</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) read</source>
        <translation>
            <numerusform>已读取 %n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading stored records: %n read</source>
        <translation>
            <numerusform>正在读取存储数据：已读取 %n 条</numerusform>
        </translation>
    </message>
    <message>
        <source>Stored data read</source>
        <translation>读取存储数据完成</translation>
    </message>
    <message>
        <source>Reading stored data failed: %1</source>
        <translation>读取存储数据失败：%1</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1</source>
        <translation>无法启动网页浏览器打开 %1</translation>
    </message>
    <message>
        <source>No PDF viewer could be started to open the manual %1</source>
        <translation>无法启动 PDF 阅读器打开说明书 %1</translation>
    </message>
    <message numerus="yes">
        <source>Reading stopped by a failure after %n record(s)</source>
        <translation>
            <numerusform>读取在 %n 条记录后因故障停止</numerusform>
        </translation>
    </message>
    <message>
        <source>Live measurement</source>
        <translation>实时测量</translation>
    </message>
    <message>
        <source>Open a data file</source>
        <translation>打开数据文件</translation>
    </message>
    <message>
        <source>Print the selected record&apos;s test report</source>
        <translation>打印所选记录的测试报告</translation>
    </message>
    <message>
        <source>Light quality of the selected record</source>
        <translation>所选记录的光品质</translation>
    </message>
    <message>
        <source>Open the user manual</source>
        <translation>打开用户手册</translation>
    </message>
    <message>
        <source>Open the maker&apos;s contact page</source>
        <translation>打开厂商的联系网页</translation>
    </message>
    <message>
        <source>About Solvane</source>
        <translation>关于 Solvane</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) opened from %1</source>
        <translation>
            <numerusform>已从 %1 打开 %n 条记录</numerusform>
        </translation>
    </message>
    <message>
        <source>Measure: %1 added</source>
        <translation>测量：已添加 %1</translation>
    </message>
    <message numerus="yes">
        <source>Series: %n record(s) added</source>
        <translation>
            <numerusform>连续测量：已添加 %n 条记录</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>No item is selected</source>
        <translation>没有选中任何数据</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Succeeded in exporting data</source>
        <translation>数据导出成功</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Fail to export data</source>
        <translation>数据导出失败</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Fail to open the file</source>
        <translation>打开文件失败</translation>
    </message>
    <message>
        <source>No record is selected</source>
        <translation>没有选中的记录</translation>
    </message>
    <message>
        <source>The selected record is incomplete: the report needs all 430 fields</source>
        <translation>选中的记录不完整：测试报告需要全部 430 个字段</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>连续测量</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>正在测量...</translation>
    </message>
    <message>
        <source>Light quality</source>
        <translation>光品质</translation>
    </message>
    <message>
        <source>The light quality of the selected record cannot be shown: %1</source>
        <translation>无法显示所选记录的光品质：%1</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Select two or more records to compare them with the first selected</source>
        <translation>选择两条或更多记录，与第一条选中的记录比较</translation>
    </message>
    <message>
        <source>Select two or more records to compare</source>
        <translation>请选择两条或更多记录进行比较</translation>
    </message>
    <message>
        <source>Record %1 cannot be compared: %2</source>
        <translation>记录 %1 无法比较：%2</translation>
    </message>
    <message>
        <source>The language cannot be changed</source>
        <translation>无法更改语言</translation>
    </message>
    <message>
        <source>Spectrum, wavelength and value (*.csv *.txt *.tsv *.dat)</source>
        <translation>光谱，波长与数值 (*.csv *.txt *.tsv *.dat)</translation>
    </message>
    <message>
        <source>IES TM-27-14 spectrum (*.spdx *.xml)</source>
        <translation>IES TM-27-14 光谱 (*.spdx *.xml)</translation>
    </message>
    <message>
        <source>UPRtek text export (*.xls *.txt)</source>
        <translation>UPRtek 文本导出 (*.xls *.txt)</translation>
    </message>
    <message>
        <source>Sekonic CSV export (*.csv)</source>
        <translation>Sekonic CSV 导出 (*.csv)</translation>
    </message>
    <message>
        <source>Spectrum of %1 added to the records</source>
        <translation>已将 %1 的光谱加入记录</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>已取消打印</translation>
    </message>
    <message>
        <source>The uncertainty page is left out: %1</source>
        <translation>不确定度页未打印：%1</translation>
    </message>
    <message>
        <source>Drawing the uncertainties of %1 for the report...</source>
        <translation>正在为报告抽样计算 %1 的不确定度...</translation>
    </message>
</context>
<context>
    <name>PrintSettingDlg</name>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Company Information</source>
        <translation>公司信息</translation>
    </message>
    <message>
        <source>Sample Information</source>
        <translation>样品信息</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>打印到PDF文件</translation>
    </message>
    <message>
        <source>Print to Paper</source>
        <translation>打印到纸张</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add a light quality page</source>
        <translation>添加光品质页</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The print settings cannot be saved</source>
        <translation>无法保存打印设置</translation>
    </message>
    <message>
        <source>Add the uncertainty page</source>
        <translation>添加不确定度页</translation>
    </message>
    <message>
        <source>After the light quality page: every figure with its uncertainty, from Monte Carlo draws of the meter&apos;s default error budget</source>
        <translation>位于光品质页之后：每个数值及其不确定度，由仪器默认误差预算的蒙特卡罗抽样得出</translation>
    </message>
</context>
<context>
    <name>LiveSeries</name>
    <message>
        <source>Starting a test on the meter failed</source>
        <translation>启动仪器测试失败</translation>
    </message>
    <message>
        <source>Asking the meter for its result failed</source>
        <translation>查询仪器测试结果失败</translation>
    </message>
    <message>
        <source>The meter had no result within %1 seconds</source>
        <translation>仪器在 %1 秒内没有测试结果</translation>
    </message>
    <message>
        <source>Reading the test result failed</source>
        <translation>读取测试结果失败</translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <source>Series</source>
        <translation>连续测量</translation>
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
        <translation>测量次数</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Ev (lx)</source>
        <translation>Ev (lx)</translation>
    </message>
    <message>
        <source>CCT (K)</source>
        <translation>色温 (K)</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <source>Elapsed time (s)</source>
        <translation>经过时间 (秒)</translation>
    </message>
    <message>
        <source>Stopping after the reading in progress</source>
        <translation>当前测量完成后停止</translation>
    </message>
    <message>
        <source>Reading %1 of %2 taken</source>
        <translation>已完成第 %1 次测量，共 %2 次</translation>
    </message>
    <message>
        <source>Reading %1 taken</source>
        <translation>已完成第 %1 次测量</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) taken</source>
        <translation>
            <numerusform>已完成 %n 次测量</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>solvane::quality::LightQualityDialog</name>
    <message>
        <source>Light quality of %1</source>
        <translation>光品质 - %1</translation>
    </message>
    <message>
        <source>TM-30 colour vector graphic</source>
        <translation>TM-30 颜色矢量图</translation>
    </message>
    <message>
        <source>Export spectrum (SPDX)...</source>
        <translation>导出光谱 (SPDX)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>CIE 13.3 special colour rendering indices</source>
        <translation>CIE 13.3 特殊显色指数</translation>
    </message>
    <message>
        <source>CIE S 026 α-opic quantities at the record&apos;s illuminance</source>
        <translation>记录照度下的 CIE S 026 α-opic 量</translation>
    </message>
    <message>
        <source>Record %1    %2    Ev %3 lx</source>
        <translation>记录 %1    %2    Ev %3 lx</translation>
    </message>
    <message>
        <source>Standard figures</source>
        <translation>标准指标</translation>
    </message>
    <message>
        <source>The record&apos;s own figures (meter&apos;s method)</source>
        <translation>记录自身的指标（仪器算法）</translation>
    </message>
    <message>
        <source>Local chroma shift Rcs,hj (%) by hue bin</source>
        <translation>各色相区局部彩度偏移 Rcs,hj (%)</translation>
    </message>
    <message>
        <source>Local hue shift Rhs,hj by hue bin</source>
        <translation>各色相区局部色相偏移 Rhs,hj</translation>
    </message>
    <message>
        <source>Export spectrum</source>
        <translation>导出光谱</translation>
    </message>
    <message>
        <source>IES TM-27-14 spectral data (*.spdx)</source>
        <translation>IES TM-27-14 光谱数据 (*.spdx)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Colour and α-opic</source>
        <translation>颜色与 α-opic</translation>
    </message>
    <message>
        <source>Cinema and photography</source>
        <translation>影视与摄影</translation>
    </message>
    <message>
        <source>Horticulture</source>
        <translation>园艺</translation>
    </message>
    <message>
        <source>Outdoor lighting</source>
        <translation>户外照明</translation>
    </message>
    <message>
        <source>Spectral Similarity Index (SSI, 0 to 100)</source>
        <translation>光谱相似度指数（SSI，0 至 100）</translation>
    </message>
    <message>
        <source>against Planck at</source>
        <translation>对比普朗克</translation>
    </message>
    <message>
        <source>against CIE daylight at</source>
        <translation>对比 CIE 日光</translation>
    </message>
    <message>
        <source>The Academy&apos;s Spectral Similarity Index (2020): the record&apos;s spectrum against the reference over 375–675 nm; 100 is the same spectrum.</source>
        <translation>美国电影艺术与科学学院的光谱相似度指数（2020）：记录的光谱在 375–675 nm 范围内与参考光谱比较；100 表示光谱相同。</translation>
    </message>
    <message>
        <source>Exposure (incident light, C = 250), shutter times in seconds</source>
        <translation>曝光（入射光，C = 250），快门时间以秒为单位</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>ISO 2720: EV = log₂(Ev · S / C) for film speed S; an aperture N and time t expose correctly when N²/t = 2^EV. Apertures and times are the camera&apos;s third stops; hover for the exact time.</source>
        <translation>ISO 2720：感光度 S 时 EV = log₂(Ev · S / C)；光圈 N 与快门时间 t 满足 N²/t = 2^EV 时曝光正确。光圈和快门时间均为相机的 1/3 档；鼠标悬停可查看精确时间。</translation>
    </message>
    <message>
        <source>Mired shift to a target</source>
        <translation>到目标色温的迈尔德偏移</translation>
    </message>
    <message>
        <source>Target CCT</source>
        <translation>目标色温</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>mired</source>
        <translation>迈尔德</translation>
    </message>
    <message>
        <source>10⁶/target − 10⁶/CCT (CIE 15:2018 CCT of the record); negative: a blue, cooling filter; positive: an orange, warming one.</source>
        <translation>10⁶/目标 − 10⁶/CCT（记录的 CIE 15:2018 相关色温）；负值：蓝色滤镜，提高色温（冷调）；正值：橙色滤镜，降低色温（暖调）。</translation>
    </message>
    <message>
        <source>Photon quantities at the record&apos;s illuminance</source>
        <translation>记录照度下的光子量</translation>
    </message>
    <message>
        <source>ANSI/ASABE S640 photon flux densities and the red to far-red ratio of Smith (1982), from the spectrum scaled to the record&apos;s illuminance.</source>
        <translation>ANSI/ASABE S640 光子通量密度与 Smith（1982）的红光/远红光比，由按记录照度缩放的光谱计算。</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>夜间视觉</translation>
    </message>
    <message>
        <source>Scotopic to photopic ratio: 1700.06 lm/W · Σ S·V′ / (683.002 lm/W · Σ S·V), CIE 1951 scotopic function V′.</source>
        <translation>暗视觉与明视觉之比：1700.06 lm/W · Σ S·V′ / (683.002 lm/W · Σ S·V)，V′ 为 CIE 1951 暗视觉函数。</translation>
    </message>
    <message>
        <source>Export spectrum (CSV)...</source>
        <translation>导出光谱 (CSV)...</translation>
    </message>
    <message>
        <source>The spectrum as spectral irradiance in W·m⁻²·nm⁻¹</source>
        <translation>以光谱辐照度 W·m⁻²·nm⁻¹ 表示的光谱</translation>
    </message>
    <message>
        <source>Spectral irradiance, W·m⁻²·nm⁻¹ (*.csv)</source>
        <translation>光谱辐照度，W·m⁻²·nm⁻¹ (*.csv)</translation>
    </message>
    <message>
        <source>Television lighting (TLCI-2012, TLMF-2013, 0 to 100)</source>
        <translation>电视照明（TLCI-2012、TLMF-2013，0 至 100）</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参考光源</translation>
    </message>
    <message>
        <source>Planckian radiator</source>
        <translation>普朗克辐射体</translation>
    </message>
    <message>
        <source>blend of Planck 3400 K and daylight 5000 K</source>
        <translation>普朗克 3400 K 与日光 5000 K 的混合</translation>
    </message>
    <message>
        <source>CIE daylight</source>
        <translation>CIE 日光</translation>
    </message>
    <message>
        <source>Caution: the light lies further than d = 1 from its reference; its TLCI is less reliable.</source>
        <translation>注意：光源与其参考光源的距离超过 d = 1，其 TLCI 的可靠性较低。</translation>
    </message>
    <message>
        <source>TLMF against a spectrum file...</source>
        <translation>对比光谱文件的 TLMF...</translation>
    </message>
    <message>
        <source>Reference luminaire</source>
        <translation>参考灯具</translation>
    </message>
    <message>
        <source>Spectrum, wavelength and value a line (*.txt *.csv *.tsv);;All files (*)</source>
        <translation>光谱，每行一个波长和数值 (*.txt *.csv *.tsv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>EBU Tech 3355: a standard television camera films 18 coloured patches under the light and under a reference of its CCT (TLCI), or 24 patches under the light and under a reference luminaire it is balanced on (TLMF); 100 is no visible difference.</source>
        <translation>EBU Tech 3355：标准电视摄像机在该光源下和在相同相关色温的参考光源下拍摄 18 个彩色色块（TLCI），或在该光源下和在摄像机据以白平衡的参考灯具下拍摄 24 个色块（TLMF）；100 表示没有可见差异。</translation>
    </message>
    <message>
        <source>exactly %1</source>
        <translation>精确值 %1</translation>
    </message>
</context>
<context>
    <name>solvane::quality::CompareDialog</name>
    <message>
        <source>Compare records against %1</source>
        <translation>比较记录，参考 %1</translation>
    </message>
    <message>
        <source>Against %1 (%2, Ev %3 lx), the first selected record</source>
        <translation>参考 %1（%2，Ev %3 lx），第一条选中的记录</translation>
    </message>
    <message>
        <source>Each record minus the first: illuminance in per cent of the first&apos;s, CIE 15:2018 CCT and Duv, the distance of the CIE 1976 u′v′ points, CIE 13.3 Ra, CIE 2017 Rf; SSI of each spectrum against the first (100: the same spectrum); TLMF of each light with the first as the reference luminaire (100: no visible difference). n/a: the figure is not defined for one of the two records.</source>
        <translation>每条记录减去第一条：照度以第一条的百分比表示，CIE 15:2018 相关色温与 Duv，CIE 1976 u′v′ 点的距离，CIE 13.3 Ra，CIE 2017 Rf；各光谱相对第一条的 SSI（100：光谱相同）；以第一条为参考灯具的各光源 TLMF（100：没有可见差异）。n/a：两条记录之一没有该值。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>光谱已归一化：各自除以自身的峰值</translation>
    </message>
</context>
<context>
    <name>solvane::quality::UncertaintyPanel</name>
    <message>
        <source>Show uncertainty</source>
        <translation>显示不确定度</translation>
    </message>
    <message numerus="yes">
        <source>Each figure with its 95 % interval, from %n Monte Carlo draws of the meter's error budget</source>
        <translation>
            <numerusform>每个数值及其 95 % 区间，由仪器误差预算的 %n 次蒙特卡罗抽样得出</numerusform>
        </translation>
    </message>
    <message>
        <source>Load budget...</source>
        <translation>载入预算...</translation>
    </message>
    <message>
        <source>%v of %m draws</source>
        <translation>%v / %m 次抽样</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <translation>不确定度预算：%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Load budget</source>
        <translation>载入不确定度预算</translation>
    </message>
    <message>
        <source>Uncertainty budget (*.json)</source>
        <translation>不确定度预算 (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>, %n draws; ± is k = 2</source>
        <translation>
            <numerusform>，%n 次抽样；± 为 k = 2</numerusform>
        </translation>
    </message>
</context>
</TS>
