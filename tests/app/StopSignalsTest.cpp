#include <QtTest>
#include <csignal>

#include "app/StopSignals.h"

namespace tonalyx {

class StopSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void termAndIntBecomeOneCallEachOnTheEventLoop() {
    StopSignals stop;
    int stops = 0;
    stop.Watch([&stops] { ++stops; });
    std::raise(SIGTERM);
    // The handler only queues the request: nothing runs inside the signal.
    QCOMPARE(stops, 0);
    QTRY_COMPARE(stops, 1);
    std::raise(SIGINT);
    QTRY_COMPARE(stops, 2);
  }

  void aSignalBeforeWatchWaitsForIt() {
    StopSignals stop;
    std::raise(SIGTERM);
    int stops = 0;
    stop.Watch([&stops] { ++stops; });
    QTRY_COMPARE(stops, 1);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::StopSignalsTest)
#include "StopSignalsTest.moc"
