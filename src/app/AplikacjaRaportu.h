#pragma once
// The Qt application a report made on the command line needs (its charts and fonts): made here,
// on the offscreen platform when no other is asked for, when the process has none yet.

#include <QApplication>

#include <memory>
#include <ostream>

namespace murolab {

// Sets `mozna` to false (the reason on `err`) when the process runs a Qt application that is no
// QApplication. Returns the application made for the call, or null when one existed already; it
// must outlive every widget of the report.
inline std::unique_ptr<QApplication> AplikacjaRaportu(std::ostream& err, bool& mozna) {
    mozna = true;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nazwa[] = "murolab";
        static char* argv[] = {nazwa, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        err << "Raport wymaga aplikacji okienkowej Qt (QApplication).\n";
        mozna = false;
    }
    return nullptr;
}

} // namespace murolab
