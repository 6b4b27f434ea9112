#include "ui/Kalkulator.h"

#include "widgets/Dialogi.h"

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

quint64 CzasStartuProcesu(qint64 pid) {
    if (pid <= 0)
        return 0;
    QFile plik(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!plik.open(QIODevice::ReadOnly))
        return 0;
    // "pid (name) S ppid ... starttime ...": the name may hold spaces and parentheses, so the
    // fields are counted from the last ')'. State is field 3, the start time field 22.
    const QByteArray stan = plik.readAll();
    const qsizetype nawias = stan.lastIndexOf(')');
    if (nawias < 0)
        return 0;
    const QList<QByteArray> pola = stan.mid(nawias + 1).simplified().split(' ');
    if (pola.size() < 20)
        return 0;
    const QByteArray& s = pola.at(0);
    if (s == "Z" || s == "X" || s == "x") // ended, only its entry is left
        return 0;
    bool dobrze = false;
    const quint64 start = pola.at(19).toULongLong(&dobrze);
    return dobrze ? start : 0;
}

bool ProcesUruchomiony(qint64 pid, quint64 start) {
    return start != 0 && CzasStartuProcesu(pid) == start;
}

TKalkulator::TKalkulator(TDialogi& dialogi, QWidget* okno) : QObject(okno), dialogi_(dialogi), okno_(okno) {
    PlikIstnieje = [](const QString& sciezka) { return QFileInfo::exists(sciezka); };
    ZnajdzProgram = [](const QString& nazwa) { return QStandardPaths::findExecutable(nazwa); };
    UruchomProgram = [](const QString& program, qint64& pid) {
        return QProcess::startDetached(program, {}, QString(), &pid);
    };
    CzasStartu = CzasStartuProcesu;
    ProcesDziala = ProcesUruchomiony;
}

void TKalkulator::Uruchom() {
    if (Pid != 0 && ProcesDziala(Pid, Start))
        return;
    Pid = 0;
    Start = 0;
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
            // Read at once: a calculator that has already ended leaves 0, so the next press
            // starts another.
            Pid = pid;
            Start = CzasStartu(pid);
            Program = program;
            return;
        }
    }
    dialogi_.Komunikat(okno_, QStringLiteral("Brak kalkulatora systemowego!"),
                       QStringLiteral("Murolab - kalkulator"), TIkona::Wykrzyknik, TPrzyciski::Ok);
}

} // namespace murolab
