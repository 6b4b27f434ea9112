// "&Kalkulator": which calculator is started, that it is started once, and how the program tells
// that the process it started still runs.

#include "ui/Kalkulator.h"
#include "widgets/DialogiTestowe.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace murolab;

class TestKalkulator : public QObject {
    Q_OBJECT
private slots:
    void nieznaleziony() {
        TDialogiTestowe d;
        TKalkulator k(d, nullptr);
        QStringList sprawdzone;
        k.PlikIstnieje = [&](const QString& s) {
            sprawdzone << s;
            return true; // a file named like a Windows path in the working directory must not be run
        };
        k.ZnajdzProgram = [](const QString&) { return QString(); };
        int uruchomienia = 0;
        k.UruchomProgram = [&](const QString&, qint64&) { return ++uruchomienia, true; };
        k.Uruchom();
        QCOMPARE(uruchomienia, 0);
        const QList<TWywolanie> w = d.Komunikaty();
        QCOMPARE(w.size(), 1);
        QCOMPARE(w[0].Tekst, QStringLiteral("Brak kalkulatora systemowego!"));
        QCOMPARE(w[0].Tytul, QStringLiteral("Murolab - kalkulator"));
        QCOMPARE(w[0].Ikona, TIkona::Wykrzyknik);
        QCOMPARE(w[0].Przyciski, TPrzyciski::Ok);
#ifndef Q_OS_WIN
        QVERIFY(sprawdzone.isEmpty());
#endif
    }

    // The calculator is known by its number and the start time read right after the launch.
    void uruchamianyRaz() {
        TDialogiTestowe d;
        TKalkulator k(d, nullptr);
        QStringList szukane;
        k.ZnajdzProgram = [&](const QString& n) {
            szukane << n;
            return n == QLatin1String("kcalc") || n == QLatin1String("xcalc")
                       ? QStringLiteral("/usr/bin/") + n
                       : QString();
        };
        QStringList uruchomione;
        qint64 nastepnyPid = 4242;
        k.UruchomProgram = [&](const QString& p, qint64& pid) {
            uruchomione << p;
            pid = nastepnyPid;
            return true;
        };
        quint64 start = 99; // what /proc says of the number now
        k.CzasStartu = [&](qint64 pid) { return pid == 4242 ? start : quint64(0); };
        k.ProcesDziala = [&](qint64 pid, quint64 s) { return pid == 4242 && s != 0 && s == start; };

        k.Uruchom();
        k.Uruchom(); // still running: nothing
        QCOMPARE(uruchomione, QStringList{"/usr/bin/kcalc"});
        QCOMPARE(szukane, TKalkulator::ProgramyLinuksa);
        QCOMPARE(k.Pid, qint64(4242));
        QCOMPARE(k.Start, quint64(99));

        start = 100; // the calculator was closed and its number given to another program
        k.Uruchom();
        QCOMPARE(uruchomione.size(), 2);
        QCOMPARE(k.Start, quint64(100));

        nastepnyPid = 5000; // this one ends before its start time can be read
        start = 0;
        k.Uruchom();
        QCOMPARE(uruchomione.size(), 3);
        QCOMPARE(k.Start, quint64(0));
        k.Uruchom(); // so the next press starts another
        QCOMPARE(uruchomione.size(), 4);
        QVERIFY(d.Wywolania.isEmpty());
    }

    void nastepnyGdyPierwszySieNieUruchomi() {
        TDialogiTestowe d;
        TKalkulator k(d, nullptr);
        k.ZnajdzProgram = [](const QString& n) { return QStringLiteral("/usr/bin/") + n; };
        QStringList proby;
        k.UruchomProgram = [&](const QString& p, qint64& pid) {
            proby << p;
            pid = 7;
            return proby.size() == 2;
        };
        k.CzasStartu = [](qint64) { return quint64(1); };
        k.Uruchom();
        QCOMPARE(proby, (QStringList{"/usr/bin/gnome-calculator", "/usr/bin/kcalc"}));
        QCOMPARE(k.Program, QStringLiteral("/usr/bin/kcalc"));
    }

    // A real process under names that could mislead a reader of /proc/PID/stat: its name is
    // written in parentheses and may itself hold ") Z (" (a zombie's state letter) and spaces.
    void procesWidzianyWProc_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("zwykla nazwa") << QStringLiteral("sleep");
        QTest::newRow("nawiasy i stan w nazwie") << QStringLiteral("k) Z (1 2");
    }
    void procesWidzianyWProc() {
        QFETCH(QString, nazwa);
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        QVERIFY(!sleep.isEmpty());
        QTemporaryDir katalog;
        QVERIFY(katalog.isValid());
        const QString program = katalog.filePath(nazwa);
        QVERIFY(QFile::link(sleep, program));

        QProcess p;
        p.start(program, {QStringLiteral("30")});
        QVERIFY(p.waitForStarted());
        const qint64 pid = p.processId();
        const quint64 start = CzasStartuProcesu(pid);
        QVERIFY(start != 0);
        QVERIFY(ProcesUruchomiony(pid, start));
        QVERIFY(!ProcesUruchomiony(pid, start + 1)); // the same number, another process
        QVERIFY(!ProcesUruchomiony(pid, 0));
        QCOMPARE(CzasStartuProcesu(pid), start); // unchanged whatever the process has executed since
        p.kill();
        QVERIFY(p.waitForFinished());
        QVERIFY(!ProcesUruchomiony(pid, start));
        QCOMPARE(CzasStartuProcesu(pid), quint64(0));
    }

    // A process that has ended but is not yet reaped by its parent is not running.
    void zakonczonyNieDziala() {
        const pid_t pid = ::fork();
        QVERIFY(pid >= 0);
        if (pid == 0)
            ::_exit(0);
        siginfo_t info{};
        // Wait until it has ended, leaving it unreaped.
        QCOMPARE(::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT), 0);
        QCOMPARE(CzasStartuProcesu(pid), quint64(0));
        QVERIFY(::waitpid(pid, nullptr, 0) == pid);
        QCOMPARE(CzasStartuProcesu(pid), quint64(0));
    }

    void nieistniejacyNumer_data() {
        QTest::addColumn<qint64>("pid");
        QTest::newRow("zero") << qint64(0);
        QTest::newRow("ujemny") << qint64(-1);
        QTest::newRow("poza zakresem") << (qint64(1) << 40);
    }
    void nieistniejacyNumer() {
        QFETCH(qint64, pid);
        QCOMPARE(CzasStartuProcesu(pid), quint64(0));
        QVERIFY(!ProcesUruchomiony(pid, 1));
    }
};

QTEST_MAIN(TestKalkulator)
#include "tst_kalkulator.moc"
