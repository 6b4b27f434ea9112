#pragma once
// "&Kalkulator": starts the system calculator, once. The classic program looked for a top-level
// window titled "Kalkulator"; a portable Qt program cannot see other programs' windows (X11 would
// need Xlib/XCB and the window manager's client list, Wayland does not allow it at all), so we
// remember the process we started and do not start another while it runs.

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
    std::function<bool(qint64, const QString&)> ProcesDziala;

    // The calculator we started last (0 = none) and its program.
    qint64 Pid = 0;
    QString Program;

private:
    TDialogi& dialogi_;
    QWidget* okno_;
};

// True while process pid runs the program (its command line names it); reads /proc.
bool ProcesUruchomiony(qint64 pid, const QString& program);

} // namespace murolab
