// Binding the USB library: what is logged, what a failed binding still
// allows, and that the forwarding slots pass frames through unchanged.

#include "tsfoundation.h"
#include "simulator.h"

#include <QtTest>

#include <cstring>

class TestTSFoundation : public QObject {
  Q_OBJECT

private slots:
  void bindsThePlatformLibrary() {
    QTest::ignoreMessage(QtDebugMsg, "\"Succeeded in loading Dll(libTesselUSB.so)!\"");
    TSFoundation foundation;
    QVERIFY(foundation.isBound());
    QCOMPARE(foundation.libraryName(), QString("libTesselUSB.so"));
    QCOMPARE(foundation.errorString(), QString());
  }

  void missingLibraryFailsEveryCommandWithoutCalling() {
    QTest::ignoreMessage(QtDebugMsg, "\"Failed to load Dll(libNoSuchUsb.so)!\"");
    TSFoundation foundation(nullptr, "libNoSuchUsb.so");
    QVERIFY(!foundation.isBound());
    // The loader's own message names the file and the system's reason.
    QVERIFY2(
        foundation.errorString().startsWith("cannot load the USB library: libNoSuchUsb.so: ") &&
            foundation.errorString().endsWith("No such file or directory"),
        qPrintable(foundation.errorString()));
    BYTE buffer[825] = {};
    QCOMPARE(foundation.readCommand(17, 0, 825, buffer, 2000, nullptr, 3), 0L);
    QCOMPARE(foundation.writeCommand(0, 0, 2, buffer, 2000, nullptr, 3), 0L);
    QCOMPARE(foundation.cmdCommand(4, 0, 0, nullptr, 2000, nullptr, 3), 0L);
  }

  void libraryLackingOnlyCmdSpeicIsRefusedButKeepsItsEntries() {
    QTest::ignoreMessage(QtDebugMsg, "\"Failed to load Dll(libTesselUSB_noSpeic.so)!\"");
    TSFoundation foundation(nullptr, "libTesselUSB_noSpeic.so");
    QVERIFY(!foundation.isBound());
    QVERIFY2(foundation.errorString().startsWith(
                 "cannot load the USB library: libTesselUSB_noSpeic.so: it lacks"),
             qPrintable(foundation.errorString()));
    BYTE reply[825] = {};
    QVERIFY(foundation.readCommand(17, 0, 825, reply, 2000, nullptr, 3) > 0);
  }

  void slotsForwardFramesUnchangedAndByName() {
    Simulator sim;
    QVERIFY(sim.ready());
    QCOMPARE(sim.reset(), 1);
    TSFoundation foundation;
    BYTE data[2] = {0xE8, 0x03};
    long result = 0;
    QVERIFY(QMetaObject::invokeMethod(&foundation, "writeCommand", Qt::DirectConnection,
                                      Q_RETURN_ARG(long, result), Q_ARG(DWORD, 0), Q_ARG(DWORD, 0),
                                      Q_ARG(DWORD, 2), Q_ARG(BYTE *, data), Q_ARG(DWORD, 1234),
                                      Q_ARG(char *, nullptr), Q_ARG(DWORD, 7)));
    QVERIFY(result > 0);
    // An unknown command is the device's to refuse; its result comes back as is.
    QCOMPARE(foundation.cmdCommand(99, 0, 0, nullptr, 2000, nullptr, 3), 0L);

    const auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(2));
    QCOMPARE(QString(log[0].entry), QString("CmdWrite"));
    QCOMPARE(log[0].timeout, DWORD(1234));
    QCOMPARE(log[0].tries, DWORD(7));
    QCOMPARE(bytesOf(log[0]), QByteArray::fromHex("E803"));
    QCOMPARE(QString(log[1].entry), QString("CmdCmd"));
    QCOMPARE(log[1].command, DWORD(99));
  }
};

QTEST_GUILESS_MAIN(TestTSFoundation)
#include "tst_tsfoundation.moc"
