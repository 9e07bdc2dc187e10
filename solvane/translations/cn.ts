<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/aboutdialog.ui" line="14"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="32"/>
        <source>Solvane Manager</source>
        <translation>Solvane 光谱管理软件</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="48"/>
        <source>Contact Kestra</source>
        <translation>联系 Kestra</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="58"/>
        <source>Add: Building 3, 88 Qiushi Road, Xihu District, Hangzhou 310013, China</source>
        <translation>地址：杭州市西湖区求是路88号3号楼（邮编310013）</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="68"/>
        <source>Tel: +86 571 8765 4321</source>
        <translation>电话：+86 571 8765 4321</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="78"/>
        <source>Fax: +86 571 8765 4322</source>
        <translation>传真：+86 571 8765 4322</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="88"/>
        <source>E-mail: support@kestra-instruments.example</source>
        <translation>邮箱：support@kestra-instruments.example</translation>
    </message>
    <message>
        <location filename="../app/aboutdialog.ui" line="98"/>
        <source>URL: https://www.kestra-instruments.example</source>
        <translation>网址：https://www.kestra-instruments.example</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/mainwindow.ui" line="14"/>
        <source>Solvane 1.0.2</source>
        <translation>Solvane 1.0.2</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="130"/>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="135"/>
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="140"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="189"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="210"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="231"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="252"/>
        <source>Contact</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="273"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="405"/>
        <source>Stored Data</source>
        <translation>存储数据</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="436"/>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="454"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="481"/>
        <source>Test Data</source>
        <translation>测试数据</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="486"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="588"/>
        <source>Test Item:</source>
        <translation>测试项目：</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="606"/>
        <source>No data selected</source>
        <translation>未选择数据</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="637"/>
        <source>2°</source>
        <translation>2°</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="642"/>
        <source>10°</source>
        <translation>10°</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="702"/>
        <source>Iluminance</source>
        <translation>照度</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="707"/>
        <source>Ev</source>
        <translation>Ev</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="715"/>
        <source>lx</source>
        <translation>lx</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="726"/>
        <source>CCT</source>
        <translation>色温</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="731"/>
        <source>Tcp</source>
        <translation>Tcp</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="739"/>
        <location filename="../app/mainwindow.ui" line="752"/>
        <location filename="../app/mainwindow.ui" line="765"/>
        <location filename="../app/mainwindow.ui" line="778"/>
        <location filename="../app/mainwindow.ui" line="791"/>
        <location filename="../app/mainwindow.ui" line="804"/>
        <location filename="../app/mainwindow.ui" line="817"/>
        <location filename="../app/mainwindow.ui" line="830"/>
        <location filename="../app/mainwindow.ui" line="843"/>
        <location filename="../app/mainwindow.ui" line="856"/>
        <location filename="../app/mainwindow.ui" line="869"/>
        <location filename="../app/mainwindow.ui" line="882"/>
        <location filename="../app/mainwindow.ui" line="895"/>
        <location filename="../app/mainwindow.ui" line="908"/>
        <location filename="../app/mainwindow.ui" line="921"/>
        <location filename="../app/mainwindow.ui" line="934"/>
        <source>CRI</source>
        <translation>显色指数</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="744"/>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="757"/>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="770"/>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="783"/>
        <source>R3</source>
        <translation>R3</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="796"/>
        <source>R4</source>
        <translation>R4</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="809"/>
        <source>R5</source>
        <translation>R5</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="822"/>
        <source>R6</source>
        <translation>R6</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="835"/>
        <source>R7</source>
        <translation>R7</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="848"/>
        <source>R8</source>
        <translation>R8</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="861"/>
        <source>R9</source>
        <translation>R9</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="874"/>
        <source>R10</source>
        <translation>R10</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="887"/>
        <source>R11</source>
        <translation>R11</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="900"/>
        <source>R12</source>
        <translation>R12</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="913"/>
        <source>R13</source>
        <translation>R13</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="926"/>
        <source>R14</source>
        <translation>R14</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="939"/>
        <source>R15</source>
        <translation>R15</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="947"/>
        <source>Peak</source>
        <translation>主波长</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="952"/>
        <source>λd</source>
        <translation>λd</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="960"/>
        <source>nm</source>
        <translation>nm</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="971"/>
        <location filename="../app/mainwindow.ui" line="984"/>
        <location filename="../app/mainwindow.ui" line="1191"/>
        <source>CIE1931</source>
        <translation>CIE1931</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="976"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="989"/>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="997"/>
        <location filename="../app/mainwindow.ui" line="1010"/>
        <location filename="../app/mainwindow.ui" line="1196"/>
        <source>CIE1976</source>
        <translation>CIE1976</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1002"/>
        <source>u&apos;</source>
        <translation>u'</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1015"/>
        <source>v&apos;</source>
        <translation>v'</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1023"/>
        <location filename="../app/mainwindow.ui" line="1036"/>
        <location filename="../app/mainwindow.ui" line="1049"/>
        <source>Tri-stimulus</source>
        <translation>三刺激值</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1028"/>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1041"/>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1054"/>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1062"/>
        <source>Chromatism</source>
        <translation>色偏差</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1067"/>
        <source>△uv</source>
        <translation>△uv</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1186"/>
        <source>Spectro</source>
        <translation>光谱图</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1342"/>
        <source>Intensity Data</source>
        <translation>光谱数据</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1372"/>
        <source>WaveLength</source>
        <translation>波长</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="1377"/>
        <source>Intensity</source>
        <translation>强度</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/mainwindow.cpp" line="347"/>
        <source>%n record(s) read</source>
        <translation>
            <numerusform>已读取 %n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/mainwindow.cpp" line="465"/>
        <source>Reading stored records: %n read</source>
        <translation>
            <numerusform>正在读取存储数据：已读取 %n 条</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="457"/>
        <location filename="../app/mainwindow.cpp" line="494"/>
        <source>Measure</source>
        <translation>测量</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.ui" line="478"/>
        <source>Series</source>
        <translation>连续测量</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="485"/>
        <source>Measuring...</source>
        <translation>正在测量...</translation>
    </message>
</context>
<context>
    <name>LiveSeries</name>
    <message>
        <location filename="../live/src/live_series.cpp" line="30"/>
        <source>Starting a test on the meter failed</source>
        <translation>启动仪器测试失败</translation>
    </message>
    <message>
        <location filename="../live/src/live_series.cpp" line="32"/>
        <source>Asking the meter for its result failed</source>
        <translation>查询仪器测试结果失败</translation>
    </message>
    <message>
        <location filename="../live/src/live_series.cpp" line="34"/>
        <source>The meter had no result within %1 seconds</source>
        <translation>仪器在 %1 秒内没有测试结果</translation>
    </message>
    <message>
        <location filename="../live/src/live_series.cpp" line="37"/>
        <source>Reading the test result failed</source>
        <translation>读取测试结果失败</translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="38"/>
        <source>Series</source>
        <translation>连续测量</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="50"/>
        <source>until stopped</source>
        <translation>直到停止</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="56"/>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="59"/>
        <source>Readings</source>
        <translation>测量次数</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="60"/>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="62"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="64"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="66"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="84"/>
        <source>Ev (lx)</source>
        <translation>Ev (lx)</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="84"/>
        <source>CCT (K)</source>
        <translation>色温 (K)</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="84"/>
        <source>Ra</source>
        <translation>Ra</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="88"/>
        <source>Elapsed time (s)</source>
        <translation>经过时间 (秒)</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="140"/>
        <source>Stopping after the reading in progress</source>
        <translation>当前测量完成后停止</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="169"/>
        <source>Reading %1 of %2 taken</source>
        <translation>已完成第 %1 次测量，共 %2 次</translation>
    </message>
    <message>
        <location filename="../live/dialog/series_dialog.cpp" line="170"/>
        <source>Reading %1 taken</source>
        <translation>已完成第 %1 次测量</translation>
    </message>
    <message numerus="yes">
        <location filename="../live/dialog/series_dialog.cpp" line="178"/>
        <source>%n reading(s) taken</source>
        <translation>
            <numerusform>已完成 %n 次测量</numerusform>
        </translation>
    </message>
</context>
</TS>
