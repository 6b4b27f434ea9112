#pragma once
// "&Kalkulator": starts the system calculator, once. A portable Qt program cannot see other
// programs' windows (X11 would need Xlib/XCB and the window manager's client list, Wayland does not
// allow it at all), so Murolab remembers the process it started and does not start another while
// that one runs. The process is known by its number and its start time, read at launch: the pair
// names one process for the life of the machine, whatever it executes, so neither a number given to
// another program later nor the moment the kernel fills in the command line can mislead the check.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace murolab {

class TDialogi;

class TKalkulator : public QObject {
    Q_OBJECT
public:
    TKalkulator(TDialogi& dialogi, QWidget* okno);

    // The whole command of the button.
    void Uruchom();

    // The Windows calculators in their traditional order; on other systems these names are not
    // absolute paths and are skipped (a file in the working directory must never be run by accident).
    static const QStringList SciezkiWindows;
    // Calculators of Linux desktops, looked up on PATH in this order.
    static const QStringList ProgramyLinuksa;

    // The system behind the command, replaceable in tests.
    std::function<bool(const QString&)> PlikIstnieje;
    std::function<QString(const QString&)> ZnajdzProgram;
    std::function<bool(const QString&, qint64&)> UruchomProgram;
    std::function<quint64(qint64)> CzasStartu;
    std::function<bool(qint64, quint64)> ProcesDziala;

    // The calculator we started last (0 = none), its start time and its program.
    qint64 Pid = 0;
    quint64 Start = 0;
    QString Program;

private:
    TDialogi& dialogi_;
    QWidget* okno_;
};

// The start time of process pid in clock ticks since boot, 0 when there is no such process or it
// has ended (a zombie); reads /proc/PID/stat. It is fixed at fork and kept across exec.
quint64 CzasStartuProcesu(qint64 pid);

// True while the process that had number pid and start time start runs.
bool ProcesUruchomiony(qint64 pid, quint64 start);

} // namespace murolab
