#include "ui/Kalkulator.h"

#include "ui/Dialogi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace murolab {

const QStringList TKalkulator::SciezkiWindows = {
    QStringLiteral("c:\\winnt\\system32\\calc.exe"),
    QStringLiteral("c:\\windows\\calc.exe"),
    QStringLiteral("c:\\windows\\system32\\calc.exe"),
};

const QStringList TKalkulator::ProgramyLinuksa = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("galculator"),
    QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc"),
};

bool ProcesUruchomiony(qint64 pid, const QString& program) {
    if (pid <= 0)
        return false;
    QFile stan(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stan.open(QIODevice::ReadOnly))
        return false;
    // "pid (name) S ...": a zombie has ended already.
    const QByteArray s = stan.readAll();
    const int nawias = s.lastIndexOf(')');
    if (nawias < 0 || nawias + 2 >= s.size() || s.at(nawias + 2) == 'Z')
        return false;
    // The number may have been given to another process since.
    QFile polecenie(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!polecenie.open(QIODevice::ReadOnly))
        return false;
    const QByteArray argumenty = polecenie.readAll();
    return argumenty.contains(QFileInfo(program).fileName().toLocal8Bit());
}

TKalkulator::TKalkulator(TDialogi& dialogi, QWidget* okno) : QObject(okno), dialogi_(dialogi), okno_(okno) {
    PlikIstnieje = [](const QString& sciezka) { return QFileInfo::exists(sciezka); };
    ZnajdzProgram = [](const QString& nazwa) { return QStandardPaths::findExecutable(nazwa); };
    UruchomProgram = [](const QString& program, qint64& pid) {
        return QProcess::startDetached(program, {}, QString(), &pid);
    };
    ProcesDziala = ProcesUruchomiony;
}

void TKalkulator::Uruchom() {
    if (Pid != 0 && ProcesDziala(Pid, Program))
        return;
    Pid = 0;
    Program.clear();

    QStringList kandydaci;
    for (const QString& sciezka : SciezkiWindows)
        if (QDir::isAbsolutePath(sciezka) && PlikIstnieje(sciezka))
            kandydaci << sciezka;
    for (const QString& nazwa : ProgramyLinuksa) {
        const QString sciezka = ZnajdzProgram(nazwa);
        if (!sciezka.isEmpty())
            kandydaci << sciezka;
    }
    for (const QString& program : kandydaci) {
        qint64 pid = 0;
        if (UruchomProgram(program, pid)) {
            Pid = pid;
            Program = program;
            return;
        }
    }
    dialogi_.Komunikat(okno_, QStringLiteral("Brak kalkulatora systemowego!"),
                       QStringLiteral("Murolab - kalkulator"), TIkona::Wykrzyknik, TPrzyciski::Ok);
}

} // namespace murolab
